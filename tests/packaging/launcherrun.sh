# Shared by the installing and packaging tests: starts an installed launcher
# off screen with a data directory of its own, checks where it looks for its
# files, stops it with SIGTERM and checks that it saved the user file.
# Sourced; the tests run with "set -euo pipefail".

# The exit status that CTest reports as a skipped test.
SKIPPED=77

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# require TOOL...: skips the test when one of the tools is missing.
require() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed" >&2
            exit "$SKIPPED"
        fi
    done
}

# The launcher started by check_launcher_run; a test's EXIT trap calls
# stop_leftover_launcher in case it ends early.
launcher_pid=""
stop_leftover_launcher() {
    if [ -n "$launcher_pid" ] && kill -0 "$launcher_pid" 2>/dev/null; then
        kill -KILL "$launcher_pid" 2>/dev/null || true
    fi
}

# wait_for_line FILE LINE SECONDS: true once FILE holds LINE as a whole line;
# false when the launcher ends first or the time runs out.
wait_for_line() {
    local file=$1 line=$2 deadline=$((SECONDS + $3))
    while [ "$SECONDS" -lt "$deadline" ]; do
        grep -qxF -- "$line" "$file" && return 0
        kill -0 "$launcher_pid" 2>/dev/null || { grep -qxF -- "$line" "$file"; return; }
        sleep 0.1
    done
    return 1
}

# check_launcher_run LAUNCHER RESOURCES WORKDIR: starts LAUNCHER (a path, maybe
# a symbolic link) from / with a fresh data directory in WORKDIR and expects it
# to take its default file from the directory RESOURCES.
check_launcher_run() {
    local launcher=$1 resources=$2 work=$3
    local data=$work/data runtime=$work/runtime err=$work/launcher.err
    mkdir -p "$data"
    mkdir -m 700 "$runtime"

    (cd / && exec env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$runtime" \
        "$launcher" 2>"$err") &
    launcher_pid=$!

    # Without a user file it asks for the user file, then for the default file.
    local userLine="GetFileName( 0 ): result= \"$data/Zelvane/Launcher.ini\" "
    local defaultLine="GetFileName( 1 ): result= \"$resources/LauncherDefault.ini\" "
    if ! wait_for_line "$err" "$defaultLine" 60; then
        echo "--- standard error of $launcher:" >&2
        cat "$err" >&2
        fail "the launcher did not look for its default file at $resources/LauncherDefault.ini"
    fi
    grep -qxF -- "$userLine" "$err" || fail "the launcher did not look for the user file at $data/Zelvane/Launcher.ini"
    kill -0 "$launcher_pid" 2>/dev/null || fail "the launcher ended after reading its default file"

    kill -TERM "$launcher_pid"
    local deadline=$((SECONDS + 60))
    while kill -0 "$launcher_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.1
    done
    kill -0 "$launcher_pid" 2>/dev/null && fail "the launcher did not end within 60 seconds of SIGTERM"
    local status=0
    wait "$launcher_pid" || status=$?
    launcher_pid=""
    [ "$status" -eq 0 ] || { cat "$err" >&2; fail "the launcher ended with status $status after SIGTERM"; }

    # The saved file holds the default file's profiles and options.
    local saved=$data/Zelvane/Launcher.ini
    [ -s "$saved" ] || fail "the launcher did not write $saved"
    diff <(grep '^"' "$resources/LauncherDefault.ini") <(grep '^"' "$saved") >&2 \
        || fail "$saved does not hold the profiles and options of the default file"
    echo "ok: $launcher found $resources/LauncherDefault.ini and saved $saved"
}

#!/usr/bin/env bash
# Installs the build into a DESTDIR, builds the Debian package, validates the
# desktop entry and the metainfo, and starts the launcher from both trees.
# Usage: tst_packaging.sh BUILD_DIR PACKAGING_DIR VERSION
set -euo pipefail
build=$1 packaging=$2 version=$3
for tool in dpkg-deb desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# starts ROOT/usr/bin/zelvane-launcher from / on a fresh data directory: it
# must look for its default file beside itself, and save it at SIGTERM.
check_run() {
    local root=$1 data=$work/data-$RANDOM err=$work/err-$RANDOM
    local resources=$root/usr/lib/zelvane-launcher/Resources
    mkdir -p "$data" && mkdir -m 700 "$data/run"
    (cd / && exec env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$data/run" \
        "$root/usr/bin/zelvane-launcher" 2>"$err") &
    pid=$!
    for _ in $(seq 300); do
        grep -qxF "GetFileName( 1 ): result= \"$resources/LauncherDefault.ini\" " "$err" && break
        sleep 0.1
    done
    kill -TERM "$pid" && wait "$pid" || { cat "$err" >&2; fail "$root: no clean run"; }
    pid=""
    diff <(grep '^"' "$resources/LauncherDefault.ini") <(grep '^"' "$data/Zelvane/Launcher.ini") >&2 \
        || fail "$root: the saved file does not hold the default profiles"
}

DESTDIR=$work/installed cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
[ "$(readlink "$work/installed/usr/bin/zelvane-launcher")" = ../lib/zelvane-launcher/bin/zelvane-launcher ] \
    || fail "bin/zelvane-launcher is not a relative link"
check_run "$work/installed"

(cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/deb/zelvane-launcher_${version}_$(dpkg --print-architecture).deb
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libc6; do
    [[ ", $(dpkg-deb -f "$deb" Depends)," =~ ,\ $package[\ ,] ]] || fail "Depends does not name $package"
done
# The package holds what was installed, owned by root.
diff <(cd "$work/installed" && find . -not -type d | sed 's|^\./||' | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && $2 == "root/root" { sub(/^\.\//, "", $6); print $6 }' | sort) >&2 \
    || fail "the package's files differ from the installed ones"
dpkg-deb -x "$deb" "$work/unpacked"
check_run "$work/unpacked"

desktop=$packaging/org.zelvane.Launcher.desktop metainfo=$packaging/org.zelvane.Launcher.metainfo.xml
! desktop-file-validate "$desktop" 2>&1 | grep -E ': (error|warning):' || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate"
grep -qxF 'Exec=zelvane-launcher' "$desktop" || fail "the desktop entry does not start zelvane-launcher"
[ -f "$work/installed/usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$desktop").svg" ] \
    || fail "the desktop entry's icon is not installed"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
echo "ok: installed, packaged, validated and started"

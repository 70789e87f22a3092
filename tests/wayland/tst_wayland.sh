#!/usr/bin/env bash
# On a real Wayland compositor (sway, headless, as an unprivileged user: it
# refuses root; the launcher's new window gets no focus unasked), the
# launcher's window takes the focus from another with its start's token, and
# a second start given a token brings it forward again. Without a token the
# second start still exits 0.
#   tst_wayland.sh BUILD_DIR TOKEN_HELPER QT_PLUGIN_DIR   (exit 77: skipped)
set -u
build=$1 helper=$2 plugins=$3
[ -n "$helper" ] || { echo "SKIP: the token helper needs wayland-scanner, wayland-protocols and libwayland-dev"; exit 77; }
for tool in sway swaymsg jq setpriv "$helper" "$plugins/platforms/libqwayland-generic.so"; do
    command -v "$tool" >/dev/null || [ -e "$tool" ] || { echo "SKIP: $tool is missing"; exit 77; }
done

dir=$(mktemp -d) && chmod 755 "$dir"
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; tail -n 20 "$dir"/*.log; exit 1; }
user=()
if [ "$(id -u)" -eq 0 ]; then
    user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
# Within 5 seconds, or the test fails.
poll() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; return 1; }

mkdir -m 700 "$dir/runtime" "$dir/data"
cp -r "$build/bin" "$build/Resources" "$helper" "$dir/"
printf 'xwayland disable\nfocus_on_window_activation focus\nno_focus [app_id="^org.zelvane.Launcher$"]\n' \
    >"$dir/sway.config"
[ ${#user[@]} -eq 0 ] || chown -R 65534:65534 "$dir/runtime" "$dir/data"
export XDG_RUNTIME_DIR=$dir/runtime XDG_DATA_HOME=$dir/data QT_QPA_PLATFORM=wayland
unset DISPLAY WAYLAND_DISPLAY XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    "${user[@]}" sway -c "$dir/sway.config" >"$dir/sway.log" 2>&1 &
poll test -S "$dir/runtime/wayland-1" || fail "sway did not start"
export WAYLAND_DISPLAY=wayland-1
poll compgen -G "$dir/runtime/sway-ipc.*" >/dev/null || fail "sway did not open its socket"
export SWAYSOCK=$(compgen -G "$dir/runtime/sway-ipc.*")
focused() { # true when the focused window has app_id $1
    [ "$("${user[@]}" swaymsg -t get_tree | jq -r '.. | objects | select(.focused) | .app_id')" = "$1" ]
}
launcher=$dir/bin/zelvane-launcher
"${user[@]}" "$dir/Resources/Zelvane.app/Contents/MacOS/zelvane" 2>"$dir/other.log" &
poll focused zelvane || fail "the other window did not take the focus"
token=$("${user[@]}" "$dir/$(basename "$helper")") || fail "no token from sway for the first start"
XDG_ACTIVATION_TOKEN=$token "${user[@]}" "$launcher" 2>"$dir/launcher.log" &
poll focused org.zelvane.Launcher || fail "the launcher's window did not come forward with its start's token"

# The token as the environment variable the row names (none: no token).
for variable in none XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID; do
    "${user[@]}" swaymsg '[app_id="^zelvane$"] focus' >/dev/null
    poll focused zelvane || fail "$variable: the other window did not take the focus"
    token=$("${user[@]}" "$dir/$(basename "$helper")") || fail "$variable: no token from sway"
    env "$variable=$token" timeout 10 "${user[@]}" "$launcher" 2>>"$dir/second.log"
    status=$?
    [ $status -eq 0 ] || fail "$variable: the second start exited $status"
    [ $variable = none ] && continue
    poll focused org.zelvane.Launcher || fail "$variable: the launcher's window has no focus"
done
echo "PASS"

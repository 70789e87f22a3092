# Installs the build into a temporary DESTDIR and starts the installed launcher
# through the symbolic link on the PATH.
# Usage: bash tst_install.sh CMAKE BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/launcherrun.sh"
cmake=$1 build=$2

work=$(mktemp -d)
trap 'stop_leftover_launcher; rm -rf "$work"' EXIT
destdir=$work/destdir prefix=/opt/zelvane
DESTDIR=$destdir "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" \
    || { cat "$work/install.log" >&2; fail "cmake --install failed"; }
root=$destdir$prefix
pkgdir=$root/lib/zelvane-launcher

for file in lib/zelvane-launcher/bin/zelvane-launcher \
            lib/zelvane-launcher/Resources/Zelvane.app/Contents/MacOS/zelvane; do
    [ -f "$root/$file" ] && [ -x "$root/$file" ] || fail "$file is not an installed executable"
done
for file in lib/zelvane-launcher/Resources/LauncherDefault.ini lib/zelvane-launcher/Resources/LauncherHelp.html \
            share/applications/org.zelvane.Launcher.desktop share/metainfo/org.zelvane.Launcher.metainfo.xml \
            share/icons/hicolor/scalable/apps/org.zelvane.Launcher.svg; do
    [ -f "$root/$file" ] || fail "$file is not installed"
done

# A relative link, so the tree can be moved (DESTDIR, a package).
link=$root/bin/zelvane-launcher
[ -L "$link" ] || fail "bin/zelvane-launcher is not a symbolic link"
target=$(readlink "$link")
[ "$target" = ../lib/zelvane-launcher/bin/zelvane-launcher ] \
    || fail "bin/zelvane-launcher points to $target, not ../lib/zelvane-launcher/bin/zelvane-launcher"

# What the desktop files name is installed under those names.
desktop=$root/share/applications/org.zelvane.Launcher.desktop
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -n "$exec_name" ] && [ -x "$root/bin/$exec_name" ] || fail "the desktop entry starts '$exec_name', which is not in bin/"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the desktop entry's icon '$icon' is not installed"
grep -qF '<launchable type="desktop-id">org.zelvane.Launcher.desktop</launchable>' \
    "$root/share/metainfo/org.zelvane.Launcher.metainfo.xml" || fail "the metainfo does not name the installed desktop entry"

check_launcher_run "$link" "$pkgdir/Resources" "$work"

# Builds the Debian package with CPack, checks its contents and control
# fields, unpacks it and starts the launcher from the unpacked tree.
# Usage: bash tst_debpackage.sh CPACK BUILD_DIR VERSION
set -euo pipefail
source "$(dirname "$0")/launcherrun.sh"
cpack=$1 build=$2 version=$3
require dpkg dpkg-deb dpkg-shlibdeps file

work=$(mktemp -d)
trap 'stop_leftover_launcher; rm -rf "$work"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
arch=$(dpkg --print-architecture)
deb=$work/out/zelvane-launcher_${version}_$arch.deb
[ -f "$deb" ] || { ls "$work/out" >&2; fail "no package zelvane-launcher_${version}_$arch.deb"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zelvane-launcher ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
for name in Maintainer Section Description; do
    [ -n "$(field "$name")" ] || fail "the package has no $name"
done
depends=$(field Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libc6; do
    [[ ", $depends," =~ ,\ $package[\ ,] ]] || fail "Depends does not name $package"
done

# Exactly these files and links, owned by root, with these modes.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $1, $2, $6 ($7 == "->" ? " -> " $8 : "") }' | sort >"$work/contents"
sort >"$work/expected" <<'LIST'
-rw-r--r-- root/root usr/lib/zelvane-launcher/Resources/LauncherDefault.ini
-rw-r--r-- root/root usr/lib/zelvane-launcher/Resources/LauncherHelp.html
-rw-r--r-- root/root usr/share/applications/org.zelvane.Launcher.desktop
-rw-r--r-- root/root usr/share/icons/hicolor/scalable/apps/org.zelvane.Launcher.svg
-rw-r--r-- root/root usr/share/metainfo/org.zelvane.Launcher.metainfo.xml
-rwxr-xr-x root/root usr/lib/zelvane-launcher/Resources/Zelvane.app/Contents/MacOS/zelvane
-rwxr-xr-x root/root usr/lib/zelvane-launcher/bin/zelvane-launcher
lrwxrwxrwx root/root usr/bin/zelvane-launcher -> ../lib/zelvane-launcher/bin/zelvane-launcher
LIST
diff "$work/expected" "$work/contents" >&2 || fail "the package's files differ from the list above"

dpkg-deb -x "$deb" "$work/root"
check_launcher_run "$work/root/usr/bin/zelvane-launcher" "$work/root/usr/lib/zelvane-launcher/Resources" "$work"

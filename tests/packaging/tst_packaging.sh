#!/usr/bin/env bash
# Installs the build into a DESTDIR, builds the Debian package, starts the
# launcher from both trees and validates the desktop entry and the metainfo.
# Usage: tst_packaging.sh BUILD_DIR PACKAGING_DIR VERSION
set -euo pipefail
build=$1 packaging=$2 version=$3
for tool in dpkg-deb desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# check_run ROOT: the launcher on the PATH of ROOT, started from / on a fresh
# data directory, finds its default file beside itself and saves it at SIGTERM.
check_run() {
    local data=$work/data-$RANDOM resources=$1/usr/lib/zelvane-launcher/Resources
    mkdir -p "$data" && mkdir -m 700 "$data/run"
    (cd / && exec env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$data/run" \
        "$1/usr/bin/zelvane-launcher" 2>"$data/err") &
    for _ in $(seq 300); do
        grep -qxF "GetFileName( 1 ): result= \"$resources/LauncherDefault.ini\" " "$data/err" && break
        sleep 0.1
    done
    kill -TERM $! && wait $! || { cat "$data/err" >&2; fail "$1: no clean run"; }
    diff <(grep '^"' "$resources/LauncherDefault.ini") <(grep '^"' "$data/Zelvane/Launcher.ini") >&2 \
        || fail "$1: the saved file does not hold the default profiles"
}

DESTDIR=$work/installed cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
[ "$(readlink "$work/installed/usr/bin/zelvane-launcher")" = ../lib/zelvane-launcher/bin/zelvane-launcher ] \
    || fail "bin/zelvane-launcher is not a relative link"
check_run "$work/installed"
# The options need no display, write nothing and run what the package ships
# when no other emulator is named or chosen.
line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u ZELVANE_EMULATOR XDG_DATA_HOME="$work/none" \
    XDG_CONFIG_HOME="$work/none" \
    "$work/installed/usr/bin/zelvane-launcher" --launch Default --dry-run) || fail "--dry-run"
[[ $line == "$work/installed/usr/lib/zelvane-launcher/Resources/Zelvane.app/Contents/MacOS/zelvane"* ]] \
    && [ ! -e "$work/none" ] || fail "--dry-run printed: $line"
share=$work/installed/usr/share
for page in man1 de/man1; do
    [ -z "$(man --warnings -l "$share/man/$page/zelvane-launcher.1.gz" 2>&1 >/dev/null | grep -v "set the locale")" ] \
        || fail "$page/zelvane-launcher.1.gz: missing or with warnings"
done
[ -f "$work/installed/usr/lib/zelvane-launcher/Resources/LauncherHelp_de.html" ] || fail "no German help page"
bash -c "source '$share/bash-completion/completions/zelvane-launcher' && complete -p zelvane-launcher" \
    >/dev/null || fail "bash completion"
# The profile names after --launch, for each word typed so far in
# data/completion.txt: what bash puts in its place (the replies joined by |).
mkdir -p "$work/names/Zelvane" && cp "$(dirname "$0")/data/Launcher.ini" "$work/names/Zelvane/"
XDG_DATA_HOME=$work/names bash -c 'source "$1" && while IFS=$'"'\\t'"' read -r typed expected; do
        COMP_WORDS=("$2" --launch "$typed") COMP_CWORD=2 && _zelvane_launcher
        replies=$(IFS="|" && echo "${COMPREPLY[*]}")
        [ "$replies" = "$expected" ] || { echo "FAIL: completing $typed gave $replies" >&2; exit 1; }
    done' - "$share/bash-completion/completions/zelvane-launcher" "$work/installed/usr/bin/zelvane-launcher" \
    < "$(dirname "$0")/data/completion.txt" || fail "bash completion of profile names"
[ -f "$work/installed/usr/lib/zelvane-launcher/Resources/translations/zelvane-launcher_de.qm" ] \
    || fail "no German translation installed"

(cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/deb/zelvane-launcher_${version}_$(dpkg --print-architecture).deb
[[ "$(dpkg-deb -f "$deb" Depends)" =~ libqt6widgets6.*qt6-translations-l10n|qt6-translations-l10n.*libqt6widgets6 ]] \
    || fail "Depends does not name libqt6widgets6 and qt6-translations-l10n"
[ "$(dpkg-deb -f "$deb" Recommends)" = "xdg-utils, qt6-wayland" ] || fail "Recommends is not xdg-utils, qt6-wayland"
# The package holds what was installed, owned by root.
diff <(cd "$work/installed" && find . -not -type d | sed 's|^\./||' | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && $2 == "root/root" { sub(/^\.\//, "", $6); print $6 }' | sort) >&2 \
    || fail "the package's files differ from the installed ones"
dpkg-deb -x "$deb" "$work/unpacked"
check_run "$work/unpacked"

desktop=$packaging/org.zelvane.Launcher.desktop
! desktop-file-validate "$desktop" 2>&1 | grep -E ': (error|warning):' || fail "desktop-file-validate"
appstreamcli validate --no-net "$packaging/org.zelvane.Launcher.metainfo.xml" >/dev/null || fail "appstreamcli"
grep -qxF 'Exec=zelvane-launcher' "$desktop" && grep -qxF 'StartupWMClass=zelvane-launcher' "$desktop" \
    || fail "the desktop entry does not start zelvane-launcher, whose windows' class is its name"
[ -f "$work/installed/usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$desktop").svg" ] \
    || fail "the desktop entry's icon is not installed"
grep -qF "<release version=\"$version\"" "$packaging/org.zelvane.Launcher.metainfo.xml" \
    || fail "the metainfo has no release $version"
for key in 'Name\[de\]' 'Comment\[de\]' 'Keywords\[de\]'; do
    grep -q "^$key=." "$desktop" || fail "the desktop entry has no $key"
done
grep -qF '<summary xml:lang="de">' "$packaging/org.zelvane.Launcher.metainfo.xml" \
    && grep -qF '<p xml:lang="de">' "$packaging/org.zelvane.Launcher.metainfo.xml" \
    || fail "the metainfo has no German summary and description"
echo "ok: installed, packaged, started and validated"

# Validates the desktop entry and the AppStream metainfo and checks that they
# agree with each other and with the project.
# Usage: bash tst_desktopfiles.sh PACKAGING_DIR VERSION
set -euo pipefail
source "$(dirname "$0")/launcherrun.sh"
dir=$1 version=$2
require desktop-file-validate appstreamcli
desktop=$dir/org.zelvane.Launcher.desktop
metainfo=$dir/org.zelvane.Launcher.metainfo.xml

# Hints are suggestions; warnings and errors fail.
output=$(desktop-file-validate "$desktop" 2>&1) || { echo "$output" >&2; fail "desktop-file-validate failed"; }
echo "$output"
if grep -qE ': (error|warning):' <<<"$output"; then
    fail "desktop-file-validate reported problems"
fi
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"

grep -qxF 'Exec=zelvane-launcher' "$desktop" || fail "the desktop entry does not start zelvane-launcher"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$dir/$icon.svg" ] || fail "the desktop entry's icon '$icon' has no $icon.svg"
grep -qF "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" \
    || fail "the metainfo does not name $(basename "$desktop")"
grep -qF '<binary>zelvane-launcher</binary>' "$metainfo" || fail "the metainfo does not provide zelvane-launcher"
latest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$latest" = "$version" ] || fail "the metainfo's latest release is '$latest', the project's version $version"
echo "ok: $(basename "$desktop") and $(basename "$metainfo") are valid and agree"

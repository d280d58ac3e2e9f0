#!/bin/sh
# The launcher and the metainfo pass their validators and name each other, the icon and the release.
# Usage: validates-data.sh DATA_DIR PROJECT_VERSION
set -u
data=$1
version=$2
desktop="$data/org.vantrelle.Somnivox.desktop"
metainfo="$data/org.vantrelle.Somnivox.metainfo.xml"
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"

grep -qx 'Exec=somnivox' "$desktop" || fail "the launcher does not run the installed link name"
grep -qx 'Icon=somnivox' "$desktop" || fail "the launcher's icon is not the installed icon name"
grep -q '<launchable type="desktop-id">org.vantrelle.Somnivox.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not name the launcher"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
exit $status

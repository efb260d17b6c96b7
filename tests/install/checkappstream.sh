#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the program's part of a build tree into a staging folder and checks what software
# centres and menus read from it:
#     checkappstream.sh BUILD_DIR SOURCE_DIR APP_ID VERSION
# The AppStream metadata passes appstreamcli validate --pedantic (no network) without a word, and
# so does the installed tree as a whole; the menu entry passes desktop-file-validate; the metadata
# launches that menu entry, has this release, and its screenshots are pictures of the user guide.
set -euo pipefail
build="$1"
source="$2"
app_id="$3"
version="$4"

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --component pantrex --prefix "$stage/usr" >"$stage/install.log"
metainfo="$stage/usr/share/metainfo/$app_id.metainfo.xml"
desktop="$stage/usr/share/applications/$app_id.desktop"
for file in "$metainfo" "$desktop"; do
    [ -f "$file" ] || fail "not installed: ${file#"$stage"/}"
done
[ "$failures" = 0 ] || exit 1

# appstreamcli prints its verdict ("Validation was successful.") after its hints; a clean file
# gets the verdict alone. validate-tree reads the metadata with the menu entry and icons it names.
appstream_check() {
    local command="$1" path="$2" output status=0
    output="$(appstreamcli "$command" --pedantic --no-net "$path" 2>&1)" || status=$?
    echo "appstreamcli $command --pedantic --no-net ${path#"$stage"/}:"
    echo "$output"
    if [ "$status" != 0 ] || grep -qv -e 'Validation was successful\.$' -e '^$' <<<"$output"; then
        fail "appstreamcli $command ${path#"$stage"/} (exit status $status)"
    fi
}
appstream_check validate "$metainfo"
appstream_check validate-tree "$stage/usr"

validation="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate failed"
echo "desktop-file-validate $app_id.desktop: ${validation:-no remarks}"
[ -z "$validation" ] || fail "desktop-file-validate: $validation"

grep -qF "<id>$app_id</id>" "$metainfo" || fail "the metadata's id is not $app_id"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $app_id.desktop"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" || fail "the metadata has no release $version"
# The menu entry's categories and keywords are the metadata's, in the same order.
desktop_list() { sed -n "s/^$1=//p" "$desktop" | tr ';' '\n' | sed '/^$/d'; }
metainfo_list() { sed -n "s|.*<$1\\( [^>]*\\)\\?>\\(.*\\)</$1>.*|\\2|p" "$metainfo"; }
[ "$(desktop_list Categories)" = "$(metainfo_list category)" ] || fail "categories differ from the menu entry's"
[ "$(desktop_list Keywords)" = "$(metainfo_list keyword)" ] || fail "keywords differ from the menu entry's"
# Every screenshot is one of the user guide's pictures, published under docs/images/.
screenshots=0
while read -r url; do
    screenshots=$((screenshots + 1))
    picture="${url##*/docs/images/}"
    [ "$picture" != "$url" ] && [ -f "$source/docs/images/$picture" ] || fail "screenshot $url is no picture of the guide"
done < <(metainfo_list image)
[ "$screenshots" -gt 0 ] || fail "the metadata has no screenshots"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "AppStream metadata and menu entry of $app_id checked, $screenshots screenshots"

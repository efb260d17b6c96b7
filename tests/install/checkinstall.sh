#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a build tree into a staging folder and checks it as a desktop would see it:
#     checkinstall.sh BUILD_DIR SOURCE_DIR WITH_NOTIVA(0|1) APP_ID
# Every file in its place, the icons at their sizes, the user guide with its pictures and the
# manual page pointing at it, the menu entry (named after the AppStream id APP_ID) valid for
# desktop-file-validate, Notiva's CMake package usable, none of the Debian packages' own files,
# and the program started by the menu entry's own command line working in the user's data folder.
set -euo pipefail
build="$1"
source="$2"
notiva="$3"
app_id="$4"

stage="$(mktemp -d)"
program=""
cleanup() {
    if [ -n "$program" ]; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    rm -rf "$stage"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

prefix="$stage/usr"
cmake --install "$build" --prefix "$prefix" >"$stage/install.log"

# Every installed path must be a file or a link to one inside the staging folder.
expect() {
    for path in "$@"; do
        [ -f "$prefix/$path" ] || fail "missing $path"
    done
}
desktop="share/applications/$app_id.desktop"
expect bin/pantrex "$desktop" "share/metainfo/$app_id.metainfo.xml" share/icons/hicolor/scalable/apps/pantrex.svg \
    share/man/man1/pantrex.1.gz share/doc/pantrex/README.md share/doc/pantrex/docs/user-guide.md \
    share/doc/pantrex/LICENSE
[ -x "$prefix/bin/pantrex" ] || fail "bin/pantrex is not executable"

# A PNG's width and height are the big-endian numbers at bytes 16 and 20.
png_size() {
    local bytes
    read -r -a bytes <<<"$(od -An -tu1 -j16 -N8 "$1")"
    echo "$(((bytes[0] << 24) + (bytes[1] << 16) + (bytes[2] << 8) + bytes[3]))x$(((bytes[4] << 24) + (bytes[5] << 16) + (bytes[6] << 8) + bytes[7]))"
}
for size in 16 32 48 64 128 256; do
    icon="share/icons/hicolor/${size}x${size}/apps/pantrex.png"
    expect "$icon"
    [ -f "$prefix/$icon" ] && [ "$(png_size "$prefix/$icon")" != "${size}x${size}" ] &&
        fail "$icon is $(png_size "$prefix/$icon")"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/pantrex.svg" || fail "pantrex.svg is no SVG"
zcat "$prefix/share/man/man1/pantrex.1.gz" | head -n 1 | grep -q '^\.TH PANTREX 1 ' || fail "pantrex.1.gz is no manual page"
# The manual page is written at install time, for the prefix installed to.
zcat "$prefix/share/man/man1/pantrex.1.gz" | grep -qxF ".IR $prefix/share/doc/pantrex/docs/user-guide.md ." ||
    fail "pantrex.1.gz does not name the installed guide: $(zcat "$prefix/share/man/man1/pantrex.1.gz" | tail -n 1)"
# The Debian packages' copyright files, changelogs and lintian overrides are theirs alone.
debian_only="$(cd "$prefix" && find . -path ./share/lintian -prune -print -o -name copyright -print -o -name 'changelog.Debian*' -print)"
[ -z "$debian_only" ] || fail "Debian package files in a plain install: $debian_only"

# The guide's pictures are installed beside it, so its links work in the installed copy.
while read -r picture; do
    expect "share/doc/pantrex/docs/$picture"
done < <(grep -o '](images/[^)]*)' "$source/docs/user-guide.md" | sed 's/^](//; s/)$//')
# So are the pages the README and the architecture page link to.
while read -r page; do
    expect "share/doc/pantrex/$page"
done < <(grep -o '](docs/[^)#]*' "$source/README.md" | sed 's/^](//')
while read -r page; do
    expect "share/doc/pantrex/docs/$page"
done < <(grep -o '](architecture[^)#]*' "$source/docs/architecture.md" | sed 's/^](//')

validation="$(desktop-file-validate "$prefix/$desktop" 2>&1)" ||
    fail "desktop-file-validate failed"
[ -z "$validation" ] || fail "desktop-file-validate: $validation"

if [ "$notiva" = 1 ]; then
    libdir="$(cd "$prefix" && dirname "$(find . -name 'libnotiva.so.1.*' -type f | head -n 1)")"
    libdir="${libdir#./}"
    [ "$(readlink "$prefix/$libdir/libnotiva.so")" = libnotiva.so.1 ] || fail "libnotiva.so does not lead to libnotiva.so.1"
    [ -f "$prefix/$libdir/libnotiva.so.1" ] || fail "libnotiva.so.1 leads nowhere"
    for header in constants.h msgbox.h notiva.h notivaglobal.h propertybag.h; do
        expect "include/notiva/$header"
    done
    expect "$libdir/cmake/Notiva/NotivaConfig.cmake" "$libdir/cmake/Notiva/NotivaConfigVersion.cmake" \
        share/doc/libnotiva-dev/README.md bin/notiva-demo share/man/man1/notiva-demo.1.gz
    zcat "$prefix/share/man/man1/notiva-demo.1.gz" | head -n 1 | grep -q '^\.TH NOTIVA\\-DEMO 1 ' ||
        fail "notiva-demo.1.gz is no manual page"
    executable="$(find "$prefix/$libdir" -name 'libnotiva.so.1.*' -type f -perm /111)"
    [ -z "$executable" ] || fail "the library is executable: $executable"
    # A host project finds the library and its headers through the installed package.
    mkdir -p "$stage/host"
    cat >"$stage/host/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(host LANGUAGES CXX)
find_package(Notiva 1 REQUIRED)
get_target_property(library Notiva::notiva LOCATION)
get_target_property(includes Notiva::notiva INTERFACE_INCLUDE_DIRECTORIES)
foreach(path IN LISTS library includes)
    if(NOT EXISTS "${path}" OR NOT path MATCHES "^${STAGE}/")
        message(FATAL_ERROR "Notiva::notiva names ${path}")
    endif()
endforeach()
EOF
    cmake -S "$stage/host" -B "$stage/host/build" -DCMAKE_PREFIX_PATH="$prefix" -DSTAGE="$prefix" \
        >"$stage/host.log" 2>&1 || fail "find_package(Notiva) from the staging folder: $(tail -n 5 "$stage/host.log")"
fi

# Start the program the way the menu does, in a home of its own and from an unrelated folder:
# it must make and use ~/.local/share/pantrex and leave the current folder alone.
exec_line="$(sed -n 's/^Exec=//p' "$prefix/$desktop")"
read -r -a command <<<"$exec_line"
mkdir -p "$stage/home" "$stage/elsewhere"
data="$stage/home/.local/share/pantrex"
(cd "$stage/elsewhere" && exec env -u XDG_DATA_HOME HOME="$stage/home" PATH="$prefix/bin:$PATH" \
    "${command[@]}" >"$stage/program.log" 2>&1) &
program=$!
for _ in $(seq 100); do
    [ -f "$data/grocery.dat" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
[ -f "$data/grocery.dat" ] || fail "'$exec_line' did not start on $data: $(cat "$stage/program.log")"
kill -0 "$program" 2>/dev/null || fail "'$exec_line' ended: $(cat "$stage/program.log")"
[ -z "$(ls -A "$stage/elsewhere")" ] || fail "'$exec_line' wrote into the current folder: $(ls -A "$stage/elsewhere")"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; installed files:" >&2
    (cd "$prefix" && find . ! -type d | sort) >&2
    exit 1
fi
echo "installed and checked $(cd "$prefix" && find . ! -type d | wc -l) files"

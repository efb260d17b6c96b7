#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian packages from a built tree with cpack, as scripts/package does from its release
# tree, and checks them:
#     checkpackages.sh BUILD_DIR WITH_NOTIVA(0|1)
# Each package holds what it should and nothing of another; together they hold everything a plain
# install puts down; each has its copyright file and Debian changelog; the library is found by its
# SONAME and refreshes the library cache by the ldconfig trigger alone; and lintian --pedantic has
# nothing to say about any of them.
set -euo pipefail
build="$1"
notiva="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
milliseconds() { echo $(($(date +%s%N) / 1000000)); }
elapsed() { echo "$((($2 - $1) / 1000)).$((($2 - $1) % 1000 / 100)) s"; }

packages=(pantrex)
[ "$notiva" = 1 ] && packages+=(libnotiva1 libnotiva-dev notiva-demo)

started="$(milliseconds)"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    exit 1
fi
packed="$(milliseconds)"

version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")-1"
architecture="$(dpkg --print-architecture)"
declare -A deb
for package in "${packages[@]}"; do
    deb[$package]="$work/out/${package}_${version}_$architecture.deb"
    [ -f "${deb[$package]}" ] || fail "no ${package}_${version}_$architecture.deb; cpack made: $(cd "$work/out" && ls ./*.deb)"
done
[ "$(find "$work/out" -maxdepth 1 -name '*.deb' | wc -l)" = "${#packages[@]}" ] ||
    fail "cpack made $(cd "$work/out" && ls ./*.deb), not just ${packages[*]}"
[ "$failures" = 0 ] || exit 1

# The paths of a package's files and links, without the leading "./".
contents() { dpkg-deb --fsys-tarfile "${deb[$1]}" | tar -t | sed 's|^\./||' | grep -v -e '/$' -e '^$' | sort; }
field() { dpkg-deb --field "${deb[$1]}" "$2"; }
has() {
    local package="$1"
    shift
    for pattern in "$@"; do
        grep -qx "$pattern" "$work/$package.files" || fail "$package has no $pattern"
    done
}
has_not() {
    local package="$1" pattern="$2"
    if grep -x "$pattern" "$work/$package.files" >"$work/found"; then
        fail "$package holds $(tr '\n' ' ' <"$work/found")"
    fi
}
control_file() {
    rm -rf "$work/control"
    dpkg-deb --control "${deb[$1]}" "$work/control"
    [ ! -f "$work/control/$2" ] || cat "$work/control/$2"
}

for package in "${packages[@]}"; do
    contents "$package" >"$work/$package.files"
    has "$package" "usr/share/doc/$package/copyright" "usr/share/doc/$package/changelog.Debian.gz"
    dpkg-deb --fsys-tarfile "${deb[$package]}" | tar -xO "./usr/share/doc/$package/copyright" >"$work/copyright"
    [ "$(head -n 1 "$work/copyright")" = 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ] ||
        fail "$package: its copyright file is not machine-readable"
    dpkg-deb --fsys-tarfile "${deb[$package]}" | tar -xO "./usr/share/doc/$package/changelog.Debian.gz" >"$work/changelog.gz"
    [ "$(zcat "$work/changelog.gz" | sed -n 1p)" = "pantrex ($version) unstable; urgency=medium" ] ||
        fail "$package: its changelog does not begin with $version"
    [ "$(field "$package" Version)" = "$version" ] || fail "$package is version $(field "$package" Version)"
    case "$package" in
    libnotiva*) ;;
    *) has_not "$package" '.*/lib[^/]*\.so\(\.[0-9.]*\)\?' ;;
    esac
    for script in preinst postinst prerm postrm; do
        [ -z "$(control_file "$package" "$script")" ] || fail "$package has a $script"
    done
done

has pantrex usr/bin/pantrex 'usr/share/applications/.*\.desktop' 'usr/share/metainfo/.*\.metainfo\.xml' \
    usr/share/man/man1/pantrex.1.gz usr/share/icons/hicolor/scalable/apps/pantrex.svg \
    usr/share/doc/pantrex/README.md usr/share/doc/pantrex/docs/user-guide.md
for dependency in libqt6widgets6 qt6-qpa-plugins fonts-liberation fonts-comic-neue; do
    field pantrex Depends | grep -q "\\b$dependency\\b" || fail "pantrex does not depend on $dependency: $(field pantrex Depends)"
done

if [ "$notiva" = 1 ]; then
    has libnotiva1 'usr/lib/\(.*/\)\?libnotiva\.so\.1' 'usr/lib/\(.*/\)\?libnotiva\.so\.1\.[0-9.]*'
    has_not libnotiva1 '.*libnotiva\.so'
    has_not libnotiva1 'usr/include/.*'
    [ "$(control_file libnotiva1 shlibs)" = "libnotiva 1 libnotiva1 (>= $version)" ] ||
        fail "libnotiva1's shlibs: $(control_file libnotiva1 shlibs)"
    [ "$(control_file libnotiva1 triggers)" = "activate-noawait ldconfig" ] ||
        fail "libnotiva1's triggers: $(control_file libnotiva1 triggers)"
    dpkg-deb --fsys-tarfile "${deb[libnotiva1]}" | tar -xO --wildcards './usr/lib/*libnotiva.so.1.*' >"$work/library"
    soname="$(readelf -d "$work/library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')"
    [ "$soname" = libnotiva.so.1 ] || fail "libnotiva1's library has the SONAME '$soname'"

    has libnotiva-dev 'usr/lib/\(.*/\)\?libnotiva\.so' 'usr/include/notiva/msgbox\.h' \
        'usr/lib/\(.*/\)\?cmake/Notiva/NotivaConfig\.cmake' usr/share/doc/libnotiva-dev/README.md
    has_not libnotiva-dev '.*libnotiva\.so\..*'
    field libnotiva-dev Depends | grep -qF "libnotiva1 (= $version)" ||
        fail "libnotiva-dev does not depend on this libnotiva1: $(field libnotiva-dev Depends)"

    has notiva-demo usr/bin/notiva-demo usr/share/man/man1/notiva-demo.1.gz
    field notiva-demo Depends | grep -qF "libnotiva1 (= $version)" ||
        fail "notiva-demo does not depend on this libnotiva1: $(field notiva-demo Depends)"
fi

# Together the packages hold every file a plain install puts down (the licence excepted: the
# copyright files carry it), each file in one package only.
cmake --install "$build" --prefix "$work/plain/usr" >"$work/install.log"
(cd "$work/plain" && find . ! -type d | sed 's|^\./||' | grep -vx 'usr/share/doc/pantrex/LICENSE' | sort) >"$work/plain.files"
for package in "${packages[@]}"; do
    grep -v -e "^usr/share/doc/$package/copyright$" -e "^usr/share/doc/$package/changelog.Debian.gz$" \
        -e '^usr/share/lintian/overrides/' "$work/$package.files"
done | sort >"$work/packaged.files"
duplicates="$(uniq -d "$work/packaged.files")"
[ -z "$duplicates" ] || fail "in more than one package: $duplicates"
missing="$(comm -23 "$work/plain.files" <(uniq "$work/packaged.files"))"
[ -z "$missing" ] || fail "installed but in no package: $missing"
extra="$(comm -13 "$work/plain.files" <(uniq "$work/packaged.files"))"
[ -z "$extra" ] || fail "packaged but not installed: $extra"
checked="$(milliseconds)"

# lintian on all of them at once, pedantic tags shown: any tag at all fails the test. Its words
# about running as root go to stderr and are left out.
debs=()
for package in "${packages[@]}"; do
    debs+=("${deb[$package]}")
done
status=0
lintian --pedantic "${debs[@]}" >"$work/lintian.out" 2>"$work/lintian.err" || status=$?
linted="$(milliseconds)"
if [ "$status" != 0 ] || [ -s "$work/lintian.out" ]; then
    fail "lintian --pedantic (exit status $status):"
    cat "$work/lintian.out" "$work/lintian.err" >&2
fi

for package in "${packages[@]}"; do
    echo "$(basename "${deb[$package]}"): $(wc -l <"$work/$package.files") files, $(du -k "${deb[$package]}" | cut -f1) KiB"
done
echo "cpack $(elapsed "$started" "$packed"), contents $(elapsed "$packed" "$checked"), lintian $(elapsed "$checked" "$linted")"
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "lintian --pedantic: nothing to report on ${packages[*]}"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in a build folder (default build/) and checks what it would install: every
# executable answers --version with the package's version (hx7conf without a display), hx7ctl reads a sample
# configuration file, the examples (the sample and the demo layout) are there, the desktop entry, the AppStream
# metadata, the icon and the manual pages are valid, and lintian finds nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "package: FAILED: $*" >&2
    exit 1
}

cd "$build"
rm -f hx7conf_*.deb
cpack -G DEB > "$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; fail "cpack"; }
debs=(hx7conf_*.deb)
{ [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ]; } || fail "expected one hx7conf_*.deb in $build, found: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$deb" = "hx7conf_${version}_$(dpkg --print-architecture).deb" ] || fail "$deb: name does not match version $version"
# dpkg-shlibdeps worked the libraries out; without it the package would install and then not start.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6serialport6 libc6; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin"
share="$root/usr/share"
for program in hx7conf hx7ctl hx7sim; do
    [ -x "$bin/$program" ] || fail "usr/bin/$program missing"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" --version 2>&1) ||
        fail "$program --version: $answer"
    [ "$answer" = "$program $version" ] || fail "$program --version printed '$answer', expected '$program $version'"
done

shown=$(XDG_CONFIG_HOME="$scratch" "$bin/hx7ctl" show "$here/sample-config.txt" 2>&1) ||
    fail "hx7ctl show: $shown"
grep -qx "adresa DCC: 5" <<< "$shown" || fail "hx7ctl show did not print the sample's address: $shown"
# The examples: the sample and the demo layout, whose modules are plain configuration files.
examples="$root/usr/share/doc/hx7conf/examples"
[ -f "$examples/sample-config.txt" ] && [ -f "$examples/demo-layout/layout.txt" ] || fail "the examples are missing"
shown=$(XDG_CONFIG_HOME="$scratch" "$bin/hx7ctl" show "$examples/demo-layout/modules/vjezd-od-horek.txt" 2>&1) ||
    fail "hx7ctl show of the demo layout's module: $shown"
grep -qx "adresa DCC: 6" <<< "$shown" || fail "the demo layout's simulated module is not address 6: $shown"

desktop="$share/applications/hx7conf.desktop"
metainfo="$share/metainfo/org.hx7conf.hx7conf.metainfo.xml"
icon="$share/icons/hicolor/scalable/apps/hx7conf.svg"
doc="$share/doc/hx7conf"
# The manual pages: Czech where man looks first, English and German under their languages.
pages=(man1/hx7ctl man1/hx7sim man1/hx7conf en/man1/hx7conf en/man1/hx7ctl de/man1/hx7conf de/man1/hx7ctl)
manfiles=()
for page in "${pages[@]}"; do
    manfiles+=("$share/man/$page.1.gz")
done
for f in "$desktop" "$metainfo" "$icon" "${manfiles[@]}" "$doc/copyright" "$doc/changelog.gz"; do
    [ -f "$f" ] || fail "${f#"$root"/} missing"
done
{ report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ]; } || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
# The releases come from the same CHANGELOG.md as the package's changelog, newest first.
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
zcat "$doc/changelog.gz" | head -n1 | grep -q "^hx7conf ($version) " || fail "changelog.gz does not start with $version"
# The entry starts what the package installs and shows the icon it installs.
grep -qx "Exec=hx7conf %f" "$desktop" || fail "the desktop entry does not start hx7conf"
grep -qx "Icon=$(basename "$icon" .svg)" "$desktop" || fail "the desktop entry names another icon"
rsvg-convert -w 48 -h 48 "$icon" -o "$scratch/icon.png" || fail "the icon does not render"
for page in "${pages[@]}"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/$page.1.gz" 2>&1 >/dev/null) ||
        fail "man $page: $warnings"
    [ -z "$warnings" ] || fail "man $page: $warnings"
done
# man finds each language's page where the package puts it: Czech first, English and German by -L (or the locale).
for program in hx7conf hx7ctl; do
    for language in cs en de; do
        expected="$share/man/$language/man1/$program.1.gz"
        [ "$language" = cs ] && expected="$share/man/man1/$program.1.gz"
        found=$(MANPATH="$share/man" man -L "$language" -w "$program" 2>&1) || fail "man -L $language $program: $found"
        [ "$found" = "$expected" ] || fail "man -L $language $program shows ${found#"$root"/}"
    done
done

# Debian's own checker: no error and no warning (an override would need its reason beside it in the package).
tags=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -z "$tags" ] || fail "lintian:
$tags"

files=$(dpkg-deb -c "$deb" | grep -vc '/$')
echo "package: OK ($deb, $files files)"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian changelog and the AppStream releases from CHANGELOG.md, so the two never tell different stories.
# Usage: changelog.sh CHANGELOG.md VERSION MAINTAINER CHANGELOG_OUT METAINFO_IN METAINFO_OUT
# Fails when the newest release in CHANGELOG.md is not VERSION, the version the programs print.
set -euo pipefail
source=$1 version=$2 maintainer=$3 changelog=$4 metainfo_in=$5 metainfo_out=$6

releases=$(grep -E '^## [0-9][0-9.]* \([0-9]{4}-[0-9]{2}-[0-9]{2}\)$' "$source" | sed -E 's/^## ([0-9.]+) \((.*)\)$/\1 \2/')
newest=$(head -n1 <<< "$releases" | cut -d' ' -f1)
if [ "$newest" != "$version" ]; then
    echo "changelog.sh: the newest release in $source is '$newest', the program's version is $version" >&2
    exit 1
fi

# The items of one release, joined into one line each (an item goes on over indented lines).
items() {
    awk -v want="$1" '
        /^## / { inside = ($2 == want); next }
        !inside { next }
        /^- / { if (item != "") print item; item = substr($0, 3); next }
        /^  +[^ ]/ && item != "" { sub(/^ +/, ""); item = item " " $0; next }
        /^$/ { next }
    END { if (item != "") print item }' "$source"
}

: > "$changelog"
xml=""
older=0
while read -r v d; do
    {
        echo "hx7conf ($v) unstable; urgency=medium"
        echo
        items "$v" | while IFS= read -r item; do
            fold -s -w 74 <<< "$item" | sed 's/ *$//' | awk 'NR == 1 { print "  * " $0; next } { print "    " $0 }'
        done
        echo
        # Noon of the release day; releases of one day a minute apart, the newest last, as Debian wants them.
        stamp=$(($(date -u -d "$d 12:00" +%s) - 60 * older))
        echo " -- $maintainer  $(LC_ALL=C date -u -d "@$stamp" '+%a, %d %b %Y %H:%M:%S +0000')"
        echo
    } >> "$changelog"
    older=$((older + 1))
    list=$(items "$v" | sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/`//g' \
        -e 's|^|          <li>|' -e 's|$|</li>|')
    xml+="    <release version=\"$v\" date=\"$d\">
      <description>
        <ul>
$list
        </ul>
      </description>
    </release>
"
done <<< "$releases"

# The releases in place of the marker line of the template.
awk -v releases="  <releases>
${xml}  </releases>" '/<!-- @RELEASES@ -->/ { print releases; next } { print }' "$metainfo_in" > "$metainfo_out"

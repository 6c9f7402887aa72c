#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the user guide's screenshots in each language from the real program against the module simulator, under
# Xvfb, into docs/guide/<language>/img/. Run it after a change the pictures show, and commit the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target hx7shots hx7sim
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
for language in cs en de; do
    build/tools/hx7sim/hx7sim --type S --version 0x14 --memory tools/screenshots/layout.txt --address-code 6 \
        --link "$work/module" \
        > "$work/sim.out" &
    sim=$!
    for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
    mkdir -p "docs/guide/$language/img"
    xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/screenshots/hx7shots "$language" "$work/module" \
        "docs/guide/$language/img" packaging/demo-layout
    kill $sim; wait $sim 2>/dev/null || true
    # The sheet's first page at a readable size; the PDF itself stays out of the guide.
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "docs/guide/$language/img/sheet.pdf" "docs/guide/$language/img/sheet"
    rm "docs/guide/$language/img/sheet.pdf"
done

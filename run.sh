#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and starts hx7conf. Without --module it talks to the module simulator on a pseudo-terminal,
# with a private settings folder whose [Ports] section points COM1 at it and a private data folder for the
# backups; your own settings and backups stay untouched. It opens the demo layout (packaging/demo-layout), from a
# copy made in your data folder on the first run (~/.local/share/hx7conf/demo-layout; delete it for a fresh one),
# so the files in the source tree are never edited. The simulator is its module "Vjezd od Horek": address code 6,
# with the memory of that entry's configuration file.
# With --module it runs with your own settings (~/.config/hx7conf.ini) against a real module.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target hx7conf hx7sim

app=build/src/app/hx7conf
launch=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting under xvfb-run (nothing will be visible)."
    launch=(xvfb-run -a)
fi

if [ "${1:-}" = "--module" ]; then
    exec "${launch[@]}" "$app"
fi

layout="${XDG_DATA_HOME:-$HOME/.local/share}/hx7conf/demo-layout"
if [ ! -e "$layout/layout.txt" ]; then
    mkdir -p "$(dirname "$layout")"
    cp -R packaging/demo-layout "$layout"
    echo "Demo layout copied to $layout"
fi
module="$layout/modules/vjezd-od-horek.txt"
[ -f "$module" ] || module=packaging/demo-layout/modules/vjezd-od-horek.txt

demo=$(mktemp -d "${TMPDIR:-/tmp}/hx7conf-demo.XXXXXX")
build/tools/hx7sim/hx7sim --type S --version 0x14 --address-code 6 --memory "$module" --baud 19200 --write-ms 4 \
    --link "$demo/module" > "$demo/sim.out" &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true; rm -rf "$demo"' EXIT
for _ in $(seq 50); do [ -s "$demo/sim.out" ] && break; sleep 0.1; done
printf '[Options]\r\nCOMserial=1\r\n[Ports]\r\nCOM1=%s\r\n' "$demo/module" > "$demo/hx7conf.ini"
echo "Module simulator on $(head -n1 "$demo/sim.out") (COM1): Vjezd od Horek, address code 6"
XDG_CONFIG_HOME="$demo" XDG_DATA_HOME="$demo" "${launch[@]}" "$app" "$layout"

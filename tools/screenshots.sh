#!/usr/bin/env bash
# Starts the program on a private X server with a window manager, drives it as a user would
# and saves screenshots into docs/: the input state, the result state, the message box and the
# instructions panel. Needs Xvfb, openbox, xdotool and ImageMagick (scripts/setup.sh installs
# them) and a Release build (scripts/start.sh or `cmake --workflow --preset release`).
#   tools/screenshots.sh [program] [scale]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/app/merrowdale-results}
scale=${2:-1}
out=docs
suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
mkdir -p "$out"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" &
app=$!
window=$(xdotool search --sync --name 'Merrowdale.*查询软件' | head -n 1)
sleep 1

# Clicks a point of the query window's client area, given in design pixels.
click() { xdotool mousemove --window "$window" "$(awk "BEGIN{print int($1 * $scale)}")" "$(awk "BEGIN{print int($2 * $scale)}")" click 1; sleep 0.4; }
shoot() { import -window root "$out/$1$suffix.png"; }
crop_to_windows() { convert "$out/$1$suffix.png" -trim +repage "$out/$1$suffix.png"; }

record=$(sed -n 2p data/results.tsv)
sfzh=$(cut -f1 <<<"$record")
zkzh=$(cut -f2 <<<"$record")

xdotool type --delay 30 "$sfzh"
click 300 144
xdotool type --delay 30 "$zkzh"
shoot input-state

click 292 212
shoot result-state

click 188 284
click 300 104
xdotool type --delay 30 "110101199001011234"
click 292 212
sleep 0.5
shoot message-box
xdotool key Return
sleep 0.4

click 596 156
sleep 0.3
shoot instructions-panel

for name in input-state result-state message-box instructions-panel; do crop_to_windows "$name"; done
echo "screenshots written to $out/"

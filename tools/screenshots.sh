#!/usr/bin/env bash
# Starts the program on a private desktop (tests/x11/with-desktop.sh), drives it as a user
# would and saves screenshots into docs/: the input state, the result state, the message box
# and the instructions panel. Needs a Release build and what scripts/setup.sh installs.
#   tools/screenshots.sh [program] [scale]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${SCREENSHOT_DESKTOP:-}" ]; then
    # A screen as many times larger as the windows are, so the panel fits beside the window.
    factor=${2:-1}
    size=$(awk "BEGIN{print int(1280 * $factor) \"x\" int(800 * $factor)}")
    SCREENSHOT_DESKTOP=1 DESKTOP_SIZE=$size exec tests/x11/with-desktop.sh "$0" "$@"
fi
program=${1:-build/release/app/merrowdale-results}
scale=${2:-1}
out=docs
suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
mkdir -p "$out"

QT_SCALE_FACTOR=$scale "$program" &
app=$!
# shellcheck source=tests/x11/querywindow.sh
source tests/x11/querywindow.sh
# shellcheck source=tools/keeppicture.sh
source tools/keeppicture.sh
window=$(query_window "$app")
sleep 1

# Clicks a point of the query window's client area, given in design pixels.
click() {
    xdotool mousemove --window "$window" "$(awk "BEGIN{print int($1 * $scale)}")" \
        "$(awk "BEGIN{print int($2 * $scale)}")" click 1
    sleep 0.4
}
scratch=$(mktemp -d)
trap 'kill $app 2>/dev/null || true; rm -rf "$scratch"' EXIT
shoot() { import -window root "$scratch/$1$suffix.png"; }

record=$(sed -n 2p data/results.tsv)
xdotool type --delay 30 "$(cut -f1 <<<"$record")"
click 300 144
xdotool type --delay 30 "$(cut -f2 <<<"$record")"
shoot input-state

click 292 212 # 确    定
shoot result-state

click 188 284 # 继续查询
click 300 104
xdotool type --delay 30 "110101199001011234"
click 292 212
sleep 0.5
shoot message-box
xdotool key Return
sleep 0.4

click 596 156 # 软件使用说明
sleep 0.3
shoot instructions-panel

# Only the windows: the empty desktop around them is trimmed away.
for name in input-state result-state message-box instructions-panel; do
    shot=$scratch/$name$suffix.png
    convert "$shot" -trim +repage "$shot"
    keep_picture "$shot" "$out/$name$suffix.png"
done

#!/usr/bin/env bash
# Screenshots of the Windows edition under Wine, into docs/windows-*.png: the input state, the
# result state, the message box and the instructions panel. Runs the .exe of the windows
# preset in its 96-dpi Wine prefix (made by the tests, or here) on a private display, and
# drives it with xdotool as a user would.
#   tools/win32-screenshots.sh [PROGRAM.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/windows/app/merrowdale-results.exe}")
root=$PWD/build/windows/wine
[ -d "$root/dpi96" ] || tests/win32/wine-prefix.sh "$root"

work=$(mktemp -d)
xvfb=
# shellcheck source=tests/win32/wine-env.sh
. tests/win32/wine-env.sh
# shellcheck source=tools/keeppicture.sh
. tools/keeppicture.sh
trap 'end_wine_session; rm -rf "$work"' EXIT
start_xvfb

env "${locale[@]}" "$wine" "$program" >"$work/output" 2>&1 </dev/null &
# The query window at 96 dpi: 612 x 360 outer, centred on Wine's 1280 x 1024 desktop; its
# client area starts inside a 3-pixel border and a 19-pixel caption.
left=334
top=332
client_x=$((left + 3))
client_y=$((top + 3 + 19))
for _ in $(seq 100); do
    xdotool search --name '查询软件' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 2

# Clicks a point of the query window's client area, in pixels.
click() {
    xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1
    sleep 0.5
}
# The window and the panel beside it, with a margin.
shoot() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop $((612 + 306 + 40))x$((360 + 40))+$((left - 20))+$((top - 20)) \
        +repage "$work/$1.png"
    keep_picture "$work/$1.png" "docs/windows-$1.png"
}

record=$(sed -n 2p data/results.tsv)
click 352 104
xdotool type --delay 30 "$(cut -f1 <<<"$record")"
click 352 144
xdotool type --delay 30 "$(cut -f2 <<<"$record")"
shoot input-state

click 292 212 # 确    定
shoot result-state

click 188 284 # 继续查询
click 352 104
xdotool type --delay 30 110101199001011234
click 352 144
xdotool type --delay 30 12345678901
click 292 212
sleep 1
shoot message-box
xdotool key Return
sleep 0.5

click 596 156 # 软件使用说明
sleep 0.5
shoot instructions-panel

#!/usr/bin/env bash
# The real program on a desktop: with the instructions panel shown, closing the query window
# by its close box ends the process and leaves no window behind; "退    出" does the same.
#   tests/x11/end-closes-everything.sh <program>   (run under with-desktop.sh)
set -euo pipefail
program=$1

# How many of the program's windows are on the screen.
shown_windows() {
    local count=0
    for id in $(xdotool search --pid "$1" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && count=$((count + 1))
    done
    echo "$count"
}

for way in close-box exit-button; do
    "$program" &
    pid=$!
    window=$(xdotool search --sync --pid "$pid" --name '查询软件' | head -n 1)
    sleep 0.3
    xdotool mousemove --window "$window" 596 156 click 1 # 软件使用说明
    sleep 0.3
    [ "$(shown_windows "$pid")" = 2 ] || { echo "$way: the panel did not show"; exit 1; }
    if [ "$way" = close-box ]; then
        # Alt+F4 asks the window manager to close the window, as its close box does.
        xdotool windowactivate --sync "$window" key alt+F4
    else
        # A lookup that finds its candidate shows "退    出".
        record=$(sed -n 2p "$(dirname "$0")/../../data/results.tsv")
        xdotool mousemove --window "$window" 300 104 click 1 type "$(cut -f1 <<<"$record")"
        xdotool mousemove --window "$window" 300 144 click 1 type "$(cut -f2 <<<"$record")"
        xdotool mousemove --window "$window" 292 212 click 1
        sleep 0.3
        xdotool mousemove --window "$window" 412 284 click 1
    fi
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "$way: the program is still running"; kill "$pid"; exit 1
    fi
    wait "$pid" || { echo "$way: the program ended with status $?"; exit 1; }
    [ -z "$(xdotool search --name '软件使用说明|查询软件' 2>/dev/null)" ] \
        || { echo "$way: a window was left behind"; exit 1; }
    echo "$way: the program ended and left no window"
done

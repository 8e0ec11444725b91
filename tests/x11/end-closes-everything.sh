#!/usr/bin/env bash
# The real program on a desktop: with the instructions panel shown, closing the query window
# by its close box ends the process and leaves no window behind; "退    出" does the same.
#   tests/x11/end-closes-everything.sh <program>   (run under with-desktop.sh)
set -euo pipefail
program=$1
record=$(sed -n 2p "$(dirname "$0")/../../data/results.tsv")
# shellcheck source=tests/x11/querywindow.sh
source "$(dirname "$0")/querywindow.sh"

# Runs a check every 0.1 s until it holds, for at most 10 s.
wait_until() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
# How many of the program's windows are on the screen.
shown_windows() {
    local count=0
    for id in $(xdotool search --pid "$1" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && count=$((count + 1))
    done
    echo "$count"
}
panel_shown() { [ "$(shown_windows "$pid")" = 2 ]; }
# The window manager has framed the window and the program has centred it for good.
settled() {
    local before after
    before=$(xdotool getwindowgeometry "$window")
    sleep 0.2
    after=$(xdotool getwindowgeometry "$window")
    [ "$before" = "$after" ] && xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '='
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
click_exit() { ended || click 412 284; sleep 0.1; ended; }
close_box() {
    ended || xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null || true
    sleep 0.3
    ended
}

for way in close-box exit-button; do
    "$program" &
    pid=$!
    window=$(query_window "$pid") || { echo "$way: the query window did not appear"; exit 1; }
    wait_until settled
    click 596 156 # 软件使用说明
    wait_until panel_shown || { echo "$way: the panel did not show"; exit 1; }
    if [ "$way" = close-box ]; then
        # Alt+F4 asks the window manager to close the active window, as its close box does.
        # It is asked again until the program has ended: on a loaded machine the window
        # manager may take the first keystroke before it has made the window active.
        wait_until close_box || true
    else
        # A lookup that finds its candidate shows "退    出".
        click 300 104
        xdotool type "$(cut -f1 <<<"$record")"
        click 300 144
        xdotool type "$(cut -f2 <<<"$record")"
        click 292 212 # 确    定
        # "退    出" stands where the input state has nothing to click, so clicking until the
        # program has ended waits for the result state without a fixed delay.
        wait_until click_exit || true
    fi
    wait_until ended || { echo "$way: the program is still running"; kill "$pid"; exit 1; }
    wait "$pid" || { echo "$way: the program ended with status $?"; exit 1; }
    [ -z "$(xdotool search --name '软件使用说明|查询软件' 2>/dev/null)" ] \
        || { echo "$way: a window was left behind"; exit 1; }
    echo "$way: the program ended and left no window"
done

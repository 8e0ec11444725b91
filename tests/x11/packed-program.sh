#!/usr/bin/env bash
# The packed program on a desktop, judged by what the X server shows. Its list swaps the ticket
# numbers of records 1 and 2 (tests/tools/packedprogram.py): record 1's ID-card number with
# record 2's ticket number finds a candidate, the name shown in the result state; with its own
# ticket number, which only the compiled-in list pairs with it, the message box. "继续查询" leads
# from the one to the other, "退    出" ends. A damaged copy shows one box over no query window
# and ends with a failure status.
#   tests/x11/packed-program.sh <folder of packedprogram.py>   (run under with-desktop.sh)
set -euo pipefail
place="$1/成绩 查询 2020"
list=$(dirname "$0")/../../data/results.tsv
sfzh=$(sed -n 2p "$list" | cut -f1)
own_ticket=$(sed -n 2p "$list" | cut -f2)
swapped_ticket=$(sed -n 3p "$list" | cut -f2)
# shellcheck source=tests/x11/querywindow.sh
source "$(dirname "$0")/querywindow.sh"

wait_until() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
fail() { echo "$1"; kill "$pid" 2>/dev/null || true; exit 1; }
# The program's message box: a window of its own captioned with the program's title.
box() { xdotool search --all --onlyvisible --pid "$pid" --name '^工程1$' 2>/dev/null | head -n 1; }
box_shown() { [ -n "$(box)" ]; }
# Return on the box, asked again until it has gone: the window manager may take the first key
# before it has made the box active.
answer_box() {
    box_shown && { xdotool windowactivate --sync "$(box)" key Return 2>/dev/null || true; }
    sleep 0.2
    ! box_shown
}
ended() { ! kill -0 "$pid" 2>/dev/null; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# The name box of the result state holds dark text; in the input state it is hidden and its
# place is the window's plain background.
name_shown() {
    [ "$(import -window "$window" -crop 200x25+240+172 -colorspace gray \
        -format '%[fx:minima.intensity < 0.5]' info: 2>/dev/null)" = 1 ]
}
name_hidden() { ! name_shown; }
look_up() {
    click 300 104 && xdotool type "$1"
    click 300 144 && xdotool type "$2"
    click 292 212 # 确    定
}

"$place/成绩 查询" &
pid=$!
window=$(query_window "$pid") || fail "the packed program's query window did not appear"
name_shown && fail "the name box shows before any lookup"
look_up "$sfzh" "$swapped_ticket"
wait_until name_shown || fail "the packed list's pair found no candidate"
box_shown && fail "a hit showed the message box"
click 188 284 # 继续查询
wait_until name_hidden || fail "继续查询 did not leave the result state"
look_up "$sfzh" "$own_ticket"
wait_until box_shown || fail "the compiled-in list's pair was found in the packed program"
wait_until answer_box || fail "the message box stayed"
look_up "$sfzh" "$swapped_ticket"
wait_until name_shown || fail "the second lookup found no candidate"
click 412 284 # 退    出
wait_until ended || fail "退    出 did not end the program"
wait "$pid" || fail "the packed program ended with status $?"
echo "packed: hit, 继续查询, miss, hit, 退    出"

for kind in byte short version missing; do
    "$place/损坏-$kind" &
    pid=$!
    wait_until box_shown || fail "$kind: no message box"
    [ -z "$(xdotool search --all --onlyvisible --pid "$pid" --name '查询软件' 2>/dev/null)" ] \
        || fail "$kind: a window of the program showed besides the box"
    wait_until answer_box || fail "$kind: the message box stayed"
    wait_until ended || fail "$kind: the program did not end"
    status=0
    wait "$pid" || status=$?
    [ "$status" != 0 ] || fail "$kind: the damaged program ended with status 0"
    echo "$kind: one message box, status $status"
done

# Sourced by the scripts that drive the program on a desktop.
# query_window <pid>: prints the X window id of the program's query window once it exists, for
# at most 10 s. Titles are compared whole: xdotool's --name matches bytes, not characters, so a
# pattern such as '查询软件' also finds the instructions panel.
query_window() {
    local caption='2020年Merrowdale公开招聘员额制工作人员笔试成绩查询软件' id
    for _ in $(seq 100); do
        for id in $(xdotool search --pid "$1" 2>/dev/null); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$caption" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

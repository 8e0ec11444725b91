#!/usr/bin/env bash
# Start-up time of a Windows program under Wine: from the start of its process to its first
# painted frame, over a number of runs, as the median (and the fastest and slowest run).
#   bench/win32-startup.sh [--runs N] [PROGRAM.exe]
# PROGRAM defaults to the bare Win32 window, build/windows/bench/win32/startup_bare.exe, built
# here first in the windows preset; N to 21. It runs in the windows build's 96-dpi Wine
# prefix (tests/win32/wine-prefix.sh, made here if the tests have not made it yet; another
# folder of prefixes in $RESULTS_WINE_ROOT) on a private display. Wine's server and desktop
# stay up between runs, as Windows' would, so each run measures the program and not Wine's own
# start; one warm-up run goes first.
#
# The protocol a program follows to be measured:
#   - the environment variable RESULTS_FIRST_FRAME names a file (a Windows path);
#   - once its main window is painted in full for the first time, the program writes to that
#     file the wall-clock time as whole microseconds since 1970-01-01 UTC, then a newline
#     (GetSystemTimePreciseAsFileTime, less 11644473600 s, in microseconds);
#   - then it closes its window and exits by its normal way out.
# The start is taken by this script just before it starts Wine's loader for the program.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=21
if [ "${1:-}" = --runs ]; then
    runs=$2
    shift 2
fi
scripts/setup.sh --windows
if [ $# -eq 0 ]; then
    [ -f build/windows/build.ninja ] || cmake --preset windows
    cmake --build --preset windows --target startup_bare
fi
program=$(realpath "${1:-build/windows/bench/win32/startup_bare.exe}")
root=${RESULTS_WINE_ROOT:-$PWD/build/windows/wine}
[ -d "$root/dpi96" ] || tests/win32/wine-prefix.sh "$root"

work=$(mktemp -d)
xvfb=
# shellcheck source=tests/win32/wine-env.sh
. tests/win32/wine-env.sh
trap 'end_wine_session; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT
start_xvfb
wineserver -p

stamp_file=$work/stamp
stamp_windows_path="Z:${stamp_file//\//\\}"

# Prints the microseconds from start to first frame of one run.
measure() {
    rm -f "$stamp_file"
    local start=${EPOCHREALTIME/./}
    local status=0
    env "${locale[@]}" RESULTS_FIRST_FRAME="$stamp_windows_path" timeout 60 "$wine" "$program" \
        >>"$work/output" 2>&1 </dev/null || status=$?
    if [ "$status" != 0 ] || ! [ -s "$stamp_file" ]; then
        echo "$program exited with status $status, first-frame time: \"$(cat "$stamp_file" 2>/dev/null)\"; its output:" >&2
        cat "$work/output" >&2
        return 1
    fi
    echo $(($(tr -d '\r\n' <"$stamp_file") - start))
}

measure >/dev/null
for _ in $(seq "$runs"); do
    measure
done | sort -n >"$work/times"
awk -v program="$program" '
    { t[NR] = $1 }
    END {
        printf "%s: start-up to first frame under Wine, median %.1f ms over %d runs (fastest %.1f, slowest %.1f)\n",
               program, t[int((NR + 1) / 2)] / 1000, NR, t[1] / 1000, t[NR] / 1000
    }' "$work/times"

#!/usr/bin/env bash
# Runs a Windows program under Wine on a private headless X display (Xvfb), in a prefix made by
# tests/win32/wine-prefix.sh, and ends with that prefix's own `wineserver -k`, which ends every
# Wine process of the prefix and no other. The build uses it as CMAKE_CROSSCOMPILING_EMULATOR.
#   wine-run.sh --root ROOT PROGRAM [ARGUMENTS...]
# The prefix is ROOT/dpi$RESULTS_WINE_DPI (96 unless set), or $WINEPREFIX when that is set.
# Wine's own services outlive the program and keep its stdout and stderr open, which hangs a
# caller that reads them (ctest does): the program writes to files, printed once all has ended.
# Exits with the program's exit status.
set -euo pipefail

if [ $# -lt 3 ] || [ "$1" != --root ]; then
    echo "usage: $0 --root ROOT PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi
root=$(cd "$2" && pwd)
shift 2

work=$(mktemp -d)
xvfb=
# shellcheck source=tests/win32/wine-env.sh
. "$(dirname "$0")/wine-env.sh"
# shellcheck disable=SC2317  # run by the EXIT trap
finish() {
    end_wine_session
    cat "$work/stdout" 2>/dev/null || true
    cat "$work/stderr" >&2 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 143' TERM INT

start_xvfb
status=0
env "${locale[@]}" "$wine" "$@" >"$work/stdout" 2>"$work/stderr" </dev/null || status=$?
exit "$status"

#!/usr/bin/env bash
# Runs a command on a private X server with a real window manager (openbox), so that windows
# get frames, caption bars and window-manager placement as on a user's desktop.
#   tests/x11/with-desktop.sh <command> [arguments...]
set -euo pipefail
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$displayfile")
export QT_QPA_PLATFORM=xcb
openbox >/dev/null 2>&1 &
wm=$!
# The window manager owns the screen once it has set its supporting-window property.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.05; done
"$@"

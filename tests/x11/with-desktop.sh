#!/usr/bin/env bash
# Runs a command on a private X server with a real window manager (openbox), so that windows
# get frames, caption bars and window-manager placement as on a user's desktop.
#   [DESKTOP_SIZE=WxH] tests/x11/with-desktop.sh <command> [arguments...]   (1280x800 unless given)
set -euo pipefail
scratch=$(mktemp -d)
displayfile=$scratch/display
Xvfb -displayfd 3 -screen 0 "${DESKTOP_SIZE:-1280x800}x24" -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$displayfile")
export QT_QPA_PLATFORM=xcb
# Openbox draws minimize and maximize buttons whatever a window's hints say; a caption of icon,
# title and close box shows a fixed dialog-like window the way other window managers draw it.
sed 's|<titleLayout>.*</titleLayout>|<titleLayout>NLC</titleLayout>|' /etc/xdg/openbox/rc.xml \
    >"$scratch/rc.xml"
openbox --config-file "$scratch/rc.xml" >/dev/null 2>&1 &
wm=$!
# The window manager owns the screen once it has set its supporting-window property.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.05; done
"$@"

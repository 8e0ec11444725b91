#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the window on: run it under a virtual one, e.g. xvfb-run -a build/release/app/merrowdale-results" >&2
    exit 1
fi
exec build/release/app/merrowdale-results

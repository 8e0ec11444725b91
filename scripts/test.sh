#!/usr/bin/env bash
# Installs what is missing (for both editions), then configures, builds and runs the whole test
# suite headless: the Linux edition, then the Windows edition cross-built and tested under Wine.
#   scripts/test.sh                  both editions, plain and sealed: release, windows,
#                                    release-sealed and windows-sealed
#   scripts/test.sh <preset>         one workflow: release, debug-sanitize, windows,
#                                    release-sealed or windows-sealed
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
if [ $# -eq 0 ]; then
    cmake --workflow --preset release
    cmake --workflow --preset windows
    cmake --workflow --preset release-sealed
    cmake --workflow --preset windows-sealed
else
    cmake --workflow --preset "$1"
fi

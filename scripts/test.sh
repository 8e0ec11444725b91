#!/usr/bin/env bash
# Installs what is missing (for both editions), then configures, builds and runs the whole test
# suite headless: the Linux edition, then the Windows edition cross-built and tested under Wine.
#   scripts/test.sh                  both editions, release and windows
#   scripts/test.sh <preset>         one workflow: release, debug-sanitize or windows
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
if [ $# -eq 0 ]; then
    cmake --workflow --preset release
    cmake --workflow --preset windows
else
    cmake --workflow --preset "$1"
fi

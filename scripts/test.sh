#!/usr/bin/env bash
# Installs what is missing (for both editions), then configures, builds and runs the whole test
# suite headless.
#   scripts/test.sh                  Release
#   scripts/test.sh debug-sanitize   Debug with AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/test.sh windows          the Windows edition, cross-built, tested under Wine
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
cmake --workflow --preset "${1:-release}"

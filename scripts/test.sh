#!/usr/bin/env bash
# Installs what is missing, then configures, builds and runs the whole test suite headless.
#   scripts/test.sh                  Release
#   scripts/test.sh debug-sanitize   Debug with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --workflow --preset "${1:-release}"

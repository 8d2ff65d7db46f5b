#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh Debug
export QT_QPA_PLATFORM=offscreen
cd build/debug
ctest --output-on-failure --timeout 300 -j "$(nproc)"

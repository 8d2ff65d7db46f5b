#!/usr/bin/env bash
# Configures and builds into build/<type> (Release by default).
set -euo pipefail
cd "$(dirname "$0")/.."
TYPE="${1:-Release}"
DIR="build/${TYPE,,}"
cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE="$TYPE" >/dev/null
cmake --build "$DIR" -j "$(nproc)"

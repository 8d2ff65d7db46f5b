#!/usr/bin/env bash
# Configures and builds into build/<type> (Release by default).
set -euo pipefail
cd "$(dirname "$0")/.."
TYPE="${1:-Release}"
DIR="build/${TYPE,,}"
# ccache, where installed, lets several work trees share their compiles.
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE="$TYPE" "${LAUNCHER[@]}" >/dev/null
cmake --build "$DIR" -j "$(nproc)"

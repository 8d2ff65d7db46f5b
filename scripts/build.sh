#!/usr/bin/env bash
# Configures and builds into build/<type> (Release by default).
#   scripts/build.sh [Release|Debug|RelWithDebInfo] [cmake --build options...]
#   scripts/build.sh Sanitize [...]   clang with AddressSanitizer and
#       UndefinedBehaviorSanitizer, into build/sanitize. This one build serves
#       both the sanitized suite and the fuzzers (fuzz/run.sh), so it is
#       optimised (the fuzzers' speed) and carries libFuzzer's coverage.
set -euo pipefail
cd "$(dirname "$0")/.."
TYPE="${1:-Release}"
shift || true
DIR="build/${TYPE,,}"
# ccache, where installed, lets several work trees share their compiles.
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ "$TYPE" = Sanitize ]; then
  cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLNAV_SANITIZE=ON -DQUILLNAV_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 "${LAUNCHER[@]}" >/dev/null
else
  cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE="$TYPE" "${LAUNCHER[@]}" >/dev/null
fi
cmake --build "$DIR" -j "$(nproc)" "$@"

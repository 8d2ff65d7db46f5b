#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
#   ./test.sh             GCC, Debug, into build/debug
#   ./test.sh --sanitize  clang with AddressSanitizer and UndefinedBehaviorSanitizer
#                         (halting on the first finding), into build/sanitize
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  DIR=build/sanitize
  LAUNCHER=()
  if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
    LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=Debug -DQUILLNAV_SANITIZE=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 "${LAUNCHER[@]}" >/dev/null
  cmake --build "$DIR" -j "$(nproc)"
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  scripts/build.sh Debug
  DIR=build/debug
fi
export QT_QPA_PLATFORM=offscreen
cd "$DIR"
ctest --output-on-failure --timeout 300 -j "$(nproc)"

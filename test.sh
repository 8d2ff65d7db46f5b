#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
#   ./test.sh             GCC, Debug, into build/debug
#   ./test.sh --sanitize  clang with AddressSanitizer and UndefinedBehaviorSanitizer
#                         (halting on the first finding), into build/sanitize,
#                         the build the fuzzers use too
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
# Tests labelled "once" check what the sanitizers cannot add to (the package,
# the pages in the browsers, the translations): the sanitized suite skips them.
SKIP=()
if [ "${1:-}" = "--sanitize" ]; then
  scripts/build.sh Sanitize
  DIR=build/sanitize
  SKIP=(-LE once)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  scripts/build.sh Debug
  DIR=build/debug
fi
export QT_QPA_PLATFORM=offscreen
cd "$DIR"
ctest --output-on-failure --timeout 300 -j "$(nproc)" "${SKIP[@]}"

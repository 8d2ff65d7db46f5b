#!/usr/bin/env bash
# Builds the fuzzers with clang (ASan + UBSan) into build/sanitize and runs each
# for the given number of seconds (default 60) on a copy of its seed corpus.
# The page import gets inputs of at most 32 KiB and one second each: a page
# that size parses in a few milliseconds when the cost is linear, and in about
# a fifth of a second in the parser's known worst shape (unclosed markup
# after "<!-->", quadratic in its depth, which the program bounds with its
# worker); a unit past one second grows faster still, and is a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-60}"
# The sanitized suite's build (./test.sh --sanitize) has them built already.
DIR=build/sanitize
mkdir -p "$DIR"
scripts/build.sh Sanitize --target fuzz_project fuzz_settings fuzz_colours fuzz_import >"$DIR/fuzz-build.log" 2>&1 \
  || { tail -n 40 "$DIR/fuzz-build.log"; exit 1; }
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for name in project settings colours import; do
  EXTRA=()
  [ "$name" = import ] && EXTRA=(-max_len=32768 -timeout=1)
  mkdir -p "$DIR/corpus/$name"
  cp -n fuzz/corpus/"$name"/* "$DIR/corpus/$name"/
  echo "== fuzz_$name for ${SECONDS_EACH} s"
  if ! "$DIR/fuzz/fuzz_$name" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -rss_limit_mb=4096 "${EXTRA[@]}" \
      -artifact_prefix="$DIR/crash-$name-" "$DIR/corpus/$name" >"$DIR/fuzz_$name.log" 2>&1; then
    tail -n 60 "$DIR/fuzz_$name.log"
    echo "fuzz_$name found a problem (see $DIR/crash-$name-*)"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$DIR/fuzz_$name.log"
done

#!/usr/bin/env bash
# Builds in Release and runs every benchmark, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh Release
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for b in build/release/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done

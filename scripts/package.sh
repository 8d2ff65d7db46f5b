#!/usr/bin/env bash
# Builds the Debian package in build/package (Release, prefix /usr) and
# prints the path of the .deb it made. Only the program and what it installs
# are built (not the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
DIR=build/package
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${LAUNCHER[@]}" >/dev/null
cmake --build "$DIR" -j "$(nproc)" --target quillnav quillnav_docs >&2
rm -f "$DIR"/quillnav_*.deb
(cd "$DIR" && cpack -G DEB >/dev/null)
ls "$(pwd)/$DIR"/quillnav_*_*.deb

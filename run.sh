#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts Quillnav.
# Arguments are passed to the program (for example a project file to open).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh Release
BIN=build/release/quillnav
case "${1:-}" in
  --generate|--write-preview|--help|-h|--version|-v) exec "$BIN" "$@" ;;
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display found: the editor needs one. Without a display use the export: $BIN --generate PROJECT.qnv (see README.md)."
  exit 1
fi
exec "$BIN" "$@"

#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts Quillnav.
# Arguments are passed to the program (a project file to open, an export such
# as --generate or --import, Qt's own options); the program itself tells the
# modes without a window, which need no display, from the window, and says so
# when a window is asked for without a display.
set -euo pipefail
cd "$(dirname "$0")"
# What the build says goes to stderr: standard output is the program's (the code).
{ scripts/deps.sh && scripts/build.sh Release; } >&2
exec build/release/quillnav "$@"

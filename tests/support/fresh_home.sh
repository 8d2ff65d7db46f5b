#!/bin/sh
# Runs one test with configuration, cache and data folders of its own, made
# fresh and removed afterwards: a test never reads or changes the settings of
# the user running it, nor what another test left behind.
home=$(mktemp -d "${TMPDIR:-/tmp}/quillnav-test-XXXXXX") || exit 1
XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" "$@"
status=$?
rm -rf "$home"
exit $status

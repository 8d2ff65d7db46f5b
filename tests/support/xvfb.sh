#!/bin/sh
# Runs a command on an X display of its own without a window manager: Xvfb
# picks a free display number and reports it. Exit code 77 (a skip) when Xvfb
# is not installed.
command -v Xvfb >/dev/null 2>&1 || { echo "SKIP: Xvfb is not installed (scripts/deps.sh installs it)"; exit 77; }
dir=$(mktemp -d "${TMPDIR:-/tmp}/quillnav-xvfb-XXXXXX") || exit 1
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display" 2>"$dir/log" &
server=$!
for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    kill -0 $server 2>/dev/null || break
    sleep 0.1
done
display=$(cat "$dir/display")
if [ -z "$display" ]; then
    echo "Xvfb did not start:"; cat "$dir/log"; kill $server 2>/dev/null; rm -rf "$dir"; exit 1
fi
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
status=$?
kill $server
wait $server 2>/dev/null
rm -rf "$dir"
exit $status

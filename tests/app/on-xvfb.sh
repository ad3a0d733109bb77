#!/bin/sh
# Runs a command on an X server of its own. Xvfb picks a free display itself (-displayfd) and
# names it once it listens, so runs side by side never take the same display, and nothing waits
# on a clock. Exits 77 (skipped) where Xvfb is not installed.
command -v Xvfb >/dev/null || exit 77
dir="$(mktemp -d)" || exit 1
server=""
# The server and the folder go with the script, however it ends (ctest's time-out included).
trap '[ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server"; rm -rf "$dir"' EXIT
trap 'exit 1' INT TERM
mkfifo "$dir/display" || exit 1
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
server=$!
# An Xvfb that fails to start closes the pipe without a number.
read -r display <"$dir/display"
if [ -z "$display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
fi
DISPLAY=":$display" "$@"

#!/usr/bin/env bash
# A second copy of the program ends at once with status 0, shows no window
# and leaves the keyboard layout alone; the first one keeps running.
DARVISTA=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/xvfb.bash"
start_xvfb "$2"

setxkbmap -layout us,ir
"$DARVISTA" >"$2/first.log" 2>&1 &
APP_PIDS+=($!)
first=${APP_PIDS[0]}
wait_for_window >/dev/null
[ "$(keyboard_group)" = 1 ] || fail "start-up did not switch to the Persian layout"

# Put the US layout back by hand: the second copy must not touch it.
"$(dirname "$DARVISTA")/keyboard_check" set 00000409 >/dev/null
start=$(date +%s%N)
set +e
timeout 20 "$DARVISTA" >"$2/second.log" 2>&1
status=$?
set -e
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
[ "$status" = 0 ] || fail "second copy ended with status $status"
[ "$elapsed_ms" -lt 10000 ] || fail "second copy took ${elapsed_ms} ms to end"
[ "$(keyboard_group)" = 0 ] || fail "second copy switched the keyboard"
windows=$(xdotool search --onlyvisible --name '^Darvista$' | wc -l)
[ "$windows" = 1 ] || fail "$windows windows are showing"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
echo "single_instance: ok (second copy ended in ${elapsed_ms} ms)"

# A temporary directory where no lock can be made (here a plain file) does
# not stop the program from starting.
kill "$first"
wait "$first" 2>/dev/null || true
APP_PIDS=()
: >"$2/not-a-directory"
TMPDIR="$2/not-a-directory" "$DARVISTA" >"$2/no-lock.log" 2>&1 &
APP_PIDS+=($!)
wait_for_window >/dev/null
echo "single_instance: starts where no lock file can be made"

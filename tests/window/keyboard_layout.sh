#!/usr/bin/env bash
# The keyboard layout switch against a real X server: Persian and back where
# both layouts are installed, a US-only keymap that refuses Persian, and a
# layout without identifier that is left for US English.
#
# usage: keyboard_layout.sh <darvista binary> <scratch dir>
# keyboard_check, built beside darvista, does the switching and the reading.
set -u

darvista=${1:?usage: keyboard_layout.sh <darvista binary> <scratch dir>}
scratch=${2:?usage: keyboard_layout.sh <darvista binary> <scratch dir>}
check=$(dirname "$darvista")/keyboard_check

fail() {
    echo "keyboard_layout: FAIL: $*" >&2
    exit 1
}

[ -x "$check" ] || fail "$check not built"
for tool in Xvfb setxkbmap xkbcomp timeout; do
    command -v "$tool" >/dev/null || fail "$tool not installed (Xvfb: xvfb, setxkbmap/xkbcomp: x11-xkb-utils)"
done
mkdir -p "$scratch" || fail "cannot create $scratch"

xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Xvfb picks a free display and writes its number once it accepts clients.
# -noreset: the keymap and the locked group must outlive each client.
: >"$scratch/display"
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 320x240x24 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q '^[0-9]\+$' "$scratch/display" && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb exited at start (see $scratch/xvfb.log)"
    sleep 0.05
done
grep -q '^[0-9]\+$' "$scratch/display" || fail "Xvfb reported no display within 5 s"
export DISPLAY=:$(head -n 1 "$scratch/display")
unset WAYLAND_DISPLAY

use_keymap() {
    timeout 10 setxkbmap -layout "$1" 2>>"$scratch/setxkbmap.log" ||
        fail "setxkbmap -layout $1 failed (see $scratch/setxkbmap.log)"
}

# switch <identifier> <expected result>
switch_to() {
    local got
    got=$(timeout 10 "$check" set "$1") || fail "keyboard_check set $1 did not finish"
    [ "$got" = "$2" ] || fail "switching to $1 under keymap '$keymap' gave '$got', expected '$2'"
}

# expect_state <XKB group> <name the switch reports>
expect_state() {
    local got
    got=$(timeout 10 "$check" state) || fail "keyboard_check state did not finish"
    [ "$got" = "group=$1 name=$2" ] ||
        fail "under keymap '$keymap' the state is '$got', expected 'group=$1 name=$2'"
}

keymap=us,ir
use_keymap "$keymap"
expect_state 0 00000409
switch_to 00000429 true
expect_state 1 00000429
switch_to 00000429 true # already active
expect_state 1 00000429
switch_to 00000409 true
expect_state 0 00000409

keymap=us
use_keymap "$keymap"
expect_state 0 00000409
switch_to 00000429 false
expect_state 0 00000409

# US English is group 1 here, and the active layout has no identifier.
keymap=de,us
use_keymap "$keymap"
expect_state 0 de
switch_to 00000409 true
expect_state 1 00000409

echo "keyboard_layout: ok (display $DISPLAY)"

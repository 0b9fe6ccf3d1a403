# Shared by the window-level tests: a private X server, a scratch home and a
# scratch temporary directory, so that a test never meets the user's own
# settings, lock file or display.
#   source lib/xvfb.bash; start_xvfb <scratch dir>
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

XVFB_PID=""
APP_PIDS=()
cleanup() {
    for p in "${APP_PIDS[@]:-}"; do
        [ -n "$p" ] && kill "$p" 2>/dev/null || true
    done
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT INT TERM HUP

start_xvfb() {
    local scratch=$1
    rm -rf "$scratch"
    mkdir -p "$scratch/home" "$scratch/tmp"
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" TMPDIR="$scratch/tmp"
    export XDG_RUNTIME_DIR="$scratch/tmp"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    local fifo="$scratch/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$fifo" 2>"$scratch/xvfb.log" &
    XVFB_PID=$!
    local n
    read -r -t 20 n <"$fifo" || fail "Xvfb did not start"
    export DISPLAY=":$n"
}

# The id of the program's window once it is mapped, or a failure.
wait_for_window() {
    local id=""
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name '^Darvista$' 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no Darvista window appeared"
    echo "$id"
}

# The active keyboard group of the X server (0 = first layout).
keyboard_group() {
    "$(dirname "$DARVISTA")/keyboard_check" state | sed -n 's/^group=\([0-9-]*\).*/\1/p'
}

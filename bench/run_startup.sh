#!/usr/bin/env bash
# Start-up of the whole program against a minimal Qt Widgets program, as
# whole processes on this machine: startup_minimal (one empty window, closed
# after its first paint) and startup_probe (the program's window up to the
# first paint of its main page) run in turns, RUNS times each, under one
# Xvfb server, then the same on Qt's offscreen platform. Prints the medians
# and the ratio. Builds nothing.
#
# usage: run_startup.sh [<startup_minimal> <startup_probe>] [runs]
#   Without paths it takes the two programs beside itself (the build's bin
#   directory, where the build lays this script). runs: default 21.
#   OFFSCREEN_RUNS: runs of each on the offscreen platform (default: runs).
# Needs Xvfb (Debian: xvfb). When hyperfine is installed it also times the
# two in blocks, as a cross-check of the alternating runs.
set -u

here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ge 2 ]; then
    minimal=$1
    probe=$2
    shift 2
else
    minimal=$here/startup_minimal
    probe=$here/startup_probe
fi
runs=${1:-21}
offscreen_runs=${OFFSCREEN_RUNS:-$runs}
target_ratio=1.5

fail() {
    echo "run_startup: $*" >&2
    exit 1
}

[ -x "$minimal" ] || fail "no program $minimal (build the target startup_minimal)"
[ -x "$probe" ] || fail "no program $probe (build the target startup_probe)"
case $runs in '' | *[!0-9]* | 0) fail "runs must be a positive number, not '$runs'" ;; esac
command -v Xvfb >/dev/null || fail "Xvfb is not installed (Debian: xvfb)"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/run_startup.XXXXXX") || fail "no scratch directory"
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Both programs see the same empty configuration and runtime directories:
# nothing of the user's settings plays a part or is touched.
mkdir -p "$scratch/config" "$scratch/runtime" && chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Xvfb picks a free display and writes its number once it accepts clients.
: >"$scratch/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q '^[0-9]\+$' "$scratch/display" && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb exited at start: $(cat "$scratch/xvfb.log")"
    sleep 0.05
done
grep -q '^[0-9]\+$' "$scratch/display" || fail "Xvfb reported no display within 5 s"
display=:$(head -n 1 "$scratch/display")

# Microseconds since the epoch; bash's own clock where it has one (no fork
# inside the timed span), else date.
now_us() {
    if [ -n "${EPOCHREALTIME:-}" ]; then
        local t=${EPOCHREALTIME//[.,]/}
        echo "${t#0}"
    else
        echo $(($(date +%s%N) / 1000))
    fi
}

# time_run <program>: runs it once, prints the wall time in microseconds.
time_run() {
    local start end
    start=$(now_us)
    "$1" >>"$scratch/out.log" 2>>"$scratch/err.log" </dev/null
    local rc=$?
    end=$(now_us)
    [ $rc -eq 0 ] || fail "$1 ended with $rc: $(tail -n 5 "$scratch/err.log")"
    echo $((end - start))
}

median() { # of the numbers on stdin
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print 0; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# alternate <label> <count>: one untimed run of each, then count turns of
# minimal, probe; prints the medians and the ratio.
alternate() {
    local label=$1 count=$2 i a b
    : >"$scratch/a" && : >"$scratch/b"
    time_run "$minimal" >/dev/null && time_run "$probe" >/dev/null
    for ((i = 0; i < count; i++)); do
        a=$(time_run "$minimal") || exit 1
        b=$(time_run "$probe") || exit 1
        echo "$a" >>"$scratch/a"
        echo "$b" >>"$scratch/b"
    done
    local ma mb
    ma=$(median <"$scratch/a")
    mb=$(median <"$scratch/b")
    awk -v label="$label" -v n="$count" -v a="$ma" -v b="$mb" -v t="$target_ratio" \
        -v amin="$(sort -n "$scratch/a" | head -n 1)" -v bmin="$(sort -n "$scratch/b" | head -n 1)" \
        'BEGIN {
            r = b / a
            printf "%s, %d runs each, alternating:\n", label, n
            printf "  startup_minimal  median %7.1f ms  (min %.1f)\n", a / 1000, amin / 1000
            printf "  startup_probe    median %7.1f ms  (min %.1f)\n", b / 1000, bmin / 1000
            printf "  ratio probe / minimal: %.2f; target <= %.2f: %s\n", r, t, (r <= t ? "met" : "MISSED")
        }'
}

echo "load average at start: $(cut -d ' ' -f 1-3 /proc/loadavg 2>/dev/null)"
echo "minimal: $minimal"
echo "probe:   $probe"
echo

DISPLAY=$display QT_QPA_PLATFORM=xcb alternate "Xvfb $display (xcb)" "$runs"
echo
QT_QPA_PLATFORM=offscreen alternate "offscreen platform" "$offscreen_runs"

if command -v hyperfine >/dev/null; then
    echo
    echo "cross-check with hyperfine under Xvfb (blocks of runs, not alternating):"
    DISPLAY=$display QT_QPA_PLATFORM=xcb hyperfine -N --warmup 2 --runs "$runs" \
        --style basic "$minimal" "$probe" 2>&1 | sed 's/^/  /'
fi
echo
echo "load average at end: $(cut -d ' ' -f 1-3 /proc/loadavg 2>/dev/null)"

#!/bin/bash
# CPU use of the real game while it waits for a key: runs it in a window on a
# private Xvfb display, lets it settle, then measures utime + stime from
# /proc/<pid>/stat over a stretch of wall time (default 5 s).
#
#   bench/idle_cpu.sh VELA_BINARY BUILT_DATA_DIR [SECONDS]
#
# Prints the game's CPU use in percent of one core, and the X server's,
# which shows whether the idle game keeps presenting frames.
set -u

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 VELA_BINARY BUILT_DATA_DIR [SECONDS]" >&2
    exit 2
fi
VELA=$(realpath -- "$1") || exit 2
DATA=$(realpath -- "$2") || exit 2
SECONDS_TO_MEASURE=${3:-5}

fail() { echo "idle_cpu: FAIL: $*" >&2; exit 1; }
# shellcheck source=../tests/smoke/game_in_xvfb.sh
. "$(dirname "$0")/../tests/smoke/game_in_xvfb.sh"
startGameInXvfb 1024x768
sleep 1  # the first screen is drawn; from here on the game only waits

TICKS=$(getconf CLK_TCK)
# utime + stime of a process in clock ticks (fields 14 and 15; the name in
# parentheses may hold spaces, so count from the closing parenthesis).
cpuTicks() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    set -- $stat
    echo $(( ${12} + ${13} ))
}
nowNs() { date +%s%N; }

game0=$(cpuTicks "$GAME_PID") || fail "the game is not running"
xvfb0=$(cpuTicks "$XVFB_PID") || fail "Xvfb is not running"
t0=$(nowNs)
sleep "$SECONDS_TO_MEASURE"
game1=$(cpuTicks "$GAME_PID") || fail "the game exited while it should wait for a key"
xvfb1=$(cpuTicks "$XVFB_PID") || fail "Xvfb exited"
t1=$(nowNs)

awk -v g=$((game1 - game0)) -v x=$((xvfb1 - xvfb0)) -v hz="$TICKS" -v ns=$((t1 - t0)) 'BEGIN {
    wall = ns / 1e9
    printf "idle_cpu: wall %.2f s, game %d ticks = %.1f%% of one core, Xvfb %d ticks = %.1f%%\n",
        wall, g, 100 * g / hz / wall, x, 100 * x / hz / wall
}'

#!/bin/bash
# The real game in a window on a private Xvfb display:
#   start-up   wall time from launching the game to its first frame reaching
#              the window (VELA_EXIT_AFTER_FIRST_FRAME makes the game print
#              when that happened and end), median of RUNS launches;
#   memory     resident set size once the first screen is up;
#   idle CPU   utime + stime from /proc/<pid>/stat while the game waits for
#              a key on the map, over SECONDS of wall time, and the X
#              server's, which shows whether the idle game keeps presenting.
#
#   bench/window.sh VELA_BINARY BUILT_DATA_DIR [SECONDS [RUNS]] [-- GAME ARGS]
#
# e.g. bench/window.sh build/vela build/data 5 9 -- --renderer
set -u

fail() { echo "window: FAIL: $*" >&2; exit 1; }
# shellcheck source=../tests/smoke/game_in_xvfb.sh
. "$(dirname "$0")/../tests/smoke/game_in_xvfb.sh"
takeGameAndData "[SECONDS [RUNS]] [-- GAME ARGS]" "$@"
shift 2
SECONDS_TO_MEASURE=5
RUNS=9
[ $# -gt 0 ] && [ "$1" != "--" ] && { SECONDS_TO_MEASURE=$1; shift; }
[ $# -gt 0 ] && [ "$1" != "--" ] && { RUNS=$1; shift; }
[ $# -gt 0 ] && [ "$1" = "--" ] && shift

startXvfb 1024x768

# Start-up: launch to first frame, in milliseconds.
startups=()
for _ in $(seq "$RUNS"); do
    t0=$(date +%s%N)
    shown=$(cd "$WORK/game" && VELA_EXIT_AFTER_FIRST_FRAME=1 "$VELA" "$@" 2>&1 >/dev/null |
        sed -n 's/^vela: first frame shown at \([0-9]*\)\.\([0-9]*\)$/\1\2/p')
    [ -n "$shown" ] || fail "the game did not report its first frame"
    startups+=("$(( (shown - t0) / 1000 ))")
done
printf '%s\n' "${startups[@]}" | sort -n | awk '{ v[NR] = $1 } END {
    printf "window: start-up to first frame: median %.1f ms (min %.1f, max %.1f, %d runs)\n",
        v[int((NR + 1) / 2)] / 1000, v[1] / 1000, v[NR] / 1000, NR }'

startGame "$@"
sleep 1  # the first screen is drawn; from here on the game only waits
rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status") || fail "the game is not running"
echo "window: resident memory after start-up: $((rss / 1024)).$(( (rss % 1024) * 10 / 1024 )) MB ($rss kB)"

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
    printf "window: idle for %.2f s: game %d ticks = %.1f%% of one core, Xvfb %d ticks = %.1f%%\n",
        wall, g, 100 * g / hz / wall, x, 100 * x / hz / wall
}'

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
for tool in Xvfb xdotool timeout; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "'$tool' is not installed (scripts/install-deps.sh installs xvfb and xdotool)"
done
[ -x "$VELA" ] || fail "game binary $VELA is missing"
[ -f "$DATA/ascii.fnt" ] || fail "no built game data in $DATA"

WORK=$(mktemp -d /tmp/vela-idle.XXXXXX) || fail "cannot make a temporary directory"
XVFB_PID=""
GAME_PID=""
cleanup() {
    for pid in $GAME_PID $XVFB_PID; do
        kill -TERM "$pid" 2>/dev/null
        for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf -- "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

mkdir "$WORK/game" && cp -R "$DATA/." "$WORK/game/" || fail "cannot copy the game data"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    grep -q '^[0-9][0-9]*$' "$WORK/display" 2>/dev/null && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
done
grep -q '^[0-9][0-9]*$' "$WORK/display" 2>/dev/null || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$WORK/display")"
unset WAYLAND_DISPLAY XAUTHORITY SDL_VIDEODRIVER

(cd "$WORK/game" && exec "$VELA") >"$WORK/game.log" 2>&1 &
GAME_PID=$!
# xdotool reads the legacy WM_NAME, where SDL cannot keep the Hangul of the
# caption: look for its ASCII tail.
[ -n "$(timeout 10 xdotool search --sync --name 'windows version 0\.1\.1$' 2>/dev/null)" ] ||
    fail "the game's window did not appear within 10 s"
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

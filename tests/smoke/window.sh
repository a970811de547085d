#!/bin/bash
# Smoke test of the game in a real SDL window on a private Xvfb display:
# the command line answers --help and refuses unknown options, the window
# appears at 640 x 480, takes keys, F12 writes a 640 x 480 screenshot, F10
# steps through the sizes that fit the screen, Alt+Enter and F11 fill the
# screen with the whole picture scaled and letterboxed even without a window
# manager, SIGTERM ends the game at once with status 0, and the next start
# keeps the window as the last run left it.
#
#   tests/smoke/window.sh VELA_BINARY BUILT_DATA_DIR [GAME ARGS]
#
# GAME ARGS such as --renderer test the other way of presenting.
# SMOKE_KEEP_SHOT=FILE.png keeps the first screenshot for a look.
# Works without a window manager (keys go to the window after an explicit
# input focus) and without network. Every wait has a time limit; Xvfb and the
# game are always stopped on the way out.
set -u

CAPTION="벨라 windows version 0.1.1"

fail() {
    echo "smoke: FAIL: $*" >&2
    if [ -s "${WORK:-/nonexistent}/game.log" ]; then
        echo "--- game output ---" >&2
        tail -n 20 "$WORK/game.log" >&2
    fi
    exit 1
}
say() { echo "smoke: $*"; }

# shellcheck source=game_in_xvfb.sh
. "$(dirname "$0")/game_in_xvfb.sh"
takeGameAndData "[GAME ARGS]" "$@"
shift 2
command -v python3 >/dev/null 2>&1 || fail "'python3' is not installed (scripts/install-deps.sh)"

# The command line, as a Unix program answers it.
help=$("$VELA" --help 2>&1) || fail "vela --help exited with status $?"
case "$help" in Usage:*--help*) ;; *) fail "vela --help printed no usage: $help" ;; esac
refusal=$("$VELA" --frobnicate 2>&1)
status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, expected 2"
case "$refusal" in *"'--frobnicate'"*) ;; *) fail "the unknown option is not named: $refusal" ;; esac
say "--help prints usage, an unknown option is named and refused"

# The screen is big enough for the 2x window, not for the 3x one.
startGameInXvfb 1600x1200 "$@"
say "Xvfb on $DISPLAY"
say "window $WIN"
# xprop in the C locale writes bytes above 127 as octal escapes.
escapedCaption=$(printf '%s' "$CAPTION" | od -An -v -tu1 |
    awk '{for (i = 1; i <= NF; ++i) { f = $i > 127 ? "\\%o" : "%c"; printf f, $i }}')
title=$(LC_ALL=C X xprop -id "$WIN" -notype _NET_WM_NAME 2>/dev/null)
[ "$title" = "_NET_WM_NAME = \"$escapedCaption\"" ] ||
    fail "window caption is [$title], expected \"$CAPTION\" ($escapedCaption)"

# Width and height of the window's client area, as "WxH".
windowSize() {
    X xwininfo -id "$WIN" 2>/dev/null |
        awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w "x" h}'
}
# Waits up to 5 s for the window to reach a size.
expectSize() {
    local want=$1 got=""
    for _ in $(seq 50); do
        got=$(windowSize)
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    fail "window is $got, expected $want ($2)"
}
expectSize 640x480 "at start"

# Without a window manager nothing gives the window the keyboard: focus it.
X xdotool windowfocus --sync "$WIN" 2>/dev/null || X xdotool windowfocus "$WIN" ||
    fail "cannot focus the game window"
sendKey() {
    X xdotool key --delay 60 "$@" || fail "xdotool could not send $*"
}

sendKey F12
shot=""
for _ in $(seq 50); do
    shot=$(ls "$WORK"/game/vela-*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] && [ "$(stat -c %s "$shot")" -gt 33 ] && break
    shot=""
    sleep 0.1
done
[ -n "$shot" ] || fail "F12 wrote no vela-*.png screenshot within 5 s"
case "$(basename "$shot")" in
    vela-[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9][0-9][0-9].png) ;;
    *) fail "screenshot name $(basename "$shot") is not vela-YYYYMMDD-HHMMSS.png" ;;
esac
sleep 0.2  # let the writer finish the file it just created
signature=$(od -An -tx1 -N8 "$shot" | tr -d ' \n')
[ "$signature" = "89504e470d0a1a0a" ] || fail "screenshot is not a PNG (starts $signature)"
# IHDR: width and height are big-endian 32-bit words at offsets 16 and 20.
dims=$(od -An -tu1 -j16 -N8 "$shot" |
    awk '{print ($1*16777216 + $2*65536 + $3*256 + $4) "x" ($5*16777216 + $6*65536 + $7*256 + $8)}')
[ "$dims" = "640x480" ] || fail "screenshot header says $dims, expected 640x480"
say "screenshot $(basename "$shot") is 640x480"
[ -n "${SMOKE_KEEP_SHOT:-}" ] && cp -- "$shot" "$SMOKE_KEEP_SHOT"

# The name screen's highlight moves; a second screenshot, never written over
# the first, shows that the arrow keys reached the game.
sendKey Right Right Down
sleep 0.3
kill -0 "$GAME_PID" 2>/dev/null || fail "the game exited after arrow keys"
sendKey F12
count=0
for _ in $(seq 50); do
    count=$(ls "$WORK"/game/vela-*.png 2>/dev/null | wc -l)
    [ "$count" -ge 2 ] && break
    sleep 0.1
done
[ "$count" -eq 2 ] || fail "after a second F12 there are $count screenshots, expected 2"
sleep 0.2
second=$(ls "$WORK"/game/vela-*.png | grep -v -F "$shot" | head -n 1)
cmp -s "$shot" "$second" && fail "the screen did not change after the arrow keys"
say "arrow keys moved the highlight"

sendKey F10
expectSize 1280x960 "after F10"
sendKey F10
expectSize 640x480 "after a second F10: 3x does not fit a 1600x1200 screen"
say "F10 made the window 1280x960, then 640x480 again"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game exited after F10"

# Fullscreen on a bare X server: no window manager does it for the game, so
# Alt+Enter and F11 must themselves make the window as large as the screen
# and show the whole picture at 2x, centred on black (1280x960 from
# (160, 120)); a second press puts the window back where it stood.
X xwd -id "$WIN" -silent >"$WORK/picture.xwd" || fail "xwd could not read the window"
windowPlace() {
    X xwininfo -id "$WIN" 2>/dev/null |
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x "," y}'
}
place=$(windowPlace)
expectWholePicture() {  # key that switched to fullscreen
    local result=""
    expectSize 1600x1200 "after $1"
    for _ in $(seq 10); do
        sleep 0.3
        X xwd -root -silent >"$WORK/screen.xwd" || fail "xwd could not read the screen"
        result=$(python3 "$(dirname "$0")/picture_on_screen.py" "$WORK/picture.xwd" "$WORK/screen.xwd") &&
            { say "$1: $result"; return 0; }
    done
    fail "fullscreen after $1: $result"
}
sendKey alt+Return
expectWholePicture Alt+Enter
sendKey alt+Return
expectSize 640x480 "after a second Alt+Enter"
[ "$(windowPlace)" = "$place" ] || fail "after fullscreen the window is at $(windowPlace), expected $place"
say "a second Alt+Enter put the window back at $place"
sendKey F11
expectWholePicture F11
kill -0 "$GAME_PID" 2>/dev/null || fail "the game exited after fullscreen"

# SIGTERM is a close request: the game ends at once with status 0.
kill -TERM "$GAME_PID"
for _ in $(seq 30); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$GAME_PID" 2>/dev/null; then
    fail "the game was still running 3 s after SIGTERM"
fi
wait "$GAME_PID"
status=$?
GAME_PID=""
[ "$status" -eq 0 ] || fail "the game exited with status $status after SIGTERM, expected 0"
say "SIGTERM ended the game with status 0"

# The settings stay: the next start opens fullscreen as the last run ended,
# and a damaged line is named on standard error without stopping the game.
settings="$XDG_CONFIG_HOME/vela/settings.ini"
grep -qx "fullscreen = yes" "$settings" 2>/dev/null || fail "the settings file does not keep fullscreen: $(cat "$settings" 2>&1)"
echo "window-scale = huge" >>"$settings"
lines=$(wc -l <"$settings")
startGame "$@"
expectSize 1600x1200 "at the next start, which keeps fullscreen"
grep -qF "settings.ini:$lines: ignored: window-scale = huge" "$WORK/game.log" ||
    fail "the damaged settings line is not named: $(cat "$WORK/game.log")"
say "the next start was fullscreen again, and the damaged line was named"
say "all checks passed"

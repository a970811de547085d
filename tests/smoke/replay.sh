#!/bin/bash
# A session in the real window replays in the harness, screen for screen:
# xdotool plays on a private Xvfb display, F12 writes a screenshot with the
# recording up to that moment and the game's state beside it, and
# `vela-headless --replay` must end on the same screen (PNG) and the same
# state (JSON), byte for byte. Three sessions: a new hero, a walk in 타른 and
# a save; a fight in the pyramid; the ending's wait under the lightning,
# where the game draws random numbers on every pass until a key comes. Keys
# are typed faster than the game reads them, so some are typed ahead and
# thrown away. A recording with a wrong count of random draws, and one with a
# key changed, are reported with the line where they go wrong.
#
#   tests/smoke/replay.sh VELA_BINARY VELA_HEADLESS BUILT_DATA_DIR
set -u
fail() {
    echo "replay: FAIL: $*" >&2
    [ -s "${WORK:-/nonexistent}/game.log" ] && tail -n 20 "$WORK/game.log" >&2
    exit 1
}
say() { echo "replay: $*"; }
[ $# -eq 3 ] || { echo "usage: $0 VELA_BINARY VELA_HEADLESS BUILT_DATA_DIR" >&2; exit 2; }
HEADLESS=$(realpath -- "$2") || exit 2
HERE=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=game_in_xvfb.sh
. "$(dirname "$0")/game_in_xvfb.sh"
takeGameAndData "" "$1" "$3"
startXvfb 800x600

# The harness's key syntax as xdotool key names.
xdotoolKeys() {
    python3 - "$1" <<'PY'
import re, sys
names = {"up": "Up", "down": "Down", "left": "Left", "right": "Right", "enter": "Return",
         "esc": "Escape", "space": "space", "bs": "BackSpace"}
out = []
for token, char in re.findall(r"\{([^}]*)\}|(.)", sys.argv[1]):
    if char:
        out.append(char)
        continue
    name, _, count = token.partition("*")
    out += [names[name]] * int(count or 1)
print(" ".join(out))
PY
}
typeKeys() {  # KEY_SCRIPT [SECONDS]: 30 ms apart, faster than the game reads some of them, or SECONDS apart
    if [ -z "${2:-}" ]; then
        # shellcheck disable=SC2046
        X xdotool key --delay 30 $(xdotoolKeys "$1") || fail "xdotool could not type $1"
        return
    fi
    for key in $(xdotoolKeys "$1"); do
        X xdotool key "$key" || fail "xdotool could not type $key"
        sleep "$2"
    done
}

# freshFolder FOLDER [NAME]: the built data, and the saved game session NAME starts from.
freshFolder() {
    rm -rf "$1" && mkdir "$1" && cp -R "$DATA/." "$1/" || fail "cannot make $1"
    case "${2:-}" in
        fight) cp "$HERE/scenarios/files/pyramid/"* "$1/" ;;
        ending) cp "$HERE/scenarios/files/stage16/"* "$1/" ;;
    esac
}

# play NAME GAME_ARGS KEYS [SECONDS_BETWEEN_KEYS [PAUSE]]: a fresh game folder,
# the keys, a pause, F12; leaves the screenshot's stem in SHOT.
play() {
    local name=$1 args=$2 keys=$3 between=${4:-} pause=${5:-1}
    stopProcess "$GAME_PID"
    rm -rf "$WORK/config"
    freshFolder "$WORK/game" "$name"
    # shellcheck disable=SC2086
    startGame $args
    X xdotool windowfocus --sync "$WIN" 2>/dev/null || X xdotool windowfocus "$WIN" || fail "cannot focus the window"
    typeKeys "$keys" "$between"
    sleep "$pause"
    X xdotool key F12 || fail "xdotool could not press F12"
    SHOT=""
    for _ in $(seq 50); do
        SHOT=$(ls "$WORK"/game/vela-*.json 2>/dev/null | head -n 1)
        [ -n "$SHOT" ] && break
        sleep 0.1
    done
    [ -n "$SHOT" ] || fail "$name: F12 wrote no screenshot with its recording and state"
    SHOT=${SHOT%.json}
    for f in "$SHOT.png" "$SHOT.keys"; do [ -s "$f" ] || fail "$name: no $(basename "$f") beside the screenshot"; done
    ls "$WORK"/game/session-*.keys >/dev/null 2>&1 || fail "$name: the window kept no session-*.keys"
}

# replay NAME: the recording in a fresh copy of the data; the final screen
# and state must be the window's.
replay() {
    local name=$1 folder=$WORK/replay-$1
    freshFolder "$folder" "$name"
    (cd "$folder" && timeout 60 "$HEADLESS" --replay "$SHOT.keys" --shot end.png --state end.json \
        --transcript transcript.txt >out.txt 2>err.txt)
    local status=$?
    [ "$status" -eq 0 ] || fail "$name: the replay ended with status $status: $(cat "$folder/err.txt")"
    cmp -s "$folder/end.json" "$SHOT.json" || fail "$name: the replay's state differs from the window's"
    cmp -s "$folder/end.png" "$SHOT.png" || fail "$name: the replay's screen differs from the window's"
    say "$name: $(grep -c '^{at:' "$SHOT.keys") recorded polls replayed to the same screen and state"
}

HERO=$(grep -v '^#' "$HERE/scenarios/hero.keys" | tr -d '\r\n')
play walk /c "${HERO#1}{right*3}{down}{up}{space}{down*8}{enter}{down*5}{enter}{down}{enter}{enter}{left*2}"
replay walk
WALK=$WORK/walk.keys
cp "$SHOT.keys" "$WALK"

# Foes roam the pyramid: a long walk there meets them.
play fight /g "$(for _ in 1 2 3 4 5 6; do printf '{right*15}{left*15}'; done){enter*8}"
replay fight
grep -q "적이 출현했다" "$WORK/replay-fight/transcript.txt" || fail "fight: the walk in the pyramid met no foes"

# The ending's scenes throw typed-ahead keys away: these come one by one.
play ending /g "{up}{enter*5}{enter}{enter}" 1 2
grep -q '"MapNumber":6,' "$SHOT.json" || fail "ending: the game did not reach the ruins of 타른"
replay ending

# A recording that goes wrong is named with its line.
keyLine=$(grep -n '^{at:' "$WALK" | sed -n '40p' | cut -d: -f1)
[ -n "$keyLine" ] || fail "the walk's recording is too short"
wrongDraws() {
    sed "${keyLine}s/^{at:\([0-9]*\):\([0-9]*\):/{at:\1:1\2:/" "$WALK" >"$WORK/wrong.keys"
}
wrongDraws
expectDrift() {  # what, line
    local folder=$WORK/drift
    freshFolder "$folder"
    (cd "$folder" && timeout 60 "$HEADLESS" --replay "$WORK/wrong.keys" >/dev/null 2>err.txt)
    local status=$?
    [ "$status" -eq 5 ] || fail "$1: the replay ended with status $status, not 5: $(cat "$folder/err.txt")"
    grep -q "wrong.keys: line $2: " "$folder/err.txt" || fail "$1: not reported at line $2: $(cat "$folder/err.txt")"
    say "$1: $(cat "$folder/err.txt")"
}
expectDrift "a wrong count of random draws" "$keyLine"

# The walk's last step to the right turned to the left: the party stands
# elsewhere, which the next key that arrives after the step shows.
stepLine=$(grep -n '^{at:[0-9:a-f]*}{right}$' "$WALK" | tail -n 1 | cut -d: -f1)
[ -n "$stepLine" ] || fail "the walk's recording holds no step to the right"
sed "${stepLine}s/{right}\$/{left}/" "$WALK" >"$WORK/wrong.keys"
cmp -s "$WALK" "$WORK/wrong.keys" && fail "the step to the right was not changed"
freshFolder "$WORK/drift"
(cd "$WORK/drift" && timeout 60 "$HEADLESS" --replay "$WORK/wrong.keys" >/dev/null 2>err.txt)
driftLine=$(sed -n "s/.*wrong.keys: line \([0-9]*\): the game's state differs.*/\1/p" "$WORK/drift/err.txt")
[ -n "$driftLine" ] && [ "$driftLine" -gt "$stepLine" ] && [ "$driftLine" -le $((stepLine + 5)) ] ||
    fail "a step changed at line $stepLine is not reported soon after: $(cat "$WORK/drift/err.txt")"
say "a step changed at line $stepLine: $(cat "$WORK/drift/err.txt")"

#!/bin/bash
# Kills the game (kill -9) at random moments while it saves into slot 1, at
# least 100 times, and checks that the slot then always holds a whole save:
# the old pair or the new pair, never a torn file or a mixed pair.
# usage: kill_during_save.sh VELA_HEADLESS BUILT_DATA_DIR [TRIES]
set -u
HEADLESS=$(realpath "$1")
DATA=$(realpath "$2")
TRIES=${3:-100}
PARTY="$(cd "$(dirname "$0")" && pwd)/../scenarios/files/healer_party.dat"
# Both runs continue slot 1 (/g): the first saves the old pair, the second
# walks three squares and saves the new one over it.
SAVE_KEYS="G{down*5}{enter}{down}{enter}{enter}"
NEW_KEYS="{right*3}$SAVE_KEYS"

fresh() {
    local dir
    dir=$(mktemp -d)
    cp "$DATA"/* "$dir"/
    echo "$dir"
}

# Each of the seven steps of a save lasts 3 ms longer, so that kills at
# random moments of a run often land inside the save.
play() {  # play DIR KEYS [ARGS]
    (cd "$1" && "$HEADLESS" --seed 1 --save-step-ms 3 --keys "$2" ${3:-} >/dev/null 2>&1)
}

reference=$(fresh)
cp "$PARTY" "$reference/player1.dat"
play "$reference" "$SAVE_KEYS" /g
mkdir "$reference/old"
cp "$reference/player1.dat" "$reference/save1.map" "$reference/old/"
start=$(date +%s%N)
play "$reference" "$NEW_KEYS" /g
took_us=$((($(date +%s%N) - start) / 1000))
cmp -s "$reference/player1.dat" "$reference/old/player1.dat" && { echo "the second save wrote nothing new"; exit 1; }

old=0 new=0 torn=0 cut=0
for ((i = 1; i <= TRIES; i++)); do
    work=$(fresh)
    cp "$reference/old/player1.dat" "$reference/old/save1.map" "$work/"
    (cd "$work" && exec "$HEADLESS" --seed 1 --save-step-ms 3 --keys "$NEW_KEYS" /g >/dev/null 2>&1) &
    pid=$!
    delay_us=$(((RANDOM * 32768 + RANDOM) % (took_us + 1)))
    sleep "$(printf '%d.%06d' $((delay_us / 1000000)) $((delay_us % 1000000)))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if ls "$work"/*.new >/dev/null 2>&1; then cut=$((cut + 1)); fi
    # The next start looks at the slot first: it finishes or discards the cut save.
    play "$work" "" /g
    if cmp -s "$work/player1.dat" "$reference/old/player1.dat" && cmp -s "$work/save1.map" "$reference/old/save1.map"; then
        old=$((old + 1))
    elif cmp -s "$work/player1.dat" "$reference/player1.dat" && cmp -s "$work/save1.map" "$reference/save1.map"; then
        new=$((new + 1))
    else
        torn=$((torn + 1))
        echo "try $i: slot 1 holds neither save whole:"
        ls -l "$work"/player1* "$work"/save1* 2>&1
    fi
    if ls "$work"/*.new >/dev/null 2>&1; then
        torn=$((torn + 1))
        echo "try $i: a temporary file was left behind"
    fi
    rm -rf "$work"
done
rm -rf "$reference"
echo "$TRIES kills in a run of about ${took_us} us ($cut in the middle of writing the save):" \
    "old save whole $old, new save whole $new, torn $torn"
[ "$torn" -eq 0 ]

#!/bin/bash
# Kills the game (kill -9) at random moments while it saves into slot 1, at
# least 100 times, and checks that the slot then always holds a whole save:
# the old pair or the new pair, never a torn file or a mixed pair.
# usage: kill_during_save.sh VELA_HEADLESS BUILT_DATA_DIR [TRIES]
set -u
HEADLESS=$(realpath "$1")
DATA=$(realpath "$2")
TRIES=${3:-100}
OLD_KEYS="G{down*5}{enter}{down}{enter}{enter}"
NEW_KEYS="{right*3}G{down*5}{enter}{down}{enter}{enter}"

fresh() {
    local dir
    dir=$(mktemp -d)
    cp "$DATA"/* "$dir"/
    echo "$dir"
}

play() {  # play DIR KEYS [ARGS]
    (cd "$1" && "$HEADLESS" --seed 1 --keys "$2" ${3:-} >/dev/null 2>&1)
}

reference=$(fresh)
play "$reference" "$OLD_KEYS"
mkdir "$reference/old"
mv "$reference/player1.dat" "$reference/save1.map" "$reference/old/"
start=$(date +%s%N)
play "$reference" "$NEW_KEYS"
took_us=$((($(date +%s%N) - start) / 1000))
[ -f "$reference/player1.dat" ] || { echo "the reference save was not written"; exit 1; }

old=0 new=0 torn=0 cut=0
for ((i = 1; i <= TRIES; i++)); do
    work=$(fresh)
    cp "$reference/old/player1.dat" "$reference/old/save1.map" "$work/"
    (cd "$work" && exec "$HEADLESS" --seed 1 --keys "$NEW_KEYS" >/dev/null 2>&1) &
    pid=$!
    # The save comes last: aim at the second half of the run.
    delay_us=$((took_us / 2 + (RANDOM * 32768 + RANDOM) % (took_us / 2 + 1)))
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

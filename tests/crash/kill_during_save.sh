#!/bin/bash
# Kills the game (kill -9) at random moments while it saves into slot 1, at
# least 100 times, and checks that once the next start has looked at the
# slot, the live pair and the backup pair each hold one save whole (never a
# torn file or a mixed pair), that the backup is the previous save whenever
# the live pair is the new one, and that no temporary file is left.
# usage: kill_during_save.sh VELA_HEADLESS BUILT_DATA_DIR [TRIES]
set -u
HEADLESS=$(realpath "$1")
DATA=$(realpath "$2")
TRIES=${3:-100}
PARTY="$(cd "$(dirname "$0")" && pwd)/../scenarios/files/healer_party.dat"
# Every run continues slot 1 (/g): the first makes the old save, the second
# walks three squares and saves the new one over it.
SAVE_KEYS="G{down*5}{enter}{down}{enter}{enter}"
NEW_KEYS="{right*3}$SAVE_KEYS"

fresh() {
    local dir
    dir=$(mktemp -d)
    cp "$DATA"/* "$dir"/
    echo "$dir"
}

# Each step of a save lasts 3 ms longer, so that kills at random moments of
# a run often land inside the save.
play() {  # play DIR KEYS [ARGS]
    (cd "$1" && "$HEADLESS" --seed 1 --save-step-ms 3 --keys "$2" ${3:-} >/dev/null 2>&1)
}

same() {  # same DIR SAVE [.bak]: the live (or backup) pair in DIR is SAVE's
    cmp -s "$1/player1.dat${3:-}" "$2/player1.dat" && cmp -s "$1/save1.map${3:-}" "$2/save1.map"
}

# Three saves told apart by their bytes: "older" sits in the backup when the
# killed run starts, "old" in the slot, and "new" is what the run saves.
# The older pair is the old one with a different gold and a different cell
# beyond the map's edge.
reference=$(fresh)
saves=$(mktemp -d)
mkdir "$saves/old" "$saves/older" "$saves/new"
cp "$PARTY" "$reference/player1.dat"
play "$reference" "$SAVE_KEYS" /g
[ -f "$reference/save1.map" ] || { echo "the first run saved nothing"; exit 1; }
cp "$reference/player1.dat" "$reference/save1.map" "$saves/old/"
cp "$reference/player1.dat" "$reference/save1.map" "$saves/older/"
printf '\x55' | dd of="$saves/older/player1.dat" bs=1 seek=11 conv=notrunc status=none
printf '\x55' | dd of="$saves/older/save1.map" bs=1 seek=25001 conv=notrunc status=none
cmp -s "$saves/older/player1.dat" "$saves/old/player1.dat" && { echo "gold 0x55 does not tell the saves apart"; exit 1; }
cmp -s "$saves/older/save1.map" "$saves/old/save1.map" && { echo "the last cell does not tell the saves apart"; exit 1; }
cp "$saves/older/player1.dat" "$reference/player1.dat.bak"
cp "$saves/older/save1.map" "$reference/save1.map.bak"
start=$(date +%s%N)
play "$reference" "$NEW_KEYS" /g
took_us=$((($(date +%s%N) - start) / 1000))
cp "$reference/player1.dat" "$reference/save1.map" "$saves/new/"
cmp -s "$saves/new/player1.dat" "$saves/old/player1.dat" && { echo "the second save wrote nothing new"; exit 1; }
same "$reference" "$saves/old" .bak || { echo "a whole save did not keep the previous one as backup"; exit 1; }
# Every name a folder may hold once the slot has been looked at.
expected=$(cd "$reference" && ls)

live_old=0 live_new=0 bak_older=0 bak_old=0 bad=0 cut=0 left=0
for ((i = 1; i <= TRIES; i++)); do
    work=$(fresh)
    cp "$saves/old/player1.dat" "$saves/old/save1.map" "$work/"
    cp "$saves/older/player1.dat" "$work/player1.dat.bak"
    cp "$saves/older/save1.map" "$work/save1.map.bak"
    (cd "$work" && exec "$HEADLESS" --seed 1 --save-step-ms 3 --keys "$NEW_KEYS" /g >/dev/null 2>&1) &
    pid=$!
    delay_us=$(((RANDOM * 32768 + RANDOM) % (took_us + 1)))
    sleep "$(printf '%d.%06d' $((delay_us / 1000000)) $((delay_us % 1000000)))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ "$(cd "$work" && ls)" != "$expected" ] && cut=$((cut + 1))
    # The next start looks at the slot first: it finishes or discards the cut save.
    play "$work" "" /g
    live=mixed bak=mixed
    if same "$work" "$saves/old"; then live=old; live_old=$((live_old + 1)); fi
    if same "$work" "$saves/new"; then live=new; live_new=$((live_new + 1)); fi
    if same "$work" "$saves/older" .bak; then bak=older; bak_older=$((bak_older + 1)); fi
    if same "$work" "$saves/old" .bak; then bak=old; bak_old=$((bak_old + 1)); fi
    if [ $live = mixed ] || [ $bak = mixed ] || { [ $live = new ] && [ $bak = older ]; }; then
        bad=$((bad + 1))
        echo "try $i: the live pair is $live, the backup pair $bak:"
        ls -l "$work"/player1* "$work"/save1* 2>&1
    fi
    leftover=$(cd "$work" && ls | grep -vxF "$expected")
    if [ -n "$leftover" ]; then
        left=$((left + 1))
        echo "try $i: left behind:" $leftover
    fi
    rm -rf "$work"
done
rm -rf "$reference" "$saves"
echo "$TRIES kills in a run of about ${took_us} us ($cut with temporary files at the kill):" \
    "live pair old $live_old, new $live_new; backup pair older $bak_older, old $bak_old;" \
    "mixed or lost $bad; temporary files left after the next start $left"
[ "$bad" -eq 0 ] && [ "$left" -eq 0 ]
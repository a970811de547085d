#!/bin/bash
# Runs every scenario (*.scn) through the headless harness and checks what
# it left behind. usage: run.sh VELA_HEADLESS BUILT_DATA_DIR
#
# A scenario file holds one directive per line:
#   keys TEXT          the key script (harness syntax)
#   title              the keys start at the title; without it, a scenario
#                      that starts a new game first plays hero.keys, which
#                      creates the hero 레온 (a man of the fighter family,
#                      class 1) through the creation screens
#   args ARGS          extra game arguments (e.g. /g)
#   status N           expected exit status (default 0)
#   file NAME [AS]     copy tests/scenarios/files/NAME into the game folder
#                      first (under the name AS when given), keeping its
#                      time: older than any save the game writes
#   state TEXT         the state JSON contains TEXT
#   transcript TEXT    a transcript line contains TEXT ("x y colour text")
#   stderr TEXT        the harness printed TEXT to standard error (message boxes)
#   same A B           files A and B of the game folder are equal byte for byte
#   absent NAME        the game folder holds no file NAME
#   golden NAME        the screen {shot:NAME} saved, or the final screen when
#                      the keys take no such shot, equals tests/golden/NAME.png
#                      (VELA_UPDATE_GOLDEN=1 rewrites it)
#   exists NAME        the game folder holds NAME when the game has ended
set -u
HEADLESS=$(realpath "$1")
DATA=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
GOLDEN="$HERE/../golden"
failures=0

fail() {
    echo "FAIL $1: $2"
    failures=$((failures + 1))
}

for scenario in "$HERE"/*.scn; do
    name=$(basename "$scenario" .scn)
    work=$(mktemp -d)
    cp "$DATA"/* "$work"/
    keys=$(sed -n 's/^keys //p' "$scenario")
    args=$(sed -n 's/^args //p' "$scenario")
    if ! grep -q '^title$' "$scenario" && ! echo " $args " | grep -qE ' (/g|/G|--sample) '; then
        keys="$(grep -v "^#" "$HERE/hero.keys" | tr -d "\r\n")$keys"
    fi
    want=$(sed -n 's/^status //p' "$scenario")
    sed -n 's/^file //p' "$scenario" | while read -r f as; do cp -p "$HERE/files/$f" "$work/${as:-$(basename "$f")}"; done
    (cd "$work" && timeout 60 "$HEADLESS" --seed 1 --keys "$keys" --shot shot.png \
        --transcript transcript.txt --state state.json $args >stdout.txt 2>stderr.txt)
    status=$?
    [ "$status" = "${want:-0}" ] || fail "$name" "exit status $status, wanted ${want:-0}: $(head -3 "$work/stderr.txt")"
    while IFS= read -r line; do
        kind=${line%% *}
        text=${line#* }
        case "$kind" in
            state) grep -qF -- "$text" "$work/state.json" || fail "$name" "state lacks $text" ;;
            transcript) grep -qF -- "$text" "$work/transcript.txt" || fail "$name" "transcript lacks '$text'" ;;
            same) cmp -s "$work/${text%% *}" "$work/${text#* }" || fail "$name" "$text differ" ;;
            absent) [ ! -e "$work/$text" ] || fail "$name" "$text exists" ;;
            stderr) grep -qF -- "$text" "$work/stderr.txt" || fail "$name" "stderr lacks '$text'" ;;
            exists) [ -e "$work/$text" ] || fail "$name" "the game folder lacks $text" ;;
            golden)
                screen="$work/shot.png"
                [ -e "$work/$text.png" ] && screen="$work/$text.png"
                if [ "${VELA_UPDATE_GOLDEN:-0}" = 1 ]; then
                    cp "$screen" "$GOLDEN/$text.png"
                elif ! cmp -s "$screen" "$GOLDEN/$text.png"; then
                    cp "$screen" "$GOLDEN/$text.png.new"
                    fail "$name" "screen differs from golden $text.png (actual: $text.png.new)"
                fi
                ;;
        esac
    done <"$scenario"
    rm -rf "$work"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures scenario check(s) failed"
    exit 1
fi
echo "all scenarios passed"

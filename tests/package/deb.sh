#!/bin/bash
# The Debian package: cpack builds it from a finished build, lintian finds no
# error in it, and unpacked with dpkg-deb into a scratch root it holds the
# game, its data, the desktop entry, the icons, the manual page and the
# copyright. The harness plays the first stage of the playthrough on the
# unpacked data, and the unpacked game, started on a private Xvfb display
# from a folder without data, shows its window after copying its data into
# the player's folder.
#
#   tests/package/deb.sh BUILD_DIR VELA_HEADLESS
set -u
fail() {
    echo "package: FAIL: $*" >&2
    exit 1
}
say() { echo "package: $*"; }
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR VELA_HEADLESS" >&2; exit 2; }
BUILD=$(realpath -- "$1") || exit 2
HEADLESS=$(realpath -- "$2") || exit 2
HERE=$(cd "$(dirname "$0")/.." && pwd)
for tool in cpack dpkg-deb lintian; do
    command -v "$tool" >/dev/null 2>&1 || fail "'$tool' is not installed (scripts/install-deps.sh)"
done

# game_in_xvfb.sh makes WORK and removes it, with Xvfb and the game, on exit.
# shellcheck source=../smoke/game_in_xvfb.sh
. "$HERE/smoke/game_in_xvfb.sh"

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 5 "$WORK/cpack.log")"
deb=$(ls "$WORK"/out/vela_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "cpack made no vela_<version>_amd64.deb: $(ls "$WORK/out")"
say "built $(basename "$deb")"

lintian --fail-on error "$deb" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(grep '^E:' "$WORK/lintian.log")"
say "lintian reports no errors ($(grep -c '^W:' "$WORK/lintian.log") warnings)"

ROOT=$WORK/root
dpkg-deb -x "$deb" "$ROOT" || fail "dpkg-deb could not unpack the package"
[ -x "$ROOT/usr/games/vela" ] || fail "no /usr/games/vela"
for f in usr/share/games/vela/ascii.fnt usr/share/games/vela/Tarn.map usr/share/games/vela/foedata.dat \
    usr/share/applications/vela.desktop usr/share/man/man6/vela.6.gz \
    usr/share/doc/vela/copyright usr/share/doc/vela/changelog.gz; do
    [ -s "$ROOT/$f" ] || fail "no /$f"
done
for size in 16 32 48 64 128 256; do
    icon=$ROOT/usr/share/icons/hicolor/${size}x$size/apps/vela.png
    dims=$(od -An -tu1 -j16 -N8 "$icon" 2>/dev/null |
        awk '{print ($1*16777216 + $2*65536 + $3*256 + $4) "x" ($5*16777216 + $6*65536 + $7*256 + $8)}')
    [ "$dims" = "${size}x$size" ] || fail "the ${size}x$size icon is ${dims:-missing}"
done
zcat "$ROOT/usr/share/man/man6/vela.6.gz" | grep -q 'renderer' || fail "the manual page lists no switches"
[ -z "$(ls "$ROOT"/usr/share/games/vela | grep -E '^(player|save)[0-9]|\.png$')" ] ||
    fail "the package holds saved games or screenshots"
say "the game, its data, desktop entry, icons, manual page and copyright are in place"

# The first stage of the playthrough, on the packaged data.
mkdir "$WORK/stage" && cp "$ROOT"/usr/share/games/vela/* "$WORK/stage/"
stage=$HERE/playthrough/stages/01_new_hero
(cd "$WORK/stage" && timeout 60 "$HEADLESS" --seed 1 --keys "$(grep -v '^#' "$stage.keys" | tr -d '\r\n')" \
    --state state.json >/dev/null 2>&1) || fail "the harness did not play the first stage on the packaged data"
grep -v -e '^#' -e '^status ' -e '^text ' -e '^$' "$stage.expect" | while IFS= read -r want; do
    grep -qF -- "$want" "$WORK/stage/state.json" || { echo "package: FAIL: the first stage's state lacks $want" >&2; exit 1; }
done || exit 1
say "the harness played the first stage of the playthrough on the packaged data"

# The unpacked game reads its data beside itself and plays in the player's folder.
export XDG_DATA_HOME=$WORK/share
DATA=$ROOT/usr/share/games/vela
startXvfb 800x600
rm -f "$WORK"/game/*  # the game's own folder holds no data: it must find its own
VELA=$ROOT/usr/games/vela
startGame
[ -f "$XDG_DATA_HOME/vela/ascii.fnt" ] || fail "the game did not copy its data into $XDG_DATA_HOME/vela"
say "the unpacked game showed its window, playing in $XDG_DATA_HOME/vela"

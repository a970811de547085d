#!/usr/bin/env python3
"""Imports the whole jamo of the name keyboard from GNU Unifont.

    import_jamo.py [--hex PATH] [--out FILE] [--force]

The keyboard shows each letter standing alone, not the piece a syllable
uses. These are unifont's 51 compatibility jamo (U+3131..U+3163, 30
consonants then 21 vowels) in the bold cut of the creation screens: each
stroke one pixel wider to the right, never closing a one-pixel gap; each
letter is then centred in its 16 x 16 square, as a key shows it. The text
source it writes, data/fonts/jamo.txt, is the source of truth once
committed; the import refuses to overwrite it unless --force is given.
"""

import argparse
import os
import sys

import import_unifont as fonts

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_HEX = "/usr/share/unifont/unifont.hex"
DEFAULT_OUT = os.path.join(os.path.dirname(os.path.dirname(HERE)), "data", "fonts", "jamo.txt")
FIRST, COUNT = 0x3131, 51

HEADER = """# jamo.fnt: the whole jamo of the name keyboard, bold cut
# One glyph per block: a 'glyph N letter' line, then 16 rows of '#' (ink) and '.'.
# Imported from GNU Unifont (GPL-2.0-or-later) by tools/fontimport/import_jamo.py; see README.md.
"""


def load(path):
    return {cp: [[(row >> (width - 1 - x)) & 1 for x in range(16)] for row in rows]
            for cp, width, rows in fonts.hex_rows(path, lambda cp: FIRST <= cp < FIRST + COUNT)}


def bold(glyph):
    out = [row[:] for row in glyph]
    for y, row in enumerate(glyph):
        for x in range(15):
            # ㄲ ㄸ ㅆ and the like keep the gap between their strokes
            if row[x] and not (x + 2 < 16 and row[x + 2]):
                out[y][x + 1] = 1
    return out


def centred(glyph):
    inked = [(x, y) for y in range(16) for x in range(16) if glyph[y][x]]
    left, right = min(x for x, _ in inked), max(x for x, _ in inked)
    top, bottom = min(y for _, y in inked), max(y for _, y in inked)
    dx, dy = (15 - right - left) // 2, (15 - bottom - top) // 2
    out = [[0] * 16 for _ in range(16)]
    for x, y in inked:
        out[y + dy][x + dx] = 1
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--hex", default=DEFAULT_HEX)
    ap.add_argument("--out", default=DEFAULT_OUT)
    ap.add_argument("--force", action="store_true", help="overwrite the existing source")
    args = ap.parse_args()
    if os.path.exists(args.out) and not args.force:
        sys.exit("%s exists; it may be edited by hand. Use --force to overwrite it." % args.out)
    glyphs = load(args.hex)
    with open(args.out, "w", encoding="utf-8") as f:
        f.write(HEADER)
        for g in range(COUNT):
            f.write("\nglyph %d %s\n" % (g, chr(FIRST + g)))
            rows = centred(bold(glyphs[FIRST + g]))
            f.write("\n".join("".join("#" if p else "." for p in row) for row in rows) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())

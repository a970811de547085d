#!/usr/bin/env python3
"""Imports the game's bitmap fonts from GNU Unifont and measures them against it.

    import_unifont.py [--hex PATH] [--out DIR] [--force]   write data/fonts/*.txt
    import_unifont.py --report [--hex PATH] [--out DIR]      compare the committed sources with unifont

The text sources in data/fonts/ are the source of truth once committed: the
import refuses to overwrite them unless --force is given, and hand edits made
after an import are lost by a forced one. Corrections that should survive a
re-import belong in the correction steps below.

How the Hangul pieces are found: every unifont syllable is a target picture.
Each of our 224 pieces is used by a known set of syllables. For every pixel on
its own, we choose which pieces carry it so that no two pieces used together
in one syllable both carry it (pieces never overlap), and so that the number
of syllables where the composed pixel differs from unifont is smallest. That
is a weighted independent-set problem on the pieces, solved by local search.
Then the correction steps redraw the vowels whose unifont shapes cannot be
shared (the ㅜ family and its compounds) and part the pieces that would
touch, and the bold and italic cuts are derived from the regular one and
parted the same way.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DEFAULT_HEX = "/usr/share/unifont/unifont.hex"
DEFAULT_OUT = os.path.join(REPO, "data", "fonts")

# Johab medial codes of the 21 vowels in Unicode order, and their letters.
MEDIAL_CODES = [3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 26, 27, 28, 29]
VOWELS = "ㅏㅐㅑㅒㅓㅔㅕㅖㅗㅘㅙㅚㅛㅜㅝㅞㅟㅠㅡㅢㅣ"
INITIALS = "ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ"
FINALS = "ㄱㄲㄳㄴㄵㄶㄷㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅄㅅㅆㅇㅈㅊㅋㅌㅍㅎ"
HORIZONTAL = {13, 19, 20, 26, 27}
VERTICAL = {3, 4, 5, 6, 7, 10, 11, 12, 29}

MEDIAL_LETTER = {c: VOWELS[i] for i, c in enumerate(MEDIAL_CODES)}
MEDIAL_OF_LETTER = {VOWELS[i]: c for i, c in enumerate(MEDIAL_CODES)}


def final_code(t):  # Unicode final index 1..27 -> Johab final code
    return t + 1 if t <= 16 else t + 2


FINAL_LETTER = {final_code(t): FINALS[t - 1] for t in range(1, 28)}
FINAL_OF_LETTER = {v: k for k, v in FINAL_LETTER.items()}


def initial_form(medial, has_final):
    base = 0 if (medial < 13 or medial == 29) else (1 if medial in HORIZONTAL else 2)
    return base + (3 if has_final else 0)


def initial_glyph(l_code, medial, has_final):
    return (l_code - 2) * 6 + initial_form(medial, has_final)


def medial_glyph(medial, has_final):
    return 114 + (medial - 3) * 2 + (1 if has_final else 0)


def final_glyph(f_code, medial):
    return 168 + (f_code - 2) * 2 + (1 if medial in HORIZONTAL else 0)


def syllables():
    """Yields (unicode scalar, [piece glyphs]) for all 11,172 syllables."""
    for s in range(11172):
        l, v, t = s // 588, (s // 28) % 21, s % 28
        m = MEDIAL_CODES[v]
        pieces = [initial_glyph(l + 2, m, t > 0), medial_glyph(m, t > 0)]
        if t:
            pieces.append(final_glyph(final_code(t), m))
        yield 0xAC00 + s, pieces


def glyph_label(g):
    if g < 114:
        return "initial %s form %d" % (INITIALS[g // 6], g % 6)
    if g < 168:
        code = 3 + (g - 114) // 2
        if code not in MEDIAL_LETTER:
            return "medial unused"
        return "medial %s%s" % (MEDIAL_LETTER[code], " with final" if (g - 114) % 2 else "")
    code = 2 + (g - 168) // 2
    if code not in FINAL_LETTER:
        return "final unused"
    return "final %s%s" % (FINAL_LETTER[code], " under horizontal" if (g - 168) % 2 else "")


def used_glyphs():
    used = set()
    for _, pieces in syllables():
        used.update(pieces)
    return used


def ascii_label(g):
    code = 31 + g
    if code == 31:
        return "control"
    return "'%s'" % chr(code)


# ---------------------------------------------------------------- bitmaps
# A 16 x 16 bitmap is an int: bit (y * 16 + x) is the pixel in column x, row y.

def bit(x, y):
    return 1 << (y * 16 + x)


def get(b, x, y):
    return (b >> (y * 16 + x)) & 1


def shift(b, dx, dy):
    out = 0
    for y in range(16):
        for x in range(16):
            if get(b, x, y):
                nx, ny = x + dx, y + dy
                if 0 <= nx < 16 and 0 <= ny < 16:
                    out |= bit(nx, ny)
    return out


def hex_rows(path, wanted):
    """(code point, width, its 16 rows as bit patterns) for every glyph of a
    unifont .hex file whose code point wanted() accepts."""
    with open(path) as f:
        for line in f:
            code, _, hexa = line.strip().partition(":")
            cp = int(code, 16)
            if not wanted(cp):
                continue
            per_row = len(hexa) // 16  # 2 or 4 hex digits: 8 or 16 pixels
            yield cp, per_row * 4, [int(hexa[y * per_row:(y + 1) * per_row], 16) for y in range(16)]


def load_unifont(path):
    glyphs = {}
    for cp, width, rows in hex_rows(path, lambda cp: 0x20 <= cp <= 0x7E or 0xAC00 <= cp <= 0xD7A3):
        b = 0
        for y, row in enumerate(rows):
            for x in range(width):
                if row & (1 << (width - 1 - x)):
                    b |= bit(x, y)
        glyphs[cp] = b
    return glyphs


def from_rows(rows):
    b = 0
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "#":
                b |= bit(x, y)
    return b


def to_rows(b, width):
    return ["".join("#" if get(b, x, y) else "." for x in range(width)) for y in range(16)]


# ---------------------------------------------------------------- fitting
def fit_pieces(uni):
    """Chooses the pieces pixel by pixel (see the module comment)."""
    syl = list(syllables())
    n = len(syl)
    users = {}  # glyph -> bitmask over syllable numbers
    for i, (_, pieces) in enumerate(syl):
        for p in pieces:
            users[p] = users.get(p, 0) | (1 << i)
    glyphs = sorted(users)
    conflicts = {g: set() for g in glyphs}
    for _, pieces in syl:
        for a in pieces:
            for b in pieces:
                if a != b:
                    conflicts[a].add(b)
    def region(g):  # rows a piece may use: finals sit below the rest
        if g >= 168:
            return range(9, 16)
        if (g < 114 and g % 6 >= 3) or (114 <= g < 168 and g % 2):
            return range(0, 10)
        return range(16)

    allowed = {g: set(region(g)) for g in glyphs}
    pieces = {g: 0 for g in range(224)}
    for p in range(256):
        target = 0
        for i, (cp, _) in enumerate(syl):
            if (uni[cp] >> p) & 1:
                target |= 1 << i
        weight = {g: bin(users[g] & target).count("1") - bin(users[g] & ~target).count("1")
                  if p // 16 in allowed[g] else -n for g in glyphs}
        on = set()
        # Greedy by weight, then improve with swaps: turning a piece on turns
        # off every conflicting piece when the total weight grows.
        for g in sorted(glyphs, key=lambda g: -weight[g]):
            if weight[g] > 0 and not (conflicts[g] & on):
                on.add(g)
        improved = True
        while improved:
            improved = False
            for g in glyphs:
                if g in on or weight[g] <= 0:
                    continue
                lost = conflicts[g] & on
                if weight[g] > sum(weight[h] for h in lost):
                    on -= lost
                    on.add(g)
                    improved = True
        for g in on:
            pieces[g] |= 1 << p
    return pieces


# ---------------------------------------------------------------- corrections
def art(*rows):
    """A bitmap drawn as 16 rows of '#'/'.' (shorter rows are padded)."""
    return from_rows(rows)


def exact_pieces(uni):
    """Unifont's own decomposition: every syllable is exactly
    initial(L, vowel, has final) | vowel(V, has final) | final(T, vowel)."""
    full = (1 << 256) - 1

    def syl(l, v, t):
        return uni[0xAC00 + l * 588 + v * 28 + t]

    def conj(bs):
        out = full
        for b in bs:
            out &= b
        return out

    finals = {0: [0], 1: range(1, 28)}
    uv = {(v, f): conj(syl(l, v, t) for l in range(19) for t in finals[f]) for v in range(21) for f in (0, 1)}
    ui = {(l, v, f): conj(syl(l, v, t) for t in finals[f]) & ~uv[v, f]
          for l in range(19) for v in range(21) for f in (0, 1)}
    uf = {(t, v): conj(syl(l, v, t) for l in range(19)) & ~uv[v, 1] for t in range(1, 28) for v in range(21)}
    return ui, uv, uf


def rows_between(b, top, bottom):
    mask = 0
    for y in range(top, bottom + 1):
        mask |= 0xFFFF << (y * 16)
    return b & mask


# Vowels over a final consonant, drawn for the layout where the initial sits
# in rows 0..5 (0..4 over the compounds), the vowel in rows 6..8 (7..8 for
# the simple ones) and the final in rows 10..14, so that a blank row parts
# each piece from the next.
VOWELS_OVER_FINAL = {
    "ㅗ": ["", "", "", "", "", "", "", ".......#", ".#############"],
    "ㅛ": ["", "", "", "", "", "", "", ".....#...#", ".#############"],
    "ㅜ": ["", "", "", "", "", "", "", ".#############", ".......#"],
    "ㅠ": ["", "", "", "", "", "", "", ".#############", ".....#...#"],
    "ㅡ": ["", "", "", "", "", "", "", "", ".#############"],
    "ㅝ": ["............#", "............#", "............#", "............#", "............#", "............#",
          ".##########.#", "......#..####", "......#.....#"],
    "ㅞ": ["..........#.#", "..........#.#", "..........#.#", "..........#.#", "..........#.#", "..........#.#",
          ".########.#.#", ".....#.####.#", ".....#....#.#"],
    "ㅟ": ["............#", "............#", "............#", "............#", "............#", "............#",
          ".##########.#", "......#.....#", "......#.....#"],
}


def correct_regular(pieces, uni):
    """Fixes of the fitted regular cut, applied in order. Each step redraws a
    family of pieces whose unifont shapes cannot be shared in our layout."""
    ui, uv, uf = exact_pieces(uni)
    v_of = {c: i for i, c in enumerate(VOWELS)}
    # 1. Horizontal vowels over a final: unifont draws these alike for every
    #    initial, so take the initials from the ㅡ syllables, the finals from
    #    under ㅡ, and draw the five vowels in the rows between.
    for l in range(19):
        pieces[l * 6 + 4] = ui[l, v_of["ㅡ"], 1]
    for t in range(1, 28):
        pieces[final_glyph(final_code(t), 27)] = uf[t, v_of["ㅡ"]]
    for c in "ㅗㅛㅜㅠㅡ":
        pieces[medial_glyph(MEDIAL_OF_LETTER[c], True)] = art(*VOWELS_OVER_FINAL[c])
    # 2. Compound vowels over a final: unifont lifts the initial over the ㅜ
    #    compounds, which leaves room for the ㅗ compounds too. Take those
    #    initials; the ㅗ compounds and ㅢ are unifont's own pieces, the ㅜ
    #    compounds are drawn.
    for l in range(19):
        pieces[l * 6 + 5] = ui[l, v_of["ㅝ"], 1]
    for c in "ㅘㅙㅚㅢ":
        pieces[medial_glyph(MEDIAL_OF_LETTER[c], True)] = uv[v_of[c], 1]
    for c in "ㅝㅞㅟ":
        pieces[medial_glyph(MEDIAL_OF_LETTER[c], True)] = art(*VOWELS_OVER_FINAL[c])
    # 3. Horizontal vowels without a final: unifont lifts the initial over ㅜ
    #    and ㅠ; those initials leave room for the stems of ㅗ and ㅛ as well.
    for l in range(19):
        pieces[l * 6 + 1] = rows_between(ui[l, v_of["ㅜ"], 0], 0, 9)
    for c in "ㅜㅠㅡ":
        pieces[medial_glyph(MEDIAL_OF_LETTER[c], False)] = uv[v_of[c], 0]
    pieces[medial_glyph(13, False)] = art(*[""] * 10 + [".......#"] * 3 + [".#############"])
    pieces[medial_glyph(19, False)] = art(*[""] * 10 + [".....#...#"] * 3 + [".#############"])
    # 4. Initials over a compound vowel without a final: unifont's ㅝ
    #    initials end by row 8, a blank row above the ㅜ bar; the ㅗ stems of
    #    ㅘ ㅙ ㅚ start below that blank row. They end by column 9, a blank
    #    column before the stem of ㅘ.
    for l in range(19):
        g = l * 6 + 2
        pieces[g] = ui[l, v_of["ㅝ"], 0]
        while pieces[g] & columns(10, 15) and not pieces[g] & columns(0, 0):
            pieces[g] = shift(pieces[g], -1, 0)
    for c in "ㅘㅙㅚ":
        g = medial_glyph(MEDIAL_OF_LETTER[c], False)
        pieces[g] &= ~rows_between(pieces[g] & columns(0, 7), 9, 9)
    # 5. Initials over a vowel and a final end by row 5, over a compound vowel
    #    and a final by row 4, so a blank row parts them from the vowel: they
    #    move up where they can, and a row repeating the one below it is
    #    dropped where they cannot.
    for l in range(19):
        for form, last in ((4, 5), (5, 4)):
            g = l * 6 + form
            while rows_between(pieces[g], last + 1, 15) and not rows_between(pieces[g], 0, 0):
                pieces[g] = shift(pieces[g], 0, -1)
            while rows_between(pieces[g], last + 1, 15):
                pieces[g] = drop_repeated_row(pieces[g])
    # 6. The corner pixel at row 4, column 8 belongs to the initials that
    #    unifont draws with it beside ㅏ; in the vowels it floats beside ㄴ ㅅ ㅇ ㅊ.
    corner = bit(8, 4)
    for c in "ㅏㅐㅑㅒㅓㅔㅕㅖㅣ":
        pieces[medial_glyph(MEDIAL_OF_LETTER[c], False)] &= ~corner
    for l in range(19):
        if uni[0xAC00 + l * 588] & corner:
            pieces[l * 6] |= corner
    return separate(pieces)


def columns(left, right):
    return sum(bit(x, y) for x in range(left, right + 1) for y in range(16))


def drop_repeated_row(b):
    """Squeezes a bitmap one row shorter: the lowest row that repeats the row
    below it goes, and the rows under it move up."""
    for y in range(14, -1, -1):
        row = (b >> (y * 16)) & 0xFFFF
        if row and row == (b >> ((y + 1) * 16)) & 0xFFFF:
            above = b & ((1 << (y * 16)) - 1)
            return above | ((b >> ((y + 1) * 16)) << (y * 16))
    sys.exit("cannot squeeze a piece shorter")


def separate(pieces, verbose=True):
    """Clears pixels where two pieces used in one syllable meet: the vowel
    keeps them over the initial, the final over the vowel."""
    for _, ps in syllables():
        for i in range(len(ps)):
            for j in range(i + 1, len(ps)):
                both = pieces[ps[i]] & pieces[ps[j]]
                if both:
                    if verbose:
                        print("separate: %s loses %d pixels to %s" % (glyph_label(ps[i]), bin(both).count("1"),
                                                                    glyph_label(ps[j])))
                    pieces[ps[i]] &= ~both
    return pieces


def co_used_pairs():
    pairs = set()
    for _, ps in syllables():
        for i in range(len(ps)):
            for j in range(i + 1, len(ps)):
                pairs.add((ps[i], ps[j]))
    return sorted(pairs)


FULL = (1 << 256) - 1
LEFT_EDGE = sum(bit(0, y) for y in range(16))
RIGHT_EDGE = sum(bit(15, y) for y in range(16))


def grow4(b):
    """The pixels beside (left, right, above, below) any pixel of b."""
    return ((b >> 1) & ~RIGHT_EDGE) | ((b << 1) & ~LEFT_EDGE & FULL) | (b >> 16) | ((b << 16) & FULL)


def grow8(b):
    row = b | ((b >> 1) & ~RIGHT_EDGE) | ((b << 1) & ~LEFT_EDGE & FULL)
    return row | (row >> 16) | ((row << 16) & FULL)


def lone_pixels(b):
    """Pixels of b with no other pixel of b among their eight neighbours."""
    out = 0
    for p in pixels(b):
        if not grow8(1 << p) & b & ~(1 << p):
            out |= 1 << p
    return out


def pixels(b):
    while b:
        low = b & -b
        yield low.bit_length() - 1
        b ^= low


def components(b):
    count = 0
    while b:
        seen = b & -b
        while True:
            more = grow8(seen) & b
            if more == seen:
                break
            seen = more
        b &= ~seen
        count += 1
    return count


def trim_cost(piece, p):
    """How much a piece loses when pixel p goes: None where it would break a
    stroke in two or leave a pixel alone, else the number of its neighbours
    (0 for a loose pixel, 1 for the end of a stroke)."""
    rest = piece & ~(1 << p)
    near = grow8(1 << p) & rest
    if lone_pixels(rest) & near or components(rest) > components(piece):
        return None
    return bin(grow4(1 << p) & rest).count("1")


def keep_gap(pieces, name=None):
    """Parts pieces that touch side by side in some syllable: of each two
    touching pixels, the one whose piece loses least goes (a loose pixel or a
    stroke end, never a pixel that holds a stroke together; between equals,
    the one of the piece fewer syllables use). A piece loses at
    most two pixels beside any other, so no stroke is eaten away. Returns the
    pairs that still touch."""
    pairs = co_used_pairs()
    uses = {}
    for _, ps in syllables():
        for g in ps:
            uses[g] = uses.get(g, 0) + 1
    stuck = []
    changed = True
    while changed:
        changed = False
        stuck = []
        for a, b in pairs:
            before = {a: pieces[a], b: pieces[b]}
            while pieces[a] and grow4(pieces[a]) & pieces[b]:
                best = None
                for p in pixels(grow4(pieces[a]) & pieces[b]):
                    for q in pixels(grow4(1 << p) & pieces[a]):
                        for g, pixel in ((b, p), (a, q)):
                            if bin(before[g] & ~pieces[g]).count("1") >= 2:
                                continue
                            cost = trim_cost(pieces[g], pixel)
                            if cost is not None and (best is None or (cost, uses[g]) < best[0]):
                                best = ((cost, uses[g]), g, pixel)
                if best is None:
                    stuck.append((a, b))
                    break
                _, g, pixel = best
                if name:
                    print("%s: %s loses row %d column %d beside %s" % (
                        name, glyph_label(g), pixel // 16, pixel % 16, glyph_label(b if g == a else a)))
                pieces[g] &= ~(1 << pixel)
                changed = True
    return stuck


# ---------------------------------------------------------------- derived cuts
def conflict_map():
    conflicts = {g: set() for g in range(224)}
    for _, pieces in syllables():
        for a in pieces:
            for b in pieces:
                if a != b:
                    conflicts[a].add(b)
    return conflicts


def keep_apart(original, grown):
    """Removes grown pixels that would touch a piece used in the same syllable.

    A pixel added by emboldening is dropped where any co-used piece, grown,
    carries that pixel or one beside it, so pieces keep their gap."""
    conflicts = conflict_map()
    out = {}
    for g in range(224):
        added = grown[g] & ~original[g]
        for h in conflicts[g]:
            added &= ~(grown[h] | grow4(grown[h]))
        out[g] = original[g] | added
    return out


def bold(pieces):
    """The first cut: each stroke one pixel wider, to the right, or to the left
    where the right would come too close to a piece used with it."""
    def widen(side, shapes, blocked=None):
        grown = {}
        for g, b in shapes.items():
            more = 0
            for y in range(16):
                for x in range(16):
                    # never close a one-pixel gap between two strokes (ㅐ, ㅔ, ㅆ stay open)
                    nx, far = x + side, x + 2 * side
                    if (get(b, x, y) and 0 <= nx < 16 and (blocked is None or get(blocked[g], x - side, y))
                            and not (0 <= far < 16 and get(b, far, y))):
                        more |= bit(nx, y)
            grown[g] = b | more
        return grown

    right = widen(1, pieces)
    kept = keep_apart(pieces, right)
    # a column of pixels that may not grow right all along grows left instead,
    # so a stroke keeps one edge rather than a ragged one
    leftward = {}
    for g, b in pieces.items():
        refused = right[g] & ~kept[g]
        runs = 0
        for p in pixels(refused):
            x, y = p % 16 - 1, p // 16
            top = y
            while top > 0 and get(b, x, top - 1):
                top -= 1
            while top < 16 and get(b, x, top):
                runs |= bit(x, top)
                top += 1
        kept[g] &= ~(shift(runs, 1, 0) & ~b)
        leftward[g] = runs
    return keep_apart(kept, widen(-1, kept, {g: shift(r, 1, 0) for g, r in leftward.items()}))


def counters(b):
    """The blank pixels that ink closes in: those no path of blank pixels
    (left, right, up, down) joins to the edge of the 16 x 16 square."""
    blank = FULL & ~b
    edge = sum(bit(x, y) for x in range(16) for y in range(16) if x in (0, 15) or y in (0, 15))
    outside = blank & edge
    while True:
        more = (outside | grow4(outside)) & blank
        if more == outside:
            return blank & ~outside
        outside = more


def italic(pieces):
    """The third cut: slanted (top rows pushed right), outer corners rounded
    except those of a closed counter, so ㅁ keeps its corners and never reads
    as ㅇ."""
    out = {}
    with_bridges = {}
    offset = [1] * 5 + [0] * 6 + [-1] * 5
    for g, b in pieces.items():
        # round outer corners: drop a pixel with exactly one horizontal and
        # one vertical neighbour that is the end of two strokes of length >= 2
        r = b
        enclosed = counters(b)
        for y in range(16):
            for x in range(16):
                if not get(b, x, y):
                    continue
                def on(xx, yy):
                    return 0 <= xx < 16 and 0 <= yy < 16 and get(b, xx, yy)
                h = [on(x - 1, y), on(x + 1, y)]
                v = [on(x, y - 1), on(x, y + 1)]
                if sum(h) == 1 and sum(v) == 1:
                    dx = -1 if h[0] else 1
                    dy = -1 if v[0] else 1
                    if (on(x + 2 * dx, y) and on(x, y + 2 * dy) and not on(x + dx, y + dy)
                            and not get(enclosed, x + dx, y + dy)):
                        r &= ~bit(x, y)
        s = bridged = 0
        for y in range(16):
            for x in range(16):
                if get(r, x, y):
                    nx = x + offset[y]
                    s |= bit(min(15, max(0, nx)), y)  # edge columns are blank in practice
                    # a diagonal stroke crossing into the next band of rows
                    # would come apart: a pixel beside its lower end bridges it
                    for below in (x - 1, x + 1):
                        if y < 15 and 0 <= below < 16 and get(r, below, y + 1) and not get(r, x, y + 1):
                            lx = below + offset[y + 1]
                            if abs(lx - nx) > 1:
                                bridged |= bit(lx + (1 if nx > lx else -1), y + 1)
        out[g] = s
        with_bridges[g] = s | bridged
    return keep_apart(out, with_bridges)


# ---------------------------------------------------------------- checks
def overlaps(pieces):
    """First syllable whose pieces overlap, or None."""
    for cp, ps in syllables():
        for i in range(len(ps)):
            for j in range(i + 1, len(ps)):
                if pieces[ps[i]] & pieces[ps[j]]:
                    return chr(cp)
    return None


def compose(pieces, ps):
    b = 0
    for p in ps:
        b |= pieces[p]
    return b


def rule_counts(pieces):
    """Syllables whose pieces touch side by side, and syllables with a pixel
    that has no neighbour."""
    touching = lone = 0
    for _, ps in syllables():
        touching += any(grow4(pieces[ps[i]]) & pieces[ps[j]]
                        for i in range(len(ps)) for j in range(i + 1, len(ps)))
        lone += lone_pixels(compose(pieces, ps)) != 0
    return touching, lone


def measure(pieces, uni):
    same = 0
    diff = 0
    for cp, ps in syllables():
        d = bin(compose(pieces, ps) ^ uni[cp]).count("1")
        diff += d
        same += d == 0
    return same, diff / 11172


# ---------------------------------------------------------------- text files
HEADER = """\
# {title}
# One glyph per block: a 'glyph N label' line, then 16 rows of '#' (ink) and '.'.
# Imported from GNU Unifont (GPL-2.0-or-later) and corrected by hand; see README.md.
"""


def write_hangul(path, pieces, title):
    with open(path, "w") as f:
        f.write(HEADER.format(title=title))
        for g in range(224):
            f.write("\nglyph %d %s\n" % (g, glyph_label(g)))
            f.write("\n".join(to_rows(pieces[g], 16)) + "\n")


def write_ascii(path, glyphs):
    with open(path, "w") as f:
        f.write(HEADER.format(title="ascii.fnt: 8 x 16 glyphs for codes 31..126 (31 is shown for control codes)"))
        for g in range(96):
            f.write("\nglyph %d %s\n" % (g, ascii_label(g)))
            f.write("\n".join(to_rows(glyphs[g], 8)) + "\n")


def read_glyphs(path, count, width):
    glyphs = {}
    lines = open(path, encoding="utf-8").read().split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.startswith("glyph "):
            g = int(line.split()[1])
            glyphs[g] = from_rows(lines[i + 1:i + 17])
            i += 17
        else:
            i += 1
    if sorted(glyphs) != list(range(count)):
        sys.exit("%s: glyphs missing or extra" % path)
    return glyphs


def ascii_glyphs(uni):
    glyphs = {g: uni.get(31 + g, 0) for g in range(1, 96)}
    # code 31, shown for control codes: a small hollow box
    glyphs[0] = art("........", "........", "........", "........",
                    ".#####..", ".#...#..", ".#...#..", ".#...#..",
                    ".#...#..", ".#...#..", ".#...#..", ".#####..")
    return glyphs


CUTS = [("tarn0.txt", "tarn0.fnt: Hangul pieces, bold cut (title, creation, ending)"),
        ("tarn1.txt", "tarn1.fnt: Hangul pieces, slanted cut (part of character creation)"),
        ("tarn2.txt", "tarn2.fnt: Hangul pieces, regular cut (the game's text)")]


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--hex", default=DEFAULT_HEX)
    ap.add_argument("--out", default=DEFAULT_OUT)
    ap.add_argument("--force", action="store_true", help="overwrite existing sources")
    ap.add_argument("--report", action="store_true", help="measure the committed sources")
    args = ap.parse_args()
    uni = load_unifont(args.hex)

    if args.report:
        print("set  identical syllables   mean differing pixels   overlap   touching   lone pixel")
        for n, (name, _) in enumerate(CUTS):
            pieces = read_glyphs(os.path.join(args.out, name), 224, 16)
            same, mean = measure(pieces, uni)
            bad = overlaps(pieces)
            touching, lone = rule_counts(pieces)
            print("%d    %5d / 11172 (%4.1f%%)   %5.2f                   %-7s   %5d      %5d"
                  % (n, same, 100.0 * same / 11172, mean, bad or "none", touching, lone))
        return 0

    targets = [os.path.join(args.out, name) for name, _ in CUTS] + [os.path.join(args.out, "ascii.txt")]
    if not args.force and any(os.path.exists(t) for t in targets):
        sys.exit("sources exist; they are edited by hand. Use --force to overwrite them.")

    fitted = fit_pieces(uni)
    same, mean = measure(fitted, uni)
    print("fitted: %d identical, %.2f pixels off on average" % (same, mean))
    regular = correct_regular(dict(fitted), uni)
    keep_gap(regular, "regular")
    cuts = [bold(regular), italic(regular), regular]
    for n, c in enumerate(cuts):
        for a, b in keep_gap(c, "set %d" % n):
            print("set %d: %s still touches %s" % (n, glyph_label(a), glyph_label(b)))
        bad = overlaps(c)
        if bad:
            print("set %d: pieces of %s overlap" % (n, bad))
    os.makedirs(args.out, exist_ok=True)
    for (name, title), c in zip(CUTS, cuts):
        write_hangul(os.path.join(args.out, name), c, title)
    write_ascii(os.path.join(args.out, "ascii.txt"), ascii_glyphs(uni))
    return 0


if __name__ == "__main__":
    sys.exit(main())

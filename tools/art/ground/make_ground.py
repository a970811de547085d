#!/usr/bin/env python3
"""Draws the ground tile set (overworld and underworld) and its palette.

Writes data/tiles/ground.txt and data/palettes/ground.txt. The text files are
the source of truth; this script is only the brush used to paint them, so a
hand edit of the .txt is fine as long as nobody re-runs the script over it.

    python3 tools/art/ground/make_ground.py            # write the two files
    python3 tools/art/ground/make_ground.py --preview /tmp/ground  # also PNGs

Every floor texture is periodic in 24 pixels (all random placement wraps),
so a field of one floor tile shows no seams.
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from artkit import N, Tile, screen_rgb, write_png, write_tile_set  # noqa: E402

# Palette indices by role.
K, DB, G, DG, BR, PU, OC, LG, GR, LB, BG, CY, RD, MG, YE, WH = range(16)

PALETTE = [
    (0, 0, 0, "black"),
    (6, 14, 36, "dark blue: water"),
    (14, 38, 11, "green: grass"),
    (6, 24, 0, "dark green: foliage shade, dark grass, swamp"),
    (30, 16, 8, "dark brown: earth, trunks, rock shade"),
    (32, 14, 31, "purple: crystal, dusk stone"),
    (48, 36, 14, "ochre: sand, road, lit rock"),
    (42, 42, 42, "light grey"),
    (12, 12, 12, "dark grey"),
    (24, 42, 63, "light blue: ripples"),
    (10, 60, 10, "bright green"),
    (10, 60, 60, "cyan"),
    (63, 26, 21, "red"),
    (60, 18, 60, "magenta"),
    (60, 60, 10, "yellow"),
    (60, 60, 60, "white"),
]


# ---------------------------------------------------------------- basics

def hsh(x, y, s):
    n = (x * 374761393 + y * 668265263 + s * 982451653 + 12345) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    n ^= n >> 16
    return n / 4294967296.0


def vnoise(x, y, s, cell=6):
    """Periodic value noise in [0, 1); cell must divide 24."""
    n = N // cell
    gx, gy = x / cell, y / cell
    x0, y0 = int(math.floor(gx)), int(math.floor(gy))
    fx, fy = gx - x0, gy - y0
    fx = fx * fx * (3 - 2 * fx)
    fy = fy * fy * (3 - 2 * fy)

    def v(i, j):
        return hsh(i % n, j % n, s)

    a = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * fx
    b = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * fx
    return a + (b - a) * fy


def ellipse_mask(cx, cy, rx, ry):
    m = set()
    for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
        for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
            dx = (x + 0.5 - cx) / rx
            dy = (y + 0.5 - cy) / ry
            if dx * dx + dy * dy <= 1.0:
                m.add((x, y))
    return m


def poly_mask(pts):
    m = set()
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    for y in range(int(min(ys)) - 1, int(max(ys)) + 2):
        for x in range(int(min(xs)) - 1, int(max(xs)) + 2):
            px, py = x + 0.5, y + 0.5
            inside = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > py) != (yj > py):
                    xc = xi + (py - yi) * (xj - xi) / (yj - yi)
                    if px < xc:
                        inside = not inside
                j = i
            if inside:
                m.add((x, y))
    return m


def rect_mask(x0, y0, x1, y1):
    return {(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)}


def edge(mask, x, y):
    return any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))


def shade_blob(t, mask, light, mid, dark, outline, wrap=False, hi=None, lx=-0.7, ly=-0.7,
               tl=0.35, td=-0.25, s=0):
    """Round shading: light from the top left, an outline all round."""
    if not mask:
        return
    xs = [p[0] for p in mask]
    ys = [p[1] for p in mask]
    cx = (min(xs) + max(xs) + 1) / 2
    cy = (min(ys) + max(ys) + 1) / 2
    rx = max((max(xs) - min(xs) + 1) / 2, 1)
    ry = max((max(ys) - min(ys) + 1) / 2, 1)
    for (x, y) in mask:
        nx = (x + 0.5 - cx) / rx
        ny = (y + 0.5 - cy) / ry
        d = -(nx * lx + ny * ly)
        d += (hsh(x, y, s) - 0.5) * 0.25
        if outline is not None and edge(mask, x, y):
            c = outline
        elif hi is not None and d < -0.62:
            c = hi
        elif d < -tl:
            c = light
        elif d > -td:
            c = dark
        else:
            c = mid
        t.put(x, y, c, wrap)


def shadow(t, mask, c, dx=1, dy=1, wrap=False):
    """Drop shadow: pixels of the mask shifted by (dx, dy) that fall outside it."""
    for (x, y) in mask:
        p = (x + dx, y + dy)
        if p not in mask:
            t.put(p[0], p[1], c, wrap)


# ---------------------------------------------------------------- floors

def grass(seed=1, base=G, tuft=DG, hi=BG, tufts=7, his=5):
    t = Tile(base)
    # faint clumps of darker grass
    for y in range(N):
        for x in range(N):
            if vnoise(x, y, seed + 50, 8) > 0.72 and hsh(x, y, seed + 51) < 0.35:
                t.put(x, y, tuft, wrap=True)
    for i in range(tufts):
        x = int(hsh(i, 1, seed) * N)
        y = int(hsh(i, 2, seed) * N)
        t.put(x, y, tuft, wrap=True)
        t.put(x + 2, y, tuft, wrap=True)
        t.put(x + 1, y + 1, tuft, wrap=True)
    for i in range(his):
        x = int(hsh(i, 3, seed) * N)
        y = int(hsh(i, 4, seed) * N)
        if t.get(x, y) == base:
            t.put(x, y, hi, wrap=True)
    return t


def speckle(t, c, density, seed, only=None):
    for y in range(N):
        for x in range(N):
            if hsh(x, y, seed) < density and (only is None or t[y][x] == only):
                t[y][x] = c
    return t


def tex(base, spots, seed=0, cell=6):
    """Base colour with noise-shaped patches: spots = [(colour, threshold, density)]."""
    t = Tile(base)
    for k, (c, thr, dens) in enumerate(spots):
        for y in range(N):
            for x in range(N):
                if vnoise(x, y, seed + 10 * k, cell) > thr and hsh(x, y, seed + 10 * k + 1) < dens:
                    t[y][x] = c
    return t


def grass41():
    return grass(1)


def grass24():
    return grass(7, tufts=10, his=8)


def flowers():
    t = grass(3, tufts=5, his=3)
    cols = [YE, WH, RD, MG, YE, WH, RD]
    pos = [(3, 4), (14, 2), (20, 9), (8, 11), (2, 18), (13, 16), (19, 20), (9, 21)]
    for i, (x, y) in enumerate(pos):
        c = cols[i % len(cols)]
        t.put(x, y - 1, c, wrap=True)
        t.put(x - 1, y, c, wrap=True)
        t.put(x + 1, y, c, wrap=True)
        t.put(x, y + 1, c, wrap=True)
        t.put(x, y, YE if c != YE else OC, wrap=True)
        t.put(x, y + 2, DG, wrap=True)
    return t


def small_tree(t, cx, cy, r=4.5, s=0, outline=K):
    t.vline(cx, cy + int(r) - 1, cy + int(r) + 2, BR)
    t.put(cx + 1, cy + int(r) + 2, DG, wrap=True)
    t.put(cx - 1, cy + int(r) + 2, DG, wrap=True)
    m = ellipse_mask(cx + 0.5, cy, r, r * 0.9)
    shadow(t, m, DG, 1, 1)
    shade_blob(t, m, BG, G, DG, outline, hi=None, s=s)
    # leaf texture
    for (x, y) in m:
        if not edge(m, x, y) and hsh(x, y, s + 9) < 0.15:
            t.put(x, y, DG if t.get(x, y) == G else G, wrap=True)


def sapling(t, cx, base, h, s):
    """A young tree: a slim upright crown on a bare trunk, its shadow on the grass."""
    t.rect(cx + 1, base - 1, cx + 3, base, DG, wrap=True)
    t.vline(cx, base - 3, base, BR, wrap=True)
    m = ellipse_mask(cx + 0.5, base - 3 - h / 2, 2.2, h / 2)
    shade_blob(t, m, BG, BG, G, DG, wrap=True, s=s, tl=0.1, td=-0.45)


def light_forest():
    # open woodland you walk through: three slim young trees, bright and bare-trunked, with
    # open grass between, so it never reads as the dark closed canopy of the dense forest
    t = grass(11, tufts=6, his=3)
    for (cx, base, h, s) in ((5, 11, 7, 3), (16, 7, 6, 4), (12, 21, 7, 5)):
        sapling(t, cx, base, h, s)
    return t


def road():
    t = Tile(OC)
    for y in range(N):
        for x in range(N):
            v = vnoise(x, y, 21, 6)
            if v > 0.6 and hsh(x, y, 25) < 0.06:
                t[y][x] = YE
            elif v < 0.28 and (x + y) % 2 == 0 and hsh(x, y, 26) < 0.6:
                t[y][x] = BR
    speckle(t, BR, 0.03, 22)
    for i in range(5):
        x = int(hsh(i, 1, 23) * N)
        y = int(hsh(i, 2, 23) * N)
        t.put(x, y, LG, wrap=True)
        t.put(x + 1, y, LG if i % 2 else WH, wrap=True)
        t.hline(x, x + 1, y + 1, BR)
    return t


def crossing():
    t = road()
    # wheel ruts of two ways crossing, worn into the packed earth
    for k in range(N):
        for r in (7, 16):
            for (x, y) in ((r, k), (k, r)):
                if hsh(x, y, 27) < 0.8:
                    t.put(x, y, BR, wrap=True)
    for (x, y) in ((7, 7), (16, 7), (7, 16), (16, 16)):
        t.put(x, y, OC, wrap=True)
    return t


def sand():
    t = Tile(OC)
    speckle(t, YE, 0.03, 33)
    speckle(t, BR, 0.025, 34)
    # wind ripples: a lit crest over a shaded trough
    for i in range(6):
        x = int(hsh(i, 1, 32) * N)
        y = int(hsh(i, 2, 32) * N)
        n = 4 + int(hsh(i, 3, 32) * 3)
        t.hline(x + 1, x + n - 2, y, YE, True)
        t.hline(x, x + n - 1, y + 1, BR, True)
    return t


def dirt():
    t = tex(BR, [(OC, 0.62, 0.3), (K, 0.6, 0.1)], seed=41, cell=6)
    speckle(t, OC, 0.03, 42)
    speckle(t, GR, 0.03, 43)
    return t


def bridge(ew=True):
    t = water()
    # deck: planks across the way of travel, rails along it
    for y in range(3, 21):
        for x in range(N):
            c = OC if x % 4 != 3 else BR
            if x % 4 == 0 and hsh(x, y, 7) < 0.2:
                c = YE
            if hsh(x // 4, y, 8) < 0.04:
                c = BR
            t[y][x] = c
    t.hline(0, 23, 3, K)
    t.hline(0, 23, 4, OC)
    t.hline(0, 23, 5, BR)
    t.hline(0, 23, 18, OC)
    t.hline(0, 23, 19, BR)
    t.hline(0, 23, 20, K)
    for x in (1, 13):  # posts
        t.rect(x, 2, x + 1, 5, BR)
        t.rect(x, 17, x + 1, 21, BR)
        t.put(x, 2, YE, wrap=True)
        t.put(x, 17, YE, wrap=True)
    t.hline(0, 23, 21, DB)
    if not ew:
        t[:] = [[t[x][y] for x in range(N)] for y in range(N)]
    return t


def low_hills():
    t = grass(13, tufts=4, his=2)
    for (cx, cy, rx, ry, s) in ((7, 9, 7, 4, 1), (17, 18, 7, 4, 2), (19, 5, 4, 2.5, 3), (3, 20, 4, 2.5, 4)):
        m = {(x, y) for (x, y) in ellipse_mask(cx, cy, rx, ry) if y + 0.5 <= cy + 0.3}
        for (x, y) in m:
            nx = (x + 0.5 - cx) / rx
            c = BG if nx < -0.35 else (G if nx < 0.4 else DG)
            if edge(m, x, y) and y + 0.5 < cy - 0.5:
                c = BG if nx < 0.2 else DG
            t.put(x, y, c, True)
        t.hline(int(cx - rx) + 1, int(cx + rx) - 1, int(cy), DG, True)
    return t


def tall_grass():
    t = grass(17, tufts=2, his=0)
    for i in range(26):
        x = int(hsh(i, 1, 18) * N)
        y = int(hsh(i, 2, 18) * N)
        hgt = 3 + int(hsh(i, 3, 18) * 3)
        for k in range(hgt):
            t.put(x, y - k, DG if k < 2 else G, wrap=True)
        t.put(x, y - hgt, BG, wrap=True)
        t.put(x + 1, y - hgt + 1, BG if i % 2 else G, wrap=True)
        t.put(x + 1, y, DG, wrap=True)
    return t


def snow():
    t = tex(WH, [(LG, 0.6, 0.3), (LB, 0.68, 0.15)], seed=51, cell=6)
    speckle(t, LG, 0.02, 52)
    for i in range(4):
        x = int(hsh(i, 1, 53) * N)
        y = int(hsh(i, 2, 53) * N)
        t.hline(x, x + 3, y, LG, True)
    return t


def ash():
    t = tex(GR, [(LG, 0.62, 0.25), (K, 0.6, 0.25)], seed=61, cell=6)
    speckle(t, LG, 0.03, 62)
    speckle(t, K, 0.03, 63)
    return t


def cracked():
    t = tex(OC, [(BR, 0.55, 0.4)], seed=71, cell=8)
    # cracks along the borders of a periodic cell pattern
    pts = [(hsh(i, 1, 72) * N, hsh(i, 2, 72) * N) for i in range(6)]

    def nearest(x, y):
        best = []
        for (px, py) in pts:
            for ox in (-N, 0, N):
                for oy in (-N, 0, N):
                    d = (x + 0.5 - px - ox) ** 2 + (y + 0.5 - py - oy) ** 2
                    best.append(d)
        best.sort()
        return math.sqrt(best[1]) - math.sqrt(best[0])

    for y in range(N):
        for x in range(N):
            d = nearest(x, y)
            if d < 0.9:
                t[y][x] = K
            elif d < 1.8 and t[y][x] == OC:
                t[y][x] = BR
    return t


def stone_paving(ruined=False):
    # big square sandstone flags in a plain grid, flat and light: a floor, not a
    # wall's courses, and warm, so at night it falls dark instead of glowing blue
    t = Tile(OC)
    for y in range(N):
        for x in range(N):
            bx, by = x % 12, y % 12
            if bx == 0 or by == 0:
                c = BR
            elif (bx == 1 or by == 1) and ((x // 12) + (y // 12)) % 2 == 0:
                c = YE
            else:
                c = OC
                if hsh(x, y, 5) < 0.04:
                    c = BR
            t[y][x] = c
    if ruined:
        # missing and tilted stones with earth and weeds showing through
        for y in range(N):
            for x in range(N):
                v = vnoise(x, y, 81, 6)
                if v > 0.62:
                    t[y][x] = BR if hsh(x, y, 82) < 0.88 else G
                    if hsh(x, y, 83) < 0.06:
                        t[y][x] = DG
                elif v > 0.57:
                    t[y][x] = K
        for i in range(4):
            x = int(hsh(i, 1, 84) * N)
            y = int(hsh(i, 2, 84) * N)
            t.line(x, y, x + 3, y + 2, K, True)
    return t


def scrub():
    t = tex(OC, [(BR, 0.6, 0.35), (G, 0.66, 0.25)], seed=91, cell=6)
    for (x, y) in ((4, 5), (15, 3), (10, 13), (20, 15), (3, 20), (15, 21)):
        m = ellipse_mask(x, y, 2.6, 2.0)
        shadow(t, m, BR, 1, 1, True)
        shade_blob(t, m, G, G, DG, DG, wrap=True, hi=BG, s=x)
    return t


def farmland():
    t = Tile(BR)
    for y in range(N):
        for x in range(N):
            r = y % 4
            c = [OC, BR, BR, K][r]
            if r == 3 and hsh(x, y, 3) < 0.3:
                c = BR
            if r == 0 and hsh(x, y, 4) < 0.2:
                c = YE
            t[y][x] = c
    for y in range(1, N, 4):
        for x in range(1, N, 3):
            if hsh(x, y, 5) < 0.8:
                t.put(x, y, BG, wrap=True)
                t.put(x, y - 1, G, wrap=True)
                t.put(x + 1, y - 1, BG if hsh(x, y, 6) < 0.5 else G, wrap=True)
    return t


def dark_grass():
    # shaded turf: as many blades as the open grass, so a patch of it reads as ground, not a hole
    return grass(19, base=DG, tuft=G, hi=BG, tufts=18, his=10)


def pebbles():
    t = tex(BR, [(OC, 0.45, 0.5)], seed=101, cell=6)
    for i in range(18):
        x = int(hsh(i, 1, 102) * N)
        y = int(hsh(i, 2, 102) * N)
        c, d = ((LG, GR), (GR, K), (OC, BR), (LG, GR))[i % 4]
        big = i % 3 == 0
        t.hline(x, x + (2 if big else 1), y, c, True)
        if big:
            t.hline(x, x + 2, y + 1, c, True)
            t.put(x + 3, y + 1, K, True)
        t.hline(x, x + (2 if big else 1), y + (2 if big else 1), d, True)
        t.put(x, y, WH if c == LG else c, True)
    return t


def beach():
    t = Tile(OC)
    for y in range(N):
        for x in range(N):
            if (x + y) % 2 == 0 and vnoise(x, y, 111, 6) > 0.42:
                t[y][x] = YE
    speckle(t, BR, 0.02, 112)
    for (x, y) in ((5, 6), (17, 14), (9, 19), (20, 3)):
        t.put(x, y, WH, wrap=True)
        t.put(x + 1, y, WH, wrap=True)
        t.put(x + 1, y + 1, LG, wrap=True)
    for (x, y) in ((19, 9), (3, 14)):
        t.put(x, y, RD, wrap=True)
        t.put(x + 1, y, BR, wrap=True)
    return t


def scorched():
    t = Tile(K)
    for y in range(N):
        for x in range(N):
            v = vnoise(x, y, 121, 6)
            if v > 0.58:
                t[y][x] = BR if hsh(x, y, 123) < 0.7 else K
            elif v > 0.4 and (x + y) % 2 == 0:
                t[y][x] = GR
            elif hsh(x, y, 124) < 0.05:
                t[y][x] = GR
    for i in range(8):
        x = int(hsh(i, 1, 122) * N)
        y = int(hsh(i, 2, 122) * N)
        t.put(x, y, RD, wrap=True)
        if i % 3 == 0:
            t.put(x + 1, y, YE, wrap=True)
        elif i % 3 == 1:
            t.put(x, y - 1, LG, wrap=True)
    return t


def dark_earth():
    t = tex(BR, [(K, 0.58, 0.4), (GR, 0.6, 0.12)], seed=131, cell=6)
    speckle(t, K, 0.06, 132)
    speckle(t, OC, 0.015, 133)
    return t


def water(deep=False, seed=141):
    t = Tile(DB)
    if deep:
        for y in range(N):
            for x in range(N):
                if (x + y) % 2 == 0 and (vnoise(x, y, seed + 3, 8) > 0.2 or y % 4):
                    t[y][x] = K
    pos = [(2, 3), (14, 2), (8, 8), (19, 9), (3, 14), (13, 15), (20, 19), (7, 20)]
    for i, (x, y) in enumerate(pos):
        if deep:
            if i % 2 == 0:
                t.hline(x + 1, x + 3, y, DB, True)
                t.hline(x + 2, x + 3, y, LB, True)
                t.put(x + 1, y + 1, DB, True)
                t.put(x + 4, y + 1, DB, True)
        else:
            t.hline(x + 1, x + 4, y, LB, True)
            t.put(x, y + 1, LB, True)
            t.put(x + 5, y + 1, LB, True)
            if i % 2 == 0:
                t.put(x + 2, y, WH, True)
    if not deep:
        for i in range(6):
            x = int(hsh(i, 1, seed) * N)
            y = int(hsh(i, 2, seed) * N)
            if t.get(x, y) == DB:
                t.put(x, y, CY if i % 2 else LB, wrap=True)
    return t


def swamp():
    t = Tile(DG)
    for y in range(N):
        for x in range(N):
            v = vnoise(x, y, 151, 4)
            if v < 0.36:
                t[y][x] = DB if (x + y) % 2 == 0 or v < 0.22 else DG
            elif v > 0.7 and hsh(x, y, 152) < 0.6:
                t[y][x] = BR
            elif v > 0.55 and hsh(x, y, 153) < 0.3:
                t[y][x] = G
            elif hsh(x, y, 154) < 0.05:
                t[y][x] = BR
    for i in range(7):  # glints on the murky water
        x = int(hsh(i, 1, 155) * N)
        y = int(hsh(i, 2, 155) * N)
        if t.get(x, y) in (DB, DG):
            t.hline(x, x + 1, y, LB, True)
    for i in range(8):  # tufts of marsh grass
        x = int(hsh(i, 3, 155) * N)
        y = int(hsh(i, 4, 155) * N)
        t.put(x, y, G, wrap=True)
        t.put(x, y - 1, BG if i % 2 else G, wrap=True)
        t.put(x - 1, y - 1, G, wrap=True)
        t.put(x + 1, y - 2, G, wrap=True)
        t.put(x, y + 1, K, wrap=True)
    return t


def reeds():
    t = swamp()
    for (x, y, hgt) in ((4, 20, 11), (7, 19, 14), (10, 21, 9), (15, 12, 9), (18, 13, 12), (20, 11, 7),
                        (3, 8, 6)):
        for k in range(hgt):
            t.put(x, y - k, G if k < hgt - 3 else BG, wrap=True)
        t.put(x, y + 1, K, wrap=True)
        t.rect(x, y - hgt - 2, x, y - hgt + 1, BR)  # cattail head
        t.put(x + 1, y - hgt, BR, wrap=True)
        t.put(x, y - hgt - 3, OC, wrap=True)
        t.put(x - 1, y - hgt // 2, G, wrap=True)
    return t


def lava():
    t = Tile(RD)
    for y in range(N):
        for x in range(N):
            w = vnoise(x, y, 162, 6)
            if abs(w - 0.5) < 0.045:
                t[y][x] = YE
            elif abs(w - 0.5) < 0.11 and hsh(x, y, 163) < 0.6:
                t[y][x] = OC
    crust = set()
    for y in range(N):
        for x in range(N):
            if vnoise(x, y, 161, 8) > 0.66:
                crust.add((x, y))
    for (x, y) in crust:
        inside = all(((x + dx) % N, (y + dy) % N) in crust for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        c = BR if inside else K
        if inside and hsh(x, y, 165) < 0.2:
            c = K
        t.put(x, y, c, wrap=True)
    for i in range(5):
        x = int(hsh(i, 1, 164) * N)
        y = int(hsh(i, 2, 164) * N)
        if t.get(x, y) == RD:
            t.put(x, y, YE, wrap=True)
            t.put(x + 1, y, WH if i % 2 else YE, wrap=True)
    return t


def facets(seed, n, rim, lit, mid, dark, gapc=K, ystretch=1.0, spot=None):
    """Lumps of rock: periodic Voronoi cells, each lit from the top left."""
    t = Tile(gapc)
    pts = [(hsh(i, 1, seed) * N, hsh(i, 2, seed) * N) for i in range(n)]
    for y in range(N):
        for x in range(N):
            ds = []
            for k, (px, py) in enumerate(pts):
                for ox in (-N, 0, N):
                    for oy in (-N, 0, N):
                        dx = x + 0.5 - px - ox
                        dy = (y + 0.5 - py - oy) * ystretch
                        ds.append((dx * dx + dy * dy, dx, dy, k))
            ds.sort()
            gap = math.sqrt(ds[1][0]) - math.sqrt(ds[0][0])
            _, dx, dy, k = ds[0]
            if gap < 1.0:
                c = gapc
            else:
                lt = -(dx + dy) / (math.sqrt(dx * dx + dy * dy) + 0.01)
                if gap < 2.2 and lt > 0.3:
                    c = rim if hsh(x, y, seed + 1) < 0.5 else lit
                elif lt > -0.2:
                    c = lit if lt > 0.5 and hsh(x, y, seed + 2) < 0.3 else mid
                else:
                    c = dark if hsh(x, y, seed + 3 + k) < 0.55 else mid
                if spot is not None and c == mid and hsh(x, y, seed + 4) < 0.06:
                    c = spot
            t[y][x] = c
    return t


def volcanic_rock():
    # a few big lumps of dark rock with lit rims and black clefts: a mass you cannot
    # walk over, not a grainy crust to walk on
    return facets(171, 5, LG, PU, GR, K)


def mountain(snowy=False):
    t = grass(201, tufts=4, his=2)
    if snowy:
        lit, dark, rim = LG, GR, WH
    else:
        lit, dark, rim = OC, BR, YE
    peaks = [((19, 5), (8, 24), (31, 24), 1.6), ((4, 8), (-8, 24), (13, 24), 0.5), ((11, 0), (-2, 24), (25, 24), 0.8)]
    for n, (apex, bl, br, lean) in enumerate(peaks):
        ax, ay = apex
        m = poly_mask([apex, br, bl])
        # a ragged ridge line: the shadow side starts a little right of the apex
        ridge = {}
        for y in range(ay, 24):
            ridge[y] = ax + 0.5 + (y - ay) * 0.22 + (1 if hsh(y // 3, n, 207) < 0.4 else 0)
        for (x, y) in m:
            left = x + 0.5 < ridge.get(y, ax)
            c = lit if left else dark
            if snowy and y < ay + 9 + int(hsh(x // 2, n, 208) * 3):
                c = WH if left else LG
            if left and hsh(x, y, 209 + n) < 0.07:
                c = dark if not snowy or y >= ay + 9 else LG
            if not left and hsh(x, y, 210 + n) < 0.08:
                c = K if not snowy else GR
            t.put(x, y, c, False)
        # gullies running down from the ridge
        for i in range(5):
            y0 = ay + 4 + int(hsh(i, 1, 211 + n) * 14)
            x0 = int(ridge.get(y0, ax)) - 1 - int(hsh(i, 2, 211 + n) * 4)
            for k in range(4):
                if (x0 - k, y0 + k) in m:
                    t.put(x0 - k, y0 + k, dark if not (snowy and y0 + k < ay + 9) else LG, wrap=True)
        for (x, y) in m:
            if edge(m, x, y) and y < 24:
                left = x + 0.5 < ridge.get(y, ax)
                t.put(x, y, rim if left else K, False)
        t.put(ax, ay, WH if snowy else rim, wrap=True)
    return t


def forest(crowns=((5, 3), (17, 1), (11, 9), (23, 10), (5, 15), (17, 17), (11, 22), (23, 22))):
    """Closed canopy; the map mixes two sets of crowns so the trees keep off a grid."""
    t = Tile(DG)
    for y in range(N):
        for x in range(N):
            if hsh(x, y, 301) < 0.3:
                t[y][x] = K
    crowns = sorted(crowns, key=lambda p: p[1])
    for i, (cx, cy) in enumerate(crowns):
        t.vline(cx, cy + 4, cy + 6, BR, True)
        m = ellipse_mask(cx + 0.5, cy + 0.5, 6.2, 5.4)
        shade_blob(t, m, G, G, DG, K, wrap=True, hi=BG, s=i + 7, tl=0.25, td=-0.1)
        for (x, y) in m:
            if not edge(m, x, y) and hsh(x, y, 302 + i) < 0.12:
                c = t.get(x, y)
                t.put(x, y, {G: DG, BG: G, DG: K}.get(c, c), True)
    return t


def boulders():
    t = grass(211, tufts=5, his=2)
    for (cx, cy, rx, ry, s) in ((8, 10, 6.5, 5.5, 1), (17, 16, 5.5, 4.5, 2), (6, 19, 3.5, 2.8, 3),
                                (19, 6, 3, 2.5, 4)):
        m = ellipse_mask(cx, cy, rx, ry)
        shadow(t, m, DG, 1, 1)
        shadow(t, m, DG, 2, 1)
        shade_blob(t, m, LG, LG, GR, K, hi=WH, s=s)
        for i in range(3):
            x = int(cx - rx / 2 + hsh(i, 1, s) * rx)
            y = int(cy - ry / 3 + hsh(i, 2, s) * ry * 0.8)
            if (x, y) in m and (x + 1, y + 1) in m:
                t.put(x, y, GR, wrap=True)
                t.put(x + 1, y + 1, GR, wrap=True)
    return t


def cliff():
    t = facets(223, 9, YE, OC, BR, BR, ystretch=0.6, spot=GR)
    # grassy lip at the top
    for x in range(N):
        d = 2 + int(hsh(x // 2, 0, 227) * 2)
        for y in range(d):
            t[y][x] = G if y < d - 1 else DG
        t[d][x] = K
        if hsh(x, 1, 228) < 0.3:
            t[0][x] = BG
    return t


def stone_wall():
    t = Tile(GR)
    for y in range(N):
        for x in range(N):
            row = y // 6
            off = 6 if row % 2 else 0
            bx = (x + off) % 12
            by = y % 6
            if by == 5 or bx == 11:
                c = K
            elif by == 0 or bx == 0:
                c = LG if hsh((x + off) // 12, row, 9) < 0.6 else GR
            elif by == 4:
                c = BR if hsh(x, y, 11) < 0.3 else GR
            else:
                c = GR
                if hsh(x, y, 10) < 0.1:
                    c = K
            t[y][x] = c
    return t


def ruined_wall():
    t = grass(231, tufts=5, his=2)
    wall = stone_wall()
    top = [9, 9, 8, 8, 7, 7, 10, 12, 12, 11, 8, 6, 6, 6, 9, 13, 14, 14, 11, 10, 10, 9, 9, 9]
    for x in range(N):
        for y in range(top[x], 18):
            t[y][x] = wall[y][x]
        t[top[x]][x] = WH if x % 3 else LG
        t[18][x] = K
        t[19][x] = DG
    # moss
    for (x, y) in ((3, 15), (4, 16), (12, 16), (13, 16), (20, 15), (21, 16), (8, 11)):
        t.put(x, y, G, wrap=True)
    # fallen blocks
    for (x, y) in ((7, 3), (18, 9), (2, 21), (14, 21), (20, 21)):
        t.rect(x, y, x + 2, y + 1, LG)
        t.put(x, y, WH, wrap=True)
        t.hline(x, x + 2, y + 2, K)
        t.put(x + 3, y + 1, DG, wrap=True)
    return t


def dead_tree():
    t = scrub()
    # trunk
    for y in range(9, 22):
        w = 1 if y < 14 else 2
        t.rect(11 - (1 if y > 19 else 0), y, 11 + w, y, GR)
        t.put(11 - (1 if y > 19 else 0) - 1, y, K, wrap=True)
        t.put(12 + w, y, K, wrap=True)
        t.put(11, y, LG if y % 3 else GR, wrap=True)
    t.hline(8, 16, 22, K)
    t.hline(13, 18, 22, DG)
    branches = [((11, 12), (6, 7)), ((6, 7), (4, 3)), ((6, 7), (2, 6)), ((12, 11), (17, 6)), ((17, 6), (20, 2)),
                ((17, 6), (21, 7)), ((11, 9), (10, 3)), ((10, 3), (8, 1)), ((10, 4), (13, 1)), ((14, 9), (15, 4))]
    for (a, b) in branches:
        t.line(a[0] + 1, a[1] + 1, b[0] + 1, b[1] + 1, K)
    for (a, b) in branches:
        t.line(a[0], a[1], b[0], b[1], GR)
    for (a, b) in branches[::3]:
        t.line(a[0], a[1] - 1, (a[0] + b[0]) // 2, (a[1] + b[1]) // 2 - 1, LG)
    return t


def rocky_hills():
    t = grass(251, tufts=4, his=2)
    for (ax, ay, w, s) in ((6, 3, 7, 1), (17, 6, 7, 2), (9, 12, 8, 3), (20, 15, 6, 4), (5, 17, 6, 5)):
        pts = [(ax, ay), (ax + w * 0.4, ay + 2), (ax + w, ay + w * 0.9), (ax - w, ay + w * 0.9), (ax - w * 0.5, ay + 2.5)]
        m = poly_mask(pts)
        shadow(t, m, DG, 1, 1)
        for (x, y) in m:
            rxl = ax + (y - ay) * 0.2
            c = LG if x + 0.5 < rxl else GR
            if hsh(x, y, s) < 0.15:
                c = OC if c == LG else BR
            if edge(m, x, y):
                c = WH if (x + 0.5 < rxl and y < ay + w * 0.6) else K
            t.put(x, y, c, wrap=True)
    return t


def volcano():
    t = volcanic_rock()
    cone = poly_mask([(9, 7), (15, 7), (23, 22), (1, 22)])
    for (x, y) in cone:
        rxl = 12 + (y - 7) * 0.2
        c = BR if x + 0.5 < rxl else K
        if c == BR and x + 0.5 < rxl - 5 and hsh(x, y, 1) < 0.5:
            c = OC
        if edge(cone, x, y):
            c = K if x + 0.5 >= rxl else GR
        t.put(x, y, c, wrap=True)
    t.hline(9, 15, 7, YE)
    t.hline(10, 14, 8, RD)
    t.put(8, 7, K, wrap=True)
    t.put(16, 7, K, wrap=True)
    for (x0, y0, path) in ((11, 9, [0, 0, -1, -1, 0, -1, -1, 0, 0, -1, 0, -1]), (13, 9, [0, 1, 0, 1, 1, 0, 1, 0, 1])):
        x = x0
        for k, dx in enumerate(path):
            x += dx
            t.put(x, y0 + k, RD, wrap=True)
            t.put(x + 1, y0 + k, YE if k % 3 == 0 else RD, wrap=True)
    # smoke
    for (cx, cy, r) in ((12, 4, 2.6), (15, 2, 2.2), (9, 2, 1.6)):
        m = ellipse_mask(cx, cy, r, r * 0.8)
        shade_blob(t, m, LG, GR, GR, None, s=int(cx))
    t.hline(0, 23, 22, K)
    return t


def cactus():
    t = sand()
    body = rect_mask(10, 3, 13, 21) | rect_mask(4, 8, 6, 13) | rect_mask(4, 13, 10, 15) | \
        rect_mask(17, 6, 19, 11) | rect_mask(13, 11, 19, 13)
    body -= {(10, 3), (13, 3), (4, 8), (6, 8), (17, 6), (19, 6)}
    shadow(t, body, BR, 2, 1)
    for (x, y) in body:
        c = G
        if x in (10, 4, 17) or (y in (13, 11) and x not in (10, 11, 12, 13)):
            c = BG
        if x in (13, 6, 19) or (y in (15, 13) and x not in (10, 11, 12, 13, 17, 18, 19)):
            c = DG
        if edge(body, x, y) and (x in (13, 6, 19) or y in (21,)):
            c = K
        t.put(x, y, c, wrap=True)
    for (x, y) in ((11, 6), (12, 10), (11, 15), (12, 18), (5, 10), (18, 8)):
        t.put(x, y, YE, wrap=True)
    t.put(11, 2, RD, wrap=True)
    t.put(12, 2, MG, wrap=True)
    return t


def obelisk():
    t = sand()
    body = poly_mask([(9, 6), (14, 6), (15, 21), (8, 21)])
    tip = poly_mask([(9, 6), (11.5, 1), (14, 6)])
    # long shadow to the right
    for k in range(1, 9):
        t.hline(15 + k // 2, 16 + k, 21 - k // 2, DG)
    for (x, y) in body:
        c = LG if x < 12 else GR
        if x == 11:
            c = WH if y % 5 else LG
        if edge(body, x, y):
            c = K
        t.put(x, y, c, wrap=True)
    for (x, y) in tip:
        t.put(x, y, WH if x < 12 else LG, wrap=True)
    for (x, y) in tip:
        if edge(tip, x, y) and x >= 12:
            t.put(x, y, K, wrap=True)
    # carved glyphs
    for (x, y) in ((10, 9), (12, 9), (10, 12), (11, 13), (10, 16), (12, 16), (11, 18)):
        t.put(x, y, PU, wrap=True)
    t.rect(6, 21, 17, 22, GR)
    t.hline(6, 17, 21, LG)
    t.hline(6, 17, 23, K)
    return t


def tombstones():
    t = grass(281, base=G, tufts=7, his=1)
    for (x0, y0, cross) in ((2, 3, False), (14, 2, True), (8, 12, False), (17, 13, False), (1, 15, True)):
        if cross:
            body = rect_mask(x0 + 2, y0, x0 + 3, y0 + 7) | rect_mask(x0, y0 + 2, x0 + 5, y0 + 3)
        else:
            body = rect_mask(x0, y0 + 2, x0 + 5, y0 + 7) | rect_mask(x0 + 1, y0 + 1, x0 + 4, y0 + 1) | \
                rect_mask(x0 + 2, y0, x0 + 3, y0)
        shadow(t, body, DG, 1, 1)
        for (x, y) in body:
            c = LG
            if edge(body, x, y):
                c = K if (x, y + 1) not in body or (x + 1, y) not in body else WH
            t.put(x, y, c, wrap=True)
        if not cross:
            t.hline(x0 + 2, x0 + 3, y0 + 3, GR)
            t.hline(x0 + 2, x0 + 3, y0 + 5, GR)
        # grave mound
        t.hline(x0, x0 + 5, y0 + 8, BR)
        t.hline(x0 + 1, x0 + 4, y0 + 9, BR)
    return t


def crystals():
    t = dark_earth()
    # (tip, half width, base y, lean, colours: light face, middle face, dark face)
    purple = (MG, PU, DB)
    ice = (WH, CY, LB)
    shards = [((7, 3), 3, 20, -1, ice), ((15, 1), 3.5, 19, 1, purple), ((11, 8), 3, 22, 0, purple),
              ((20, 10), 2.5, 22, 1, ice), ((3, 12), 2.5, 22, -1, purple), ((16, 13), 2, 22, 0, ice)]
    for (tip, hw, by, lean, (lc, mc, dc)) in shards:
        tx, ty = tip
        bx = tx - lean * 2
        sh = ty + hw * 1.4
        pts = [(tx + 0.5, ty), (tx + hw + 0.5 + lean * 0.5, sh), (bx + hw + 0.5, by), (bx - hw + 0.5, by),
               (tx - hw + 0.5 + lean * 0.5, sh)]
        m = poly_mask(pts)
        shadow(t, m, K, 1, 0)
        for (x, y) in m:
            f = (x + 0.5 - (tx + (bx - tx) * (y - ty) / max(by - ty, 1))) / hw
            c = lc if f < -0.35 else (mc if f < 0.35 else dc)
            if edge(m, x, y):
                c = K
            t.put(x, y, c, wrap=True)
        t.put(tx, ty + 2, WH, wrap=True)
        t.put(tx - 1, ty + 3, WH, wrap=True)
    return t


def chasm():
    t = Tile(K)
    for y in range(N):
        for x in range(N):
            if y < 5:
                v = vnoise(x, y, 291, 4)
                t[y][x] = GR if v > 0.45 else BR
                if y == 0 and hsh(x, y, 3) < 0.5:
                    t[y][x] = LG
            elif y < 12:
                # the far wall fading into the dark
                stripe = (x + int(vnoise(x, 0, 292, 6) * 3)) % 5 == 0
                if stripe:
                    t[y][x] = K
                elif (x + y) % 2 == 0 and y < 9:
                    t[y][x] = PU if y < 7 else GR
                elif (x + y) % 4 == 0:
                    t[y][x] = PU if y < 10 else K
            elif y < 15 and (x * 3 + y) % 7 == 0:
                t[y][x] = PU
    for x in range(N):
        d = 5 + int(hsh(x // 2, 5, 293) * 2)
        t[d][x] = K
        t[d - 1][x] = GR if x % 3 else BR
    return t


def broken_statue():
    t = stone_paving(ruined=True)
    ped = rect_mask(4, 16, 17, 21)
    shadow(t, ped, DG, 2, 1)
    for (x, y) in ped:
        c = LG
        if y == 16:
            c = WH
        elif x >= 16 or y == 21:
            c = GR
        t.put(x, y, c, wrap=True)
    t.hline(4, 18, 22, K)
    t.vline(18, 16, 22, K)
    # two legs and the hips, broken off at the waist
    for x0 in (7, 12):
        t.rect(x0, 9, x0 + 2, 15, LG)
        t.vline(x0, 9, 15, WH)
        t.vline(x0 + 2, 9, 15, GR)
        t.vline(x0 + 3, 9, 15, K)
        t.hline(x0 - 1, x0 + 2, 15, LG)
    t.rect(6, 5, 15, 9, LG)
    t.hline(6, 15, 9, GR)
    t.vline(6, 5, 9, WH)
    t.vline(15, 5, 9, GR)
    t.vline(16, 5, 9, K)
    # jagged break
    for x, y in ((6, 5), (7, 4), (8, 4), (9, 5), (10, 3), (11, 4), (12, 5), (13, 4), (14, 5), (15, 5)):
        t.put(x, y, GR, wrap=True)
        if y < 5:
            t.vline(x, y + 1, 5, LG)
    t.put(10, 4, WH, wrap=True)
    # the fallen head and a hand
    head = ellipse_mask(20.5, 19, 2.6, 2.3)
    shadow(t, head, DG, 1, 1)
    shade_blob(t, head, WH, LG, GR, K, s=6)
    t.put(19, 19, GR, wrap=True)
    t.put(21, 19, GR, wrap=True)
    t.put(20, 20, GR, wrap=True)
    t.rect(0, 21, 3, 22, LG)
    t.put(0, 21, WH, wrap=True)
    t.hline(0, 3, 23, K)
    return t


def hut():
    t = grass(321, tufts=5, his=2)
    walls = rect_mask(5, 13, 18, 21)
    shadow(t, walls, DG, 2, 1)
    for (x, y) in walls:
        c = OC if x < 17 else BR
        if x in (5, 11, 18) or y == 21:
            c = BR
        t.put(x, y, c, wrap=True)
    # door and window
    t.rect(12, 15, 15, 21, K)
    t.rect(13, 16, 14, 21, BR)
    t.put(14, 18, YE, wrap=True)
    t.rect(7, 15, 9, 17, K)
    t.put(8, 16, YE, wrap=True)
    t.hline(4, 19, 22, K)
    # thatched roof
    roof = poly_mask([(12, 2), (22, 14), (1, 14)])
    shadow(t, roof, DG, 1, 1)
    for (x, y) in roof:
        c = YE if (x + y // 2) % 4 == 0 else OC
        if x > 12 + (y - 2) * 0.3:
            c = BR if (x + y // 2) % 4 else OC
        if edge(roof, x, y):
            c = K if y > 12 or x > 12 else BR
        t.put(x, y, c, wrap=True)
    t.hline(2, 21, 13, BR)
    # chimney with smoke
    t.rect(16, 3, 17, 7, GR)
    t.vline(16, 3, 7, LG)
    t.put(18, 1, LG, wrap=True)
    t.put(19, 0, GR, wrap=True)
    return t


def stairs():
    t = stone_paving()
    t.rect(3, 2, 20, 21, K)
    # treads going down from the top edge into the dark, nearer is brighter
    treads = [(3, WH, LG, GR), (7, LG, GR, GR), (11, LG, GR, K), (15, GR, K, K), (19, GR, K, K)]
    for i, (y, top, face, side) in enumerate(treads):
        x0, x1 = 4 + i // 2, 19 - i // 2
        t.hline(x0, x1, y, top)
        t.hline(x0, x1, y + 1, face)
        if face != K:
            t.hline(x0, x1, y + 2, side)
    # side walls of the stairwell
    for y in range(2, 22):
        t.put(3, y, LG if y < 12 else GR, wrap=True)
        t.put(20, y, GR if y < 12 else K, wrap=True)
    t.hline(2, 21, 1, WH)
    t.hline(2, 21, 22, LG)
    t.hline(2, 21, 23, GR)
    t.vline(2, 1, 22, WH)
    t.vline(21, 1, 22, GR)
    # a faint glow far below
    t.hline(10, 13, 21, PU)
    t.put(11, 20, MG, wrap=True)
    return t


def signpost():
    t = grass(331, tufts=6, his=2)
    t.rect(11, 9, 12, 21, BR)
    t.vline(11, 9, 21, OC)
    t.vline(13, 10, 21, K)
    t.hline(10, 14, 22, DG)
    board = rect_mask(3, 4, 20, 10)
    shadow(t, board, DG, 1, 1)
    for (x, y) in board:
        c = OC
        if y == 4:
            c = YE
        if edge(board, x, y) and (x == 20 or y == 10):
            c = K
        elif edge(board, x, y):
            c = BR
        t.put(x, y, c, wrap=True)
    # arrow head on the right end and writing
    t.put(21, 7, BR, wrap=True)
    t.put(21, 6, K, wrap=True)
    t.put(21, 8, K, wrap=True)
    t.put(22, 7, K, wrap=True)
    for (x0, x1, y) in ((5, 9, 6), (11, 17, 6), (5, 14, 8)):
        t.hline(x0, x1, y, K)
    t.put(11, 4, GR, wrap=True)
    t.put(12, 4, GR, wrap=True)
    return t


# ---------------------------------------------------------------- places

def castle():
    t = grass(341, tufts=4, his=1)

    def stone(x, y, body, light=True):
        c = LG
        if (y % 3 == 2) or ((x + (y // 3) * 2) % 5 == 0):
            c = GR
        if light and (x + (y // 3) * 2) % 5 == 1 and y % 3 == 0:
            c = WH
        return c

    # curtain wall
    wall = rect_mask(3, 11, 20, 21)
    shadow(t, wall, DG, 1, 1)
    for (x, y) in wall:
        t.put(x, y, stone(x, y, wall), wrap=True)
    for x in range(3, 21, 2):
        t.put(x, 10, LG, wrap=True)
    t.hline(3, 20, 11, WH)
    # towers
    for x0 in (1, 17):
        tw = rect_mask(x0, 6, x0 + 5, 22)
        shadow(t, tw, DG, 1, 1)
        for (x, y) in tw:
            c = stone(x, y, tw)
            if x == x0 + 5:
                c = GR
            if x == x0:
                c = WH if y % 3 else LG
            t.put(x, y, c, wrap=True)
        for x in range(x0, x0 + 6, 2):
            t.put(x, 5, LG, wrap=True)
            t.put(x, 4, WH if x == x0 else LG, wrap=True)
        t.vline(x0 + 6, 4, 22, K)
        t.rect(x0 + 2, 10, x0 + 3, 12, K)  # arrow slit
        t.vline(x0 + 2, 10, 12, DB)
    # keep
    keep = rect_mask(8, 3, 15, 12)
    for (x, y) in keep:
        c = stone(x, y, keep)
        if x == 15:
            c = GR
        if x == 8:
            c = WH
        t.put(x, y, c, wrap=True)
    for x in range(8, 16, 2):
        t.put(x, 2, LG, wrap=True)
    t.vline(16, 2, 11, K)
    t.rect(11, 5, 12, 7, K)
    t.put(11, 5, YE, wrap=True)
    # conical roofs on the towers
    for x0 in (1, 17):
        cone = poly_mask([(x0 + 3, -1), (x0 + 7, 7), (x0 - 1, 7)])
        for (x, y) in cone:
            left = x + 0.5 < x0 + 3
            c = RD if left else BR
            if y % 2 == 0 and hsh(x, y, 9) < 0.4:
                c = BR if left else K
            if edge(cone, x, y):
                c = K if (not left or y == 6) else YE
            t.put(x, y, c, wrap=True)
        t.hline(x0 - 1, x0 + 6, 7, K)
    t.vline(12, -0, 1, GR)
    t.hline(13, 14, 0, YE)
    # gate
    gate = rect_mask(9, 15, 14, 21) - {(9, 15), (14, 15)}
    for (x, y) in gate:
        t.put(x, y, K, wrap=True)
    for x in (10, 12):
        t.vline(x, 16, 21, BR)
    t.hline(9, 14, 18, BR)
    t.hline(8, 15, 14, WH)
    t.hline(0, 23, 23, DG)
    t.hline(3, 20, 22, K)
    return t


def walled_town():
    t = grass(351, tufts=3, his=1)
    # roofs behind the wall: gabled houses and a church tower
    houses = [(1, 4, 8, RD), (7, 8, 6, BR), (14, 6, 8, RD), (19, 2, 5, RD)]
    for (x0, y0, w, rc) in houses:
        hw = w / 2
        roof = poly_mask([(x0 + hw, y0), (x0 + w + 1, y0 + hw + 1.5), (x0 - 1, y0 + hw + 1.5)])
        t.rect(x0, int(y0 + hw) + 1, x0 + w - 1, 15, OC)
        t.vline(x0 + w - 1, int(y0 + hw) + 1, 15, BR)
        t.rect(x0 + 1, int(y0 + hw) + 3, x0 + 2, int(y0 + hw) + 4, K)
        t.put(x0 + 1, int(y0 + hw) + 3, YE, wrap=True)
        for (x, y) in roof:
            left = x + 0.5 < x0 + hw
            c = (RD if left else BR) if rc == RD else (OC if left else BR)
            if (y - y0) % 2 == 1 and hsh(x, y, 3) < 0.3:
                c = BR if c != BR else K
            if edge(roof, x, y):
                c = K if not left or (x, y + 1) not in roof else (YE if rc == RD else OC)
            t.put(x, y, c, wrap=True)
    # church tower with a spire
    t.rect(10, 3, 12, 15, LG)
    t.vline(12, 3, 15, GR)
    t.vline(13, 3, 15, K)
    t.put(11, 6, K, wrap=True)
    spire = poly_mask([(11.5, -1), (13.5, 3.5), (9.5, 3.5)])
    for (x, y) in spire:
        t.put(x, y, GR if x >= 11 else LG, wrap=True)
    t.put(11, 0, YE, wrap=True)
    # the front wall with battlements
    wall = rect_mask(0, 16, 23, 21)
    for (x, y) in wall:
        c = LG
        if y % 3 == 0 or (x + (y // 3) * 3) % 6 == 0:
            c = GR
        if y == 16:
            c = WH
        t.put(x, y, c, wrap=True)
    for x in range(0, 24, 3):
        t.rect(x, 15, x + 1, 15, LG)
        t.put(x, 15, WH, wrap=True)
    t.hline(0, 23, 22, K)
    t.hline(0, 23, 23, DG)
    # gate
    gate = rect_mask(9, 16, 14, 21) - {(9, 16), (14, 16)}
    for (x, y) in gate:
        t.put(x, y, K, wrap=True)
    t.rect(10, 18, 13, 21, BR)
    t.vline(11, 18, 21, OC)
    t.put(13, 20, YE, wrap=True)
    t.hline(10, 13, 22, OC)
    t.hline(10, 13, 23, OC)
    return t


def cave():
    t = grass(361, tufts=4, his=2)
    hill = poly_mask([(3, 9), (8, 3), (13, 2), (18, 4), (22, 10), (24, 22), (-1, 22)])
    shadow(t, hill, DG, 1, 1)
    for (x, y) in hill:
        v = vnoise(x, y, 362, 4)
        c = OC if x < 11 and v > 0.35 else (BR if v > 0.3 else GR)
        if v < 0.18:
            c = K
        if edge(hill, x, y):
            c = YE if (x < 12 and y < 14) else K
        t.put(x, y, c, wrap=True)
    # mouth
    mouth = ellipse_mask(12, 19, 6, 7.5)
    mouth = {(x, y) for (x, y) in mouth if y <= 21}
    for (x, y) in mouth:
        t.put(x, y, K, wrap=True)
    for (x, y) in mouth:
        if edge(mouth, x, y) and y < 21:
            t.put(x, y - 1, GR if x < 12 else K, wrap=True)
            t.put(x, y, K, wrap=True)
    # teeth of rock at the opening
    for (x, y) in ((9, 13), (13, 12), (15, 14)):
        t.put(x, y, GR, wrap=True)
        t.put(x, y + 1, GR, wrap=True)
    t.hline(6, 17, 22, K)
    t.hline(8, 15, 21, GR)
    t.hline(0, 23, 23, DG)
    return t


def pyramid():
    t = sand()
    m = poly_mask([(12, 1), (24, 21), (0, 21)])
    shadow(t, m, BR, 1, 1)
    for (x, y) in m:
        left = x + 0.5 < 12 + (y - 1) * 0.15
        c = YE if left else OC
        if (y % 3 == 0):
            c = OC if left else BR
        if not left and (y % 3 == 1) and (x + y) % 4 == 0:
            c = BR
        if left and y % 3 == 1 and (x + (y // 3) * 2) % 4 == 0:
            c = OC
        if edge(m, x, y):
            c = WH if left and y < 20 else K
        t.put(x, y, c, wrap=True)
    # entrance
    t.rect(11, 17, 13, 20, K)
    t.hline(11, 13, 16, BR)
    t.hline(0, 23, 22, BR)
    return t


def temple():
    t = dark_earth()
    # stepped base
    for i, (x0, x1, y) in enumerate(((2, 21, 21), (3, 20, 20), (4, 19, 19))):
        t.hline(x0, x1, y, LG if i else GR)
        t.put(x1, y, GR, wrap=True)
    t.hline(1, 22, 22, K)
    # columns
    t.rect(4, 12, 19, 18, GR)
    for x in (5, 9, 13, 17):
        t.rect(x, 12, x + 1, 18, WH)
        t.put(x + 1, 12, LG, wrap=True)
        t.vline(x + 2, 12, 18, K)
    t.rect(11, 15, 12, 18, K)
    t.put(11, 15, YE, wrap=True)
    t.hline(3, 20, 11, WH)
    t.hline(3, 20, 12, LG)
    # dome
    dome = {(x, y) for (x, y) in ellipse_mask(12, 11, 8, 9) if y < 11}
    shade_blob(t, dome, WH, CY, LB, K, hi=WH, s=3, lx=-0.8, ly=-0.4)
    for (x, y) in dome:
        if y == 10:
            t.put(x, y, LG, wrap=True)
    t.vline(12, 0, 2, YE)
    t.put(11, 1, YE, wrap=True)
    t.put(13, 1, YE, wrap=True)
    return t


# ---------------------------------------------------------------- the set

def build():
    g41 = grass41()
    tiles = {
        0: ("hidden event square (plain grass, replaced by the map's base tile)", g41),
        1: ("mountain", mountain(False)),
        2: ("high mountain with snow", mountain(True)),
        3: ("dense forest", forest()),
        4: ("boulders", boulders()),
        5: ("cliff", cliff()),
        6: ("stone wall", stone_wall()),
        7: ("ruined wall", ruined_wall()),
        8: ("dead tree", dead_tree()),
        9: ("rocky hills", rocky_hills()),
        10: ("black volcanic rock (base of the underworld)", volcanic_rock()),
        11: ("volcano", volcano()),
        12: ("cactus", cactus()),
        13: ("obelisk", obelisk()),
        14: ("dense forest, its crowns set otherwise", forest(((3, 1), (14, 4), (22, 0), (8, 11),
                                                                 (19, 13), (2, 19), (13, 20), (23, 23)))),
        15: ("tombstones", tombstones()),
        16: ("crystal outcrop", crystals()),
        17: ("chasm", chasm()),
        18: ("broken statue", broken_statue()),
        19: ("deep ocean", water(deep=True)),
        20: ("hut", hut()),
        21: ("stairs down", stairs()),
        22: ("signpost", signpost()),
        23: ("reeds in swamp", reeds()),
        24: ("grass", grass24()),
        25: ("grass with flowers", flowers()),
        26: ("light forest", light_forest()),
        27: ("road", road()),
        28: ("desert sand", sand()),
        29: ("dirt", dirt()),
        30: ("bridge, east-west", bridge(True)),
        31: ("bridge, north-south", bridge(False)),
        32: ("low hills", low_hills()),
        33: ("tall grass", tall_grass()),
        34: ("snow", snow()),
        35: ("ash", ash()),
        36: ("cracked earth", cracked()),
        37: ("ruined paving", stone_paving(True)),
        38: ("scrub", scrub()),
        39: ("farmland", farmland()),
        40: ("road crossing", crossing()),
        41: ("plain grass (base of the overworld)", g41),
        42: ("dark grass", dark_grass()),
        43: ("pebbles", pebbles()),
        44: ("beach", beach()),
        45: ("stone paving", stone_paving()),
        46: ("scorched ground", scorched()),
        47: ("dark earth", dark_earth()),
        48: ("water", water()),
        49: ("swamp", swamp()),
        50: ("lava", lava()),
        51: ("castle", castle()),
        52: ("walled town", walled_town()),
        53: ("cave mouth", cave()),
        54: ("pyramid", pyramid()),
        55: ("temple / dome", temple()),
    }
    return [tiles[i] for i in range(56)]


def write_sources(root, tiles):
    with open(os.path.join(root, "data/tiles/ground.txt"), "w") as f:
        write_tile_set(f, ["Ground tile set: the overworld and the two underworld maps.",
                           "Each tile: a header 'tile N  description', then 24 rows of 24 palette indices (hex).",
                           "Painted with tools/art/ground/make_ground.py; hand edits here are welcome."],
                       [(name, t.rows()) for name, t in tiles])
    # exactly 16 lines; 0, 7, 8 and 10..15 are the message window's colours on every map
    pl = []
    for i, (r, g, b, name) in enumerate(PALETTE):
        pl.append("%d %d %d %d  # %s" % (i, r, g, b, name))
    with open(os.path.join(root, "data/palettes/ground.txt"), "w") as f:
        f.write("\n".join(pl) + "\n")


# ---------------------------------------------------------------- preview

def render(grid, tiles, scale, night=False):
    rows, cols = len(grid), len(grid[0])
    w, h = cols * N * scale, rows * N * scale
    rgb = bytearray(w * h * 3)
    pal = [screen_rgb(r, g, b) for (r, g, b, _) in PALETTE]
    for gy, row in enumerate(grid):
        for gx, n in enumerate(row):
            if n is None:
                continue
            t = tiles[n][1]
            for y in range(N * scale):
                for x in range(N * scale):
                    c = pal[t[y // scale][x // scale]]
                    if night:
                        c = (0, 0, c[2])
                    o = (((gy * N * scale + y) * w) + gx * N * scale + x) * 3
                    rgb[o:o + 3] = bytes(c)
    return w, h, rgb


def patch_grid():
    # a hand-laid scene using tile numbers directly, two digits per cell
    scene = [
        [3, 3, 3, 3, 26, 41, 41, 1, 1, 2, 2, 1, 41, 41],
        [3, 3, 3, 26, 41, 24, 41, 41, 1, 1, 9, 41, 33, 33],
        [3, 26, 41, 41, 51, 27, 27, 27, 40, 41, 41, 41, 33, 25],
        [41, 41, 25, 41, 41, 41, 48, 41, 27, 41, 32, 32, 41, 41],
        [48, 48, 48, 48, 48, 48, 48, 48, 31, 48, 48, 48, 44, 28],
        [48, 48, 19, 19, 48, 49, 23, 41, 27, 41, 39, 39, 44, 28],
        [19, 19, 19, 48, 44, 49, 49, 41, 27, 27, 30, 52, 28, 54],
        [19, 19, 48, 44, 44, 41, 24, 20, 41, 22, 41, 41, 12, 28],
        [10, 10, 10, 35, 35, 46, 50, 50, 10, 10, 17, 17, 10, 10],
        [10, 11, 35, 35, 36, 46, 46, 50, 35, 55, 47, 16, 10, 13],
        [10, 10, 10, 47, 47, 37, 7, 18, 45, 21, 45, 15, 8, 10],
    ]
    return scene


def preview(prefix, tiles):
    grid = [list(range(r * 8, r * 8 + 8)) for r in range(7)]
    write_png(prefix + "-sheet.png", *render(grid, tiles, 2))
    scene = patch_grid()
    write_png(prefix + "-scene.png", *render(scene, tiles, 2))
    write_png(prefix + "-night.png", *render(scene, tiles, 1, night=True))
    field = [[n for n in (41, 41, 41, 24, 24, 24, 27, 27, 27, 48, 48, 48)] for _ in range(3)] + \
            [[n for n in (3, 3, 3, 10, 10, 10, 1, 1, 1, 49, 49, 49)] for _ in range(3)] + \
            [[n for n in (50, 50, 50, 35, 35, 35, 36, 36, 36, 45, 45, 45)] for _ in range(3)] + \
            [[n for n in (19, 19, 19, 28, 28, 28, 29, 29, 29, 42, 42, 42)] for _ in range(3)]
    write_png(prefix + "-fields.png", *render(field, tiles, 1))


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../.."))
    tiles = build()
    for i, (_, t) in enumerate(tiles):
        assert len(t) == N and all(len(r) == N and all(0 <= c < 16 for c in r) for r in t), i
    write_sources(root, tiles)
    if len(sys.argv) > 2 and sys.argv[1] == "--preview":
        preview(sys.argv[2], tiles)


if __name__ == "__main__":
    main()

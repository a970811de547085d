#!/usr/bin/env python3
"""Generates data/tiles/den.txt and data/tiles/keep.txt.

The committed .txt files are the source the data builder reads; this script
is how their first drafts were drawn and can redraw them:
    python3 tools/art/dungeon/gen.py [DATA_DIR]
Every tile is seeded by its number, so a run is reproducible.
"""
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from artkit import N, Tile, write_tile_set  # noqa: E402
from draw import masonry, voronoi, waves, blob, _wrapd  # noqa: E402
import math  # noqa: E402
from art import CMAP, STATUE, ROBED, CHEST, SKULL, BONE_H, BONE_D, GLYPHS, BRAZIER_FIRE  # noqa: E402

K, NB, G, T, R, P, S, L, D, B, LG, C, LR, M, Y, W = range(16)


def new_set(setname):
    """An empty set: its tiles and names by number, the call that adds a tile,
    and rr(n, salt), the random generator of tile n."""
    tiles, names = {}, {}

    def add(n, name, tile):
        tiles[n] = tile
        names[n] = name

    def rr(n, salt=0):
        return random.Random(sum(map(ord, setname)) * 1000 + n * 17 + salt)

    return tiles, names, add, rr


# ---------------------------------------------------------------- materials

def grey_wall(r):
    return masonry(r, 6, 12, 6, L, K, hi=W, hi_left=L, lo=D, spots=[D, D, W], spot_prob=0.06)


def sand_wall(r):
    return masonry(r, 8, 12, 6, S, K, hi=Y, hi_left=S, lo=R, spots=[R, R, Y], spot_prob=0.07)


def cave_rock(r, crack=K, dark=NB, mid=D, light=L, n=9):
    return voronoi(r, n, crack, dark, mid, light, crack_w=0.9, noise=[D, NB], noise_prob=0.05)


def dark_brick(r):
    return masonry(r, 4, 8, 4, D, K, hi=L, hi_left=D, lo=NB, spots=[NB, L], spot_prob=0.04)


def crystal_wall(r):
    t = voronoi(r, 7, NB, P, B, C, crack_w=0.8, light_cut=0.3, dark_cut=-0.2)
    t.sprinkle(r, 0.02, [W], on=[C])
    return t


def obsidian_wall(r):
    t = voronoi(r, 6, K, K, NB, P, crack_w=0.7, light_cut=0.45, dark_cut=-0.1)
    for y in range(N):
        for x in range(N):
            if t.get(x, y) == P and t.get(x - 1, y - 1) not in (P, B) and r.random() < 0.5:
                t.put(x, y, B, wrap=True)
    return t


def stone_floor(r, base=D, joint=K, speck=(L, NB)):
    t = Tile(base)
    # large slabs: two courses of 12, the second shifted by 6
    for y in range(N):
        for x in range(N):
            if y % 12 == 11:
                t[y][x] = joint
            elif (x + (6 if y >= 12 else 0)) % 12 == 11:
                t[y][x] = joint
            elif r.random() < 0.07:
                t[y][x] = r.choice(speck)
    return t


def dark_floor(r):
    return stone_floor(r, NB, K, (D, K))


def cave_earth(r):
    t = Tile(D)
    for _ in range(7):
        blob(t, r, r.randrange(N), r.randrange(N), r.randint(2, 3), R)
    t.sprinkle(r, 0.05, [R, K])
    for _ in range(6):   # pebbles
        x, y = r.randrange(N), r.randrange(N)
        t.put(x, y, L, wrap=True)
        t.put(x + 1, y, D, wrap=True)
        t.put(x, y + 1, K, wrap=True)
        t.put(x + 1, y + 1, K, wrap=True)
    return t


def sand_floor(r):
    t = Tile(S)
    for y in range(N):
        for x in range(N):
            if y % 12 == 11 or x % 12 == 11:
                t[y][x] = R
            elif r.random() < 0.05:
                t[y][x] = R
    return t


def tiled_floor(r):
    t = Tile()
    for y in range(N):
        for x in range(N):
            if x % 6 == 5 or y % 6 == 5:
                c = K
            else:
                c = D if ((x // 6) + (y // 6)) % 2 == 0 else NB
                if (x % 6 == 0 or y % 6 == 0) and c == D:
                    c = L if r.random() < 0.3 else D
            t[y][x] = c
    return t


def add_bones(t, r, count=3):
    for i in range(count):
        x, y = r.randrange(N), r.randrange(N)
        if i % 2 == 0:
            for dy, row in enumerate(BONE_H):
                for dx, ch in enumerate(row):
                    if ch != '.':
                        t.put(x + dx, y + dy, CMAP[ch], wrap=True)
        else:
            for dy, row in enumerate(BONE_D):
                for dx, ch in enumerate(row):
                    if ch != '.':
                        t.put(x + dx, y + dy, CMAP[ch], wrap=True)


def water(r):
    t = waves(r, T, NB, B, W)
    t.sprinkle(r, 0.015, [C])
    return t


def swamp(r):
    t = Tile(G)
    for _ in range(5):       # dark pools
        blob(t, r, r.randrange(N), r.randrange(N), r.randint(2, 3), NB)
    for _ in range(4):
        blob(t, r, r.randrange(N), r.randrange(N), 1, T)
    t.sprinkle(r, 0.08, [D, K], on=[G])
    for _ in range(5):   # reeds
        x, y = r.randrange(N), r.randrange(N)
        for k in range(5):
            t.put(x, y - k, D if k < 2 else LG if k == 4 else G, wrap=True)
            t.put(x - 1, y - k + 1, K if k < 2 else None, wrap=True)
    for _ in range(4):   # bubbles on the pools
        x, y = r.randrange(N), r.randrange(N)
        if t.get(x, y) in (NB, T):
            t.put(x, y, B, wrap=True)
    return t


def lava(r, crust=R, crust_dark=K, molten=LR, hot=Y):
    seeds = [(r.uniform(0, N), r.uniform(0, N)) for _ in range(7)]
    t = Tile(molten)
    for y in range(N):
        for x in range(N):
            ds = sorted((math.hypot(_wrapd(x + .5, sx), _wrapd(y + .5, sy)), _wrapd(x + .5, sx), _wrapd(y + .5, sy))
                        for sx, sy in seeds)
            gap = ds[1][0] - ds[0][0]
            if gap < 1.0:
                c = hot
            elif gap < 2.6:
                c = molten
            else:
                vx, vy = ds[0][1], ds[0][2]
                c = crust_dark if (vx + vy) > 1.5 else crust
                if r.random() < 0.06:
                    c = crust_dark
            t[y][x] = c
    t.sprinkle(r, 0.03, [W], on=[hot])
    return t


def shade_col(t, x0, x1, y0, y1, cols):
    """Vertical cylinder shading: cols from left (lit) to right (dark)."""
    w = x1 - x0 + 1
    for x in range(x0, x1 + 1):
        c = cols[min(len(cols) - 1, (x - x0) * len(cols) // w)]
        for y in range(y0, y1 + 1):
            t.put(x, y, c)


def column(bg, cols, cap, base_c, edge=K):
    t = bg.copy()
    shade_col(t, 7, 16, 4, 19, cols)
    for x in range(8, 16, 3):   # flutes
        for y in range(5, 19):
            if t.get(x, y) not in (edge,):
                t.put(x, y, D if t.get(x, y) != D else NB)
    t.rect(5, 1, 18, 3, cap)
    t.rect(5, 20, 18, 22, base_c)
    t.frame(5, 1, 18, 3, edge)
    t.frame(5, 20, 18, 22, edge)
    t.rect(6, 1, 17, 1, W if cap == L else Y)
    for y in range(4, 20):
        t.put(6, y, edge)
        t.put(17, y, edge)
    return t


def rock_pillar(r, bg, light=L, mid=D, dark=NB, edge=K, glint=W):
    t = bg.copy()
    rock = voronoi(r, 8, edge, dark, mid, light, crack_w=0.8)
    for y in range(N):
        wob = (1 if (y * 5) % 7 < 2 else 0) - (1 if (y * 3) % 11 < 2 else 0)
        x0, x1 = 5 + wob, 18 + wob // 2
        if y > 19:          # flared foot
            x0 -= (y - 19) // 2 + 1
            x1 += (y - 19) // 2 + 1
        for x in range(x0, x1 + 1):
            c = rock.get(x, y)
            f = (x - x0) / (x1 - x0)
            if f < 0.3 and c != edge:
                c = light if c != dark or (x + y) % 2 else mid
            elif f > 0.7 and c != edge:
                c = dark if c != light or (x + y) % 2 else mid
            t.put(x, y, c)
        t.put(x0 - 1, y, edge)
        t.put(x1 + 1, y, edge)
        if y % 5 == 2:
            t.put(x0, y, glint)
    t.rect(2, 23, 21, 23, edge)
    return t


def stalagmites(r, bg):
    t = bg.copy()
    for cx, h, w in ((6, 16, 4), (16, 20, 5), (11, 10, 3), (20, 9, 2)):
        base = 21 if cx != 11 else 22
        for k in range(h):
            y = base - k
            half = max(0, round(w * (1 - k / h)))
            for x in range(cx - half, cx + half + 1):
                c = L if x < cx - half / 3 else D if x < cx + half / 2 else NB
                t.put(x, y, c)
            t.put(cx - half - 1, y, K)
            t.put(cx + half + 1, y, K)
        t.put(cx, base - h, W)
        for x in range(cx - w - 1, cx + w + 2):
            t.put(x, base + 1, K)
    return t


def rubble(r, bg, full=False, edge=K, dark=NB, mid=D, light=L):
    """A heap of broken stones (full: stones fill the whole square)."""
    t = bg.copy()
    rock = voronoi(r, 16 if full else 14, edge, dark, mid, light, crack_w=0.9, light_cut=0.2, dark_cut=-0.3)
    for y in range(N):
        for x in range(N):
            inside = full or ((x - 11.5) / 11.0) ** 2 + ((y - 15.0) / 9.5) ** 2 <= 1.0 or \
                ((x - 8.0) / 6.0) ** 2 + ((y - 9.0) / 5.0) ** 2 <= 1.0
            if inside:
                t.put(x, y, rock.get(x, y))
            elif any(((x + a - 11.5) / 11.0) ** 2 + ((y + b - 15.0) / 9.5) ** 2 <= 1.0 or
                     ((x + a - 8.0) / 6.0) ** 2 + ((y + b - 9.0) / 5.0) ** 2 <= 1.0
                     for a, b in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                t.put(x, y, edge)
    t.sprinkle(r, 0.03, [W], on=[light])
    return t


def bones_pile(r, bg):
    t = bg.copy()
    add_bones(t, r, 5)
    t.stamp(SKULL, CMAP, 8, 8)
    t.stamp(SKULL, CMAP, 15, 13)
    t.stamp(BONE_H, CMAP, 3, 17)
    return t


def iron_bars(bg_col=K, bar=D, hi=L, glint=W, frame_c=D):
    t = Tile(bg_col)
    for x in range(2, N, 5):
        for y in range(N):
            t.put(x, y, hi)
            t.put(x + 1, y, bar)
            t.put(x + 2, y, K)
        t.put(x, 3, glint)
    for y in (4, 17):
        for x in range(N):
            t.put(x, y, hi)
            t.put(x, y + 1, bar)
            t.put(x, y + 2, K)
    return t


def altar(bg, cloth=R, stone_top=L, stone=D, dark=NB, flame=Y):
    t = bg.copy()
    t.rect(2, 9, 21, 21, K)
    t.rect(3, 10, 20, 13, stone_top)
    t.rect(3, 10, 20, 10, W)
    t.rect(3, 14, 20, 20, stone)
    t.rect(3, 19, 20, 20, dark)
    t.rect(8, 12, 15, 17, cloth)          # hanging cloth
    t.rect(8, 12, 15, 12, LR if cloth == R else cloth)
    for x in (9, 11, 13):
        t.put(x, 17, K)
    for cx in (5, 18):                      # candles
        t.rect(cx, 6, cx + 1, 10, W)
        t.put(cx + 1, 7, L)
        t.put(cx, 5, flame)
        t.put(cx, 4, Y)
        t.put(cx + 1, 5, LR)
    return t


def wide_altar(bg, flame=Y):
    """The black altar of a den's deepest cavern, two squares wide: a slab on a
    stepped plinth, a red cloth over its middle, candles at both ends. Returns
    the left and the right square."""
    halves = (bg.copy(), bg.copy())

    def rect(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                halves[x // N].put(x % N, y, c)

    rect(0, 18, 47, 23, K)                  # the plinth, a step wider than the slab
    rect(1, 19, 46, 22, NB)
    rect(1, 19, 46, 19, D)
    rect(3, 7, 44, 18, K)                   # the slab
    rect(4, 8, 43, 10, D)                   # its top, lit along the back edge
    rect(4, 8, 43, 8, L)
    rect(4, 11, 43, 17, NB)                 # its front, under a carved moulding
    rect(4, 12, 43, 12, D)
    rect(4, 17, 43, 17, D)
    rect(17, 7, 30, 15, K)                  # the red cloth over the middle
    rect(18, 8, 29, 14, LR)
    rect(18, 8, 29, 8, Y)
    rect(18, 14, 29, 14, R)
    for x in range(18, 30, 2):
        rect(x, 15, x, 16, LR)              # its fringe
    for (x, y) in ((23, 10), (24, 10), (22, 11), (25, 11), (23, 12), (24, 12)):
        halves[x // N].put(x % N, y, K)     # a black ring stitched on it
    for cx in (5, 41):                      # tall candles at the ends, short ones inside
        rect(cx, 2, cx + 1, 7, W)
        rect(cx + 1, 3, cx + 1, 7, L)
        rect(cx, 0, cx, 1, flame)
        halves[cx // N].put(cx % N, 1, Y)
    for cx in (14, 33):
        rect(cx, 4, cx + 1, 7, W)
        rect(cx, 2, cx, 3, flame)
    return halves


def lever(wall, up=True, knob=LR, plate=D, arm=L):
    t = wall.copy()
    t.rect(6, 9, 17, 15, K)
    t.rect(7, 10, 16, 14, plate)
    t.rect(7, 10, 16, 10, L)
    t.rect(10, 11, 13, 13, K)          # slot
    for (x, y) in ((8, 11), (15, 11), (8, 13), (15, 13)):
        t.put(x, y, W)                 # rivets
    sign = -1 if up else 1
    pts = set()
    for i in range(9):                 # arm from the slot outwards
        x = 12 - i // 3
        y = 12 + sign * i
        pts.add((x, y))
        pts.add((x + 1, y))
    ky = 12 + sign * 9
    knob_pts = {(x, y) for x in range(6, 13) for y in range(ky - 3, ky + 4)
                if (x - 9.5) ** 2 + (y - ky) ** 2 <= 5.5}
    for x, y in pts | knob_pts:        # outline
        for a in (-1, 0, 1):
            for b in (-1, 0, 1):
                q = (x + a, y + b)
                if q not in pts and q not in knob_pts:
                    t.put(q[0], q[1], K)
    for x, y in pts:
        t.put(x, y, arm if (x + 1, y) in pts else D)
    for x, y in knob_pts:
        t.put(x, y, knob)
    t.put(9, ky - 1, W)
    t.put(8, ky, W)
    return t


def brazier(bg, bowl=D, rim=L):
    t = bg.copy()
    t.stamp(BRAZIER_FIRE, CMAP, 0, 2)
    t.rect(4, 10, 19, 10, rim)
    t.rect(5, 11, 18, 13, bowl)
    t.rect(7, 14, 16, 14, bowl)
    t.frame(4, 10, 19, 10, K)
    for y in range(11, 14):
        t.put(4, y, K)
        t.put(19, y, K)
    t.rect(5, 11, 18, 11, LR)
    t.rect(6, 14, 17, 14, K)
    for i in range(7):   # tripod legs
        t.put(8 - i // 2, 15 + i, D)
        t.put(15 + i // 2, 15 + i, D)
        t.put(12, 15 + i, NB)
    return t


def door(frame_wall, plank=R, plank_hi=S, band=D, ring=Y):
    t = frame_wall.copy()
    t.rect(4, 2, 19, 23, K)
    for x in range(5, 19):
        for y in range(3, 24):
            dx = x - 11.5
            if y < 7 and dx * dx + (y - 7) ** 2 * 4 > 49:
                continue
            c = plank if (x - 5) % 4 != 3 else K
            if (x - 5) % 4 == 0 and c != K:
                c = plank_hi
            t.put(x, y, c)
    for y in (8, 18):
        t.rect(5, y, 18, y, band)
        t.rect(5, y + 1, 18, y + 1, K)
        for x in (6, 10, 14, 17):
            t.put(x, y, L)
    t.disc(15, 13, 1.6, ring)
    t.put(15, 13, plank)
    return t


def stele(bg, face=L, side=D, text=K):
    t = bg.copy()
    for y in range(2, 21):
        for x in range(6, 18):
            dx = x - 11.5
            if y < 7 and dx * dx + (y - 7) ** 2 * 1.4 > 36:
                continue
            t.put(x, y, face if x < 16 else side)
    for y in range(2, 21):   # outline
        for x in range(5, 19):
            if t.get(x, y) not in (face, side) and any(
                    t.get(x + a, y + b) in (face, side) and 5 <= x + a < 19 and 2 <= y + b < 21
                    for a, b in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                t.put(x, y, K)
    t.rect(4, 20, 19, 22, side)
    t.frame(4, 20, 19, 22, K)
    t.rect(5, 20, 18, 20, face)
    for y in (6, 9, 12, 15):
        x = 8
        rr = random.Random(y)
        while x < 15:
            w = rr.randint(1, 3)
            t.rect(x, y, min(x + w - 1, 14), y, text)
            x += w + 1
    t.put(7, 4, W)
    t.put(8, 3, W)
    return t


def stairs(wall, tread=L, riser=D, deep=NB, nose=W):
    t = wall.copy()
    t.rect(3, 0, 20, 23, K)
    steps = [(1, tread, nose), (6, riser, tread), (11, deep, riser), (15, K, deep)]
    for k, (y0, c, edge) in enumerate(steps):
        h = 5 - k
        x0, x1 = 4 + k, 19 - k
        t.rect(x0, y0, x1, y0 + h - 2, c)
        t.rect(x0, y0, x1, y0, edge)
        t.rect(x0, y0 + h - 1, x1, y0 + h - 1, K)
    t.rect(3, 0, 3, 23, D)
    t.rect(20, 0, 20, 23, NB)
    return t


def robed(bg, robe=P, shade=NB, trim=B):
    t = bg.copy()
    art = [row.replace('P', '1').replace('N', '2').replace('B', '3') for row in ROBED]
    cm = dict(CMAP)
    cm.update({'1': robe, '2': shade, '3': trim})
    t.stamp(art, cm, 0, 1)
    return t


def statue(bg, cm_override=None):
    t = bg.copy()
    cm = dict(CMAP)
    if cm_override:
        cm.update(cm_override)
    t.stamp(STATUE, cm, 0, 1)
    return t


def chest(bg, wood=R, trim=S, band=L):
    t = bg.copy()
    cm = dict(CMAP)
    cm.update({'R': wood, 'S': trim, 'L': band})
    t.stamp(CHEST, cm, 0, 0)
    return t


def glyph_wall(r, base_fn, glyph_colour=K, shadow=Y, sel=(0, 1, 2, 3), panel=S, rim=R, hi=Y):
    """A smooth carved panel set into the wall, four glyphs cut into it."""
    t = base_fn(r)
    t.rect(1, 1, 22, 22, panel)
    t.frame(0, 0, 23, 23, K)
    t.rect(1, 1, 22, 1, hi)
    t.rect(1, 1, 1, 22, hi)
    t.rect(1, 22, 22, 22, rim)
    t.rect(22, 1, 22, 22, rim)
    for k, gi in enumerate(sel):
        g = GLYPHS[gi]
        ox = 4 + (k % 2) * 10
        oy = 3 + (k // 2) * 10
        for dy, row in enumerate(g):
            for dx, ch in enumerate(row):
                if ch == 'K':
                    t.put(ox + dx, oy + dy, glyph_colour, wrap=True)
                    below = dy + 1 < len(g) and g[dy + 1][dx] == 'K'
                    if not below:
                        t.put(ox + dx, oy + dy + 1, shadow, wrap=True)
    return t


def crack(t, r, x, y, length, c=K, lite=None):
    for _ in range(length):
        t.put(x, y, c, wrap=True)
        if lite is not None:
            t.put(x + 1, y, lite, wrap=True)
        y += 1
        x += r.choice((-1, 0, 0, 1))


def mossify(t, r, amount, moss=G, bright=LG, top=True):
    for _ in range(amount):
        x = r.randrange(N)
        y = r.randrange(N) if not top else r.randrange(N // 2) + (0 if r.random() < 0.7 else 12)
        blob(t, r, x, y, r.randint(1, 3), moss)
    t.sprinkle(r, 0.2, [bright], on=[moss])
    return t


# ---------------------------------------------------------------- den set

def den_tiles():
    tiles, names, add, rr = new_set('den')
    fl_stone = stone_floor(rr(41))
    fl_dark = dark_floor(rr(42))
    fl_earth = cave_earth(rr(43))
    fl_sand = sand_floor(rr(44))
    # objects stand on the floor most of their squares in the dens have: the pyramid's
    # sandstone for statues, columns, chests and braziers; cave earth for what lies
    # about in caves (rock pillars, rubble, bones), the altar and the inscribed stone;
    # the tiled floor for the robed figure
    wall_grey = grey_wall(rr(1))
    wall_sand = sand_wall(rr(2))

    add(1, 'grey stone wall', wall_grey)
    add(2, 'sandstone block wall (pyramid)', wall_sand)
    add(3, 'carved sandstone wall with glyphs', glyph_wall(rr(3), sand_wall))
    add(4, 'rough cave rock', cave_rock(rr(4)))
    add(5, 'dark brick wall', dark_brick(rr(5)))
    add(6, 'rock pillar', rock_pillar(rr(6), fl_earth))
    add(7, 'stalagmites', stalagmites(rr(7), fl_earth))
    add(8, 'statue on a pedestal', statue(fl_sand))
    add(9, 'altar of black stone with candles', altar(fl_earth, cloth=R, stone_top=D, stone=NB, dark=K))
    add(10, 'column', column(fl_sand, [W, L, L, L, D, D, NB], L, L))
    add(11, 'rubble', rubble(rr(11), fl_earth))
    add(12, 'bones', bones_pile(rr(12), fl_earth))
    add(13, 'iron bars', iron_bars())
    add(14, 'crystal wall', crystal_wall(rr(14)))
    add(15, 'obsidian wall', obsidian_wall(rr(15)))
    add(16, 'lever, up', lever(wall_grey, True))
    add(17, 'lever, down', lever(wall_grey, False))
    add(18, 'chest', chest(fl_sand))
    add(19, 'brazier', brazier(fl_sand))

    # wall variants
    t = wall_grey.copy(); mossify(t, rr(20), 7)
    add(20, 'grey wall with moss', t)
    t = wall_grey.copy(); r = rr(21); crack(t, r, 8, 0, 24); crack(t, r, 17, 6, 14)
    add(21, 'cracked grey wall', t)
    add(22, 'red rock', voronoi(rr(22), 9, K, R, LR if False else R, S, crack_w=0.9, noise=[R, K], noise_prob=0.04))
    t = Tile(K)
    for row in range(4):
        for k in range(4):
            ox = k * 6 + (3 if row % 2 else 0)
            oy = row * 6
            for dy, line in enumerate(SKULL):
                for dx, ch in enumerate(line):
                    if ch != '.':
                        t.put(ox + dx, oy + dy, CMAP[ch], wrap=True)
    for x in range(N):       # shelves of long bones between the rows
        for row in range(4):
            y = row * 6 + 5
            if t.get(x, y) == K:
                t.put(x, y, L if x % 6 else W, wrap=True)
    add(23, 'wall of skulls and bones', t)
    t = wall_sand.copy()
    t.rect(5, 2, 18, 23, K)
    t.rect(6, 3, 17, 23, R)
    t.rect(7, 4, 16, 23, S)
    t.stamp(GLYPHS[1], {'K': K}, 10, 8)
    t.rect(6, 16, 17, 16, K)
    add(24, 'sealed stone door', t)
    t = wall_sand.copy(); crack(t, rr(25), 12, 0, 24, K, R)
    add(25, 'cracked sandstone wall', t)
    t = wall_sand.copy()
    t.rect(0, 8, 23, 15, R)
    for x in range(0, N, 6):
        t.stamp(GLYPHS[(x // 6) % 6], {'K': Y}, x, 8)
    t.rect(0, 8, 23, 8, K); t.rect(0, 15, 23, 15, K)
    add(26, 'sandstone with a glyph band', t)
    t = wall_sand.copy()
    t.disc(11.5, 11.5, 7.5, K); t.disc(11.5, 11.5, 6.5, Y); t.disc(11.5, 11.5, 4.5, S); t.disc(11.5, 11.5, 2.5, Y)
    add(27, 'sandstone with a sun disc', t)
    t = cave_rock(rr(28)); mossify(t, rr(28, 1), 6)
    add(28, 'mossy cave rock', t)
    t = cave_rock(rr(29), K, NB, T, B)
    t.sprinkle(rr(29, 1), 0.03, [W], on=[B])
    add(29, 'wet blue cave rock', t)
    altar_left, altar_right = wide_altar(fl_earth)
    add(30, 'the black altar, left half (Menace)', altar_left)
    add(31, 'the black altar, right half', altar_right)
    add(32, 'white temple wall', masonry(rr(32), 12, 12, 6, L, D, hi=W, lo=L, spots=[W], spot_prob=0.05))
    t = masonry(rr(33), 12, 12, 6, L, D, hi=W, lo=L, spots=[W], spot_prob=0.05)
    t.rect(7, 2, 16, 21, K)
    for y in range(3, 21):
        for x in range(8, 16):
            dx = x - 11.5
            if y < 7 and dx * dx + (y - 7) ** 2 > 16:
                continue
            t.put(x, y, B if (x + y) % 5 else W)
    t.rect(8, 12, 15, 12, K); t.rect(11, 3, 12, 20, K)
    add(33, 'temple wall with a window of light', t)
    # a wall first: lumps of dark rock lit from the top left like the other cave
    # rock, the glow only in a few of its cracks, so it never reads as lava crust
    t = voronoi(rr(34), 7, K, NB, R, S, crack_w=1.2)
    t.recolour({K: LR}, region=lambda x, y: rr(34, x * N + y).random() < 0.12)
    add(34, 'demon cave rock with glowing veins', t)
    t = dark_brick(rr(35))
    for k in range(4):
        t.stamp(SKULL, CMAP, 3 + (k % 2) * 12, 2 + (k // 2) * 12)
    add(35, 'brick wall set with skulls', t)
    t = wall_grey.copy()
    t.rect(10, 12, 13, 19, K); t.rect(11, 12, 12, 18, R); t.rect(9, 11, 14, 11, D)
    t.stamp(BRAZIER_FIRE[:6], CMAP, 0, 4)
    add(36, 'wall with a torch', t)
    t = wall_grey.copy()
    for cx in (7, 16):
        for y in range(0, 20, 2):
            t.rect(cx, y, cx + 1, y, K); t.put(cx, y + 1, D); t.put(cx + 1, y + 1, L)
        t.rect(cx - 1, 20, cx + 2, 21, D); t.frame(cx - 1, 20, cx + 2, 21, K)
    add(37, 'wall hung with chains', t)
    t = cave_rock(rr(38))
    r = rr(38, 1)
    for k in range(4):
        x = r.randrange(N)
        for y in range(N):
            t.put(x, y, R, wrap=True); t.put(x + 1, y, K, wrap=True)
            if r.random() < 0.3:
                x += r.choice((-1, 1))
    add(38, 'rock overgrown with roots', t)
    t = cave_rock(rr(39))
    r = rr(39, 1)
    for k in range(5):
        x, y = r.randrange(N), r.randrange(N)
        t.put(x, y, C, wrap=True); t.put(x + 1, y, B, wrap=True)
        t.put(x, y + 1, P, wrap=True); t.put(x + 1, y - 1, W, wrap=True)
    add(39, 'rock with crystal veins', t)
    add(40, 'cave-in', rubble(rr(40), Tile(K), full=True))

    add(41, 'stone floor', fl_stone)
    add(42, 'dark floor', fl_dark)
    add(43, 'cave earth', fl_earth)
    add(44, 'sandstone floor (base of the pyramid)', fl_sand)
    add(45, 'tiled floor', tiled_floor(rr(45)))
    t = fl_earth.copy(); add_bones(t, rr(46), 4); t.stamp(SKULL, CMAP, 14, 4)
    add(46, 'bone-strewn floor', t)
    t = fl_stone.copy(); mossify(t, rr(47), 6, top=False)
    add(47, 'mossy floor', t)
    add(48, 'water', water(rr(48)))
    add(49, 'swamp', swamp(rr(49)))
    add(50, 'lava', lava(rr(50)))
    add(51, 'closed door', door(wall_grey))
    add(52, 'hidden event square, drawn as sandstone floor', fl_sand.copy())
    add(53, 'inscribed stone', stele(fl_earth))
    add(54, 'stairs down', stairs(wall_grey))
    add(55, 'robed figure', robed(tiled_floor(rr(45))))
    add(0, 'base floor (cave earth; replaced by the map base tile)', fl_earth.copy())
    return tiles, names


# ---------------------------------------------------------------- keep set

def keep_tiles():
    tiles, names, add, rr = new_set('keep')
    fl_flag = stone_floor(rr(40), D, K, (NB, L))
    fl_marble = Tile(NB)
    r = rr(41)
    for y in range(N):
        for x in range(N):
            if x % 12 == 11 or y % 12 == 11:
                fl_marble[y][x] = K
            elif x % 12 == 0 or y % 12 == 0:
                fl_marble[y][x] = D if r.random() < 0.5 else NB
    for k in range(2):       # faint veins
        x, y = r.randrange(N), r.randrange(N)
        for i in range(14):
            if fl_marble.get(x, y) == NB:
                fl_marble.put(x, y, D if i % 4 else P, wrap=True)
            x += 1
            y += r.choice((-1, 0, 1, 1))
    fl_carpet = Tile(R)
    for y in range(N):
        for x in range(N):
            dx, dy = abs((x % 12) - 5.5), abs((y % 12) - 5.5)
            if dx + dy < 1:
                fl_carpet[y][x] = Y
            elif dx + dy < 2.5:
                fl_carpet[y][x] = LR
            elif abs(dx + dy - 6) < 0.6:
                fl_carpet[y][x] = S
            elif (x + y) % 2 == 0 and r.random() < 0.08:
                fl_carpet[y][x] = K
    fl_grate = Tile(K)
    for y in range(N):
        for x in range(N):
            if x % 6 in (0, 1) or y % 6 in (0, 1):
                fl_grate[y][x] = L if (x % 6 == 0 or y % 6 == 0) else T
            if x % 6 == 0 and y % 6 == 0:
                fl_grate[y][x] = W
    fl_stone = stone_floor(rr(44), D, K, (L, D, NB))
    for y in range(N):
        for x in range(N):
            if y % 8 == 7 or x % 8 == 7:
                fl_stone[y][x] = K
    fl_tiles = Tile()
    for y in range(N):
        for x in range(N):
            a = (x // 6 + y // 6) % 2
            c = P if a else NB
            if x % 6 == 5 or y % 6 == 5:
                c = K
            elif (x % 6 == 0 or y % 6 == 0) and a:
                c = M if (x % 6 == 0 and y % 6 == 0) else P
            fl_tiles[y][x] = c
    fl_ash = Tile(D)
    for _ in range(8):
        blob(fl_ash, r, r.randrange(N), r.randrange(N), r.randint(1, 3), NB)
    fl_ash.sprinkle(r, 0.12, [L, K, NB])
    fl_ash.sprinkle(r, 0.01, [LR])
    fl_gold = Tile(S)
    for y in range(N):
        for x in range(N):
            if x % 8 == 7 or y % 8 == 7:
                fl_gold[y][x] = R
            elif y % 8 == 0 and x % 8 < 6:
                fl_gold[y][x] = Y
            elif x % 8 == 6 or y % 8 == 6:
                fl_gold[y][x] = R if (x + y) % 2 else S
            elif (x % 8, y % 8) == (3, 3):
                fl_gold[y][x] = W

    def fort_wall(rg):
        return masonry(rg, 6, 12, 6, T, K, hi=L, hi_left=T, lo=D, spots=[D, D, L], spot_prob=0.06)

    def basalt(rg):
        return masonry(rg, 8, 12, 4, NB, K, hi=T, hi_left=D, lo=K, spots=[P, D], spot_prob=0.05)

    wall = fort_wall(rr(1))
    add(1, 'dark grey fortress wall', wall)
    add(2, 'black basalt blocks', basalt(rr(2)))
    add(3, 'basalt carved with glowing runes', glyph_wall(rr(3), basalt, LR, R, (4, 2, 5, 3), NB, K, T))
    add(4, 'rough black rock', cave_rock(rr(4), K, K, NB, D))
    t = masonry(rr(5), 4, 8, 4, R, K, hi=D, hi_left=R, lo=K, spots=[K, LR], spot_prob=0.05)
    add(5, 'dark red brick wall', t)
    add(6, 'obsidian pillar', rock_pillar(rr(6), fl_flag, light=P, mid=NB, dark=K, edge=K, glint=B))
    t = stalagmites(rr(7), fl_flag)
    t.recolour({L: W, D: T, NB: NB})
    add(7, 'iron spikes', t)
    t = statue(fl_flag, {'L': D, 'W': L, 'D': NB})
    t.stamp(["K....K", "LK..KL", ".LKKL."], CMAP, 9, 0)
    t.put(11, 3, LR); t.put(13, 3, LR)
    add(8, 'demon statue', t)
    add(9, 'blood altar', altar(fl_flag, cloth=R, stone_top=D, stone=NB, dark=K, flame=LR))
    add(10, 'dark stone column with gold', column(fl_marble, [L, T, T, T, D, D, NB], S, S))
    add(11, 'rubble', rubble(rr(11), fl_flag))
    add(12, 'heap of skulls', bones_pile(rr(12), fl_ash))
    add(13, 'iron bars', iron_bars(K, T, L, W))
    t = voronoi(rr(14), 7, K, R, P, M, crack_w=0.8, light_cut=0.3, dark_cut=-0.2)
    t.sprinkle(rr(14, 1), 0.02, [W], on=[M])
    add(14, 'red crystal wall', t)
    add(15, 'obsidian wall', obsidian_wall(rr(15)))
    add(16, 'lever, up', lever(wall, True))
    add(17, 'lever, down', lever(wall, False))
    add(18, 'iron-bound chest', chest(fl_flag, wood=NB, trim=S, band=S))
    t = brazier(fl_flag)
    t.recolour({Y: LR, W: Y}, region=lambda x, y: y < 10)
    add(19, 'brazier of red fire', t)

    # furniture and variants
    t = fl_carpet.copy()
    t.rect(4, 1, 19, 22, K)
    t.rect(5, 2, 18, 12, R); t.rect(7, 4, 16, 12, LR)
    t.rect(5, 13, 18, 17, S); t.rect(5, 13, 18, 13, Y)
    t.rect(3, 9, 5, 20, S); t.rect(18, 9, 20, 20, S); t.frame(3, 9, 5, 20, K); t.frame(18, 9, 20, 20, K)
    t.rect(6, 18, 17, 21, R)
    t.stamp(["K...K", "yK.Ky", ".yyy."], CMAP, 10, 0)
    add(20, 'demon throne', t)
    t = wall.copy()
    t.rect(7, 0, 16, 19, R); t.rect(7, 0, 7, 19, LR)
    for x in range(7, 17):
        t.put(x, 20 + (1 if x in (7, 8, 15, 16) else 0) - (1 if x in (11, 12) else 0), R)
    t.frame(6, 0, 17, 0, S)
    t.stamp(["..y..", ".yry.", "yrrry", ".yry.", "..y.."], CMAP, 10, 6)
    add(21, 'wall with a red banner', t)
    t = wall.copy()
    t.rect(6, 3, 17, 19, K)
    for y in range(4, 19):
        for x in range(7, 17):
            t.put(x, y, R if y > 13 else NB if y < 8 else P)
    t.disc(14, 7, 1.6, LR); t.put(14, 7, W)
    t.rect(11, 4, 12, 18, K); t.rect(7, 11, 16, 11, K)
    add(22, 'window onto the red star', t)
    t = Tile(R)
    for sy in (1, 9, 17):
        t.rect(0, sy + 6, 23, sy + 7, S)
        t.rect(0, sy + 7, 23, sy + 7, R)
        x = 0
        rb = rr(23, sy)
        while x < 24:
            w = rb.randint(2, 3)
            col = rb.choice([LR, T, G, P, NB, S, B])
            h = rb.randint(4, 6)
            t.rect(x, sy + 6 - h, x + w - 1, sy + 5, col)
            t.rect(x, sy + 6 - h, x, sy + 5, K)
            x += w
    t.frame(0, 0, 23, 23, K)
    add(23, 'bookshelf', t)
    t = fl_flag.copy()
    t.rect(1, 6, 22, 18, K); t.rect(2, 7, 21, 14, R); t.rect(2, 7, 21, 7, S)
    t.rect(2, 15, 21, 16, NB); t.rect(3, 17, 4, 21, R); t.rect(19, 17, 20, 21, R)
    t.rect(5, 9, 9, 12, W); t.line(6, 10, 8, 10, D); t.rect(14, 9, 15, 12, Y)
    add(24, 'table with scrolls', t)
    t = fl_flag.copy()
    t.rect(1, 12, 22, 19, K); t.rect(2, 13, 21, 16, R); t.rect(2, 13, 21, 13, S)
    t.rect(6, 1, 17, 11, K); t.rect(7, 2, 16, 10, L); t.rect(8, 3, 15, 8, NB)
    t.line(9, 4, 12, 4, LG); t.line(9, 6, 13, 6, LG); t.put(14, 6, W)
    t.rect(4, 14, 19, 15, D); t.rect(3, 17, 4, 21, R); t.rect(19, 17, 20, 21, R)
    add(25, 'desk with a glowing screen', t)
    t = Tile(R)
    for x in range(N):
        for y in range(N):
            k = x % 6
            t[y][x] = LR if k == 1 else K if k == 5 else R
    t.rect(0, 0, 23, 2, S); t.rect(0, 3, 23, 3, K)
    add(26, 'red curtain', t)
    t = wall.copy()
    for k in range(6):
        t.stamp(SKULL, CMAP, (k % 3) * 8 + 1, (k // 3) * 12 + 3)
    add(27, 'wall of skulls', t)
    t = masonry(rr(28), 12, 12, 6, NB, S, hi=D, lo=K, spots=[P], spot_prob=0.04)
    t.recolour({S: Y}, region=lambda x, y: (x + y) % 4 == 0)
    add(28, 'black marble wall with gold seams', t)
    t = wall.copy()
    t.rect(10, 12, 13, 19, K); t.rect(11, 12, 12, 18, D); t.rect(9, 11, 14, 11, L)
    t.stamp(BRAZIER_FIRE[:6], CMAP, 0, 4)
    t.recolour({Y: LR, W: Y}, region=lambda x, y: y < 11)
    add(29, 'wall with a torch', t)
    t = wall.copy()
    for cx in (5, 12, 19):
        for y in range(0, 22, 2):
            t.rect(cx, y, cx + 1, y, K); t.put(cx, y + 1, D); t.put(cx + 1, y + 1, L)
    t.rect(4, 21, 21, 22, T); t.frame(4, 21, 21, 22, K)
    add(30, 'wall hung with chains', t)
    t = wall.copy()
    r = rr(31)
    for k in range(3):
        x = r.randrange(N)
        for y in range(r.randrange(8), N):
            if r.random() < 0.8:
                t.put(x, y, R, wrap=True)
            if r.random() < 0.15:
                x += r.choice((-1, 1))
    blob(t, r, 12, 6, 3, R); blob(t, r, 12, 6, 1, LR)
    add(31, 'bloodstained wall', t)
    t = iron_bars(K, D, L, W)
    for x in range(3, N, 5):
        t.put(x, 22, W); t.put(x, 23, L)
    t.recolour({K: NB}, region=lambda x, y: y < 2)
    add(32, 'portcullis', t)
    t = basalt(rr(33))
    t.rect(5, 2, 18, 23, K); t.rect(6, 3, 17, 23, P)
    t.stamp(GLYPHS[4], {'K': LR}, 9, 7); t.stamp(GLYPHS[2], {'K': LR}, 9, 15)
    add(33, 'door sealed with runes', t)
    t = cave_rock(rr(34), LR, K, NB, D)
    t.sprinkle(rr(34, 1), 0.03, [Y], on=[LR])
    add(34, 'wall cracked over fire', t)
    t = wall.copy(); mossify(t, rr(35), 6, G, T)
    add(35, 'damp wall with slime', t)
    t = wall.copy(); r = rr(36); crack(t, r, 6, 0, 24); crack(t, r, 16, 4, 18)
    add(36, 'cracked fortress wall', t)
    t = masonry(rr(37), 12, 12, 6, NB, S, hi=D, lo=K)
    t.rect(4, 1, 19, 22, K); t.rect(5, 2, 18, 20, P); t.rect(5, 2, 18, 2, S)
    t.disc(11.5, 9.5, 4, S); t.disc(11.5, 9.5, 2.8, P); t.disc(11.5, 9.5, 1.2, Y)
    t.rect(8, 15, 15, 16, S)
    for x in range(5, 19, 2):
        t.put(x, 21, S)
    add(37, "tapestry with the makers' sign", t)
    t = fl_flag.copy()
    t.stamp([
        "..........KKKK..........",
        ".........KLWLDK.........",
        ".........KLKKDK.........",
        ".........KLLLDK.........",
        ".......KKKKLDKKKK.......",
        "......KLLLLLLLLDDK......",
        "......KLWLLLLLLLDK......",
        "......KLLKLLLLDKDK......",
        "......KLLKLLLLDKDK......",
        "......KDDKSSSSDKDK......",
        ".......KK.KLLDK.KK......",
        ".........KLLLDDK........",
        ".........KLLKDDK........",
        ".........KLLKDDK........",
        ".........KLDKDDK........",
        "........KLLDKDDDK.......",
        "........KKKKKKKKK.......",
        "......KDDDDDDDDDDDK.....",
        "......KKKKKKKKKKKKK.....",
    ], CMAP, 0, 3)
    add(38, 'suit of armour', t)
    t = wall.copy()
    t.rect(2, 4, 21, 5, R); t.rect(2, 16, 21, 17, R)
    for k, x in enumerate((5, 11, 17)):
        t.line(x, 1, x, 20, L); t.line(x + 1, 1, x + 1, 20, D)
        t.rect(x - 1, 1, x + 2, 2, W if k != 1 else L)
        t.rect(x - 2, 13, x + 3, 13, S)
    add(39, 'weapon rack', t)

    add(40, 'flagstones', fl_flag)
    add(41, 'black marble', fl_marble)
    add(42, 'red carpet', fl_carpet)
    add(43, 'iron grating', fl_grate)
    add(44, 'stone', fl_stone)
    add(45, 'tiles', fl_tiles)
    add(46, 'ash', fl_ash)
    add(47, 'gold floor', fl_gold)
    # water lighter than any fortress floor, so a moat never reads as black marble
    t = waves(rr(48), B, NB, C, W)
    t.sprinkle(rr(48, 1), 0.015, [C])
    add(48, 'water', t)
    add(49, 'swamp', swamp(rr(49)))
    add(50, 'lava', lava(rr(50)))
    add(51, 'closed iron-bound door', door(wall, NB, D, T, S))
    add(52, 'hidden event square, drawn as black marble', fl_marble.copy())
    add(53, 'inscribed stone', stele(fl_flag, D, NB, LR))
    add(54, 'stairs down', stairs(wall))
    add(55, 'robed figure', robed(fl_marble, R, K, S))
    add(0, 'base floor (black marble; replaced by the map base tile)', fl_marble.copy())
    return tiles, names


def write_set(path, title, tiles, names):
    assert sorted(tiles) == list(range(56)), sorted(set(range(56)) - set(tiles))
    with open(path, 'w') as f:
        write_tile_set(f, [title,
                           'Each tile: a header "tile N  description", then 24 rows of 24 palette indices (hex).',
                           'Drawn with tools/art/dungeon/gen.py; edit here or there.'],
                       [(names[n], tiles[n].rows()) for n in range(56)])


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', '..', '..', 'data')
    os.makedirs(os.path.join(data, 'tiles'), exist_ok=True)
    write_set(os.path.join(data, 'tiles', 'den.txt'),
              'Den tiles: pyramid, caves, sunken halls, temples and demon caves.', *den_tiles())
    write_set(os.path.join(data, 'tiles', 'keep.txt'),
              "Keep tiles: the demon's fortress and the makers' hall.", *keep_tiles())


if __name__ == '__main__':
    main()

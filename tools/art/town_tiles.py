#!/usr/bin/env python3
"""Draws the town tile set and writes data/tiles/town.txt.

The text file is the source the game data is built from; this script is how
its first version was drawn (floors are generated so they tile seamlessly).
Edit the .txt directly for small touches, or change this script and re-run:
    python3 tools/art/town_tiles.py > data/tiles/town.txt
Colours are indices of data/palettes/town.txt.
"""
import math
import random
import sys

from artkit import HEX, N, Tile, write_tile_set

BLACK, DBLUE, DGREEN, GREEN, RED, SKIN, OCHRE, GREY, DGREY, STONE, LGREEN, CYAN, LRED, MAGENTA, YELLOW, WHITE = range(16)
PALE = SKIN  # pale plaster and the lightest stone share the skin colour


# ---------------------------------------------------------------- floors

def grass(seed=1, base=GREEN, blades=(DGREEN, LGREEN), count=70):
    t = Tile(base)
    r = random.Random(seed)
    for _ in range(count):
        x, y = r.randrange(N), r.randrange(N)
        c = blades[0] if r.random() < 0.7 else blades[1]
        t.put(x, y, c, wrap=True)
        t.put(x + 1, y - 1, c, wrap=True)
    return t


def grass_flowers():
    t = grass(2)
    for i, (x, y, c) in enumerate(((4, 4, YELLOW), (15, 7, WHITE), (9, 15, LRED), (20, 18, YELLOW), (2, 20, WHITE))):
        t.put(x, y - 1, c, wrap=True)
        t.put(x - 1, y, c, wrap=True)
        t.put(x + 1, y, c, wrap=True)
        t.put(x, y + 1, c, wrap=True)
        t.put(x, y, YELLOW if c != YELLOW else OCHRE, wrap=True)
    return t


def dark_grass():
    # flat, darker turf: short sparse blades, no black holes (a hedge is the raised mass)
    t = grass(3, base=DGREEN, blades=(GREEN, GREEN), count=34)
    t.specks(31, [OCHRE], 4, on=[DGREEN])
    return t


def dirt_path():
    # trodden brown earth with pebbles: darker and grainier than any wooden floor
    t = Tile(RED)
    t.specks(4, [OCHRE], 110)
    t.specks(3, [STONE], 40)
    t.specks(2, [BLACK], 25)
    r = random.Random(5)
    for _ in range(7):
        x, y = r.randrange(N), r.randrange(N)
        t.put(x, y, PALE, wrap=True)
        t.put(x + 1, y, STONE, wrap=True)
        t.put(x, y + 1, BLACK, wrap=True)
    return t


def plain_earth():
    t = Tile(OCHRE)
    t.specks(6, [RED], 30)
    t.specks(7, [YELLOW], 2)
    return t


def sand():
    t = Tile(OCHRE)
    r = random.Random(8)
    for y in range(N):
        for x in range(N):
            if r.random() < 0.3:
                t[y][x] = YELLOW
    # wind ripples
    for y0 in (3, 11, 19):
        for x in range(N):
            y = y0 + (1 if x % 12 in (3, 4, 5, 6, 7, 8) else 0)
            t.put(x, y, YELLOW, wrap=True)
            t.put(x, y + 1, RED if x % 3 else OCHRE, wrap=True)
    t.specks(9, [WHITE], 6, on=[YELLOW])
    return t


def stones(cw, ch, fill, edge, hi, gap, offset=True, round_corners=True):
    """Running-bond blocks cw x ch: gap colour on the joints, highlight top-left, edge bottom-right."""
    t = Tile(fill)
    for by in range(0, N, ch):
        shift = (cw // 2) if offset and (by // ch) % 2 else 0
        for bx in range(0, N, cw):
            x0 = bx + shift
            for i in range(cw):
                t.put(x0 + i, by, gap, wrap=True)
            for j in range(ch):
                t.put(x0, by + j, gap, wrap=True)
            for i in range(1, cw):
                t.put(x0 + i, by + 1, hi, wrap=True)
            for j in range(1, ch):
                t.put(x0 + 1, by + j, hi, wrap=True)
            for i in range(1, cw):
                t.put(x0 + i, by + ch - 1, edge, wrap=True)
            for j in range(2, ch):
                t.put(x0 + cw - 1, by + j, edge, wrap=True)
            if round_corners:
                t.put(x0 + 1, by + 1, gap, wrap=True)
    return t


def cobbles(light=False):
    fill, edge, hi, gap = (PALE, STONE, PALE, OCHRE) if light else (STONE, OCHRE, PALE, RED)
    t = Tile(gap)
    r = random.Random(11 if light else 10)
    size = 6
    for by in range(0, N, size):
        shift = size // 2 if (by // size) % 2 else 0
        for bx in range(0, N, size):
            for j in range(size - 1):
                for i in range(size - 1):
                    if (i in (0, size - 2)) and (j in (0, size - 2)):
                        continue
                    c = fill
                    if j == size - 2 or i == size - 2:
                        c = edge
                    t.put(bx + shift + i, by + j, c, wrap=True)
            if not light:
                for i, j in ((1, 1), (2, 1), (1, 2), (3, 1)):
                    t.put(bx + shift + i, by + j, hi, wrap=True)
            if r.random() < 0.3:
                t.put(bx + shift + 3, by + 2, edge, wrap=True)
    return t


def planks():
    # floorboards seen from above, running north-south: long boards with thin seams and few
    # butt joints, in close browns, so a floor never reads as a course of bricks
    t = Tile(OCHRE)
    r = random.Random(20)
    width = 6
    for board in range(N // width):
        x0 = board * width
        t.vline(x0, 0, N - 1, RED)
        t.vline(x0 + 1, 0, N - 1, PALE if board % 2 else OCHRE)
        joint = (board * 11 + 7) % N
        t.hline(x0 + 1, x0 + width - 1, joint, RED)
        t.put(x0 + 3, (joint + 2) % N, STONE)
        t.put(x0 + 3, (joint - 2) % N, STONE)
        for _ in range(2):
            x = x0 + 2 + r.randrange(width - 2)
            y = r.randrange(N)
            for k in range(r.randrange(4, 9)):
                if t.get(x, y + k) == OCHRE:
                    t.put(x, y + k, STONE, wrap=True)
    return t


def carpet(base, motif, dot):
    t = Tile(base)
    for y in range(N):
        for x in range(N):
            d = abs((x % 12) - 6) + abs((y % 12) - 6)
            if d == 5:
                t[y][x] = motif
            elif d == 2:
                t[y][x] = dot
            elif d == 0:
                t[y][x] = motif
    for y in range(N):
        for x in range(N):
            if (x % 12 == 0) and (y % 12 == 0):
                t[y][x] = dot
    return t


def stone_tiles():
    # small light tiles of the castle rooms, 8 x 8 with thin joints
    t = Tile(PALE)
    for y in range(N):
        for x in range(N):
            if x % 8 == 0 or y % 8 == 0:
                t[y][x] = STONE
            elif x % 8 == 7 and y % 8 > 1:
                t[y][x] = STONE if (x + y) % 2 else PALE
    t.specks(13, [STONE], 8, on=[PALE])
    return t


def bridge():
    t = Tile(OCHRE)
    for y in range(N):
        if y % 4 == 3:
            t.hline(2, 21, y, RED)
        if y % 4 == 0:
            t.hline(2, 21, y, YELLOW if y % 8 == 0 else OCHRE)
    for y in range(N):
        t.put(0, y, DBLUE)
        t.put(23, y, DBLUE)
        t.put(1, y, RED)
        t.put(22, y, RED)
        t.put(2, y, BLACK)
        t.put(21, y, BLACK)
    for y in (4, 16):
        t.rect(0, y, 2, y + 2, RED)
        t.rect(21, y, 23, y + 2, RED)
        t.put(1, y, OCHRE)
        t.put(22, y, OCHRE)
    for y in range(0, N, 4):
        t.put(4, y + 1, DGREY)
        t.put(19, y + 1, DGREY)
    return t


def marble():
    t = Tile()
    for y in range(N):
        for x in range(N):
            t[y][x] = PALE if ((x // 6) + (y // 6)) % 2 == 0 else OCHRE
    r = random.Random(30)
    for _ in range(6):
        x, y = r.randrange(N), r.randrange(N)
        for k in range(4):
            c = t.get(x + k, y + k // 2)
            t.put(x + k, y + k // 2, STONE if c == PALE else RED, wrap=True)
    return t


def stairs():
    t = Tile(STONE)
    for step in range(6):
        y0 = step * 4
        t.hline(0, 23, y0, PALE)
        t.hline(0, 23, y0 + 1, STONE)
        t.hline(0, 23, y0 + 2, RED)
        t.hline(0, 23, y0 + 3, BLACK)
    for y in range(N):
        t.put(0, y, BLACK)
        t.put(1, y, RED)
        t.put(22, y, RED)
        t.put(23, y, BLACK)
    return t


def gravel():
    t = Tile(STONE)
    r = random.Random(40)
    for _ in range(90):
        x, y = r.randrange(N), r.randrange(N)
        c = r.choice([PALE, PALE, OCHRE, RED, BLACK])
        t.put(x, y, c, wrap=True)
        if c != BLACK and r.random() < 0.5:
            t.put(x + 1, y, c, wrap=True)
    return t


def tilled():
    t = Tile(OCHRE)
    for y in range(N):
        k = y % 4
        c = RED if k in (0, 1) else OCHRE
        if k == 3:
            c = YELLOW if False else OCHRE
        t.hline(0, 23, y, c)
    r = random.Random(41)
    for y in range(2, N, 4):
        for x in range(1, N, 4):
            off = r.randrange(2)
            t.put(x + off, y, GREEN)
            t.put(x + off, y - 1, LGREEN if r.random() < 0.4 else GREEN)
    t.specks(42, [BLACK], 10, on=[RED])
    return t


def brick_paving():
    # basket weave: pairs of bricks laid alternately across and along
    t = Tile(OCHRE)
    for by in range(0, N, 8):
        for bx in range(0, N, 8):
            across = ((bx + by) // 8) % 2 == 0
            for k in range(2):
                for j in range(8):
                    for i in range(4):
                        x, y = (bx + j, by + k * 4 + i) if across else (bx + k * 4 + i, by + j)
                        edge = i == 3 or j == 7
                        t.put(x, y, OCHRE if edge else RED)
    return t


def dark_flags():
    t = Tile(RED)
    for y in range(N):
        t.put(0, y, DGREY)
    t.hline(0, 23, 0, DGREY)
    t.hline(0, 13, 9, DGREY)
    t.hline(14, 23, 14, DGREY)
    t.vline(13, 0, 23, DGREY)
    t.vline(6, 9, 23, DGREY)
    t.hline(14, 23, 5, DGREY)
    t.hline(0, 6, 18, DGREY)
    # flat slabs: worn specks only, no lit edges, so the floor lies flat instead of rising as a wall
    t.specks(50, [STONE, OCHRE], 14, on=[RED])
    return t


def square_paving():
    # the square's big flagstones laid in a plain grid (not bonded like brick)
    t = Tile(STONE)
    for y in range(N):
        for x in range(N):
            xx, yy = x % 12, y % 12
            if xx == 0 or yy == 0:
                t[y][x] = RED
            elif (xx == 1 or yy == 1) and ((x // 12) + (y // 12)) % 2 == 0:
                t[y][x] = PALE
    t.specks(60, [OCHRE], 8, on=[STONE])
    t.specks(61, [RED], 5, on=[STONE])
    return t


def hall_floor():
    t = Tile(PALE)
    for y in range(N):
        for x in range(N):
            xx, yy = x % 12, y % 12
            if xx == 0 or yy == 0:
                t[y][x] = STONE
            elif xx == 11 or yy == 11:
                t[y][x] = STONE if (x + y) % 2 else PALE
            d = abs(xx - 6) + abs(yy - 6)
            if d <= 2:
                t[y][x] = LRED if d == 0 else RED
    return t


def grey_wall():
    # dressed stone in courses: a lit top edge on every block and a dark foot, so the wall reads as a mass
    t = Tile(STONE)
    r = random.Random(70)
    y = 0
    widths = [[7, 9, 8], [5, 8, 6, 5], [9, 7, 8], [6, 6, 7, 5]]
    for row in range(4):
        x = r.randrange(4)
        for w in widths[row]:
            for i in range(w):
                t.put(x + i, y, BLACK, wrap=True)
            for j in range(6):
                t.put(x, y + j, BLACK, wrap=True)
            for i in range(1, w):
                t.put(x + i, y + 1, PALE, wrap=True)
                t.put(x + i, y + 3, RED if i % 3 == 0 else STONE, wrap=True)
                t.put(x + i, y + 4, RED, wrap=True)
                t.put(x + i, y + 5, RED, wrap=True)
            for j in range(1, 5):
                t.put(x + w - 1, y + j + 1, RED, wrap=True)
            x += w
        y += 6
    return t


def brick_wall():
    t = stones(8, 4, RED, BLACK, LRED, GREY, round_corners=False)
    t.specks(71, [BLACK], 8, on=[RED])
    return t


def castle_wall():
    t = Tile(STONE)
    for row in range(3):
        y0 = row * 8
        shift = 6 if row % 2 else 0
        for col in range(2):
            x0 = col * 12 + shift
            for i in range(12):
                t.put(x0 + i, y0, BLACK, wrap=True)
                t.put(x0 + i, y0 + 1, PALE, wrap=True)
                t.put(x0 + i, y0 + 5, RED, wrap=True)
                t.put(x0 + i, y0 + 6, RED, wrap=True)
                t.put(x0 + i, y0 + 7, BLACK, wrap=True)
            for j in range(8):
                t.put(x0, y0 + j, BLACK, wrap=True)
                if 0 < j < 5:
                    t.put(x0 + 1, y0 + j, PALE, wrap=True)
                if 1 < j:
                    t.put(x0 + 10, y0 + j, RED, wrap=True)
                    t.put(x0 + 11, y0 + j, RED, wrap=True)
    t.specks(72, [RED], 10, on=[STONE])
    return t


def timber_wall():
    t = Tile(PALE)
    t.specks(73, [STONE], 40, on=[PALE])
    for y in range(N):
        for x in range(N):
            if (x + y) % 7 == 0 and t[y][x] == PALE and y % 3 == 0:
                t[y][x] = STONE
    # posts and beams of the frame; the plaster panels between them
    for x0 in (0, 12):
        t.vline(x0, 0, 23, BLACK)
        t.vline(x0 + 1, 0, 23, RED)
        t.vline(x0 + 2, 0, 23, RED)
    for y0 in (0, 11):
        t.hline(0, 23, y0, RED)
        t.hline(0, 23, y0 + 1, RED)
        t.hline(0, 23, y0 + 2, BLACK)
    # a brace in each lower panel
    for i in range(8):
        t.put(3 + i, 22 - i, RED)
        t.put(4 + i, 22 - i, RED)
        t.put(22 - i, 22 - i, RED)
        t.put(21 - i, 22 - i, RED)
        t.put(5 + i, 22 - i, BLACK)
        t.put(20 - i, 22 - i, BLACK)
    t.put(12, 5, OCHRE)
    t.put(1, 5, OCHRE)
    return t


def window_wall():
    # a timber-framed wall (the walls windows sit in) with a shuttered casement
    t = timber_wall()
    t.rect(4, 3, 19, 20, PALE)
    t.rect(5, 4, 18, 18, BLACK)
    t.rect(6, 5, 17, 17, DBLUE)
    t.vline(11, 5, 17, OCHRE)
    t.vline(12, 5, 17, RED)
    t.hline(6, 17, 11, OCHRE)
    t.put(7, 6, CYAN)
    t.put(8, 7, CYAN)
    t.put(14, 12, CYAN)
    t.put(7, 12, WHITE)
    # shutters and sill
    t.rect(2, 4, 4, 18, OCHRE)
    t.rect(19, 4, 21, 18, OCHRE)
    t.vline(2, 4, 18, RED)
    t.vline(21, 4, 18, RED)
    t.rect(4, 19, 19, 20, OCHRE)
    t.hline(4, 19, 21, BLACK)
    return t


def tree():
    t = grass(80)
    t.disc(12, 21, 8, DGREEN, ry=2.5)  # shadow
    t.rect(10, 15, 13, 21, RED)
    t.vline(10, 15, 21, BLACK)
    t.put(12, 17, OCHRE)
    t.put(12, 18, OCHRE)
    inside = set()
    for y in range(N):
        for x in range(N):
            if ((x - 12) / 10.5) ** 2 + ((y - 9) / 9) ** 2 <= 1.0:
                inside.add((x, y))
    t.outline(inside)
    for (x, y) in inside:
        t.put(x, y, DGREEN)
    r = random.Random(81)
    for (x, y) in sorted(inside):
        d = ((x - 9) ** 2 + (y - 6) ** 2) ** 0.5
        v = r.random()
        if d < 5 and v < 0.6:
            t.put(x, y, LGREEN if v < 0.25 else GREEN)
        elif d < 9 and v < 0.45:
            t.put(x, y, GREEN)
        elif v < 0.08:
            t.put(x, y, BLACK)
    return t


def hedge():
    # a clipped hedge: a raised mass of round leafy lumps with a dark shadow at its foot
    t = grass(82)
    inside = set()
    lumps = [(4, 7, 4.5), (12, 6, 5), (19.5, 7, 4.5), (6, 13, 6), (17, 13, 6)]
    for y in range(N):
        for x in range(N):
            if any(((x - cx) / r) ** 2 + ((y - cy) / r) ** 2 <= 1 for cx, cy, r in lumps) or 8 <= y <= 19:
                inside.add((x, y))
    t.rect(0, 20, 23, 21, BLACK)
    for (x, y) in inside:
        t.put(x, y, DGREEN)
    r = random.Random(83)
    for (x, y) in sorted(inside):
        top = min(((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 - r0 for cx, cy, r0 in lumps)
        v = r.random()
        if top < -1.5 and v < 0.5 and y < 14:
            t.put(x, y, GREEN if v > 0.15 else LGREEN)
        elif v < 0.18:
            t.put(x, y, GREEN)
        elif v < 0.26:
            t.put(x, y, BLACK)
    t.outline(inside)
    t.hline(0, 23, 22, DGREEN)
    return t


def on_planks():
    return planks()


def table():
    t = on_planks()
    t.rect(2, 19, 21, 21, BLACK)  # shadow
    t.rect(2, 4, 21, 17, RED)
    t.rect(3, 5, 20, 15, OCHRE)
    t.hline(3, 20, 5, YELLOW)
    t.hline(3, 20, 16, RED)
    t.vline(3, 17, 20, RED)
    t.vline(20, 17, 20, RED)
    t.frame(2, 4, 21, 17, BLACK)
    for x in (6, 12, 17):
        t.hline(x, x + 2, 9 + (x % 3), RED)
    # a mug and a plate
    t.rect(6, 8, 8, 11, GREY)
    t.put(9, 9, GREY)
    t.put(7, 8, WHITE)
    t.disc(15, 10, 2.6, WHITE)
    t.put(15, 10, GREY)
    return t


def counter():
    t = on_planks()
    t.rect(0, 3, 23, 9, YELLOW)
    t.rect(0, 4, 23, 9, OCHRE)
    t.hline(0, 23, 3, YELLOW)
    t.hline(0, 23, 10, BLACK)
    t.rect(0, 11, 23, 20, RED)
    for x in (0, 8, 16):
        t.frame(x + 1, 12, x + 6, 19, BLACK)
        t.rect(x + 2, 13, x + 5, 18, RED)
        t.hline(x + 2, x + 5, 13, OCHRE)
    t.hline(0, 23, 21, BLACK)
    t.hline(0, 23, 22, DGREY)
    # goods on the counter
    t.disc(5, 6, 1.8, YELLOW)
    t.put(5, 6, OCHRE)
    t.rect(15, 4, 19, 7, LRED)
    t.hline(15, 19, 4, WHITE)
    t.frame(15, 4, 19, 8, BLACK)
    return t


def throne():
    t = carpet(DBLUE, GREY, YELLOW)
    t.rect(4, 21, 19, 22, BLACK)
    t.rect(5, 1, 18, 20, BLACK)
    t.rect(6, 2, 17, 19, YELLOW)
    t.rect(8, 3, 15, 12, LRED)
    t.rect(9, 4, 14, 11, RED)
    t.put(11, 1, YELLOW)
    t.put(12, 1, YELLOW)
    t.put(11, 0, LRED)
    t.put(12, 0, LRED)
    t.put(6, 1, YELLOW)
    t.put(17, 1, YELLOW)
    t.rect(6, 13, 17, 14, OCHRE)
    t.rect(8, 14, 15, 18, LRED)
    t.hline(8, 15, 14, WHITE)
    t.rect(4, 12, 6, 19, YELLOW)
    t.rect(17, 12, 19, 19, YELLOW)
    t.vline(4, 12, 19, OCHRE)
    t.vline(19, 12, 19, OCHRE)
    t.frame(4, 11, 6, 20, BLACK)
    t.frame(17, 11, 19, 20, BLACK)
    t.put(11, 7, YELLOW)
    t.put(12, 7, YELLOW)
    t.put(11, 8, YELLOW)
    t.put(12, 8, YELLOW)
    return t


def bed():
    t = on_planks()
    t.rect(4, 2, 19, 23, BLACK)
    t.rect(5, 1, 18, 22, RED)
    t.rect(6, 3, 17, 7, WHITE)
    t.hline(6, 17, 7, GREY)
    t.rect(8, 4, 15, 6, WHITE)
    t.frame(7, 3, 16, 6, GREY)
    t.rect(6, 8, 17, 21, LRED)
    t.hline(6, 17, 8, WHITE)
    t.hline(6, 17, 9, WHITE)
    for y in range(11, 21, 3):
        t.hline(6, 17, y, RED)
    t.vline(6, 10, 21, RED)
    t.vline(17, 10, 21, RED)
    t.hline(5, 18, 1, OCHRE)
    t.hline(5, 18, 22, OCHRE)
    return t


def barrel():
    t = on_planks()
    t.disc(12, 21, 8, BLACK, ry=2)
    inside = set()
    for y in range(2, 22):
        half = 7 + (1 if 6 <= y <= 17 else 0)
        for x in range(12 - half, 12 + half):
            inside.add((x, y))
    t.outline(inside)
    for (x, y) in inside:
        c = OCHRE
        if (x - 4) % 4 == 0:
            c = RED
        if x <= 5:
            c = RED
        if x >= 18:
            c = RED
        t.put(x, y, c)
    for y in (4, 11, 19):
        for x in range(4, 20):
            if (x, y) in inside:
                t.put(x, y, DGREY)
                t.put(x, y + 1, GREY if x < 11 else DGREY)
    # top rim seen from above
    t.hline(6, 17, 2, RED)
    t.hline(7, 16, 3, YELLOW)
    t.put(9, 7, YELLOW)
    t.put(9, 8, YELLOW)
    t.put(9, 14, YELLOW)
    return t


def bookshelf():
    t = Tile(RED)
    t.frame(0, 0, 23, 23, BLACK)
    t.vline(1, 1, 22, OCHRE)
    t.vline(22, 1, 22, OCHRE)
    r = random.Random(90)
    colours = [LRED, LGREEN, YELLOW, MAGENTA, CYAN, WHITE, DBLUE, GREEN, OCHRE]
    for shelf in range(3):
        y0 = 1 + shelf * 7
        t.hline(1, 22, y0 + 6, OCHRE)
        t.hline(1, 22, y0 + 7 if y0 + 7 < 23 else 22, BLACK)
        x = 2
        while x < 22:
            w = r.choice([1, 2, 2, 2])
            h = r.choice([4, 5, 5, 6])
            if x + w > 22:
                break
            c = r.choice(colours)
            if r.random() < 0.12:
                x += w
                continue
            t.rect(x, y0 + 6 - h, x + w - 1, y0 + 5, c)
            t.put(x, y0 + 6 - h + 1, BLACK if c != BLACK else WHITE)
            x += w
        t.hline(2, 21, y0, BLACK)
    return t


def pillar():
    # a stone brazier: a square plinth filling the square, a fire bowl burning on top;
    # the light of halls and lit rooms, on whatever floor they have
    t = Tile(BLACK)
    t.rect(1, 9, 22, 23, STONE)
    t.hline(1, 22, 9, PALE)
    t.vline(1, 9, 23, PALE)
    t.vline(22, 10, 23, RED)
    t.hline(2, 22, 23, RED)
    for y in (14, 19):
        t.hline(2, 21, y, RED)
        t.hline(2, 21, y + 1, PALE)
    for x, y0 in ((8, 10), (15, 10), (5, 16), (12, 16), (18, 16), (9, 21), (16, 21)):
        t.vline(x, y0, y0 + 3 if y0 < 21 else 22, RED)
    t.rect(3, 6, 20, 8, OCHRE)
    t.hline(3, 20, 6, YELLOW)
    t.hline(3, 20, 8, RED)
    t.frame(2, 5, 21, 9, BLACK)
    flame = [
        "......e....e....",
        "...e..ee..eee...",
        "..eee.ece.ecce..",
        ".eecceecceccfce.",
        "eccfcccfccccccce",
    ]
    t.stamp(flame, HEX, 4, 0)
    return t


def fence():
    t = grass(91)
    for y in (8, 9, 15, 16):
        t.hline(0, 23, y, OCHRE if y in (8, 15) else RED)
    t.hline(0, 23, 10, BLACK)
    t.hline(0, 23, 17, BLACK)
    for x in (3, 15):
        t.rect(x, 3, x + 3, 20, OCHRE)
        t.vline(x + 3, 3, 20, RED)
        t.hline(x, x + 3, 3, YELLOW)
        t.frame(x - 1, 2, x + 4, 21, BLACK)
        t.rect(x, 3, x + 2, 20, OCHRE)
        t.hline(x, x + 2, 3, YELLOW)
        t.put(x + 1, 9, DGREY)
        t.put(x + 1, 16, DGREY)
        t.hline(x - 1, x + 4, 22, DGREEN)
    return t


def well():
    t = square_paving()
    t.disc(12, 13, 11, BLACK, ry=10)
    t.disc(12, 12, 10, GREY, ry=9.5)
    t.disc(12, 13, 7.5, DGREY, ry=7)
    t.disc(12, 13, 6.5, DBLUE, ry=6)
    t.disc(12, 14, 5, GREY, ry=4)
    t.put(10, 12, WHITE)
    t.put(11, 12, CYAN)
    t.put(14, 15, CYAN)
    t.disc(12, 14, 1.5, WHITE)
    # jet of the fountain
    t.vline(12, 6, 13, CYAN)
    t.put(12, 5, WHITE)
    t.put(11, 6, WHITE)
    t.put(13, 6, WHITE)
    for x, y in ((5, 6), (18, 6), (3, 13), (21, 13), (6, 20), (17, 20), (12, 3)):
        t.put(x, y, WHITE)
    return t


def gravestone():
    t = grass(92)
    t.disc(12, 20, 8, BLACK, ry=2.5)
    inside = set()
    for y in range(2, 19):
        for x in range(6, 18):
            if y < 7 and ((x - 11.5) / 6) ** 2 + ((y - 7) / 5) ** 2 > 1:
                continue
            inside.add((x, y))
    t.outline(inside)
    for (x, y) in inside:
        t.put(x, y, GREY)
    for y in range(3, 19):
        t.put(16, y, DGREY)
        t.put(17, y, DGREY)
    t.vline(7, 4, 18, WHITE)
    t.rect(11, 5, 12, 14, DGREY)
    t.rect(9, 7, 14, 8, DGREY)
    t.rect(5, 19, 18, 20, DGREY)
    t.hline(5, 18, 21, BLACK)
    return t


def iron_bars():
    t = Tile(BLACK)
    t.specks(94, [DBLUE, DGREY], 20)
    for x in range(1, N, 5):
        t.vline(x, 0, 23, DGREY)
        t.vline(x + 1, 0, 23, GREY)
        t.vline(x + 2, 0, 23, DGREY)
        t.put(x + 1, 5, WHITE)
        t.put(x + 1, 17, WHITE)
    for y in (3, 19):
        t.hline(0, 23, y, DGREY)
        t.hline(0, 23, y + 1, GREY)
        t.hline(0, 23, y + 2, BLACK)
    for x in range(2, N, 5):
        t.put(x, 4, WHITE)
        t.put(x, 20, WHITE)
    return t


def trapdoor():
    # a wooden hatch set flush into the paving: flat, with a dark gap and an iron ring
    t = square_paving()
    t.rect(2, 2, 21, 21, BLACK)
    t.rect(3, 3, 20, 20, RED)
    for x in range(4, 20):
        for y in range(3, 21):
            if x % 4 != 3:
                t.put(x, y, OCHRE)
    for y in (5, 18):
        t.hline(3, 20, y, DGREY)
    t.put(4, 5, GREY)
    t.put(19, 5, GREY)
    t.put(4, 18, GREY)
    t.put(19, 18, GREY)
    # the ring lying flat, off centre
    ring = [".888.", "8...8", "8...8", ".888."]
    t.stamp(ring, HEX, 13, 10)
    t.hline(3, 20, 21, RED)
    return t


def portcullis():
    t = castle_wall()
    t.rect(4, 3, 19, 23, BLACK)
    t.rect(5, 4, 18, 23, DBLUE)
    t.disc(11.5, 6, 7.5, BLACK, ry=4)
    t.rect(5, 5, 18, 23, BLACK)
    for x in (5, 9, 13, 17):
        t.vline(x, 4, 21, DGREY)
        t.vline(x + 1, 4, 21, GREY)
        t.put(x + 1, 22, WHITE)
        t.put(x + 1, 23, GREY)
    for y in (7, 12, 17):
        t.hline(5, 18, y, GREY)
        t.hline(5, 18, y + 1, DGREY)
    for x in (3, 20):
        t.vline(x, 3, 23, DGREY)
    t.hline(3, 20, 2, DGREY)
    return t


def door_frame(base):
    t = base
    t.rect(4, 2, 19, 23, BLACK)
    t.rect(5, 3, 18, 23, DGREY)
    return t


def locked_door():
    t = door_frame(grey_wall())
    t.rect(6, 4, 17, 23, OCHRE)
    for x in (9, 12, 15):
        t.vline(x, 4, 23, RED)
    t.hline(6, 17, 4, YELLOW)
    for y in (7, 18):
        t.hline(6, 17, y, DGREY)
        t.hline(6, 17, y + 1, BLACK)
        t.put(7, y, GREY)
        t.put(16, y, GREY)
    t.rect(13, 11, 16, 15, YELLOW)
    t.frame(12, 10, 17, 16, BLACK)
    t.put(14, 12, BLACK)
    t.put(14, 13, BLACK)
    t.put(15, 13, BLACK)
    t.put(13, 11, WHITE)
    return t


def open_door():
    t = door_frame(grey_wall())
    t.rect(6, 4, 17, 23, BLACK)
    # floor seen through the doorway
    t.rect(6, 17, 17, 23, OCHRE)
    t.specks(95, [RED], 10, on=[OCHRE])
    t.hline(6, 17, 17, RED)
    t.rect(6, 14, 17, 16, DGREY)
    # the door leaf swung inward, seen edge-on along the left jamb
    t.rect(6, 4, 8, 21, OCHRE)
    t.vline(8, 4, 21, RED)
    t.put(7, 8, DGREY)
    t.put(7, 17, DGREY)
    t.hline(5, 18, 3, WHITE)
    return t


def signpost():
    # most signs stand in the paved streets and squares, so the post is set in light cobbles
    t = cobbles(light=True)
    t.disc(12, 21, 4, RED, ry=1.5)
    t.rect(11, 10, 12, 21, OCHRE)
    t.vline(12, 10, 21, RED)
    t.vline(10, 10, 21, BLACK)
    t.vline(13, 10, 21, BLACK)
    board = set()
    for y in range(3, 11):
        for x in range(3, 19):
            board.add((x, y))
    for y in range(3, 11):
        d = min(y - 3, 10 - y)
        for k in range(d + 1):
            board.add((19 + k, y))
    t.outline(board)
    for (x, y) in board:
        t.put(x, y, YELLOW)
    for (x, y) in board:
        if y == 10 or (x, y + 1) not in board:
            t.put(x, y, OCHRE)
    for x, w in ((5, 4), (10, 3), (14, 5)):
        t.hline(x, x + w - 1, 5, BLACK)
    for x, w in ((5, 6), (12, 6)):
        t.hline(x, x + w - 1, 8, BLACK)
    return t


def water():
    t = Tile(DBLUE)
    for y in range(N):
        for x in range(N):
            phase = (x + 3 * ((y // 6) % 2) * 2) % 12
            if y % 6 == 2 and phase in (0, 1, 2, 3):
                t[y][x] = GREY
            if y % 6 == 3 and phase in (4, 5):
                t[y][x] = GREY
            if y % 6 == 1 and phase in (1, 2):
                t[y][x] = CYAN if (x + y) % 5 == 0 else GREY
    t.specks(97, [CYAN, WHITE], 5, on=[DBLUE])
    return t


def swamp():
    # dark mud with pools of standing water and tufts of reeds
    t = Tile(DGREEN)
    t.specks(98, [OCHRE, RED], 30)
    r = random.Random(99)
    for _ in range(6):
        cx, cy = r.randrange(N), r.randrange(N)
        rx, ry = r.uniform(3, 5.5), r.uniform(1.8, 3)
        for y in range(-3, 4):
            for x in range(-6, 7):
                if (x / rx) ** 2 + (y / ry) ** 2 <= 1:
                    t.put(cx + x, cy + y, DBLUE, wrap=True)
        t.put(cx - 1, cy - 1, GREY, wrap=True)
        t.put(cx, cy - 1, GREY, wrap=True)
    for _ in range(5):
        x, y = r.randrange(N), r.randrange(N)
        for dx in (0, 2):
            for k in range(4):
                t.put(x + dx, y - k, GREEN if k < 3 else OCHRE, wrap=True)
        t.put(x + 1, y, BLACK, wrap=True)
    return t


def lava():
    # molten rock in bright flowing streaks, with dark crust drifting on it
    t = Tile(LRED)
    r = random.Random(100)
    for y in range(N):
        for x in range(N):
            v = math.sin(2 * math.pi * (x / 24 + y / 12)) + 0.6 * math.sin(2 * math.pi * (2 * x / 24 - y / 24))
            if v > 0.5:
                t[y][x] = YELLOW
            elif v < -1.1:
                t[y][x] = RED
    for _ in range(4):
        cx, cy = r.randrange(N), r.randrange(N)
        rx, ry = r.uniform(1.5, 3), r.uniform(1, 2)
        for y in range(-3, 4):
            for x in range(-4, 5):
                if (x / rx) ** 2 + (y / ry) ** 2 <= 1:
                    t.put(cx + x, cy + y, BLACK, wrap=True)
                elif (x / (rx + 1)) ** 2 + (y / (ry + 1)) ** 2 <= 1:
                    t.put(cx + x, cy + y, RED, wrap=True)
    t.specks(101, [WHITE], 8, on=[YELLOW])
    return t


# ------------------------------------------------------------------ people

def person(floor, head, body, legs, extras=None, small=False):
    """A standing figure, three-quarter view, drawn from layers of hex rows."""
    t = floor.copy()
    fig = Tile(16)  # 16 = empty
    shadow = [(x, y) for y in range(21, 24) for x in range(6, 18) if ((x - 11.5) / 6) ** 2 + ((y - 22) / 1.6) ** 2 <= 1]
    for x, y in shadow:
        t.put(x, y, RED if t[y][x] == OCHRE else BLACK)
    dy = 4 if small else 0
    for layer, y0 in ((legs, 16), (body, 9), (head, 1)):
        fig.stamp(layer, HEX, 0, y0 + dy)
    for rows, x0, y0 in extras or ():
        fig.stamp(rows, HEX, x0, y0 + dy)
    inside = {(x, y) for y in range(N) for x in range(N) if fig[y][x] != 16}
    t.outline(inside)
    for (x, y) in inside:
        t.put(x, y, fig[y][x])
    return t


def head_rows(hair, face=SKIN, style="short"):
    h = '%x' % hair
    s = '%x' % face
    if style == "helmet":
        return [
            "..........ff......",
            ".........7777.....",
            "........7f7777....",
            "........777778....",
            "........8555588...",
            "........5055058...",
            "........5555558...",
            ".........8558.....",
        ]
    rows = {
        "short": [
            "..........hhh.....",
            ".........hhhhh....",
            "........hhhhhhh...",
            "........hssssshh..",
            "........s0ss0sh...",
            "........sssssss...",
            ".........s44ss....",
            "..........sss.....",
        ],
        "bald": [
            "..........sss.....",
            ".........sssss....",
            "........sfsssss...",
            "........hssssshh..",
            "........s0ss0sh...",
            "........hhhhhhh...",
            ".........hhhhh....",
            "..........hhh.....",
        ],
        "long": [
            "..........hhh.....",
            ".........hhhhh....",
            "........hhhhhhh...",
            ".......hhssssshh..",
            ".......hs0ss0shh..",
            ".......hsssssshh..",
            ".......hhsccssh...",
            ".......hh.sss.hh..",
        ],
    }[style]
    return [r.replace('h', h).replace('s', s) for r in rows]


def people():
    # each figure stands on the floor most of its squares in the towns have
    floor = planks()
    out = {}
    # 48 guard: helmet, mail, red tabard, spear and shield
    out[48] = person(square_paving(), head_rows(0, style="helmet"), [
        "........777777....",
        ".......78cccc87...",
        "......778cccc877..",
        "......778cccc877..",
        "......778cccc877..",
        "......55866668.55.",
        "........8cccc8....",
    ], [
        "........88.88.....",
        "........88.88.....",
        "........88.88.....",
        "........00.00.....",
        ".......000.000....",
    ], extras=[
        (["f", "7", "f", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6"], 17, 1),
        ([".444.", "4e4e4", "44e44", "4e4e4", ".444.", "..4.."], 3, 10),
    ])
    # 49 old man: white hair and beard, blue robe, staff
    out[49] = person(floor, head_rows(WHITE, style="bald"), [
        "........9ff99.....",
        ".......99ff999....",
        "......999ff9999...",
        "......9919ff9199..",
        "......55.1999155..",
        ".......91999919...",
        ".......91999919...",
    ], [
        ".......91999919...",
        ".......91999919...",
        ".......19999991...",
        ".......11111111...",
        "........00..00....",
    ], extras=[
        (["6e6", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6.", ".6."], 3, 5),
    ])
    # 50 knight: closed helm with a plume, plate, shield with a red cross
    out[50] = person(floor, [
        "...........cc.....",
        "..........ccc.....",
        ".........c77f.....",
        "........7f77778...",
        "........7777778...",
        "........0000008...",
        "........7777778...",
        ".........8778.....",
    ], [
        ".......f77777f....",
        "......7f777777f7..",
        "......7f777777f7..",
        "......7877e7778...",
        "......778777787...",
        "......fff77777ff..",
        "........787787....",
    ], [
        "........78.78.....",
        "........78.78.....",
        "........78.78.....",
        "........f8.f8.....",
        ".......888.888....",
    ], extras=[
        (["ffffff", "ffccff", "fcccc.", "ffccff", "ffccff", ".fccf.", "..ff.."], 1, 10),
        (["f", "f", "f", "7", "7", "e"], 18, 5),
    ])
    # 51 merchant: broad hat, green coat, belt with a purse, gold in hand
    out[51] = person(floor, [
        "..................",
        "..........666.....",
        ".........66666....",
        "......66666666666.",
        "........4444444...",
        "........50550555..",
        "........5555555...",
        ".........5445.....",
    ], [
        ".......33333333...",
        "......3332233333..",
        "......3332233333..",
        "......3366666633..",
        ".....33336e663333.",
        ".....55333223333e.",
        "......3333333333..",
    ], [
        "........44.44.....",
        "........44.44.....",
        "........44.44.....",
        "........00.00.....",
        ".......000.000....",
    ])
    # 52 woman: long brown hair, magenta dress, white apron
    out[52] = person(floor, head_rows(OCHRE, style="long"), [
        "........dddddd....",
        ".......dddddddd...",
        "......ddddffdddd..",
        "......5dddffddd5..",
        "......5ddffffdd5..",
        ".......ddffffdd...",
        ".......ddffffdd...",
    ], [
        "......dddffffddd..",
        "......dddffffddd..",
        ".....ddddddddddd..",
        ".....ddddddddddd..",
        "........00.00.....",
    ])
    # 53 child: small, yellow shirt, blue shorts, a red ball
    out[53] = person(dirt_path(), [
        "..................",
        "..........666.....",
        ".........66666....",
        "........6555556...",
        "........5055055...",
        "........5555555...",
        ".........5cc5.....",
        "..........55......",
    ], [
        "........eeeeee....",
        ".......eeeeeeee...",
        ".......5eeeeee5...",
        "........111111....",
        "........11..11....",
    ], [
        "........55..55....",
        "........00..00....",
    ], small=True, extras=[
        ([".cc.", "cfcc", "cccc", ".cc."], 17, 13),
    ])
    # 54 ruler: crown, red robe with ermine trim, gold sceptre
    out[54] = person(carpet(RED, LRED, YELLOW), [
        "........e.e.e.....",
        "........eeeee.....",
        "........ecece.....",
        "........5555555...",
        "........5055055...",
        "........5555555...",
        "........fffffff...",
        ".........fffff....",
    ], [
        "......fff0fffcc...",
        ".....ccffffffccc..",
        ".....cccceecccccc.",
        ".....ccccfecccc4c.",
        ".....55cccfeccc55.",
        ".....ccc4cfecccc..",
        ".....ccc4cfecc4c..",
    ], [
        ".....cccc4cecc4cc.",
        "....ccccc4cfcccccc",
        "....fffffffffffff.",
        "....f0ffff0ffff0f.",
        "..................",
    ], extras=[
        ([".e.", "ece", ".e.", ".e.", ".e.", ".e.", ".e.", ".e."], 2, 6),
    ])
    # 55 townsman: brown hair, white shirt, ochre vest, blue trousers
    out[55] = person(floor, head_rows(RED, style="short"), [
        "........6ff6......",
        ".......66ff666....",
        "......f66ff666f...",
        "......f66ff666f...",
        "......f66ff666f...",
        "......55666666.55.",
        "........666666....",
    ], [
        "........11.11.....",
        "........11.11.....",
        "........11.11.....",
        "........44.44.....",
        ".......444.444....",
    ])
    return out


TILES = {
    1: ("stone wall", grey_wall),
    2: ("red brick wall", brick_wall),
    3: ("castle wall, large dressed stones", castle_wall),
    4: ("timber house wall", timber_wall),
    5: ("wall with a window", window_wall),
    6: ("tree", tree),
    7: ("hedge", hedge),
    8: ("table", table),
    9: ("shop counter", counter),
    10: ("throne", throne),
    11: ("bed", bed),
    12: ("barrel", barrel),
    13: ("bookshelf", bookshelf),
    14: ("pillar with a burning brazier", pillar),
    15: ("wooden fence", fence),
    16: ("fountain", well),
    17: ("gravestone", gravestone),
    18: ("iron bars", iron_bars),
    19: ("trapdoor in the paving", trapdoor),
    20: ("closed portcullis", portcullis),
    21: ("locked door", locked_door),
    22: ("open door", open_door),
    23: ("signpost", signpost),
    24: ("water", water),
    25: ("swamp", swamp),
    26: ("lava", lava),
    27: ("grass", grass),
    28: ("grass with flowers", grass_flowers),
    29: ("dirt path", dirt_path),
    30: ("cobbled road", cobbles),
    31: ("sand", sand),
    32: ("wooden planks", planks),
    33: ("red carpet", lambda: carpet(RED, LRED, YELLOW)),
    34: ("blue carpet", lambda: carpet(DBLUE, GREY, YELLOW)),
    35: ("light stone tiles", stone_tiles),
    36: ("wooden bridge", bridge),
    37: ("dark grass", dark_grass),
    38: ("chequered marble", marble),
    39: ("stairs", stairs),
    40: ("gravel", gravel),
    41: ("tilled field", tilled),
    42: ("brick pavement", brick_paving),
    43: ("dark flagstones", dark_flags),
    44: ("town square paving", square_paving),
    45: ("light cobbles", lambda: cobbles(light=True)),
    46: ("castle hall floor", hall_floor),
    47: ("plain earth floor", plain_earth),
}

PEOPLE_NAMES = {48: "guard", 49: "old man", 50: "knight", 51: "merchant", 52: "woman", 53: "child",
                54: "ruler", 55: "townsman"}


def main():
    pics = {n: f() for n, (_, f) in TILES.items()}
    pics.update(people())
    names = {n: d for n, (d, _) in TILES.items()}
    names.update(PEOPLE_NAMES)
    pics[0] = pics[44]
    names[0] = "hidden event square (the map's base floor is copied over it at load)"
    write_tile_set(sys.stdout, ["Town tile set (map kind 0): 56 tiles of 24 x 24 pixels, one hex digit per pixel,",
                                "colours from data/palettes/town.txt. Drawn by tools/art/town_tiles.py, then touched up."],
                   [(names[n], pics[n].rows()) for n in range(56)])

if __name__ == "__main__":
    main()

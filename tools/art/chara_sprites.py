#!/usr/bin/env python3
"""Draws the party figure and writes data/tiles/chara.txt.

    python3 tools/art/chara_sprites.py > data/tiles/chara.txt

One figure in four facings (down, up, right, left), coloured three ways:
sprites 0..3 for towns (town palette), 4..7 for every other map (hooded, with
a torch, only the colours every map palette keeps), 8..11 for the special map
(a pale, fading ghost). '.' is transparent; the builder derives the masks.
"""
import sys

from artkit import N, write_tile_set

# Letters in the drawings; each variant maps them to palette indices.
#   k outline  h hair/hood  s skin  e eye  t tunic  T tunic shade  c cape  C cape shade
#   b belt  l leg  L leg shade  o boot  w blade  W blade light  g hilt  f flame  F flame core
DOWN_HALF = [
    "............",
    "..........kk",
    "........kkhh",
    ".......khhhh",
    ".......khhhh",
    ".......khsss",
    ".......khses",
    ".......kssss",
    "........ksss",
    "......kkcttt",
    ".....kcTtttt",
    ".....kTtkttt",
    ".....kTtkTtt",
    ".....kTtkTtt",
    ".....kssbbbb",
    "......kkTttt",
    ".......kTttt",
    "........kLlk",
    "........kLlk",
    "........kLlk",
    ".......kooo.",
    ".......kkkk.",
    "............",
    "............",
]

UP_HALF = [
    "............",
    "..........kk",
    "........kkhh",
    ".......khhhh",
    ".......khhhh",
    ".......khhhh",
    ".......khhhh",
    ".......kkhhh",
    "........kshh",
    "......kkcccc",
    ".....kcCcccc",
    ".....kTkCccc",
    ".....kTkCccc",
    ".....kTkCccc",
    ".....kskCccc",
    "......kCCccc",
    ".......kCccc",
    "........kkCC",
    "........kLlk",
    "........kLlk",
    ".......kooo.",
    ".......kkkk.",
    "............",
    "............",
]

RIGHT = [
    "........................",
    "..........kkkkk.........",
    ".........khhhhhk........",
    "........khhhhhhhk.......",
    "........khhhhhsssk......",
    "........khhhhssesk......",
    "........khhhhsssssk.....",
    ".........khhhssssk......",
    "..........kksssk........",
    ".........kccttttk.......",
    "........kcCtttttk.......",
    "........kcCTttttk.......",
    "........kcCTttttk.......",
    "........kcCTsstk........",
    "........kcCbbbbk........",
    "........kcCTtttk........",
    ".........kCTtttk........",
    ".........kLlkLlk........",
    "........kLlk.kLlk.......",
    "........kLlk..kLlk......",
    ".......kook...kooook....",
    ".......kkk....kkkkk.....",
    "........................",
    "........................",
]

# The blade each facing carries, painted over the body.
SWORD_DOWN = {(4, y): 'w' for y in range(7, 14)}
SWORD_DOWN.update({(3, y): 'W' for y in range(8, 14)})
SWORD_DOWN.update({(3, 14): 'g', (4, 14): 'g', (2, 14): 'g', (5, 14): 'g', (4, 15): 'g', (3, 15): 'g'})
SWORD_UP = {(19, y): 'w' for y in range(7, 14)}
SWORD_UP.update({(20, y): 'W' for y in range(8, 14)})
SWORD_UP.update({(18, 14): 'g', (19, 14): 'g', (20, 14): 'g', (21, 14): 'g', (19, 15): 'g', (20, 15): 'g'})
SWORD_RIGHT = {(16 + i, 13 - i): 'W' for i in range(1, 6)}
SWORD_RIGHT.update({(17 + i, 13 - i): 'w' for i in range(1, 5)})
SWORD_RIGHT.update({(15, 12): 'g', (16, 14): 'g', (15, 14): 'g'})

# Torch for the variant used outside towns, held in the hand away from the sword.
TORCH_DOWN = {(19, 11): 'f', (19, 10): 'f', (20, 11): 'F', (18, 12): 'f', (19, 12): 'F', (20, 12): 'f',
              (19, 13): 'g', (19, 14): 'g', (19, 15): 'g', (19, 16): 'g'}
TORCH_UP = {(4, 11): 'f', (4, 10): 'f', (3, 11): 'F', (5, 12): 'f', (4, 12): 'F', (3, 12): 'f',
            (4, 13): 'g', (4, 14): 'g', (4, 15): 'g', (4, 16): 'g'}
TORCH_RIGHT = {(7, 8): 'f', (7, 7): 'f', (6, 8): 'F', (8, 9): 'f', (7, 9): 'F', (6, 9): 'f',
               (7, 10): 'g', (7, 11): 'g', (7, 12): 'g', (7, 13): 'g'}


def mirror_half(half):
    return [row + row[::-1] for row in half]


def flip(rows):
    return [row[::-1] for row in rows]


def paint(rows, overlay):
    grid = [list(r) for r in rows]
    for (x, y), ch in overlay.items():
        grid[y][x] = ch
    # outline what the overlay added where it borders transparency
    for (x, y) in list(overlay):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            xx, yy = x + dx, y + dy
            if 0 <= xx < N and 0 <= yy < N and grid[yy][xx] == '.':
                grid[yy][xx] = 'k'
    return [''.join(r) for r in grid]


def facings(extra_down, extra_up, extra_right):
    down = paint(mirror_half(DOWN_HALF), extra_down)
    up = paint(mirror_half(UP_HALF), extra_up)
    right = paint(RIGHT, extra_right)
    left = flip(right)
    return [down, up, right, left]


def colour(rows, table, fade=False):
    out = []
    for y, row in enumerate(rows):
        line = ''
        for x, ch in enumerate(row):
            if ch == '.':
                line += '.'
                continue
            c = table.get(ch, ch)
            # the ghost thins out towards its feet
            if fade and y >= 16 and (x + y) % 2 == 0:
                c = '.'
            if fade and y >= 19 and (x + y) % 4 != 1:
                c = '.'
            line += c
        out.append(line)
    return out


TOWN = dict(k='0', h='6', s='5', e='0', t='9', T='1', c='c', C='4', b='e', l='8', L='0', o='4',
            w='7', W='f', g='e', f='e', F='f')
# Only the message-window colours, which every map palette keeps.
FIELD = dict(k='0', h='c', s='7', e='0', t='7', T='8', c='c', C='8', b='e', l='8', L='0', o='8',
             w='7', W='f', g='8', f='e', F='f')
GHOST = dict(k='8', h='f', s='b', e='8', t='b', T='7', c='f', C='7', b='7', l='7', L='8', o='7',
             w='7', W='f', g='7', f='b', F='f')

NAMES = ["down", "up", "right", "left"]


def main():
    sword = facings(SWORD_DOWN, SWORD_UP, SWORD_RIGHT)
    torch = facings({**SWORD_DOWN, **TORCH_DOWN}, {**SWORD_UP, **TORCH_UP}, {**SWORD_RIGHT, **TORCH_RIGHT})
    sets = [("town figure", sword, TOWN, False), ("hooded figure with a torch", torch, FIELD, False),
            ("ghostly figure", sword, GHOST, True)]
    write_tile_set(sys.stdout, ["Party sprites: 24 x 24, one hex digit per pixel, '.' transparent.",
                                "0..3 towns, 4..7 other maps, 8..11 the special map; facing down, up, right, left.",
                                "Drawn by tools/art/chara_sprites.py. Masks are derived by the builder."],
                   [("%s, facing %s" % (name, facing), colour(rows, table, fade))
                    for name, figs, table, fade in sets for facing, rows in zip(NAMES, figs)], kind='sprite')


if __name__ == "__main__":
    main()

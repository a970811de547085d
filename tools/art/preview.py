#!/usr/bin/env python3
"""Previews tiles straight from their text source, without building.

    preview.py TILES.txt PALETTE.txt out.png [--scale S] [--tiles 1,2,30] [--repeat R]

Draws the chosen tiles (default: all) side by side at S x scale; with
--repeat R each tile is shown as an R x R patch, which shows whether a floor
tiles seamlessly. A '.' pixel (sprites) is drawn magenta-grey checkered.
"""
import argparse

from artkit import read_palette, write_png


def read_tiles(path):
    tiles, cur, num = {}, None, None
    for line in open(path):
        line = line.rstrip('\n')
        if line.startswith('tile ') or line.startswith('sprite '):
            num = int(line.split()[1])
            cur = []
            tiles[num] = cur
        elif cur is not None and len(line) == 24 and not line.startswith('#'):
            cur.append(line)
    return tiles


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('tiles')
    ap.add_argument('palette')
    ap.add_argument('out')
    ap.add_argument('--scale', type=int, default=4)
    ap.add_argument('--tiles', dest='pick', default=None)
    ap.add_argument('--repeat', type=int, default=1)
    ap.add_argument('--cols', type=int, default=8)
    a = ap.parse_args()
    pal = read_palette(a.palette)
    tiles = read_tiles(a.tiles)
    pick = [int(x) for x in a.pick.split(',')] if a.pick else sorted(tiles)
    s, rep = a.scale, a.repeat
    cell = 24 * rep * s + 4
    cols = min(a.cols, len(pick))
    rows = (len(pick) + cols - 1) // cols
    w, h = cols * cell, rows * cell
    rgb = bytearray([40] * (w * h * 3))
    for k, n in enumerate(pick):
        ox, oy = (k % cols) * cell, (k // cols) * cell
        t = tiles[n]
        for y in range(24 * rep * s):
            for x in range(24 * rep * s):
                ch = t[(y // s) % 24][(x // s) % 24]
                c = (120, 60, 120) if ch == '.' and ((x // 4 + y // 4) % 2) else (90, 90, 90) if ch == '.' else pal[int(ch, 16)]
                i = ((oy + y) * w + ox + x) * 3
                rgb[i:i + 3] = bytes(c)
    write_png(a.out, w, h, rgb)


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Checks that a capture of the whole screen (xwd -root) shows the game's
picture scaled by the largest whole number that fits, centred on black, and
nothing else: every pixel of the picture (an xwd capture of the 640 x 480
window at 1x) in its place, every other pixel black.

    picture_on_screen.py PICTURE.xwd SCREEN.xwd

Prints where the picture stands; on a mismatch says what was found instead
(where the non-black pixels lie) and exits with status 1."""
import struct
import sys


def read_xwd(path):
    """The image as rows of (r, g, b) tuples."""
    data = open(path, "rb").read()
    h = struct.unpack(">25I", data[:100])
    header_size, width, height, byte_order = h[0], h[4], h[5], h[7]
    bits_per_pixel, bytes_per_line, masks, colours = h[11], h[12], h[14:17], h[19]
    if bits_per_pixel not in (24, 32):
        sys.exit(f"{path}: {bits_per_pixel} bits per pixel, not a true-colour capture")
    size = bits_per_pixel // 8
    order = "little" if byte_order == 0 else "big"
    shifts = [(m & -m).bit_length() - 1 for m in masks]
    start = header_size + colours * 12
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * size]
        row = []
        for x in range(0, len(line), size):
            p = int.from_bytes(line[x:x + size], order)
            row.append(tuple((p & m) >> s for m, s in zip(masks, shifts)))
        rows.append(row)
    return width, height, rows


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    pw, ph, picture = read_xwd(sys.argv[1])
    sw, sh, screen = read_xwd(sys.argv[2])
    scale = max(1, min(sw // pw, sh // ph))
    left, top = (sw - pw * scale) // 2, (sh - ph * scale) // 2
    black = (0, 0, 0)
    wrong = []
    for y in range(sh):
        py = (y - top) // scale
        for x in range(sw):
            px = (x - left) // scale
            inside = 0 <= px < pw and 0 <= py < ph and x >= left and y >= top
            want = picture[py][px] if inside else black
            if screen[y][x] != want:
                wrong.append((x, y, screen[y][x], want))
    if not wrong:
        print(f"the whole picture at {scale}x from ({left},{top}) on a {sw}x{sh} screen, black around it")
        return
    lit = [(x, y) for y in range(sh) for x in range(sw) if screen[y][x] != black]
    found = "nothing but black"
    if lit:
        xs, ys = [p[0] for p in lit], [p[1] for p in lit]
        found = f"non-black pixels from ({min(xs)},{min(ys)}) to ({max(xs)},{max(ys)})"
    x, y, got, want = wrong[0]
    print(f"expected the picture at {scale}x from ({left},{top}) to "
          f"({left + pw * scale - 1},{top + ph * scale - 1}) on a {sw}x{sh} screen; found {found}; "
          f"{len(wrong)} pixels differ, the first at ({x},{y}): {got}, expected {want}")
    sys.exit(1)


main()

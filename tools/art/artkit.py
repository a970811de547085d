"""The drawing kit the art scripts share: 24 x 24 tiles of palette indices,
the tile-set text the data builder reads, palettes and PNG files.

Colours are palette indices 0..15. Drawing calls leave out pixels that fall
outside the tile unless told to wrap; wrapped drawing tiles seamlessly.
"""
import random
import struct
import zlib

N = 24
HEX = {'%x' % c: c for c in range(16)}  # a picture drawn in hex digits


class Tile(list):
    """A tile: N rows of N palette indices, read and written as t[y][x]."""

    def __init__(self, fill=0):
        super().__init__([fill] * N for _ in range(N))

    def copy(self):
        t = Tile()
        t[:] = [row[:] for row in self]
        return t

    def get(self, x, y):
        return self[y % N][x % N]

    def put(self, x, y, c, wrap=False):
        """Sets a pixel; None sets nothing."""
        if c is None:
            return
        if wrap:
            self[y % N][x % N] = c
        elif 0 <= x < N and 0 <= y < N:
            self[y][x] = c

    def rect(self, x0, y0, x1, y1, c, wrap=False):
        """Fills x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c, wrap)

    def hline(self, x0, x1, y, c, wrap=False):
        self.rect(x0, y, x1, y, c, wrap)

    def vline(self, x, y0, y1, c, wrap=False):
        self.rect(x, y0, x, y1, c, wrap)

    def frame(self, x0, y0, x1, y1, c):
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)

    def line(self, x0, y0, x1, y1, c, wrap=False):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.put(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c, wrap)

    def disc(self, cx, cy, r, c, ry=None):
        """A filled circle, or an ellipse r across and ry high."""
        ry = r if ry is None else ry
        for y in range(N):
            for x in range(N):
                if ((x - cx) / r) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    self.put(x, y, c)

    def stamp(self, art, colours=HEX, ox=0, oy=0):
        """Draws a picture given as strings; '.' and ' ' leave the pixel,
        colours gives the index of every other character."""
        for dy, row in enumerate(art):
            for dx, ch in enumerate(row):
                if ch not in '. ':
                    self.put(ox + dx, oy + dy, colours[ch])

    def recolour(self, mapping, region=None):
        """Replaces the colours in mapping, within region(x, y) if given."""
        for y in range(N):
            for x in range(N):
                if region and not region(x, y):
                    continue
                c = self[y][x]
                if c in mapping:
                    self[y][x] = mapping[c]

    def specks(self, seed, colours, count, on=None):
        """count random pixels (of the colours in on, if given) take one of the colours."""
        r = random.Random(seed)
        for _ in range(count):
            x, y = r.randrange(N), r.randrange(N)
            if on is None or self[y][x] in on:
                self[y][x] = r.choice(colours)

    def sprinkle(self, rng, prob, colours, on=None):
        """Each pixel (of the colours in on, if given) takes one of the colours with probability prob."""
        for y in range(N):
            for x in range(N):
                if (on is None or self[y][x] in on) and rng.random() < prob:
                    self[y][x] = rng.choice(colours)

    def outline(self, inside, colour=0):
        """Draws colour around every pixel marked in inside (a set of (x, y))."""
        for y in range(N):
            for x in range(N):
                if (x, y) in inside:
                    continue
                if any((x + dx, y + dy) in inside for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                    self.put(x, y, colour)

    def rows(self):
        """The rows as the tile-set text writes them, one hex digit a pixel."""
        return [''.join('%x' % c for c in row) for row in self]


def write_tile_set(out, comments, pictures, kind='tile'):
    """Writes a tile set as the data builder reads it: the comment lines, then
    for every (name, rows) a blank line, "<kind> N  name" and its rows."""
    for line in comments:
        out.write('# %s\n' % line)
    for n, (name, rows) in enumerate(pictures):
        out.write('\n%s %d  %s\n' % (kind, n, name))
        for row in rows:
            out.write(row + '\n')


def screen_rgb(r, g, b):
    """The 8-bit colour the game shows for a palette entry of 6-bit levels."""
    return (r * 4) & 0xF8, (g * 4) & 0xF8, (b * 4) & 0xF8


def read_palette(path):
    """The 16 screen colours of a palette source ("index r g b" lines)."""
    pal = [(0, 0, 0)] * 16
    for line in open(path):
        body = line.split('#')[0].split()
        if len(body) == 4:
            i, r, g, b = map(int, body)
            pal[i] = screen_rgb(r, g, b)
    return pal


def write_png(path, w, h, rgb):
    """Writes w x h pixels of 8-bit RGB triples as a PNG file."""
    raw = b''.join(b'\0' + bytes(rgb[y * w * 3:(y + 1) * w * 3]) for y in range(h))

    def chunk(tag, data):
        return struct.pack('>I', len(data)) + tag + data + struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff)

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) +
                chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))

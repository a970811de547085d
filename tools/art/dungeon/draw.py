"""Textures of the den and keep sets: masonry, rock, water and patches.

Everything wraps around the tile edges, so the textures tile seamlessly.
"""
import math

from artkit import N, Tile


def masonry(rng, course_h, block_w, stagger, base, mortar, hi=None, lo=None,
            hi_left=None, spots=(), spot_prob=0.0, bases=None, y_off=0, x_off=0):
    """Bevelled blocks laid in courses (course_h and block_w divide 24)."""
    t = Tile(base)
    courses = N // course_h
    for i in range(courses):
        y0 = i * course_h + y_off
        off = (i % 2) * stagger + x_off
        for j in range(N // block_w):
            x0 = j * block_w + off
            b = rng.choice(bases) if bases else base
            for dy in range(course_h):
                for dx in range(block_w):
                    x, y = x0 + dx, y0 + dy
                    if dy == course_h - 1 or dx == block_w - 1:
                        c = mortar
                    elif dy == 0 and hi is not None:
                        c = hi
                    elif dx == 0 and (hi_left if hi_left is not None else hi) is not None:
                        c = hi_left if hi_left is not None else hi
                    elif (dy == course_h - 2 or dx == block_w - 2) and lo is not None:
                        c = lo
                    else:
                        c = b
                        if spots and rng.random() < spot_prob:
                            c = rng.choice(spots)
                    t.put(x, y, c, wrap=True)
    return t


def _wrapd(a, b):
    d = a - b
    if d > N / 2:
        d -= N
    if d < -N / 2:
        d += N
    return d


def voronoi(rng, n, crack, dark, mid, light, crack_w=1.0, seeds=None, noise=None,
            noise_prob=0.0, light_cut=0.35, dark_cut=-0.35):
    """Rough rock: wrapped cells, lit from the upper left, cracks between them."""
    if seeds is None:
        seeds = [(rng.uniform(0, N), rng.uniform(0, N)) for _ in range(n)]
    t = Tile(mid)
    for y in range(N):
        for x in range(N):
            ds = []
            for sx, sy in seeds:
                vx, vy = _wrapd(x + 0.5, sx), _wrapd(y + 0.5, sy)
                ds.append((math.hypot(vx, vy), vx, vy))
            ds.sort()
            d1, vx, vy = ds[0]
            d2 = ds[1][0]
            if d2 - d1 < crack_w:
                c = crack
            else:
                r = max(d1 + (d2 - d1) / 2, 1.0)
                s = -(vx + vy) / (1.4 * r)
                c = light if s > light_cut else dark if s < dark_cut else mid
                if noise and rng.random() < noise_prob:
                    c = rng.choice(noise)
            t[y][x] = c
    return t


def waves(rng, base, trough, crest, glint, phase=0.0, rows=(3, 9, 15, 21)):
    """Water: wrapped ripple strokes, a light crest over a dark trough."""
    t = Tile(base)
    for k, r in enumerate(rows):
        for seg in range(2):
            x0 = (k * 5 + seg * 12 + int(phase) + (3 if seg else 0)) % N
            ln = 7 if seg == 0 else 5
            for i in range(ln):
                lift = round(math.sin(2 * math.pi * i / ln))
                t.put(x0 + i, r - lift, crest, wrap=True)
                t.put(x0 + i, r - lift + 1, trough, wrap=True)
            t.put(x0 + ln // 2, r - 1, glint if seg == 0 else crest, wrap=True)
    return t


def blob(t, rng, cx, cy, r, c, wrap=True):
    """A ragged patch (moss, sand, puddles)."""
    for y in range(-r - 1, r + 2):
        for x in range(-r - 1, r + 2):
            d = math.hypot(x, y)
            if d <= r - 0.5 or (d <= r + 0.7 and rng.random() < 0.5):
                if wrap:
                    t.put(cx + x, cy + y, c, wrap=True)
                else:
                    t.put(cx + x, cy + y, c)

#!/usr/bin/env python3
"""A blind review of the map views: can someone who has never seen the tiles
tell what a step onto each square does?

    review_views.py render HARNESS DATA OUT   renders the views from a build
    review_views.py score OUT ANSWERS         grades a reviewer's answers

`render` starts the harness once per view from a saved game that puts the
party on the view's map, square and hour, and writes into OUT: one PNG per
view (the 9 x 11 map view, three times its size, with a grid and the labels
A-I and 1-11 outside the squares), instructions.txt and answers.txt for the
reviewer, and truth/ (truth.json, truth.txt) for `score`, which the reviewer
must not see. The truth is each cell's tile class, read from the built map.
"""
import collections
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from artkit import write_png  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
TOWN, GROUND, DEN, KEEP = range(4)
KINDS = {'kTown': TOWN, 'kGround': GROUND, 'kDen': DEN, 'kKeep': KEEP}

# name, map file, the party's square (the nearest floor to it when a map has
# changed), hour, minute, magic torch time left
VIEWS = [
    ('town houses by day', 'Tarn', 22, 38, 12, 0, 0),
    ('town shops at dusk', 'Tarn', 86, 43, 18, 30, 0),
    ('street and shops at night', 'Tarn', 88, 57, 22, 0, 0),
    ('walled-up cave at dusk', 'LastDitc', 7, 14, 18, 50, 0),
    ('castle court at dawn', 'LastDitc', 40, 22, 6, 30, 0),
    ('dead town at night', 'Dome', 21, 56, 23, 0, 0),
    ('forest clearing by day', 'Regulus', 15, 35, 12, 0, 0),
    ('forests and a bridge by day', 'Ground', 68, 15, 12, 0, 0),
    ('castle by the sea at dusk', 'Ground', 17, 9, 18, 30, 0),
    ('marsh and cave at night', 'Ground', 21, 93, 22, 0, 0),
    ('lava river by day', 'U_World1', 93, 93, 12, 0, 0),
    ('ruins at night', 'U_World1', 83, 46, 21, 0, 0),
    ('lava and a gate at dusk', 'U_World2', 12, 71, 18, 50, 0),
    ('halls without light', 'Pyramid', 104, 12, 12, 0, 0),
    ('stairs by torchlight', 'Pyramid', 147, 62, 12, 0, 8),
    ('stagnant pool by a small torch', 'Menace', 20, 17, 12, 0, 3),
    ('lava and water by torchlight', 'Belial', 45, 31, 12, 0, 8),
    ('fortress gate by day', 'Mephisto', 24, 37, 12, 0, 0),
    ('throne room at night', 'Mephisto', 29, 9, 22, 0, 0),
    ('makers\' hall by day', 'Hall_of_the_Vela_Makers_00', 15, 11, 12, 0, 0),
]

LETTER = {'Floor': 'F', 'Special': 'F', 'Blocked': 'B', 'Water': 'W', 'Swamp': 'S', 'Lava': 'L',
          'Entrance': 'E', 'Signpost': 'N', 'Person': 'P'}
# What a square's picture may fairly be taken for besides what it does:
# doors that never open, town stairs, the deep sea, a hut that is an event.
LOOKS_LIKE = {(TOWN, 19): 'E', (TOWN, 20): 'E', (TOWN, 21): 'E', (TOWN, 39): 'E',
              (GROUND, 19): 'W', (GROUND, 20): 'E',
              (DEN, 24): 'E', (DEN, 51): 'E', (KEEP, 32): 'E', (KEEP, 33): 'E', (KEEP, 51): 'E'}


def class_of_tile(kind, tile):
    """TileClass of src/game/world/map_catalogue.h, ClassOfTile."""
    if tile == 0:
        return 'Special'
    if kind == TOWN:
        fixed = {19: 'Special', 22: 'Entrance', 23: 'Signpost', 24: 'Water', 25: 'Swamp', 26: 'Lava'}
        return fixed.get(tile, 'Blocked' if tile <= 21 else 'Floor' if tile <= 47 else 'Person')
    if kind == GROUND:
        fixed = {20: 'Special', 21: 'Entrance', 22: 'Signpost', 23: 'Swamp', 49: 'Swamp', 48: 'Water', 50: 'Lava'}
        return fixed.get(tile, 'Blocked' if tile <= 19 else 'Floor' if tile <= 47 else 'Entrance')
    if tile < (41 if kind == DEN else 40) or tile == 51:
        return 'Blocked'
    fixed = {48: 'Water', 49: 'Swamp', 50: 'Lava', 52: 'Special', 53: 'Signpost', 54: 'Entrance'}
    return fixed.get(tile, 'Floor' if tile <= 47 else 'Person')


def lit_radius(kind, hour, minute, torch):
    """The cells drawn at full colour round the party, as LightOfView in
    src/game/world/map_view.cpp: (rx, ry), or None when none is dimmed."""
    dim, r = kind == DEN, (0, 0)
    if hour < 7 or hour > 17:
        dim = True
        third = 0 if minute < 20 else 1 if minute < 40 else 2
        radius = (4 - third if hour == 18 else 2 + third) if hour in (6, 18) else 1
        r = (radius, radius)
    if kind == DEN:
        r = (1, 1)
    if dim and torch >= 7:
        r = (4, 5)
    elif dim and torch > 0:
        radius = (torch + 1) // 2 + 1
        if max(r) < radius:
            r = (radius, radius)
    return r if dim else None


def map_catalogue():
    """map file name -> (number, kind, base tile), from src/game/world/map_list.h."""
    text = open(os.path.join(ROOT, 'src', 'game', 'world', 'map_list.h')).read()
    rows = re.findall(r'^VELA_MAP\(\w+,\s*(\d+),\s*"(\w+)",\s*(\w+),\s*(-?\d+)', text, re.M)
    return {name: (int(number), KINDS[kind], int(base)) for number, name, kind, base in rows}


def read_map(path):
    """The built map: (width, height, cells[y][x] with bit 7 the lit mark), 1-based."""
    data = open(path, 'rb').read()
    w, h = data[0], data[1]
    return w, h, [None] + [[None] + list(data[2 + (y - 1) * w:2 + y * w]) for y in range(1, h + 1)]


def party_square(kind, w, h, cells, x, y):
    """The floor square nearest (x, y) inside the party's range."""
    squares = [(abs(sx - x) + abs(sy - y), sx, sy) for sx in range(5, w - 3) for sy in range(6, h - 4)
               if class_of_tile(kind, cells[sy][sx] & 127) == 'Floor']
    return min(squares)[1:]


def read_png(path):
    """A PNG of 8-bit RGB rows without filters, as the harness writes it."""
    data, pos, idat = open(path, 'rb').read(), 8, b''
    while pos < len(data):
        length, tag = struct.unpack('>I4s', data[pos:pos + 8])
        if tag == b'IHDR':
            w, h = struct.unpack('>II', data[pos + 8:pos + 16])
        elif tag == b'IDAT':
            idat += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    raw = zlib.decompress(idat)
    assert all(raw[y * (w * 3 + 1)] == 0 for y in range(h)), 'a filtered PNG row'
    return w, [raw[y * (w * 3 + 1) + 1:(y + 1) * (w * 3 + 1)] for y in range(h)]


# 3 x 5 figures for the labels
FONT = dict(zip('0123456789ABCDEFGHI', (
    '111101101101111', '010110010010111', '111001111100111', '111001111001111', '101101111001001',
    '111100111001111', '111100111101111', '111001001001001', '111101111101111', '111101111001111',
    '010101111101101', '110101110101110', '011100100100011', '110101101101110', '111100110100111',
    '111100110100100', '011100101101011', '101101111101101', '111010010010111')))
SCALE, CELL, GAP, MARGIN = 3, 72, 2, 30


def draw_view(shot_rows, path):
    """The view's squares (24, 24)-(239, 287) of the screen, scaled, with a
    grey grid between them and the labels on the white margin."""
    w = MARGIN + 9 * CELL + 10 * GAP
    h = MARGIN + 11 * CELL + 12 * GAP
    rgb = bytearray(b'\xff' * (w * h * 3))

    def put(x, y, colour):
        rgb[(y * w + x) * 3:(y * w + x) * 3 + 3] = bytes(colour)

    for y in range(MARGIN, h):
        for x in range(MARGIN, w):
            put(x, y, (128, 128, 128))
    for j in range(11):
        for i in range(9):
            for py in range(CELL):
                row = shot_rows[24 + 24 * j + py // SCALE]
                top = MARGIN + GAP + j * (CELL + GAP) + py
                for px in range(CELL):
                    sx = 24 + 24 * i + px // SCALE
                    put(MARGIN + GAP + i * (CELL + GAP) + px, top, row[sx * 3:sx * 3 + 3])

    def label(text, cx, cy):
        x0 = cx - (len(text) * 4 - 1) * SCALE // 2
        for n, ch in enumerate(text):
            for k, bit in enumerate(FONT[ch]):
                if bit == '1':
                    left, top = x0 + (n * 4 + k % 3) * SCALE, cy - 7 + (k // 3) * SCALE
                    for d in range(SCALE * SCALE):
                        put(left + d % SCALE, top + d // SCALE, (0, 0, 0))

    for i in range(9):
        label('ABCDEFGHI'[i], MARGIN + GAP + i * (CELL + GAP) + CELL // 2, MARGIN // 2)
    for j in range(11):
        label(str(j + 1), MARGIN // 2, MARGIN + GAP + j * (CELL + GAP) + CELL // 2)
    write_png(path, w, h, rgb)


def party_record(number, x, y, hour, minute, torch):
    """Slot 1's party file: the healer party of the scenarios, moved."""
    record = bytearray(open(os.path.join(ROOT, 'tests', 'scenarios', 'files', 'healer_party.dat'), 'rb').read())
    record[4:10] = bytes([hour, minute, 0, number, x, y])
    record[29] = torch  # Flags[1], the magic torch
    return bytes(record)


def truth_cells(kind, base, cells, x, y, light):
    """The 11 rows of 9 cells round the party at (x, y): each cell's class,
    tile, the letters graded right (the class's first) and whether it is
    drawn dimmed."""
    grid = []
    for j in range(1, 12):
        row = []
        for i in range(1, 10):
            cell = cells[y - 6 + j][x - 5 + i]
            tile = cell & 127
            cls = 'party' if (i, j) == (5, 6) else class_of_tile(kind, tile)
            main = LETTER.get(cls, '.')
            also = set(LOOKS_LIKE.get((kind, tile), ''))
            if tile == 0 and base > 0:  # drawn as the map's base floor
                also.add(LETTER[class_of_tile(kind, base)])
            dim = light is not None and not cell & 128 and (abs(i - 5) > light[0] or abs(j - 6) > light[1])
            row.append({'class': cls, 'tile': tile, 'accept': main + ''.join(sorted(also - {main})), 'dim': dim})
        grid.append(row)
    return grid


def render(harness, data, out):
    catalogue = map_catalogue()
    os.makedirs(os.path.join(out, 'truth'), exist_ok=True)
    truth = []
    for n, (name, mapname, x, y, hour, minute, torch) in enumerate(VIEWS, 1):
        number, kind, base = catalogue[mapname]
        w, h, cells = read_map(os.path.join(data, mapname + '.map'))
        x, y = party_square(kind, w, h, cells, x, y)
        with tempfile.TemporaryDirectory() as game:
            for f in os.listdir(data):
                if os.path.isfile(os.path.join(data, f)) and not re.match(r'(player|save)\d', f):
                    shutil.copy(os.path.join(data, f), game)
            open(os.path.join(game, 'player1.dat'), 'wb').write(party_record(number, x, y, hour, minute, torch))
            subprocess.run([os.path.abspath(harness), '--seed', '1', '--keys', '', '--shot', 'shot.png',
                            '--state', 'state.json', '/g'], cwd=game, check=True, capture_output=True)
            state = json.load(open(os.path.join(game, 'state.json')))
            party = state['party']
            seen = (party['MapNumber'], state['PartyX'], state['PartyY'],
                    party['Hour'], party['Minute'], party['Flags'][0])
            assert seen == (number, x, y, hour, minute, torch), (name, seen)
            width, rows = read_png(os.path.join(game, 'shot.png'))
        assert width == 640
        draw_view(rows, os.path.join(out, '%02d.png' % n))
        grid = truth_cells(kind, base, cells, x, y, lit_radius(kind, hour, minute, torch))
        truth.append({'view': n, 'name': name, 'map': mapname, 'kind': kind, 'x': x, 'y': y,
                      'hour': hour, 'minute': minute, 'torch': torch, 'cells': grid})
        print('%02d %-32s %s (%d,%d) %02d:%02d torch %d' % (n, name, mapname, x, y, hour, minute, torch))
    json.dump(truth, open(os.path.join(out, 'truth', 'truth.json'), 'w'), indent=1)
    with open(os.path.join(out, 'truth', 'truth.txt'), 'w') as f:
        f.write('# the letter graded right; lower case: another is too (truth.json)\n')
        for view in truth:
            letters = [''.join('.' if c['class'] == 'party' else c['accept'] if len(c['accept']) == 1 else
                               c['accept'][0].lower() for c in row) for row in view['cells']]
            f.write('%02d %s\n' % (view['view'], ' '.join(letters)))
    with open(os.path.join(out, 'answers.txt'), 'w') as f:
        f.write('# one line per picture: its number, then rows 1 to 11, each 9 letters for columns A to I\n')
        f.writelines('%02d %s\n' % (n, ' '.join(['.' * 9] * 11)) for n in range(1, len(VIEWS) + 1))
    open(os.path.join(out, 'instructions.txt'), 'w').write(INSTRUCTIONS % len(VIEWS))


INSTRUCTIONS = """What each square is: a picture test

Each of the %d pictures (01.png, 02.png, ...) shows a small piece of a map in
a game, seen from above. The piece is 9 squares across and 11 squares down.
Columns are labelled A to I from the left, rows 1 to 11 from the top; grey
lines separate the squares. The figure in the middle (column E, row 6) is the
travelling party itself: you need not mark it.

Some pictures are of towns, some of open country, some underground or inside
a fortress. Some are taken at dusk, at night or in the dark, where the far
squares are drawn dark blue: mark them all the same, as best you can.

For every square, write the letter that says what would happen if the party
tried to step onto it:

  F  walkable ground: grass, roads, paths, sand, floors, paving, carpets,
     bridges, fields, sparse young trees the party can walk between
  B  blocked, the party cannot enter: walls, rock, mountains, cliffs, dense
     forest, furniture (tables, beds, barrels, shelves, counters), fences,
     statues, pillars, gravestones, bars, closed or locked doors
  W  water: rivers, lakes, pools, the sea
  S  swamp or marsh: can be walked into, but it is unhealthy
  L  lava or fire ground: can be walked onto, but it burns
  E  a way into or out of a place: a gateway, an open door, stairs going
     down, a cave mouth, a castle, town or temple seen from afar
  N  a sign or inscribed stone that can be read
  P  a person or creature standing there

Write your answers in answers.txt: one line per picture, starting with the
picture's number, then 11 groups of 9 letters, one group for each row from 1
to 11, letters from column A to I. Replace every dot with a letter; the
middle square of row 6 may stay a dot. Mark every square, even when unsure.
"""


def score(out, answers_path):
    truth = {v['view']: v for v in json.load(open(os.path.join(out, 'truth', 'truth.json')))}
    answers = {}
    for line in open(answers_path):
        words = line.split('#')[0].split()
        if words:
            rows = [r.upper() for r in words[1:]]
            if len(rows) != 11 or any(len(r) != 9 for r in rows):
                sys.exit('view %s: wanted 11 groups of 9 letters' % words[0])
            answers[int(words[0])] = rows
    right = total = dim_right = dim_total = 0
    misread, kinds = [], collections.Counter()
    for n, view in sorted(truth.items()):
        if n not in answers:
            print('%02d %s: no answer' % (n, view['name']))
            continue
        good = count = dgood = dcount = 0
        for j, row in enumerate(view['cells']):
            for i, cell in enumerate(row):
                if cell['class'] == 'party':
                    continue
                answer = answers[n][j][i]
                ok = answer in cell['accept']
                good, count = good + ok, count + 1
                dgood, dcount = dgood + (ok and cell['dim']), dcount + cell['dim']
                if not ok:
                    kinds[(('town', 'ground', 'den', 'keep')[view['kind']], cell['tile'], cell['class'], answer)] += 1
                    misread.append('%02d %-32s %s%-2d %-8s %-4s answer %s tile %2d%s' % (
                        n, view['name'], 'ABCDEFGHI'[i], j + 1, cell['class'], cell['accept'], answer,
                        cell['tile'], ' dim' if cell['dim'] else ''))
        print('%02d %-32s %3d/%3d %5.1f %%%s' % (n, view['name'], good, count, 100 * good / count,
                                                  '   dim %d/%d' % (dgood, dcount) if dcount else ''))
        right, total, dim_right, dim_total = right + good, total + count, dim_right + dgood, dim_total + dcount
    if total:
        print('overall %d/%d %.1f %% (dim squares %d/%d)' % (right, total, 100 * right / total, dim_right, dim_total))
    print('\nmisread: view, cell, truth (letters taken as right), answer, tile')
    print('\n'.join(misread) or 'none')
    print('\nmisreadings by tile: cells, tile set, tile, truth, answer')
    for (kind, tile, cls, answer), count in kinds.most_common():
        print('%4d %-6s tile %2d %-8s read as %s' % (count, kind, tile, cls, answer))


if __name__ == '__main__':
    if len(sys.argv) == 5 and sys.argv[1] == 'render':
        render(*sys.argv[2:])
    elif len(sys.argv) == 4 and sys.argv[1] == 'score':
        score(*sys.argv[2:])
    else:
        sys.exit(__doc__)

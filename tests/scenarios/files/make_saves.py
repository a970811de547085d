#!/usr/bin/env python3
"""Writes the saved games the battle scenarios start from.

Each save is a party record and seven member records (player1.dat) plus the
whole map buffer (save1.map): width, height, then 200 x 125 cells stored
column by column. The map is a walled room of den floor, so no map file is
needed. Run it from this folder after changing a party; the outputs are
committed beside it.
"""
import os
import struct

COLUMNS, ROWS = 200, 125
DEN_FLOOR, DEN_WALL = 41, 1


def text(name, size):
    raw = name.encode("johab")
    return bytes([len(raw)]) + raw.ljust(size, b"\0")


def member(name="", sex=0, cls=0, family=0, stats=(0,) * 8, level=0, hp=0, sp=0,
           weapon=0, shield=0, armour=0, base_ac=0, power=0, shield_value=0, skills=(0,) * 6):
    if not name:
        return bytes(61)
    armour_value = armour
    record = text(name, 17) + bytes([sex, cls, *stats, 0])
    record += struct.pack("<hhhhBBiiBBBBBBBB", 0, 0, hp, sp, base_ac + armour_value, level, 0, 0,
                          weapon, shield, armour, base_ac, power, shield_value, armour_value, family)
    record += bytes(skills)
    assert len(record) == 61
    return record


def party(map_number, x, y, gold=0, arrows=0, stage=0, objectives=0, items=(0,) * 10):
    flags = bytearray(100)
    flags[8] = objectives  # Flags[9], the deeds of the descent
    flags[9] = stage  # Flags[10], the story stage (the record counts from 1)
    flags[6] = 1   # encounter temperament: the most battles
    flags[7] = 3   # at most three foes
    record = struct.pack("<HhBBBBBBBiHBB", 774, 18, 10, 10, 0, map_number, x, y, 0, gold, arrows, 0, 0)
    record += bytes(items) + bytes(flags)
    assert len(record) == 129
    return record


def den_map(width=40, height=40):
    cells = bytearray(COLUMNS * ROWS)
    for x in range(1, width + 1):
        for y in range(1, height + 1):
            edge = x in (1, width) or y in (1, height)
            cells[(x - 1) * ROWS + (y - 1)] = DEN_WALL if edge else DEN_FLOOR
    return bytes([width, height]) + bytes(cells)


def write(folder, party_record, members, room=True):
    """Saves into slot 1 of `folder`, the slot /g starts from. Without the
    room, the game loads the party's map from its own file."""
    os.makedirs(folder, exist_ok=True)
    members = members + [member()] * (7 - len(members))
    with open(os.path.join(folder, "player1.dat"), "wb") as f:
        f.write(party_record + b"".join(members))
    if room:
        with open(os.path.join(folder, "save1.map"), "wb") as f:
            f.write(den_map())


# A seasoned knight and a young sorceress in the pyramid (map 2) with two
# great torches; the sorceress is quick enough that her flight always succeeds.
knight = member("아란", sex=0, cls=2, family=0, stats=(18, 5, 5, 18, 10, 14, 17, 10), level=5, hp=900,
                weapon=6, shield=2, armour=3, base_ac=2, power=70, shield_value=2, skills=(40, 10, 10, 10, 20, 10))
sorceress = member("세라", sex=1, cls=1, family=1, stats=(8, 18, 15, 10, 12, 60, 15, 12), level=5, hp=500, sp=900,
                   armour=1, power=5, skills=(30, 10, 10, 20, 20, 20))
write("pyramid", party(2, 20, 20, items=(0, 0, 0, 0, 0, 0, 2, 0, 0, 0)), [knight, sorceress])

# A lone beginner in the depths of the last den (map 17).
beginner = member("아란", sex=0, cls=1, family=0, stats=(10, 5, 5, 8, 5, 5, 10, 5), level=1, hp=80,
                  power=2, skills=(10, 10, 10, 10, 10, 10))
write("last_den", party(17, 20, 20), [beginner])

# The two veterans back on the ground after the last descent (stage 16),
# just south of the ruins of Tarn's gate (20,11).
write("stage16", party(1, 20, 12, stage=16), [knight, sorceress], room=False)

# The same two at the first descent, on the return square's ring in the
# underworld (stage 9), and before the fortress at the last (stage 15).
write("stage9", party(3, 51, 52, stage=9), [knight, sorceress], room=False)
write("stage9_done", party(3, 51, 52, stage=9, objectives=0x0F), [knight, sorceress], room=False)
write("stage15", party(4, 30, 84, stage=15), [knight, sorceress], room=False)

#!/usr/bin/env python3
"""Writes the saved-party fixtures of the scenarios (player files of 556
bytes: the 129-byte party record, then seven 61-byte member records).
Run from this folder: python3 make_fixtures.py"""
import struct


def member(name="", sex=0, cls=0, family=0, level=1, strength=10, mentality=10, endurance=10,
           hp=0, sp=0, poison=0, unconscious=0, dead=0, skills=(0,) * 6, weapon=0):
    raw = name.encode("johab")
    m = struct.pack("<B17s", len(raw), raw)
    m += struct.pack("<BB8BBhhhhBBiiBBBBBBBB6B", sex, cls, strength, mentality, 10, endurance, 10, 10, 10, 10,
                     poison, unconscious, dead, hp, sp, 0, level, 0, 0, weapon, 0, 0, 0, 5, 0, 0, family, *skills)
    assert len(m) == 61
    return m


def party(food=10, x=10, y=48, items=(0,) * 10):
    p = struct.pack("<HhBBBBBBBiHBB", 774, 18, 10, 10, 0, 6, x, y, food, 100, 0, 0, 0)
    p += bytes(items) + bytes([0, 0, 0, 0, 0, 0, 2, 5] + [0] * 92)
    assert len(p) == 129
    return p


def write(name, p, members):
    members = members + [member()] * (7 - len(members))
    with open(name, "wb") as f:
        f.write(p + b"".join(members))


# A healer (level 5, healing 30) and a wounded fighter (150 of 360 hit points).
write("healer_party.dat", party(food=10, x=12, y=48), [
    member("미라", sex=1, cls=1, family=1, level=5, mentality=12, endurance=10, hp=500, sp=300,
           skills=(10, 10, 30, 0, 0, 0)),
    member("카스토르", cls=1, family=0, level=3, endurance=12, hp=50, weapon=1),
])

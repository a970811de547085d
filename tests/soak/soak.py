#!/usr/bin/env python3
"""Random-key soak of the headless harness.

usage: soak.py VELA_HEADLESS BUILT_DATA_DIR MINUTES

Until the minutes are up, plays seed after seed: thousands of random keys,
from the title or from one of the saved games the scenarios use (several
story stages). A run fails when the harness errs (status 4), hangs (no end
within its time), or leaves a state out of range: a member's hit points
above the maximum, the party outside the map, counts above their caps, a
story stage past the last. Prints the figures and exits 1 on any failure.
"""
import json
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SAVES = os.path.join(HERE, "..", "scenarios", "files")
STARTS = [None, "pyramid", "last_den", "stage9", "stage15", "stage16"]
KEYS = ["{up}", "{down}", "{left}", "{right}"] * 6 + ["{enter}"] * 4 + ["{esc}", "{space}", "{bs}"] + \
    list("123456789yYnNpPvVqQcCeErRgGuUsSlLmMtT")
KEYS_PER_RUN = 3000
RUN_SECONDS = 120


def problems(state):
    found = []
    party, width, height = state["party"], state["MapWidth"], state["MapHeight"]
    if width == 0:
        return found  # still at the title or creating the hero: no map yet
    if not (1 <= state["PartyX"] <= width and 1 <= state["PartyY"] <= height):
        found.append("party at (%d,%d) outside the %dx%d map" % (state["PartyX"], state["PartyY"], width, height))
    if party["MapNumber"] > 18:
        found.append("map number %d" % party["MapNumber"])
    if party["Flags"][9] > 16:
        found.append("story stage %d" % party["Flags"][9])
    if party["Food"] > 255 or party["Arrows"] > 32767 or max(party["Items"]) > 255:
        found.append("a count above its cap")
    for m in state["members"]:
        if m["Name"] and m["Level"] > 0 and m["Dead"] == 0 and m["HP"] > max(m["Endurance"] * m["Level"] * 10, 0):
            found.append("%s: hit points %d above %d" % (m["Name"], m["HP"], m["Endurance"] * m["Level"] * 10))
    return found


def run(headless, data, seed):
    rng = random.Random(seed)
    start = STARTS[seed % len(STARTS)]
    keys = "".join(rng.choice(KEYS) for _ in range(KEYS_PER_RUN))
    work = tempfile.mkdtemp(prefix="vela-soak-")
    try:
        for name in os.listdir(data):
            shutil.copy(os.path.join(data, name), work)
        args = []
        if start:
            for name in os.listdir(os.path.join(SAVES, start)):
                shutil.copy(os.path.join(SAVES, start, name), work)
            args = ["/g"]
        try:
            status = subprocess.run([headless, "--seed", str(seed), "--keys", keys, "--state", "state.json"] + args,
                                    cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                    timeout=RUN_SECONDS).returncode
        except subprocess.TimeoutExpired:
            return start, ["hang: no end in %d s" % RUN_SECONDS]
        if status not in (0, 3):
            return start, ["exit status %d" % status]
        path = os.path.join(work, "state.json")
        if not os.path.exists(path):
            return start, []
        with open(path) as f:
            return start, problems(json.load(f))
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    headless, data, minutes = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), float(sys.argv[3])
    end = time.time() + minutes * 60
    runs = failures = 0
    seed = int(os.environ.get("VELA_SOAK_SEED", "1"))
    while time.time() < end:
        start, found = run(headless, data, seed)
        runs += 1
        for problem in found:
            failures += 1
            print("FAIL seed %d (from %s): %s" % (seed, start or "the title", problem))
        seed += 1
    print("soak: %d runs of %d keys, %d failures" % (runs, KEYS_PER_RUN, failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

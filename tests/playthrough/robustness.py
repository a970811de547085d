#!/usr/bin/env python3
"""How the planned stages fare with other dice.

usage: robustness.py VELA_HEADLESS BUILT_DATA_DIR [PLAN ...]

For each plan (every stages/*.plan unless named): plays the committed keys
of the stages before it with seed 1, saves the game in slot 1 from the camp
menu, and compiles the plan from that save with seeds 1 to 12, two at a
time, allowing 3 rewinds a walk. A run is clean when it needed no rewind,
rewound when it got through only after one, and lost when it was beaten all
the same. Prints the table in Markdown; `make robustness` writes it to
tools/balance/robustness.md.
"""
import contextlib
import glob
import io
import multiprocessing
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import compile as plans  # noqa: E402

SEEDS = range(1, 13)
REWINDS = 3
SAVE = "{space}{down*8}{enter}{down*5}{enter}{down}{enter}{enter}"  # camp menu: save in slot 1
SAVED = ("player1.dat", "save1.map")
HEAD = """## The playthrough under other dice

Each planned stage of the playthrough compiled from the game saved where
the committed stages before it end, with seeds 1 to 12 (the committed keys
are played with seed 1 from the title). Clean: the plan went through as
written. Needed a rewind: a fight was lost and, played again from before
the walk with a step aside, won (at most 3 such rewinds a walk). Lost: the
party was beaten even so, or (a seed marked *) the plan's walk found no
way on. The goal is 10 clean of 12 for every stage.
Resting, healing and a party that runs and comes back are play, not rewinds.
`make robustness` rewrites this table (tests/playthrough/robustness.py).
"""


def save_before(headless, data, plan, folder):
    """Saves the game as the committed stages before the plan leave it; the
    game continued from that save must stand where the stages left it."""
    game = plans.Game(headless, data)
    try:
        c = plans.Compiler(game, plans.keys_before(plan))
        before, _ = c.clear()
        c.keys += SAVE
        c.play()
        for name in SAVED:
            shutil.copy(os.path.join(game.work, name), folder)
    finally:
        shutil.rmtree(game.work, ignore_errors=True)
    game = plans.Game(headless, data, save=folder)
    try:
        restored = game.play(plans.CONTINUE)[0]
    finally:
        shutil.rmtree(game.work, ignore_errors=True)
    where = lambda s: (s["party"]["MapNumber"], s["PartyX"], s["PartyY"], s["party"]["Flags"][plans.STAGE])
    if where(restored) != where(before):
        sys.exit("%s: the saved game continues at %s, not %s" % (plan, where(restored), where(before)))


def run(job):
    """One compile from the save: 'clean', 'rewound', 'lost' or 'stuck'."""
    headless, data, plan, folder, seed = job
    game = plans.Game(headless, data, seed, folder)
    try:
        with contextlib.redirect_stdout(io.StringIO()):
            c = plans.compile_plan(game, plan, REWINDS)[1]
        return "rewound" if c.rewinds else "clean"
    except plans.Beaten:
        return "lost"
    except SystemExit as stuck:  # a walk that found no way: counted with the losses, and said
        print("%s seed %d: %s" % (os.path.basename(plan), seed, stuck), file=sys.stderr)
        return "stuck"
    finally:
        shutil.rmtree(game.work, ignore_errors=True)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    headless, data = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    chosen = sys.argv[3:] or sorted(glob.glob(os.path.join(HERE, "stages", "*.plan")))
    saves = tempfile.mkdtemp(prefix="vela-robust-")
    print(HEAD)
    print("| stage | clean | needed a rewind | lost | seeds lost |")
    print("|---|---|---|---|---|")
    try:
        with multiprocessing.Pool(2) as pool:
            for plan in chosen:
                folder = os.path.join(saves, os.path.basename(plan))
                os.mkdir(folder)
                save_before(headless, data, plan, folder)
                got = pool.map(run, [(headless, data, plan, folder, seed) for seed in SEEDS])
                lost = [str(seed) + ("*" if g == "stuck" else "")
                        for seed, g in zip(SEEDS, got) if g in ("lost", "stuck")]
                print("| %s | %d | %d | %d | %s |" % (os.path.basename(plan)[:-len(".plan")], got.count("clean"),
                                                     got.count("rewound"), len(lost), ", ".join(lost) or "-"),
                      flush=True)
    finally:
        shutil.rmtree(saves, ignore_errors=True)


if __name__ == "__main__":
    main()

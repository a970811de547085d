#!/usr/bin/env python3
"""compile.py hides no defeat: a lost fight is an error unless rewinds are
allowed, and then each rewind plays the walk again from before it with one
more detour and is counted; --check tells the committed keys from others
and writes nothing; keys compiled with another seed are never written; a
game saved before a stage continues where the stages left it.

usage: compile_test.py VELA_HEADLESS BUILT_DATA_DIR
"""
import contextlib
import io
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import compile as plans  # noqa: E402
import robustness  # noqa: E402


class Detouring(plans.Compiler):
    def detour(self):
        return "<>"


def check_rewinds():
    """A walk that loses its first fights, as often as `losses` says."""
    def compiler(allowed, losses):
        c = Detouring(None, "", allowed)
        c.keys, seen = "base", []

        def walk():
            seen.append(c.keys)
            c.keys += "{right}"  # the walk's own keys, which a rewind takes back
            if len(seen) <= losses:
                raise plans.Beaten("lost")
        return c, walk, seen

    c, walk, seen = compiler(0, 1)
    with contextlib.redirect_stdout(io.StringIO()):
        try:
            c.attempt(walk)
            raise AssertionError("a loss with no rewind allowed went through")
        except plans.Beaten:
            pass
        assert c.rewinds == 0
        c, walk, seen = compiler(3, 2)
        c.attempt(walk)
        assert seen == ["base", "base<>", "base<><>"], seen
        assert (c.rewinds, c.keys) == (2, "base<><>{right}")
        c, walk, seen = compiler(1, 2)
        try:
            c.attempt(walk)
            raise AssertionError("a second loss went through with one rewind allowed")
        except plans.Beaten:
            assert c.rewinds == 1


def compile_cli(headless, data, plan, *flags):
    done = subprocess.run([sys.executable, os.path.join(HERE, "compile.py")] + list(flags) + [headless, data, plan],
                          capture_output=True, text=True)
    return done.returncode, done.stdout.strip().splitlines()[-1]


def check_keys_and_saves(headless, data):
    """A plan after the first two stages: written, checked, and played from a save."""
    with tempfile.TemporaryDirectory() as folder:
        for name in ("01_new_hero.keys", "02_into_tarn.keys"):
            shutil.copy(os.path.join(HERE, "stages", name), folder)
        plan, keys = os.path.join(folder, "03_try.plan"), os.path.join(folder, "03_try.keys")
        with open(plan, "w") as f:
            f.write("note A step to the right.\nkeys {right}\n")
        code, last = compile_cli(headless, data, plan, "--seed", "2")
        assert code == 0 and last.endswith("clean") and not os.path.exists(keys), last
        code, last = compile_cli(headless, data, plan)
        with open(keys) as f:
            assert f.read() == "# A step to the right.\n# Compiled from 03_try.plan by compile.py.\n{right}\n"
        assert compile_cli(headless, data, plan, "--check")[0] == 0
        with open(keys, "a") as f:
            f.write("{left}\n")
        code, last = compile_cli(headless, data, plan, "--check")
        assert code == 1 and "differ" in last, last
        with open(keys) as f:
            assert f.read().endswith("{right}\n{left}\n"), "--check wrote the keys"

        save = os.path.join(folder, "save")
        os.mkdir(save)
        robustness.save_before(headless, data, plan, save)  # exits if the save continues elsewhere
        assert robustness.run((headless, data, plan, save, 5)) == "clean"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    check_rewinds()
    check_keys_and_saves(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    print("compile.py checks passed")


if __name__ == "__main__":
    main()

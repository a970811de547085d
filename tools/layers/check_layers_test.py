#!/usr/bin/env python3
"""The layer check fails on an include that points up, names its file and
line, and passes the same tree once the include points down."""
import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(__file__).with_name("check_layers.py")


def run(src):
    result = subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)
    return result.returncode, result.stdout


def write(src, rel, text):
    path = src / rel
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding="utf-8")


def main():
    with tempfile.TemporaryDirectory() as folder:
        src = pathlib.Path(folder)
        write(src, "game/state/party.h", "#pragma once\n")
        write(src, "game/battle/battle.h", '#pragma once\n#include "game/state/party.h"\n')
        write(src, "screen/gfx.cpp", '#include "screen/gfx.h"\n#include "runtime/key_queue.h"\n')
        code, out = run(src)
        assert code == 0, out
        # A defeat in state opening a dialog of save: up.
        write(src, "game/state/party.cpp", '#include "game/state/party.h"\n\n#include "game/save/end_of_game.h"\n')
        code, out = run(src)
        assert code == 1 and "game/state/party.cpp:3:" in out and "game/save/end_of_game.h" in out, out
        # The screen reaching into the game: up across the top-level layers.
        write(src, "game/state/party.cpp", '#include "game/state/party.h"\n')
        write(src, "screen/text.cpp", '#include "game/ui/messages.h"\n')
        code, out = run(src)
        assert code == 1 and "screen/text.cpp:1:" in out, out
        # A folder the order does not know is a failure too.
        write(src, "screen/text.cpp", '#include "shell/halt.h"\n')
        code, out = run(src)
        assert code == 1 and "in no layer" in out, out
    print("the layer check catches upward and unknown includes")


if __name__ == "__main__":
    main()

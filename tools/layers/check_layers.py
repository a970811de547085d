#!/usr/bin/env python3
"""Checks that every #include in src/ points down the layer order.

Each file belongs to the first layer below whose folder holds it. A file may
include headers of its own layer and of layers listed before it; an include
of a later layer (up) or of a layer that is not listed is reported with its
file and line, and the check fails.

    check_layers.py [SRC_DIR]
"""
import pathlib
import re
import sys

# Bottom to top. Inside game/ the state and the screens that show it come
# first, then the world, then the rules that act on it (the ending before the
# events, whose last scene starts it), and explore (the map loop) is the top
# of the game.
LAYERS = [
    "files",
    "runtime",
    "screen",
    "platform",
    "audio",
    "game/state",
    "game/ui",
    "game/world",
    "game/save",
    "game/acts",
    "game/battle",
    "game/camp",
    "game/town",
    "game/ending",
    "game/events",
    "game/title",
    "game/explore",
    "app",
]

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def layer_of(path):
    """The index of the layer that holds path (relative to src), or None."""
    for index in range(len(LAYERS) - 1, -1, -1):
        if path == LAYERS[index] or path.startswith(LAYERS[index] + "/"):
            return index
    return None


def problems(src):
    found = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".cpp", ".h"):
            continue
        rel = file.relative_to(src).as_posix()
        own = layer_of(rel)
        if own is None:
            found.append(f"{rel}: not in any layer")
            continue
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            to = layer_of(target)
            if to is None:
                found.append(f"{rel}:{number}: includes {target}, which is in no layer")
            elif to > own:
                found.append(f"{rel}:{number}: {LAYERS[own]} includes {target} from {LAYERS[to]}, a layer above it")
    return found


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2] / "src")
    found = problems(src)
    for problem in found:
        print(problem)
    if found:
        print(f"{len(found)} includes break the layer order")
        return 1
    print("every include points down the layer order")
    return 0


if __name__ == "__main__":
    sys.exit(main())

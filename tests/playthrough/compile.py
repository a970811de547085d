#!/usr/bin/env python3
"""Turns a stage plan into the stage's keys by playing it in the harness.

usage: compile.py [--check] [--rewinds N] [--seed N] [--save FOLDER]
                  VELA_HEADLESS BUILT_DATA_DIR STAGE.plan [...]

Each plan (stages/NN_name.plan) becomes stages/NN_name.keys. The keys of the
stages before it (every .keys file that sorts before the plan) are played
first, from the title with seed 1, exactly as run.sh plays them; so plans are
compiled in order and a later plan is recompiled when an earlier stage
changes. Plans named together are compiled in the order named; a plan that
loses stops the ones after it (except with --check).

A rewind is a lost fight played again: the keys go back to before the walk
that lost it, and the party steps off and back once more each time, so that
it meets other foes. The committed keys hide no defeat, so by default a
rewind is an error. With --rewinds N each walk (go, bump, win) may be played
again up to N times; every rewind is printed and counted, and keys that
needed one are not written. Choosing a route as a player would is no rewind:
resting, healing after fights, a longer way round, or a party that runs from
a fight, recovers and comes back (win).

  --check         compile without writing; fail when the committed keys
                  differ from what the plan compiles to
  --seed N        play with seed N instead of 1 (keys are not written)
  --save FOLDER   start from the saved game in FOLDER (player1.dat and its
                  maps), continued from the title, instead of the stages
                  before (keys are not written)

The last line printed for each plan names it and says "clean", "N rewinds"
or "lost". A plan holds one command a line; # starts a note:

  keys TEXT       these keys as they are (harness syntax)
  go X Y          walk to square X,Y of the current map over plain floor,
                  fighting every foe met on the way; ends on X,Y once what
                  the square starts is over (messages and fights), or on
                  another map when a square on the way leads there; a
                  menu that holds the walk is declined (Esc) once
  rest            camp for a day (Space, rest, 24 hours)
  heal on | off   after every fight on the way, raise the dead when a mage
                  can, and rest while a member is down or below three quarters
                  of full health (at most four days in a row)
  bump X Y        walk next to square X,Y and step into it: a person talks,
                  a door or a sign answers (the walk avoids such squares)
  flee A/B        from now on the party runs from a fight once its health
                  falls below A/B of its full health (1/3 unless set)
  win X Y STAGE   go to X,Y until the story stage reaches STAGE: a party that
                  runs from the fight there recovers and comes back (8 times)
  clear           press Enter until no battle runs and no message waits
  note TEXT       a line of the note at the head of the .keys file

The compiled keys are what the game really needs, so the playthrough itself
only replays them and never depends on this script.
"""
import argparse
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

ENCOUNTER = "적이 출현했다 !!!"
DEFEAT = ("일행은 모두 전투에서 패했다", "모험중에 모두 목숨을 잃었다")
WAITING = "아무키나 누르십시오"
MENU = "의 전투 모드 ===>"
MAGE = 1  # the family number of mages
STAGE = 9  # the index of the story stage in the state's flags
CHUNK = 12  # steps walked per run before looking again
FIGHTING = 5  # the index of the battle flag in the state's flags
CONTINUE = "2"  # on the title: continue the game saved in slot 1


class Game:
    def __init__(self, headless, data, seed=1, save=None):
        self.headless = headless
        self.work = tempfile.mkdtemp(prefix="vela-plan-")
        self.data = data
        self.seed = seed
        self.save = save
        self.runs = 0
        self.copies = {}  # the files a game starts with, by name: (source, size and time of the copy)

    def fresh(self):
        """Makes the folder hold the data files (and the save) alone, as
        copied: what a run wrote or changed goes, and only that is copied again."""
        if not self.copies:
            for folder in (self.data, self.save) if self.save else (self.data,):
                self.copies.update((os.path.basename(f), (f, None)) for f in glob.glob(os.path.join(folder, "*")))
        for name in os.listdir(self.work):
            if name not in self.copies:
                os.remove(os.path.join(self.work, name))
        for name, (source, copied) in self.copies.items():
            path = os.path.join(self.work, name)
            now = os.stat(path) if os.path.exists(path) else None
            if not now or (now.st_size, now.st_mtime_ns) != copied:
                shutil.copy(source, path)
                now = os.stat(path)
                self.copies[name] = (source, (now.st_size, now.st_mtime_ns))

    def play(self, keys, route=None):
        self.fresh()
        cmd = [self.headless, "--seed", str(self.seed), "--keys", keys,
               "--state", "state.json", "--transcript", "t.txt"]
        if route:
            cmd += ["--route", "%d,%d" % route]
        done = subprocess.run(cmd, cwd=self.work, capture_output=True, text=True, timeout=300)
        self.runs += 1
        if done.returncode not in (0, 3):
            sys.exit("harness failed (%d): %s" % (done.returncode, done.stderr.strip()))
        with open(os.path.join(self.work, "state.json")) as f:
            state = json.load(f)
        with open(os.path.join(self.work, "t.txt"), encoding="utf-8") as f:
            lines = [l.rstrip("\n").split(" ", 3)[-1] for l in f]
        return state, lines, done.stdout.strip()


def fighting(state):
    return state["party"]["Flags"][FIGHTING] == 1


class Beaten(Exception):
    pass


def check_alive(lines, where):
    tail = "\n".join(lines[-12:])
    if any(d in tail for d in DEFEAT):
        raise Beaten("(the party was beaten %s); the screen ends:\n  %s" % (where, "\n  ".join(lines[-40:])))


class Compiler:
    def __init__(self, game, prefix, allowed=0):
        self.game = game
        self.prefix = prefix
        self.keys = ""
        self.heal = False
        self.flee = (1, 3)  # the share of the party's health below which it runs
        self.met = 0  # foes met so far, as the transcript counts them
        self.allowed = allowed  # rewinds allowed a walk
        self.rewinds = 0
        self.line = ""  # the plan's line being played, for the reports

    def attempt(self, action, *args):
        """Runs a go or bump; when the party falls and rewinds are allowed,
        plays it again from before it with a detour."""
        keys, met = self.keys, self.met
        for attempt in range(self.allowed + 1):
            try:
                return action(*args)
            except Beaten:
                if attempt == self.allowed:
                    raise
                self.keys, self.met = keys, met
                self.keys += self.detour() * (attempt + 1)
                self.rewinds += 1
                print("  rewind %d: beaten at %s; playing it again with %d detours" %
                      (self.rewinds, self.line, attempt + 1))

    def detour(self):
        """One step to a neighbouring floor square and back."""
        state, _, _ = self.play()
        x, y = state["PartyX"], state["PartyY"]
        back = {"up": "down", "down": "up", "left": "right", "right": "left"}
        for name, (dx, dy) in STEP.items():
            if walk(self.play((x + dx, y + dy))[2]) == [name]:
                return "{%s}{%s}" % (name, back[name])
        sys.exit("no square to step off to at (%d,%d)" % (x, y))

    def meeting(self, lines):
        """True while the party is asked whether to fight foes just met."""
        return sum(ENCOUNTER in l for l in lines) > self.met

    def play(self, route=None):
        state, lines, out = self.game.play(self.prefix + self.keys, route)
        return state, lines, out

    def orders(self, state, lines):
        """The keys for the member whose battle menu waits, or None when no menu
        waits: a mage casts the strongest spell its skill allows at the first
        foe, everyone else strikes the first foe with the weapon in hand; but
        when the party is down to its fleeing share of its health (a third
        unless the plan says), the first member who can tries to run (a
        scripted fight can then be met again rested)."""
        titles = [i for i, l in enumerate(lines) if l.endswith(MENU)]
        if not titles or any(l.endswith(("다", "다.", "...")) for l in lines[titles[-1] + 1:]):
            return None
        name = lines[titles[-1]][:-len(MENU)]
        member = next((m for m in state["members"] if m["Name"] == name), None)
        members = [m for m in state["members"][:5] if m["Name"] and not m["Dead"]]
        health = sum(max(m["HP"], 0) for m in members if not m["Unconscious"])
        full = sum(m["Endurance"] * m["Level"] * 10 for m in members)
        if member and member is not state["members"][0] and health * self.flee[1] < full * self.flee[0]:
            return "{down*8}{enter}"
        if member and member["Family"] == MAGE and member["Skills"][0] >= 10 and member["SP"] > 0:
            best = min(member["Skills"][0] // 10, 10)
            return "{down}{enter}%s{enter}{enter}" % ("{down*%d}" % (best - 1) if best > 1 else "")
        return "{enter}{enter}"

    def fight(self, state, lines):
        """Plays a battle to its end, or a waiting message away."""
        if self.meeting(lines):
            self.met += 1
            self.keys += "{enter}"  # fight them
            state, lines, _ = self.play()
        for _ in range(1000):
            if not fighting(state):
                return self.recover(state, lines) if self.heal else (state, lines)
            check_alive(lines, "in a fight after %d keys of the plan" % len(self.keys))
            self.keys += self.orders(state, lines) or "{enter}"
            state, lines, _ = self.play()
        sys.exit("a fight did not end")

    def rest(self):
        self.clear()  # a message still waiting would take Space, and the rest would walk
        self.keys += "{space}{down*5}{enter}{up*23}{enter}"
        return self.clear()

    def cast_healing(self, healer, target, spell):
        """Camp magic: the healer's healing spell (1 heal, 3 wake, 4 revive) on one member."""
        down = lambda n: "{down*%d}" % n if n > 1 else "{down}" if n == 1 else ""
        self.keys += "c%s{enter}{enter}%s{enter}%s{enter}{enter}" % (down(healer - 1), down(target - 1), down(spell - 1))

    def raise_fallen(self, state):
        """A mage whose healing skill reaches 40 brings back the dead and wakes them."""
        members = state["members"][:5]
        healer = next((i for i, m in enumerate(members, 1) if m["Name"] and m["Family"] == MAGE and
                       m["Skills"][2] >= 40 and not m["Dead"] and not m["Unconscious"]), None)
        if not healer:
            return state
        for k, m in enumerate(members, 1):
            if m["Name"] and m["Dead"]:
                self.cast_healing(healer, k, 4)
                self.cast_healing(healer, k, 3)
        return self.play()[0]

    def recover(self, state, lines):
        state = self.raise_fallen(state)
        for _ in range(4):
            hurt = [m for m in state["members"][:5] if m["Name"] and not m["Dead"] and
                    (m["Unconscious"] or m["HP"] * 4 < m["Endurance"] * m["Level"] * 30)]
            if not hurt or state["party"]["Food"] == 0:
                break
            state, lines = self.rest()
        return state, lines

    def bump(self, x, y):
        state, lines, route = self.play((x, y))
        steps = walk(route)
        if not steps:
            sys.exit("no walk to (%d,%d)" % (x, y))
        if len(steps) > 1:
            dx, dy = STEP[steps[-1]]
            self.go(x - dx, y - dy)
            steps = walk(self.play((x, y))[2])
        self.keys += "{%s}" % steps[-1]

    def win(self, x, y, stage):
        """Walks onto a fight's square until the story reaches the stage: a
        party that ran steps off, recovers and comes back."""
        for _ in range(8):
            self.attempt(self.go, x, y)
            state, lines, _ = self.play()
            if state["party"]["Flags"][STAGE] >= stage:
                return
            self.recover(state, lines)
            there_and_back = self.detour()
            self.keys += there_and_back[:there_and_back.index("}") + 1]  # one step off the square
        sys.exit("(%d,%d) never brought stage %d" % (x, y, stage))

    def clear(self):
        state, lines, _ = self.play()
        for _ in range(100):
            if fighting(state) or self.meeting(lines):
                state, lines = self.fight(state, lines)
            elif lines and WAITING in lines[-1]:
                self.keys += "{enter}"
                before = len(lines)
                state, lines, _ = self.play()
                if len(lines) == before:  # nothing new drawn: the message was already gone
                    return state, lines
            else:
                return state, lines
        sys.exit("clear: messages without end")

    def go(self, x, y):
        last = None
        start = None
        declined = False
        for _ in range(2000):
            state, lines, route = self.play((x, y))
            where = (state["party"]["MapNumber"], state["PartyX"], state["PartyY"])
            start = start or where[0]
            if where[0] != start:  # a square on the way moved the party to another map
                self.clear()
                return
            if where == last and not fighting(state) and not declined:
                self.keys += "{esc}"  # a menu the square offers holds the walk: decline it
                declined, last = True, None
                continue
            if where == last and not fighting(state):
                sys.exit("stuck at map %d (%d,%d) on the way to (%d,%d); the screen ends:\n  %s" %
                         (where + (x, y, "\n  ".join(lines[-6:]))))
            last = where
            if fighting(state) or self.meeting(lines):
                self.fight(state, lines)
                last = None
                continue
            if (state["PartyX"], state["PartyY"]) == (x, y):
                self.clear()  # what the square starts, fights too, is part of the walk
                return
            if not route:
                if lines and WAITING in lines[-1]:
                    self.keys += "{enter}"
                    last = None
                    continue
                sys.exit("no walk from (%d,%d) to (%d,%d) on map %d" %
                         (state["PartyX"], state["PartyY"], x, y, state["party"]["MapNumber"]))
            flat = walk(route)
            encounters = self.met
            chunk = flat[:CHUNK]
            trial = self.keys + "".join("{%s}" % s for s in chunk)
            moved, after, _ = self.game.play(self.prefix + trial)

            def interrupted(moved, after, steps):
                """A foe met, or the party not where the steps lead (an event moved it)."""
                x, y = where[1], where[2]
                for step in steps:
                    x, y = x + STEP[step][0], y + STEP[step][1]
                place = (moved["party"]["MapNumber"], moved["PartyX"], moved["PartyY"])
                return sum(ENCOUNTER in l for l in after) > encounters or place != (where[0], x, y)

            if interrupted(moved, after, chunk):
                # Step by step up to what stopped the walk.
                for n, step in enumerate(chunk, 1):
                    self.keys += "{%s}" % step
                    moved, after, _ = self.play()
                    if interrupted(moved, after, chunk[:n]):
                        break
            else:
                self.keys = trial
        sys.exit("could not reach (%d,%d)" % (x, y))


STEP = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0)}


def walk(route):
    return [name for name, n in re.findall(r"\{(\w+)(?:\*(\d+))?\}", route) for _ in range(int(n or 1))]


def wrap(keys, width=100):
    return "\n".join(keys[i:i + width] for i in range(0, len(keys), width))


def keys_before(path):
    """The committed keys of every stage that sorts before the plan."""
    folder = os.path.dirname(os.path.abspath(path))
    name = os.path.basename(path)[:-len(".plan")]
    keys = ""
    for k in sorted(glob.glob(os.path.join(folder, "*.keys"))):
        if os.path.basename(k)[:-len(".keys")] >= name:
            break
        with open(k) as f:
            keys += "".join(l.strip("\r\n") for l in f if not l.startswith("#"))
    return keys


def compile_plan(game, path, allowed=0):
    """Plays the plan; returns the text of its .keys file and the compiler.
    Raises Beaten when a fight is lost beyond the rewinds allowed."""
    name = os.path.basename(path)[:-len(".plan")]
    prefix = CONTINUE if game.save else keys_before(path)
    c = Compiler(game, prefix, allowed)
    _, lines, _ = c.play()
    c.met = sum(ENCOUNTER in l for l in lines)
    notes = []
    try:
        run_plan(c, path, notes)
    except (Beaten, SystemExit) as failure:
        # What was played so far, for a look with the harness.
        with open(os.path.join(tempfile.gettempdir(), name + ".failed.keys"), "w") as f:
            f.write(prefix + c.keys)
        if isinstance(failure, Beaten):
            raise Beaten("at %s %s" % (c.line, failure)) from None
        raise
    return "\n".join(notes + ["# Compiled from %s.plan by compile.py." % name, wrap(c.keys)]) + "\n", c


def run_plan(c, path, notes):
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip() if not line.startswith("note") else line.strip()
            if not line:
                continue
            c.line = "%s:%d (%s)" % (os.path.basename(path), number, line)
            word, _, rest = line.partition(" ")
            if word == "note":
                notes.append("# " + rest)
            elif word == "keys":
                c.keys += rest.strip()
            elif word == "go":
                c.attempt(c.go, *(int(v) for v in rest.split()))
            elif word == "win":
                c.win(*(int(v) for v in rest.split()))
            elif word == "flee":
                c.flee = tuple(int(v) for v in rest.split("/"))
            elif word == "heal":
                c.heal = rest.strip() == "on"
            elif word == "rest":
                c.rest()
            elif word == "bump":
                c.attempt(c.bump, *(int(v) for v in rest.split()))
            elif word == "clear":
                c.clear()
            else:
                sys.exit("%s:%d: unknown command %s" % (path, number, word))


def main():
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--rewinds", type=int, default=0)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--save")
    parser.add_argument("headless")
    parser.add_argument("data")
    parser.add_argument("plans", nargs="+")
    args = parser.parse_args()
    save = os.path.abspath(args.save) if args.save else None
    own = args.seed == 1 and not save  # the playthrough's own game: its keys may be written
    failed = False
    for plan in args.plans:
        name = os.path.basename(plan)[:-len(".plan")]
        game = Game(os.path.abspath(args.headless), os.path.abspath(args.data), args.seed, save)
        try:
            text, c = compile_plan(game, plan, args.rewinds)
        except Beaten as beaten:
            print(beaten)
            print("%s: lost %s" % (name, str(beaten).split(";")[0]) +
                  ("" if args.rewinds else "; a rewind would be needed (--rewinds N allows them)"))
            failed = True
            if args.check:
                continue
            break  # the plans after it start where it would have ended
        finally:
            shutil.rmtree(game.work, ignore_errors=True)
        keys = plan[:-len(".plan")] + ".keys"
        verdict = "%d rewinds" % c.rewinds if c.rewinds else "clean"
        if args.check:
            with open(keys, encoding="utf-8") as f:
                if f.read() != text:
                    verdict += "; the committed keys differ from what the plan compiles to"
                    failed = True
        elif own and not c.rewinds:
            with open(keys, "w", encoding="utf-8") as f:
                f.write(text)
        print("%s: %d keys, %d runs; %s" % (name, len(c.keys), game.runs, verdict))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()

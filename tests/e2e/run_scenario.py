#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program through the accessibility bus and checks what it shows and writes.
usage, under a display and a private session bus: run_scenario.py <path of the drawsmith program>"""

import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import traceback

try:
    import pyatspi
    from atspidriver import (TIMEOUT, Program, StepFailed, choose_from_combo, expect, extents, find_all, find_one,
                             press, text_of, wait_for, window, windows)
except ImportError as error:
    print(f"SKIP: the accessibility client library is missing ({error}); install python3-pyatspi")
    sys.exit(77)

DEFAULT_CATALOGUE = (b"California Lotto, 6, 1, 51, 0, 0\r\nFloriday Lotto, 6, 1, 53, 0, 0\r\n"
                     b"Louisiana Lotto, 6, 1, 49, 0, 0\r\nPower Ball, 5, 1, 49, 1, 42\r\n"
                     b"Lotto Texas, 6, 1, 50, 0, 0\r\nNew York Lotto,6,1,51,0,0\r\n")
NEW_GAME = "Mini Lotto"
NEW_GAME_LINE = b"Mini Lotto,6,1,50,0,0\r\n"  # the editor's default numbers: 6 of 1..50, no Power Ball
MAIN_TITLE = "Drawsmith"
EDITOR_TITLE = "Add a Game to the Drawsmith"
BROWSER_FIRST_CAPTION = "Kestrelworks - Drawsmith Browser"
ONLINE_TITLE = "Are You On-line?"
GOOD_LUCK = "Good Luck With Your Picks!"
PUSH, TEXT, LABEL = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL


def box_text(frame, name):
    found = find_one(frame, TEXT, name, only_showing=False)
    expect(found is not None, f"no text box named {name!r}")
    return text_of(found)


def shows_game(frame, name):
    """The heading (the topmost label) and the game list's own text both name the game."""
    labels = sorted(find_all(frame, LABEL), key=lambda a: (extents(a).y, extents(a).x))
    combos = find_all(frame, pyatspi.ROLE_COMBO_BOX)
    expect(len(combos) == 1, f"the main window shows {len(combos)} game lists")
    return bool(labels) and labels[0].name == name and [text_of(t) for t in find_all(combos[0], TEXT)] == [name]


class Scenario:
    def __init__(self, executable, root):
        self.executable, self.passed = executable, 0
        self.workdir, self.log = os.path.join(root, "work"), os.path.join(root, "program.log")
        self.games = pathlib.Path(self.workdir, "games.dat")
        os.mkdir(self.workdir)
        os.mkdir(os.path.join(root, "runtime"), 0o700)
        open(self.log, "wb").close()
        self.env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(root, "config"), XDG_RUNTIME_DIR=os.path.join(root, "runtime"))

    def step(self, name):
        self.passed += 1
        print(f"ok {self.passed} - {name}", flush=True)

    def wait_games(self, expected, what):
        wait_for(what, lambda: self.games.exists() and self.games.read_bytes() == expected)

    def run(self):
        with Program(self.executable, self.workdir, self.env, self.log) as program:
            app = program.application()
            alert = window(app, "Data File Not Found!", "the question about the missing data file")
            expect(find_one(alert, LABEL, "Create a New Data File?") is not None, "the question's text is wrong")
            press(find_one(alert, PUSH, "Yes"))
            self.wait_games(DEFAULT_CATALOGUE, "games.dat to hold the six default games")
            frame = window(app, MAIN_TITLE, "the main window")
            wait_for("row 0 to be applied", lambda: shows_game(frame, "California Lotto"))
            self.step("first start: Yes writes the default catalogue and row 0 is shown")
            self.power_ball_run(frame)
            self.add_game(app, frame)
            self.exit(program, lambda: press(find_one(frame, PUSH, "Exit"), ends_program=True), "Exit button")
        with Program(self.executable, self.workdir, self.env, self.log) as program:
            app = program.application()
            frame = window(app, MAIN_TITLE, "the main window")
            wait_for("the last game to be restored", lambda: shows_game(frame, NEW_GAME))
            expect(not windows(app, lambda name: name == "Data File Not Found!"), "the data file is asked for again")
            expect(self.games.read_bytes() == DEFAULT_CATALOGUE + NEW_GAME_LINE, "starting again changed games.dat")
            self.step("a second start restores the game chosen last")
            self.open_browser(app, frame)
            exit_menu = find_one(frame, pyatspi.ROLE_MENU_ITEM, "Exit")
            self.exit(program, lambda: press(exit_menu, ends_program=True), "Exit menu (the browser open)")

    def power_ball_run(self, frame):
        choose_from_combo(find_all(frame, pyatspi.ROLE_COMBO_BOX)[0], "Power Ball")
        wait_for("Power Ball to be applied", lambda: shows_game(frame, "Power Ball"))
        wait_for("the Power Ball odds", lambda: box_text(frame, "txtOdds") == "80089128 to 1")
        boxes = ["Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "txtPowerball"]
        shown = [n for n in boxes if find_one(frame, TEXT, n) is not None]
        expect(shown == boxes[:5] + ["txtPowerball"], f"Power Ball shows the pick boxes {shown}")
        press(wait_for("the Start button", lambda: find_one(frame, PUSH, "Start")))

        def running_or_done():  # a short run may end on its own before Stop can be pressed
            return find_one(frame, PUSH, "Stop") or ("done" if find_one(frame, LABEL, GOOD_LUCK) else None)
        stop = wait_for("the run to start", running_or_done)
        if stop != "done":
            try:
                press(stop)
            except Exception:
                pass  # the run ended between finding Stop and pressing it
        wait_for("the end of the run", lambda: find_one(frame, LABEL, GOOD_LUCK) and find_one(frame, PUSH, "Start")
                 and not find_one(frame, PUSH, "Stop") and not find_all(frame, pyatspi.ROLE_PROGRESS_BAR))
        picks = [box_text(frame, n) for n in boxes[:5]]
        numbers = {int(p) for p in picks if p.isdigit() and 1 <= int(p) <= 49}
        expect(len(numbers) == 5, f"the picks are not five distinct numbers from 1 to 49: {picks}")
        power = box_text(frame, "txtPowerball")
        expect(power.isdigit() and 1 <= int(power) <= 42, f"the Power Ball pick {power!r} is not in 1..42")
        self.step(f"Power Ball: odds, boxes; {'done' if stop == 'done' else 'stopped'}: {' '.join(picks)} + {power}")

    def add_game(self, app, frame):
        choose_from_combo(find_all(frame, pyatspi.ROLE_COMBO_BOX)[0], "Edit or Add Lottery Game")
        editor = window(app, EDITOR_TITLE, "the game editor")
        combo = wait_for("the editor's game list", lambda: find_all(editor, pyatspi.ROLE_COMBO_BOX))[0]
        name_box = wait_for("the editable name", lambda: find_all(combo, TEXT))[0]
        name_box.queryEditableText().setTextContents(NEW_GAME)
        wait_for("the new name in the editor", lambda: text_of(name_box) == NEW_GAME)
        press(find_one(editor, PUSH, "Add and Save New Game"))
        self.wait_games(DEFAULT_CATALOGUE + NEW_GAME_LINE, "games.dat to end in the new game's line")
        wait_for("the editor to close", lambda: not windows(app, lambda name: name == EDITOR_TITLE))
        wait_for("the new game to be applied", lambda: shows_game(frame, NEW_GAME))
        self.step("the editor appends the new game's line and the main window applies it")

    def open_browser(self, app, frame):
        press(find_one(frame, PUSH, "Visit The Web Site"))
        press(find_one(window(app, ONLINE_TITLE, "the on-line question"), PUSH, "Yes"))
        # Any role: the browser window may not be a frame. The home page is out of reach here.
        browser = wait_for("the browser to show Working... or a page name", lambda: windows(
            app, lambda name: name and name not in (MAIN_TITLE, ONLINE_TITLE, BROWSER_FIRST_CAPTION)))
        self.step(f"Visit The Web Site, Yes: the browser opens as {browser[0].name!r}")

    def exit(self, program, press_exit, how):
        press_exit()
        try:
            code = program.process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            raise StepFailed(f"the program did not end within {TIMEOUT:.0f} s after the {how}") from None
        expect(code == 0, f"the {how} ended the program with code {code}")
        self.step(f"the {how} ends the program with status 0")


def main():
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} <path of the drawsmith program>")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # a ctest timeout still kills the program
    root = tempfile.mkdtemp(prefix="drawsmith-e2e-")
    scenario = Scenario(os.path.abspath(sys.argv[1]), root)
    try:
        scenario.run()
    except Exception as error:
        if not isinstance(error, StepFailed):
            traceback.print_exc()
        print(f"not ok {scenario.passed + 1} - {error}\n--- program output ---\n"
              + pathlib.Path(scenario.log).read_bytes().decode(errors="replace"), flush=True)
        return 1
    finally:
        if os.environ.get("DRAWSMITH_E2E_KEEP"):
            print(f"kept {root}")
        else:
            shutil.rmtree(root, ignore_errors=True)
    print(f"{scenario.passed} passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Drives the real Drawsmith program through the accessibility bus, as a user's assistive
technology would, and checks what it shows and what it writes to disk.

Run under a display and a private session bus, for instance:
    xvfb-run -a dbus-run-session -- python3 run_scenario.py build/default/drawsmith
"""

import os
import shutil
import signal
import sys
import tempfile
import traceback

try:
    import pyatspi
    from atspidriver import (Program, StepFailed, choose_from_combo, find_all, find_one, press, press_to_end,
                             text_of, top_to_bottom, wait_for, window, windows_named)
except ImportError as error:
    print(f"SKIP: the accessibility client library is missing ({error}); install python3-pyatspi")
    sys.exit(77)

DEFAULT_CATALOGUE = (b"California Lotto, 6, 1, 51, 0, 0\r\n"
                     b"Floriday Lotto, 6, 1, 53, 0, 0\r\n"
                     b"Louisiana Lotto, 6, 1, 49, 0, 0\r\n"
                     b"Power Ball, 5, 1, 49, 1, 42\r\n"
                     b"Lotto Texas, 6, 1, 50, 0, 0\r\n"
                     b"New York Lotto,6,1,51,0,0\r\n")
NEW_GAME = "Mini Lotto"
# Added with the editor's default numbers: 6 of 1..50, no Power Ball.
NEW_GAME_LINE = b"Mini Lotto,6,1,50,0,0\r\n"
MAIN_TITLE = "Drawsmith"
EDITOR_TITLE = "Add a Game to the Drawsmith"

PUSH = pyatspi.ROLE_PUSH_BUTTON
TEXT = pyatspi.ROLE_TEXT
LABEL = pyatspi.ROLE_LABEL


def expect(condition, message):
    if not condition:
        raise StepFailed(message)


def read_file(path):
    with open(path, "rb") as f:
        return f.read()


def wait_file(path, expected, what):
    wait_for(what, lambda: os.path.exists(path) and read_file(path) == expected)


def heading(frame):
    """Label1, the topmost label of the main window: the current game's name."""
    labels = top_to_bottom(find_all(frame, LABEL))
    expect(labels, "the main window shows no label")
    return labels[0].name


def box(frame, name):
    found = find_one(frame, TEXT, name, only_showing=False)
    expect(found is not None, f"no text box named {name!r}")
    return found


def game_list(frame):
    combos = find_all(frame, pyatspi.ROLE_COMBO_BOX)
    expect(len(combos) == 1, f"the main window shows {len(combos)} game lists")
    return combos[0]


def list_text(combo):
    """The text shown in a combo box's own text area."""
    fields = find_all(combo, TEXT)
    expect(len(fields) == 1, f"the list shows {len(fields)} text areas")
    return text_of(fields[0])


def shows_game(frame, name):
    return heading(frame) == name and list_text(game_list(frame)) == name


class Scenario:
    def __init__(self, executable, root):
        self.executable = executable
        self.root = root
        self.workdir = os.path.join(root, "work")
        self.config_home = os.path.join(root, "config")
        self.runtime_dir = os.path.join(root, "runtime")
        self.log = os.path.join(root, "program.log")
        self.games = os.path.join(self.workdir, "games.dat")
        os.mkdir(self.workdir)
        os.mkdir(self.config_home)
        os.mkdir(self.runtime_dir, 0o700)
        self.passed = 0

    def step(self, name):
        self.passed += 1
        print(f"ok {self.passed} - {name}", flush=True)

    def program(self):
        return Program(self.executable, self.workdir, self.config_home, self.runtime_dir, self.log)

    def run(self):
        with self.program() as program:
            app = program.application()
            self.first_start(app)
            frame = window(app, MAIN_TITLE, "the main window")
            self.choose_power_ball(frame)
            self.start_and_stop(frame)
            self.add_game(app, frame)
            self.exit_by_button(program, frame)
        with self.program() as program:
            app = program.application()
            self.second_start(app)
            frame = window(app, MAIN_TITLE, "the main window")
            self.exit_by_menu(program, frame)

    def first_start(self, app):
        alert = window(app, "Data File Not Found!", "the question about the missing data file")
        expect(find_one(alert, LABEL, "Create a New Data File?") is not None,
               "the missing-file question does not read \"Create a New Data File?\"")
        expect(find_one(alert, PUSH, "No") is not None, "the missing-file question has no No button")
        press(find_one(alert, PUSH, "Yes"))
        wait_file(self.games, DEFAULT_CATALOGUE, "games.dat to hold the six default games")
        self.step("first start asks for a data file and Yes writes the default catalogue")

        frame = window(app, MAIN_TITLE, "the main window")
        wait_for("row 0, California Lotto, to be applied", lambda: shows_game(frame, "California Lotto"))
        expect(text_of(box(frame, "txtOdds")) == "18009460 to 1", "wrong odds for California Lotto")
        self.step("the main window opens on the first game")

    def choose_power_ball(self, frame):
        choose_from_combo(game_list(frame), "Power Ball")
        wait_for("Power Ball to be applied", lambda: shows_game(frame, "Power Ball"))
        wait_for("the Power Ball odds", lambda: text_of(box(frame, "txtOdds")) == "80089128 to 1")
        ranges = {name: text_of(box(frame, name)) for name in ("txtLow", "txtHigh", "txtLowPower", "txtHighPower")}
        expect(ranges == {"txtLow": "1", "txtHigh": "49", "txtLowPower": "1", "txtHighPower": "42"},
               f"wrong ranges shown for Power Ball: {ranges}")
        shown = [n for n in ("Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "txtPowerball")
                 if find_one(frame, TEXT, n) is not None]
        expect(shown == ["Text1", "Text2", "Text3", "Text4", "Text5", "txtPowerball"],
               f"Power Ball should show five pick boxes and the Power Ball box, shows {shown}")
        self.step("choosing Power Ball shows its ranges, five boxes and the odds 80089128 to 1")

    def start_and_stop(self, frame):
        press(wait_for("the Start button", lambda: find_one(frame, PUSH, "Start")))

        # A short run may end on its own before Stop can be pressed; both end the same way.
        def running_or_done():
            stop = find_one(frame, PUSH, "Stop")
            if stop is not None:
                return ("stop", stop)
            if find_one(frame, LABEL, "Good Luck With Your Picks!") is not None:
                return ("done", None)
            return None
        state, stop = wait_for("the run to start", running_or_done)
        if state == "stop":
            try:
                press(stop)
            except Exception:
                # The run ended between finding Stop and pressing it.
                pass
        wait_for("the end of the run", lambda: find_one(frame, LABEL, "Good Luck With Your Picks!") is not None
                 and find_one(frame, PUSH, "Start") is not None and find_one(frame, PUSH, "Stop") is None)
        expect(find_one(frame, pyatspi.ROLE_PROGRESS_BAR, "BarVal") is None, "the progress bar stays after the run")

        picks = [text_of(box(frame, f"Text{i}")) for i in range(1, 6)]
        numbers = [int(p) for p in picks if p.isdigit()]
        expect(len(numbers) == 5 and all(1 <= n <= 49 for n in numbers),
               f"the shown picks are not five numbers from 1 to 49: {picks}")
        expect(len(set(numbers)) == 5, f"the shown picks repeat a number: {picks}")
        power = text_of(box(frame, "txtPowerball"))
        expect(power.isdigit() and 1 <= int(power) <= 42, f"the Power Ball pick {power!r} is not in 1..42")
        hidden = [text_of(box(frame, f"Text{i}")) for i in (6, 7)]
        expect(all(h.isdigit() and 1 <= int(h) <= 49 for h in hidden),
               f"the hidden boxes did not get numbers of the game's range: {hidden}")
        self.step(f"Start then Stop ({state}) leaves picks {' '.join(picks)} and Power Ball {power}")

    def add_game(self, app, frame):
        choose_from_combo(game_list(frame), "Edit or Add Lottery Game")
        editor = window(app, EDITOR_TITLE, "the game editor")
        combos = find_all(editor, pyatspi.ROLE_COMBO_BOX)
        expect(len(combos) == 1, f"the editor shows {len(combos)} game lists")
        name_box = wait_for("the editable name", lambda: find_all(combos[0], TEXT))[0]
        expect(text_of(name_box) == "Untitled Game", f"the editor opens on {text_of(name_box)!r}")
        listed = [i.name for i in find_all(combos[0], pyatspi.ROLE_LIST_ITEM, only_showing=False)]
        expect(listed[-1:] == ["New York Lotto"] and len(listed) == 6,
               f"the editor lists {listed} instead of the six games")
        expect(find_one(editor, PUSH, "Save Changes to Game") is None, "the editor opens in edit mode")

        editable = name_box.queryEditableText()
        editable.setTextContents(NEW_GAME)
        wait_for("the new name in the editor", lambda: text_of(name_box) == NEW_GAME)
        press(find_one(editor, PUSH, "Add and Save New Game"))
        wait_for("the editor to close", lambda: not windows_named(app, EDITOR_TITLE))
        wait_file(self.games, DEFAULT_CATALOGUE + NEW_GAME_LINE, "games.dat to end in the new game's line")
        wait_for("the new game to be applied", lambda: shows_game(frame, NEW_GAME))
        wait_for("the new game's odds", lambda: text_of(box(frame, "txtOdds")) == "15890700 to 1")
        entries = [i.name for i in find_all(game_list(frame), pyatspi.ROLE_LIST_ITEM, only_showing=False)]
        expect(entries[-2:] == [NEW_GAME, "Edit or Add Lottery Game"],
               f"the game list does not end in the new game and the editor entry: {entries}")
        self.step("the editor adds a game as a compact line and the main window applies it")

    def exit_by_button(self, program, frame):
        press_to_end(find_one(frame, PUSH, "Exit"))
        code = program.wait_exit()
        expect(code == 0, f"Exit ended the program with code {code}")
        self.step("the Exit button ends the program")

    def second_start(self, app):
        frame = window(app, MAIN_TITLE, "the main window")
        wait_for("the last game to be restored", lambda: shows_game(frame, NEW_GAME))
        expect(not windows_named(app, "Data File Not Found!"), "the second start asks for a data file again")
        expect(read_file(self.games) == DEFAULT_CATALOGUE + NEW_GAME_LINE, "starting again changed games.dat")
        settings = os.path.join(self.config_home, "Drawsmith", "Drawsmith.conf")
        expect(os.path.exists(settings), "the chosen game was not kept under XDG_CONFIG_HOME")
        self.step("a second start restores the game chosen last")

    def exit_by_menu(self, program, frame):
        menu_bar = find_all(frame, pyatspi.ROLE_MENU_BAR)
        expect(len(menu_bar) == 1, "the main window has no menu bar")
        items = top_to_bottom(find_all(menu_bar[0], pyatspi.ROLE_MENU_ITEM))
        expect([i.name for i in items][:1] == ["Exit"], "Exit is not the first menu")
        press_to_end(items[0])
        code = program.wait_exit()
        expect(code == 0, f"the Exit menu ended the program with code {code}")
        self.step("the Exit menu ends the program")


def main():
    if len(sys.argv) != 2:
        print(f"usage: {sys.argv[0]} <path of the drawsmith program>", file=sys.stderr)
        return 2
    executable = os.path.abspath(sys.argv[1])
    # ctest ends a test that runs too long with SIGTERM: still kill the program then.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    root = tempfile.mkdtemp(prefix="drawsmith-e2e-")
    scenario = Scenario(executable, root)
    try:
        scenario.run()
    except Exception as error:
        if not isinstance(error, StepFailed):
            traceback.print_exc()
        print(f"not ok {scenario.passed + 1} - {error}", flush=True)
        if os.path.exists(scenario.log):
            print("--- program output ---")
            print(read_file(scenario.log).decode(errors="replace"))
        print(f"{scenario.passed} passed, 1 failed")
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

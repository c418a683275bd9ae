#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program through the accessibility bus: first start, a run, the editor, the browser.
usage, under a display and a private session bus: run_scenario.py <path of the drawsmith program>"""

import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import traceback

try:
    import pyatspi
except ImportError as error:
    print(f"SKIP: the accessibility client library is missing ({error}); install python3-pyatspi")
    sys.exit(77)
from atspidriver import (TIMEOUT, Program, StepFailed, choose_from_combo, expect, find_all, find_one, press, wait_for,
                         window, windows)

DEFAULT_CATALOGUE = (b"California Lotto, 6, 1, 51, 0, 0\r\nFloriday Lotto, 6, 1, 53, 0, 0\r\n"
                     b"Louisiana Lotto, 6, 1, 49, 0, 0\r\nPower Ball, 5, 1, 49, 1, 42\r\n"
                     b"Lotto Texas, 6, 1, 50, 0, 0\r\nNew York Lotto,6,1,51,0,0\r\n")
NEW_GAME_LINE = b"Mini Lotto,6,1,50,0,0\r\n"  # the editor's default numbers: 6 of 1..50, no Power Ball
PUSH, TEXT, LABEL, COMBO = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL, pyatspi.ROLE_COMBO_BOX


def text_of(acc):
    return acc.queryText().getText(0, -1)


def scenario(program, games):
    app = program.application()
    press(find_one(window(app, "Data File Not Found!"), PUSH, "Yes"))
    wait_for("the default catalogue", lambda: games.exists() and games.read_bytes() == DEFAULT_CATALOGUE)
    frame = window(app, "Drawsmith")
    wait_for("row 0 to be applied", lambda: find_one(frame, LABEL, "California Lotto"))
    yield "first start: Yes writes the default catalogue and row 0 is shown"

    choose_from_combo(find_all(frame, COMBO)[0], "Power Ball")
    wait_for("the Power Ball odds", lambda: text_of(find_one(frame, TEXT, "txtOdds")) == "80089128 to 1")
    press(find_one(frame, PUSH, "Start"))
    wait_for("the end of the run", lambda: find_one(frame, LABEL, "Good Luck With Your Picks!")
             and find_one(frame, PUSH, "Start") and not find_all(frame, pyatspi.ROLE_PROGRESS_BAR))
    picks = [text_of(find_one(frame, TEXT, n)) for n in ("Text1", "Text2", "Text3", "Text4", "Text5")]
    power = text_of(find_one(frame, TEXT, "txtPowerball"))
    expect(len({p for p in picks if p.isdigit() and 1 <= int(p) <= 49}) == 5 and power.isdigit()
           and 1 <= int(power) <= 42, f"the picks {picks} + {power!r} are not five of 1..49 and one of 1..42")
    yield f"a Power Ball run ends with {' '.join(picks)} + {power}"

    choose_from_combo(find_all(frame, COMBO)[0], "Edit or Add Lottery Game")
    editor = window(app, "Add a Game to the Drawsmith")
    name_box = wait_for("the editable name", lambda: find_all(find_all(editor, COMBO)[0], TEXT))[0]
    name_box.queryEditableText().setTextContents("Mini Lotto")
    wait_for("the new name in the editor", lambda: text_of(name_box) == "Mini Lotto")
    press(find_one(editor, PUSH, "Add and Save New Game"))
    wait_for("the new game's line", lambda: games.read_bytes() == DEFAULT_CATALOGUE + NEW_GAME_LINE)
    wait_for("the new game to be applied", lambda: find_one(frame, LABEL, "Mini Lotto"))
    expect(not windows(app, lambda name: name == "Add a Game to the Drawsmith"), "the editor stays open")
    yield "the editor appends the new game's line and the main window applies it"

    press(find_one(frame, PUSH, "Visit The Web Site"))
    press(find_one(window(app, "Are You On-line?"), PUSH, "Yes"))
    # Any role: the browser window may not be a frame. The home page is out of reach here.
    browser = wait_for("the browser to show Working... or a page name", lambda: windows(
        app, lambda name: name not in ("", "Drawsmith", "Are You On-line?", "Kestrelworks - Drawsmith Browser")))
    yield f"Visit The Web Site, Yes: the browser opens as {browser[0].name!r}"

    press(find_one(frame, PUSH, "Exit"), ends_program=True)
    try:
        code = program.process.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        raise StepFailed(f"the program did not end within {TIMEOUT:.0f} s after Exit") from None
    expect(code == 0, f"Exit ended the program with code {code}")
    yield "Exit ends the program with status 0"


def main():
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} <path of the drawsmith program>")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # a ctest timeout still kills the program
    passed = 0
    with tempfile.TemporaryDirectory(prefix="drawsmith-e2e-") as root:
        root = pathlib.Path(root)
        (root / "work").mkdir()
        (root / "runtime").mkdir(0o700)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   XDG_CONFIG_HOME=str(root / "config"), XDG_RUNTIME_DIR=str(root / "runtime"))
        try:
            with Program(os.path.abspath(sys.argv[1]), root / "work", env, root / "program.log") as program:
                for passed, step in enumerate(scenario(program, root / "work" / "games.dat"), 1):
                    print(f"ok {passed} - {step}", flush=True)
        except Exception as error:
            if not isinstance(error, StepFailed):
                traceback.print_exc()
            print(f"not ok {passed + 1} - {error}\n--- program output ---\n"
                  + (root / "program.log").read_bytes().decode(errors="replace"), flush=True)
            return 1
    print(f"{passed} passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())

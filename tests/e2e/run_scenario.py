#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program through the accessibility bus: first start, a run, the editor, About, Exit; checks what
a screen reader is told (names, roles, values, the announcement of the picks). Then counts what the main window
sends it during a run of 3000 sets.
usage, under a display (or with "wayland", a Wayland compositor) and a private session bus:
    run_scenario.py <path of the drawsmith program> [<path of the drawsmith_e2e_longrun window> | wayland]"""

import contextlib
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import time
import traceback

try:
    import pyatspi
except ImportError as error:
    print(f"SKIP: the accessibility client library is missing ({error}); install python3-pyatspi")
    sys.exit(77)
from gi.repository import Atspi, GLib

TIMEOUT = float(os.environ.get("DRAWSMITH_E2E_TIMEOUT", "90"))  # a loaded machine can be slow to show a window


class StepFailed(AssertionError):
    pass


def expect(condition, message):
    if not condition:
        raise StepFailed(message)


def wait_for(what, probe):
    """Polls probe() until it returns something true, and returns that."""
    deadline, last_error = time.monotonic() + TIMEOUT, None
    while True:
        while GLib.MainContext.default().iteration(False):  # keeps libatspi's view of the tree current
            pass
        try:
            if result := probe():
                return result
        except (GLib.Error, RuntimeError, LookupError, AttributeError) as error:
            last_error = error  # objects vanish and change while windows open and close
        expect(time.monotonic() < deadline, f"timed out waiting for {what} (last error: {last_error})")
        time.sleep(0.2)


def find_all(root, role, name=None, showing=True):
    """The showing (or all) descendants of root with this role (and accessible name)."""
    found, stack = [], [root]
    while stack:
        acc = stack.pop()
        try:
            if acc.getRole() == role and name in (None, (acc.name or "").strip()) \
                    and (not showing or acc.getState().contains(pyatspi.STATE_SHOWING)):
                found.append(acc)
            stack.extend(c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None)
        except GLib.Error:
            continue
    return found


def find_one(root, role, name):
    matches = find_all(root, role, name)
    expect(len(matches) <= 1, f"{len(matches)} controls of role {pyatspi.Role(role)!r} are named {name!r}")
    return matches[0] if matches else None


def press(acc, ends_program=False):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    expect(names, f"{acc.name!r} offers no action")
    try:
        action.doAction(next((names.index(n) for n in ("Press", "press", "click") if n in names), 0))
    except GLib.Error as error:  # a control that ends the program may see it go before it answers
        expect(ends_program, f"pressing {acc.name!r} failed: {error}")


def choose_from_combo(combo, entry):
    """Opens a combo box's list and clicks, through the X server, the entry named entry."""
    if not combo.getState().contains(pyatspi.STATE_EXPANDED):
        press(combo)
    box = wait_for(f"entry {entry!r} in the open list", lambda: next((e for e in (i.queryComponent().getExtents(
        pyatspi.DESKTOP_COORDS) for i in find_all(combo, pyatspi.ROLE_LIST_ITEM, entry)) if e.width > 0), None))
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, pyatspi.MOUSE_B1C)


def windows(app, accept):
    """The showing top-level windows whose caption accept() takes."""
    children = (app.getChildAtIndex(i) for i in range(app.childCount))
    return [c for c in children if c is not None and accept(c.name) and c.getState().contains(pyatspi.STATE_SHOWING)]


def window(app, title):
    return wait_for(f"the window {title!r}", lambda: next(iter(windows(app, lambda name: name == title)), None))


@contextlib.contextmanager
def running(executable, workdir, env, log_path):
    """The program under test in its own process group, always killed at the end."""
    with open(log_path, "ab") as log:
        process = subprocess.Popen([executable], cwd=workdir, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, start_new_session=True)
    try:
        yield process
    finally:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, signal.SIGKILL)  # the browser's helper processes go with it
        process.wait()


def application(process):
    """The program's application object on the accessibility bus."""
    def probe():
        expect(process.poll() is None, f"the program ended with code {process.returncode} before it showed")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            if app is not None and app.get_process_id() == process.pid:
                app.set_cache_mask(Atspi.Cache.NONE)  # always ask the program, never a cached text
                return app
    return wait_for("the program on the accessibility bus", probe)


DEFAULT_CATALOGUE = (b"California Lotto, 6, 1, 51, 0, 0\r\nFloriday Lotto, 6, 1, 53, 0, 0\r\n"
                     b"Louisiana Lotto, 6, 1, 49, 0, 0\r\nPower Ball, 5, 1, 49, 1, 42\r\n"
                     b"Lotto Texas, 6, 1, 50, 0, 0\r\nNew York Lotto,6,1,51,0,0\r\n")
NEW_GAME_LINE = b"Mini Lotto,6,1,50,0,0\r\n"  # the editor's default numbers: 6 of 1..50, no Power Ball
PUSH, TEXT, LABEL, COMBO = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL, pyatspi.ROLE_COMBO_BOX
SPIN = pyatspi.ROLE_SPIN_BUTTON
LIMIT_PER_SECOND, LIMIT_AROUND = 2, 30  # accessibility events during a run: a few a second, and its start and end


class Ear:
    """What a screen reader is told: every object event, the notifications shown, the values changed."""
    def __init__(self):
        self.clear()
        pyatspi.Registry.registerEventListener(self.hear, "object:")

    def clear(self):
        self.events, self.notices, self.values = 0, [], []

    def hear(self, event):
        self.events += 1
        try:
            if event.type == "object:state-changed:showing" and event.detail1 \
                    and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                self.notices.append(event.source.name)
            elif event.type.startswith("object:property-change:accessible-value") \
                    or event.type.startswith("object:value-changed"):
                self.values.append((event.source.name, event.source.queryValue().currentValue))
        except GLib.Error:
            pass


def text_of(acc):
    return acc.queryText().getText(0, -1)


def code_names(root):
    """The names of showing objects under root that are a control's object name rather than a person's."""
    names = {(acc.name or "").strip() for role in (PUSH, TEXT, LABEL, COMBO, SPIN, pyatspi.ROLE_PROGRESS_BAR,
                                                   pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL)
             for acc in find_all(root, role)}
    return sorted(n for n in names if re.fullmatch(r"(Text\d|txt\w+|lbl\w+|Label\d|BarVal|LotGame|cmd\w+|cmp\w+|"
                                                   r"MyGames|ChoiceNum|LowNum|HighNum|Power(Low|High)|UpDown\w*)", n))


def labels_of(acc):
    return [r.getTarget(0).name for r in acc.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def key(name):
    pyatspi.Registry.generateKeyboardEvent({"Up": 0xFF52, "Down": 0xFF54}[name], None, pyatspi.KEY_SYM)


def run_ends_with_picks(frame, count, high, power_high):
    """Start, then the picks once the run has ended: count distinct numbers of 1..high (+ a Power Ball)."""
    press(find_one(frame, PUSH, "Start"))
    wait_for("the end of the run", lambda: find_one(frame, LABEL, "Good Luck With Your Picks!")
             and find_one(frame, PUSH, "Start") and not find_all(frame, pyatspi.ROLE_PROGRESS_BAR))
    picks = [text_of(find_one(frame, TEXT, f"Pick {slot}")) for slot in range(1, count + 1)]
    expect(len({p for p in picks if p.isdigit() and 1 <= int(p) <= high}) == count,
           f"the picks {picks} are not {count} different numbers of 1..{high}")
    if not power_high:
        return picks, None
    power = text_of(find_one(frame, TEXT, "Power Ball"))
    expect(power.isdigit() and 1 <= int(power) <= power_high, f"the Power Ball {power!r} is not one of 1..{power_high}")
    return picks, power


def scenario(program, games, wayland):
    ear = Ear()
    app = application(program)
    press(find_one(window(app, "Data File Not Found!"), PUSH, "Yes"))
    wait_for("the default catalogue", lambda: games.exists() and games.read_bytes() == DEFAULT_CATALOGUE)
    frame = window(app, "Drawsmith")
    wait_for("row 0 to be applied", lambda: find_one(frame, LABEL, "California Lotto"))
    yield "first start: Yes writes the default catalogue and row 0 is shown"

    if wayland:
        # A list entry is chosen only by a click or Enter, and the headless compositor has no seat
        # to send either: the run takes row 0, and the editor is left to the X11 run.
        picks, _ = run_ends_with_picks(frame, 6, 51, 0)
        yield f"a run of California Lotto ends with {' '.join(picks)}"
        yield from about_and_exit(app, frame, program)
        return

    choose_from_combo(find_all(frame, COMBO)[0], "Power Ball")
    odds = "Odds of Wining Grand Prize"
    wait_for("the Power Ball odds", lambda: text_of(find_one(frame, TEXT, odds)) == "80089128 to 1")
    boxes = ["Pick 1", "Pick 2", "Pick 3", "Pick 4", "Pick 5", "Power Ball", "Lowest Number", "Highest Number",
             "Lowest Power Ball", "Highest Power Ball", odds]
    unnamed = [n for n in boxes if not find_one(frame, TEXT, n)] + [
        t.name for t in find_all(frame, TEXT) if t.name not in boxes and t.parent.getRole() != COMBO]
    expect(not unnamed, f"boxes missing or named for no person: {unnamed}")
    expect(labels_of(find_all(frame, COMBO)[0]) == ["Game Selections"], "the game list is not labelled")
    expect(not code_names(frame), f"controls heard by their object names: {code_names(frame)}")
    yield "the boxes are named by their labels, the game list by \"Game Selections\""

    ear.clear()
    picks, power = run_ends_with_picks(frame, 5, 49, 42)
    spoken = f"Power Ball: {', '.join(picks)}, Power Ball {power}"
    wait_for("the announcement", lambda: ear.notices)
    expect(ear.notices == [spoken], f"announced {ear.notices}, not once {spoken!r}")
    row = find_one(frame, LABEL, spoken)
    expect(row and row.getState().contains(pyatspi.STATE_FOCUSABLE), "the picks are no focus stop of their own")
    yield f"a Power Ball run ends with {' '.join(picks)} + {power}, announced once and held by one stop"

    choose_from_combo(find_all(frame, COMBO)[0], "Edit or Add Lottery Game")
    editor = window(app, "Add a Game to the Drawsmith")
    expect(not code_names(editor), f"editor controls heard by their object names: {code_names(editor)}")
    numbers = [(n, find_one(editor, SPIN, n)) for n in ("Numbers to Pick?", "Lowest Number", "Highest Number")]
    heard = [(n, s and s.queryValue().currentValue) for n, s in numbers]
    expect(heard == [("Numbers to Pick?", 6), ("Lowest Number", 1), ("Highest Number", 50)],
           f"the editor's numbers are heard as {heard}")
    highest = numbers[2][1]
    highest.queryComponent().grabFocus()
    wait_for("the focus on Highest Number", lambda: highest.getState().contains(pyatspi.STATE_FOCUSED))
    ear.clear()
    key("Up")
    wait_for("Up to raise Highest Number", lambda: highest.queryValue().currentValue == 51)
    key("Down")
    wait_for("Down to lower it again", lambda: highest.queryValue().currentValue == 50)
    wait_for("the new values told", lambda: ("Highest Number", 50) in ear.values)
    expect(("Highest Number", 51) in ear.values, f"the values told were {ear.values}")
    yield "the editor's numbers are spin buttons with their labels' names; Up and Down step them, heard"

    name_box = wait_for("the editable name", lambda: find_all(find_all(editor, COMBO)[0], TEXT))[0]
    name_box.queryEditableText().setTextContents("Mini Lotto")
    wait_for("the new name in the editor", lambda: text_of(name_box) == "Mini Lotto")
    press(find_one(editor, PUSH, "Add and Save New Game"))
    wait_for("the new game's line", lambda: games.read_bytes() == DEFAULT_CATALOGUE + NEW_GAME_LINE)
    wait_for("the new game to be applied", lambda: find_one(frame, LABEL, "Mini Lotto"))
    expect(not windows(app, lambda name: name == "Add a Game to the Drawsmith"), "the editor stays open")
    yield "the editor appends the new game's line and the main window applies it"
    yield from about_and_exit(app, frame, program)


def about_and_exit(app, frame, program):
    items = find_all(frame, pyatspi.ROLE_MENU_ITEM, "About Drawsmith", showing=False)  # its menu is closed
    expect(len(items) == 1, f"{len(items)} menu items are named 'About Drawsmith'")
    press(items[0])
    about = window(app, "About Drawsmith")
    press(find_one(about, PUSH, "OK"))
    wait_for("About to close", lambda: not windows(app, lambda name: name == "About Drawsmith"))
    yield "About opens from the Help menu and OK closes it"

    press(find_one(frame, PUSH, "Exit"), ends_program=True)
    wait_for("the program to end after Exit", lambda: program.poll() is not None)
    expect(program.returncode == 0, f"Exit ended the program with code {program.returncode}")
    yield "Exit ends the program with status 0"


def long_run(program, games):
    ear = Ear()
    app = application(program)
    frame = window(app, "Drawsmith")
    wait_for("Power Ball to be applied", lambda: find_one(frame, LABEL, "Power Ball: 1, 2, 3, 4, 5, Power Ball 48"))
    ear.clear()
    started = time.monotonic()
    press(find_one(frame, PUSH, "Start"))
    wait_for("the end of the run", lambda: ear.notices)
    seconds = time.monotonic() - started
    events, limit = ear.events, LIMIT_AROUND + LIMIT_PER_SECOND * seconds
    expect(events <= limit, f"a run of 3000 sets sent {events} accessibility events in {seconds:.1f} s")
    expect(len(ear.notices) == 1 and ear.notices[0].startswith("Power Ball: "), f"announced {ear.notices}")
    yield f"a run of 3000 sets sent {events} accessibility events in {seconds:.1f} s, then {ear.notices[0]!r}"


def report(steps, log):
    """Runs the steps, a line each as they pass; on a failure, the program's output. Returns the exit status."""
    passed = 0
    try:
        for passed, step in enumerate(steps, 1):
            print(f"ok {passed} - {step}", flush=True)
    except Exception as error:
        if not isinstance(error, StepFailed):
            traceback.print_exc()
        print(f"not ok {passed + 1} - {error}\n--- program output ---\n"
              + log.read_bytes().decode(errors="replace"), flush=True)
        return 1
    print(f"{passed} passed, 0 failed")
    return 0


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # a ctest timeout still kills the program
    with tempfile.TemporaryDirectory(prefix="drawsmith-e2e-") as root:
        root = pathlib.Path(root)
        (root / "work").mkdir()
        (root / "runtime").mkdir(0o700)
        wayland = sys.argv[2:] == ["wayland"]
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="wayland" if wayland else "xcb",
                   XDG_CONFIG_HOME=str(root / "config"), XDG_RUNTIME_DIR=str(root / "runtime"))
        if wayland:  # the compositor's socket is in the runtime folder run_wayland.sh made
            env["WAYLAND_DISPLAY"] = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"])

        def steps():
            with running(os.path.abspath(sys.argv[1]), root / "work", env, root / "program.log") as program:
                yield from scenario(program, root / "work" / "games.dat", wayland)
            if len(sys.argv) > 2 and not wayland:
                with running(os.path.abspath(sys.argv[2]), root / "work", env, root / "program.log") as program:
                    yield from long_run(program, root / "work" / "games.dat")

        return report(steps(), root / "program.log")


if __name__ == "__main__":
    sys.exit(main())

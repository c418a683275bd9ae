# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds and works a running program's controls through the AT-SPI accessibility bus, as a screen reader would."""

import os
import signal
import subprocess
import time

import pyatspi
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


def find_all(root, role, name=None):
    """The showing descendants of root with this role (and accessible name)."""
    found, stack = [], [root]
    while stack:
        acc = stack.pop()
        try:
            if acc.getRole() == role and name in (None, (acc.name or "").strip()) \
                    and acc.getState().contains(pyatspi.STATE_SHOWING):
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


class Program:
    """The program under test in its own process group, always killed at the end."""

    def __init__(self, executable, workdir, env, log_path):
        self.command = dict(args=[executable], cwd=workdir, env=env, stdin=subprocess.DEVNULL,
                            stderr=subprocess.STDOUT, start_new_session=True)
        self.log_path = log_path

    def __enter__(self):
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(stdout=log, **self.command)
        return self

    def __exit__(self, *exc):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)  # the browser's helper processes go with it
        except ProcessLookupError:
            pass
        self.process.wait()

    def application(self):
        """The program's application object on the accessibility bus."""
        retries = [3]

        def probe():
            if self.process.poll() is not None:
                # A virtual display still coming up now and then turns the first client away.
                expect(retries[0] > 0 and b"could not connect to display" in open(self.log_path, "rb").read(),
                       f"the program ended with code {self.process.returncode} before it showed")
                retries[0] -= 1
                time.sleep(1)
                self.__enter__()
                return None
            desktop = pyatspi.Registry.getDesktop(0)
            for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
                if app is not None and app.get_process_id() == self.process.pid:
                    app.set_cache_mask(Atspi.Cache.NONE)  # always ask the program, never a cached text
                    return app
            return None
        return wait_for("the program on the accessibility bus", probe)

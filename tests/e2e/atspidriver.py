"""Finds and works the controls of a running program through the AT-SPI accessibility bus.

Everything is found the way a screen reader or a test robot finds it: by role, accessible
name, text and place on the screen. Nothing here knows the program's source.
"""

import os
import signal
import subprocess
import time

import pyatspi
from gi.repository import Atspi, GLib

# A loaded two-core machine can take many seconds to show a window.
TIMEOUT = float(os.environ.get("DRAWSMITH_E2E_TIMEOUT", "90"))


class StepFailed(AssertionError):
    pass


def pump_bus():
    # Lets libatspi take in the events that keep its view of the tree current.
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        pump_bus()
        try:
            result = probe()
            if result:
                return result
        except (GLib.Error, RuntimeError, LookupError, AttributeError) as error:
            # Objects vanish and change under us while windows open and close.
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise StepFailed(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(0.2)


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.Error:
        return False


def descendants(root):
    stack = [root]
    while stack:
        acc = stack.pop()
        yield acc
        try:
            count = acc.childCount
        except GLib.Error:
            continue
        for i in reversed(range(count)):
            try:
                child = acc.getChildAtIndex(i)
            except GLib.Error:
                continue
            if child is not None:
                stack.append(child)


def find_all(root, role=None, name=None, only_showing=True):
    found = []
    for acc in descendants(root):
        try:
            if role is not None and acc.getRole() != role:
                continue
            if name is not None and (acc.name or "").strip() != name:
                continue
        except GLib.Error:
            continue
        if only_showing and not showing(acc):
            continue
        found.append(acc)
    return found


def find_one(root, role, name, only_showing=True):
    matches = find_all(root, role, name, only_showing)
    if len(matches) > 1:
        raise StepFailed(f"{len(matches)} controls of role {pyatspi.Role(role)!r} are named {name!r}")
    return matches[0] if matches else None


def text_of(acc):
    try:
        text = acc.queryText()
    except NotImplementedError:
        return acc.name
    return text.getText(0, -1)


def extents(acc):
    return acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Press", "press", "click"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise StepFailed(f"{acc.name!r} offers no press action, only {names}")


def press_to_end(acc):
    """Presses a control that ends the program; the program may go before it answers."""
    try:
        press(acc)
    except GLib.Error as error:
        if "disconnected" not in str(error) and "NoReply" not in str(error):
            raise


def click(acc):
    """A real left click at the middle of the control, through the X server."""
    box = extents(acc)
    if box.width <= 0 or box.height <= 0:
        raise StepFailed(f"{acc.name!r} has no place on the screen to click")
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, pyatspi.MOUSE_B1C)


def top_to_bottom(accs):
    return sorted(accs, key=lambda a: (extents(a).y, extents(a).x))


def choose_from_combo(combo, entry):
    """Opens a combo box's list and clicks the entry named entry."""
    if not combo.getState().contains(pyatspi.STATE_EXPANDED):
        press(combo)
    item = wait_for(f"entry {entry!r} in the open list",
                    lambda: next((i for i in find_all(combo, pyatspi.ROLE_LIST_ITEM, entry)
                                  if extents(i).width > 0), None))
    click(item)


class Program:
    """The program under test, started as its own process, always killed at the end."""

    def __init__(self, executable, workdir, config_home, runtime_dir, log_path):
        self.executable = executable
        self.workdir = workdir
        self.config_home = config_home
        self.runtime_dir = runtime_dir
        self.log_path = log_path
        self.process = None
        self._log = None

    def __enter__(self):
        self._log = open(self.log_path, "ab")
        self._start()
        return self

    def _start(self):
        env = dict(os.environ)
        env.update({
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_QPA_PLATFORM": "xcb",
            "XDG_CONFIG_HOME": self.config_home,
            "XDG_RUNTIME_DIR": self.runtime_dir,
        })
        self._log_start = os.path.getsize(self.log_path)
        self.process = subprocess.Popen([self.executable], cwd=self.workdir, env=env, stdin=subprocess.DEVNULL,
                                        stdout=self._log, stderr=subprocess.STDOUT, start_new_session=True)

    def _lost_display(self):
        with open(self.log_path, "rb") as f:
            f.seek(self._log_start)
            return b"could not connect to display" in f.read()

    def __exit__(self, *exc):
        self.kill()
        self._log.close()
        return False

    def kill(self):
        # Its own process group: the browser's helper processes go with it.
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()

    def application(self):
        """The program's application object on the accessibility bus."""
        retries = [3]

        def probe():
            if self.process.poll() is not None and self._lost_display() and retries[0] > 0:
                # A virtual display that is still coming up now and then turns the first
                # client away; that says nothing about the program.
                retries[0] -= 1
                time.sleep(1)
                self._start()
                return None
            if self.process.poll() is not None:
                raise StepFailed(f"the program ended with code {self.process.returncode} before it showed")
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == self.process.pid:
                    # Always ask the program, never a cached copy of a text.
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            return None
        return wait_for("the program on the accessibility bus", probe)

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise StepFailed(f"the program did not end within {timeout:.0f} s") from None


def window(app, title, what=None):
    """The showing top-level window (frame, dialog or alert) of the given title."""
    roles = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_WINDOW)

    def probe():
        for i in range(app.childCount):
            child = app.getChildAtIndex(i)
            if child is not None and child.getRole() in roles and child.name == title and showing(child):
                return child
        return None
    return wait_for(what or f"the window {title!r}", probe)


def windows_named(app, title):
    found = []
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == title and showing(child):
            found.append(child)
    return found

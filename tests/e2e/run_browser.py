#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the browser as a user does, in its own process: opened from the real program's button, then the address
box, the list, the tool bar and the picture links with real keys and clicks (XTest), one picture pressed as an
assistive tool presses it. The browser's fixed http:// sites come from a loopback server this script runs, as the
web engine's proxy, so no network is needed. The server names each page after its host and path and can hold a
request, so that the caption can be seen while a page loads.
usage, under a display and a private session bus (run_e2e.sh):
    run_browser.py <path of the drawsmith program>"""

import http.server
import os
import pathlib
import signal
import sys
import tempfile
import threading
import time
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from run_scenario import (COMBO, DEFAULT_CATALOGUE, PUSH, TEXT, StepFailed, choose_from_combo, expect, find_all,
                          find_one, labels_of, press, report, running, text_of, wait_for, windows, application)
import pyatspi  # after run_scenario, which skips the test without it
from gi.repository import Atspi, GLib

HOME, SEARCH = "http://www.kestrelworks.example/drawsmith/", "http://www.google.com/"
CA, LA, NY = "http://www.calottery.com/", "http://www.louisianalottery.com/", "http://nylottery.ny.gov/"
PB, TX, FL = "http://www.powerball.com/", "http://www.texaslottery.com/", "http://www.flalottery.com/"
TYPED = "http://typed.example/page"
WORKING = "Working..."
BUTTONS = ["Back", "Forward", "Stop", "Refresh", "Home", "Search"]
# The picture links from left to right, each heard by its lottery; the last one is pressed, not clicked.
LINKS = [("Power Ball", PB), ("Florida Lottery", FL), ("California Lottery", CA), ("Louisiana Lottery", LA),
         ("New York Lottery", NY), ("Texas Lottery", TX)]
KEYS = {"Return": 0xFF0D, "KP_Enter": 0xFF8D, "a": 0x61, "Tab": 0xFF09, "space": 0x20}
SHIFT_MASK, CONTROL_MASK = 1 << 0, 1 << 2


class Web(http.server.ThreadingHTTPServer):
    """Every address is a page titled "Page <host><path>"; a held address is answered once released."""
    daemon_threads = True

    def __init__(self):
        self.requests, self.held, self.changed = [], set(), threading.Condition()
        super().__init__(("127.0.0.1", 0), Page)

    def hold(self, *addresses):
        with self.changed:
            self.held = set(addresses)

    def release(self):
        with self.changed:
            self.held = set()
            self.changed.notify_all()

    def since(self, count):
        with self.changed:
            return self.requests[count:]


class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        web = self.server
        with web.changed:  # through a proxy the request line holds the whole address
            web.requests.append(self.path)
            web.changed.wait_for(lambda: self.path not in web.held)
        url = urllib.parse.urlsplit(self.path)
        # The empty icon spares a request for /favicon.ico after each page.
        body = f"<link rel=icon href=data:,><title>Page {url.netloc}{url.path}</title>".encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Cache-Control", "no-store")  # Back, Forward and Refresh ask again
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *_):
        pass


def title(address):
    url = urllib.parse.urlsplit(address)
    return f"Page {url.netloc}{url.path}"


def alive(pid):
    """Whether the process runs: not gone, and no zombie waiting for a parent that left."""
    try:
        stat = pathlib.Path(f"/proc/{pid}/stat").read_text()
    except OSError:
        return False
    return stat[stat.rindex(")") + 2] != "Z"


def browser_of(program):
    """The browser's application on the bus: the program's child process, running the browser program."""
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            pid = app.get_process_id() if app is not None else 0
            if pid and pid != program.pid and alive(pid):
                stat = pathlib.Path(f"/proc/{pid}/stat").read_text()
                if int(stat[stat.rindex(")") + 2:].split()[1]) == program.pid and windows(app, lambda _: True):
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
    return wait_for("the browser's window in a process of the program's", probe)


def in_order(root, role, showing=False):
    """root's (showing) descendants of this role, in the order of their places in the tree."""
    return list(reversed(find_all(root, role, showing=showing)))


LAST_CLICK = [0.0]


def paced():
    """Waits out Qt's double-click interval (400 ms) since the last click: a user's two clicks on one place, one
    a step after the other, are two clicks; a double click would not pick a list entry."""
    time.sleep(max(0.0, LAST_CLICK[0] + 0.5 - time.monotonic()))
    LAST_CLICK[0] = time.monotonic()


def click(acc, x=None):
    """A left click through the X server, in the middle of acc or at x pixels from its left."""
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    expect(box.width > 0 and box.height > 0, f"{acc.name!r} is not on screen")
    paced()
    pyatspi.Registry.generateMouseEvent(box.x + (box.width // 2 if x is None else x), box.y + box.height // 2,
                                        pyatspi.MOUSE_B1C)


def key(name, modifiers=0):
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_SYM)
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


def has_focus(acc, seconds=2.0):
    """Whether acc has the keyboard within a moment: each key takes a round through the X server and the bus."""
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        if acc.getState().contains(pyatspi.STATE_FOCUSED) or time.monotonic() > deadline:
            return acc.getState().contains(pyatspi.STATE_FOCUSED)
        time.sleep(0.05)


class Browser:
    """The browser's window, and the captions seen on it (the window tells no changes of its caption)."""
    def __init__(self, app):
        self.app, self.captions = app, []
        self.frame = wait_for("the browser's window", lambda: next(iter(windows(app, lambda _: True)), None))

    def caption(self):
        name = self.frame.name
        if name not in self.captions[-1:]:
            self.captions.append(name)
        return name

    def combo(self):
        return find_all(self.frame, COMBO)[0]

    def edit(self):
        return wait_for("the address box's text", lambda: find_all(self.combo(), TEXT))[0]

    def entries(self):
        return [e.name for e in in_order(self.combo(), pyatspi.ROLE_LIST_ITEM)]

    def do(self, step):
        """'type <address>' clicks into the address box, types over its text and presses Return; 'keypad
        <address>' the same with the keypad's Enter; 'pick <address>' picks that list entry; a tool bar
        button's name clicks it; 'click <picture>' clicks a picture link, 'press <picture>' presses it; 'keys
        <button or picture>' goes back to it from the address box with Shift+Tab and presses Space."""
        verb, _, what = step.partition(" ")
        if verb in ("type", "keypad", "keys"):
            edit = self.edit()
            click(edit, edit.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).height)
            wait_for("the keyboard in the address box", lambda: edit.getState().contains(pyatspi.STATE_FOCUSED))
        if verb == "keys":
            target = wait_for(what, lambda: find_one(self.frame, pyatspi.ROLE_IMAGE, what)
                              or find_one(self.frame, PUSH, what))
            for _ in range(len(BUTTONS) + len(LINKS)):
                key("Tab", SHIFT_MASK)
                if has_focus(target):
                    break
            expect(has_focus(target), f"{what!r} cannot be reached with Shift+Tab from the address box")
            key("space")
        elif verb in ("type", "keypad"):
            key("a", CONTROL_MASK)
            pyatspi.Registry.generateKeyboardEvent(0, what, pyatspi.KEY_STRING)
            wait_for(f"{what!r} typed", lambda: text_of(edit) == what)
            key("Return" if verb == "type" else "KP_Enter")
        elif verb == "pick":
            paced()
            choose_from_combo(self.combo(), what)
        elif verb == "press":
            press(wait_for(what, lambda: find_one(self.frame, pyatspi.ROLE_IMAGE, what)))
        elif verb == "click":
            click(wait_for(what, lambda: find_one(self.frame, pyatspi.ROLE_IMAGE, what)))
        else:
            click(wait_for(verb, lambda: find_one(self.frame, PUSH, verb)))


# Each row: steps, each with the page it shows; the last step's page is held until its "Working..." (or, after a
# picture link, its absence) is seen.
ROWS = [
    ("Return opens the typed address", [("type " + TYPED, TYPED)]),
    ("keypad Enter on a listed address", [("keypad " + CA, CA)]),
    # Regression: this left "Working..." up for good, as no load ever started.
    ("picking the page shown loads it again", [("pick " + NY, NY), ("pick " + NY, NY)]),
    ("Back then Forward", [("type " + NY, NY), ("type " + TX, TX), ("Back", NY), ("Forward", TX)]),
    ("Refresh loads again", [("type " + LA, LA), ("Refresh", LA)]),
    ("Home is the maker's page", [("type " + NY, NY), ("Home", HOME)]),
    ("Search is the portal", [("type " + NY, NY), ("Search", SEARCH)]),
    ("Home from the keyboard", [("type " + NY, NY), ("keys Home", HOME)]),
    ("a picture from the keyboard", [("keys Florida Lottery", FL)]),
] + [(f"the picture {link} opens {site}", [("click " + link, site)]) for link, site in LINKS[:-1]] + [
    (f"the picture {LINKS[-1][0]}, pressed as an assistive tool does, opens {TX}", [("press " + LINKS[-1][0], TX)])]


def until(what, probe, state):
    """wait_for(what, probe), telling state() as it is when the time is up."""
    try:
        return wait_for(what, probe)
    except StepFailed as error:
        raise StepFailed(f"{error}; {state()}") from None


def shows(browser, web, step, page, count):
    """Waits for the step's page, asked for once since request number count."""
    until(f"{step!r} to show {title(page)!r}", lambda: browser.caption() == title(page) and web.since(count) == [page],
          lambda: f"requests {web.since(count)}, caption {browser.caption()!r}")


def scenario(program, web):
    main = application(program)
    frame = wait_for("the main window", lambda: next(iter(windows(main, lambda name: name == "Drawsmith")), None))
    web.hold(HOME)
    press(find_one(frame, PUSH, "Visit The Web Site"))
    prompt = wait_for("the on-line prompt", lambda: next(iter(windows(main, lambda n: n == "Are You On-line?")), None))
    press(find_one(prompt, PUSH, "Yes"))
    app = browser_of(program)
    pid = app.get_process_id()
    executable = os.path.basename(os.readlink(f"/proc/{pid}/exe"))
    expect(executable == "drawsmith-browser", f"the browser's window is shown by {executable}")
    browser = Browser(app)
    expect(browser.frame.getRole() == pyatspi.ROLE_FRAME, f"the browser's window is a {browser.frame.getRoleName()}")
    yield f"the browser opens in a process of its own ({pid}, the program's {program.pid}), as a frame"

    until(f"the maker's page asked for while the caption is {WORKING!r}",
          lambda: web.since(0) == [HOME] and browser.caption() == WORKING,
          lambda: f"requests {web.since(0)}, caption {browser.caption()!r}")
    web.release()
    shows(browser, web, "the start", HOME, 0)
    # Each control by a person's name, never its object name; the address box, whose name is its text, by its label.
    heard = sorted({(a.name or "").strip() for role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE, PUSH,
                                                        pyatspi.ROLE_TOOL_BAR, pyatspi.ROLE_PANEL, pyatspi.ROLE_FILLER)
                    for a in find_all(browser.frame, role)} - {""})
    expect(heard == sorted(["Address:"] + [link for link, _ in LINKS] + BUTTONS),
           f"the browser's controls are heard as {heard}")
    expect(labels_of(browser.combo()) == ["Address:"], "the address box is not labelled")
    expect(text_of(browser.edit()) == HOME, f"the address box holds {text_of(browser.edit())!r}")
    entries = browser.entries()
    expect(entries == [HOME, CA, LA, NY, PB, TX, FL], f"the address list holds {entries}")
    bar = find_all(browser.frame, pyatspi.ROLE_TOOL_BAR)[0]
    buttons = [(b.name, b.description) for b in in_order(bar, PUSH, showing=True)]
    expect(buttons == [(n, n) for n in BUTTONS], f"the tool bar's buttons and tips are {buttons}")
    yield "it shows \"Working...\" while the maker's page loads, then its name; the address box, list and tool bar"

    for name, steps in ROWS:
        for step, page in steps[:-1]:
            count = len(web.since(0))
            browser.do(step)
            shows(browser, web, step, page, count)
        (step, page), count = steps[-1], len(web.since(0))
        browser.captions.clear()
        web.hold(page)
        browser.do(step)
        until(f"{step!r} to ask for {page}", lambda: browser.caption() and web.since(count) == [page],
              lambda: f"requests {web.since(count)}")
        # A picture link opens its page without "Working...", even while it loads.
        if step.startswith(("click", "press")) or step.partition(" ")[2] in dict(LINKS):
            expect(WORKING not in browser.captions, f"{step!r} showed the captions {browser.captions}")
        else:
            until(f"{WORKING!r} while {page} loads", lambda: browser.caption() == WORKING,
                  lambda: f"captions {browser.captions}")
        web.release()
        shows(browser, web, step, page, count)
        entries = browser.entries()
        expect(len(entries) == 7, f"after {step!r} the address list holds {entries}")
        yield name

    press(find_one(frame, PUSH, "Exit"), ends_program=True)
    wait_for("the program to end after Exit", lambda: program.poll() is not None)
    wait_for("the browser to end with the program", lambda: not alive(pid))
    yield "Exit of the main window ends the browser's process"


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # a ctest timeout still kills the program
    web = Web()
    threading.Thread(target=web.serve_forever, daemon=True).start()
    with tempfile.TemporaryDirectory(prefix="drawsmith-e2e-browser-") as root:
        root = pathlib.Path(root)
        (root / "work").mkdir()
        (root / "runtime").mkdir(0o700)
        (root / "work" / "games.dat").write_bytes(DEFAULT_CATALOGUE)
        # The browser inherits this: its web engine reaches every site through the server.
        flags = f"{os.environ.get('QTWEBENGINE_CHROMIUM_FLAGS', '--disable-gpu')} " \
                f"--proxy-server=http://127.0.0.1:{web.server_address[1]}"
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANGUAGE="en",
                   QTWEBENGINE_CHROMIUM_FLAGS=flags.strip(), XDG_CONFIG_HOME=str(root / "config"),
                   XDG_DATA_HOME=str(root / "data"), XDG_CACHE_HOME=str(root / "cache"),
                   XDG_RUNTIME_DIR=str(root / "runtime"))

        def steps():
            with running(os.path.abspath(sys.argv[1]), root / "work", env, root / "program.log") as program:
                yield from scenario(program, web)

        try:
            return report(steps(), root / "program.log")
        finally:
            web.release()
            web.shutdown()


if __name__ == "__main__":
    sys.exit(main())

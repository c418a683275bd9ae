#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks Drawsmith with real keys while Orca listens, and prints what Orca said after each key: a game is
chosen, runs are started and ended (by themselves and by Stop), the picks are heard again, a game is added in
the editor and the About box is opened. For each run it prints how long after the run's end Orca answered
the next key. Slow (a minute or two); run by hand:
    ../shared/tools/orca/orca-session /usr/bin/python3 scripts/orca_walk.py build/default/drawsmith
With the window whose runs all draw 3000 sets (Power Ball already chosen), only the runs are walked:
    ../shared/tools/orca/orca-session /usr/bin/python3 scripts/orca_walk.py \
        build/default/tests/e2e/drawsmith_e2e_longrun --longest"""

import os
import pathlib
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "e2e"))
import run_scenario as e2e  # noqa: E402
import pyatspi  # noqa: E402

LOG = pathlib.Path(os.environ["ORCA_SPEECH_LOG"])


def heard_since(offset):
    """The utterances written after offset, as (unix time, kind, text), and the new offset."""
    data = LOG.read_bytes()
    lines = data[offset:].decode(errors="replace").splitlines()
    return [tuple(line.split("\t", 2)) for line in lines if line.count("\t") >= 2], len(data)


def key(name, settle=1.5):
    """Sends a key to the focused window and returns what Orca said within settle seconds after it."""
    offset = LOG.stat().st_size
    sent = time.time()
    subprocess.run(["xdotool", "key", name], check=True)
    time.sleep(settle)
    said, _ = heard_since(offset)
    print(f"[{name}] " + " | ".join(text for _, _, text in said), flush=True)
    return sent, said


def activate(title):
    window = subprocess.run(["xdotool", "search", "--sync", "--name", f"^{title}$"], capture_output=True,
                            text=True, check=True, timeout=30).stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False)
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)
    time.sleep(1.5)


def run_and_listen(frame, stop_after=None):
    """Starts a run with Space on the focused Start (Space again on Stop after stop_after seconds), waits
    for its end, presses Tab and prints how long Orca took to answer it and what it said meanwhile."""
    offset = LOG.stat().st_size
    started = time.time()
    subprocess.run(["xdotool", "key", "space"], check=True)
    e2e.TIMEOUT, timeout = 5, e2e.TIMEOUT
    try:  # a short run may end before it is seen
        e2e.wait_for("the run's Stop", lambda: e2e.find_one(frame, e2e.PUSH, "Stop"))
    except e2e.StepFailed:
        pass
    e2e.TIMEOUT = timeout
    if stop_after is not None:
        time.sleep(stop_after)
        subprocess.run(["xdotool", "key", "space"], check=True)  # Stop has the focus during a run
    e2e.wait_for("the end of the run", lambda: e2e.find_one(frame, e2e.PUSH, "Start"))
    ended = time.time()
    time.sleep(0.3)
    sent = time.time()
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    answer = None
    while time.time() - sent < 120:
        said, _ = heard_since(offset)
        # Orca echoes the key when it gets to it; a busy Orca may still be saying older things
        after = [float(t) for t, kind, text in said if float(t) >= sent and kind == "key" and text == "tab"]
        if after:
            answer = round(after[0] - ended, 2)
            break
        time.sleep(0.05)
    time.sleep(2)
    said, _ = heard_since(offset)
    print(f"run of {ended - started:.1f} s; Orca answered Tab {answer} s after the run's end", flush=True)
    for t, kind, text in said:
        print(f"    {float(t) - ended:+7.2f} {kind}: {text}")
    key("shift+Tab")  # back to Start
    return answer


def main():
    program = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="drawsmith-orca-") as root:
        root = pathlib.Path(root)
        (root / "work").mkdir()
        (root / "work" / "games.dat").write_bytes(e2e.DEFAULT_CATALOGUE)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=str(root / "config"))
        with e2e.running(program, root / "work", env, root / "program.log") as process:
            app = e2e.application(process)
            frame = e2e.window(app, "Drawsmith")
            activate("Drawsmith")
            longest = "--longest" in sys.argv
            for _ in range(0 if longest else 3):
                key("Down")  # Power Ball, the fourth game
            key("Tab")
            key("Tab")
            key("shift+Tab")
            answers = [run_and_listen(frame) for _ in range(2)]
            answers.append(run_and_listen(frame, stop_after=0.5))
            key("shift+Tab")  # back to the game list
            key("Tab")
            key("Tab")
            print("answer times after a run (s):", answers, flush=True)
            if longest:
                return 0

            key("shift+Tab")
            key("shift+Tab")  # the game list
            key("Down")
            key("Down")
            key("Down", settle=0.5)  # Edit or Add Lottery Game opens the editor
            activate("Add a Game to the Drawsmith")
            for name in ("Tab", "Up", "Up", "Down", "Tab", "Tab", "Up", "Tab", "Down", "Tab", "Tab"):
                key(name)
            key("ctrl+a", settle=0.3)
            subprocess.run(["xdotool", "type", "--delay", "50", "Mini Lotto"], check=True)
            key("Tab")  # Cancel
            key("Tab")
            key("Tab")  # Add and Save New Game
            key("space", settle=2)
            activate("Drawsmith")
            key("alt+h", settle=0.8)
            key("a", settle=0.5)
            activate("About Drawsmith")
            key("Tab")
    return 0


if __name__ == "__main__":
    sys.exit(main())

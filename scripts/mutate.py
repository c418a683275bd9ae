#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fault injection for Drawsmith's tests.

Applies one textual fault at a time from the lists in scripts/mutations/ (one
file per area of the code), rebuilds incrementally, runs the test suite and reports whether the
suite caught the fault. The source is restored after every fault, also when
the run is interrupted. Slow: a developer's tool, not part of CI.

    python3 scripts/mutate.py                 # every fault
    python3 scripts/mutate.py --only 3 7      # faults 3 and 7 (as numbered by --list)
    python3 scripts/mutate.py --grep editor   # faults whose file or behaviour matches
    python3 scripts/mutate.py --list          # numbered list, nothing run
    python3 scripts/mutate.py --which         # the whole suite each time: every test that catches
                                              # each fault, to find the tests no fault needs

List format: blocks separated by blank lines, each with the keys
    file:     path from the repository root
    find:     exact text that must occur exactly once in that file
    replace:  the text put in its place
    breaks:   the behaviour the fault breaks (shown in the report)
Lines starting with '#' are comments. '\\n' in find/replace stands for a line break.
"""

import argparse
import os
import pathlib
import re
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent


class Fault:
    def __init__(self, number, fields, where):
        self.number = number
        self.where = where
        missing = [k for k in ("file", "find", "replace", "breaks") if k not in fields]
        if missing:
            raise SystemExit(f"{where}: missing {', '.join(missing)}")
        self.file = fields["file"]
        self.find = fields["find"].replace("\\n", "\n")
        self.replace = fields["replace"].replace("\\n", "\n")
        self.breaks = fields["breaks"]

    def label(self):
        return f"#{self.number} {self.file}: {self.breaks}"


def read_faults(path):
    faults, fields, start = [], {}, None
    lines = path.read_text(encoding="utf-8").splitlines() + [""]
    for lineno, line in enumerate(lines, 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            if fields:
                faults.append(Fault(len(faults) + 1, fields, f"{path.name}:{start}"))
                fields = {}
            continue
        key, sep, value = line.partition(":")
        if not sep or key.strip() not in ("file", "find", "replace", "breaks"):
            raise SystemExit(f"{path.name}:{lineno}: expected 'file:', 'find:', 'replace:' or 'breaks:'")
        if not fields:
            start = lineno
        # One blank after the colon belongs to the syntax; the rest is the text.
        fields[key.strip()] = value[1:] if value.startswith(" ") else value
    return faults


def check(faults):
    problems = []
    for f in faults:
        target = ROOT / f.file
        if not target.is_file():
            problems.append(f"{f.label()}: no such file")
            continue
        count = target.read_text(encoding="utf-8").count(f.find)
        if count != 1:
            problems.append(f"{f.label()}: 'find' occurs {count} times, expected once")
        if f.find == f.replace:
            problems.append(f"{f.label()}: 'replace' equals 'find'")
    return problems


def run(cmd, timeout, log):
    try:
        proc = subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              timeout=timeout, text=True, errors="replace")
        log.write(proc.stdout)
        return proc.returncode
    except subprocess.TimeoutExpired as e:
        log.write((e.stdout or b"").decode(errors="replace") if isinstance(e.stdout, bytes) else (e.stdout or ""))
        return "timeout"


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--faults", nargs="*", default=[str(ROOT / "scripts" / "mutations")],
                    help="fault lists, or folders of them (*.txt)")
    ap.add_argument("--build-dir", default=str(ROOT / "build" / "default"))
    ap.add_argument("--only", type=int, nargs="*", help="fault numbers to run")
    ap.add_argument("--grep", help="run only faults whose file or behaviour matches this regular expression")
    ap.add_argument("--list", action="store_true", help="list the faults and check they apply; run nothing")
    ap.add_argument("--test-timeout", type=int, default=900, help="seconds for one run of the suite")
    ap.add_argument("--log", default=str(ROOT / "build" / "mutate.log"))
    ap.add_argument("--which", action="store_true",
                    help="run the whole suite for each fault and name the tests (and rows) that catch it")
    args = ap.parse_args()

    faults = []
    for given in map(pathlib.Path, args.faults):
        for path in sorted(given.glob("*.txt")) if given.is_dir() else [given]:
            for f in read_faults(path):
                f.number = len(faults) + 1
                faults.append(f)
    problems = check(faults)
    if args.list:
        for f in faults:
            print(f.label())
        print(f"{len(faults)} faults")
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 2
    if args.list:
        return 0

    chosen = faults
    if args.only:
        chosen = [f for f in faults if f.number in set(args.only)]
    if args.grep:
        rx = re.compile(args.grep)
        chosen = [f for f in chosen if rx.search(f.file) or rx.search(f.breaks)]

    build = ["cmake", "--build", args.build_dir]
    # The whole suite, as the README's test command runs it; the first failure decides.
    tests = ["ctest", "--test-dir", args.build_dir, "--output-on-failure"]
    if not args.which:
        tests.insert(3, "--stop-on-failure")

    log_path = pathlib.Path(args.log)
    log_path.parent.mkdir(parents=True, exist_ok=True)
    results = {"caught": [], "survived": [], "no build": []}
    original = {}

    def restore():
        for path, text in original.items():
            path.write_text(text, encoding="utf-8")
        original.clear()

    def interrupted(signum, frame):
        restore()
        raise SystemExit(130)

    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)

    with log_path.open("w", encoding="utf-8") as log:
        log.write("baseline build\n")
        if run(build, 3600, log) != 0:
            print(f"The unchanged tree does not build; see {log_path}", file=sys.stderr)
            return 2
        for f in chosen:
            target = ROOT / f.file
            text = target.read_text(encoding="utf-8")
            original[target] = text
            started = time.monotonic()
            try:
                target.write_text(text.replace(f.find, f.replace, 1), encoding="utf-8")
                log.write(f"\n==== {f.label()}\n")
                if run(build, 3600, log) != 0:
                    verdict = "no build"
                else:
                    at = log.tell()
                    rc = run(tests, args.test_timeout, log)
                    verdict = "survived" if rc == 0 else "caught"
            finally:
                restore()
                # A fresh timestamp makes the next build recompile the restored file.
                os.utime(target)
            results[verdict].append(f)
            print(f"{verdict:9} {time.monotonic() - started:6.0f} s  {f.label()}", flush=True)
            if args.which and verdict == "caught":
                log.flush()
                with log_path.open(encoding="utf-8") as written:
                    written.seek(at)
                    output = written.read()
                caught_by = sorted(set(re.findall(r"FAIL!  : (\S+?(?:\(.*?\))?) ", output)) |
                                   set(re.findall(r"\d+ - (\S+) \((?:Failed|Timeout)", output)))
                print("          caught by: " + "; ".join(caught_by), flush=True)
        log.write("\nrestoring build\n")
        run(build, 3600, log)

    counted = len(results["caught"]) + len(results["survived"])
    print()
    for f in results["survived"]:
        print(f"SURVIVED  {f.label()}")
    for f in results["no build"]:
        print(f"NO BUILD  {f.label()}  (fix the fault's text)")
    rate = 100.0 * len(results["caught"]) / counted if counted else 0.0
    print(f"{len(results['caught'])} caught, {len(results['survived'])} survived, "
          f"{len(results['no build'])} did not build; caught {rate:.1f}%")
    return 0 if not results["survived"] and not results["no build"] else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""usage: check_translations.py LUPDATE SOURCE_DIR. Every message of every language translated, the .ts
files up to date, placeholders, line breaks and access keys kept, access keys kept apart."""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def access_key(text):
    keys = re.findall(r"&(?!&)(.)", text.replace("&&", ""))
    return keys[0].lower() if len(keys) == 1 else None


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = (translation.text or "", translation.get("type"))
    return found


def problems_of(language, current, committed):
    problems = []
    if set(current) != set(committed):
        changed = sorted(set(current) ^ set(committed))
        problems.append(f"out of date with the sources (run the update_translations target): {changed[:5]}")
    by_context = {}
    for (context, source), (translation, kind) in current.items():
        where = f"{language} {context}: {source!r}"
        if kind or not translation.strip():
            problems.append(f"{where} is {kind or 'empty'}")
            continue
        if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
            problems.append(f"{where}: placeholders differ in {translation!r}")
        if source.count("\n") != translation.count("\n"):
            problems.append(f"{where}: line breaks differ in {translation!r}")
        if (access_key(source) is None) != (access_key(translation) is None):
            problems.append(f"{where}: access key lost or added in {translation!r}")
        by_context.setdefault(context, []).append((source, translation))
    for context, pairs in by_context.items():
        keyed = [(s, t) for s, t in pairs if access_key(s) and access_key(t)]
        for i, (s1, t1) in enumerate(keyed):
            for s2, t2 in keyed[i + 1:]:
                if access_key(s1) != access_key(s2) and access_key(t1) == access_key(t2):
                    problems.append(f"{language} {context}: {t1!r} and {t2!r} share an access key")
    return problems


def main():
    lupdate, source_dir = sys.argv[1], Path(sys.argv[2])
    committed = sorted((source_dir / "translations").glob("drawsmith_*.ts"))
    if not {"de", "es"} <= {path.stem.split("_", 1)[1] for path in committed}:
        return print(f"missing translations: found {committed}") or 1
    problems = []
    with tempfile.TemporaryDirectory() as temp:
        fresh = [Path(temp) / path.name for path in committed]
        for path, copy in zip(committed, fresh):
            shutil.copy(path, copy)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        str(source_dir / "src" / "ui"), str(source_dir / "src" / "app"),
                        "-ts", *map(str, fresh)], check=True)
        for path, copy in zip(committed, fresh):
            language = path.stem.split("_", 1)[1]
            problems += problems_of(language, messages(copy), messages(path))
    for problem in problems:
        print(problem)
    print(f"{len(committed)} languages checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

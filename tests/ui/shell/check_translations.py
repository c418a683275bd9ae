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
    return {(context.findtext("name"), message.findtext("source")): message.find("translation")
            for context in ET.parse(path).getroot().iter("context") for message in context.iter("message")}


def problems_of(language, current, committed):
    changed = sorted(set(current) ^ set(committed))[:5]
    problems = [f"out of date with the sources (run the update_translations target): {changed}"] if changed else []
    keys = {}
    for (context, source), element in current.items():
        translation, where = element.text or "", f"{language} {context}: {source!r}"
        if element.get("type") or not translation.strip():
            problems.append(f"{where} is {element.get('type') or 'empty'}")
            continue
        for what, of in (("placeholders", lambda t: sorted(re.findall(r"%\d", t))),
                         ("line breaks", lambda t: t.count("\n")), ("access keys", lambda t: access_key(t) is None)):
            if of(source) != of(translation):
                problems.append(f"{where}: {what} differ in {translation!r}")
        if access_key(source) and access_key(translation):
            keys.setdefault((context, access_key(translation)), set()).add(access_key(source))
    return problems + [f"{language} {context}: two access keys became {key!r}"
                       for (context, key), sources in keys.items() if len(sources) > 1]


def main():
    lupdate, source_dir = sys.argv[1], Path(sys.argv[2])
    committed = sorted((source_dir / "translations").glob("drawsmith_*.ts"))
    if not {"de", "es"} <= {path.stem.split("_", 1)[1] for path in committed}:
        return print(f"missing translations: found {committed}") or 1
    problems = []
    with tempfile.TemporaryDirectory() as temp:
        fresh = [Path(shutil.copy(path, temp)) for path in committed]
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", str(source_dir / "src" / "ui"),
                        str(source_dir / "src" / "app"), str(source_dir / "src" / "cli"), "-ts", *map(str, fresh)], check=True)
        for path, copy in zip(committed, fresh):
            problems += problems_of(path.stem.split("_", 1)[1], messages(copy), messages(path))
    print("\n".join(problems + [f"{len(committed)} languages checked, {len(problems)} problems"]))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

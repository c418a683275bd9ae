#!/usr/bin/python3
"""Installs the build tree into a scratch root and checks what a desktop needs from it:
a valid menu entry and AppStream data, the icons, the browser plugin where the program
looks for it, and the menu launcher's choice of working folder.

usage: check_install.py <cmake> <build dir>
"""

import configparser
import os
import shutil
import struct
import subprocess
import sys
import tempfile

PREFIX = "usr"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print(f"# {message}", flush=True)
    return condition


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", header[16:24])


def validator(tool, *args):
    path = shutil.which(tool)
    if path is None:
        print(f"# {tool} missing: not validated")
        return None
    return subprocess.run([path, *args], capture_output=True, text=True)


def check_desktop_files(root):
    share = os.path.join(root, PREFIX, "share")
    desktop = os.path.join(share, "applications", "drawsmith.desktop")
    if not check(os.path.isfile(desktop), "no menu entry installed"):
        return
    result = validator("desktop-file-validate", desktop)
    if result is not None:
        check(result.returncode == 0 and not result.stdout.strip(),
              f"desktop-file-validate: {result.stdout}{result.stderr}")
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(desktop)
    fields = entry["Desktop Entry"]
    check(fields.get("Name") == "Drawsmith", "the menu entry is not named Drawsmith")
    check("Game" in fields.get("Categories", "").split(";"), "the menu entry is not in the Game category")
    for key in ("Exec", "TryExec"):
        program = fields.get(key, "").split()[0] if fields.get(key) else ""
        check(os.access(os.path.join(root, PREFIX, "bin", program), os.X_OK),
              f"{key}={program} is not an installed program")

    icon = fields.get("Icon")
    hicolor = os.path.join(share, "icons", "hicolor")
    check(os.path.isfile(os.path.join(hicolor, "scalable", "apps", f"{icon}.svg")), f"no scalable icon {icon}")
    for size in ICON_SIZES:
        png = os.path.join(hicolor, f"{size}x{size}", "apps", f"{icon}.png")
        check(os.path.isfile(png) and png_size(png) == (size, size), f"no {size}x{size} PNG icon {icon}")

    metainfo = [f for f in os.listdir(os.path.join(share, "metainfo")) if f.endswith(".metainfo.xml")]
    if check(len(metainfo) == 1, f"expected one AppStream file, found {metainfo}"):
        path = os.path.join(share, "metainfo", metainfo[0])
        result = validator("appstreamcli", "validate", "--no-net", "--explain", path)
        if result is not None:
            check(result.returncode == 0, f"appstreamcli validate: {result.stdout}{result.stderr}")
        with open(path, encoding="utf-8") as f:
            check('<launchable type="desktop-id">drawsmith.desktop</launchable>' in f.read(),
                  "the AppStream data does not launch drawsmith.desktop")


def check_plugin(root, build_dir):
    # The program finds the browser plugin relative to its own folder.
    with open(os.path.join(build_dir, "CMakeCache.txt")) as f:
        libdir = next(line.split("=", 1)[1].strip() for line in f if line.startswith("CMAKE_INSTALL_LIBDIR:"))
    plugin = os.path.normpath(os.path.join(root, PREFIX, "bin", "..", libdir, "drawsmith", "drawsmith_browser.so"))
    check(os.path.isfile(plugin), f"the browser plugin is not at {plugin}")


STUB = """#!/bin/sh
{ pwd; echo "$@"; } > "$STUB_RECORD"
"""

# name, XDG_DATA_HOME (None: unset; a relative one must be ignored), how to start, folder expected
LAUNCHES = [
    ("data home set", "{scratch}/data", "direct", "{scratch}/data/Drawsmith"),
    ("data home unset", None, "direct", "{scratch}/home/.local/share/Drawsmith"),
    ("relative data home ignored", "relative/data", "direct", "{scratch}/home/.local/share/Drawsmith"),
    ("started through a link", "{scratch}/data", "link", "{scratch}/data/Drawsmith"),
]


def check_launcher(root):
    bindir = os.path.join(root, PREFIX, "bin")
    launcher = os.path.join(bindir, "drawsmith-launcher")
    # A stand-in program that records where and how it was started.
    with open(os.path.join(bindir, "drawsmith"), "w") as f:
        f.write(STUB)
    cursor = os.path.join(root, PREFIX, "share", "drawsmith", "finger.cur")
    has_cursor = os.path.isfile(cursor)

    for name, data_home, how, expected in LAUNCHES:
        scratch = tempfile.mkdtemp(prefix="launch-")
        try:
            record = os.path.join(scratch, "record")
            env = {"PATH": os.environ["PATH"], "HOME": os.path.join(scratch, "home"), "STUB_RECORD": record}
            if data_home is not None:
                env["XDG_DATA_HOME"] = data_home.format(scratch=scratch)
            start = launcher
            if how == "link":
                start = os.path.join(scratch, "menu-link")
                os.symlink(launcher, start)
            result = subprocess.run(["sh", start], cwd=scratch, env=env, capture_output=True, text=True)
            if not check(result.returncode == 0, f"{name}: launcher failed: {result.stderr}"):
                continue
            with open(record) as f:
                workdir = f.readline().strip()
            check(workdir == expected.format(scratch=scratch), f"{name}: program started in {workdir}")
            if has_cursor:
                check(os.path.isfile(os.path.join(workdir, "finger.cur")), f"{name}: finger.cur not copied")
        finally:
            shutil.rmtree(scratch)

    # The user's own pointer picture is kept.
    scratch = tempfile.mkdtemp(prefix="launch-")
    try:
        folder = os.path.join(scratch, "data", "Drawsmith")
        os.makedirs(folder)
        with open(os.path.join(folder, "finger.cur"), "wb") as f:
            f.write(b"mine")
        env = {"PATH": os.environ["PATH"], "HOME": scratch, "XDG_DATA_HOME": os.path.join(scratch, "data"),
               "STUB_RECORD": os.path.join(scratch, "record")}
        subprocess.run(["sh", launcher], env=env, check=True)
        with open(os.path.join(folder, "finger.cur"), "rb") as f:
            check(f.read() == b"mine", "the launcher overwrote the user's finger.cur")

        # A data folder that cannot be made: fail, never start the program elsewhere.
        blocker = os.path.join(scratch, "file")
        open(blocker, "w").close()
        env["XDG_DATA_HOME"] = blocker
        os.remove(env["STUB_RECORD"])
        result = subprocess.run(["sh", launcher], env=env, capture_output=True, text=True)
        check(result.returncode != 0 and "cannot write" in result.stderr,
              "the launcher did not report a data folder it cannot make")
        check(not os.path.exists(env["STUB_RECORD"]), "the launcher started the program without its data folder")
    finally:
        shutil.rmtree(scratch)


def main():
    cmake, build_dir = sys.argv[1], os.path.abspath(sys.argv[2])
    root = tempfile.mkdtemp(prefix="drawsmith-install-")
    try:
        env = dict(os.environ, DESTDIR=root)
        subprocess.run([cmake, "--install", build_dir, "--prefix", "/" + PREFIX], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        groups = [("menu entry, AppStream data and icons", lambda: check_desktop_files(root)),
                  ("browser plugin where the program looks for it", lambda: check_plugin(root, build_dir)),
                  ("menu launcher runs the program in the per-user data folder", lambda: check_launcher(root))]
        failed = 0
        for name, group in groups:
            before = len(failures)
            group()
            failed += len(failures) > before
            print(f"{'not ok' if len(failures) > before else 'ok'} - {name}", flush=True)
    finally:
        shutil.rmtree(root)
    print(f"{len(groups) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows build plays the same game as the Linux build, under Wine.

    tests/windows/wine_test.py LINUX_TALONIX TALONIX_EXE [--window]

1. Headless: each script in tests/windows/scripts/ (one per family of
   variants, with dialogs and message boxes) runs in both builds; standard
   output must be the same bytes and every `shot` the same PNG file.
2. Settings: a file the Windows build wrote is read by the Linux build with
   the same values, and the other way round; with no --registry the Windows
   build keeps its settings in %APPDATA%\\talonix\\settings.reg.
3. With --window, under Xvfb: the Wine window shows the table as the Linux
   build pictures it at the same scale, a click on the first hand card
   selects it, and the close box ends the program with status 0
   (tests/windows/window_check.py).

Wine runs in a private prefix (WINEPREFIX, build/wine by default).
"""

import filecmp
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPTS = os.path.join(HERE, "scripts")
CLOCK = "10:20:30.400"


def wine_environment():
    env = dict(os.environ)
    env.setdefault("WINEPREFIX", os.path.abspath("build/wine"))
    env["WINEDEBUG"] = "-all"
    # No Mono or Gecko: nothing is downloaded, and the program needs neither.
    env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
    env.pop("DISPLAY", None)
    return env


def wine_command():
    """Debian's loader: wine32 is not installed, so the 64-bit one directly."""
    for candidate in ("/usr/lib/wine/wine64", shutil.which("wine64"), shutil.which("wine")):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    sys.exit("wine_test: no wine64 loader (apt-get install wine wine64)")


def start_wine(env):
    """Makes the prefix on the first run (wineboot) and says how long it took."""
    started = time.monotonic()
    if os.path.exists(os.path.join(env["WINEPREFIX"], "system.reg")):
        return 0.0
    subprocess.run([wine_command(), "wineboot", "--init"], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    server = "/usr/lib/wine/wineserver64"
    subprocess.run([server if os.access(server, os.X_OK) else "wineserver", "-w"], env=env,
                   check=False, timeout=120)
    return time.monotonic() - started


def run(command, folder, script, env=None):
    """stdout bytes and exit status of a headless run in folder."""
    result = subprocess.run(command, cwd=folder, input=script, capture_output=True, env=env,
                            timeout=300)
    return result.stdout, result.returncode, result.stderr


class Builds:
    def __init__(self, linux, exe, work):
        self.linux = os.path.abspath(linux)
        self.exe = os.path.abspath(exe)
        self.work = work
        self.env = wine_environment()
        self.clock = CLOCK

    def wine(self, *arguments):
        return [wine_command(), *arguments]

    def command(self, build, *arguments):
        if build == "linux":
            return [self.linux, *arguments]
        return [wine_command(), self.exe, *arguments]

    def headless(self, build, folder, script, *arguments):
        os.makedirs(folder, exist_ok=True)
        return run(self.command(build, "--headless", "--clock", CLOCK, *arguments), folder,
                   script, self.env if build == "windows" else None)


def check_scripts(builds, failures):
    names = sorted(name for name in os.listdir(SCRIPTS) if name.endswith(".txt"))
    for name in names:
        with open(os.path.join(SCRIPTS, name), "rb") as source:
            script = source.read()
        outputs = {}
        for build in ("linux", "windows"):
            folder = os.path.join(builds.work, name[:-4], build)
            outputs[build] = builds.headless(build, folder, script, "--registry", "settings.reg")
        (linux_out, linux_status, _), (windows_out, windows_status, windows_err) = (
            outputs["linux"], outputs["windows"])
        lines = linux_out.count(b"\n")
        boxes = linux_out.count(b'"event":"messagebox"')
        dialogs = linux_out.count(b'"event":"dialog"')
        problems = []
        if linux_status != 0 or windows_status != 0:
            problems.append("exit status %d on Linux, %d on Windows (%s)" % (
                linux_status, windows_status, windows_err.decode(errors="replace").strip()))
        if linux_out != windows_out:
            problems.append("standard output differs")
        if boxes == 0 or dialogs == 0:
            problems.append("the script shows no message box or no dialog")
        shots = sorted(name for name in os.listdir(os.path.join(builds.work, name[:-4], "linux"))
                       if name.endswith(".png"))
        for shot in shots:
            pair = [os.path.join(builds.work, name[:-4], build, shot)
                    for build in ("linux", "windows")]
            if not os.path.exists(pair[1]) or not filecmp.cmp(*pair, shallow=False):
                problems.append("shot %s differs" % shot)
        if not shots:
            problems.append("the script takes no shot")
        report(failures, "%s: %d lines (%d message boxes, %d dialogs), %d shots identical" % (
            name, lines, boxes, dialogs, len(shots)), problems)


def state_of(builds, build, folder, registry):
    out, status, _ = builds.headless(build, folder, b"state\n", "--registry", registry)
    lines = out.decode().splitlines()
    if status != 0 or not lines:
        return None
    state = json.loads(lines[-1])
    return {key: state[key] for key in ("gameType", "cardBackIndex", "tableColourIndex",
                                        "doubleTapPlays", "showTalonCount",
                                        "computerHandStyle", "rulesLanguage")}


# Options changed through the dialog: the variant, the back, the colour and
# the three check boxes.
SETTINGS_SCRIPT = b"""command 40014
select 1015 3
select 1003 2
select 1006 1
check 1008 1
check 1011 1
check 1014 1
press 1
state
"""


def check_settings_exchange(builds, failures):
    folder = os.path.join(builds.work, "settings")
    written = {}
    for build in ("linux", "windows"):
        builds.headless(build, os.path.join(folder, build), SETTINGS_SCRIPT,
                        "--registry", "written.reg")
        written[build] = os.path.join(folder, build, "written.reg")
    for writer, reader in (("windows", "linux"), ("linux", "windows")):
        problems = []
        copy = os.path.join(folder, reader, "from-%s.reg" % writer)
        shutil.copyfile(written[writer], copy)
        theirs = state_of(builds, writer, os.path.join(folder, writer), "written.reg")
        ours = state_of(builds, reader, os.path.join(folder, reader), os.path.basename(copy))
        if theirs is None or theirs != ours:
            problems.append("%s reads %s, %s wrote %s" % (reader, ours, writer, theirs))
        if theirs and theirs["gameType"] != 3:
            problems.append("the options were not stored (%s)" % theirs)
        report(failures, "a settings file written on %s reads the same on %s" % (
            writer.capitalize(), reader.capitalize()), problems)
    same = filecmp.cmp(written["linux"], written["windows"], shallow=False)
    report(failures, "both builds write the same settings file byte for byte",
           [] if same else ["the files differ"])


def check_default_settings_place(builds, failures):
    prefix = builds.env["WINEPREFIX"]
    found = []
    for root, _, files in os.walk(os.path.join(prefix, "drive_c", "users")):
        if root.endswith(os.path.join("AppData", "Roaming", "talonix")):
            shutil.rmtree(root)
    builds.headless("windows", os.path.join(builds.work, "appdata"), SETTINGS_SCRIPT)
    for root, _, files in os.walk(os.path.join(prefix, "drive_c", "users")):
        if root.endswith(os.path.join("AppData", "Roaming", "talonix")) and \
                "settings.reg" in files:
            found.append(os.path.join(root, "settings.reg"))
    problems = [] if found else ["no AppData\\Roaming\\talonix\\settings.reg in the prefix"]
    report(failures, "without --registry the settings go to %APPDATA%\\talonix\\settings.reg",
           problems)


PASSED = []


def report(failures, what, problems):
    if problems:
        failures.append(what)
        print("FAIL: %s: %s" % (what, "; ".join(problems)), flush=True)
    else:
        PASSED.append(what)
        print("ok:   %s" % what, flush=True)


def main():
    arguments = [a for a in sys.argv[1:] if not a.startswith("--")]
    if len(arguments) != 2:
        sys.exit(__doc__)
    work = tempfile.mkdtemp(prefix="talonix-wine-")
    builds = Builds(arguments[0], arguments[1], work)
    failures = []
    try:
        print("wine prefix ready in %.1f s" % start_wine(builds.env))
        check_scripts(builds, failures)
        check_settings_exchange(builds, failures)
        check_default_settings_place(builds, failures)
        if "--window" in sys.argv:
            sys.path.insert(0, HERE)
            import window_check
            window_check.check_window(builds, failures, report)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("Wine: %d passed, %d failed" % (len(PASSED), len(failures)))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

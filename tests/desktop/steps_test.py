#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The computer's answer, step by step, in the real desktop window.

    tests/desktop/steps_test.py TALONIX

Under a private Xvfb the window runs at scale 1 with a fixed clock and
TALONIX_FRAMES set, so it writes every picture it puts in the window, read
back from the window. Clicks come from xdotool, and for each case:

- the window's frames are those of a headless run of the same taps, pixel
  for pixel, with the same steps; each step brings at most one new card to
  the table, drawn where the state line puts it, and is shown for the pace's
  time before the next picture;
- the picture after each click is the headless `shot` of the same point;
- a click during the steps (pace 2) ends them at once: the final picture is
  shown, then the click is handled, once.

Exits with status 77 and a clear message when Xvfb or xdotool is missing.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "windows"))
from window_check import Xvfb, png_pixels, wait_for, write_png, xdotool  # noqa: E402

# Each case: name, clock, pace, the clicks, the least number of steps, and
# the number of the click during whose steps another click comes (0: none).
LEAD_COVER_END = [(4, 143), (100, 110), (220, 186)]
CASES = [
    ("a lead the computer covers, the bout's end, the refills and its next lead; a cover "
     "after which the computer ends the bout", "10:00:00.000", 1,
     LEAD_COVER_END + [(88, 143), (100, 110)], 7, 0),
    ("a take with a card added", "10:00:09.000", 1, [(220, 186)], 2, 0),
    ("a click on a hand card during the steps of the bout's end (pace 2)",
     "10:00:00.000", 2, LEAD_COVER_END + [(4, 143)], 1, 3),
]
STEP_MS = {1: 300, 2: 600}


class Frames:
    """The frames a run wrote to its folder with TALONIX_FRAMES."""

    def __init__(self, folder):
        self.folder = folder

    def states(self):
        try:
            with open(os.path.join(self.folder, "frames.jsonl"), encoding="utf-8") as lines:
                return [json.loads(line) for line in lines if line.endswith("\n")]
        except FileNotFoundError:
            return []

    def steps(self):
        try:
            with open(os.path.join(self.folder, "steps.txt"), encoding="ascii") as lines:
                return [int(line) for line in lines if line.endswith("\n")]
        except FileNotFoundError:
            return []

    def path(self, number):
        return os.path.join(self.folder, "frame-%03d.png" % number)

    def picture(self, number):
        with open(self.path(number), "rb") as data:
            return png_pixels(data.read())

    def last(self):
        count = len(self.states())
        return self.picture(count - 1) if count else None


def picture_of(path):
    with open(path, "rb") as data:
        return png_pixels(data.read())


def headless(talonix, folder, clock, clicks):
    """Frames and shots of a headless run of the clicks."""
    os.makedirs(folder)
    script = "shot %s/start.png\n" % folder + "".join("tap %d %d\nshot %s/shot-%d.png\n" % (x, y, folder, k)
                     for k, (x, y) in enumerate(clicks))
    env = dict(os.environ, TALONIX_FRAMES=folder)
    env.pop("TALONIX_FRAMES_HURRY", None)
    subprocess.run([talonix, "--headless", "--clock", clock, "--registry", folder + "/s.reg"],
                   input=script.encode(), env=env, check=True, capture_output=True, timeout=60)
    return Frames(folder), [picture_of("%s/%s.png" % (folder, name))
                            for name in ["start"] + ["shot-%d" % k for k in range(len(clicks))]]


def table_cards(state):
    return [card for row in ("computerTableRow", "humanTableRow") for card in state[row]["cards"]]


def area(picture, x, y):
    width, height, pixels = picture
    return [pixels[row * width + column] for row in range(y, min(y + 20, height))
            for column in range(x, min(x + 20, width))]


def card_problems(frames):
    """Each frame brings at most one new card to the table (a step exactly
    one at most), and a new card changes the picture where it lies."""
    states, steps, problems = frames.states(), set(frames.steps()), []
    for k in range(1, len(states)):
        before = {(c["suit"], c["rank"]) for c in table_cards(states[k - 1])}
        new = [c for c in table_cards(states[k]) if (c["suit"], c["rank"]) not in before]
        if k in steps and len(new) > 1:
            problems.append("step frame %d brings %d cards" % (k, len(new)))
        for card in new:
            if area(frames.picture(k), card["x"], card["y"]) == \
                    area(frames.picture(k - 1), card["x"], card["y"]):
                problems.append("frame %d does not show its new card at %d, %d" %
                                (k, card["x"], card["y"]))
    return problems


def timing_problems(frames, pace):
    """A step stays in the window for the pace's time before the next frame
    (the first frame's file is written before the wait, the next after it)."""
    problems = []
    count = len(frames.states())
    for step in frames.steps():
        if step + 1 < count:
            shown = (os.stat(frames.path(step + 1)).st_mtime_ns -
                     os.stat(frames.path(step)).st_mtime_ns) / 1e6
            if shown < STEP_MS[pace] * 0.8:
                problems.append("step frame %d shown for %.0f ms" % (step, shown))
    return problems


class Window:
    """The desktop window of one run, with its frames."""

    def __init__(self, talonix, display, folder, clock, pace):
        os.makedirs(folder)
        self.frames = Frames(folder)
        self.env = dict(os.environ, DISPLAY=display, TALONIX_FRAMES=folder)
        self.env.pop("TALONIX_FRAMES_HURRY", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        # A window picks up the game kept by the last one: each run keeps its own.
        for kind in ("STATE", "DATA", "CONFIG", "CACHE"):
            self.env["XDG_%s_HOME" % kind] = os.path.join(folder, kind.lower())
        self.process = subprocess.Popen(
            [talonix, "--scale", "1", "--pace", str(pace), "--clock", clock, "--registry",
             folder + "/s.reg"], env=self.env, stdout=subprocess.DEVNULL,
            stderr=open(folder + "/stderr", "w"))
        self.id = wait_for(lambda: xdotool(self.env, "search", "--onlyvisible", "--pid",
                                           str(self.process.pid)).split("\n")[0], 20)

    def click(self, x, y):
        xdotool(self.env, "mousemove", "--window", self.id, str(x), str(y), "click", "1")

    def wait_for_picture(self, picture):
        return wait_for(lambda: self.frames.last() == picture, 20)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)


def play(window, clicks, shots, hurry_at):
    """Clicks one by one, each once the previous one's picture is shown; the
    click after click number hurry_at comes as soon as its first step is."""
    if not window.id or not window.wait_for_picture(shots[0]):
        return ["the window did not open on the deal's picture"]
    for k, (x, y) in enumerate(clicks):
        steps_before = len(window.frames.steps())
        window.click(x, y)
        if k + 1 == hurry_at:
            if not wait_for(lambda: len(window.frames.steps()) > steps_before, 20):
                return ["click %d brought no step" % (k + 1)]
            continue
        if not window.wait_for_picture(shots[k + 1]):
            return ["after click %d the window never shows the headless shot" % (k + 1)]
    return []


def same_frames(window, expected):
    if window.steps() != expected.steps():
        return ["steps at frames %s, headless %s" % (window.steps(), expected.steps())]
    count = len(expected.states())
    if len(window.states()) != count:
        return ["%d frames, headless %d" % (len(window.states()), count)]
    return ["frame %d differs from the headless one" % k for k in range(count)
            if window.picture(k) != expected.picture(k)]


def hurried_frames(window, expected):
    """After the step the click came in: the frames that follow the last step
    of the headless run (the final table, then the click's answer)."""
    tail = len(expected.states()) - expected.steps()[-1] - 1
    count = len(window.states())
    got = [window.picture(k) for k in range(count - tail, count)] if tail < count else []
    if len(window.steps()) >= len(expected.steps()) or \
            count - window.steps()[-1] - 1 != tail or \
            got != [expected.picture(k) for k in range(len(expected.states()) - tail,
                                                       len(expected.states()))]:
        return ["steps at frames %s of %d; headless %s of %d" % (
            window.steps(), count, expected.steps(), len(expected.states()))]
    return []


def check(talonix, display, work, case):
    name, clock, pace, clicks, least_steps, hurry_at = case
    folder = os.path.join(work, "case-%d" % CASES.index(case))
    expected, shots = headless(talonix, folder + "-headless", clock, clicks)
    window = Window(talonix, display, folder, clock, pace)
    try:
        problems = play(window, clicks, shots, hurry_at)
    finally:
        window.close()
    frames = window.frames
    if not problems and hurry_at:
        problems = hurried_frames(frames, expected)
    elif not problems:
        problems = same_frames(frames, expected) + card_problems(frames) + \
            timing_problems(frames, pace)
        if len(frames.steps()) < least_steps:
            problems.append("only %d steps" % len(frames.steps()))
    if problems and frames.states():
        kept = os.environ.get("TALONIX_WINDOW_FAILED", work)
        write_png(os.path.join(kept, "steps-failed-%d.png" % CASES.index(case)), *frames.last())
    return name, len(frames.steps()), problems


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    missing = [tool for tool in ("Xvfb", "xdotool") if not shutil.which(tool)]
    if missing:
        print("steps_test: skipped, %s not installed" % " and ".join(missing))
        sys.exit(77)
    talonix = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="talonix-steps-")
    started = time.monotonic()
    xvfb = Xvfb(work)
    failures = 0
    try:
        for case in CASES:
            name, steps, problems = check(talonix, xvfb.display, work, case)
            print("%s: %s (%d steps)%s" % ("FAIL" if problems else "ok:  ", name, steps,
                                           "".join("\n      " + p for p in problems)), flush=True)
            failures += bool(problems)
    finally:
        xvfb.close()
        if not failures:
            shutil.rmtree(work, ignore_errors=True)
    print("Window steps: %d passed, %d failed in %.1f s%s" % (
        len(CASES) - failures, failures, time.monotonic() - started,
        "; frames kept in " + work if failures else ""))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

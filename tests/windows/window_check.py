# SPDX-License-Identifier: MIT
"""The Wine window under Xvfb, beside the Linux build's picture.

Wine draws the window's frame itself (the prefix's X11 driver is told not to
ask for decorations), so the frame, the caption and the close box are the
ones Windows code paints and hit-tests; no window manager runs.
"""

import os
import re
import shutil
import struct
import subprocess
import time
import zlib

SCALE = 2
# Screen pixel (5, 150) lies inside the first hand card; (10, 160) is a
# press on it.
CARD_PIXEL = (5, 150)
CARD_PRESS = (10, 160)


def png_pixels(data):
    """(width, height, [0xRRGGBB...]) of the program's own 8-bit RGB PNGs
    (filter type 0 on every row)."""
    at, idat, width, height = 8, b"", 0, 0
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            width, height = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
    raw = zlib.decompress(idat)
    pixels = []
    for y in range(height):
        row = raw[y * (width * 3 + 1):(y + 1) * (width * 3 + 1)]
        assert row[0] == 0, "filtered row"
        pixels += [row[1 + 3 * x] << 16 | row[2 + 3 * x] << 8 | row[3 + 3 * x]
                   for x in range(width)]
    return width, height, pixels


def write_png(path, width, height, pixels):
    raw = b"".join(b"\0" + b"".join(struct.pack(">I", p)[1:] for p in
                                    pixels[y * width:(y + 1) * width]) for y in range(height))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2,
                                                                       0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def xwd_pixels(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    size, width, height, order, bpp, bpl, colours = (header[0], header[4], header[5], header[7],
                                                     header[11], header[12], header[19])
    body = data[size + colours * 12:]
    step = bpp // 8
    pixels = []
    for y in range(height):
        line = body[y * bpl:y * bpl + width * step]
        for x in range(width):
            value = int.from_bytes(line[x * step:x * step + 4],
                                   "little" if order == 0 else "big")
            pixels.append(value & 0xFFFFFF)
    return width, height, pixels


def scaled(picture, scale):
    width, height, pixels = picture
    out = []
    for y in range(height * scale):
        row = pixels[(y // scale) * width:(y // scale + 1) * width]
        out += [p for p in row for _ in range(scale)]
    return width * scale, height * scale, out


def find_picture(window, picture):
    """Where picture lies in window (both (w, h, pixels)), or None."""
    ww, wh, wp = window
    pw, ph, pp = picture
    for top in range(0, min(80, wh - ph + 1)):
        for left in range(0, min(40, ww - pw + 1)):
            if all(wp[(top + y) * ww + left:(top + y) * ww + left + pw] ==
                   pp[y * pw:(y + 1) * pw] for y in range(ph)):
                return left, top
    return None


def differing(window, at, picture):
    ww, _, wp = window
    pw, ph, pp = picture
    left, top = at
    return sum(a != b for y in range(ph)
               for a, b in zip(wp[(top + y) * ww + left:(top + y) * ww + left + pw],
                               pp[y * pw:(y + 1) * pw]))


class Xvfb:
    def __init__(self, work):
        number = 140 + os.getpid() % 100
        while os.path.exists("/tmp/.X11-unix/X%d" % number) or \
                os.path.exists("/tmp/.X%d-lock" % number):
            number += 1
        self.display = ":%d" % number
        self.process = subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1280x1024x24",
                                         "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                                        stderr=open(os.path.join(work, "xvfb.log"), "w"))
        for _ in range(100):
            if os.path.exists("/tmp/.X11-unix/X%d" % number):
                break
            time.sleep(0.1)

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def wait_for(condition, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    return None


def linux_pictures(builds, folder):
    script = b"shot deal.png\ntap %d %d\nshot selected.png\n" % CARD_PRESS
    builds.headless("linux", folder, script, "--registry", "linux.reg")
    return [scaled(png_pixels(open(os.path.join(folder, name), "rb").read()), SCALE)
            for name in ("deal.png", "selected.png")]


def check_window(builds, failures, report):
    folder = os.path.join(builds.work, "window")
    os.makedirs(folder, exist_ok=True)
    deal, selected = linux_pictures(builds, folder)
    env = dict(builds.env)
    subprocess.run(builds.wine("reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v",
                               "Decorated", "/d", "N", "/f"), env=env, capture_output=True,
                   timeout=120)
    xvfb = Xvfb(folder)
    env["DISPLAY"] = xvfb.display
    game = subprocess.Popen(builds.command("windows", "--clock", builds.clock, "--scale", str(SCALE),
                                           "--registry", "wine.reg"), cwd=folder, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        play(game, env, folder, deal, selected, failures, report)
    finally:
        if game.poll() is None:
            game.kill()
        xvfb.close()


def capture(env, window, folder):
    path = os.path.join(folder, "window.xwd")
    ok = subprocess.run(["xwd", "-id", window, "-out", path], env=env,
                        capture_output=True).returncode == 0
    return xwd_pixels(path) if ok else None


def xdotool(env, *arguments):
    return subprocess.run(["xdotool", *arguments], env=env, capture_output=True,
                          text=True).stdout.strip()


# The variant, the deal's number, the program's name.
TITLE = re.compile(r"Подкидной · [0-9A-Z]{4}-[0-9A-Z]{7} — Talonix")


def play(game, env, folder, deal, selected, failures, report):
    window = wait_for(lambda: xdotool(env, "search", "--onlyvisible", "--name", "Talonix")
                      .split("\n")[0], 60)
    if not window:
        report(failures, "the Wine window opens", ["no window within 60 s"])
        return
    title = wait_for(lambda: (lambda t: t if t != "Talonix" else None)(
        xdotool(env, "getwindowname", window)))
    at = wait_for(lambda: (lambda shot: shot and find_picture(shot, deal))(
        capture(env, window, folder)))
    if not at:
        shot = capture(env, window, folder)
        if shot:
            write_png(os.path.join(os.environ.get("TALONIX_WINDOW_FAILED", folder),
                                   "window-failed.png"), *shot)
    report(failures, "the Wine window opens, titled '%s', and shows the table as the Linux "
           "build pictures it at x%d" % (title, SCALE),
           [] if at and TITLE.fullmatch(title or "") else
           ["title %r, picture %s" % (title, "found" if at else "not found")])
    if not at:
        return
    shot = capture(env, window, folder)
    screenshot = os.environ.get("TALONIX_WINDOW_SCREENSHOT")
    if screenshot:
        write_png(screenshot, *shot)
    card = (at[0] + CARD_PRESS[0] * SCALE, at[1] + CARD_PRESS[1] * SCALE)
    xdotool(env, "mousemove", "--window", window, str(card[0]), str(card[1]), "click", "1")
    after = wait_for(lambda: (lambda s: s if s and differing(s, at, selected) == 0 else None)(
        capture(env, window, folder)), 20)
    report(failures, "a click on the first hand card selects it, as on Linux",
           [] if after else ["%d pixels differ from the Linux picture" %
                             differing(capture(env, window, folder), at, selected)])
    # The close box: the right end of the caption Wine paints above the
    # client area (frame width = client left, caption below it).
    frame, caption = at[0], at[1] - at[0]
    width = shot[0]
    xdotool(env, "mousemove", "--window", window, str(width - frame - caption // 2 - 2),
            str(frame + caption // 2), "click", "1")
    try:
        status = game.wait(timeout=30)
    except subprocess.TimeoutExpired:
        status = None
    report(failures, "the close box ends the program with status 0",
           [] if status == 0 else ["status %s" % status])

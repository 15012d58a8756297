#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""What the browser tests stand on: the native program's runs, headless
Chromium spoken to over its DevTools pipe, a player of script lines, and the
local site that serves the built page. Only the standard library: Chromium
speaks the protocol over a pipe (--remote-debugging-pipe), so no websocket is
needed.
"""

import base64
import functools
import http.server
import json
import os
import shutil
import struct
import subprocess
import threading
import time
import zlib

CLOCK = "10:20:30.400"
SETTINGS_KEY = "talonix/settings.reg"
# A second press within this time at the same place is a double tap.
DOUBLE_TAP_SECONDS = 0.5

# The page's hook, put only into the test's copy of index.html.
TEST_HOOK = """<script>
window.talonixTest = {
  idle: function () {
    return typeof Module !== 'undefined' && !!Module.talonixPage && Module.talonixPage.idle();
  },
  state: function () { return UTF8ToString(Module._talonix_state_line()); },
  lastMessageBox: function () { return Module.talonixPage.lastMessageBox; },
  closed: function () { return document.getElementById('closed').style.display === 'flex'; }
};
</script>
"""


# --- PNG --------------------------------------------------------------------

def png_pixels(data):
    """(width, height, [0xRRGGBB...]) of an 8-bit RGB or RGBA PNG."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    at, idat, header = 8, b"", None
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, header
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    previous = bytearray(stride)
    pixels = []
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                best = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + best) & 0xFF
        for x in range(width):
            r, g, b = line[x * channels:x * channels + 3]
            pixels.append(r << 16 | g << 8 | b)
        previous = line
    return width, height, pixels


def first_difference(actual, expected):
    if actual[:2] != expected[:2]:
        return "size %dx%d, expected %dx%d" % (actual[:2] + expected[:2])
    width = actual[0]
    differing = [i for i, (a, e) in enumerate(zip(actual[2], expected[2])) if a != e]
    if not differing:
        return None
    i = differing[0]
    return "%d pixels differ, first at %d,%d: %06x, expected %06x" % (
        len(differing), i % width, i // width, actual[2][i], expected[2][i])


# --- the native program ------------------------------------------------------

def run_native(talonix, lines, folder, settings="", clock=CLOCK, arguments=(), kept=None):
    """The output events, the shot after the script, and the settings text
    the run left behind. With kept, a folder, the run resumes the game kept
    there and keeps its own."""
    environment = dict(os.environ)
    if kept:
        environment["XDG_STATE_HOME"] = kept
        arguments = list(arguments) + ["--resume"]
    registry = os.path.join(folder, "native.reg")
    with open(registry, "w") as out:
        out.write(settings)
    shot = os.path.join(folder, "native.png")
    script = "\n".join(lines + ["state", "shot " + shot]) + "\n"
    result = subprocess.run([talonix, "--headless", "--clock", clock, "--registry", registry] +
                            list(arguments), input=script.encode(), capture_output=True,
                            timeout=60, check=True, env=environment)
    events = [json.loads(line) for line in result.stdout.decode().splitlines()]
    with open(shot, "rb") as image, open(registry) as text:
        return events, png_pixels(image.read()), text.read()


def message_boxes_per_line(talonix, lines, folder):
    """For each line, the texts of the message boxes that closed during it."""
    registry = os.path.join(folder, "boxes.reg")
    if os.path.exists(registry):
        os.remove(registry)
    script = "".join(line + "\nstate\n" for line in lines)
    result = subprocess.run([talonix, "--headless", "--clock", CLOCK, "--registry", registry],
                            input=script.encode(), capture_output=True, timeout=60, check=True)
    boxes, current = [], []
    for line in result.stdout.decode().splitlines():
        event = json.loads(line)
        if event["event"] == "messagebox":
            current.append(event["text"])
        elif event["event"] == "state":
            boxes.append(current)
            current = []
    return boxes


# --- the browser --------------------------------------------------------------

class Browser:
    """Headless Chromium, spoken to over its DevTools pipe."""

    def __init__(self, profile):
        to_browser_read, self.to_browser = os.pipe()
        self.from_browser, from_browser_write = os.pipe()

        def pipes_at_3_and_4():
            os.dup2(to_browser_read, 3)
            os.dup2(from_browser_write, 4)

        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--no-first-run", "--user-data-dir=" + profile, "--remote-debugging-pipe",
             "--force-color-profile=srgb", "--hide-scrollbars", "about:blank"],
            preexec_fn=pipes_at_3_and_4, close_fds=False,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self.buffer = b""
        self.next_id = 0
        self.session = None

    def close(self):
        try:
            self.send("Browser.close", session=False)
        except OSError:
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def send(self, method, session=True, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.receive()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"]))
                return reply["result"]

    def receive(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.from_browser, 1 << 20)
            if not chunk:
                raise RuntimeError("the browser went away")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def open_page(self):
        target = self.send("Target.createTarget", session=False, url="about:blank")
        self.session = self.send("Target.attachToTarget", session=False,
                                 targetId=target["targetId"], flatten=True)["sessionId"]
        self.viewport(240, 320)

    def viewport(self, width, height, ratio=1, mobile=False):
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=ratio, mobile=mobile)
        self.send("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=1)

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def wait_until(self, expression, what, seconds=20):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if self.evaluate(expression):
                return
            time.sleep(0.02)
        raise RuntimeError("timed out waiting for " + what)

    def load(self, url, started="typeof talonixTest !== 'undefined' && talonixTest.idle()"):
        self.url = url
        self.send("Page.navigate", url=url)
        self.wait_until(started, "the page to start")

    def busy_seconds(self, seconds):
        """How long the page's main thread ran tasks during the next seconds."""
        self.send("Performance.enable")

        def task_time():
            metrics = self.send("Performance.getMetrics")["metrics"]
            return next(m["value"] for m in metrics if m["name"] == "TaskDuration")

        before = task_time()
        time.sleep(seconds)
        busy = task_time() - before
        self.send("Performance.disable")
        return busy

    def screenshot(self):
        """The viewport as PNG bytes, in device pixels."""
        shot = self.send("Page.captureScreenshot", format="png")
        return base64.b64decode(shot["data"])

    def screen(self):
        return png_pixels(self.screenshot())

    def pen(self, kind, x, y):
        self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                  buttons=1 if kind == "mousePressed" else 0, clickCount=1)

    def touch(self, kind, x, y):
        points = [{"x": x, "y": y}] if kind == "mousePressed" else []
        self.send("Input.dispatchTouchEvent", touchPoints=points,
                  type="touchStart" if kind == "mousePressed" else "touchEnd")

    def key(self, code, key, virtual_key, modifiers=0, text=""):
        """A key struck; modifiers: 1 Alt, 2 Control. The text makes the
        browser's own keypress (Enter's press of a focused button)."""
        for kind in ("keyDown", "keyUp"):
            self.send("Input.dispatchKeyEvent", type=kind, code=code, key=key,
                      windowsVirtualKeyCode=virtual_key, modifiers=modifiers,
                      text=text if kind == "keyDown" else "")


# Script key names: the key's code, its key, its virtual key, the modifiers
# and its text.
KEYS = {
    "enter": ("Enter", "Enter", 13, 0, "\r"), "escape": ("Escape", "Escape", 27, 0, ""),
    "right": ("ArrowRight", "ArrowRight", 39, 0, ""), "f1": ("F1", "F1", 112, 0, ""),
    "f10": ("F10", "F10", 121, 0, ""), "ctrl+n": ("KeyN", "n", 78, 2, ""),
    "ctrl+o": ("KeyO", "o", 79, 2, ""), "ctrl+t": ("KeyT", "t", 84, 2, ""),
}


class Player:
    """Plays script lines on the page, as a person would with a mouse, or a
    finger when touch is set."""

    def __init__(self, browser, scale=1, left=0, top=0, touch=False):
        self.browser = browser
        self.last_press = None
        # Where the screen is shown on the page (CSS pixels per screen pixel).
        self.scale, self.left, self.top = scale, left, top
        self.touch = touch

    def pen(self, kind, x, y):
        # The middle of the screen pixel's square on the page.
        at = (self.left + (x + 0.5) * self.scale, self.top + (y + 0.5) * self.scale)
        (self.browser.touch if self.touch else self.browser.pen)(kind, *at)

    def press(self, x, y):
        # A quick second press at the same place would be a double tap,
        # which the script's separate taps are not.
        if self.last_press:
            (px, py, when) = self.last_press
            wait = DOUBLE_TAP_SECONDS + 0.1 - (time.time() - when)
            if abs(px - x) <= 2 and abs(py - y) <= 2 and wait > 0:
                time.sleep(wait)
        self.pen("mousePressed", x, y)
        self.last_press = (x, y, time.time())

    def play(self, line, until="talonixTest.idle()"):
        words = line.split()
        if words[0] in ("tap", "down"):
            self.press(int(words[1]), int(words[2]))
        if words[0] in ("tap", "up"):
            self.pen("mouseReleased", int(words[1]), int(words[2]))
        if words[0] == "key":
            self.browser.key(*KEYS[words[1]])
        if words[0] == "reload":
            self.browser.load(self.browser.url)
            self.last_press = None
        self.browser.wait_until(until, "the program to finish '%s'" % line)


class Site:
    """Serves the page built in build/web, plus the test's copy of it."""

    FILES = ("index.html", "index.js", "index.wasm", "sw.js", "manifest.webmanifest", "icons")

    def __init__(self, web_build, folder):
        self.folder = os.path.join(folder, "site")
        os.mkdir(self.folder)
        for name in self.FILES:
            copy = shutil.copytree if name == "icons" else shutil.copy
            copy(os.path.join(web_build, name), os.path.join(self.folder, name))
        with open(os.path.join(web_build, "index.html")) as page:
            html = page.read()
        with open(os.path.join(self.folder, "test.html"), "w") as page:
            page.write(html.replace("</body>", TEST_HOOK + "</body>"))
        self.server = None
        self.serve(0)
        self.origin = "http://127.0.0.1:%d" % self.server.server_address[1]

    def serve(self, port):
        handler = functools.partial(QuietHandler, directory=self.folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None

    def url(self, query):
        return "%s/test.html?clock=%s%s" % (self.origin, CLOCK, query)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".wasm": "application/wasm", ".js": "text/javascript",
                             ".webmanifest": "application/manifest+json"})

    def log_message(self, *args):
        pass


def compare(browser, name, native_state, native_shot, failures):
    state = json.loads(browser.evaluate("talonixTest.state()"))
    if state != native_state:
        failures.append("%s: the state line differs:\n  web    %s\n  native %s" %
                        (name, json.dumps(state, ensure_ascii=False),
                         json.dumps(native_state, ensure_ascii=False)))
    difference = first_difference(browser.screen(), native_shot)
    if difference:
        failures.append("%s: the screen differs: %s" % (name, difference))
    print("%-40s %s" % (name, "ok" if not difference and state == native_state else "FAILED"))


def last_state(events):
    return [event for event in events if event["event"] == "state"][-1]


def fresh_page(browser, site, query=""):
    browser.send("Storage.clearDataForOrigin", origin=site.origin, storageTypes="local_storage")
    browser.load(site.url(query))
    return Player(browser)

# SPDX-License-Identifier: MIT
"""The page's own duties, checked in headless Chromium against the native
program: the screen scaled by whole device pixels on a phone and on desktops
(and the pen landing on the right pixels), the desktop's keys and the
keyboard's command row, the page's title and language, the time to the first
picture, and playing offline from the service worker."""

import json
import os
import re
import shutil
import subprocess
import time

from harness import (CLOCK, Player, compare, first_difference, fresh_page, last_state, png_pixels,
                     run_native)

# Each: a name, the viewport (CSS pixels), its device pixel ratio, whether it
# is a phone (touch), the whole factor of device pixels expected, and the
# lines played with the pen (or finger) before the screen is compared.
SCALES = [
    ("a phone, 390 x 844 at 3: x4", 390, 844, 3, True, 4, ["tap 4 143"]),
    ("a desktop, 1280 x 800: x2", 1280, 800, 1, False, 2, []),
    ("zoomed to 125 %, 1280 x 800: x3", 1280, 800, 1.25, False, 3, []),
    ("600 x 700: x2, a covered attack", 600, 700, 1, False, 2, ["tap 4 143", "tap 100 110"]),
]

# Each: a name, the lines played on the page, and the native run's lines.
KEY_CASES = [
    ("F1 opens the rules", ["key f1"], ["key f1"]),
    ("Ctrl+N deals a new game", ["tap 4 143", "tap 100 110", "key ctrl+n"],
     ["tap 4 143", "tap 100 110", "key ctrl+n"]),
    ("Ctrl+O opens the options", ["key ctrl+o"], ["key ctrl+o"]),
    ("Ctrl+T opens the statistics", ["key ctrl+t"], ["key ctrl+t"]),
    ("F10, Right, Enter: the options", ["key f10", "key right", "key enter"], ["tap 37 12"]),
]

CANVAS_BOX = """(function () {
  var box = document.getElementById('screen').getBoundingClientRect();
  return [box.left, box.top, box.width, box.height];
})()"""
STATE = "UTF8ToString(Module._talonix_state_line())"
STARTED = "typeof Module !== 'undefined' && !!Module.talonixPage && Module.talonixPage.idle()"
FIRST_PICTURE_TARGET = 0.5


def report(name, problem, failures):
    if problem:
        failures.append("%s: %s" % (name, problem))
    print("%-40s %s" % (name, "FAILED" if problem else "ok"))


def blocks_differ(png, left, top, factor, native_shot):
    """Whether a device-pixel screenshot does not show the native screen at
    left, top (device pixels) with every pixel a solid factor x factor
    block; what differs, or None."""
    width, _, pixels = png_pixels(png)
    for y in range(320 * factor):
        row = native_shot[2][(y // factor) * 240:(y // factor + 1) * 240]
        at = (top + y) * width + left
        if pixels[at:at + 240 * factor] != [p for p in row for _ in range(factor)]:
            return "device pixel row %d is not the native row %d at x%d" % (y, y // factor, factor)
    return None


def check_scale(browser, site, talonix, folder, case, failures, phone_shot):
    name, width, height, ratio, phone, factor, lines = case
    events, native_shot, _ = run_native(talonix, lines, folder)
    browser.viewport(width, height, ratio, phone)
    try:
        browser.send("Storage.clearDataForOrigin", origin=site.origin,
                     storageTypes="local_storage")
        browser.load(site.url(""))
        left, top, box_width, box_height = browser.evaluate(CANVAS_BOX)
        size = [round(box_width * ratio), round(box_height * ratio)]
        player = Player(browser, box_width / 240, left, top, touch=phone)
        for line in lines:
            player.play(line)
        state = json.loads(browser.evaluate("talonixTest.state()"))
        problem = None
        if size != [240 * factor, 320 * factor]:
            problem = "the canvas is %s device pixels, not x%d" % (size, factor)
        elif state != last_state(events):
            problem = "the state line differs from the native run"
        else:
            problem = blocks_differ(browser.screenshot(), round(left * ratio),
                                    round(top * ratio), factor, native_shot)
        if phone and phone_shot:
            with open(phone_shot, "wb") as out:
                out.write(browser.screenshot())
    finally:
        browser.viewport(240, 320)
    report(name, problem, failures)


def check_scales(browser, site, talonix, folder, failures, phone_shot=None):
    for case in SCALES:
        check_scale(browser, site, talonix, folder, case, failures, phone_shot)


def check_keys(browser, site, talonix, folder, failures):
    for name, lines, native_lines in KEY_CASES:
        events, native_shot, _ = run_native(talonix, native_lines, folder)
        browser.send("Storage.clearDataForOrigin", origin=site.origin,
                     storageTypes="local_storage")
        browser.load(site.url(""))
        player = Player(browser)
        for line in lines:
            player.play(line)
            if line == "key f10":
                focused = browser.evaluate(
                    "[document.activeElement.getAttribute('aria-label'), "
                    "document.activeElement.matches(':focus-visible')]")
                if focused != ["Новая игра", True]:
                    failures.append("%s: F10 focused %r, not the shown New game" %
                                    (name, focused))
        compare(browser, name, last_state(events), native_shot, failures)


def check_deals(browser, site, talonix, folder, failures):
    """?deal=CODE deals what --deal CODE deals (another clock's first deal,
    a card played on it); a mistyped code closes the table with the
    program's word."""
    first = subprocess.run([talonix, "--headless", "--clock", "11:11:11.111", "--registry",
                            os.path.join(folder, "deal.reg")], input=b"deal\n",
                           capture_output=True, timeout=60, check=True)
    code = json.loads(first.stdout.decode().splitlines()[0])["code"]
    events, native_shot, _ = run_native(talonix, ["tap 4 143"], folder,
                                        arguments=["--deal", code])
    player = fresh_page(browser, site, "&deal=" + code)
    player.play("tap 4 143")
    compare(browser, "?deal=%s as --deal" % code, last_state(events), native_shot, failures)
    mistyped = code[:-1] + ("A" if code[-1] != "A" else "B")
    browser.send("Storage.clearDataForOrigin", origin=site.origin, storageTypes="local_storage")
    browser.load(site.url("&deal=" + mistyped),
                 started="typeof talonixTest !== 'undefined' && talonixTest.closed()")
    said = browser.evaluate("document.getElementById('said').textContent")
    report("?deal=%s refused" % mistyped,
           None if said.startswith("--deal %s: " % mistyped) else "the page said %r" % said,
           failures)


def check_resume(browser, site, talonix, folder, failures):
    """A move, a reload: the same position as before the reload."""
    lines = ["tap 4 143", "tap 100 110"]
    events, native_shot, _ = run_native(talonix, lines, folder)
    player = fresh_page(browser, site)
    for line in lines:
        player.play(line)
    player.play("reload")
    compare(browser, "a move, a reload: the same position", last_state(events), native_shot,
            failures)


def stored_records(browser):
    """The local storage items of the game records, by key."""
    return browser.evaluate(
        "(function () { var kept = {}; for (var i = 0; i < localStorage.length; ++i) {"
        "  var key = localStorage.key(i); if (key.indexOf('talonix/games/') === 0) {"
        "    kept[key] = localStorage.getItem(key); } } return kept; })()")


def check_records(browser, site, talonix, folder, failures):
    """A game left for a new one, a take, a reload and a take more: the
    month's record in local storage holds both games with every move, as
    the native program writes them in one run (but for the time of day)."""
    lines = ["tap 4 143", "tap 100 110", "key ctrl+n", "tap 220 186", "reload", "tap 220 186"]
    games = os.path.join(folder, "native-games")
    shutil.rmtree(games, ignore_errors=True)
    run_native(talonix, [line for line in lines if line != "reload"], folder,
               arguments=["--records", games])
    expected = {}
    for name in os.listdir(games):
        with open(os.path.join(games, name)) as text:
            expected["talonix/games/" + name] = text.read()
    player = fresh_page(browser, site)
    for line in lines:
        player.play(line)
    kept = stored_records(browser)
    without_time = re.compile(r'\[Time "[0-9:]*"\]')
    for records in (expected, kept):
        for key in records:
            records[key] = without_time.sub("[Time]", records[key])
    report("the records kept over a reload",
           None if kept == expected and len(kept) == 1 else "kept %r, not %r" % (kept, expected),
           failures)


def check_page_texts(browser, site, failures):
    """The tab's title is the window's (the variant and the deal's number),
    and the page's language and the command row's names are the
    interface's."""
    expected = {"": ["Подкидной · CODE — Talonix", "ru", "Новая игра", "Выход"],
                "&lang=en": ["Throw-in · CODE — Talonix", "en", "New game", "Exit"]}
    for query, texts in expected.items():
        browser.send("Storage.clearDataForOrigin", origin=site.origin,
                     storageTypes="local_storage")
        browser.load(site.url(query))
        shown = browser.evaluate(
            "(function () { var row = document.querySelectorAll('#commands button');"
            "return [document.title, document.documentElement.lang,"
            "row[0].getAttribute('aria-label'), row[6].getAttribute('aria-label')]; })()")
        shown[0] = re.sub(r" · [0-9A-Z]{4}-[0-9A-Z]{7} — ", " · CODE — ", shown[0])
        report("the title and language (%s)" % (query or "ru"),
               None if shown == texts else "%r, not %r" % (shown, texts), failures)


def check_failed_start(browser, site, failures):
    """Without its WebAssembly the page says, in both languages, that the
    game did not load."""
    browser.send("Network.enable")
    browser.send("Network.setBypassServiceWorker", bypass=True)
    browser.send("Network.setBlockedURLs", urls=["*index.wasm"])
    try:
        browser.load(site.origin + "/index.html", started="!!document.getElementById('failed') && "
                     "document.getElementById('failed').style.display === 'flex'")
        shown = browser.evaluate(
            "Array.prototype.filter.call(document.querySelectorAll('#failed p'), function (p) {"
            "  return p.offsetParent !== null; }).map(function (p) { return p.lang; })")
        problem = None if shown == ["ru", "en"] else "shown: %r" % shown
    except RuntimeError as error:
        problem = str(error)
    browser.send("Network.setBlockedURLs", urls=[])
    browser.send("Network.setBypassServiceWorker", bypass=False)
    browser.send("Network.disable")
    report("no WebAssembly: the page says so", problem, failures)


def check_first_picture(browser, site, failures):
    """The time from the start of the navigation to the first picture, from
    this local server, with neither the browser's cache nor the service
    worker: the best of three loads, printed as a measurement. A shared
    machine's load makes single loads slow, so the time never fails the
    test; the page must only show its first picture each time."""
    browser.send("Network.enable")
    browser.send("Network.setCacheDisabled", cacheDisabled=True)
    browser.send("Network.setBypassServiceWorker", bypass=True)
    times = []
    for _ in range(3):
        browser.load(site.origin + "/index.html?clock=" + CLOCK, started=STARTED)
        times.append(browser.evaluate("Module.talonixPage.firstPictureAt") / 1000)
    browser.send("Network.setBypassServiceWorker", bypass=False)
    browser.send("Network.setCacheDisabled", cacheDisabled=False)
    browser.send("Network.disable")
    best = min(times)
    report("the first picture in %.3f s (target %.1f s; of %s)"
           % (best, FIRST_PICTURE_TARGET, ", ".join("%.3f" % t for t in times)),
           None if best > 0 else "no first picture", failures)


def check_offline(browser, site, talonix, folder, failures):
    """Once loaded, the page is installable, and with the server stopped a
    reload still plays; a new build served later replaces the kept one."""
    events, native_shot, _ = run_native(talonix, ["tap 4 143"], folder)
    url = site.origin + "/?clock=" + CLOCK
    browser.send("Storage.clearDataForOrigin", origin=site.origin,
                 storageTypes="local_storage")
    browser.load(url, started=STARTED)
    browser.evaluate("navigator.serviceWorker.ready.then(function () { return true; })")
    try:
        errors = browser.send("Page.getInstallabilityErrors")["installabilityErrors"]
        problem = ", ".join(error["errorId"] for error in errors)
    except RuntimeError as error:
        problem = str(error)
    report("installable", problem, failures)
    site.stop()
    browser.load(url, started=STARTED)
    Player(browser).play("tap 4 143", until=STARTED)
    state = json.loads(browser.evaluate(STATE))
    problem = first_difference(browser.screen(), native_shot)
    if state != last_state(events):
        problem = "the state line differs from the native run"
    report("offline: a reload plays", problem, failures)
    check_update(browser, site, url, failures)


def check_update(browser, site, url, failures):
    """A new build served: the worker takes it, and the next load shows it."""
    with open(site.folder + "/index.html") as page:
        html = page.read()
    with open(site.folder + "/index.html", "w") as page:
        page.write(html.replace("</body>", "<!-- the next build --></body>"))
    with open(site.folder + "/sw.js") as worker:
        script = worker.read()
    with open(site.folder + "/sw.js", "w") as worker:
        worker.write(script.replace("var CACHE = 'talonix-", "var CACHE = 'talonix-next-"))
    site.stop()
    site.serve(int(site.origin.rsplit(":", 1)[1]))
    shown = False
    deadline = time.time() + 30
    while not shown and time.time() < deadline:
        browser.load(url, started=STARTED)
        shown = browser.evaluate("document.body.innerHTML.indexOf('the next build') >= 0")
        time.sleep(0 if shown else 2)
    report("a new build replaces the kept one", None if shown else "still the old page", failures)

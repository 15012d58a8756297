#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The browser build plays the same game as the native program.

Runs event scripts twice: natively (`talonix --headless`, with `state` and
`shot`) and in headless Chromium on the page built in build/web, driven
through the DevTools protocol with real pointer and key events on a 240 x 320
viewport. Each script's state line must be the native one, and the page's
pixels (a screenshot of the viewport, so the canvas at x1) the native shot.
page_checks.py adds the page's own duties: the scale on phones and desktops,
the keys, the service worker.

    tests/web/browser_test.py NATIVE_TALONIX WEB_BUILD_DIR [--phone-shot PNG]

--phone-shot writes the page on a 390 x 844 phone at device scale factor 3.
harness.py holds the browser, the player and the site.
"""

import os
import sys
import tempfile
import time

import page_checks
from harness import (Browser, Site, compare, first_difference, fresh_page, last_state,
                     message_boxes_per_line, run_native)


# --- the cases ------------------------------------------------------------------

# Each: a name, its script lines, played from a fresh start, and the query
# that gives the page the native run's command-line arguments.
CASES = [
    ("the first deal", [], "", []),
    ("a covered attack", ["tap 4 143", "tap 100 110"], "", []),
    ("the Options dialog open", ["tap 37 12"], "", []),
    ("an attack taken back by the computer",
     ["tap 4 143", "tap 100 110", "tap 4 143", "tap 100 110", "tap 220 186"], "", []),
    ("the computer's cards face up (q7K)", ["tap 4 143"], "&q7K", ["q7K"]),
]

# A human who attacks with the first card and then takes or says done, for a
# whole game.
WHOLE_GAME = ["tap 4 143", "tap 100 110", "tap 220 186"] * 100
END_MESSAGES = ("Я победил!", "Вы победили!")


def check_case(browser, site, talonix, folder, case, failures):
    name, lines, query, arguments = case
    events, native_shot, _ = run_native(talonix, lines, folder, arguments=arguments)
    player = fresh_page(browser, site, query)
    for line in lines:
        player.play(line)
    compare(browser, name, last_state(events), native_shot, failures)


def check_whole_game(browser, site, talonix, folder, failures):
    """Clicks through a game to its end message, answered with Enter; then
    the win count, and the next game dealt, survive a reload of the page."""
    boxes = message_boxes_per_line(talonix, WHOLE_GAME, folder)
    end = next(i for i, texts in enumerate(boxes) if any(t in END_MESSAGES for t in texts))
    lines = WHOLE_GAME[:end + 1]
    player = fresh_page(browser, site)
    for line, texts in zip(lines, boxes):
        player.play(line)
        for text in texts:
            player.play("key enter")
            shown = browser.evaluate("talonixTest.lastMessageBox()")
            if not shown or shown["text"] != text:
                failures.append("a whole game: after '%s' the page closed %r, not %r" %
                                (line, shown, text))
    kept = os.path.join(folder, "whole-game-state")
    events, native_shot, settings = run_native(talonix, lines, folder, kept=kept)
    compare(browser, "a whole game to its end (%d taps)" % len(lines), last_state(events),
            native_shot, failures)
    events, native_shot, _ = run_native(talonix, [], folder, settings, kept=kept)
    player.play("reload")
    compare(browser, "the win count after a reload", last_state(events), native_shot, failures)


def check_exit(browser, site, failures):
    player = fresh_page(browser, site)
    try:
        player.play("tap 157 12", until="talonixTest.closed()")
        closed = True
    except RuntimeError as error:
        closed = False
        failures.append("Exit: %s" % error)
    print("%-40s %s" % ("Exit closes the table", "ok" if closed else "FAILED"))


def check_plain_page(browser, site, talonix, folder, failures):
    """index.html itself, on a 240 x 320 viewport, shows the native screen."""
    _, native_shot, _ = run_native(talonix, [], folder, clock="10:00:00.000")
    browser.send("Storage.clearDataForOrigin", origin=site.origin, storageTypes="local_storage")
    browser.load(site.origin + "/index.html?clock=10:00:00.000",
                 started="typeof Module !== 'undefined' && !!Module.talonixPage && "
                 "Module.talonixPage.idle()")
    difference = first_difference(browser.screen(), native_shot)
    if difference:
        failures.append("index.html: the screen differs: %s" % difference)
    print("%-40s %s" % ("index.html at 10:00:00.000", "FAILED" if difference else "ok"))
    # Waiting for input costs nothing: once the start has settled (the
    # service worker registered after the first picture, the WebAssembly
    # compiled and kept by the browser), the page's main thread stays idle.
    browser.evaluate("navigator.serviceWorker.ready.then(function () { return true; })")
    time.sleep(1.0)
    busy = browser.busy_seconds(2.0)
    if busy > 0.02:
        failures.append("the waiting page kept its main thread busy for %.3f s of 2 s" % busy)
    print("%-40s %s (%.1f ms busy in 2 s)" % ("no work while waiting", "FAILED" if busy > 0.02
                                              else "ok", busy * 1000))


def main():
    arguments = sys.argv[1:]
    phone_shot = None
    if len(arguments) == 4 and arguments[2] == "--phone-shot":
        phone_shot = arguments.pop()
        arguments.pop()
    if len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    talonix, web_build = arguments
    failures = []
    with tempfile.TemporaryDirectory(prefix="talonix-web-") as folder:
        site = Site(web_build, folder)
        profile = os.path.join(folder, "profile")
        os.mkdir(profile)
        browser = Browser(profile)
        try:
            browser.open_page()
            page_checks.check_first_picture(browser, site, failures)
            for case in CASES:
                check_case(browser, site, talonix, folder, case, failures)
            check_plain_page(browser, site, talonix, folder, failures)
            page_checks.check_scales(browser, site, talonix, folder, failures, phone_shot)
            page_checks.check_keys(browser, site, talonix, folder, failures)
            page_checks.check_deals(browser, site, talonix, folder, failures)
            page_checks.check_resume(browser, site, talonix, folder, failures)
            page_checks.check_records(browser, site, talonix, folder, failures)
            page_checks.check_page_texts(browser, site, failures)
            page_checks.check_failed_start(browser, site, failures)
            check_whole_game(browser, site, talonix, folder, failures)
            check_exit(browser, site, failures)
            page_checks.check_offline(browser, site, talonix, folder, failures)
        finally:
            browser.close()
            site.stop()
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

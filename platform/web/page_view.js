// SPDX-License-Identifier: MIT
// How the page shows the program: the 240 x 320 screen scaled by a whole
// number of device pixels, the keyboard's row of commands over the command
// bar, the language, the table's colour, and the service worker that keeps
// the page for playing offline. Loaded after page.js (--pre-js).
(function () {
    'use strict';
    var page = Module.talonixPage;
    var WIDTH = page.WIDTH;
    var HEIGHT = page.HEIGHT;
    // The command bar's cells (screen pixels): laid from x = 2, 23 x 22 each
    // with a one-pixel gap, from y = 1.
    var CELL = { left: 2, top: 1, width: 23, height: 22, step: 24 };
    var ROW_NAMES = { ru: 'Команды', en: 'Commands' };

    // The largest whole factor of device pixels at which the screen fits
    // the page, at least 1 (the page scrolls when even that does not fit),
    // and where the screen lies, on whole device pixels.
    function layout(ratio, pageWidth, pageHeight) {
        var width = Math.floor(pageWidth * ratio);
        var height = Math.floor(pageHeight * ratio);
        var factor = Math.max(1, Math.floor(Math.min(width / WIDTH, height / HEIGHT)));
        return {
            factor: factor,
            left: Math.max(0, Math.floor((width - WIDTH * factor) / 2)),
            top: Math.max(0, Math.floor((height - HEIGHT * factor) / 2)),
            fits: WIDTH * factor <= width && HEIGHT * factor <= height
        };
    }

    var view = {
        ratioQuery: null,

        // Scales and places the screen; again on every resize, rotation
        // and change of the device pixel ratio (zoom, another monitor).
        fit: function () {
            var ratio = window.devicePixelRatio || 1;
            var place = layout(ratio, window.innerWidth, window.innerHeight);
            // Laid out at the factor in CSS pixels, then moved and shrunk by
            // the ratio: so the browser places and scales the picture in
            // device pixels and never rounds its size to CSS pixels.
            var style = document.getElementById('stage').style;
            style.width = WIDTH * place.factor + 'px';
            style.height = HEIGHT * place.factor + 'px';
            style.transform = 'translate(' + place.left / ratio + 'px, ' + place.top / ratio +
                              'px) scale(' + 1 / ratio + ')';
            // The focus frame: two CSS pixels wide at any ratio.
            style.setProperty('--line', 2 * ratio + 'px');
            // Where the screen does not fit, a finger scrolls the page.
            document.body.style.overflow = place.fits ? 'hidden' : 'auto';
            page.canvas.style.touchAction = place.fits ? 'none' : 'pan-x pan-y';
            view.watchRatio(ratio);
        },

        watchRatio: function (ratio) {
            if (!window.matchMedia) {
                return;
            }
            if (view.ratioQuery) {
                view.ratioQuery.removeListener(view.fit);
            }
            view.ratioQuery = window.matchMedia('(resolution: ' + ratio + 'dppx)');
            view.ratioQuery.addListener(view.fit);
        },

        // One button per command bar button, over its cell: reached with
        // F10 or Tab, moved along with the arrows, pressed with Enter or
        // Space as a tap on the cell. The pen passes through them.
        buildCommandRow: function () {
            var row = document.getElementById('commands');
            for (var i = 0; i < 7; ++i) {
                var button = document.createElement('button');
                button.type = 'button';
                button.style.left = (CELL.left + CELL.step * i) * 100 / WIDTH + '%';
                button.style.top = CELL.top * 100 / HEIGHT + '%';
                button.style.width = CELL.width * 100 / WIDTH + '%';
                button.style.height = CELL.height * 100 / HEIGHT + '%';
                button.addEventListener('click', view.pressCommand.bind(null, i));
                row.appendChild(button);
            }
        },

        pressCommand: function (index, event) {
            var x = CELL.left + CELL.step * index + (CELL.width >> 1);
            var y = CELL.top + (CELL.height >> 1);
            var time = Math.floor(event.timeStamp);
            // Keys go back to the game: a dialog the command opens has them.
            page.canvas.focus();
            page.post({ type: page.PEN_DOWN, x: x, y: y, time: time });
            page.post({ type: page.PEN_UP, x: x, y: y, time: time });
        },

        // Keys while a button of the row has the focus; false for a key
        // that goes to the game as usual.
        commandKey: function (event) {
            var buttons = Array.prototype.slice.call(document.querySelectorAll('#commands button'));
            var at = buttons.indexOf(event.target);
            var moves = { ArrowLeft: at - 1, ArrowRight: at + 1, Home: 0, End: buttons.length - 1 };
            if (at < 0 || event.altKey || event.ctrlKey || event.metaKey) {
                return false;
            }
            if (moves.hasOwnProperty(event.key)) {
                buttons[(moves[event.key] + buttons.length) % buttons.length].focus();
                event.preventDefault();
                return true;
            }
            if (event.key === 'Escape') {
                page.canvas.focus();
                event.preventDefault();
                return true;
            }
            // Enter and Space press the button and Tab moves on, as always.
            return event.key === 'Enter' || event.key === ' ' || event.key === 'Tab';
        },

        focusCommands: function () {
            document.querySelector('#commands button').focus();
        },

        // The interface language: the page's own, and the names of the row.
        setLanguage: function (code, names) {
            document.documentElement.lang = code;
            document.getElementById('commands').setAttribute('aria-label', ROW_NAMES[code]);
            var buttons = document.querySelectorAll('#commands button');
            for (var i = 0; i < buttons.length && i < names.length; ++i) {
                buttons[i].setAttribute('aria-label', names[i]);
            }
        },

        // The page, and the browser's bars, take the table's colour.
        setBackdrop: function (colour) {
            document.body.style.background = colour;
            var theme = document.querySelector('meta[name="theme-color"]');
            if (theme) {
                theme.content = colour;
            }
        },

        // The first picture: the loading mark goes, and the service worker
        // is registered (not earlier, so that it does not slow the start)
        // and asked to look for a new build.
        firstPicture: function () {
            page.firstPictureAt = performance.now();
            var loading = document.getElementById('loading');
            if (loading) {
                loading.style.display = 'none';
            }
            if ('serviceWorker' in navigator) {
                navigator.serviceWorker.register('sw.js').then(function (registration) {
                    return registration.update();
                }).catch(function () {});
            }
        },

        // The script or the WebAssembly failed: the page says so (in both
        // languages, as the program's language is not known yet).
        failed: function () {
            if (window.talonixFailed) {
                window.talonixFailed('start');
            }
        },

        start: function () {
            view.buildCommandRow();
            if (/[?&]lang=en\b/.test(window.location.search)) {
                document.documentElement.lang = 'en';
            }
            view.fit();
            window.addEventListener('resize', view.fit);
        }
    };

    page.view = view;
    Module.onAbort = view.failed;
    // A WebAssembly that cannot be fetched ends in a promise that nobody
    // catches: before the first picture, that is a start that failed.
    window.addEventListener('unhandledrejection', function () {
        if (page.firstPictureAt === null) {
            view.failed();
        }
    });
})();

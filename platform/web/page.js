// SPDX-License-Identifier: MIT
// The page around the program: the browser's events queued for the
// program, the settings, the game in progress and the game records in local
// storage, and the closed table at Exit (with what the program said, when it refused to
// start). The command line comes from the address (page_query.cpp). How the screen is shown is page_view.js.
// Loaded before the program's own JavaScript (--pre-js).
var Module = typeof Module !== 'undefined' ? Module : {};

(function () {
    'use strict';
    var WIDTH = 240;
    var HEIGHT = 320;
    var SETTINGS_KEY = 'talonix/settings.reg';
    // The game in progress, where the program keeps it (records/resume.cpp:
    // the state folder under the home folder the runtime gives), and its
    // copy in local storage.
    var GAME_KEY = 'talonix/game.txt';
    var GAME_FOLDER = '/home/web_user/.local/state/talonix';
    var GAME_FILE = GAME_FOLDER + '/game.txt';
    // The game records (one file a month under the data folder), each month
    // in a local storage item of its own: the newest months first, as many
    // as fit in RECORDS_BUDGET characters. A month that does not fit is
    // dropped from local storage with all older ones (the program keeps them
    // until the page goes).
    var RECORDS_KEY = 'talonix/games/';
    var RECORDS_FOLDER = '/home/web_user/.local/share/talonix/games';
    var RECORDS_BUDGET = 2000000;
    var MONTH_FILE = /^[0-9]{4}-[0-9]{2}[.]txt$/;
    // Event codes shared with platform/web/web_backend.cpp.
    var PEN_DOWN = 1, PEN_UP = 2, PEN_MOVE = 3, PEN_LEAVE = 4, KEY = 5, CHARACTER = 6, WHEEL = 7;

    // The keys the program and its dialogs use, as virtual keys, by their
    // place on the keyboard (so Alt+N works with any layout).
    var VIRTUAL_KEYS = {
        Enter: 0x0D, NumpadEnter: 0x0D, Escape: 0x1B, Tab: 0x09, Space: 0x20, Backspace: 0x08,
        ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28,
        Home: 0x24, End: 0x23, PageUp: 0x21, PageDown: 0x22, F1: 0x70, F4: 0x73, Digit0: 0x30
    };
    function virtualKey(code) {
        var match = /^Key([A-Z])$/.exec(code) || /^Digit([1-9])$/.exec(code);
        if (match) {
            return match[1].charCodeAt(0);
        }
        return VIRTUAL_KEYS.hasOwnProperty(code) ? VIRTUAL_KEYS[code] : 0;
    }

    // What the game takes with Control, as in the desktop window: Ctrl+N a
    // new game, Ctrl+O the options, Ctrl+T the statistics.
    var CONTROL_KEYS = /^Key[NOT]$/;

    var page = {
        WIDTH: WIDTH,
        HEIGHT: HEIGHT,
        PEN_DOWN: PEN_DOWN,
        PEN_UP: PEN_UP,
        queue: [],
        wake: null,
        waiting: false,
        canvas: null,
        context: null,
        image: null,

        post: function (event) {
            page.queue.push(event);
            if (page.wake) {
                var wake = page.wake;
                page.wake = null;
                wake();
            }
        },

        // Awaited by the program when it has nothing left to do.
        nextEvent: async function (out) {
            while (page.queue.length === 0) {
                page.keep();
                page.waiting = true;
                await new Promise(function (resolve) { page.wake = resolve; });
                page.waiting = false;
            }
            var event = page.queue.shift();
            var base = out >> 2;
            HEAP32[base] = event.type;
            HEAP32[base + 1] = event.x || 0;
            HEAP32[base + 2] = event.y || 0;
            HEAP32[base + 3] = event.key || 0;
            HEAP32[base + 4] = event.alt ? 1 : 0;
            HEAPU32[base + 5] = event.time >>> 0;
            HEAP32[base + 6] = event.control ? 1 : 0;
        },

        // Awaited while the program shows a step of its answer: until the
        // time is up or an event comes. The number of events queued.
        pause: async function (ms) {
            if (page.queue.length === 0) {
                await new Promise(function (resolve) {
                    var timer = setTimeout(function () {
                        page.wake = null;
                        resolve();
                    }, ms);
                    page.wake = function () {
                        clearTimeout(timer);
                        resolve();
                    };
                });
            }
            return page.queue.length;
        },

        // Whether the program waits for input with nothing queued.
        idle: function () {
            return page.waiting && page.queue.length === 0;
        },

        show: function (pixels, width, height) {
            if (width !== WIDTH || height !== HEIGHT || !page.context) {
                return;
            }
            var words = HEAPU32.subarray(pixels >> 2, (pixels >> 2) + width * height);
            var bytes = page.image.data;
            for (var i = 0; i < words.length; ++i) {
                var word = words[i];
                bytes[4 * i] = (word >>> 16) & 0xFF;
                bytes[4 * i + 1] = (word >>> 8) & 0xFF;
                bytes[4 * i + 2] = word & 0xFF;
                bytes[4 * i + 3] = 0xFF;
            }
            page.context.putImageData(page.image, 0, 0);
            if (page.firstPictureAt === null) {
                page.view.firstPicture();
            }
        },
        // When the first picture was shown (milliseconds since the page's
        // navigation began).
        firstPictureAt: null,

        // The last message box that closed, for whoever watches the page.
        lastMessageBox: null,
        messageBoxClosed: function (text, result) {
            page.lastMessageBox = { text: text, result: result };
        },

        // A copy of the text on the program's heap, for it to free; 0 for
        // none.
        copy: function (text) {
            if (text === null) {
                return 0;
            }
            var size = lengthBytesUTF8(text) + 1;
            var copy = _malloc(size);
            stringToUTF8(text, copy, size);
            return copy;
        },

        stored: function (key) {
            try {
                return window.localStorage.getItem(key);
            } catch (e) {
                return null;
            }
        },

        loadSettings: function () {
            return page.copy(page.stored(SETTINGS_KEY));
        },

        query: function () {
            return page.copy(window.location.search);
        },

        saveSettings: function (text) {
            try {
                window.localStorage.setItem(SETTINGS_KEY, text);
                return true;
            } catch (e) {
                return false;
            }
        },

        // The program writes the game afresh (a new file renamed over the
        // old one) whenever it changes: a file not seen yet is copied to
        // local storage. Called whenever the program waits, and when the
        // page is hidden or left.
        keptFile: null,
        keepGame: function () {
            var info;
            try {
                info = FS.stat(GAME_FILE);
            } catch (e) {
                return; // no game kept yet
            }
            if (page.keptFile === info.ino) {
                return;
            }
            try {
                window.localStorage.setItem(GAME_KEY, FS.readFile(GAME_FILE, { encoding: 'utf8' }));
                page.keptFile = info.ino;
            } catch (e) {
                // No room, or no storage: the next change tries again.
            }
        },

        // The month files, newest first; none before the first record.
        recordFiles: function () {
            try {
                return FS.readdir(RECORDS_FOLDER).filter(function (name) {
                    return MONTH_FILE.test(name);
                }).sort().reverse();
            } catch (e) {
                return [];
            }
        },
        // What a month file was when last copied ('size/time'), and the
        // length copied, by its name.
        recordsSeen: {},
        recordsKept: {},
        seenRecord: function (name) {
            var info = FS.stat(RECORDS_FOLDER + '/' + name);
            return info.size + '/' + (+info.mtime);
        },
        keepRecords: function () {
            var room = RECORDS_BUDGET;
            page.recordFiles().forEach(function (name) {
                var key = RECORDS_KEY + name;
                var seen = page.seenRecord(name);
                if (room > 0 && page.recordsSeen[name] !== seen) {
                    var text = FS.readFile(RECORDS_FOLDER + '/' + name, { encoding: 'utf8' });
                    try {
                        if (text.length > room) {
                            throw text;
                        }
                        window.localStorage.setItem(key, text);
                        page.recordsSeen[name] = seen;
                        page.recordsKept[name] = text.length;
                    } catch (e) {
                        room = 0; // no room: this month and older ones go
                    }
                }
                if (room > 0) {
                    room -= page.recordsKept[name] || 0;
                } else {
                    delete page.recordsSeen[name];
                    try {
                        window.localStorage.removeItem(key);
                    } catch (e) {
                        // No storage.
                    }
                }
            });
        },
        keep: function () {
            page.keepGame();
            page.keepRecords();
        },
        // Before the program starts: the months of records kept by the last
        // visits, where the program writes them.
        restoreRecords: function () {
            try {
                for (var i = 0; i < window.localStorage.length; ++i) {
                    var key = window.localStorage.key(i);
                    var name = key.slice(RECORDS_KEY.length);
                    if (key.indexOf(RECORDS_KEY) === 0 && MONTH_FILE.test(name)) {
                        var text = window.localStorage.getItem(key);
                        FS.mkdirTree(RECORDS_FOLDER);
                        FS.writeFile(RECORDS_FOLDER + '/' + name, text);
                        page.recordsSeen[name] = page.seenRecord(name);
                        page.recordsKept[name] = text.length;
                    }
                }
            } catch (e) {
                // No storage: the program starts without its records.
            }
        },

        // Before the program starts: the game kept by the last visit, where
        // the program looks for it.
        restoreGame: function () {
            var text = page.stored(GAME_KEY);
            if (text === null) {
                return;
            }
            try {
                FS.mkdirTree(GAME_FOLDER);
                FS.writeFile(GAME_FILE, text);
                page.keptFile = FS.stat(GAME_FILE).ino;
            } catch (e) {
                // The program starts a new game.
            }
        },

        // A pointer position in screen pixels.
        at: function (event) {
            var box = page.canvas.getBoundingClientRect();
            return {
                x: Math.floor((event.clientX - box.left) * WIDTH / box.width),
                y: Math.floor((event.clientY - box.top) * HEIGHT / box.height)
            };
        },

        pen: function (type, event) {
            var point = page.at(event);
            page.post({ type: type, x: point.x, y: point.y, time: Math.floor(event.timeStamp) });
        },

        listen: function () {
            var canvas = page.canvas;
            canvas.addEventListener('pointerdown', function (event) {
                if (event.button !== 0) {
                    return;
                }
                event.preventDefault();
                canvas.focus();
                canvas.setPointerCapture(event.pointerId);
                page.pen(PEN_DOWN, event);
            });
            canvas.addEventListener('pointerup', function (event) {
                if (event.button !== 0) {
                    return;
                }
                event.preventDefault();
                page.pen(PEN_UP, event);
            });
            canvas.addEventListener('pointercancel', function (event) {
                page.pen(PEN_UP, event);
            });
            canvas.addEventListener('pointermove', function (event) {
                page.pen(PEN_MOVE, event);
            });
            canvas.addEventListener('pointerleave', function () {
                page.post({ type: PEN_LEAVE });
            });
            canvas.addEventListener('wheel', function (event) {
                event.preventDefault();
                var lines = event.deltaMode === 0 ? event.deltaY / 100 : event.deltaY;
                lines = -Math.sign(lines) * Math.max(1, Math.round(Math.abs(lines)));
                if (lines !== 0) {
                    var point = page.at(event);
                    page.post({ type: WHEEL, x: point.x, y: point.y, key: lines });
                }
            }, { passive: false });
            // A long press is the game's, not the browser's menu (but for
            // the links of the notices).
            document.addEventListener('contextmenu', function (event) {
                if (!event.target.closest || !event.target.closest('.notice')) {
                    event.preventDefault();
                }
            });
            window.addEventListener('keydown', page.keyDown);
            window.addEventListener('pagehide', page.keep);
            document.addEventListener('visibilitychange', function () {
                if (document.visibilityState === 'hidden') {
                    page.keep();
                }
            });
        },

        keyDown: function (event) {
            if (page.view.commandKey(event)) {
                return;
            }
            var plain = !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey;
            if (event.code === 'F10' && plain) {
                page.view.focusCommands();
                event.preventDefault();
                return;
            }
            if (event.ctrlKey || event.metaKey) {
                // The browser's own shortcuts, but for the game's three.
                if (event.ctrlKey && !event.metaKey && !event.altKey && !event.shiftKey &&
                    CONTROL_KEYS.test(event.code)) {
                    page.post({ type: KEY, key: virtualKey(event.code), control: true });
                    event.preventDefault();
                }
                return;
            }
            var handled = false;
            var key = virtualKey(event.code);
            if (key) {
                page.post({ type: KEY, key: key, alt: event.altKey });
                handled = true;
            } else if (event.altKey && event.key.length === 1 && event.key > ' ' &&
                       event.key < '\x7F') {
                // With Alt held no text arrives: Alt+/ opens About.
                page.post({ type: CHARACTER, key: event.key.charCodeAt(0), alt: true });
                handled = true;
            }
            // Typed text, one UTF-16 unit at a time, after its key.
            if (!event.altKey && Array.from(event.key).length === 1 &&
                event.key.codePointAt(0) >= 0x20) {
                for (var i = 0; i < event.key.length; ++i) {
                    page.post({ type: CHARACTER, key: event.key.charCodeAt(i) });
                }
                handled = true;
            }
            if (handled) {
                event.preventDefault();
            }
        },

        // Exit: the table is closed, and the link starts a new run.
        closed: function () {
            var closed = document.getElementById('closed');
            if (closed) {
                var said = document.getElementById('said');
                if (said) {
                    said.textContent = page.said.join('\n');
                }
                closed.style.display = 'flex';
            }
        },
        // What the program wrote to its error stream ("talonix: --deal ...:
        // the deal number is mistyped"), without its name.
        said: [],

        // The program waits for its first event inside main; once main
        // returns (Exit), the table closes.
        started: function () {
            if (typeof Asyncify !== 'undefined' && Asyncify.currData) {
                Asyncify.whenDone().then(page.closed, page.closed);
            } else {
                page.closed();
            }
        },

        start: function () {
            page.canvas = document.getElementById('screen');
            page.canvas.width = WIDTH;
            page.canvas.height = HEIGHT;
            page.context = page.canvas.getContext('2d');
            page.image = page.context.createImageData(WIDTH, HEIGHT);
            page.view.start();
            page.listen();
            page.restoreGame();
            page.restoreRecords();
        }
    };

    Module.talonixPage = page;
    Module.preRun = (Module.preRun || []).concat([page.start]);
    Module.postRun = (Module.postRun || []).concat([page.started]);
    Module.print = function (text) { console.log(text); };
    Module.printErr = function (text) {
        console.warn(text);
        page.said.push(text.replace(/^talonix: /, ''));
    };
})();

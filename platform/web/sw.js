// SPDX-License-Identifier: MIT
// The page's service worker: keeps this build's files so that the game
// starts and plays with no network once it has loaded once. The build
// writes its version in (a hash of the page's files), so a new build served
// is a new worker: it fetches the new files, takes over and drops the old
// ones; the page loaded next is the new build.
'use strict';
var CACHE = 'talonix-@TALONIX_PAGE_VERSION@';
var FILES = ['./', 'index.html', 'index.js', 'index.wasm', 'manifest.webmanifest',
             @TALONIX_PAGE_ICONS@];

self.addEventListener('install', function (event) {
    // Past the browser's HTTP cache, which may still hold the old build.
    event.waitUntil(caches.open(CACHE).then(function (cache) {
        return cache.addAll(FILES.map(function (file) {
            return new Request(file, { cache: 'reload' });
        }));
    }).then(function () {
        return self.skipWaiting();
    }));
});

self.addEventListener('activate', function (event) {
    event.waitUntil(caches.keys().then(function (names) {
        return Promise.all(names.filter(function (name) {
            return name.indexOf('talonix-') === 0 && name !== CACHE;
        }).map(function (name) {
            return caches.delete(name);
        }));
    }).then(function () {
        return self.clients.claim();
    }));
});

// The kept copy first (whatever the query: it is the command line); what
// is not kept comes from the network and is kept from then on.
self.addEventListener('fetch', function (event) {
    var request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
        return;
    }
    event.respondWith(caches.open(CACHE).then(function (cache) {
        return cache.match(request, { ignoreSearch: true }).then(function (kept) {
            return kept || fetch(request).then(function (response) {
                if (response.ok) {
                    cache.put(request, response.clone());
                }
                return response;
            });
        });
    }));
});

// SPDX-License-Identifier: GPL-3.0-or-later
// The site offline. Every file its pages load is kept at the first visit;
// each request then goes to the network first, so a visitor who is online
// always gets the newest build, and the kept copy answers without a network.
// The build writes the version and the list of files.
'use strict';

const VERSION = '@VERSION@';
const FILES = ['./', @FILES@];
const CACHE = `resistances-${VERSION}`;

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE)
        .then((cache) => cache.addAll(FILES))
        .then(() => self.skipWaiting()));
});

// A new build's worker drops what the one before kept.
self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names
            .filter((name) => name.startsWith('resistances-') && name !== CACHE)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') {
        return;
    }
    event.respondWith(fetch(event.request)
        .then((response) => {
            if (response.ok) {
                const copy = response.clone();
                event.waitUntil(caches.open(CACHE).then((cache) => cache.put(event.request, copy)));
            }
            return response;
        })
        .catch(() => caches.open(CACHE)
            .then((cache) => cache.match(event.request, { ignoreSearch: true }))
            .then((kept) => kept || Response.error())));
});

// The site kept for offline play: every file of one version in one cache named after it. The
// page asks for each file with ?v=VERSION, so a page is served whole from the version it was
// made with. Pages come from the network while it answers, so an update shows at once; without
// it, from the newest version kept. A new version replaces the old cache as a whole.
'use strict';
const VERSION = '@VERSION@';
const CACHE = 'brunival-' + VERSION;
const FILES = [@SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
      .then((cache) => cache.addAll(['./', ...FILES.map((name) => name + '?v=' + VERSION)]))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith('brunival-') &&
                                                          name !== CACHE)
                                        .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

function fromCache(request, options) {
  return caches.open(CACHE).then((cache) => cache.match(request, options))
      .then((response) => response || Response.error());
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  if (request.mode === 'navigate') {
    event.respondWith(fetch(request).catch(() => fromCache('./')));
    return;
  }
  // Versioned files never change; the icons and the manifest the browser asks for by bare name.
  event.respondWith(caches.match(request).then((response) => response || fetch(request))
      .catch(() => fromCache(request, { ignoreSearch: true })));
});

// The site played offline, once it has been visited, and always one
// release whole. A worker installs with its release's every file, fetched
// past the browser's HTTP cache into a cache of its own; if any file fails
// the install fails, and the release before stays. From then on it answers
// the site's files from that cache alone, never from another release's, so
// a page cannot mix two. A new release comes with a new worker: it takes
// over at once, and the next load is the new release.
'use strict';

const kRelease = '@PROJECT_VERSION@';
const kFiles = ['./', @BLACKJACK_SITE_FILES@];
// Named for the scope too, so that another copy of the site on the same
// origin keeps its own.
const kPrefix = `blackjack ${self.registration.scope} `;
const kCache = kPrefix + kRelease;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache)
    .then((cache) => cache.addAll(
      kFiles.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

// Earlier releases named their caches blackjack-VERSION, whatever the scope.
const earlier = (name) => /^blackjack-\d/.test(name);

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => (name.startsWith(kPrefix) && name !== kCache) ||
        earlier(name))
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// A site's file by its path alone: the page asked for with a seed is the
// page, and a file's ?v= is this release's.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  const url = new URL(request.url);
  url.search = '';
  const file = url.href.startsWith(self.registration.scope)
    ? url.href.slice(self.registration.scope.length) || './' : null;
  if (request.method !== 'GET' || !kFiles.includes(file)) {
    return;
  }
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(url.href))
    .then((kept) => kept || fetch(request)));
});

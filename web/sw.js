// The site played offline, once it has been visited. Every request goes
// to the network first, and what comes back is kept; with no network the
// kept copy answers, so a new release plays as soon as it can be fetched.
// The cache is named after the release, and a new release's worker deletes
// the caches of the others.
'use strict';

const kCache = 'blackjack-@PROJECT_VERSION@';
const kSite = ['./', 'index.html', 'page.js', 'style.css', 'blackjack.js',
  'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png',
  'LICENSE.txt'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache)
    .then((cache) => cache.addAll(kSite))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('blackjack-') && name !== kCache)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// A page asked for with a seed is the same file as without one.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET') {
    return;
  }
  event.respondWith(fetch(request)
    .then((response) => {
      if (response.ok) {
        const copy = response.clone();
        event.waitUntil(caches.open(kCache)
          .then((cache) => cache.put(request, copy)));
      }
      return response;
    })
    .catch(() => caches.match(request, { ignoreSearch: true })
      .then((kept) => kept || Response.error())));
});

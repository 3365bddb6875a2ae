// Keeps the site for play without a network: every answer from the network
// is kept, and offline the kept one is given.
const CACHE = 'zembal-site';
const SITE = ['./', 'index.html', 'style.css', 'page.js', 'zembal.js', 'zembal.wasm',
  'manifest.webmanifest', 'sounds/click.wav', 'sounds/level-start.wav', 'sounds/level-done.wav',
  'sounds/life-lost.wav', 'icons/zembal.ico', 'icons/exit.ico', 'icons/display-options.ico',
  'icons/play.ico', 'icons/pause.ico', 'icons/save-hint.ico', 'icons/open.ico', 'icons/save.ico',
  'icons/zembal-192.png', 'icons/zembal-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(SITE)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(fetch(event.request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then((cache) => cache.put(event.request, copy));
    }
    return response;
  }).catch(() => caches.match(event.request, { ignoreSearch: true })
    .then((kept) => kept || Promise.reject(new Error('offline')))));
});

// Keeps the page and its core for use with no network. The network is asked
// first, so a new build replaces the cached one on the next visit; the cache
// answers only when the network cannot. build-web stamps each build's name in.
const kCache = 'tambrelox-@BUILD@';
const kFiles = ['./', 'index.html', 'app.js', 'catalogue_view.js', 'catalogue_rows.js',
  'catalogue_worker.js', 'style.css', 'tambrelox_core.js', 'tambrelox_core.wasm',
  'manifest.webmanifest', 'tambrelox.svg', 'tambrelox-192.png', 'tambrelox-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles))
    .then(() => self.skipWaiting()));
});

// Earlier builds' caches go as soon as this build takes over.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== kCache)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

async function answer(request) {
  try {
    const response = await fetch(request, { cache: 'no-cache' });
    if (response.ok) (await caches.open(kCache)).put(request, response.clone());
    return response;
  } catch (offline) {
    const cached = await caches.match(request, { ignoreSearch: true });
    if (cached) return cached;
    throw offline;
  }
}

self.addEventListener('fetch', (event) => {
  if (event.request.method === 'GET' && new URL(event.request.url).origin === self.location.origin) {
    event.respondWith(answer(event.request));
  }
});

// What every browser test needs: a folder served over HTTP on a free local
// port, as a static web host serves it, and Debian's Chromium, headless, with
// a profile of its own (so IndexedDB starts empty and outlives a reload).
'use strict';
const http = require('http');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.ttf': 'font/ttf', '.png': 'image/png', '.txt': 'text/plain; charset=utf-8',
};

// Resolves to { url, close() } once the folder is served, with pages of
// the test's own besides ({ '/name.html': text }).
function serve(folder, pages = {}) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (pages[name]) {
      response.writeHead(200, { 'Content-Type': types['.html'] }).end(pages[name]);
      return;
    }
    const file = path.join(folder, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () =>
    resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() })));
}

// A browser with a profile of its own, removed when it closes, or with the
// profile given, which stays.
async function launch(keptProfile) {
  const profile = keptProfile || fs.mkdtempSync(path.join(os.tmpdir(), 'zentap3-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    viewport: { width: 1024, height: 768 },
    args: ['--enable-unsafe-swiftshader', '--use-angle=swiftshader'],
  });
  const close = context.close.bind(context);
  context.close = async () => {
    await close();
    if (!keptProfile)
      fs.rmSync(profile, { recursive: true, force: true });
  };
  return context;
}

// Fails the test with a message.
function fail(message) {
  console.error(`FAIL: ${message}`);
  process.exit(1);
}

// Polls until check() gives something truthy, for at most seconds; gives it.
async function waitFor(seconds, check) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end;) {
    const value = await check();
    if (value)
      return value;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return null;
}

// Until the game's main window is first painted; when, in ms from loading.
const painted = (page) => waitFor(60, () => page.evaluate(() => window.zentapFirstPaint));

// Enter closes a box, as often as it takes until check() holds.
const enterUntil = (page, check) => waitFor(30, async () => {
  await page.keyboard.press('Enter');
  return check();
});

// The very first start: the load error answered once the game runs, until
// the main window shows; false if it never does.
async function pastLoadError(page) {
  await waitFor(60, () => page.evaluate(() => game.calledRun));
  return enterUntil(page, () => page.evaluate(() => window.zentapFirstPaint));
}

module.exports = { serve, launch, fail, waitFor, painted, enterUntil, pastLoadError };

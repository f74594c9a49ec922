// What a player of the browser build downloads (each file as served, and
// compressed as a web host would send it) and waits for: from loading the
// page to the main window's first paint, served locally, on a visit with
// hs.hsd already kept (the first visit shows the load error first), five
// times in fresh profiles. Usage: web_download_and_first_paint.js <site>
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { serve, launch, fail, painted, pastLoadError } = require('../tests/web/browser');

const site = path.resolve(process.argv[2]);
const files = ['index.html', 'page.js', 'zentap3.js', 'zentap3.wasm', 'fonts/ipagp.ttf', 'icon.png'];
const megabytes = (bytes) => (bytes / 1e6).toFixed(2).padStart(6);

let plain = 0, gzip = 0, brotli = 0;
console.log('== What a player downloads (MB: as served, gzip -9, brotli -11)');
for (const file of files) {
  const bytes = fs.readFileSync(path.join(site, file));
  const sizes = [bytes.length, zlib.gzipSync(bytes, { level: 9 }).length,
    zlib.brotliCompressSync(bytes, { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11 } }).length];
  [plain, gzip, brotli] = [plain + sizes[0], gzip + sizes[1], brotli + sizes[2]];
  console.log(`${file.padEnd(18)}${sizes.map(megabytes).join('')}`);
}
console.log(`${'all'.padEnd(18)}${[plain, gzip, brotli].map(megabytes).join('')}`);

(async () => {
  const server = await serve(site);
  const times = [];
  for (let run = 0; run < 5; ++run) {
    const browser = await launch();
    const page = await browser.newPage();
    await page.goto(server.url);
    // The first visit, which keeps the default table once the load error
    // is answered, and the visit after it, which is measured.
    if (!await pastLoadError(page))
      fail('the main window never showed after the load error');
    await page.evaluate(() => game.zentapStored());
    await page.reload();
    const paint = await painted(page);
    if (!paint)
      fail('the main window was never painted');
    times.push(paint);
    await browser.close();
  }
  server.close();
  times.sort((a, b) => a - b);
  console.log('\n== Page load to the main window painted, hs.hsd kept (ms, five fresh profiles)');
  console.log(`median ${times[2].toFixed(0)}, fastest ${times[0].toFixed(0)}, slowest ${times[4].toFixed(0)}`);
})().catch((error) => fail(error.stack));

// A player's first visits to the browser build, in Chromium: the load error
// on the very first start and the default table kept; a game to level 1 and
// a name typed, kept through a reload and a new start of the browser; a
// Japanese table loaded from a file and shown; two tabs, one entering its
// score, with a name pasted, into the table the other kept; and a damaged
// table loaded, reported and kept as a backup.
// Each hs.hsd is downloaded through the page and compared byte for byte.
// Usage: first_visits.js <site folder> <folder for screenshots>
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { PNG } = require('pngjs');
const { serve, launch, fail, waitFor, painted, enterUntil, pastLoadError } = require('./browser');

const artefacts = path.resolve(process.argv[3]);
const defaultTable = Buffer.from('0,None\r\n0,None\r\n0,None\r\n');
const RED = '255,0,0', BLUE = '0,0,255', WHITE = '255,255,255';
const FIELD_X = 125;  // a column of the play field, in the main window

// The colour of each pixel of a part of the page, as "r,g,b".
async function colours(page, clip) {
  const png = PNG.sync.read(await page.screenshot({ clip }));
  return (x, y) => Array.from(png.data.subarray((y * png.width + x) * 4, (y * png.width + x) * 4 + 3)).join(',');
}

// The main window's inside on the page: the upper yellow line of the hit
// zone starts at 120,198 in it.
async function mainWindow(page) {
  const size = page.viewportSize();
  const at = await colours(page, { x: 0, y: 0, width: size.width, height: size.height });
  for (let y = 0; y < size.height; ++y) {
    for (let x = 0; x < size.width; ++x) {
      if (at(x, y) === '255,255,0')
        return { x: x - 120, y: y - 198 };
    }
  }
  return fail('no main window on the page');
}

// Start!, ten good presses, each on a target in the hit zone with the button
// of its colour, and the level shows 1; then Give Up and the game-over box.
async function playToLevelOne(page, window) {
  // Qt in a browser sends a press to the widget the pointer has last been
  // seen over, a frame or so after it moved: a player's hand moves, and so
  // does the test's, a moment before it presses.
  const press = async (x, y, button = 'left') => {
    await page.mouse.move(window.x + x, window.y + y);
    await page.waitForTimeout(80);
    await page.mouse.click(window.x + x + 1, window.y + y + 1, { button });
  };
  const field = () => colours(page, { x: window.x + FIELD_X, y: window.y, width: 1, height: 258 });
  await press(275, 225);  // Start!
  for (let good = 0; good < 10;) {
    // Looked at as often as the browser gives a picture: a target crosses
    // the zone in a few ticks.
    let target = null;
    for (const end = Date.now() + 10000; !target && Date.now() < end;) {
      const at = await field();
      for (let y = 100; y < 258 && !target; ++y) {
        if (at(0, y) === RED || at(0, y) === BLUE)
          target = y >= 163 && y <= 185 ? { top: y, colour: at(0, y) } : 'above';
      }
      target = target === 'above' ? null : target;
    }
    if (!target)
      fail('no target reached the hit zone within 10 s');
    await press(FIELD_X, target.top + 22, target.colour === RED ? 'left' : 'right');
    const at = await field();
    if (at(0, target.top + 20) === WHITE && at(0, target.top + 30) === WHITE)
      ++good;
  }
  const levelOne = await waitFor(10, async () => (await colours(page,
    { x: window.x + 62, y: window.y + 45, width: 1, height: 1 }))(0, 0) === BLUE);
  if (!levelOne)
    fail('ten good presses did not make level 1');
  await press(275, 145);  // Give Up
  await page.waitForTimeout(500);
  await page.keyboard.press('Enter');  // the game-over box
}

// hs.hsd or a backup, as the page's download gives it.
async function downloaded(page, name) {
  await page.evaluate(() => { document.getElementById('files').open = false; });
  await page.click('#files summary');
  const button = page.getByRole('button', { name: new RegExp(`^${name.replace(/\./g, '\\.')} \\(`) });
  const [download] = await Promise.all([page.waitForEvent('download'), button.click()]);
  const bytes = fs.readFileSync(await download.path());
  await page.click('#files summary');
  return bytes;
}

function expectFile(bytes, expected, what) {
  if (!Buffer.from(expected).equals(bytes))
    fail(`${what}: ${JSON.stringify(bytes.toString('latin1'))}, not ${JSON.stringify(expected.toString('latin1'))}`);
}

async function open(browser, url) {
  const page = await browser.newPage();
  page.on('pageerror', (error) => error.message === 'unwind' || console.error('page error:', error.message));
  await page.goto(url);
  return page;
}
const stored = (page) => page.evaluate(() => game.zentapStored());
const shot = (page, name) => page.screenshot({ path: path.join(artefacts, `${name}.png`) });
const names = (page) => page.evaluate(() => game.zentapFiles().map((file) => file.name).sort().join(' '));
const bring = (page, bytes) => page.setInputFiles('#bring-in', { name: 'hs.hsd', mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });

(async () => {
  fs.mkdirSync(artefacts, { recursive: true });
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zentap3-profile-'));
  const server = await serve(path.resolve(process.argv[2]));
  let browser = await launch(profile);
  let page = await open(browser, server.url);

  // The very first start: the load error, then the default table.
  await waitFor(60, () => page.evaluate(() => game.calledRun));
  await page.waitForTimeout(2000);
  await shot(page, '1-load-error');
  if (!await pastLoadError(page))
    fail('the main window never showed after the load error');
  expectFile(await downloaded(page, 'hs.hsd'), defaultTable, 'hs.hsd after the first start');

  // A game to level 1, the name window, a name and OK.
  await playToLevelOne(page, await mainWindow(page));
  await page.waitForTimeout(1000);
  await shot(page, '2-name-entry');
  await page.keyboard.type('Taro');
  await page.keyboard.press('Enter');
  // Since the first start, memory has held the default table as "none".
  const taro = Buffer.from('1,Taro\r\n0,none\r\n0,none\r\n');
  if (!await waitFor(10, async () => taro.equals(await downloaded(page, 'hs.hsd'))))
    fail('OK did not put Taro in hs.hsd');
  await stored(page);

  // Kept through a reload and a new start of the browser.
  await page.reload();
  await painted(page);
  expectFile(await downloaded(page, 'hs.hsd'), taro, 'hs.hsd after a reload');
  await browser.close();
  browser = await launch(profile);
  page = await open(browser, server.url);
  await painted(page);
  expectFile(await downloaded(page, 'hs.hsd'), taro, 'hs.hsd after the browser started again');
  await shot(page, '3-after-restart');

  // A Japanese table from a file: 名無し, ① and ～ as Windows writes them.
  const japanese = Buffer.from('9,\x96\xbc\x96\xb3\x82\xb5\r\n5,Taro\r\n0,\x87\x40\x81\x60\r\n', 'latin1');
  await bring(page, japanese);
  if (!await waitFor(10, async () => japanese.equals(await downloaded(page, 'hs.hsd'))))
    fail('the Japanese table was not taken');
  if (await names(page) !== 'hs.hsd')
    fail(`a table of the game's own was set aside: ${await names(page)}`);
  await page.waitForTimeout(500);
  await shot(page, '4-japanese-table');

  // Two tabs: a table brought in one reaches the other, whose game (ranked
  // against the Japanese table it loaded) then enters the table as it
  // stands with its own score, and that reaches the first.
  const second = await open(browser, server.url);
  await painted(second);
  const ken = Buffer.from('7,Ken\r\n0,Rie\r\n0,Aya\r\n');
  await bring(page, ken);
  if (!await waitFor(10, async () => ken.equals(await downloaded(second, 'hs.hsd'))))
    fail('a table brought in one tab did not reach the other');
  await playToLevelOne(second, await mainWindow(second));
  await second.waitForTimeout(1000);
  // The name pasted this time: its line end is dropped, as on the desktop.
  await browser.grantPermissions(['clipboard-read', 'clipboard-write']);
  await second.evaluate(() => navigator.clipboard.writeText('Ji\r\nro'));
  await second.keyboard.press('Control+V');
  await second.keyboard.press('Enter');
  const both = Buffer.from('7,Ken\r\n1,Jiro\r\n0,Rie\r\n');
  if (!await waitFor(10, async () => both.equals(await downloaded(page, 'hs.hsd'))))
    fail(`the second tab's score did not reach the first with the table it kept: ${JSON.stringify(
      (await downloaded(page, 'hs.hsd')).toString())}, in the second ${JSON.stringify((await downloaded(second, 'hs.hsd')).toString())}`);
  await shot(page, '5-score-from-the-other-tab');
  await second.close();

  // A damaged table: the load error, the default table, the damaged one
  // kept as a backup to download.
  const damaged = Buffer.from('12,Taro\r\n7,Hanako\r\n');
  await bring(page, damaged);
  await page.waitForTimeout(1000);
  await shot(page, '6-damaged-table');
  if (!await enterUntil(page, async () => (await names(page)) === 'hs.hsd hs.hsd.bak'))
    fail(`the damaged table was not set aside: ${await names(page)}`);
  expectFile(await downloaded(page, 'hs.hsd.bak'), damaged, 'the backup of the damaged table');
  expectFile(await downloaded(page, 'hs.hsd'), defaultTable, 'hs.hsd after the damaged table');

  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
  console.log(`PASS: the browser build's first visits (screenshots in ${artefacts})`);
})().catch((error) => fail(error.stack));

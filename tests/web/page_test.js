// The page in headless Chromium, served and from disk, against the console
// program of the test build: its log must hold exactly what the console
// prints for the same seed and lines, with each line echoed where the game
// reads it.
//
//     BLACKJACK_SITE=... BLACKJACK_CONSOLE_BUILD=... \
//     BLACKJACK_NODE_MODULES=... node --test page_test.js
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { after, before, test } = require('node:test');
const { pathToFileURL } = require('node:url');
const { serveSite, launchChromium, answers } = require('./site.js');

const site = path.resolve(process.env.BLACKJACK_SITE);
const consoleBuild = path.resolve(process.env.BLACKJACK_CONSOLE_BUILD);
const kOver = 'The game is over.';

// LD_PRELOAD cannot name a path with a blank in it: the echoing library
// is preloaded from a copy in a folder of our own.
const echoing = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'echo-')),
  'terminal_echo.so');
fs.copyFileSync(path.join(consoleBuild, 'tests', 'libterminal_echo.so'),
  echoing);

// The console program's output for `input`, each line echoed as read; or
// with `seed` refused, the first line it says on standard error.
function consoleSays(seed, input = '') {
  const run = spawnSync(path.join(consoleBuild, 'blackjack'),
    [`--seed=${seed}`], { input, env: { ...process.env, LD_PRELOAD: echoing } });
  return run.status === 0 ? run.stdout.toString()
    : run.stderr.toString().split('\n')[0];
}

let browser;
let server;
let url;
before(async () => {
  ({ server, url } = await serveSite(site));
  browser = await launchChromium(
    path.resolve(process.env.BLACKJACK_NODE_MODULES));
});
after(async () => {
  server.close();
  await browser?.close();
  fs.rmSync(path.dirname(echoing), { recursive: true });
});

// Runs `steps` on a new tab; no error may reach the browser's console.
async function onPage(steps, viewport = { width: 1000, height: 700 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const errors = [];
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  page.on('pageerror', (error) => errors.push(error.message));
  try {
    await steps(page);
    assert.deepEqual(errors, [], 'errors on the browser console');
  } finally {
    await page.close();
  }
}

const text = (page, selector) => page.$eval(selector, (e) => e.textContent);

// Waits until the log holds `expected`; fails saying what it holds.
async function logHolds(page, expected, timeout = 10000) {
  await page.waitForFunction((want) =>
    document.getElementById('log').textContent === want,
  { timeout, polling: 50 }, expected).catch(async () => {
    assert.equal(await text(page, '#log'), expected);
  });
}

async function gameOver(page) {
  await page.waitForFunction((over) =>
    document.getElementById('status').textContent === over, {}, kOver);
}

async function typeLines(page, lines) {
  for (const line of lines) {
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
}

function paste(page, block) {
  return page.$eval('#line', (line, pasted) => {
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', pasted);
    line.dispatchEvent(new ClipboardEvent('paste', { clipboardData }));
  }, block);
}

async function ctrlD(page) {
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyD');
  await page.keyboard.up('Control');
}

test('typed, edited, pasted and recalled lines reach the game as sent', () =>
  onPage(async (page) => {
    await page.goto(`${url}/?seed=5`);
    await page.keyboard.type('50');
    await page.keyboard.press('Home');
    await page.keyboard.type('1');
    await page.keyboard.press('Enter'); // 150
    await paste(page, 'h\r\n2\rs\ny\n2');
    await page.keyboard.type('5');
    await typeLines(page, ['', 's']); // 25, then s
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('ArrowUp');
    await typeLines(page, ['', 'n']); // 25 again, then n
    await ctrlD(page);
    await gameOver(page);
    await logHolds(page, consoleSays(5, '150\nh\n2\ns\ny\n25\ns\n25\nn\n'));
  }));

test('keys typed while the game loads reach it in order', () =>
  onPage(async (page) => {
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.setRequestInterception(true);
    page.on('request', async (request) => {
      if (request.url().endsWith('/blackjack.js')) {
        await held;
      }
      request.continue();
    });
    await page.goto(`${url}/?seed=19`, { waitUntil: 'domcontentloaded' });
    assert.equal(await text(page, '#status'), 'Loading...');
    await typeLines(page, ['100', 's', 'n', 'x']); // x: after the end
    release();
    await gameOver(page);
    await logHolds(page, consoleSays(19, '100\ns\nn\n'));
    await page.click('#again'); // the x unread is gone with its game
    await logHolds(page, consoleSays(19));
  }));

test('the site plays opened from disk', () => onPage(async (page) => {
  await page.goto(`${pathToFileURL(path.join(site, 'index.html'))}?seed=3`);
  await typeLines(page, ['10', 'h', 's', 'n']);
  await gameOver(page);
  await logHolds(page, consoleSays(3, '10\nh\ns\nn\n'));
}));

test('a phone plays without sideways scroll, by the buttons', async () => {
  for (const width of [360, 320]) {
    await onPage(async (page) => {
      await page.goto(`${url}/?seed=8`);
      const long = '1'.repeat(80); // refused, and longer than the line
      await typeLines(page, [long, '10']);
      await page.tap('button[data-answer="s"]');
      await page.tap('button[data-answer="y"]');
      await logHolds(page, consoleSays(8, `${long}\n10\ns\ny\n`));
      const [widths, below, screen] = await page.evaluate(() => [
        [document.documentElement, document.getElementById('log')]
          .map((e) => [e.scrollWidth, e.clientWidth]),
        document.getElementById('line').getBoundingClientRect().bottom,
        window.innerHeight]);
      for (const [wide, shown] of widths) {
        assert.ok(wide <= shown, `${wide} px wide in ${shown}`);
      }
      assert.ok(below <= screen, `the field ends at ${below} of ${screen}`);
    }, { width, height: 640, isMobile: true, hasTouch: true });
  }
});

test('Tab leaves the field, focus shows, keys are the size of the text',
  () => onPage(async (page) => {
    await page.goto(`${url}/?seed=1`);
    await page.keyboard.press('Tab');
    const [focused, outline, sizes] = await page.evaluate(() => [
      document.activeElement.textContent,
      getComputedStyle(document.activeElement).outlineStyle,
      [...document.querySelectorAll('#help, #help kbd')]
        .map((e) => getComputedStyle(e).fontSize)]);
    assert.equal(focused, 'h - hit');
    assert.notEqual(outline, 'none');
    assert.deepEqual(new Set(sizes).size, 1, sizes.join());
  }));

test('the end of a game: New game takes the focus, Enter starts afresh',
  () => onPage(async (page) => {
    await page.goto(`${url}/?seed=7`);
    await typeLines(page, ['0', 's']);
    await page.$eval('#again', (again) => again.click()); // no second game
    await typeLines(page, ['n']);
    await gameOver(page);
    await logHolds(page, consoleSays(7, '0\ns\nn\n'));
    assert.equal(await page.evaluate(() => document.activeElement.id),
      'again');
    assert.ok(await page.$eval('#line', (line) => line.disabled));
    await page.keyboard.press('Enter');
    await logHolds(page, consoleSays(7));
    assert.equal(await text(page, '#status'), '');
  }));

test('a wrong seed is refused in the console\'s words, as text', async () => {
  const seeds = ['abc', '-1', '', '19\0junk', '<b>x</b>\x1b[2J'];
  for (const seed of seeds) {
    await onPage(async (page) => {
      await page.goto(`${url}/?seed=${encodeURIComponent(seed)}`);
      const pictured = seed.replace(/[\0-\x1f]/g,
        (c) => String.fromCharCode(0x2400 + c.charCodeAt(0)));
      await page.waitForFunction(() =>
        document.getElementById('status').textContent !== 'Loading...');
      assert.equal(await text(page, '#status'), consoleSays(pictured));
      assert.equal(await text(page, '#log'), '');
      assert.equal(await page.$('b'), null);
      await page.click('#again');
      await logHolds(page,
        ' You have a starting pot of $500\n How much would you like to bet ?\n');
    });
  }
});

test('a paste of 2,000 rounds plays to the end, the page answering',
  () => onPage(async (page) => {
    const input = answers(11, 2000).replace(/[^\n]*$/, ''); // whole lines
    await page.goto(`${url}/?seed=11`);
    await page.evaluate(() => {
      window.longestGap = 0;
      let last = performance.now();
      setInterval(() => {
        const now = performance.now();
        window.longestGap = Math.max(window.longestGap, now - last);
        last = now;
      }, 10);
    });
    await paste(page, input);
    await ctrlD(page);
    await page.waitForFunction((over) => document.getElementById('status')
      .textContent === over, { timeout: 120000 }, kOver);
    await logHolds(page, consoleSays(11, input));
    const gap = await page.evaluate(() => window.longestGap);
    assert.ok(gap <= 250, `the page did not answer for ${gap} ms`);
  }));

test('a game that cannot load says so', () => onPage(async (page) => {
  await page.setRequestInterception(true);
  page.on('request', (request) => (request.url().endsWith('/blackjack.js')
    ? request.respond({ contentType: 'text/javascript', body: '' })
    : request.continue()));
  await page.goto(url);
  await page.waitForFunction(() => document.getElementById('line').disabled);
  assert.match(await text(page, '#status'), /could not be loaded/);
}));

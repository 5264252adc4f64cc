// The page in headless Chromium and Firefox, served and from disk, against
// the console program of the test build: its log must hold exactly what
// the console prints for the same seed and lines, with each line echoed
// where the game reads it. In Chromium axe-core checks it at each kind of
// question, and it is installed; in both it is updated and played offline.
//
//     BLACKJACK_SITE=... BLACKJACK_CONSOLE_BUILD=... \
//     BLACKJACK_NODE_MODULES=... node --test page_test.js
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { after, before, describe, test } = require('node:test');
const { pathToFileURL } = require('node:url');
const { serveSite, releaseOf, launchBrowser, consoleOf, readStrip,
  stripShows, paste, ctrlD, answers } = require('./site.js');

const site = path.resolve(process.env.BLACKJACK_SITE);
const consoleSays = consoleOf(path.resolve(process.env.BLACKJACK_CONSOLE_BUILD));
const nodeModules = path.resolve(process.env.BLACKJACK_NODE_MODULES);
const axeSource = fs.readFileSync(
  path.join(nodeModules, 'axe-core', 'axe.min.js'), 'utf8');
const kOver = 'The game is over.';
const kDesktop = { width: 1000, height: 700 };
const kPhones = [[430, 932], [390, 844], [360, 780], [320, 640]]
  .map(([width, height]) => ({ width, height, isMobile: true, hasTouch: true }));

const text = (page, selector) => page.$eval(selector, (e) => e.textContent);
const focused = (page) => page.evaluate(() => document.activeElement.id);

// Once the game waits for the player or is over (the log not busy), the log
// holds `expected`, or the test says where it first differs.
async function logHolds(page, expected) {
  await page.waitForFunction(() => document.getElementById('log')
    .getAttribute('aria-busy') === 'false', { timeout: 0 });
  const log = await text(page, '#log');
  let at = 0;
  while (at < log.length && log[at] === expected[at]) {
    ++at;
  }
  const around = (t) => JSON.stringify(t.slice(Math.max(0, at - 80), at + 80));
  assert.ok(log === expected, `the log differs at ${at} of ` +
    `${expected.length}: ${around(log)}, not ${around(expected)}`);
}

// Once the game has stopped, it ended as a game does.
async function gameOver(page) {
  await page.waitForFunction(() => !['', 'Loading...']
    .includes(document.getElementById('status').textContent), { timeout: 0 });
  assert.equal(await text(page, '#status'), kOver);
}

async function typeLines(page, lines) {
  for (const line of lines) {
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
}


// The answer buttons shown, by their answers ('leave' for Leave the
// table), and the keyboard the field asks a phone for.
const offered = (page) => page.evaluate(() => [
  [...document.querySelectorAll('#answers button')]
    .filter((button) => !button.hidden)
    .map((button) => button.dataset.answer || 'leave').join(' '),
  document.getElementById('line').inputMode]);

// Once the events now queued have run (a frame, then a task), the log's last
// line, the status and New game are all in view, with no scrolling.
async function endInView(page) {
  const [last, log, status, again, screen] = await page.evaluate(async () => {
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
    const box = (r) => [Math.round(r.top), Math.round(r.bottom)];
    const logElement = document.getElementById('log');
    const range = document.createRange();
    range.selectNodeContents(logElement.lastElementChild);
    const lines = range.getClientRects();
    return [box(lines[lines.length - 1]), box(logElement.getBoundingClientRect()),
      ...['status', 'again'].map((id) =>
        box(document.getElementById(id).getBoundingClientRect())),
      window.innerHeight];
  });
  assert.ok(last[0] >= log[0] && last[1] <= log[1],
    `the log's last line at ${last} in the log at ${log}`);
  for (const [name, [top, bottom]] of [['status', status], ['New game', again]]) {
    assert.ok(top >= 0 && bottom <= screen,
      `${name} at ${top}-${bottom} of ${screen}`);
  }
}

function suite(engine) {
  let browser;
  let server;
  let url;
  before(async () => {
    ({ server, url } = await serveSite(site));
    browser = await launchBrowser(engine, nodeModules);
  });
  after(async () => {
    server.close();
    await browser?.close();
  });

  // Runs `steps` on a tab of a fresh browser context, so that nothing one
  // test cached or registered serves another; no error may reach the
  // browser's console.
  async function onPage(steps, viewport = kDesktop) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport(viewport);
    const errors = [];
    page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
    page.on('pageerror', (error) => errors.push(error.message));
    try {
      await steps(page);
      assert.deepEqual(errors, [], 'errors on the browser console');
    } finally {
      await context.close();
    }
  }

  // No violation that axe-core finds, in Chromium.
  async function accessible(page) {
    if (engine !== 'chromium') {
      return;
    }
    if (!await page.evaluate(() => 'axe' in window)) {
      await page.evaluate(axeSource);
    }
    const found = await page.evaluate(async () =>
      (await window.axe.run(document, { resultTypes: ['violations'] }))
        .violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`));
    assert.deepEqual(found, [], 'axe-core');
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
      await typeLines(page, ['', '   ', 'x', 'x', 's']); // 25, then s
      // Up skips the blank line and the repeated x: s, x, then 25.
      for (let up = 0; up < 3; ++up) {
        await page.keyboard.press('ArrowUp');
      }
      await typeLines(page, ['', 'n']);
      await ctrlD(page);
      await gameOver(page);
      await logHolds(page,
        consoleSays(5, '150\nh\n2\ns\ny\n25\n   \nx\nx\ns\n25\nn\n'));
    }));

  test('keys typed while the game loads reach it in order', () =>
    onPage(async (page) => {
      let release;
      const held = new Promise((resolve) => { release = resolve; });
      await page.setRequestInterception(true);
      page.on('request', async (request) => {
        if (request.url().includes('/blackjack.js')) {
          await held;
        }
        request.continue();
      });
      await page.goto(`${url}/?seed=19`, { waitUntil: 'domcontentloaded' });
      assert.equal(await text(page, '#status'), 'Loading...');
      assert.deepEqual(await offered(page), ['', 'text']);
      await accessible(page);
      await typeLines(page, ['100', 's', 'n', 'x']); // x: after the end
      release();
      await gameOver(page);
      await logHolds(page, consoleSays(19, '100\ns\nn\n'));
      await page.click('#again'); // the x unread is gone with its game
      await logHolds(page, consoleSays(19));
    }));

  test('the site plays opened from disk, offering no install', () =>
    onPage(async (page) => {
      await page.goto(`${pathToFileURL(path.join(site, 'index.html'))}?seed=3`);
      await typeLines(page, ['10', 'h', 's', 'n']);
      await gameOver(page);
      await logHolds(page, consoleSays(3, '10\nh\ns\nn\n'));
      assert.equal(await page.$('link[rel="manifest"]'), null);
    }));

  test('a phone plays by the buttons of each question, in the field',
    async () => {
      for (const phone of kPhones) {
        await onPage(async (page) => {
          await page.goto(`${url}/?seed=6`);
          const long = '1'.repeat(80); // refused, and longer than the line
          await typeLines(page, [long, '10']);
          let input = `${long}\n10\n`;
          for (const [buttons, keyboard, tap] of [['1 2 leave', 'numeric', '2'],
            ['h s leave', 'text', 's'], ['y n leave', 'text', 'n']]) {
            await logHolds(page, consoleSays(6, input));
            assert.equal(await focused(page), 'line');
            assert.deepEqual(await offered(page), [buttons, keyboard]);
            assert.deepEqual(await page.evaluate(readStrip),
              stripShows(consoleSays(6, input), '10'));
            await endInView(page);
            await accessible(page);
            await page.tap(`button[data-answer="${tap}"]`);
            input += `${tap}\n`;
          }
          await gameOver(page);
          await logHolds(page, consoleSays(6, input));
          await endInView(page);
          await accessible(page);
          // The table of the last question stays, a fifth of the screen at
          // most, and a hand of eleven cards fits.
          assert.deepEqual(await page.evaluate(readStrip),
            stripShows(consoleSays(6, input), '10'));
          const strip = await page.$eval('#glance', (glance) => {
            const hand = document.getElementById('player');
            while (hand.children.length < 11) {
              hand.append(hand.firstChild.cloneNode());
            }
            return glance.getBoundingClientRect().height;
          });
          assert.ok(strip <= phone.height / 5, `the strip is ${strip} px high`);
          // The rules opened and closed, and a keyboard's worth of screen
          // taken: the end of the game stays in view.
          const rules = () => page.click('#rules summary');
          for (const change of [rules, rules, () => page.setViewport(
            { ...phone, height: Math.round(phone.height * 0.6) })]) {
            await change();
            await endInView(page);
          }
          const widths = await page.evaluate(() =>
            [document.documentElement, ...['log', 'glance', 'player']
              .map((id) => document.getElementById(id))]
              .map((e) => [e.scrollWidth, e.clientWidth]));
          for (const [wide, shown] of widths) {
            assert.ok(wide <= shown, `${wide} px wide in ${shown}`);
          }
        }, phone);
      }
    });

  test('Tab leaves the field for the answers offered, focus shows on the ' +
    'log and the keys, keys are the size of the text', () =>
    onPage(async (page) => {
      await page.goto(`${url}/?seed=1`);
      await logHolds(page, consoleSays(1));
      assert.deepEqual(await offered(page), ['leave', 'text']);
      await page.keyboard.press('Tab'); // at the bet: no letter to offer
      assert.equal(await focused(page), 'leave');
      await page.focus('#line');
      await typeLines(page, ['10']);
      await logHolds(page, consoleSays(1, '10\n'));
      await page.keyboard.press('Tab');
      const [answer, outline, sizes] = await page.evaluate(() => [
        document.activeElement.textContent,
        getComputedStyle(document.activeElement).outlineStyle,
        [...document.querySelectorAll('#help, #help kbd')]
          .map((e) => getComputedStyle(e).fontSize)]);
      assert.equal(answer, 'h - hit');
      assert.notEqual(outline, 'none');
      assert.deepEqual(new Set(sizes).size, 1, sizes.join());
      await page.focus('#line');
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      assert.equal(await focused(page), 'log');
      assert.notEqual(await page.$eval('#log',
        (log) => getComputedStyle(log).outlineStyle), 'none');
    }));

  test('PageUp and PageDown scroll the log; the end of a game: in view, ' +
    'New game takes the focus, Enter starts afresh', () =>
    onPage(async (page) => {
    await page.goto(`${url}/?seed=7`);
    await typeLines(page, ['0', 's']);
    await page.$eval('#again', (again) => again.click()); // no second game
    await accessible(page);
    await typeLines(page, ['y', '0', 's']);
    await logHolds(page, consoleSays(7, '0\ns\ny\n0\ns\n'));
    const scrolled = () => page.$eval('#log', (log) => log.scrollTop);
    const bottom = await scrolled();
    await page.keyboard.press('PageUp');
    assert.ok(await scrolled() < bottom, 'PageUp left the log where it was');
    await page.keyboard.press('PageDown');
    assert.equal(await scrolled(), bottom);
    await typeLines(page, ['n']);
    await gameOver(page);
    await logHolds(page, consoleSays(7, '0\ns\ny\n0\ns\nn\n'));
    await endInView(page);
    await accessible(page);
    assert.equal(await focused(page), 'again');
    assert.ok(await page.$eval('#line', (line) => line.disabled));
    assert.deepEqual(await offered(page), ['', 'text']);
    await page.keyboard.press('Enter');
    await logHolds(page, consoleSays(7));
    assert.equal(await text(page, '#status'), '');
  }));

  test('Leave the table ends the input as Ctrl-D does, sending nothing', () =>
    onPage(async (page) => {
      await page.goto(`${url}/?seed=19`);
      await typeLines(page, ['100']);
      await logHolds(page, consoleSays(19, '100\n'));
      await page.click('#leave');
      await gameOver(page);
      await logHolds(page, consoleSays(19, '100\n'));
      await page.click('#again');
      await page.keyboard.press('ArrowUp');
      assert.equal(await page.$eval('#line', (line) => line.value), '100');
    }));

  test('a wrong seed is refused in the console\'s words, as text, and ' +
    'leaves the address', async () => {
    const seeds = ['abc', '-1', '', '19\0junk', '<b>x</b>\x1b[2J',
      'x'.repeat(10000)];
    for (const seed of seeds) {
      await onPage(async (page) => {
        await page.goto(`${url}/?seed=${encodeURIComponent(seed)}`);
        // The status shortens a long seed.
        const pictured = seed.length > 40 ? `${seed.slice(0, 40)}… ` +
          `(${seed.length} characters)` : seed.replace(/[\0-\x1f]/g,
          (c) => String.fromCharCode(0x2400 + c.charCodeAt(0)));
        await page.waitForFunction(() =>
          document.getElementById('status').textContent !== 'Loading...',
        { timeout: 0 });
        assert.equal(await text(page, '#status'), consoleSays(pictured));
        assert.equal(await text(page, '#log'), '');
        assert.equal(await page.$('#status *'), null);
        assert.equal(await page.evaluate(() => location.search), '');
        await accessible(page);
        await page.click('#again');
        await logHolds(page,
          ' You have a starting pot of $500\n How much would you like to bet ?\n');
      });
    }
  });

  // A line of 16,384 answers refused one by one, then 1,000 rounds a player
  // might type: the log whole, and the page's turns taken within the long
  // line and between the lines after it. Longer pastes are the benchmark's.
  test('a paste of a long line and 1,000 rounds plays to the end, the ' +
    'page answering within the line and between lines', () =>
    onPage(async (page) => {
    const refusal = ' INVALID ANSWER  Only (h)it or (s)tay\n';
    const input = `100\n${'x'.repeat(16384)}\ns\ny\n` +
      answers(11, 1000).replace(/[^\n]*$/, ''); // whole lines
    const expected = consoleSays(19, input);
    await page.goto(`${url}/?seed=19`);
    await logHolds(page, consoleSays(19));
    // How much of the log each tick of a 10 ms timer saw.
    await page.evaluate(() => {
      const log = document.getElementById('log');
      window.seen = [];
      let blocks = 0;
      let length = 0;
      setInterval(() => {
        for (; blocks < log.childElementCount; ++blocks) {
          length += log.children[blocks].textContent.length;
        }
        window.seen.push(length);
      }, 10);
    });
    await paste(page, input);
    await ctrlD(page);
    await gameOver(page);
    await logHolds(page, expected);
    // Where the long line's refusals lie in the log.
    const first = expected.indexOf(refusal);
    const last = first + 16383 * refusal.length;
    assert.equal(expected.slice(first, last), refusal.repeat(16383));
    const seen = await page.evaluate(() => window.seen);
    assert.ok(seen.some((length) => length > first && length < last),
      'no timer ran while the long line was read');
    const rounds = expected.indexOf('Games = ', last); // after the line
    assert.ok(seen.some((length) => length > rounds && length < expected.length),
      'no timer ran while the lines after it were read');
  }));

  test('a game that cannot load says so', () => onPage(async (page) => {
    await page.setRequestInterception(true);
    page.on('request', (request) => (request.url().includes('/blackjack.js')
      ? request.respond({ contentType: 'text/javascript', body: '' })
      : request.continue()));
    await page.goto(url);
    await page.waitForFunction(() => document.getElementById('line').disabled);
    assert.match(await text(page, '#status'), /could not be loaded/);
  }));

  test('served, it installs, plays offline, and an update is one release ' +
    'whole at every load', () => update(engine));
}

// Two releases, weeks old (fresh in the HTTP cache), from one address: the
// second with another version and another way to hand the game its seed.
// Through an update (a file failing, then all there, then no network),
// every load plays one release whole, seed 7 honoured; a page and game of
// the two, served without the worker, refuse to start and say why. In a
// browser of its own: a private context cannot install.
async function update(engine) {
  const { server, url, serve } = await serveSite(site);
  const browser = await launchBrowser(engine, nodeModules);
  const [next, mixed] = ['next', 'mixed'].map((name) =>
    fs.mkdtempSync(path.join(os.tmpdir(), `blackjack-${name}-`)));
  try {
    const page = await browser.newPage();
    const version = releaseOf(site);
    for (const name of fs.readdirSync(site)) {
      const bytes = fs.readFileSync(path.join(site, name));
      fs.writeFileSync(path.join(next, name), /\.(html|js)$/.test(name)
        ? bytes.toString().replaceAll(version, '9.9.9')
          .replaceAll('.seed', '.sown') : bytes);
      fs.copyFileSync(path.join(/^blackjack/.test(name) ? next : site, name),
        path.join(mixed, name));
    }
    const weeksAgo = (weeks) =>
      new Date(Math.floor(Date.now() / 1e3 - weeks * 604800) * 1e3);
    const plays = async (release) => {
      await page.reload();
      await typeLines(page, ['10', 'h', 's', 'n']);
      await gameOver(page);
      await logHolds(page, consoleSays(7, '10\nh\ns\nn\n'));
      assert.match(await text(page, 'footer'), new RegExp(`blackjack ${release} `));
    };
    serve(site, { dated: weeksAgo(6) });
    await page.goto(`${url}/?seed=7`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    if (engine === 'chromium') { // Firefox installs no web apps
      const cdp = await page.createCDPSession();
      const { installabilityErrors } =
        await cdp.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
    }

    serve(next, { dated: weeksAgo(4), drop: 'blackjack.js' });
    await plays(version);
    serve(next, { dated: weeksAgo(4) });
    await plays(version);
    await page.waitForFunction(async () => // the new worker, and its cache alone
      (await caches.keys()).join('|').match(/^blackjack [^|]* 9\.9\.9$/),
    { timeout: 0, polling: 100 });
    await plays('9.9.9');
    serve(null);
    await plays('9.9.9');

    serve(mixed);
    const fresh = await (await browser.createBrowserContext()).newPage();
    await fresh.goto(`${url}/?seed=7`);
    await logHolds(fresh, '');
    assert.match(await text(fresh, '#status'), /two releases/);
  } finally {
    await browser.close();
    server.close();
    [next, mixed].forEach((made) => fs.rmSync(made, { recursive: true }));
  }
}

for (const engine of ['chromium', 'firefox']) {
  describe(engine, () => suite(engine));
}

// The page in a real browser: headless Chromium opens it from a local
// static server, and what its terminal shows must be what the console
// program prints for the same seed and answers, with each answer's echo
// where the player typed it.
//
//     node page_test.js SITE CONSOLE_BUILD NODE_MODULES
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const [site, consoleBuild, nodeModules] = process.argv
  .slice(2).map((p) => path.resolve(p));
const { serveSite, launchChromium } = require('./site.js');

// LD_PRELOAD cannot name a path with a blank in it: the echoing library
// is preloaded from a copy in a folder of our own.
const echoing = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'echo-')),
  'terminal_echo.so');
fs.copyFileSync(path.join(consoleBuild, 'tests', 'libterminal_echo.so'),
  echoing);

// The console program as a terminal shows it: its output with each line
// of `answers` echoed as it is read (or all at the first read, if
// pasted), in pieces split where each echo begins.
function asTheConsoleShows(seed, answers, how) {
  const run = spawnSync(path.join(consoleBuild, 'blackjack'), [`--seed=${seed}`], {
    input: answers,
    env: { ...process.env, LD_PRELOAD: echoing, TERMINAL_ECHO: how },
  });
  assert.equal(run.status, 0, run.stderr.toString());
  return run.stdout.toString().split('\x1e');
}

// Terminal text as lines: the blanks at the end of a line and the empty
// lines at the end dropped, since a terminal does not tell them from
// cells never written.
function asLines(text) {
  const lines = text.split('\n').map((line) => line.trimEnd());
  while (lines.length > 0 && lines[lines.length - 1] === '') {
    lines.pop();
  }
  return lines.join('\n');
}

// What the page's terminal holds, rows that wrapped joined again.
function screen(page) {
  return page.evaluate(() => {
    const buffer = window.blackjack.terminal.buffer.active;
    const lines = [];
    for (let row = 0; row < buffer.length; ++row) {
      const line = buffer.getLine(row);
      const text = line.translateToString(true);
      if (line.isWrapped) {
        lines[lines.length - 1] += text;
      } else {
        lines.push(text);
      }
    }
    return lines.join('\n');
  });
}

// Waits until the terminal shows `expected`; fails saying what it shows.
async function shows(page, expected) {
  const want = asLines(expected);
  let have = '';
  for (const start = Date.now(); Date.now() - start < 10000;) {
    have = asLines(await screen(page));
    if (have === want) {
      return;
    }
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  assert.equal(have, want);
}

async function gameOver(page) {
  await page.waitForSelector('#over:not([hidden])', { timeout: 10000 });
  assert.equal(await page.$eval('#again', (b) => b.textContent), 'New game');
}

const tests = {
  // Typed a key at a time once each question shows, with a Backspace
  // correction and an ace question; then a new game, ended by Ctrl-D.
  async typedAnswers(page, url) {
    const answers = ['50', '2', 'h', 's', 'y', '25', 'h', 's', 'n'];
    const pieces = asTheConsoleShows(5, answers.join('\n') + '\n', 'each');
    assert.equal(pieces.length, answers.length + 1, 'echoes in the console');
    await page.goto(`${url}/?seed=5`);
    for (let answer = 0; answer < answers.length; ++answer) {
      await shows(page, pieces.slice(0, answer + 1).join(''));
      if (answer === 0) {
        await page.keyboard.type('5x');
        await page.keyboard.press('Backspace');
        await page.keyboard.type('0');
      } else {
        await page.keyboard.type(answers[answer]);
      }
      await page.keyboard.press('Enter');
    }
    const whole = pieces.join('');
    await shows(page, whole);
    await gameOver(page);

    await page.click('#again');
    const again = asTheConsoleShows(5, '', 'each')[0];
    await shows(page, whole + '\n' + again);
    await page.focus('.xterm-helper-textarea');
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyD');
    await page.keyboard.up('Control');
    await gameOver(page);
    await shows(page, whole + '\n' + again);
  },

  // Pasted all at once after the first question: the echoes follow it.
  async pastedAnswers(page, url) {
    const answers = '100\nh\n2\ns\ny\nabc\n10\ns\nx\nn\n';
    const pieces = asTheConsoleShows(19, answers, 'paste');
    assert.equal(pieces.length, 2, 'one echo in the console, of the paste');
    await page.goto(`${url}/?seed=19`);
    await shows(page, pieces[0]);
    await page.evaluate((text) => window.blackjack.terminal.paste(text),
      answers);
    await shows(page, pieces.join(''));
    await gameOver(page);
  },

  // A wrong seed: the console's own lines, no game, and a new game from
  // the clock.
  async wrongSeed(page, url) {
    const run = spawnSync(path.join(consoleBuild, 'blackjack'),
      ['--seed=abc'], { input: '' });
    assert.equal(run.status, 2);
    await page.goto(`${url}/?seed=abc`);
    await gameOver(page);
    await shows(page, run.stderr.toString());
    await page.click('#again');
    await shows(page, run.stderr.toString() + '\n' +
      ' You have a starting pot of $500\n How much would you like to bet ?\n');
  },

  // Narrow as a phone: nothing scrolls sideways.
  async narrow(page, url) {
    await page.goto(`${url}/?seed=5`);
    await shows(page, asTheConsoleShows(5, '', 'each')[0]);
    const [scroll, client] = await page.evaluate(() => [
      document.documentElement.scrollWidth,
      document.documentElement.clientWidth]);
    assert.ok(scroll <= client, `${scroll} px wide in ${client}`);
    assert.equal(await page.title(), 'Twenty-one against the dealer');
  },
};

(async () => {
  const { server, url } = await serveSite(site);
  const browser = await launchChromium(nodeModules);
  let passed = 0;
  let failed = 0;
  try {
    for (const [name, test] of Object.entries(tests)) {
      const page = await browser.newPage();
      await page.setViewport({ width: 360, height: 740 });
      const errors = [];
      page.on('console', (message) => {
        if (message.type() === 'error') {
          errors.push(message.text());
        }
      });
      page.on('pageerror', (error) => errors.push(error.message));
      try {
        await test(page, url);
        assert.deepEqual(errors, [], 'errors on the console');
        ++passed;
      } catch (error) {
        ++failed;
        console.log(`${name}: ${error.message}`);
      }
      await page.close();
    }
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(path.dirname(echoing), { recursive: true });
  }
  console.log(`${passed} passed, ${failed} failed`);
  process.exitCode = failed === 0 ? 0 : 1;
})();

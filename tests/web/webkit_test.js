// The page in WebKit: WebKitGTK's MiniBrowser, on an X display of the
// test's own (Xvfb), driven through classic WebDriver by the small client
// below, since WebKitGTK speaks no BiDi and puppeteer drives no WebKit. A
// seeded game typed and tapped to its end, served and from disk, Leave the
// table, and a refused seed, each against the console.
//
//     BLACKJACK_SITE=... BLACKJACK_CONSOLE_BUILD=... node --test webkit_test.js
'use strict';

const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const net = require('node:net');
const path = require('node:path');
const { after, before, test } = require('node:test');
const { pathToFileURL } = require('node:url');
const { serveSite, needed, consoleOf, readStrip, stripShows } =
  require('./site.js');

const site = path.resolve(process.env.BLACKJACK_SITE);
const consoleSays = consoleOf(path.resolve(process.env.BLACKJACK_CONSOLE_BUILD));
const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const kEnter = '\uE007';

// ---- A WebDriver client: the few commands the play-through needs ---------
function webDriver(base) {
  let session = '';
  async function call(method, route, body) {
    const response = await fetch(`${base}/session${session}${route}`, {
      method, headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) {
      throw new Error(`${method} ${route}: ${value.error}: ${value.message}`);
    }
    return value;
  }
  const element = async (css) => Object.values(
    await call('POST', '/element', { using: 'css selector', value: css }))[0];
  return {
    async start(capabilities) {
      const { sessionId } =
        await call('POST', '', { capabilities: { alwaysMatch: capabilities } });
      session = `/${sessionId}`;
    },
    quit: () => call('DELETE', ''),
    go: (url) => call('POST', '/url', { url }),
    run: (script, ...args) => call('POST', '/execute/sync', { script, args }),
    type: async (css, keys) =>
      call('POST', `/element/${await element(css)}/value`, { text: keys }),
    click: async (css) =>
      call('POST', `/element/${await element(css)}/click`, {}),
  };
}

// Starts `command`, which is stopped when the tests end.
const started = [];
function start(command, args, options) {
  const child = spawn(command, args, options);
  started.push(child);
  return child;
}

const freePort = () => new Promise((resolve) => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// Polls `check` until it holds; a hang fails the whole run.
async function until(check) {
  while (!await check()) {
    await new Promise((resume) => setTimeout(resume, 50));
  }
}

let driver;
let server;
let url;
before(async () => {
  ({ server, url } = await serveSite(site));
  needed('/usr/bin/WebKitWebDriver', 'apt-get install webkit2gtk-driver');
  const xvfb = start(needed('/usr/bin/Xvfb', 'apt-get install xvfb'), ['-displayfd', '3', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'inherit', 'pipe'] });
  const display = await new Promise((resolve) =>
    xvfb.stdio[3].once('data', (data) => resolve(`:${String(data).trim()}`)));
  const port = await freePort();
  start('WebKitWebDriver', [`--port=${port}`],
    { stdio: 'ignore', env: { ...process.env, DISPLAY: display } });
  const base = `http://127.0.0.1:${port}`;
  await until(() => fetch(`${base}/status`).then(() => true, () => false));
  driver = webDriver(base);
  await driver.start({
    browserName: 'MiniBrowser', pageLoadStrategy: 'normal',
    'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] },
  });
});
after(async () => {
  await driver?.quit();
  server.close();
  started.reverse().forEach((child) => child.kill());
});

const read = (id) =>
  driver.run('return document.getElementById(arguments[0]).textContent', id);

// Once the game waits for the player, or is over, the log holds `expected`.
async function logHolds(expected) {
  await until(async () => await driver.run('return document.getElementById(' +
    '"log").getAttribute("aria-busy")') === 'false');
  assert.equal(await read('log'), expected);
}

// Once the game has stopped, the status says `expected`.
async function statusSays(expected) {
  await until(async () => !['', 'Loading...'].includes(await read('status')));
  assert.equal(await read('status'), expected);
}

test('a seeded game typed and tapped to its end, served and from disk',
  async () => {
    const fromDisk = pathToFileURL(path.join(site, 'index.html'));
    for (const address of [`${url}/?seed=5`, `${fromDisk}?seed=5`]) {
      await driver.go(address);
      await driver.type('#line', `10${kEnter}`);
      await logHolds(consoleSays(5, '10\n'));
      await driver.click('button[data-answer="2"]');
      await logHolds(consoleSays(5, '10\n2\n'));
      await driver.type('#line', `h${kEnter}`);
      await logHolds(consoleSays(5, '10\n2\nh\n'));
      assert.deepEqual(await driver.run(`return (${readStrip})()`),
        stripShows(consoleSays(5, '10\n2\nh\n'), '10'));
      await driver.click('button[data-answer="s"]');
      await logHolds(consoleSays(5, '10\n2\nh\ns\n'));
      await driver.click('button[data-answer="n"]');
      await statusSays('The game is over.');
      await logHolds(consoleSays(5, '10\n2\nh\ns\nn\n'));
    }
  });

test('Leave the table ends the game, sending nothing', async () => {
  await driver.go(`${url}/?seed=19`);
  await driver.type('#line', `100${kEnter}`);
  await logHolds(consoleSays(19, '100\n'));
  await driver.click('#leave');
  await statusSays('The game is over.');
  await logHolds(consoleSays(19, '100\n'));
});

test('a refused seed says why, and leaves the address', async () => {
  await driver.go(`${url}/?seed=abc`);
  await statusSays(consoleSays('abc'));
  assert.equal(await driver.run('return location.search'), '');
});

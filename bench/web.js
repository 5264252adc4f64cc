// The page's figures: the site's size raw and gzipped, the time from page
// load to the first prompt in headless Chromium, and a 10,000-round
// scripted session under node against the native program, side by side.
// Each time is the median of several runs.
//
//     node bench/web.js build-web/site build-test web/node_modules
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { serveSite, launchChromium } = require('../tests/web/site.js');

const [site, consoleBuild, nodeModules] = process.argv
  .slice(2).map((p) => path.resolve(p));
const kRuns = 7;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function sizes() {
  let raw = 0;
  let gzipped = 0;
  for (const name of fs.readdirSync(site)) {
    const bytes = fs.readFileSync(path.join(site, name));
    raw += bytes.length;
    gzipped += zlib.gzipSync(bytes, { level: 9 }).length;
  }
  console.log(`site: ${raw} bytes, ${gzipped} gzipped`);
}

async function firstPrompt() {
  const { server, url } = await serveSite(site);
  const browser = await launchChromium(nodeModules);
  const times = [];
  for (let run = 0; run < kRuns; ++run) {
    const context = await browser.createBrowserContext(); // nothing cached
    const page = await context.newPage();
    const start = Date.now();
    await page.goto(`${url}/?seed=1`);
    await page.waitForFunction(() => window.blackjack &&
      window.blackjack.terminal.buffer.active.getLine(1)
        .translateToString(true).includes('bet ?'), { polling: 5 });
    times.push(Date.now() - start);
    await context.close();
  }
  await browser.close();
  server.close();
  console.log(`first prompt: median ${median(times)} ms (${times.join(', ')})`);
}

function session() {
  const input = '10\n2\n2\ns\ny\n'.repeat(10000);
  // The page's game under node, as a whole process like the native one.
  const driver = `require(process.argv[1]).loadGame(process.argv[2])
    .then((play) => play('7', require('fs').readFileSync(0, 'utf8')))`;
  const time = (command, args) => {
    const runs = [];
    for (let run = 0; run < kRuns; ++run) {
      const start = process.hrtime.bigint();
      const done = spawnSync(command, args, { input, stdio: ['pipe', 'ignore', 'inherit'] });
      if (done.status !== 0) {
        throw new Error(`${command} failed`);
      }
      runs.push(Number(process.hrtime.bigint() - start) / 1e6);
    }
    return median(runs);
  };
  const native = time(path.join(consoleBuild, 'blackjack'), ['--seed=7']);
  const node = time(process.execPath, ['-e', driver,
    path.join(__dirname, '..', 'tests', 'web', 'site.js'), site]);
  console.log(`10,000 rounds: native ${native.toFixed(0)} ms, node ` +
    `${node.toFixed(0)} ms, ratio ${(node / native).toFixed(2)}`);
}

(async () => {
  sizes();
  await firstPrompt();
  session();
})();

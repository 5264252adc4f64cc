// The page's figures, for two builds of the site side by side (this one and
// an earlier one): each site's size, raw and gzipped file by file, and the
// time from navigation to the first prompt in headless Chromium, the two
// sites' runs taken in turn. Then a 10,000-round scripted session of the
// first site's game under node against the native program. Each time is
// the median of several runs.
//
//     node bench/web.js SITE OTHER_SITE CONSOLE_BUILD NODE_MODULES
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { serveSite, launchChromium } = require('../tests/web/site.js');

const [site, other, consoleBuild, nodeModules] = process.argv
  .slice(2).map((p) => path.resolve(p));
const kRuns = 9;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function sizes(folder) {
  let raw = 0;
  let gzipped = 0;
  for (const name of fs.readdirSync(folder)) {
    const bytes = fs.readFileSync(path.join(folder, name));
    raw += bytes.length;
    gzipped += zlib.gzipSync(bytes, { level: 9 }).length;
  }
  console.log(`${folder}: ${raw} bytes, ${gzipped} gzipped`);
}

async function firstPrompts() {
  const servers = await Promise.all([site, other].map(serveSite));
  const browser = await launchChromium(nodeModules);
  const times = servers.map(() => []);
  for (let run = 0; run < kRuns; ++run) {
    for (const [which, { url }] of servers.entries()) {
      const context = await browser.createBrowserContext(); // nothing cached
      const page = await context.newPage();
      const start = Date.now();
      await page.goto(`${url}/?seed=1`, { waitUntil: 'domcontentloaded' });
      await page.waitForFunction(() =>
        document.body.textContent.includes('How much would you like to bet ?'),
      { polling: 5 });
      times[which].push(Date.now() - start);
      await context.close();
    }
  }
  await browser.close();
  servers.forEach(({ server }) => server.close());
  const [ours, theirs] = times.map(median);
  for (const [which, folder] of [site, other].entries()) {
    console.log(`first prompt, ${folder}: median ${median(times[which])} ms` +
      ` (${times[which].join(', ')})`);
  }
  console.log(`first prompt ratio: ${(ours / theirs).toFixed(2)}`);
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
  sizes(site);
  sizes(other);
  await firstPrompts();
  session();
})();

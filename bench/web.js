// The page's figures, for two builds of the site side by side (this one and
// an earlier one): each site's size, raw and gzipped file by file, and the
// time from navigation to the first prompt in headless Chromium, the two
// sites' runs taken in turn, and the same for a pasted 2,000-round session:
// the time it takes, and the page's longest pause while it plays (the
// longest wait of a 10 ms timer). With BLACKJACK_BENCH_LARGE set, also a
// line of 1 MB and a paste of 90,000 rounds, once each (given up after 5
// minutes). Then a 10,000-round scripted session of the first site's game
// under node against the native program. Each time is the median of
// several runs.
//
//     node bench/web.js SITE OTHER_SITE CONSOLE_BUILD NODE_MODULES
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { serveSite, launchBrowser, paste, ctrlD } =
  require('../tests/web/site.js');

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

const kPrompt = 'How much would you like to bet ?';

// From navigation to the first prompt, in ms.
async function firstPrompt(page, url) {
  const start = Date.now();
  await page.goto(`${url}/?seed=1`, { waitUntil: 'domcontentloaded' });
  await page.waitForFunction((prompt) =>
    document.body.textContent.includes(prompt), { polling: 5 }, kPrompt);
  return Date.now() - start;
}

// A paste of `input` played to its end, seeded 19: its time and the page's
// longest pause meanwhile (the longest wait of a 10 ms timer), in ms. A
// paste still playing after `cap` ms is given up, its time as Infinity.
function pasted(input, cap = Infinity) {
  return async (page, url) => {
    await page.goto(`${url}/?seed=19`);
    await page.waitForFunction((prompt) =>
      document.body.textContent.includes(prompt), {}, kPrompt);
    await page.evaluate(() => {
      const start = performance.now();
      let last = start;
      window.longest = 0;
      const ticker = setInterval(() => {
        const now = performance.now();
        window.longest = Math.max(window.longest, now - last);
        last = now;
        if (document.getElementById('status').textContent !== '') {
          clearInterval(ticker);
          window.took = now - start;
        }
      }, 10);
    });
    await paste(page, input);
    await ctrlD(page);
    for (const end = Date.now() + cap; Date.now() < end;) {
      const took = await page.evaluate(() => window.took);
      if (took !== undefined) {
        return [took, await page.evaluate(() => window.longest)];
      }
      await new Promise((resume) => setTimeout(resume, 200));
    }
    return [Infinity, await page.evaluate(() => window.longest)];
  };
}

// Bets of 0, so that the pot lasts, and the spare 2s of session() below.
const rounds = (count) => '0\n2\n2\ns\ny\n'.repeat(count);
// A line of answers at hit or stay, each refused.
const longLine = (bytes) => `100\n${'x'.repeat(bytes)}\ns\nn\n`;

// Runs `measure` on each site in turn, `runs` times, each in a fresh
// browser context, the sites taking turns to go first; prints each
// figure's medians and their ratio.
async function compare(title, measure, runs, names) {
  const servers = await Promise.all([site, other].map(serveSite));
  const browser = await launchBrowser('chromium', nodeModules);
  const figures = servers.map(() => []);
  for (let run = 0; run < runs; ++run) {
    for (const which of run % 2 === 0 ? [0, 1] : [1, 0]) {
      const { url } = servers[which];
      const context = await browser.createBrowserContext(); // nothing cached
      figures[which].push([].concat(await measure(await context.newPage(), url)));
      await context.close();
    }
  }
  await browser.close();
  servers.forEach(({ server }) => server.close());
  for (const [index, name] of names.entries()) {
    const medians = figures.map((f) => median(f.map((x) => x[index])));
    for (const [which, folder] of [site, other].entries()) {
      const all = figures[which].map((x) => x[index].toFixed(0)).join(', ');
      console.log(`${title} ${name}, ${folder}: median ` +
        `${medians[which].toFixed(0)} ms (${all})`);
    }
    console.log(`${title} ${name} ratio: ` +
      `${(medians[0] / medians[1]).toFixed(2)}`);
  }
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
  await compare('first prompt', firstPrompt, 15, ['time']);
  const paste = ['time', 'longest pause'];
  await compare('2,000-round paste', pasted(rounds(2000)), kRuns, paste);
  if (process.env.BLACKJACK_BENCH_LARGE) {
    await compare('1 MB line', pasted(longLine(1 << 20)), 1, paste);
    await compare('90,000-round paste', pasted(rounds(90000), 300000), 1,
      paste);
  }
  session();
})();

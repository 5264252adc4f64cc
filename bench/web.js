// The page's figures: the site's size raw and gzipped, the time from page
// load to the first prompt in headless Chromium, and a 10,000-round
// scripted session under node against the native program, side by side.
// Each time is the median of several runs.
//
//     node bench/web.js build-web/site build-test web/node_modules
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');

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
  const puppeteer = require(path.join(nodeModules, 'puppeteer-core'));
  const types = { '.wasm': 'application/wasm', '.js': 'text/javascript',
    '.css': 'text/css', '.html': 'text/html' };
  const server = http.createServer((request, response) => {
    const name = path.basename(new URL(request.url, 'http://x').pathname)
      || 'index.html';
    response.writeHead(200, { 'Content-Type': types[path.extname(name)] });
    response.end(fs.readFileSync(path.join(site, name)));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), 'blackjack-bench-')),
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run',
      '--disable-background-networking', '--disable-component-update'],
  });
  const times = [];
  for (let run = 0; run < kRuns; ++run) {
    const context = await browser.createBrowserContext(); // nothing cached
    const page = await context.newPage();
    const start = Date.now();
    await page.goto(`http://127.0.0.1:${server.address().port}/?seed=1`);
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
  const driver = `
    const fs = require('fs');
    const lines = fs.readFileSync(0, 'utf8').match(/[^\\n]*\\n/g);
    let rest = Buffer.alloc(0);
    require(process.argv[1])({
      wasmBinary: fs.readFileSync(process.argv[2]),
      readLine: async (size) => {
        if (rest.length === 0 && lines.length > 0) rest = Buffer.from(lines.shift());
        const part = rest.subarray(0, size); rest = rest.subarray(part.length);
        return part;
      },
      showOutput: (bytes) => fs.writeSync(1, bytes),
    }).then((game) => game.ccall('playInPage', 'number', ['string'], ['7'],
      { async: true }));`;
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
    path.join(site, 'blackjack.js'), path.join(site, 'blackjack.wasm')]);
  console.log(`10,000 rounds: native ${native.toFixed(0)} ms, node ` +
    `${node.toFixed(0)} ms, ratio ${(node / native).toFixed(2)}`);
}

(async () => {
  sizes();
  await firstPrompt();
  session();
})();

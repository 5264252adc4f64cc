// What the page's tests and its benchmark share: the site served on
// 127.0.0.1, Chromium or Firefox started headless, the console program as
// the page's log must show it, the WebAssembly game loaded under node as
// the page loads it, and a player's answers.
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');

const kTypes = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.txt': 'text/plain', '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml', '.png': 'image/png',
  '.wasm': 'application/wasm', // earlier sites' game, for the benchmark
};

// Serves the site's folder, and nothing else; resolves to the server, its
// address, and serve(folder, {dated, drop}), which serves another folder
// from then on (dated: its files' Last-Modified; drop: a file not served),
// or with null drops every connection, as a network that is down.
function serveSite(site) {
  let root = site;
  let options = {};
  const server = http.createServer((request, response) => {
    const name = path.basename(new URL(request.url, 'http://x').pathname)
      || 'index.html';
    if (root === null || name === options.drop) {
      request.socket.destroy();
      return;
    }
    const file = path.join(root, name);
    if (!fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': kTypes[path.extname(name)] || 'application/octet-stream',
      ...(options.dated && { 'Last-Modified': options.dated.toUTCString() }),
    });
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve({
      server,
      url: `http://127.0.0.1:${server.address().port}`,
      serve: (folder, given = {}) => { root = folder; options = given; },
    }));
  });
}

// The release the site's page says it is.
const releaseOf = (site) => fs.readFileSync(path.join(site, 'index.html'),
  'utf8').match(/data-release="([^"]*)"/)?.[1];

// What a test needs from outside, or one line that says what is missing.
function needed(file, install) {
  if (!fs.existsSync(file)) {
    throw new Error(`${file} is missing: ${install}`);
  }
  return file;
}

// Debian's Chromium or Firefox ESR, headless, on a profile of their own:
// Chromium with nothing that reaches for the network (as root it needs
// --no-sandbox), Firefox driven over WebDriver BiDi.
function launchBrowser(engine, nodeModules) {
  const puppeteer = require(needed(path.join(nodeModules, 'puppeteer-core'),
    '(cd web && npm ci)'));
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'blackjack-page-'));
  if (engine === 'firefox') {
    return puppeteer.launch({
      browser: 'firefox',
      executablePath: needed('/usr/bin/firefox-esr', 'apt-get install firefox-esr'),
      headless: true, userDataDir: profile,
    });
  }
  return puppeteer.launch({
    executablePath: needed('/usr/bin/chromium', 'apt-get install chromium'),
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic',
      '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

// The console program of the test build in `consoleBuild`, as a function
// of a seed and the lines typed: what the program prints for them, each
// line echoed as it is read, as the page's log shows it; or, the seed
// refused, the first line it says on standard error.
function consoleOf(consoleBuild) {
  // LD_PRELOAD cannot name a path with a blank in it: the echoing library
  // is preloaded from a copy in a folder of our own.
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'echo-'));
  const echoing = path.join(folder, 'terminal_echo.so');
  fs.copyFileSync(needed(path.join(consoleBuild, 'tests', 'libterminal_echo.so'),
    'cmake --workflow --preset test'), echoing);
  process.on('exit', () => fs.rmSync(folder, { recursive: true }));
  return (seed, input = '') => {
    const run = spawnSync(path.join(consoleBuild, 'blackjack'),
      [`--seed=${seed}`], {
        input, env: { ...process.env, LD_PRELOAD: echoing },
        maxBuffer: 1 << 30,
      });
    return run.status === 0 ? run.stdout.toString()
      : run.stderr.toString().split('\n')[0];
  };
}

// The WebAssembly game, loaded once, with a play() that runs one game on
// the given answers, fed a line at a time as the page feeds them, and
// tells what it printed on standard output and standard error, its status,
// and each question it asked: its name and table, the bytes printed before
// it and the line last read.
async function loadGame(site) {
  let lines = [];
  let rest = Buffer.alloc(0);
  let output = [];
  let printed = 0;
  let read = '';
  let errors = [];
  let asked = [];
  const game = await require(path.join(site, 'blackjack.js'))({
    pageRelease: releaseOf(site),
    readLine: async (size) => {
      if (rest.length === 0 && lines.length > 0) {
        read = lines.shift();
        rest = Buffer.from(read);
      }
      const part = rest.subarray(0, size);
      rest = rest.subarray(part.length);
      return part;
    },
    showOutput: (bytes) => {
      output.push(Buffer.from(bytes));
      printed += bytes.length;
    },
    asking: (name, table) => asked.push({ name, table, printed, read }),
    printErr: (line) => errors.push(line + '\n'),
  });
  return async (seed, input) => {
    lines = input.match(/[^\n]*\n|[^\n]+$/g) || [];
    output = [];
    printed = 0;
    errors = [];
    asked = [];
    game.seed = seed;
    const status = await game.ccall('playInPage', 'number', [], [],
      { async: true });
    return { stdout: Buffer.concat(output), stderr: errors.join(''), status,
      asked };
  };
}

// The table the log has shown at each question asked (as loadGame tells
// them): the cards named since the round's bet (the dealer's second face
// down, 0, until named), each total and the pot as last printed, and the
// bet as the game takes the word read for it, half a cent up.
const kRanks = ['Ace', 'Deuce', 'Three', 'Four', 'Five', 'Six', 'Seven',
  'Eight', 'Nine', 'Ten', 'Jack', 'Queen', 'King'];
const kSuits = ['Hearts', 'Diamonds', 'Clubs', 'Spades'];
const cards = (...names) => names.map((name) => name.split(' '))
  .map(([rank, , suit]) => kSuits.indexOf(suit) * 13 + kRanks.indexOf(rank) + 1);
function tablesShown(log, asked) {
  let round;
  let aceNamed = false; // the last card was named by its ace question
  let listing; // the hand the showdown lists next
  const rules = [
    [/^ ?You have (?:a starting pot of )?\$(\S+)/, (pot) => {
      round = { dealer: [], player: [], dealerTotal: null, playerTotal: null,
        pot, bet: null };
    }],
    [/^You drew a (.+) Would/, (name) => {
      round.player.push(...cards(name));
      aceNamed = true;
    }],
    [/^ You just drew a (.+)$/, (name) => {
      round.player.push(...aceNamed ? [] : cards(name));
      aceNamed = false;
    }],
    [/^ You have the cards of (.+) and (.+)$/, (...names) => {
      round.player = cards(...names);
      aceNamed = false;
    }],
    [/^Dealer is showing a (.+)$/, (name) => { round.dealer = [...cards(name), 0]; }],
    [/^ (?:For a starting total of|Your total now is :) (\d+)/,
      (total) => { round.playerTotal = Number(total); }],
    [/^ (You|The Dealer) (?:have in your hand|Has) : $/,
      (whose) => { listing = whose === 'You' ? 'player' : 'dealer'; }],
    [/^(.+  )$/, (names) => {
      round[listing] = cards(...names.split('  ').filter(Boolean));
    }],
    [/^ For a Total of : (\d+)$/,
      (total) => { round[`${listing}Total`] = Number(total); }],
  ];
  const lines = log.split('\n');
  let line = 0;
  let bytes = 0; // of the lines before `line`
  return asked.map(({ name, printed, read }) => {
    for (; bytes < printed; bytes += Buffer.byteLength(lines[line++]) + 1) {
      const rule = rules.find(([pattern]) => pattern.test(lines[line]));
      rule?.[1](...lines[line].match(rule[0]).slice(1));
    }
    const word = read.trim().split(/\s/)[0];
    if (name !== 'bet') {
      round.bet ??= word === '0.145' ? '0.15' : String(Number(word));
    }
    return { ...round, player: [...round.player] };
  });
}

// The strip as the page shows it, run in the page: the pot, the bet, then
// each hand's total and faces ('' face down).
const readStrip = () => [...document.querySelectorAll('#glance b, #glance li')]
  .map((shown) => shown.dataset.face ?? shown.textContent);

// The strip a log that ends in a question after the bet shows, the bet
// typed as `bet`.
function stripShows(log, bet) {
  const [table] = tablesShown(log,
    [{ name: 'after the bet', read: bet, printed: Buffer.byteLength(log) }]);
  const face = (n) => (n === 0 ? '' : 'A 2 3 4 5 6 7 8 9 10 J Q K'.split(' ')[
    (n - 1) % 13] + `\n${'\u2665\u2666\u2663\u2660'[(n - 1) / 13 | 0]}\ufe0e`);
  const money = (amount) => (amount === null ? '' : `$${amount}`);
  return [money(table.pot), money(table.bet),
    ...['dealer', 'player'].flatMap((hand) =>
      [String(table[`${hand}Total`] ?? ''), ...table[hand].map(face)])];
}

// Pastes `block` into the page's field. Firefox's ClipboardEvent drops a
// clipboardData given to it: it is set on the event instead.
function paste(page, block) {
  return page.$eval('#line', (line, pasted) => {
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', pasted);
    const event = new ClipboardEvent('paste', { cancelable: true });
    Object.defineProperty(event, 'clipboardData', { value: clipboardData });
    line.dispatchEvent(event);
  }, block);
}

async function ctrlD(page) {
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyD');
  await page.keyboard.up('Control');
}

// A small generator of its own, so that the answers are the same each run.
function randomFrom(seed) {
  let state = seed >>> 0;
  return (n) => {
    state = (state * 1103515245 + 12345) >>> 0;
    return (state >>> 8) % n;
  };
}

// Rounds of answers a player might type, refusals and odd amounts among
// them; the spare 2s meant for aces that do not come are refused as
// answers. Cut off at a random place, so that the input ends mid-game.
function answers(seed, rounds) {
  const random = randomFrom(seed);
  const bets = ['10', '25', '5', '100', '0.145', '7.5', '50 s'];
  const refused = ['abc', '-5', '1e400', '1,000', '50h', '0x10'];
  let input = '';
  for (let round = 0; round < rounds; ++round) {
    if (random(8) === 0) {
      input += refused[random(refused.length)] + '\n';
    }
    input += bets[random(bets.length)] + '\n2\n2\n';
    for (let hits = random(3); hits > 0; --hits) {
      input += 'h\n2\n';
    }
    input += random(10) === 0 ? 'x\ns\nq\ny\n' : 's\ny\n';
  }
  return input.slice(0, input.length - random(40));
}

module.exports = { serveSite, releaseOf, needed, launchBrowser, consoleOf,
  loadGame, tablesShown, readStrip, stripShows, paste, ctrlD, answers };

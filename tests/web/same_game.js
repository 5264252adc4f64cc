// The page's game is the console's: the WebAssembly build, run under node
// with answers fed a line at a time as the page feeds them, prints the
// very bytes the native program prints for the same seed and answers.
//
//     node same_game.js SITE CONSOLE_BUILD
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const { createHash } = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');
const { isDeepStrictEqual } = require('node:util');
const { needed, loadGame, answers, tablesShown } = require('./site.js');

const [site, consoleBuild] = process.argv.slice(2).map((p) => path.resolve(p));
const native = path.join(consoleBuild, 'blackjack');

(async () => {
  needed(native, 'cmake --workflow --preset test');
  const play = await loadGame(site);
  const seeds = ['0', '1', '19', '4294967295'];
  for (let seed = 2; seeds.length < 20; seed += 7919) {
    seeds.push(String(seed));
  }
  let passed = 0;
  let failed = 0;
  const seen = { rounds: 0, aces: 0, busts: 0, refusals: 0, reshuffles: 0 };
  const check = (name, test) => {
    try {
      test();
      ++passed;
    } catch (error) {
      ++failed;
      console.log(`${name}: ${error.message.slice(0, 2000)}`);
    }
  };
  for (const seed of [...seeds, 'abc', '']) {
    const input = /^\d+$/.test(seed) ? answers(Number(seed), 300) : '10\n';
    const expected = spawnSync(native, [`--seed=${seed}`], { input });
    const actual = await play(seed, input);
    check(`seed '${seed}'`, () => {
      assert.equal(actual.status, expected.status);
      assert.equal(actual.stderr, expected.stderr.toString());
      assert.ok(actual.stdout.equals(expected.stdout),
        'standard output differs');
    });
    check(`seed '${seed}': the table`, () => {
      const shown = tablesShown(actual.stdout.toString(), actual.asked);
      assert.deepEqual(actual.asked.map((q) => q.table), shown);
    });
    const said = actual.stdout.toString();
    seen.rounds += (said.match(/^Games = /gm) || []).length;
    seen.aces += (said.match(/^You drew a Ace/gm) || []).length;
    seen.busts += (said.match(/BUST/g) || []).length;
    seen.refusals += (said.match(/INVALID BET/g) || []).length;
    seen.reshuffles += (said.match(/re-shuffle/g) || []).length;
  }
  // The table over 1,000 more deals, of a few rounds each.
  const differ = [];
  let questions = 0;
  for (let seed = 1000; seed < 2000; ++seed) {
    const { stdout, asked } = await play(String(seed), answers(seed, 4));
    tablesShown(stdout.toString(), asked).forEach((shown, at) => {
      ++questions;
      if (!isDeepStrictEqual(asked[at].table, shown)) {
        differ.push(`seed ${seed}: ${JSON.stringify(asked[at].table)}, not ` +
          JSON.stringify(shown));
      }
    });
  }
  seen.tables = questions;
  check(`the table at ${questions} questions of 1,000 seeds`, () =>
    assert.deepEqual(differ.slice(0, 3), [], `${differ.length} differ`));
  // A seed of any length, longer than the game's stack, its first memory
  // and a command line: with leading zeros it deals the game of the seed
  // without them, and a wrong one is refused in the console's words, whole.
  for (const zeros of [1310100, 20000000]) {
    const input = answers(19, 30);
    const expected = spawnSync(native, ['--seed=19'], { input });
    const actual = await play('0'.repeat(zeros) + '19', input);
    check(`seed 19 after ${zeros} zeros`, () => {
      assert.equal(actual.status, 0);
      assert.ok(actual.stdout.equals(expected.stdout), 'standard output differs');
    });
  }
  const wrong = '1'.repeat(2000000);
  const refused = spawnSync(native, ['--seed=x']).stderr.toString();
  const actual = await play(wrong, '');
  check('a wrong seed of 2000000 digits', () => {
    assert.equal(actual.status, 2);
    assert.equal(actual.stderr, refused.replace("'x'", `'${wrong}'`));
  });

  // The table every build checks: a seed deals the same game everywhere.
  const tests = path.join(__dirname, '..');
  const script = fs.readFileSync(path.join(tests, 'seed_answers.txt'), 'utf8');
  const table = fs.readFileSync(path.join(tests, 'seed_games.txt'), 'utf8');
  for (const [, seed, sha] of table.matchAll(/^(\d+) ([0-9a-f]{64})$/gm)) {
    const { stdout } = await play(seed, script);
    check(`seed ${seed} of the table`, () => assert.equal(
      createHash('sha256').update(stdout).digest('hex'), sha));
  }
  check('what the games went through', () => {
    assert.ok(seen.rounds >= 20 * 250, `${seen.rounds} rounds`);
    for (const [what, count] of Object.entries(seen)) {
      assert.ok(count > 0, `no ${what}`);
    }
  });
  console.log(JSON.stringify(seen));
  console.log(`${passed} passed, ${failed} failed`);
  process.exitCode = failed === 0 ? 0 : 1;
})().catch((error) => { // its first line, not the minified game around it
  console.log(String(error).split('\n')[0]);
  process.exitCode = 1;
});

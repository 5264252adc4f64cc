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
const { needed, loadGame, answers, tablesShown } = require('./site.js');

const [site, consoleBuild] = process.argv.slice(2).map((p) => path.resolve(p));
const native = path.join(consoleBuild, 'blackjack');

(async () => {
  needed(native, 'cmake --workflow --preset test');
  const play = await loadGame(site);
  // Twenty long games, two refused seeds, and 1,000 games of a few rounds.
  const games = [['0', 300], ['1', 300], ['19', 300], ['4294967295', 300]];
  for (let seed = 2; games.length < 20; seed += 7919) {
    games.push([String(seed), 300]);
  }
  games.push(['abc'], ['']);
  for (let seed = 1000; seed < 2000; ++seed) {
    games.push([String(seed), 4]);
  }
  let passed = 0;
  let failed = 0;
  const seen = { rounds: 0, aces: 0, busts: 0, refusals: 0, reshuffles: 0,
    tables: 0 };
  const check = (name, test) => {
    try {
      test();
      ++passed;
    } catch (error) {
      if (++failed <= 5) { // the first few, of what may be a thousand
        console.log(`${name}: ${error.message.slice(0, 2000)}`);
      }
    }
  };
  for (const [seed, rounds] of games) {
    const input = rounds ? answers(Number(seed), rounds) : '10\n';
    const expected = spawnSync(native, [`--seed=${seed}`], { input });
    const actual = await play(seed, input);
    const said = actual.stdout.toString();
    check(`seed '${seed}'`, () => {
      assert.equal(actual.status, expected.status);
      assert.equal(actual.stderr, expected.stderr.toString());
      assert.ok(actual.stdout.equals(expected.stdout),
        'standard output differs');
      assert.deepEqual(actual.asked.map(({ table }) => table),
        tablesShown(said, actual.asked), 'the table differs from the log');
    });
    seen.rounds += (said.match(/^Games = /gm) || []).length;
    seen.aces += (said.match(/^You drew a Ace/gm) || []).length;
    seen.busts += (said.match(/BUST/g) || []).length;
    seen.refusals += (said.match(/INVALID BET/g) || []).length;
    seen.reshuffles += (said.match(/re-shuffle/g) || []).length;
    seen.tables += actual.asked.length;
  }
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

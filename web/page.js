// The page around the game, laid out the way browser players of text games
// do it: what the game prints goes into a log, and the player types each
// answer in a text field. Enter sends the line. Up and Down recall earlier
// lines, PageUp and PageDown scroll the log. Ctrl-D on an empty line, or
// "Leave the table", ends the input. Lines sent before the game asks for
// them wait in order, and that includes lines sent while the game is still
// loading. Each line is written into the log when the game reads it, so the
// log holds exactly what the console shows. The game tells the page which
// question it asks, and the page offers that question's answers alone.
// The page, this script and the game each say their release, and no game
// starts unless all three are of one.
'use strict';

(() => {
  const kRelease = '@PROJECT_VERSION@';
  const byId = (id) => document.getElementById(id);
  const [table, log, status, line, again, leave, reload] =
    ['table', 'log', 'status', 'line', 'again', 'leave', 'reload'].map(byId);
  const answers = [...document.querySelectorAll('#answers [data-answer]')];
  // Shown as text: control characters as their pictures (U+2400...), so
  // that a NUL cannot cut the seed short before the game judges it.
  const pictured = (text) => text.replace(/[\0-\x1f\x7f]/g, (c) =>
    String.fromCharCode(c === '\x7f' ? 0x2421 : 0x2400 + c.charCodeAt(0)));
  let seed = new URLSearchParams(location.search).get('seed');
  if (seed !== null) {
    seed = pictured(seed);
  }

  // ---- The log --------------------------------------------------------------
  // Text waits in `unshown` until the page takes its turn. It then goes in
  // as one new block, so the browser lays out only what is new.
  let unshown = '';
  const decoder = new TextDecoder();
  let asked = null; // the question the game asks: its buttons' data-for
  let offering; // the question whose answers the buttons show

  // The buttons first: they may take rows from the log, whose end is then
  // scrolled into view.
  function showLog() {
    if (offering !== asked) {
      offering = asked;
      for (const button of answers) {
        button.hidden = button.dataset.for !== asked;
      }
      // A number pad for the ace; a bet may be a decimal, which a phone's
      // decimal pad may write with a comma.
      line.inputMode = asked === 'ace' ? 'numeric' : 'text';
    }
    if (unshown !== '') {
      const block = document.createElement('div');
      // The answers' hints, as "(h|s)", kept whole: a line may break after
      // a bar, and Firefox does.
      unshown.split(/(\(\w\|\w\))/).forEach((part, at) => {
        if (at % 2 === 0) {
          block.append(part);
        } else {
          const hint = block.appendChild(document.createElement('span'));
          hint.className = 'whole';
          hint.textContent = part;
        }
      });
      log.append(block);
      unshown = '';
    }
    showEnd();
    line.scrollIntoView({ block: 'nearest' });
  }

  // The end of the log is brought into view whenever its box changes (the
  // buttons, the status, the rules, an on-screen keyboard), unless the
  // player has scrolled back to read. That is judged from scrolling that
  // follows the player's own wheel, keys or touch, up to their next answer:
  // a box that shrinks, or the page's own scrolling, says nothing of it.
  let readingBack = false;
  let playerScrolls = false;
  // The player follows the game again: at an answer, or a new game.
  function followEnd() {
    readingBack = false;
    playerScrolls = false;
  }
  function showEnd() {
    if (!readingBack) {
      log.scrollTop = log.scrollHeight;
    }
  }
  for (const type of ['wheel', 'touchmove', 'keydown']) {
    log.addEventListener(type, () => { playerScrolls = true; },
      { passive: true });
  }
  log.addEventListener('scroll', () => {
    if (playerScrolls) {
      readingBack = log.scrollHeight - log.scrollTop - log.clientHeight > 1;
    }
  });
  byId('rules').addEventListener('toggle', showEnd);

  // Busy while the game plays on, and not while it waits for the player:
  // a screen reader may wait for the log to settle.
  const busy = (on) => log.setAttribute('aria-busy', String(on));

  // ---- Lines the player sends -------------------------------------------
  // Lines are taken from the front by an index, so that each costs the
  // same however many wait behind it.
  let waiting = []; // lines sent, each with its '\n'; null ends the input
  let unread = 0; // the first line of `waiting` the game has not read
  let give = null; // hands the next line to the game while it waits
  const sent = []; // the last kHistory lines sent, for Up and Down
  const kHistory = 100;
  let recalled = 0; // the line of `sent` in the field; sent.length: none
  let draft = ''; // what was typed before Up was pressed

  function send(text) {
    if (give !== null) {
      const take = give;
      give = null;
      busy(true);
      take(text);
    } else {
      waiting.push(text);
    }
  }

  // Blank lines and a repeat of the line before are not worth recalling.
  function sendLine(text) {
    if (text.trim() !== '' && text !== sent[sent.length - 1]) {
      sent.push(text);
      if (sent.length > kHistory) {
        sent.shift();
      }
    }
    recalled = sent.length;
    followEnd();
    send(text + '\n');
  }

  function recall(step) {
    const to = recalled + step;
    if (to < 0 || to > sent.length) {
      return;
    }
    if (recalled === sent.length) {
      draft = line.value;
    }
    recalled = to;
    line.value = to === sent.length ? draft : sent[to];
    line.setSelectionRange(line.value.length, line.value.length);
  }

  // preventDefault on Enter also keeps its keypress from pressing New game
  // when that answer ends the game and New game takes the focus.
  line.addEventListener('keydown', (event) => {
    if (event.isComposing) {
      return;
    }
    if (event.key === 'Enter') {
      sendLine(line.value);
      line.value = '';
    } else if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
      recall(event.key === 'ArrowUp' ? -1 : 1);
    } else if (event.key === 'PageUp' || event.key === 'PageDown') {
      playerScrolls = true;
      const page = log.clientHeight * 0.9;
      log.scrollBy(0, event.key === 'PageUp' ? -page : page);
    } else if (event.ctrlKey && (event.key === 'd' || event.key === 'D')) {
      if (line.value === '') {
        send(null);
      }
    } else {
      return;
    }
    event.preventDefault();
  });

  // The field itself would drop the line breaks of a paste: every whole
  // line is sent, the first joined to what is before the caret, and the
  // last piece waits in the field.
  line.addEventListener('paste', (event) => {
    const pieces = event.clipboardData.getData('text').split(/\r\n|\r|\n/);
    if (pieces.length < 2) {
      return;
    }
    event.preventDefault();
    const after = line.value.slice(line.selectionEnd);
    pieces[0] = line.value.slice(0, line.selectionStart) + pieces[0];
    const last = pieces.pop();
    pieces.forEach(sendLine);
    line.value = last + after;
    line.setSelectionRange(last.length, last.length);
  });

  // A tap answers and leaves the focus, and a phone's keyboard, in the
  // field.
  for (const button of [...answers, leave]) {
    button.addEventListener('mousedown', (event) => event.preventDefault());
    button.addEventListener('click', () => {
      if (button === leave) {
        send(null);
      } else {
        sendLine(button.dataset.answer);
      }
      line.focus();
    });
  }

  function dropWaiting() {
    waiting = [];
    unread = 0;
  }

  // ---- What the game calls ---------------------------------------------
  const encoder = new TextEncoder();
  let rest = new Uint8Array(0); // what the game has not taken of its line
  let turnTaken = 0; // when the page last had its turn
  const kTurn = 10; // ms the game runs on queued lines before it yields:
  // laying out what it printed takes several times as long again
  const kPiece = 512; // bytes of a line the game gets at a time: a long
  // line of answers refused one by one takes about a turn per piece

  // The page's turn, when the game has run a turn on input already there:
  // the log shows what is new, and the browser runs what waits.
  async function takeTurnIfDue() {
    if (performance.now() - turnTaken > kTurn) {
      showLog();
      await new Promise((resume) => setTimeout(resume));
      turnTaken = performance.now();
    }
  }

  async function nextLine() {
    if (unread === waiting.length) {
      showLog();
      busy(false);
      const text = await new Promise((take) => { give = take; });
      turnTaken = performance.now();
      return text;
    }
    await takeTurnIfDue();
    const text = waiting[unread];
    waiting[unread] = undefined; // read: its memory may go
    unread += 1;
    if (unread === waiting.length) {
      dropWaiting();
    }
    return text;
  }

  // At most `size` bytes of the next line, a piece at a time, so that the
  // page has its turns within a long line too; none once the input has
  // ended.
  async function readLine(size) {
    if (rest.length === 0) {
      const text = await nextLine();
      if (text === null) {
        return rest;
      }
      unshown += text;
      rest = encoder.encode(text);
    } else {
      await takeTurnIfDue();
    }
    const part = rest.subarray(0, Math.min(size, kPiece));
    rest = rest.subarray(part.length);
    return part;
  }

  const showOutput = (bytes) => {
    unshown += decoder.decode(bytes, { stream: true });
  };

  const asking = (name) => { asked = name; };

  // ---- A game ------------------------------------------------------------
  let game = null;
  let playing = false;
  let errors = []; // what the game wrote on standard error

  function enable(on) {
    line.disabled = !on;
    leave.hidden = !on;
    again.hidden = on;
  }

  async function play() {
    playing = true;
    log.textContent = '';
    followEnd();
    busy(true);
    errors = [];
    enable(true);
    game.seed = seed; // read from here onto the heap, however long
    const code = await game.ccall('playInPage', 'number', [], [],
      { async: true });
    asked = null;
    showLog();
    busy(false);
    dropWaiting();
    rest = new Uint8Array(0);
    playing = false;
    enable(false);
    again.focus();
    // A refused seed: the game's reason, and the next game from the clock,
    // as the address then says.
    status.textContent = code === 0 ? 'The game is over.' : refusal(errors[0]);
    if (code !== 0) {
      seed = null;
      forgetSeed();
    }
    showEnd();
  }

  // The console's reason for a refused seed, the seed in it cut to its
  // start, an ellipsis and its length where it is long.
  const kSeedShown = 40;
  function refusal(reason) {
    if (seed.length <= kSeedShown) {
      return reason;
    }
    const pairs = seed.match(/[\ud800-\udbff][\udc00-\udfff]/g);
    const length = seed.length - (pairs ? pairs.length : 0);
    const start = seed.slice(0, kSeedShown).replace(/[\ud800-\udbff]$/, '');
    return reason.replace(seed, () => `${start}… (${length} characters)`);
  }

  // A page, script or game of another release (an earlier one may say
  // none): a reload fetches one whole, once the new release's worker has
  // taken over from one that mixed them. The game itself plays for no page
  // of another release, for the pages that came before this check.
  function twoReleases(other = 'an earlier one') {
    status.textContent = `This page holds two releases of the game ` +
      `(${kRelease} and ${other}): reload it to play.`;
    enable(false);
    again.hidden = true;
    reload.hidden = false;
    reload.focus();
    busy(false);
    showEnd();
  }
  reload.addEventListener('click', () => location.reload());

  function forgetSeed() {
    const address = new URL(location.href);
    address.searchParams.delete('seed');
    try {
      history.replaceState(history.state, '', address);
    } catch {
      // an address the browser will not change (some take none on disk)
    }
  }

  again.addEventListener('click', () => {
    if (game !== null && !playing) {
      status.textContent = '';
      play();
      line.focus();
    }
  });

  function cannotStart() {
    status.textContent = 'The game could not be loaded. Reload the page ' +
      'to try again.';
    enable(false);
    again.hidden = true;
    busy(false);
    showEnd();
  }

  // Served, the page can be installed and play offline. From disk neither
  // works, and a manifest linked there errs, so nothing is tried; nor does
  // a worker that fails stop the game. It waits until the page is idle,
  // where the browser can tell, so that the first prompt does not wait.
  const whenIdle = window.requestIdleCallback || ((then) => setTimeout(then));
  function offerOffline() {
    if (location.protocol !== 'http:' && location.protocol !== 'https:') {
      return;
    }
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    if ('serviceWorker' in navigator) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  }

  // Keys typed from now on are kept, and reach the game once it is ready.
  function load() {
    const script = document.createElement('script');
    script.src = `blackjack.js?v=${kRelease}`;
    script.addEventListener('error', cannotStart);
    script.addEventListener('load', async () => {
      try {
        game = await createGame({
          pageRelease: kRelease, readLine, showOutput, asking,
          printErr: (text) => errors.push(text),
          onAbort: cannotStart,
        });
      } catch {
        cannotStart();
        return;
      }
      whenIdle(offerOffline);
      if (game.gameRelease !== kRelease) {
        twoReleases(game.gameRelease);
        return;
      }
      status.textContent = '';
      play();
    });
    document.body.append(script);
  }

  // The table fits what the screen shows, above an on-screen keyboard.
  function fitScreen() {
    table.style.height = `${window.visualViewport.height}px`;
    showEnd();
    line.scrollIntoView({ block: 'nearest' });
  }
  if (window.visualViewport) {
    window.visualViewport.addEventListener('resize', fitScreen);
    fitScreen();
  }
  line.focus();
  const pageRelease = document.documentElement.dataset.release;
  if (pageRelease === kRelease) {
    load();
  } else {
    twoReleases(pageRelease);
  }
})();

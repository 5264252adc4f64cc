// The page around the game, laid out the way browser players of text games
// do it: what the game prints goes into a log, and the player types each
// answer in a text field. Enter sends the line. Up and Down recall earlier
// lines, PageUp and PageDown scroll the log. Ctrl-D on an empty line, or
// "Leave the table", ends the input. Lines sent before the game asks for
// them wait in order, and that includes lines sent while the game is still
// loading. Each line is written into the log when the game reads it, so the
// log holds exactly what the console shows. The game tells the page which
// question it asks and the table as the log has shown it: the page offers
// that question's answers alone, and shows the hands, their totals, the pot
// and the bet in a strip above the log. The page, this script and the game each say their release, and no game
// starts unless all three are of one.
'use strict';

(() => {
  const kRelease = '@PROJECT_VERSION@';
  const byId = (id) => document.getElementById(id);
  const [screen, log, status, line, again, leave, reload] =
    ['screen', 'log', 'status', 'line', 'again', 'leave', 'reload'].map(byId);
  const answers = [...document.querySelectorAll('#answers [data-answer]')];
  // Shown as text: control characters as their pictures (U+2400...), so
  // that a NUL cannot cut the seed short before the game judges it.
  const pictured = (text) => text.replace(/[\0-\x1f\x7f]/g, (c) =>
    String.fromCharCode(c === '\x7f' ? 0x2421 : 0x2400 + c.charCodeAt(0)));
  const addressSeed = new URLSearchParams(location.search).get('seed');

  // ---- The log --------------------------------------------------------------
  // Text waits in `shown.unprinted` until the page takes its turn. It then
  // goes in as one new block, so the browser lays out only what is new.
  const decoder = new TextDecoder();
  const shown = {
    unprinted: '', // the game's output and the lines it read, not yet shown
    readingBack: false, // the player has scrolled back to read
    playerScrolls: false, // the scrolling that follows is the player's own
  };
  const print = (text) => { shown.unprinted += text; };

  // The buttons and the table first: they may take rows from the log,
  // whose end is then scrolled into view.
  function showLog() {
    offerAnswers();
    showTable();
    if (shown.unprinted !== '') {
      const block = document.createElement('div');
      // The answers' hints, as "(h|s)", kept whole: a line may break after
      // a bar, and Firefox does.
      shown.unprinted.split(/(\(\w\|\w\))/).forEach((part, at) => {
        if (at % 2 === 0) {
          block.append(part);
        } else {
          const hint = block.appendChild(document.createElement('span'));
          hint.className = 'whole';
          hint.textContent = part;
        }
      });
      log.append(block);
      shown.unprinted = '';
    }
    showEnd();
    line.scrollIntoView({ block: 'nearest' });
  }

  function clearLog() {
    log.textContent = '';
    shown.unprinted = '';
    followEnd();
  }

  // The end of the log is brought into view whenever its box changes (the
  // buttons, the status, the rules, an on-screen keyboard), unless the
  // player has scrolled back to read. That is judged from scrolling that
  // follows the player's own wheel, keys or touch, up to their next answer:
  // a box that shrinks, or the page's own scrolling, says nothing of it.
  // The player follows the game again: at an answer, or a new game.
  function followEnd() {
    shown.readingBack = false;
    shown.playerScrolls = false;
  }
  function showEnd() {
    if (!shown.readingBack) {
      log.scrollTop = log.scrollHeight;
    }
  }
  const playerScrolls = () => { shown.playerScrolls = true; };
  for (const type of ['wheel', 'touchmove', 'keydown']) {
    log.addEventListener(type, playerScrolls, { passive: true });
  }
  log.addEventListener('scroll', () => {
    if (shown.playerScrolls) {
      shown.readingBack =
        log.scrollHeight - log.scrollTop - log.clientHeight > 1;
    }
  });
  byId('rules').addEventListener('toggle', showEnd);

  // Busy while the game plays on, and not while it waits for the player:
  // a screen reader may wait for the log to settle.
  const busy = (on) => log.setAttribute('aria-busy', String(on));

  // ---- The answers --------------------------------------------------------
  // The game names the question it asks, by its buttons' data-for; the
  // buttons show that question's answers from the page's next turn.
  const answering = {
    asked: null, // the question the game asks, or null
    offered: undefined, // the question whose answers the buttons show
  };
  const ask = (question) => { answering.asked = question; };
  function offerAnswers() {
    if (answering.offered === answering.asked) {
      return;
    }
    answering.offered = answering.asked;
    for (const button of answers) {
      button.hidden = button.dataset.for !== answering.asked;
    }
    // A number pad for the ace; a bet may be a decimal, which a phone's
    // decimal pad may write with a comma.
    line.inputMode = answering.asked === 'ace' ? 'numeric' : 'text';
  }

  // ---- The table ----------------------------------------------------------
  // At each question the game hands the table as the log has shown it: the
  // cards of each hand by number, 0 face down, each total and the pot as
  // last printed, and the bet as taken; null where the log has none. Card n
  // is the rank (n - 1) % 13 of the suit (n - 1) / 13, as the game numbers
  // them: Hearts, Diamonds, Clubs, Spades, each Ace to King. The strip
  // keeps the last question's table when a game ends.
  const kRanks = ['A', '2', '3', '4', '5', '6', '7', '8', '9', '10', 'J',
    'Q', 'K'];
  const kSuits = ['\u2665', '\u2666', '\u2663', '\u2660'].map((s) => s + '\ufe0e');
  const kNoTable = { dealer: [], player: [], dealerTotal: null,
    playerTotal: null, pot: null, bet: null };
  const tabled = {
    handed: kNoTable, // the game's table at its last question
    shown: null, // the table the strip shows
  };
  const handTable = (table) => { tabled.handed = table; };
  function card(number) {
    const face = document.createElement('li');
    if (number === 0) {
      face.className = 'down';
    } else {
      const suit = Math.floor((number - 1) / 13);
      face.dataset.face = `${kRanks[(number - 1) % 13]}\n${kSuits[suit]}`;
      face.classList.toggle('red', suit < 2); // Hearts and Diamonds
    }
    return face;
  }
  const money = (amount) => (amount === null ? '' : `$${amount}`);
  function showTable() {
    if (tabled.shown === tabled.handed) {
      return;
    }
    const table = tabled.shown = tabled.handed;
    for (const hand of ['dealer', 'player']) {
      byId(hand).replaceChildren(...table[hand].map(card));
      byId(`${hand}-total`).textContent = table[`${hand}Total`] ?? '';
    }
    byId('pot').textContent = money(table.pot);
    byId('bet').textContent = money(table.bet);
  }

  // ---- Lines the player sends ---------------------------------------------
  // They wait in a queue until the game reads them. Lines are taken from
  // the front by an index, so that each costs the same however many wait
  // behind it.
  const queue = {
    waiting: [], // lines sent, each with its '\n'; null ends the input
    unread: 0, // the first line of `waiting` the game has not read
    give: null, // hands the next line to the game while it waits
    rest: new Uint8Array(0), // what the game has not taken of its line
    turnTaken: 0, // when the page last had its turn
  };
  const kTurn = 10; // ms the game runs on queued lines before it yields:
  // laying out what it printed takes several times as long again
  const kPiece = 512; // bytes of a line the game gets at a time: a long
  // line of answers refused one by one takes about a turn per piece

  const encoder = new TextEncoder();

  function send(text) {
    if (queue.give !== null) {
      const take = queue.give;
      queue.give = null;
      busy(true);
      take(text);
    } else {
      queue.waiting.push(text);
    }
  }

  function clearQueue() {
    queue.waiting = [];
    queue.unread = 0;
    queue.rest = new Uint8Array(0);
  }

  // The page's turn, when the game has run a turn on input already there:
  // the log shows what is new, and the browser runs what waits.
  async function takeTurnIfDue() {
    if (performance.now() - queue.turnTaken > kTurn) {
      showLog();
      await new Promise((resume) => setTimeout(resume));
      queue.turnTaken = performance.now();
    }
  }

  async function nextLine() {
    if (queue.unread === queue.waiting.length) {
      showLog();
      busy(false);
      const text = await new Promise((take) => { queue.give = take; });
      queue.turnTaken = performance.now();
      return text;
    }
    await takeTurnIfDue();
    const text = queue.waiting[queue.unread];
    queue.waiting[queue.unread] = undefined; // read: its memory may go
    queue.unread += 1;
    if (queue.unread === queue.waiting.length) {
      clearQueue();
    }
    return text;
  }

  // At most `size` bytes of the next line, a piece at a time, so that the
  // page has its turns within a long line too; none once the input has
  // ended. The line goes into the log as the game reads it.
  async function readLine(size) {
    if (queue.rest.length === 0) {
      const text = await nextLine();
      if (text === null) {
        return queue.rest;
      }
      print(text);
      queue.rest = encoder.encode(text);
    } else {
      await takeTurnIfDue();
    }
    const part = queue.rest.subarray(0, Math.min(size, kPiece));
    queue.rest = queue.rest.subarray(part.length);
    return part;
  }

  // ---- Typing and tapping ---------------------------------------------------
  // Up and Down recall the last kHistory lines sent.
  const kHistory = 100;
  const earlier = {
    sent: [], // the lines, oldest first
    recalled: 0, // the line of `sent` in the field; sent.length: none
    draft: '', // what was typed before Up was pressed
  };

  // Blank lines and a repeat of the line before are not worth recalling.
  function sendLine(text) {
    const { sent } = earlier;
    if (text.trim() !== '' && text !== sent[sent.length - 1]) {
      sent.push(text);
      if (sent.length > kHistory) {
        sent.shift();
      }
    }
    earlier.recalled = sent.length;
    followEnd();
    send(text + '\n');
  }

  function recall(step) {
    const to = earlier.recalled + step;
    if (to < 0 || to > earlier.sent.length) {
      return;
    }
    if (earlier.recalled === earlier.sent.length) {
      earlier.draft = line.value;
    }
    earlier.recalled = to;
    line.value = to === earlier.sent.length ? earlier.draft : earlier.sent[to];
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
      playerScrolls();
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

  // ---- A game ---------------------------------------------------------------
  const session = {
    game: null, // the loaded game, once it is
    playing: false, // a game is under way
    errors: [], // what the game wrote on standard error
    // the address's seed, or null: the next game from the clock
    askedSeed: addressSeed === null ? null : pictured(addressSeed),
  };

  // What the game calls: at each question, with each line of its output.
  const asking = (name, table) => {
    ask(name);
    handTable(table);
  };
  const showOutput = (bytes) => print(decoder.decode(bytes, { stream: true }));

  function enable(on) {
    line.disabled = !on;
    leave.hidden = !on;
    again.hidden = on;
  }

  // A new game starts with an empty log and table. At its end the buttons
  // go, and the table stays.
  async function play() {
    session.playing = true;
    clearLog();
    handTable(kNoTable);
    busy(true);
    session.errors = [];
    enable(true);
    session.game.seed = session.askedSeed; // read from here onto the heap
    const code = await session.game.ccall('playInPage', 'number', [], [],
      { async: true });
    ask(null);
    showLog();
    busy(false);
    clearQueue();
    session.playing = false;
    enable(false);
    again.focus();
    // A refused seed: the game's reason, and the next game from the clock,
    // as the address then says.
    status.textContent = code === 0 ? 'The game is over.'
      : refusal(session.errors[0]);
    if (code !== 0) {
      forgetSeed();
    }
    showEnd();
  }

  // The console's reason for a refused seed, the seed in it cut to its
  // start, an ellipsis and its length where it is long.
  const kSeedShown = 40;
  function refusal(reason) {
    const seed = session.askedSeed;
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
    session.askedSeed = null;
    const address = new URL(location.href);
    address.searchParams.delete('seed');
    try {
      history.replaceState(history.state, '', address);
    } catch {
      // an address the browser will not change (some take none on disk)
    }
  }

  again.addEventListener('click', () => {
    if (session.game !== null && !session.playing) {
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
        session.game = await createGame({
          pageRelease: kRelease, readLine, showOutput, asking,
          printErr: (text) => session.errors.push(text),
          onAbort: cannotStart,
        });
      } catch {
        cannotStart();
        return;
      }
      whenIdle(offerOffline);
      if (session.game.gameRelease !== kRelease) {
        twoReleases(session.game.gameRelease);
        return;
      }
      status.textContent = '';
      play();
    });
    document.body.append(script);
  }

  // The page fits what the screen shows, above an on-screen keyboard. A
  // short one (a keyboard up, a phone on its side) gives the rows of the
  // title and the help to the log.
  const kShort = 30; // rem
  function fitScreen() {
    const { height } = window.visualViewport;
    screen.style.height = `${height}px`;
    screen.classList.toggle('short', height <
      kShort * parseFloat(getComputedStyle(document.documentElement).fontSize));
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

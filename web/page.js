// The page around the game: a terminal that shows what the game prints and
// gathers what the player types, a line at a time, as a terminal does:
// typed keys are echoed at once, Backspace edits the line, Enter sends it,
// Ctrl-D on an empty line ends the input, and lines typed before the game
// asks wait for it in order.
'use strict';

(async () => {
  const query = new URLSearchParams(window.location.search);
  let seed = query.get('seed'); // null: dealt from the clock
  const over = document.getElementById('over');
  const again = document.getElementById('again');

  const terminal = new Terminal({
    convertEol: true,
    screenReaderMode: true,
    scrollback: 10000,
  });
  const fit = new FitAddon.FitAddon();
  terminal.loadAddon(fit);
  terminal.open(document.getElementById('terminal'));
  fit.fit();
  window.addEventListener('resize', () => fit.fit());
  terminal.focus();
  window.blackjack = { terminal };

  // ---- The line discipline -------------------------------------------
  let playing = false; // keys go to a game only while one runs
  let typing = ''; // the line being typed
  const typed = []; // finished lines the game has not asked for; null ends
  let asking = null; // how to hand the game its line while it waits
  let rest = new Uint8Array(0); // what the game has not taken of a line
  const encoder = new TextEncoder();

  function send(line) {
    if (asking) {
      const give = asking;
      asking = null;
      give(line);
    } else {
      typed.push(line);
    }
  }

  terminal.onData((data) => {
    if (!playing) {
      return;
    }
    for (const key of data) {
      if (key === '\r' || key === '\n') {
        terminal.write('\r\n');
        send(typing + '\n');
        typing = '';
      } else if (key === '\x7f' || key === '\b') {
        if (typing !== '') {
          typing = Array.from(typing).slice(0, -1).join('');
          terminal.write('\b \b');
        }
      } else if (key === '\x04') {
        if (typing === '') {
          send(null);
        }
      } else if (key >= ' ') {
        typing += key;
        terminal.write(key);
      }
    }
  });

  // At most `size` bytes of the next line; none once the input has ended.
  async function readLine(size) {
    if (rest.length === 0) {
      const line = typed.length > 0 ? typed.shift()
        : await new Promise((give) => { asking = give; });
      if (line === null) {
        return new Uint8Array(0);
      }
      rest = encoder.encode(line);
    }
    const part = rest.subarray(0, size);
    rest = rest.subarray(part.length);
    return part;
  }

  // ---- The game --------------------------------------------------------
  const game = await createGame({
    readLine,
    showOutput: (bytes) => terminal.write(bytes),
    printErr: (line) => terminal.write(line + '\n'),
  });

  async function play() {
    over.hidden = true;
    typed.length = 0;
    typing = '';
    rest = new Uint8Array(0);
    playing = true;
    const status = await game.ccall('playInPage', 'number', ['string'],
      [seed], { async: true });
    playing = false;
    if (status !== 0) {
      seed = null; // the seed was refused: deal the next game from the clock
    }
    over.hidden = false;
  }

  again.addEventListener('click', () => {
    terminal.write('\n');
    terminal.focus();
    play();
  });
  play();
})();

// The game in a web page, built to WebAssembly by emscripten. Standard
// input is the lines the player sends from the page, one line per read,
// as a terminal gives them; standard output goes into the page's log. The
// page calls playInPage() for every new game; the game itself is the
// console's.
#include "amount.h"
#include "deck_of_cards.h"
#include "file_buffer.h"
#include "options.h"
#include "stream_swap.h"

#include <emscripten.h>

#include <string>

// Waits for the page's next line, or what is left of it, and copies at
// most `size` bytes of it to `buffer`. 0 once the player has ended the
// input.
EM_ASYNC_JS(int, readTypedLine, (char *buffer, int size), {
  const bytes = await Module.readLine(size);
  HEAPU8.set(bytes, buffer);
  return bytes.length;
});

// Writes `size` bytes of the game's output into the page's log.
EM_JS(void, showOutput, (const char *text, int size),
      { Module.showOutput(HEAPU8.slice(text, text + size)); });

// The size in bytes of the seed the page was opened with, -1 if none.
EM_JS(int, seedSize, (), {
  return typeof Module.seed == "string" ? lengthBytesUTF8(Module.seed) : -1;
});

// Copies the page's seed to `to`, which holds its `size` bytes and a NUL.
EM_JS(void, copySeed, (char *to, int size),
      { stringToUTF8(Module.seed, to, size + 1); });

// True if the page that loaded the game is of the game's own release: a
// page of another could hand it the seed another way, or none.
EM_JS(bool, pageOfThisRelease, (),
      { return Module.pageRelease == Module.gameRelease; });

// Tells the page which question the game asks, by the name its answer
// buttons carry, and the table as the log has shown it (JSON); a page that
// shows neither need not listen.
EM_JS(void, showAsking, (const char *name, const char *table), {
  if (Module.asking) {
    Module.asking(UTF8ToString(name), JSON.parse(UTF8ToString(table)));
  }
});

namespace {

// ---- The table at a glance ------------------------------------------------
// What the log has shown of the round when a question is asked: each
// hand's cards by number (0 is the dealer's second card, face down), each
// total as last printed, the pot as last printed, and the bet as the game
// took it, which the log never prints. Read from the record, never from
// the log's text.

double potShown = 0; // the pot as the log last printed it: at the bet

// The table as JSON: lists of card numbers, and totals and money as the
// game prints them, or null where the log has shown none.
struct Table {
  std::string dealer = "[]";
  std::string player = "[]";
  std::string dealerTotal = "null";
  std::string playerTotal = "null";
  std::string bet = "null";

  std::string json() const {
    return "{\"dealer\":" + dealer + ",\"player\":" + player +
           ",\"dealerTotal\":" + dealerTotal +
           ",\"playerTotal\":" + playerTotal + ",\"pot\":\"" +
           asMoney(potShown) + "\",\"bet\":" + bet + "}";
  }
};

// The cards named in a hand's slots from `first` to `last` for which
// `shown(slot)` holds, as a JSON list; an empty slot holds no name.
template <typename Shown>
std::string cards(const std::string (&faces)[kHandSlots], int first, int last,
                  Shown shown) {
  std::string list;
  for (int slot = first;; slot = DeckOfCards::slotAfter(slot)) {
    const int number = cardNamed(faces[slot]);
    if (number != 0 && shown(slot)) {
      list += (list.empty() ? "" : ",") + std::to_string(number);
    }
    if (slot == last) {
      return "[" + list + "]";
    }
  }
}

Table tableAt(const DeckOfCards &game, Asking kind) {
  Table table;
  if (kind == Asking::Bet) {
    potShown = game.pot;
    return table;
  }
  table.bet = "\"" + asMoney(game.bet) + "\"";
  const auto all = [](int) { return true; };
  // Until the deal shows the hands, an ace alone is named, by its question.
  if (kind == Asking::AceValue &&
      (game.userPosition == game.userFirst ||
       game.userPosition == DeckOfCards::slotAfter(game.userFirst))) {
    table.player = cards(game.userFace, game.userFirst, game.userPosition,
                         [&game](int slot) {
                           return game.user[slot] == 1 || game.user[slot] == 11;
                         });
    return table;
  }
  table.player = cards(game.userFace, game.userFirst, game.userPosition, all);
  table.playerTotal = std::to_string(game.userTotal);
  // The hands are listed, the dealer's second card named, when the player
  // stayed: at once, or later under 21.
  if (kind == Asking::PlayAgain &&
      (game.userTotal < kBlackjack || game.hitOrStay == 's' ||
       game.hitOrStay == 'S')) {
    table.dealer =
        cards(game.dealerFace, game.dealerFirst, game.dealerPosition, all);
    table.dealerTotal = std::to_string(game.dealerTotal);
  } else {
    table.dealer =
        "[" + std::to_string(cardNamed(game.dealerFace[game.dealerFirst])) +
        ",0]";
  }
  return table;
}

// Each question by the name its answer buttons carry, with the table.
void tellPage(const DeckOfCards &game, Asking kind) {
  const std::string table = tableAt(game, kind).json();
  switch (kind) {
  case Asking::Bet:
    return showAsking("bet", table.c_str());
  case Asking::AceValue:
    return showAsking("ace", table.c_str());
  case Asking::HitOrStay:
    return showAsking("hit-or-stay", table.c_str());
  case Asking::PlayAgain:
    return showAsking("play-again", table.c_str());
  }
}

class PageInput : public std::streambuf {
protected:
  int_type underflow() override {
    const int got = readTypedLine(buffer, sizeof buffer);
    if (got <= 0) {
      return traits_type::eof();
    }
    setg(buffer, buffer, buffer + got);
    return traits_type::to_int_type(*gptr());
  }

private:
  char buffer[4096];
};

class PageOutput : public std::streambuf {
public:
  PageOutput() { setp(buffer, buffer + sizeof buffer); }

protected:
  int_type overflow(int_type character) override {
    sync();
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(character);
      pbump(1);
    }
    return traits_type::not_eof(character);
  }
  int sync() override { // every flush: the end of every line
    showOutput(pbase(), static_cast<int>(pptr() - pbase()));
    setp(buffer, buffer + sizeof buffer);
    return 0;
  }

private:
  char buffer[4096];
};

} // namespace

// Plays one game, dealt as `blackjack --seed=SEED` deals it with the page's
// seed, or from the clock if it has none. The seed is copied onto the heap,
// not the stack, so that one of any length is judged as the console judges
// it. Returns the console's exit status: 2 if the seed is wrong, which the
// console's own words have said on standard error; 3, with nothing played,
// if the page is of another release.
extern "C" EMSCRIPTEN_KEEPALIVE int playInPage() {
  if (!pageOfThisRelease()) {
    complain("the page and its game are of two releases: reload the page");
    return 3;
  }
  std::string program = "blackjack";
  std::string option;
  const int size = seedSize();
  if (size >= 0) {
    option = "--seed=";
    const std::size_t from = option.size();
    option.resize(from + static_cast<std::size_t>(size));
    copySeed(option.data() + from, size);
  }
  char *argv[] = {program.data(), option.data(), nullptr};
  const Options options = readOptions(size < 0 ? 1 : 2, argv);
  if (options.action == Options::Action::Refuse) {
    return 2;
  }
  PageInput input;
  PageOutput output;
  const StreamSwap page(&input, &output);
  DeckOfCards deckOfCards(options.seed);
  deckOfCards.onAsk = tellPage;
  deckOfCards.play();
  std::cout.flush();
  return 0;
}

// The game in a web page, built to WebAssembly by emscripten. Standard
// input is the lines the player sends from the page, one line per read,
// as a terminal gives them; standard output goes into the page's log. The
// page calls playInPage() for every new game; the game itself is the
// console's.
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
// buttons carry; a page that offers no answers need not listen.
EM_JS(void, showAsking, (const char *name), {
  if (Module.asking) {
    Module.asking(UTF8ToString(name));
  }
});

namespace {

void tellPage(Asking kind) {
  switch (kind) {
  case Asking::Bet:
    return showAsking("bet");
  case Asking::AceValue:
    return showAsking("ace");
  case Asking::HitOrStay:
    return showAsking("hit-or-stay");
  case Asking::PlayAgain:
    return showAsking("play-again");
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

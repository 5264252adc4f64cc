// Feeds arbitrary bytes to a whole game as its standard input, dealt from
// the numbered deck with the generator seeded alike every time, and stops
// on anything that must never happen. Out-of-bounds reads and writes are
// the sanitizers' to catch.
#include "session.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Throws away everything the game prints.
class Discard : public std::streambuf {
public:
  Discard() { setp(buffer, buffer + sizeof buffer); }

protected:
  int overflow(int character) override {
    setp(buffer, buffer + sizeof buffer);
    return traits_type::not_eof(character);
  }

private:
  char buffer[4096];
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  std::istringstream in(
      std::string(reinterpret_cast<const char *>(data), size));
  Discard discard;
  std::streambuf *const oldIn = std::cin.rdbuf(in.rdbuf());
  std::streambuf *const oldOut = std::cout.rdbuf(&discard);
  std::cin.clear();

  DeckOfCards game;
  std::srand(1);
  game.deckColumn = 1;
  playSession(game);

  std::cin.rdbuf(oldIn);
  std::cout.rdbuf(oldOut);
  const bool saidNo = game.playAgain == 'n' || game.playAgain == 'N';
  if (!(game.halt == Halt::EndOfInput || saidNo) || !isPermutation(game.deck) ||
      game.deckIndex() > kDeckSize) {
    std::abort();
  }
  return 0;
}

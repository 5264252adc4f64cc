// Feeds arbitrary bytes to a whole game as its standard input, dealt from
// the same seed every time, and stops on anything that must never happen.
// Out-of-bounds reads and writes are the sanitizers' to catch.
#include "session.h"
#include "stream_swap.h"

#include <cstdint>
#include <cstdlib>
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
  const StreamSwap swap(in.rdbuf(), &discard);
  DeckOfCards game(1);
  game.play();
  if (!endedSoundly(game)) {
    std::abort();
  }
  return 0;
}

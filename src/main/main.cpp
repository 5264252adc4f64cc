// Twenty-one at the console: one player against the dealer, betting from a
// pot of 500.
#include "deck_of_cards.h"
#include "file_buffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Says on standard error why the program stops; gives its failure status.
int fail(const char *what, int error) {
  std::cerr << "blackjack: " << what << ": " << std::strerror(error)
            << std::endl;
  return 1;
}

int play(const FileBuffer &input, const FileBuffer &output) {
  DeckOfCards deckOfCards;
  deckOfCards.shuffle();
  deckOfCards.placeBet();
  deckOfCards.askHitOrStay();
  deckOfCards.askPlayAgain();
  if (!std::cout.flush()) {
    return fail("cannot write to standard output", output.error());
  }
  if (deckOfCards.halt == Halt::InputError) {
    // Input goes bad without a failed read only when reading a number
    // runs out of memory.
    return fail("cannot read standard input",
                input.error() != 0 ? input.error() : ENOMEM);
  }
  return 0;
}

} // namespace

int main() {
  FileBuffer input(STDIN_FILENO);
  FileBuffer output(STDOUT_FILENO);
  std::streambuf *const oldIn = std::cin.rdbuf(&input);
  std::streambuf *const oldOut = std::cout.rdbuf(&output);
  const int status = play(input, output);
  std::cin.rdbuf(oldIn);
  std::cout.rdbuf(oldOut);
  return status;
}

// Twenty-one at the console: one player against the dealer, betting from a
// pot of 500. This file is the program around the game: the command line,
// standard input and output, and the exit status.
#include "deck_of_cards.h"
#include "file_buffer.h"
#include "options.h"

#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// Says why the program stops; gives its failure status.
int fail(const char *what, int error) {
  complain(std::string(what) + ": " + std::strerror(error));
  return 1;
}

// Plays until the player stops or play halts; tells why it halted.
Halt play(const Options &options) {
  DeckOfCards deckOfCards =
      options.seed ? DeckOfCards(*options.seed) : DeckOfCards();
  deckOfCards.shuffle();
  deckOfCards.placeBet();
  deckOfCards.askHitOrStay();
  deckOfCards.askPlayAgain();
  return deckOfCards.halt;
}

int run(int argc, char *argv[], const FileBuffer &input,
        const FileBuffer &output) {
  const Options options = readOptions(argc, argv);
  switch (options.action) {
  case Options::Action::Refuse:
    return 2;
  case Options::Action::Help:
    std::cout << kUsage;
    break;
  case Options::Action::Version:
    std::cout << "blackjack " BLACKJACK_VERSION "\n";
    break;
  case Options::Action::Play:
    play(options);
  }
  if (!std::cout.flush()) {
    return fail("cannot write to standard output", output.error());
  }
  if (input.error() != 0) {
    return fail("cannot read standard input", input.error());
  }
  return 0;
}

} // namespace

int main(int argc, char *argv[]) {
  FileBuffer input(STDIN_FILENO);
  FileBuffer output(STDOUT_FILENO);
  std::streambuf *const oldIn = std::cin.rdbuf(&input);
  std::streambuf *const oldOut = std::cout.rdbuf(&output);
  const int status = run(argc, argv, input, output);
  std::cin.rdbuf(oldIn);
  std::cout.rdbuf(oldOut);
  return status;
}

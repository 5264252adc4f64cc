// Twenty-one at the console: one player against the dealer, betting from a
// pot of 500. This file is the program around the game: the command line,
// standard input and output, and the exit status.
#include "deck_of_cards.h"
#include "file_buffer.h"
#include "options.h"
#include "stream_swap.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <unistd.h>

namespace {

// With no memory left, nothing more may be allocated, not even to say so:
// one write of a fixed line, and the failure status.
[[noreturn]] void outOfMemory() {
  writeWhole(STDERR_FILENO, "blackjack: out of memory\n");
  std::_Exit(1);
}

// Says why the program stops; gives its failure status.
int fail(const char *what, int error) {
  complain(std::string(what) + ": " + std::strerror(error));
  return 1;
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
    std::cout << kVersion;
    break;
  case Options::Action::Play: {
    DeckOfCards deckOfCards(options.seed);
    deckOfCards.play();
  }
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
  std::set_new_handler(outOfMemory);
  FileBuffer input(STDIN_FILENO);
  FileBuffer output(STDOUT_FILENO);
  const StreamSwap console(&input, &output);
  return run(argc, argv, input, output);
}

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
#ifdef _WIN32
#include <vector>
#include <windows.h>
#endif

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

// Does what the command line asks, on standard streams already in place;
// gives the exit status.
int actOnCommandLine(int argc, char *argv[], const FileBuffer &input,
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

// Puts standard input and output on the program's own stream buffers over
// the file descriptors, which keep the error of a failed read or write.
int runOnConsole(int argc, char *argv[]) {
  FileBuffer input(STDIN_FILENO);
  FileBuffer output(STDOUT_FILENO);
  const StreamSwap console(&input, &output);
  return actOnCommandLine(argc, argv, input, output);
}

} // namespace

#ifdef _WIN32
// A narrow main gets its arguments in the ANSI code page, where what the
// page lacks is changed to a look-alike (a fullwidth digit to a digit):
// the arguments are taken as typed, wide, and read as UTF-8, as elsewhere.
int wmain(int argc, wchar_t *wideArgv[]) {
  std::set_new_handler(outOfMemory);
  std::vector<std::string> arguments;
  for (int at = 0; at < argc; ++at) {
    // The size counts the NUL at the end, which the string has of its own.
    const int size = WideCharToMultiByte(CP_UTF8, 0, wideArgv[at], -1, nullptr,
                                         0, nullptr, nullptr);
    std::string &argument = arguments.emplace_back(
        static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wideArgv[at], -1, argument.data(), size,
                        nullptr, nullptr);
  }
  std::vector<char *> argv;
  for (std::string &argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  return runOnConsole(argc, argv.data());
}
#else
int main(int argc, char *argv[]) {
  std::set_new_handler(outOfMemory);
  return runOnConsole(argc, argv);
}
#endif

// The command line. The game itself takes no arguments; the options only
// print about the program or fix the deal.
#ifndef BLACKJACK_OPTIONS_H
#define BLACKJACK_OPTIONS_H

#include <cstdint>
#include <optional>

struct Options {
  enum class Action {
    Play,    // play a game
    Help,    // print the usage text
    Version, // print the version
    Refuse,  // the command line is wrong: it has been said why
  };
  Action action = Action::Play;
  std::optional<std::uint32_t> seed; // the generator's seed, if given
};

// Reads the options, up to the first --help or --version, which acts
// alone. What is wrong with them is said on standard error.
Options readOptions(int argc, char *argv[]);

// The texts --help and --version print.
extern const char *const kUsage;
extern const char *const kVersion;

#endif

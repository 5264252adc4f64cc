#include "options.h"

#include "file_buffer.h"

#include <charconv>
#include <cstring>
#include <getopt.h>
#include <string>
#include <unistd.h>

// How a player at the keyboard ends the input.
#ifdef _WIN32
#define BLACKJACK_END_OF_INPUT "Ctrl-Z then Enter at a console"
#else
#define BLACKJACK_END_OF_INPUT "Ctrl-D at a terminal"
#endif

const char *const kUsage = R"(Usage: blackjack [OPTION]...
Play twenty-one (blackjack) against the dealer at the console: you bet from
a pot of $500 and type each answer on standard input.

  -s, --seed=N     seed the card shuffler with N (0 to 4294967295) instead
                   of the clock: the same N deals the same cards again
  -h, --help       print this help and exit
  -V, --version    print the version and exit

Play ends when you answer n to "play that again", when you answer y with
no money left, or when the input ends ()" BLACKJACK_END_OF_INPUT R"().
Exit status: 0 when play ends, 1 if standard output cannot be written or
standard input cannot be read, 2 for a wrong command line.
)";

const char *const kVersion = "blackjack " BLACKJACK_VERSION R"(
Copyright (c) 2026 The blackjack authors
License MIT <https://opensource.org/license/mit>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";

namespace {

const option kLongOptions[] = {
    {"seed", required_argument, nullptr, 's'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// Says what is wrong with the command line, and where to read more.
Options refuse(const std::string &what) {
  writeWhole(STDERR_FILENO,
             "blackjack: " + what +
                 "\nTry 'blackjack --help' for more information.\n");
  return {Options::Action::Refuse, std::nullopt};
}

// What getopt_long refused, by the option in optopt (0 for a long one it
// does not know) and the word it stopped at, argv[optind - 1]. Said in
// GNU's words on every system, whatever the C library's own getopt_long
// would say.
std::string refusal(char *argv[]) {
  const std::string word = argv[optind - 1];
  switch (optopt) {
  case 0:
    return "unrecognized option '" + word + "'";
  case 's':
    return word.rfind("--", 0) == 0 ? "option '--seed' requires an argument"
                                    : "option requires an argument -- 's'";
  case 'h': // only --help=... is refused
    return "option '--help' doesn't allow an argument";
  case 'V':
    return "option '--version' doesn't allow an argument";
  default:
    return std::string("invalid option -- '") + static_cast<char>(optopt) + "'";
  }
}

// A seed is a whole number in the generator's range: digits only.
bool readSeed(const char *text, std::uint32_t &seed) {
  const char *const end = text + std::strlen(text);
  const auto [stop, error] = std::from_chars(text, end, seed);
  return error == std::errc() && stop == end;
}

} // namespace

Options readOptions(int argc, char *argv[]) {
  opterr = 0; // what is wrong is said in the program's own words
  optind = 0; // from the start, however often the options are read
  Options options;
  for (int option = 0; (option = getopt_long(argc, argv, ":s:hV", kLongOptions,
                                             nullptr)) != -1;) {
    switch (option) {
    case 's':
      if (!readSeed(optarg, options.seed.emplace())) {
        return refuse("the seed must be a whole number from 0 to 4294967295, "
                      "not '" +
                      std::string(optarg) + "'");
      }
      break;
    case 'h': // the first of --help and --version acts: GNU's way
      return {Options::Action::Help, std::nullopt};
    case 'V':
      return {Options::Action::Version, std::nullopt};
    default: // '?' or ':'
      return refuse(refusal(argv));
    }
  }
  if (optind < argc) {
    return refuse("unexpected argument '" + std::string(argv[optind]) + "'");
  }
  return options;
}

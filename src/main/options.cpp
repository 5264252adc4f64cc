#include "options.h"

#include "file_buffer.h"

#include <charconv>
#include <cstring>
#include <getopt.h>
#include <limits>
#include <string>
#include <unistd.h>

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

// The generator takes any unsigned 32-bit seed.
constexpr std::uint32_t kMostSeed = std::numeric_limits<std::uint32_t>::max();

// A seed is a whole number in the generator's range: digits only, read by
// std::from_chars, which reads alike in every C++ library and locale.
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
        return refuse("the seed must be a whole number from 0 to " +
                      std::to_string(kMostSeed) + ", not '" +
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

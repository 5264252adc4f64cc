// The console: everything the player types comes in here, and the blank
// lines go out from here. Play stops, and `halt` says why, when standard
// output can no longer be written or standard input has ended: from then
// on nothing more is read and no question is asked, however deep in a
// round play was.
//
// Answers are read character by character, not by the C++ library's
// number parser, so that the game reads the same with every library.
#include "deck_of_cards.h"

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <string_view>

namespace {

// No number the game takes is longer; a longer word is kept only this far,
// so that what one answer holds does not grow with what is typed.
constexpr std::size_t kLongestNumber = 1000;

// White space as the C locale has it; the game does not change locales.
bool isSpace(int character) {
  return character == ' ' || (character >= '\t' && character <= '\r');
}

bool isDigit(char character) { return character >= '0' && character <= '9'; }

// Moves `at` past a run of digits in `word`; tells how many there were.
std::size_t skipDigits(std::string_view word, std::size_t &at) {
  const std::size_t from = at;
  while (at < word.size() && isDigit(word[at])) {
    ++at;
  }
  return at - from;
}

// Moves `at` past a sign, if one is there.
void skipSign(std::string_view word, std::size_t &at) {
  if (at < word.size() && (word[at] == '+' || word[at] == '-')) {
    ++at;
  }
}

// An amount: a decimal numeral, as `25`, `-0.5`, `.5`, `12.` or `1e2`.
// No hexadecimal, infinity, NaN or thousands separators. Its value is the
// nearest double; a numeral too large for one is infinite, and too small,
// zero of its sign.
bool parse(const std::string &word, double &amount) {
  std::size_t at = 0;
  skipSign(word, at);
  std::size_t digits = skipDigits(word, at);
  if (at < word.size() && word[at] == '.') {
    ++at;
    digits += skipDigits(word, at);
  }
  if (digits == 0) {
    return false;
  }
  if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
    ++at;
    skipSign(word, at);
    if (skipDigits(word, at) == 0) {
      return false;
    }
  }
  if (at != word.size()) {
    return false;
  }
  amount = std::strtod(word.c_str(), nullptr);
  return true;
}

// A whole number: an optional sign and digits, within an int.
bool parse(const std::string &word, int &number) {
  const char *first = word.data();
  const char *const last = first + word.size();
  if (first != last && *first == '+') {
    ++first; // from_chars takes a minus only
    if (first != last && *first == '-') {
      return false;
    }
  }
  const auto [stop, error] = std::from_chars(first, last, number);
  return error == std::errc() && stop == last;
}

} // namespace

void DeckOfCards::printNewlines(int count) {
  for (int line = 0; line < count; ++line) {
    std::cout << std::endl;
  }
}

bool DeckOfCards::ask(const Question &question, char &answer) {
  if (halted()) {
    return false;
  }
  std::cout << question.text << std::endl;
  return askUntil([&]() -> const char * {
    readLetter(answer);
    const std::string_view accepted(question.accepted);
    return accepted.find(answer) == std::string_view::npos ? question.refusal
                                                           : nullptr;
  });
}

// Output that failed stops play before anything is read, so that a game
// nobody can see is not played on.
bool DeckOfCards::skipToAnswer() {
  if (!halted() && !std::cout) {
    halt = Halt::OutputError;
  }
  while (!halted()) {
    const int next = std::cin.peek();
    if (next == std::char_traits<char>::eof()) {
      halt = Halt::EndOfInput;
    } else if (!isSpace(next)) {
      return true;
    } else {
      std::cin.get();
    }
  }
  return false;
}

bool DeckOfCards::readLetter(char &answer) {
  if (!skipToAnswer()) {
    return false;
  }
  answer = static_cast<char>(std::cin.get());
  return true;
}

bool DeckOfCards::readWord(std::string &word) {
  word.clear();
  if (!skipToAnswer()) {
    return false;
  }
  for (int next = std::cin.peek();
       next != std::char_traits<char>::eof() && !isSpace(next);
       next = std::cin.peek()) {
    if (word.size() <= kLongestNumber) {
      word += static_cast<char>(next);
    }
    std::cin.get();
  }
  return true;
}

template <typename Number> bool DeckOfCards::readNumber(Number &number) {
  std::string word;
  if (!readWord(word)) {
    return false;
  }
  if (word.size() <= kLongestNumber && parse(word, number)) {
    return true;
  }
  discardLine();
  return false;
}

void DeckOfCards::discardLine() {
  std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

template bool DeckOfCards::readNumber(int &);
template bool DeckOfCards::readNumber(double &);

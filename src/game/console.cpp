// The console: everything the player types comes in here, and the blank
// lines go out from here. Play stops, and `halt` says why, when standard
// output can no longer be written or standard input has ended: from then
// on nothing more is read and no question is asked, however deep in a
// round play was.
//
// Answers are read character by character, not by the C++ library's
// number parser, so that the game reads the same with every library.
#include "deck_of_cards.h"

#include <algorithm>
#include <charconv>
#include <iostream>
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

// No exponent moves the point further than this matters: past it, every
// digit typed is far below a cent or far above any bet.
constexpr long long kFarthestPoint = 1'000'000;

// The value of a run of digits, up to kFarthestPoint.
long long readExponent(std::string_view digits) {
  long long value = 0;
  for (const char digit : digits) {
    value = std::min(value * 10 + (digit - '0'), kFarthestPoint);
  }
  return value;
}

// A decimal numeral, as `25`, `-0.5`, `.5`, `12.` or `1e2`: no hexadecimal,
// infinity, NaN or thousands separators. Kept as its digits and where its
// point falls, so that it is judged exactly as typed, with no rounding to a
// double on the way.
bool parse(const std::string &word, Numeral &numeral) {
  std::size_t at = 0;
  numeral.minus = !word.empty() && word[0] == '-';
  skipSign(word, at);
  std::size_t from = at;
  const std::size_t whole = skipDigits(word, at);
  numeral.digits = word.substr(from, whole);
  if (at < word.size() && word[at] == '.') {
    from = ++at;
    numeral.digits += word.substr(from, skipDigits(word, at));
  }
  if (numeral.digits.empty()) {
    return false;
  }
  numeral.point = static_cast<long long>(whole);
  if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
    const bool down = ++at < word.size() && word[at] == '-';
    skipSign(word, at);
    from = at;
    if (skipDigits(word, at) == 0) {
      return false;
    }
    const long long exponent =
        readExponent(std::string_view(word).substr(from, at - from));
    numeral.point += down ? -exponent : exponent;
  }
  return at == word.size();
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

// A carriage return ends the line at once: waiting to see whether a
// newline follows would stall at a terminal. The newline of a \r\n is then
// white space before the next answer.
void DeckOfCards::discardLine() {
  for (int next = std::cin.get();
       next != '\n' && next != '\r' && next != std::char_traits<char>::eof();
       next = std::cin.get()) {
  }
}

template bool DeckOfCards::readNumber(int &);
template bool DeckOfCards::readNumber(Numeral &);

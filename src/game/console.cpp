// The console: everything the player types comes in here, and the blank
// lines go out from here. Play stops, and `halt` says why, when standard
// output can no longer be written or standard input has ended: from then
// on nothing more is read and no question is asked, however deep in a
// round play was.
//
// Answers are read a character at a time, never through a stream's own
// number reading, so that the game reads the same with every C++ library
// and no answer holds more memory than its verdict needs.
#include "deck_of_cards.h"

#include "amount.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <optional>
#include <string_view>

namespace {

// White space as the C locale has it; the game does not change locales.
bool isSpace(int character) {
  return character == ' ' || (character >= '\t' && character <= '\r');
}

// Hands `take` each character up to the next white space or the end of the
// input, which stay unread.
template <typename Take> void takeWord(Take take) {
  for (int next = std::cin.peek();
       next != std::char_traits<char>::eof() && !isSpace(next);
       next = std::cin.peek()) {
    take(static_cast<char>(next));
    std::cin.get();
  }
}

// A whole number within an int, typed as one word, taken a character at a
// time: an optional sign, then digits, as many leading zeros as typed. Its
// size stops growing once past the int's range, so a word of any length is
// judged in the same memory.
class WholeNumberReader {
public:
  void take(char character) {
    const bool sign = character == '+' || character == '-';
    if (sign && !signTyped && !digitTyped) {
      signTyped = true;
      minus = character == '-';
    } else if (character >= '0' && character <= '9') {
      size = std::min(size * 10 + (character - '0'), kPastRange);
      digitTyped = true;
    } else {
      wrong = true;
    }
  }
  // The number, or nothing if the word is no whole number within an int.
  std::optional<int> value() const {
    using Limits = std::numeric_limits<int>;
    const long long most =
        minus ? -static_cast<long long>(Limits::min()) : Limits::max();
    if (wrong || !digitTyped || size > most) {
      return std::nullopt;
    }
    return static_cast<int>(minus ? -size : size);
  }

private:
  // Past every int's size, and small enough to take one more digit.
  static constexpr long long kPastRange = 1LL << 40;

  bool signTyped = false;  // a sign came before the digits
  bool minus = false;      // that sign was a minus
  bool digitTyped = false; // a number needs at least one digit
  bool wrong = false;      // a character out of place: no number at all
  long long size = 0;      // the digits' value, up to kPastRange
};

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
  return askUntil(question.kind, [&]() -> const char * {
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

bool DeckOfCards::readAmount(AmountReader &amount) {
  if (!skipToAnswer()) {
    return false;
  }
  takeWord([&amount](char character) { amount.take(character); });
  return true;
}

bool DeckOfCards::readNumber(int &number) {
  if (!skipToAnswer()) {
    return false;
  }
  WholeNumberReader reader;
  takeWord([&reader](char character) { reader.take(character); });
  if (const std::optional<int> typed = reader.value()) {
    number = *typed;
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

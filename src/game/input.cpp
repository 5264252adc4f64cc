// Everything the player types comes in here. Each reader tells an answer
// from bad input and from the end of input; once input has ended,
// `inputEnded` is set and every later question returns at once, printing
// nothing, so play ends however deep in a round it was.
#include "deck_of_cards.h"

#include <cmath>
#include <iostream>
#include <limits>
#include <string_view>

namespace {

// After a refused answer: forget the failed read and the rest of its line.
void discardLine() {
  std::cin.clear();
  std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

} // namespace

void printNewlines(int count) {
  for (int line = 0; line < count; ++line) {
    std::cout << std::endl;
  }
}

// Prints a question and reads answers until one it accepts comes, meeting
// every other with its refusal. False once input has ended.
bool DeckOfCards::ask(const Question &question, char &answer) {
  if (inputEnded) {
    return false;
  }
  std::cout << question.text << std::endl;
  while (readAnswer(answer)) {
    if (std::string_view(question.accepted).find(answer) !=
        std::string_view::npos) {
      return true;
    }
    std::cout << question.refusal << std::endl;
  }
  return false;
}

// One character, white space skipped; the rest of the line stays unread.
bool DeckOfCards::readAnswer(char &answer) {
  if (std::cin >> answer) {
    return true;
  }
  inputEnded = true;
  return false;
}

// A number in the stream's own format; anything else is bad input, and the
// rest of its line is dropped. A stream that cannot be read any more counts
// as ended, or the question would be refused and asked for ever.
template <typename Number>
DeckOfCards::Read DeckOfCards::readNumber(Number &number) {
  if (std::cin >> number) {
    return Read::Value;
  }
  if (std::cin.eof() || std::cin.bad()) {
    inputEnded = true;
    return Read::Ended;
  }
  discardLine();
  return Read::Invalid;
}

DeckOfCards::Read DeckOfCards::readInteger(int &number) {
  return readNumber(number);
}

// An amount of money: a finite number, 0 or more.
DeckOfCards::Read DeckOfCards::readAmount(double &amount) {
  const Read read = readNumber(amount);
  if (read == Read::Value && !(amount >= 0.0 && std::isfinite(amount))) {
    discardLine();
    return Read::Invalid;
  }
  return read;
}

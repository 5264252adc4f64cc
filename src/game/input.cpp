// The console: everything the player types comes in here, and the blank
// lines go out from here. Play stops, and `halt` says why, when standard
// output can no longer be written, when standard input ends, or when it
// cannot be read: from then on nothing more is read and no question is
// asked, however deep in a round play was.
#include "deck_of_cards.h"

#include <iostream>
#include <limits>
#include <string_view>

// Prints `count` newlines, each flushing the output like every line.
void DeckOfCards::printNewlines(int count) {
  for (int line = 0; line < count; ++line) {
    std::cout << std::endl;
  }
}

// Prints a question and reads answers until one it accepts comes, meeting
// every other with its refusal. False once play has stopped.
bool DeckOfCards::ask(const Question &question, char &answer) {
  if (halted()) {
    return false;
  }
  std::cout << question.text << std::endl;
  return askUntil([&]() -> const char * {
    read(answer);
    const std::string_view accepted(question.accepted);
    return accepted.find(answer) == std::string_view::npos ? question.refusal
                                                           : nullptr;
  });
}

// Reads one value in the stream's own format, a letter answer with white
// space skipped and the rest of its line left for the next question. True
// when a value was read; otherwise either play has stopped or the input was
// not such a value. Output that failed stops play before anything is read,
// so that a game nobody can see is not played on.
template <typename Value> bool DeckOfCards::read(Value &value) {
  if (!halted() && !std::cout) {
    halt = Halt::OutputError;
  }
  if (halted()) {
    return false;
  }
  if (std::cin >> value) {
    return true;
  }
  if (std::cin.bad()) {
    halt = Halt::InputError;
  } else if (std::cin.eof()) {
    halt = Halt::EndOfInput;
  }
  return false;
}

// A number; anything else is bad input, and the rest of its line is
// dropped so that the question can be asked again.
template <typename Number> bool DeckOfCards::readNumber(Number &number) {
  if (read(number)) {
    return true;
  }
  if (!halted()) {
    discardLine();
  }
  return false;
}

// After a refused number: forget the failed read and the rest of its line.
void DeckOfCards::discardLine() {
  std::cin.clear();
  std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

template bool DeckOfCards::readNumber(int &);
template bool DeckOfCards::readNumber(double &);

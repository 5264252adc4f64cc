// The console: everything the player types comes in here, and the blank
// lines go out from here. Play stops, and `halt` says why, when standard
// output can no longer be written or standard input has ended: from then
// on nothing more is read and no question is asked, however deep in a
// round play was.
//
// Answers are read character by character, not by the C++ library's
// number parser, so that the game reads the same with every library.
#include "deck_of_cards.h"

#include "amount.h"

#include <charconv>
#include <iostream>
#include <string_view>

namespace {

// No whole number the game takes is longer; a longer word is kept only
// this far, so that what the answer holds does not grow with what is typed.
constexpr std::size_t kLongestNumber = 1000;

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

bool DeckOfCards::readWord(std::string &word) {
  word.clear();
  if (!skipToAnswer()) {
    return false;
  }
  takeWord([&word](char character) {
    if (word.size() <= kLongestNumber) {
      word += character;
    }
  });
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

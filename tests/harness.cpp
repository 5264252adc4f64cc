#include "harness.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

std::deque<int> randScript;
long randCalls = 0;
unsigned lastSeed = 0;

// Declared as the C library declares them, throwing or not.
extern "C" int rand() noexcept(noexcept(std::rand())) {
  ++randCalls;
  if (randScript.empty()) {
    return 0;
  }
  const int next = randScript.front();
  randScript.pop_front();
  return next;
}

extern "C" void srand(unsigned seed) noexcept(noexcept(std::srand(0))) {
  lastSeed = seed;
}

void stackDeck(DeckOfCards &game, const std::vector<int> &cards, int from) {
  if (from + cards.size() > kDeckSize) {
    throw std::out_of_range("more cards stacked than the deck holds");
  }
  game.deckRow = from / kDeckColumns;
  game.deckColumn = from % kDeckColumns;
  int *deck = &game.deck[0][0];
  for (int card : cards) {
    std::swap(*std::find(deck, deck + kDeckSize, card), deck[from++]);
  }
}

std::string play(DeckOfCards &game, const std::string &input) {
  Console console(input);
  game.playRounds();
  return console.output();
}

bool endsWith(const std::string &text, const std::string &end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

namespace {

const char *const kRanks[] = {"Ace",  "Deuce", "Three", "Four", "Five",
                              "Six",  "Seven", "Eight", "Nine", "Ten",
                              "Jack", "Queen", "King"};
const char *const kSuits[] = {"Hearts", "Diamonds", "Clubs", "Spades"};

} // namespace

std::string nameOf(int card) {
  return std::string(kRanks[(card - 1) % kDeckColumns]) + " of " +
         kSuits[(card - 1) / kDeckColumns];
}

int valueOf(const std::string &name) {
  const std::string rank = name.substr(0, name.find(' '));
  const int index = static_cast<int>(
      std::find(std::begin(kRanks), std::end(kRanks), rank) - kRanks);
  return index == 0 ? 11 : std::min(index + 1, 10);
}

#include "harness.h"

#include <algorithm>
#include <stdexcept>

std::deque<int> randScript;
long randCalls = 0;
unsigned lastSeed = 0;

extern "C" int rand() noexcept {
  ++randCalls;
  if (randScript.empty()) {
    return 0;
  }
  const int next = randScript.front();
  randScript.pop_front();
  return next;
}

extern "C" void srand(unsigned seed) noexcept { lastSeed = seed; }

Console::Console(const std::string &input)
    : in(input), oldIn(std::cin.rdbuf(in.rdbuf())),
      oldOut(std::cout.rdbuf(out.rdbuf())) {
  std::cin.clear();
}

Console::~Console() {
  std::cin.rdbuf(oldIn);
  std::cout.rdbuf(oldOut);
  std::cin.clear();
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
  playSession(game);
  return console.output();
}

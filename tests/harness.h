// The tests replace the C library's rand and srand, so that every shuffle
// is known in advance, and give a few helpers to set up and play games.
#ifndef BLACKJACK_TESTS_HARNESS_H
#define BLACKJACK_TESTS_HARNESS_H

#include "session.h"

#include <gtest/gtest.h>

#include <deque>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

// What rand() returns next, front first; once empty, rand() returns 0.
// A shuffle with rand() always 0 turns the deck round by five places.
extern std::deque<int> randScript;
extern long randCalls;    // calls to rand() so far
extern unsigned lastSeed; // the last value given to srand()

// Every test starts, and leaves, with rand() unscripted and uncounted,
// whether its assertions held or not.
class ForcedRand : public ::testing::Test {
protected:
  void SetUp() override { forgetRand(); }
  void TearDown() override { forgetRand(); }

private:
  static void forgetRand() {
    randScript.clear();
    randCalls = 0;
  }
};

// Feeds `input` to the game as standard input and collects what it prints,
// for as long as it lives.
class Console {
public:
  explicit Console(const std::string &input);
  ~Console();
  Console(const Console &) = delete;
  Console &operator=(const Console &) = delete;
  std::string output() const { return out.str(); }

private:
  std::istringstream in;
  std::ostringstream out;
  std::streambuf *oldIn;
  std::streambuf *oldOut;
};

// Puts the given card numbers next in the deck, from row-major index
// `from` on, and sets the position there. Cards are swapped into place, so
// the deck stays a permutation.
void stackDeck(DeckOfCards &game, const std::vector<int> &cards, int from = 1);

// Plays from the first bet to the end, as the program does after its
// shuffle, and returns the dialogue.
std::string play(DeckOfCards &game, const std::string &input);

#endif

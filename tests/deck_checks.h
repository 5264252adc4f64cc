// What must hold of the deck whatever happens in a game; shared by the
// property test and the fuzz target.
#ifndef BLACKJACK_TESTS_DECK_CHECKS_H
#define BLACKJACK_TESTS_DECK_CHECKS_H

#include "deck_of_cards.h"

// Each of the card numbers 1 to 52 exactly once.
inline bool isPermutation(const int (&deck)[kDeckRows][kDeckColumns]) {
  bool seen[kDeckSize + 1] = {};
  for (const auto &row : deck) {
    for (int card : row) {
      if (card < 1 || card > kDeckSize || seen[card]) {
        return false;
      }
      seen[card] = true;
    }
  }
  return true;
}

#endif

// What the tests and the fuzz target share: playing a session as the
// program does after its shuffle, and what must hold of the deck whatever
// happens in a game.
#ifndef BLACKJACK_TESTS_SESSION_H
#define BLACKJACK_TESTS_SESSION_H

#include "deck_of_cards.h"

// From the first bet until the player stops or play halts.
inline void playSession(DeckOfCards &game) {
  game.placeBet();
  game.askHitOrStay();
  game.askPlayAgain();
}

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

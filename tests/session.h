// What the tests and the fuzz target check of every game once it is over.
#ifndef BLACKJACK_TESTS_SESSION_H
#define BLACKJACK_TESTS_SESSION_H

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

// Play ended as it may, by the end of the input or by the player saying
// no (or running out of money, which says no for the player), and the deck
// is whole, with its position inside it.
inline bool endedSoundly(const DeckOfCards &game) {
  const bool saidNo = game.playAgain == 'n' || game.playAgain == 'N';
  return (game.halt == Halt::EndOfInput || saidNo) &&
         isPermutation(game.deck) && game.deckIndex() <= kDeckSize;
}

#endif

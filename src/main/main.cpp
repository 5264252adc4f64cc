// Twenty-one at the console: one player against the dealer, betting from a
// pot of 500.
#include "deck_of_cards.h"

int main() {
  DeckOfCards deckOfCards;
  deckOfCards.shuffle();
  deckOfCards.placeBet();
  deckOfCards.askHitOrStay();
  deckOfCards.askPlayAgain();
  return 0;
}

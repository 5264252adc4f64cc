// The loop of rounds after the first.
#include "deck_of_cards.h"

#include <iostream>

const DeckOfCards::Question DeckOfCards::kPlayAgain = {
    "Do you want to play that again ?  (y|n) ",
    "Please enter in a valid answer (Y|N)", "yYnN"};

// Offers another round after each one until the player says no, the money
// is gone or input ends. A round that reshuffled the deck leaves `games`
// at 0, so the next bet starts a fresh pot instead of refusing the player.
char DeckOfCards::askPlayAgain() {
  while (ask(kPlayAgain, playAgain)) {
    if (playAgain == 'n' || playAgain == 'N') {
      break;
    }
    if (games > 0 && pot <= 0) {
      std::cout
          << "Sorry but you have no money. Please get some more and come back! "
          << std::endl;
      playAgain = 'n';
      break;
    }
    printNewlines(6);
    placeBet();
    askHitOrStay();
  }
  return playAgain;
}

// A game from start to end: the shuffle, the first round, and the loop of
// rounds after it.
#include "deck_of_cards.h"

#include <iostream>

void DeckOfCards::play() {
  shuffle();
  playRounds();
}

void DeckOfCards::playRounds() {
  placeBet();
  askHitOrStay();
  askPlayAgain();
}

const DeckOfCards::Question DeckOfCards::kPlayAgain = {
    Asking::PlayAgain, "Do you want to play that again ?  (y|n) ",
    "Please enter in a valid answer (Y|N)", "yYnN"};

// A round that reshuffled the deck leaves `games` at 0, so the next bet
// starts a fresh pot instead of refusing the player.
void DeckOfCards::askPlayAgain() {
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
}

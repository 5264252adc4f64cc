// The start of every round: the pot, the bet and the deal.
#include "deck_of_cards.h"

#include <iostream>

namespace {

constexpr double kStartingPot = 500;
constexpr int kCardsPerDeal = 4;

} // namespace

// Shows the pot and takes the bet, then deals. The first round after a
// shuffle starts a fresh pot.
void DeckOfCards::placeBet() {
  // The deal takes its four cards without looking, so the deck must hold
  // them all.
  if (deckRow * kDeckColumns + deckColumn > kDeckSize - kCardsPerDeal) {
    reshuffle(kDealerEndOfDeck);
  }
  if (games < 1) {
    pot = kStartingPot;
    std::cout << " You have a starting pot of $" << pot << std::endl;
    std::cout << " How much would you like to bet ?" << std::endl;
  } else if (pot > 0) {
    std::cout << "You have $" << pot
              << " money in your pot. How much would you like to bet? "
              << std::endl;
  } else {
    return; // no money: the play-again loop turns such a player away first
  }
  if (readBet()) {
    deal();
  }
}

// Reads the bet until it is an amount of 0 or more; zero, fractions and
// more than the pot are taken as typed.
bool DeckOfCards::readBet() {
  for (;;) {
    switch (readAmount(bet)) {
    case Read::Value:
      return true;
    case Read::Ended:
      return false;
    case Read::Invalid:
      std::cout << " INVALID BET  Enter an amount of 0 or more" << std::endl;
    }
  }
}

// Counts the round and gives two cards each, dealer first, then shows the
// dealer's first card and the player's hand. After the first round since
// a shuffle the hands go on from the slots where the last round ended.
void DeckOfCards::deal() {
  ++games;
  std::cout << "Games = " << games << std::endl;
  if (games <= 1) {
    std::cout << "Setting the positions to 0 " << std::endl;
    dealerPosition = 0;
    userPosition = 0;
  } else {
    std::cout << "Not resetting the positions " << std::endl;
  }
  dealerFirst = dealerPosition;
  userFirst = userPosition;
  for (int pair = 0; pair < 2; ++pair) {
    dealer[dealerPosition] = takeCard();
    user[userPosition] = takeCard();
    nameDealerCard();
    nameUserCard();
    if (inputEnded) {
      return;
    }
    nextSlot(dealerPosition, dealerFace, dealer);
    nextSlot(userPosition, userFace, user);
  }
  const int dealerSecond = slotAfter(dealerFirst);
  const int userSecond = slotAfter(userFirst);
  std::cout << "Dealer is showing a " << dealerFace[dealerFirst] << std::endl;
  dealerTotal = dealer[dealerFirst] + dealer[dealerSecond];
  std::cout << " You have the cards of " << userFace[userFirst] << " and "
            << userFace[userSecond] << std::endl;
  userTotal = user[userFirst] + user[userSecond];
  std::cout << " For a starting total of " << userTotal << " points "
            << std::endl;
  printNewlines(3);
}

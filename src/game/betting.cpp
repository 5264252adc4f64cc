// The start of every round: the pot, the bet and the deal.
#include "deck_of_cards.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

constexpr double kStartingPot = 500;
constexpr int kCardsPerDeal = 4;

// The largest bet: a pot kept to the cent stays exact in a double for tens
// of thousands of rounds of winning it.
constexpr double kMostBet = 1e9;
constexpr const char *kNotAnAmount =
    " INVALID BET  Enter an amount of 0 or more";
constexpr const char *kTooMuch =
    " INVALID BET  Enter an amount of 1000000000 or less";

double toCents(double amount) { return std::round(amount * 100) / 100; }

// Fifteen significant digits, as printf's %.15g: every amount the game
// holds to the cent, and no more, so that the binary fraction's noise
// (0.145 is held as 0.14499999999999999) does not show.
std::string fifteenDigits(double amount) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", amount);
  return text;
}

// A bet is taken to the cent as it was typed: 0.145 makes 14.5 cents to
// fifteen digits, which rounds up, where the double just below would not.
double typedToCents(double amount) {
  return std::round(std::strtod(fifteenDigits(amount * 100).c_str(), nullptr)) /
         100;
}

} // namespace

void DeckOfCards::placeBet() {
  // The deal takes its four cards without looking, so the deck must hold
  // them all.
  if (deckIndex() > kDeckSize - kCardsPerDeal) {
    reshuffle(kDealerEndOfDeck);
  }
  if (games < 1) {
    pot = kStartingPot;
    std::cout << " You have a starting pot of $" << fifteenDigits(pot)
              << std::endl;
    std::cout << " How much would you like to bet ?" << std::endl;
  } else if (pot > 0) {
    std::cout << "You have $" << fifteenDigits(pot)
              << " money in your pot. How much would you like to bet? "
              << std::endl;
  } else {
    return; // no money: the play-again loop turns such a player away first
  }
  if (readBet()) {
    deal();
  }
}

// Fractions and more than the pot are taken as typed.
bool DeckOfCards::readBet() {
  return askUntil([this] { return judgeBet(); });
}

// The sign and the limit are judged on the amount as read, before it is
// taken to the cent: -1e-320 is refused, -0 is a bet of 0.
const char *DeckOfCards::judgeBet() {
  if (!readNumber(bet)) {
    return kNotAnAmount;
  }
  if (bet < 0) {
    discardLine();
    return kNotAnAmount;
  }
  if (bet > kMostBet) {
    discardLine();
    return kTooMuch;
  }
  bet = typedToCents(bet);
  return nullptr;
}

// To the cent, so that no fraction of a cent piles up over the rounds.
void DeckOfCards::settle(double change) { pot = toCents(pot + change); }

// After the first round since a shuffle the hands go on from the slots
// where the last round ended.
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
    if (!nameUserCard()) {
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

// The start of every round: the pot, the bet and the deal.
#include "deck_of_cards.h"

#include "amount.h"

#include <cmath>
#include <iostream>
#include <string>

namespace {

constexpr double kStartingPot = 500;
constexpr int kCardsPerDeal = 4;

constexpr const char *kNotAnAmount =
    " INVALID BET  Enter an amount of 0 or more";

// Written from the limit itself, when first said: made before main, the
// text would be allocated before running out of memory is handled.
const char *tooMuch() {
  static const std::string text = " INVALID BET  Enter an amount of " +
                                  std::to_string(kMostBet) + " or less";
  return text.c_str();
}

double toCents(double amount) { return std::round(amount * 100) / 100; }

} // namespace

void DeckOfCards::placeBet() {
  // The deal takes its four cards without looking, so the deck must hold
  // them all.
  if (deckIndex() > kDeckSize - kCardsPerDeal) {
    reshuffle(kDealerEndOfDeck);
  }
  if (games < 1) {
    pot = kStartingPot;
    std::cout << " You have a starting pot of $" << asMoney(pot) << std::endl;
    std::cout << " How much would you like to bet ?" << std::endl;
  } else {
    std::cout << "You have $" << asMoney(pot)
              << " money in your pot. How much would you like to bet? "
              << std::endl;
  }
  if (readBet()) {
    deal();
  }
}

// Fractions and more than the pot are taken as typed.
bool DeckOfCards::readBet() {
  return askUntil(Asking::Bet, [this] { return judgeBet(); });
}

// Whatever the word, a refusal drops the rest of its line, which would
// otherwise answer the questions that follow.
const char *DeckOfCards::judgeBet() {
  AmountReader reader;
  if (!readAmount(reader)) {
    return nullptr; // play has stopped: the question loop ends
  }
  const Amount typed = reader.verdict();
  if (typed.verdict != Amount::Verdict::Taken) {
    discardLine();
    return typed.verdict == Amount::Verdict::TooLarge ? tooMuch()
                                                      : kNotAnAmount;
  }
  bet = static_cast<double>(typed.cents) / 100;
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

// The start of every round: the pot, the bet and the deal.
#include "deck_of_cards.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr double kStartingPot = 500;
constexpr int kCardsPerDeal = 4;

// The largest bet, in whole units: a pot kept to the cent stays exact in a
// double for tens of thousands of rounds of winning it.
constexpr long long kMostBet = 1'000'000'000;
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

// The digit of `typed` worth 10 to the power `place`; 0 where none was
// typed.
int digitWorth(const Numeral &typed, long long place) {
  const long long at = typed.point - 1 - place;
  const bool inside =
      at >= 0 && at < static_cast<long long>(typed.digits.size());
  return inside ? typed.digits[static_cast<std::size_t>(at)] - '0' : 0;
}

// The amount typed in whole cents, half a cent or more counting as one;
// none if it is more than the largest bet, by however little.
std::optional<long long> centsOf(const Numeral &typed) {
  const std::size_t first = typed.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    return 0;
  }
  if (typed.point - 1 - static_cast<long long>(first) > 9) {
    return std::nullopt; // ten digits before the point, or more
  }
  long long whole = 0;
  for (long long place = 9; place >= 0; --place) {
    whole = whole * 10 + digitWorth(typed, place);
  }
  const long long size = static_cast<long long>(typed.digits.size());
  const std::size_t point =
      static_cast<std::size_t>(std::clamp(typed.point, 0LL, size));
  const bool fraction =
      typed.digits.find_first_not_of('0', point) != std::string::npos;
  if (whole > kMostBet || (whole == kMostBet && fraction)) {
    return std::nullopt;
  }
  const int cents = digitWorth(typed, -1) * 10 + digitWorth(typed, -2);
  return whole * 100 + cents + (digitWorth(typed, -3) >= 5 ? 1 : 0);
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

// Judged on the digits as typed, with no rounding on the way: a minus sign
// before a digit other than 0 is refused (-0 bets 0, -1e-400 is refused),
// as is anything above the limit (1000000000.00000001), and the cents are
// those typed, half a cent up (999999999.0049999 bets 999999999).
const char *DeckOfCards::judgeBet() {
  Numeral typed;
  if (!readNumber(typed)) {
    return kNotAnAmount;
  }
  const bool negative =
      typed.minus && typed.digits.find_first_not_of('0') != std::string::npos;
  const std::optional<long long> cents = centsOf(typed);
  if (negative || !cents) {
    discardLine();
    return negative ? kNotAnAmount : kTooMuch;
  }
  bet = static_cast<double>(*cents) / 100;
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

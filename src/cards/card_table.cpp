// The card table: what each card number is called and how much it counts,
// and the player's choice of 1 or 11 for an ace.
#include "deck_of_cards.h"

#include <iostream>

namespace {

struct Card {
  const char *name;
  int dealerValue; // the dealer's aces always count 11
  int userValue;   // the player's aces start at 1; the player may make 11
};

// Card number n is kCards[n - 1]: Hearts, Diamonds, Clubs, Spades, each
// running Ace to King.
constexpr Card kCards[kDeckSize] = {
    {"Ace of Hearts", 11, 1},      {"Deuce of Hearts", 2, 2},
    {"Three of Hearts", 3, 3},     {"Four of Hearts", 4, 4},
    {"Five of Hearts", 5, 5},      {"Six of Hearts", 6, 6},
    {"Seven of Hearts", 7, 7},     {"Eight of Hearts", 8, 8},
    {"Nine of Hearts", 9, 9},      {"Ten of Hearts", 10, 10},
    {"Jack of Hearts", 10, 10},    {"Queen of Hearts", 10, 10},
    {"King of Hearts", 10, 10},    {"Ace of Diamonds", 11, 1},
    {"Deuce of Diamonds", 2, 2},   {"Three of Diamonds", 3, 3},
    {"Four of Diamonds", 4, 4},    {"Five of Diamonds", 5, 5},
    {"Six of Diamonds", 6, 6},     {"Seven of Diamonds", 7, 7},
    {"Eight of Diamonds", 8, 8},   {"Nine of Diamonds", 9, 9},
    {"Ten of Diamonds", 10, 10},   {"Jack of Diamonds", 10, 10},
    {"Queen of Diamonds", 10, 10}, {"King of Diamonds", 10, 10},
    {"Ace of Clubs", 11, 1},       {"Deuce of Clubs", 2, 2},
    {"Three of Clubs", 3, 3},      {"Four of Clubs", 4, 4},
    {"Five of Clubs", 5, 5},       {"Six of Clubs", 6, 6},
    {"Seven of Clubs", 7, 7},      {"Eight of Clubs", 8, 8},
    {"Nine of Clubs", 9, 9},       {"Ten of Clubs", 10, 10},
    {"Jack of Clubs", 10, 10},     {"Queen of Clubs", 10, 10},
    {"King of Clubs", 10, 10},     {"Ace of Spades", 11, 1},
    {"Deuce of Spades", 2, 2},     {"Three of Spades", 3, 3},
    {"Four of Spades", 4, 4},      {"Five of Spades", 5, 5},
    {"Six of Spades", 6, 6},       {"Seven of Spades", 7, 7},
    {"Eight of Spades", 8, 8},     {"Nine of Spades", 9, 9},
    {"Ten of Spades", 10, 10},     {"Jack of Spades", 10, 10},
    {"Queen of Spades", 10, 10},   {"King of Spades", 10, 10},
};

} // namespace

int cardNamed(std::string_view name) {
  for (int number = 1; number <= kDeckSize; ++number) {
    if (name == kCards[number - 1].name) {
      return number;
    }
  }
  return 0;
}

// Naming reads the slot as a card number, 1 to 52: every caller has just
// taken that card from the deck and put it there.
void DeckOfCards::nameDealerCard() {
  const Card &card = kCards[dealer[dealerPosition] - 1];
  dealerFace[dealerPosition] = card.name;
  dealer[dealerPosition] = card.dealerValue;
}

bool DeckOfCards::nameUserCard() {
  const Card &card = kCards[user[userPosition] - 1];
  userFace[userPosition] = card.name;
  user[userPosition] = card.userValue;
  return user[userPosition] != 1 || askAceValue();
}

// The value chosen is final: nothing later turns an 11 back into a 1.
bool DeckOfCards::askAceValue() {
  std::cout << "You drew a " << userFace[userPosition]
            << " Would you like that to count as a 1 or 11?" << std::endl;
  std::cout << " 1 = 1, 2 = 11" << std::endl;
  const bool chosen = askUntil(Asking::AceValue, [this]() -> const char * {
    const bool valid =
        readNumber(aceChoice) && (aceChoice == 1 || aceChoice == 2);
    return valid ? nullptr : "Pleae enter a valid number!  1 = 1, 2 = 11 ";
  });
  if (!chosen) {
    return false;
  }
  user[userPosition] = aceChoice == 1 ? 1 : 11;
  printNewlines(3);
  return true;
}

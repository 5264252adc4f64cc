// The deck: numbering, shuffling and taking cards.
#include "deck_of_cards.h"

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <utility>

namespace {

constexpr int kShufflePasses = 5;

// The last card of the deck is never drawn by a hit or the dealer's turn:
// reaching it means the deck must be shuffled again.
constexpr int kLastCard = kDeckSize - 1;

} // namespace

DeckOfCards::DeckOfCards(std::optional<std::uint32_t> seed) {
  for (int row = 0; row < kDeckRows; ++row) {
    for (int column = 0; column < kDeckColumns; ++column) {
      deck[row][column] = kDeckColumns * row + column + 1;
    }
  }
  std::srand(seed ? *seed : static_cast<unsigned>(std::time(nullptr)));
}

void DeckOfCards::shuffle() {
  deckRow = 0;
  deckColumn = 0;
  games = 0;
  for (int pass = 0; pass < kShufflePasses; ++pass) {
    for (auto &row : deck) {
      for (int &card : row) {
        const int partnerRow = std::rand() % kDeckRows;
        const int partnerColumn = std::rand() % kDeckColumns;
        std::swap(card, deck[partnerRow][partnerColumn]);
      }
    }
  }
  // The card left at row 0, column 0 is not dealt from this shuffle.
  deckColumn = 1;
}

int DeckOfCards::takeCard() {
  const int index = deckIndex();
  ++deckColumn;
  return deck[index / kDeckColumns][index % kDeckColumns];
}

// A deal may have left the column past 12: first make it a row and column.
int DeckOfCards::takeCardGuarded(const char *endOfDeckMessage) {
  deckRow += deckColumn / kDeckColumns;
  deckColumn %= kDeckColumns;
  if (deckIndex() >= kLastCard) {
    reshuffle(endOfDeckMessage);
  }
  return takeCard();
}

void DeckOfCards::reshuffle(const char *endOfDeckMessage) {
  std::cout << endOfDeckMessage << std::endl;
  shuffle();
}

// The slot is emptied so that no card of an earlier round shows through.
void DeckOfCards::nextSlot(int &position, std::string (&faces)[kHandSlots],
                           int (&hand)[kHandSlots]) {
  position = slotAfter(position);
  faces[position].clear();
  hand[position] = 0;
}

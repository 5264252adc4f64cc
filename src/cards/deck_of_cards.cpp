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

DeckOfCards::DeckOfCards()
    : DeckOfCards(static_cast<unsigned>(std::time(nullptr))) {}

DeckOfCards::DeckOfCards(unsigned seed) {
  for (int row = 0; row < kDeckRows; ++row) {
    for (int column = 0; column < kDeckColumns; ++column) {
      deck[row][column] = kDeckColumns * row + column + 1;
    }
  }
  std::srand(seed);
}

// Five passes over the deck in reading order, each card swapped with one
// picked by the C library's generator (row first, then column), so anyone
// who controls srand and rand can replay a game exactly.
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

// Takes the card at the deck position without testing it: the deal does,
// once placeBet has made sure four cards are left, and so does the guarded
// take after its test. The column may run past 12 during a deal: the
// position is read in row-major order.
int DeckOfCards::takeCard() {
  const int index = deckIndex();
  ++deckColumn;
  return deck[index / kDeckColumns][index % kDeckColumns];
}

// Takes a card for a hit or the dealer, shuffling first (and saying so)
// when the position has reached the last card of the deck.
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

// Moves a hand position on to its next slot, wrapping round after the last,
// and empties that slot so that no card of an earlier round shows through.
void DeckOfCards::nextSlot(int &position, std::string (&faces)[kHandSlots],
                           int (&hand)[kHandSlots]) {
  position = slotAfter(position);
  faces[position].clear();
  hand[position] = 0;
}

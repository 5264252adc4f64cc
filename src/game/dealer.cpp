// The dealer's turn and the showdown that settles the bet.
#include "deck_of_cards.h"

#include <iostream>

namespace {

constexpr int kDealerStands = 17;

} // namespace

void DeckOfCards::listHand(const std::string (&faces)[kHandSlots], int first,
                           int last) {
  for (int slot = first;; slot = slotAfter(slot)) {
    std::cout << faces[slot] << "  ";
    if (slot == last) {
      break;
    }
  }
  std::cout << std::endl;
}

// An ace always counts 11. The first card drawn goes one slot past the
// position the deal left, so the showdown shows an empty entry after the
// dealer's two dealt cards.
void DeckOfCards::dealerPlay() {
  while (dealerTotal < kDealerStands) {
    const int card = takeCardGuarded(kDealerEndOfDeck);
    nextSlot(dealerPosition, dealerFace, dealer);
    dealer[dealerPosition] = card;
    nameDealerCard();
    std::cout << " The Dealer just drew a " << dealerFace[dealerPosition]
              << std::endl;
    dealerTotal += dealer[dealerPosition];
  }
  std::cout << "The dealer has now stopped also" << std::endl;
  showdown();
}

// Equal totals are a push: nothing is said and nothing moves.
void DeckOfCards::showdown() {
  printNewlines(2);
  std::cout << " You have in your hand : " << std::endl;
  listHand(userFace, userFirst, userPosition);
  std::cout << " For a Total of : " << userTotal;
  printNewlines(3);
  std::cout << " The Dealer Has : " << std::endl;
  listHand(dealerFace, dealerFirst, dealerPosition);
  std::cout << " For a Total of : " << dealerTotal;
  printNewlines(3);
  if (userTotal > kBlackjack) {
    userBusts();
  } else if (dealerTotal > kBlackjack) {
    std::cout << " Dealer busted you won!" << std::endl;
    settle(bet);
  } else if (dealerTotal > userTotal) {
    std::cout << " Sorry, but the dealer won that round!" << std::endl;
    settle(-bet);
  } else if (dealerTotal < userTotal) {
    std::cout << " YOU WON !!! " << std::endl;
    settle(bet);
  }
}

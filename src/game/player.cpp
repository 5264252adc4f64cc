// The player's turn: hit until staying, busting or making 21.
#include "deck_of_cards.h"

#include <iostream>

namespace {

bool isHit(char answer) { return answer == 'h' || answer == 'H'; }
bool isStay(char answer) { return answer == 's' || answer == 'S'; }

} // namespace

const DeckOfCards::Question DeckOfCards::kHitOrStay = {
    Asking::HitOrStay, " You you want to Hit or Stay ? (h|s)",
    " INVALID ANSWER  Only (h)it or (s)tay", "hHsS"};

void DeckOfCards::askHitOrStay() {
  if (!ask(kHitOrStay, hitOrStay)) {
    return;
  }
  char answer = hitOrStay;
  while (isHit(answer)) {
    answer = hit();
  }
  if (isStay(answer)) {
    dealerPlay();
  }
}

// Each card drawn gets a slot of its own, so the showdown lists them all.
char DeckOfCards::hit() {
  std::cout << games << std::endl;
  user[userPosition] = takeCardGuarded(kUserEndOfDeck);
  if (!nameUserCard()) {
    return ' ';
  }
  std::cout << " You just drew a " << userFace[userPosition] << std::endl;
  userTotal += user[userPosition];
  nextSlot(userPosition, userFace, user);
  std::cout << " Your total now is : " << userTotal << std::endl;
  if (userTotal > kBlackjack) {
    userBusts();
    return ' ';
  }
  if (userTotal == kBlackjack) {
    std::cout << "BLACK JACK! YOU WON!" << std::endl;
    settle(bet);
    return ' ';
  }
  char ans2 = ' ';
  return ask(kHitOrStay, ans2) ? ans2 : ' ';
}

void DeckOfCards::userBusts() {
  std::cout << "Sorry but you BUST! Dealer is the winner. " << std::endl;
  settle(-bet);
}

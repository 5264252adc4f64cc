// The player's turn: hit until staying, busting or making 21.
#include "deck_of_cards.h"

#include <iostream>

namespace {

bool isHit(char answer) { return answer == 'h' || answer == 'H'; }
bool isStay(char answer) { return answer == 's' || answer == 'S'; }

} // namespace

const DeckOfCards::Question DeckOfCards::kHitOrStay = {
    " You you want to Hit or Stay ? (h|s)",
    " INVALID ANSWER  Only (h)it or (s)tay", "hHsS"};

// Plays the player's turn of a round out, and the dealer's if the player
// stays. Returns the first answer.
char DeckOfCards::askHitOrStay() {
  if (!ask(kHitOrStay, hitOrStay)) {
    return hitOrStay;
  }
  char answer = hitOrStay;
  while (isHit(answer)) {
    answer = hit();
  }
  if (isStay(answer)) {
    dealerPlay();
  }
  return hitOrStay;
}

// Draws one card for the player into a slot of its own. A bust or exactly
// 21 settles the round at once; otherwise the player is asked again.
// Returns that answer, or a blank when the round or the play is over.
char DeckOfCards::hit() {
  std::cout << games << std::endl;
  user[userPosition] =
      takeCardGuarded(" You have hit the end of the deck.. Need to re-shuffle");
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

// Over 21: the round and the bet are lost.
void DeckOfCards::userBusts() {
  std::cout << "Sorry but you BUST! Dealer is the winner. " << std::endl;
  settle(-bet);
}

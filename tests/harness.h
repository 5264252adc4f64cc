// The tests replace the C library's rand and srand, so that every shuffle
// is known in advance, and give a few helpers to set up and play games and
// to read what they said.
#ifndef BLACKJACK_TESTS_HARNESS_H
#define BLACKJACK_TESTS_HARNESS_H

#include "session.h"
#include "stream_swap.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>
#include <string>
#include <vector>

// What rand() returns next, front first; once empty, rand() returns 0.
// A shuffle with rand() always 0 turns the deck round by five places.
extern std::deque<int> randScript;
extern long randCalls;    // calls to rand() so far
extern unsigned lastSeed; // the last value given to srand()

// Every test starts, and leaves, with rand() unscripted and uncounted,
// whether its assertions held or not.
class ForcedRand : public ::testing::Test {
protected:
  void SetUp() override { forgetRand(); }
  void TearDown() override { forgetRand(); }

private:
  static void forgetRand() {
    randScript.clear();
    randCalls = 0;
  }
};

// Feeds `input` to the game as standard input and collects what it prints,
// for as long as it lives.
class Console {
public:
  explicit Console(const std::string &input) : in(input) {}
  std::string output() const { return out.str(); }

private:
  std::istringstream in;
  std::ostringstream out;
  StreamSwap swap{in.rdbuf(), out.rdbuf()};
};

// Puts the given card numbers next in the deck, from row-major index
// `from` on, and sets the position there. Cards are swapped into place, so
// the deck stays a permutation.
void stackDeck(DeckOfCards &game, const std::vector<int> &cards, int from = 1);

// Plays from the first bet to the end, the deck as it stands, and returns
// the dialogue.
std::string play(DeckOfCards &game, const std::string &input);

bool endsWith(const std::string &text, const std::string &end);

// A card's name, worked out from its number: Ace to King in Hearts (1-13),
// Diamonds (14-26), Clubs (27-39) and Spades (40-52).
std::string nameOf(int card);
// What a card counts by its name, an ace 11.
int valueOf(const std::string &name);
constexpr int kAceOfClubs = 27;

// Lines of the dialogue that tests look for, each with its newline.
struct DialogueLines {
  std::string betRefused, betTooLarge, answerRefused, aceRefused, playAgain,
      noMoney, userEndOfDeck, dealerEndOfDeck;
};
inline const DialogueLines kSaid = {
    " INVALID BET  Enter an amount of 0 or more\n",
    " INVALID BET  Enter an amount of 1000000000 or less\n",
    " INVALID ANSWER  Only (h)it or (s)tay\n",
    "Pleae enter a valid number!  1 = 1, 2 = 11 \n",
    "Do you want to play that again ?  (y|n) \n",
    "Sorry but you have no money. Please get some more and come back! \n",
    " You have hit the end of the deck.. Need to re-shuffle\n",
    " The Dealer has hit the end of the deck.. Need to re-shuffle\n",
};

#endif

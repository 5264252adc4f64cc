// Thousands of sessions of random decks and random typing, garbage
// included: every session ends once its input does, the deck stays a
// permutation, positions stay inside the deck and the hands, and every
// round moves the pot by exactly the bet, to the cent, or not at all.
#include "harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using Property = ForcedRand;

// An amount in whole cents; fails the test if it is not one.
long long cents(double amount) {
  const long long whole = std::llround(amount * 100);
  EXPECT_NEAR(amount * 100, static_cast<double>(whole), 1e-6) << amount;
  return whole;
}

// Looks at the game each time a line of output is flushed.
class Watcher : public std::stringbuf {
public:
  explicit Watcher(const DeckOfCards &game) : game(game) {}
  long lines = 0;
  long rounds = 0;

protected:
  int sync() override {
    const std::string line = str();
    str("");
    ++lines;
    EXPECT_TRUE(isPermutation(game.deck));
    EXPECT_LE(game.deckIndex(), kDeckSize);
    for (int position : {game.userPosition, game.dealerPosition, game.userFirst,
                         game.dealerFirst}) {
      EXPECT_TRUE(position >= 0 && position < kHandSlots) << position;
    }
    if (line.rfind("Games = ", 0) == 0) {
      potAtDeal = cents(game.pot);
      ++rounds;
    } else if (line.rfind("Do you want to play that again", 0) == 0) {
      const long long pot = cents(game.pot);
      const long long bet = cents(game.bet);
      EXPECT_TRUE(pot == potAtDeal || pot == potAtDeal + bet ||
                  pot == potAtDeal - bet)
          << potAtDeal << " cents became " << pot << " on a bet of " << bet;
    }
    return 0;
  }

private:
  const DeckOfCards &game;
  long long potAtDeal = 0; // in cents
};

// Mostly answers a player might give, mixed with what a cat on the
// keyboard might; cut off anywhere.
std::string randomTyping(std::mt19937 &random) {
  static const std::vector<std::string> answers = {
      "h\n", "s\n", "H\n", "S ", "y\n", "Y\n", "1\n", "2\n", "25\n", "0\n"};
  static const std::vector<std::string> oddities = {
      "2\r\n", "h\r\n",   "499.5\n", "1e2\n",    "x\n",
      "yes\n", "-5\n",    "1e400\n", "1e-320\n", "99999999999\n",
      "nan\n", "-inf\n",  "0x1A\n",  "-\n",      ".\n",
      "e5\n",  "+7\n",    "\n",      " \t ",     "hhhh\n",
      "n\n",   "0.125\n", "1e9\n",   "0.004\n",  "1000000000.01\n"};
  std::string input;
  const int pieces = static_cast<int>(random() % 1000);
  for (int piece = 0; piece < pieces; ++piece) {
    const unsigned pick = random() % 40;
    if (pick < 2) { // any byte, NUL included
      input += static_cast<char>(random() % 256);
    } else if (pick == 2) {
      input += std::string(random() % 2000, 'q') + "\n";
    } else if (pick < 6) {
      input += oddities[random() % oddities.size()];
    } else {
      input += answers[random() % answers.size()];
    }
  }
  return input.substr(0, random() % (input.size() + 1));
}

TEST_F(Property, RandomSessionsEndAndSettleFairly) {
  std::mt19937 random(2026);
  long rounds = 0;
  for (int session = 0; session < 3000; ++session) {
    randScript.clear();
    for (int call = 0; call < 4 * 520; ++call) {
      randScript.push_back(static_cast<int>(random() % 32768));
    }
    DeckOfCards game;
    std::istringstream typed(randomTyping(random));
    Watcher watcher(game);
    {
      const StreamSwap swap(typed.rdbuf(), &watcher);
      game.play();
    }
    rounds += watcher.rounds;
    ASSERT_TRUE(endedSoundly(game)) << "session " << session;
  }
  EXPECT_GT(rounds, 15000) << rounds;
}

} // namespace

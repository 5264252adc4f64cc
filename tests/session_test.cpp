// Whole sessions: the play-again question, the money check, and long runs
// of rounds between reshuffles.
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>

namespace {

using Session = ForcedRand;

TEST_F(Session, PlayAgainTakesYesOrNoOnly) {
  for (const std::string end : {"\n", "\r\n", "\r", "\t"}) {
    DeckOfCards game;
    stackDeck(game, {10, 23, 9, 8, 36, 24, 35, 21});
    const char no = end == "\n" ? 'n' : 'N';
    std::string input;
    for (const std::string answer : {"100", "s", "x", "Y", "50", "s"}) {
      input.append(answer).append(end);
    }
    input.append(1, no).append(end).append("y").append(end);
    const std::string said = play(game, input);
    EXPECT_NE(said.find(kSaid.playAgain +
                        "Please enter in a valid answer (Y|N)\n" +
                        "\n\n\n\n\n\nYou have $400 money in your pot."),
              std::string::npos);
    EXPECT_TRUE(endsWith(said, kSaid.playAgain)) << no;
    EXPECT_EQ(game.playAgain, no);
    EXPECT_EQ(game.pot, 350);
  }
}

TEST_F(Session, NoMoneyLeftEndsPlay) {
  for (const char *bet : {"500", "600"}) {
    DeckOfCards game;
    stackDeck(game, {10, 23, 9, 8});
    const std::string said = play(game, std::string(bet) + "\ns\ny\ny\n");
    EXPECT_TRUE(endsWith(said, kSaid.noMoney)) << bet;
    EXPECT_EQ(game.playAgain, 'n');
    EXPECT_EQ(game.games, 1);
  }
}

std::vector<std::string> allMatches(const std::string &text,
                                    const std::regex &pattern) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end;
       it != end; ++it) {
    found.push_back((*it)[1]);
  }
  return found;
}

std::string listing(const std::vector<std::string> &names) {
  std::string line;
  for (const std::string &name : names) {
    line += name + "  ";
  }
  return line;
}

// The player's aces are always answered with 11 in these sessions.
int total(const std::vector<std::string> &names) {
  int sum = 0;
  for (const std::string &name : names) {
    sum += name.empty() ? 0 : valueOf(name);
  }
  return sum;
}

// Every round of a long session shows, lists and counts only the cards
// dealt and drawn in that round, however far the hand slots have wrapped.
TEST_F(Session, EveryRoundShowsOnlyItsOwnCards) {
  std::mt19937 random(7);
  for (int call = 0; call < 100000; ++call) {
    randScript.push_back(static_cast<int>(random() % 32768));
  }
  std::string input;
  for (int round = 0; round < 300; ++round) {
    input += round % 2 == 1 ? "5\n2\n2\nh\n2\ns\ny\n" : "5\n2\n2\ns\ny\n";
  }
  DeckOfCards game;
  game.shuffle();
  const std::string said = play(game, input);

  const std::regex deal("Dealer is showing a (.+)\n You have the cards of (.+) "
                        "and (.+)\n For a starting total of (\\d+) points");
  const std::regex drawn(" You just drew a (.+)\n");
  const std::regex dealerDrew(" The Dealer just drew a (.+)\n");
  const std::regex hands(" You have in your hand : \n(.*)\n For a Total of : "
                         "(\\d+)\n\n\n The Dealer Has : \n(.+?)  (.+?)    "
                         "(.*)\n For a Total of : (\\d+)\n");
  int rounds = 0;
  int showdowns = 0;
  int reshuffles = 0;
  for (std::size_t at = said.find("Games = "); at != std::string::npos;
       ++rounds) {
    const std::size_t next = said.find("Games = ", at + 1);
    const std::string round = said.substr(at, next - at);
    at = next;
    std::smatch shown;
    std::smatch shownHands;
    ASSERT_TRUE(std::regex_search(round, shown, deal)) << round;
    std::vector<std::string> user = {shown[2], shown[3]};
    EXPECT_EQ(std::stoi(shown[4]), total(user)) << round;
    for (const std::string &card : allMatches(round, drawn)) {
      user.push_back(card);
    }
    if (round.find("re-shuffle") != std::string::npos) {
      ++reshuffles;
    }
    if (!std::regex_search(round, shownHands, hands)) {
      continue;
    }
    ++showdowns;
    EXPECT_EQ(shownHands[1], listing(user) + "  ") << round;
    EXPECT_EQ(std::stoi(shownHands[2]), total(user)) << round;
    EXPECT_EQ(shownHands[3], shown[1]) << round;
    const std::vector<std::string> drew = allMatches(round, dealerDrew);
    EXPECT_EQ(shownHands[5], listing(drew)) << round;
    EXPECT_EQ(std::stoi(shownHands[6]),
              valueOf(shown[1]) + valueOf(shownHands[4]) + total(drew))
        << round;
  }
  EXPECT_EQ(rounds, 300);
  EXPECT_GT(showdowns, 100);
  EXPECT_GT(reshuffles, 20);
  EXPECT_EQ(said.find(kSaid.noMoney), std::string::npos);
}

} // namespace

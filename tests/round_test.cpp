// One round at a time: the bet, the deal, the player's and the dealer's
// turns and the showdown, with the deck stacked and the answers typed.
#include "harness.h"

#include <gtest/gtest.h>

namespace {

using Round = ForcedRand;

const char *const kFirstRound = R"( You have a starting pot of $500
 How much would you like to bet ?
Games = 1
Setting the positions to 0 
You drew a Ace of Clubs Would you like that to count as a 1 or 11?
 1 = 1, 2 = 11



Dealer is showing a Ten of Hearts
 You have the cards of Ace of Clubs and Six of Hearts
 For a starting total of 17 points 



 You you want to Hit or Stay ? (h|s)
1
 You just drew a Deuce of Diamonds
 Your total now is : 19
 You you want to Hit or Stay ? (h|s)
The dealer has now stopped also


 You have in your hand : 
Ace of Clubs  Six of Hearts  Deuce of Diamonds    
 For a Total of : 19


 The Dealer Has : 
Ten of Hearts  Seven of Hearts    
 For a Total of : 17


 YOU WON !!! 
Do you want to play that again ?  (y|n) 
)";

const char *const kSecondRound = R"(





You have $600 money in your pot. How much would you like to bet? 
Games = 2
Not resetting the positions 
Dealer is showing a Ten of Spades
 You have the cards of Nine of Hearts and Ten of Clubs
 For a starting total of 19 points 



 You you want to Hit or Stay ? (h|s)
The dealer has now stopped also


 You have in your hand : 
Nine of Hearts  Ten of Clubs    
 For a Total of : 19


 The Dealer Has : 
Ten of Spades  Eight of Hearts    
 For a Total of : 18


 YOU WON !!! 
Do you want to play that again ?  (y|n) 
)";

TEST_F(Round, DialogueOfAFirstAndASecondRound) {
  DeckOfCards game;
  stackDeck(game, {10, kAceOfClubs, 7, 6, 15, 49, 9, 8, 36});
  EXPECT_EQ(play(game, "100\n2\nh\ns\nn\n"), kFirstRound);
  EXPECT_EQ(game.pot, 600);

  stackDeck(game, {10, kAceOfClubs, 7, 6, 15, 49, 9, 8, 36});
  game.games = 0;
  EXPECT_EQ(play(game, "100\n2\nh\ns\ny\n50\ns\nn\n"),
            std::string(kFirstRound) + kSecondRound);
  EXPECT_EQ(game.pot, 650);
}

TEST_F(Round, EachOutcomeSettlesTheBetOneToOne) {
  struct Case {
    std::vector<int> cards; // dealer, player, dealer, player, then draws
    const char *answers;
    const char *outcome; // the last lines before the play-again question
    double pot;
    bool dealerPlays;
  };
  const Case cases[] = {
      {{10, 23, 6, 19, 13},
       "H\n",
       "Sorry but you BUST! Dealer is the winner. ",
       400,
       false},
      {{10, 23, 6, 19, 5, 9}, "h\n", "BLACK JACK! YOU WON!", 600, false},
      {{10, 23, 6, 8, 9}, "S\n", " Dealer busted you won!", 600, true},
      {{10, 23, 9, 19, 2},
       "H\nS\n",
       " Sorry, but the dealer won that round!",
       400,
       true},
      {{10, 23, 9, 20},
       "s\n",
       " Sorry, but the dealer won that round!",
       400,
       true},
      {{10, 23, 8, 36}, "s\n", " YOU WON !!! ", 600, true},
      {{10, 23, 8, 21}, "s\n", " For a Total of : 18\n\n", 500, true},
      {{6, 23, 5, 9, 40}, "s\n", " Dealer busted you won!", 600, true},
      {{10, kAceOfClubs, 7, 14},
       "2\n2\ns\n",
       "Sorry but you BUST! Dealer is the winner. ",
       400,
       true},
      // Standing on exactly 21, an ace counted 11 with a ten.
      {{10, kAceOfClubs, 9, 23}, "2\ns\n", " YOU WON !!! ", 600, true},
      {{11, kAceOfClubs, 40, 23},
       "2\ns\n",
       " For a Total of : 21\n\n",
       500,
       true},
  };
  for (const Case &c : cases) {
    DeckOfCards game;
    stackDeck(game, c.cards);
    const std::string said =
        play(game, std::string("100\n") + c.answers + "n\n");
    EXPECT_TRUE(endsWith(said, c.outcome + ("\n" + kSaid.playAgain))) << said;
    EXPECT_EQ(game.pot, c.pot) << c.outcome;
    const bool dealerPlayed =
        said.find("The dealer has now stopped") != std::string::npos;
    EXPECT_EQ(dealerPlayed, c.dealerPlays) << c.outcome;
  }
}

TEST_F(Round, ShowdownListsEveryCardOfTheRound) {
  DeckOfCards game;
  stackDeck(game, {5, 2, 4, 3, 15, 16, 17, 28, 29, 30});
  const std::string said = play(game, "10\nh\nh\nh\ns\nn\n");
  EXPECT_NE(said.find(" You have in your hand : \nDeuce of Hearts  Three of "
                      "Hearts  Deuce of Diamonds  Three of Diamonds  Four of "
                      "Diamonds    \n For a Total of : 14\n"),
            std::string::npos);
  EXPECT_NE(said.find(" The Dealer Has : \nFive of Hearts  Four of Hearts    "
                      "Deuce of Clubs  Three of Clubs  Four of Clubs  \n For a "
                      "Total of : 18\n"),
            std::string::npos);
  EXPECT_EQ(game.pot, 490);
}

// Ten, Deuce, Seven, Three dealt from the last cards but one; the hit
// reshuffles (rand() always 0 turns the deck by five) and draws the Deuce
// again, counting 0 rounds, then the Seven; the next round starts afresh.
TEST_F(Round, AHitAtTheLastCardReshuffles) {
  DeckOfCards game;
  stackDeck(game, {10, 2, 7, 3}, 47);
  const std::string said = play(game, "600\nh\nh\ns\ny\n");
  EXPECT_NE(said.find(" You you want to Hit or Stay ? (h|s)\n1\n" +
                      kSaid.userEndOfDeck +
                      " You just drew a Deuce of Hearts\n"
                      " Your total now is : 7\n"),
            std::string::npos);
  EXPECT_NE(said.find("\n0\n You just drew a Seven of Hearts\n"
                      " Your total now is : 14\n"),
            std::string::npos);
  EXPECT_TRUE(endsWith(said, "\n\n\n You have a starting pot of $500\n"
                             " How much would you like to bet ?\n"));
}

TEST_F(Round, ADealerDrawAtTheLastCardReshuffles) {
  DeckOfCards game;
  stackDeck(game, {10, 23, 5, 9}, 47);
  const std::string said = play(game, "100\ns\nn\n");
  EXPECT_NE(said.find("(h|s)\n" + kSaid.dealerEndOfDeck +
                      " The Dealer just drew a Ten of Diamonds\n"),
            std::string::npos);
}

// A deal takes four cards without looking: with four left it deals them,
// with three it shuffles first.
TEST_F(Round, ADealNeedsFourCardsLeft) {
  struct Case {
    int from; // where the deal starts
    std::string said;
  };
  const Case cases[] = {
      {48, "You have $42 money in your pot. How much would you like to bet? "
           "\nGames = 4\nNot resetting the positions \n"
           "Dealer is showing a Ten of Hearts\n"},
      {49, kSaid.dealerEndOfDeck + " You have a starting pot of $500\n"
                                   " How much would you like to bet ?\n"
                                   "Games = 1\n"},
  };
  for (const Case &c : cases) {
    DeckOfCards game;
    game.games = 3;
    game.pot = 42;
    stackDeck(game, {10, 23, 9}, c.from);
    const std::string said = play(game, "5\n");
    EXPECT_EQ(said.rfind(c.said, 0), 0U) << said;
  }
}

TEST_F(Round, RefusedBetsAndAnswersAreAskedAgain) {
  DeckOfCards game;
  stackDeck(game, {10, 23, 9, 8, 2});
  const std::string said =
      play(game, "abc\n-5\n1e999\nnan\n-inf\n  50.5\nx\nh\nq\ns\nn\n");
  EXPECT_NE(said.find("bet ?\n" + kSaid.betRefused + kSaid.betRefused +
                      kSaid.betTooLarge + kSaid.betRefused + kSaid.betRefused +
                      "Games = 1\n"),
            std::string::npos);
  EXPECT_NE(said.find("(h|s)\n" + kSaid.answerRefused + "1\n"),
            std::string::npos);
  EXPECT_NE(said.find("is : 20\n You you want to Hit or Stay ? (h|s)\n" +
                      kSaid.answerRefused +
                      "The dealer has now stopped also\n"),
            std::string::npos);
  EXPECT_EQ(game.pot, 550.5);
}

// A front end is told of each question once, however often it is refused.
std::vector<Asking> asked;
TEST_F(Round, EachQuestionIsToldAsItIsAsked) {
  DeckOfCards game;
  stackDeck(game, {10, kAceOfClubs, 7, 6, 15});
  game.onAsk = [](const DeckOfCards &, Asking kind) { asked.push_back(kind); };
  asked.clear();
  play(game, "abc\n100\n7\n2\nh\nq\ns\nx\nn\n");
  EXPECT_EQ(asked, (std::vector<Asking>{Asking::Bet, Asking::AceValue,
                                        Asking::HitOrStay, Asking::HitOrStay,
                                        Asking::PlayAgain}));
}

TEST_F(Round, BetsAndThePotAreKeptToTheCent) {
  // Rounds the player stays in: lost 18 to 19, or won 20 to 17.
  const std::vector<std::vector<int>> lose = {{10, 23, 9, 21},
                                              {12, 26, 35, 34}};
  const std::vector<std::vector<int>> win = {{11, 25, 7, 37}, {13, 38, 20, 39}};
  struct Case {
    std::vector<std::vector<int>> rounds;
    const char *input;
    std::string said; // somewhere in the dialogue
    double bet, pot;  // the last bet taken, and the pot at the end
  };
  const Case cases[] = {
      {{lose[0], lose[1]},
       "499.9\ns\ny\n0.1\ns\ny\n",
       "You have $0.1 money in your pot. How much would you like to bet? \n",
       0.1,
       0},
      {{win[0]}, "0.125\ns\nn\n", "", 0.13, 500.13},
      // The pot is shown to the cent, however large.
      {{win[0], lose[0]},
       "10000.25\ns\ny\n0\ns\nn\n",
       "You have $10500.25 money in your pot.",
       0,
       10500.25},
      {{win[0], lose[0]},
       "109501.24\ns\ny\n0\ns\nn\n",
       "You have $110001.24 money in your pot.",
       0,
       110001.24},
      {{lose[0]}, "0.125\ns\nn\n", "", 0.13, 499.87},
      {{win[0], lose[0]},
       "1e17\n1000000000.001 and more\n1e9\ns\ny\n999999999.999\ns\nn\n",
       "bet ?\n" + kSaid.betTooLarge + kSaid.betTooLarge + "Games = 1\n",
       1e9,
       500},
      // The cents typed, not those of the double nearest the word.
      {{win[0]}, "999999999.0049999\ns\nn\n", "", 999999999, 1000000499},
      {{win[0], lose[0]},
       "1e9\ns\ny\n0\ns\nn\n",
       "You have $1000000500 money in your pot.",
       0,
       1000000500},
      {{lose[0]},
       "-0.5\n-5 7\n25\ns\nn\n",
       "bet ?\n" + kSaid.betRefused + kSaid.betRefused + "Games = 1\n",
       25,
       475},
  };
  for (const Case &c : cases) {
    std::vector<int> cards;
    for (const std::vector<int> &round : c.rounds) {
      cards.insert(cards.end(), round.begin(), round.end());
    }
    DeckOfCards game;
    stackDeck(game, cards);
    const std::string said = play(game, c.input);
    EXPECT_NE(said.find(c.said), std::string::npos) << c.input << said;
    EXPECT_EQ(game.bet, c.bet) << c.input;
    EXPECT_EQ(game.pot, c.pot) << c.input;
    EXPECT_EQ(endsWith(said, kSaid.noMoney), c.pot <= 0) << c.input;
  }
}

// A bet is one word, and only a decimal numeral from 0 to 1000000000 is
// taken: anything else is refused with the rest of its line, which would
// otherwise answer the questions that follow.
TEST_F(Round, ABetIsOneWholeNumeral) {
  struct Refused {
    std::vector<std::string> words;
    std::string refusal;
  };
  const Refused refused[] = {
      {{"1,000", "-0.001"}, kSaid.betRefused},
      {{"1e400", "1000000000.004", std::string(1001, '1')}, kSaid.betTooLarge},
  };
  // Lines ended as on Unix, Windows and old Macs: the rest of the refused
  // line goes, and no more.
  for (const char *end : {"\n", "\r\n", "\r"}) {
    for (const Refused &c : refused) {
      for (const std::string &word : c.words) {
        DeckOfCards game;
        stackDeck(game, {10, 23, 9, 8});
        const std::string said = play(game, word + " hhs" + end + "25" + end +
                                                "s" + end + "n" + end);
        EXPECT_NE(said.find("bet ?\n" + c.refusal + "Games = 1\n"),
                  std::string::npos)
            << word << "\n"
            << said;
        EXPECT_EQ(game.bet, 25) << word;
      }
    }
  }

  struct Taken {
    std::string typed;
    double bet;
  };
  const Taken taken[] = {{std::string(999, '0') + "7\ns\n", 7},
                         {"-0\ns\n", 0},
                         {"5e-3\ns\n", 0.01},
                         {"100\r\ns\r\n", 100},
                         {"\t100\ts\n", 100},
                         {"100\rs\r", 100},
                         // The white space after the word is not part of it.
                         {"50 s\n", 50}};
  for (const Taken &c : taken) {
    DeckOfCards game;
    stackDeck(game, {10, 23, 9, 8});
    const std::string said = play(game, c.typed + "n\n");
    EXPECT_NE(said.find("bet ?\nGames = 1\n"), std::string::npos) << said;
    EXPECT_NE(said.find("(h|s)\nThe dealer has now stopped also\n"),
              std::string::npos)
        << said;
    EXPECT_EQ(game.bet, c.bet) << c.typed;
    EXPECT_EQ(game.pot, 500 - c.bet) << c.typed;
  }
}

TEST_F(Round, EndedInputEndsPlayAtEveryQuestion) {
  struct Case {
    const char *input, *lastLine;
  };
  const Case cases[] = {
      {"", " How much would you like to bet ?\n"},
      {"abc", " INVALID BET  Enter an amount of 0 or more\n"},
      {"100\n", " 1 = 1, 2 = 11\n"},
      {"100\n2\n", " For a starting total of 17 points \n\n\n\n"
                   " You you want to Hit or Stay ? (h|s)\n"},
      {"100\n2\nh\n", " Your total now is : 19\n"
                      " You you want to Hit or Stay ? (h|s)\n"},
      {"100\n2\ns\n", " For a Total of : 17\n\n\n"
                      "Do you want to play that again ?  (y|n) \n"},
      {"100\n2\ns\ny\n", "You have $500 money in your pot. How much would you "
                         "like to bet? \n"},
      {"100\n2\ns\ny\n1", "Not resetting the positions \nYou drew a Ace of "
                          "Hearts Would you like that to count as a 1 or "
                          "11?\n 1 = 1, 2 = 11\n"},
  };
  for (const Case &c : cases) {
    DeckOfCards game;
    stackDeck(game, {10, kAceOfClubs, 7, 6, 15, 1, 28, 8});
    const std::string said = play(game, c.input);
    EXPECT_TRUE(endsWith(said, c.lastLine)) << c.input << "\n" << said;
    EXPECT_EQ(game.halt, Halt::EndOfInput);
  }
}

// A standard input that fails to read, as a terminal that has gone away,
// or an output that cannot be written: like the program's own, it ends play
// and throws nothing.
class Broken : public std::streambuf {
protected:
  int_type underflow() override { return traits_type::eof(); }
  int_type overflow(int_type /*character*/) override {
    return traits_type::eof();
  }
};

TEST_F(Round, UnreadableInputEndsPlay) {
  DeckOfCards game;
  Broken broken;
  std::ostringstream said;
  {
    const StreamSwap swap(&broken, said.rdbuf());
    game.playRounds();
  }
  EXPECT_EQ(game.halt, Halt::EndOfInput);
  EXPECT_TRUE(endsWith(said.str(), " How much would you like to bet ?\n"));
}

TEST_F(Round, UnwritableOutputEndsPlayUnread) {
  DeckOfCards game;
  Broken broken;
  std::istringstream answers("100\ns\nn\n");
  {
    const StreamSwap swap(answers.rdbuf(), &broken);
    game.playRounds();
  }
  EXPECT_EQ(game.halt, Halt::OutputError);
  EXPECT_EQ(answers.tellg(), 0);
}

} // namespace

// The deck, its shuffle, the taking of cards and the card table.
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <numeric>
#include <set>

namespace {

using Deck = ForcedRand;
using CardTable = ForcedRand;

std::vector<int> deckOrder(const DeckOfCards &game) {
  return {&game.deck[0][0], &game.deck[0][0] + kDeckSize};
}

std::vector<int> inOrder() {
  std::vector<int> cards(kDeckSize);
  std::iota(cards.begin(), cards.end(), 1);
  return cards;
}

TEST_F(Deck, StartsInOrderSeededFromTheClockOrTheSeedGiven) {
  const DeckOfCards seeded(4294967295U);
  EXPECT_EQ(lastSeed, 4294967295U);
  EXPECT_EQ(deckOrder(seeded), inOrder());
  const DeckOfCards game;
  EXPECT_EQ(deckOrder(game), inOrder());
  EXPECT_NEAR(lastSeed, std::time(nullptr), 2);
  EXPECT_EQ(game.hitOrStay, ' ');
  EXPECT_EQ(game.playAgain, ' ');
  EXPECT_EQ(game.games, 0);
}

TEST_F(Deck, ShuffleSwapsWithRowThenColumnFromRand) {
  DeckOfCards game;
  game.games = 3;
  game.deckRow = 2;
  game.shuffle(); // rand() always 0: each card swaps with the first
  EXPECT_EQ(randCalls, 5 * 2 * kDeckSize);
  std::vector<int> turned = {48, 49, 50, 51, 52};
  for (int card = 1; card <= 47; ++card) {
    turned.push_back(card);
  }
  EXPECT_EQ(deckOrder(game), turned);
  EXPECT_EQ(game.games, 0);
  EXPECT_EQ(game.deckRow, 0);
  EXPECT_EQ(game.deckColumn, 1);

  for (int pass = 0; pass < 5; ++pass) { // every card swaps with itself
    for (int row = 0; row < kDeckRows; ++row) {
      for (int column = 0; column < kDeckColumns; ++column) {
        randScript.push_back(row + kDeckRows * (pass + column));
        randScript.push_back(column + kDeckColumns * (pass + row));
      }
    }
  }
  game.shuffle();
  EXPECT_EQ(deckOrder(game), turned);

  for (int call = 0; call < 5 * 2 * kDeckSize; ++call) {
    randScript.push_back((call * 7919 + 13) % 32768);
  }
  game.shuffle();
  std::vector<int> cards = deckOrder(game);
  EXPECT_NE(cards, turned);
  std::sort(cards.begin(), cards.end());
  EXPECT_EQ(cards, inOrder());
}

TEST_F(Deck, DealTakesInReadingOrderPastTheEndOfARow) {
  DeckOfCards game;
  game.deckRow = 1;
  game.deckColumn = 11;
  Console console("s\n");
  game.deal();
  EXPECT_EQ(game.dealerFace[0], "Queen of Diamonds"); // entries 24 and 26
  EXPECT_EQ(game.dealerFace[1], "Ace of Clubs");
  EXPECT_EQ(game.userFace[0], "King of Diamonds"); // entries 25 and 27
  EXPECT_EQ(game.userFace[1], "Deuce of Clubs");
  EXPECT_EQ(game.deckRow, 1);
  EXPECT_EQ(game.deckColumn, 15);
  game.hit();
  EXPECT_EQ(game.userFace[2], "Three of Clubs"); // entry 28
}

TEST_F(Deck, HitsNormaliseThePositionAndReshuffleAtTheLastCard) {
  struct Case {
    int row, column;
    const char *card;
    int rowAfter, columnAfter;
  };
  const Case cases[] = {
      {2, 13, "Ace of Spades", 3, 1},    {1, 15, "Three of Clubs", 2, 3},
      {3, 11, "Queen of Spades", 3, 12}, {3, 12, "Ten of Spades", 0, 2},
      {3, 13, "Ten of Spades", 0, 2},    {1, 38, "Ten of Spades", 0, 2},
  };
  for (const Case &c : cases) {
    DeckOfCards game;
    game.games = 3;
    game.deckRow = c.row;
    game.deckColumn = c.column;
    Console console("1\ns\n");
    game.hit();
    const bool reshuffled = c.rowAfter == 0;
    const std::string said =
        reshuffled ? "3\n You have hit the end of the deck.. Need to re-shuffle"
                   : "3\n";
    EXPECT_EQ(console.output().rfind(said, 0), 0u) << c.row << "," << c.column;
    EXPECT_EQ(game.userFace[0], c.card) << c.row << "," << c.column;
    EXPECT_EQ(game.deckRow, c.rowAfter);
    EXPECT_EQ(game.deckColumn, c.columnAfter);
    EXPECT_EQ(game.games, reshuffled ? 0 : 3);
  }
}

TEST_F(CardTable, NamesAndValuesEveryCardOnce) {
  const char *ranks[] = {"Ace",  "Deuce", "Three", "Four", "Five",
                         "Six",  "Seven", "Eight", "Nine", "Ten",
                         "Jack", "Queen", "King"};
  const char *suits[] = {"Hearts", "Diamonds", "Clubs", "Spades"};
  std::set<std::string> names;
  DeckOfCards game;
  for (int card = 1; card <= kDeckSize; ++card) {
    const int rank = (card - 1) % kDeckColumns;
    const std::string name =
        std::string(ranks[rank]) + " of " + suits[(card - 1) / kDeckColumns];
    const int value = rank == 0 ? 11 : std::min(rank + 1, 10);
    game.dealer[0] = card;
    game.user[0] = card;
    Console console("2\n");
    game.nameDealerCard();
    game.nameUserCard();
    EXPECT_EQ(game.dealerFace[0], name);
    EXPECT_EQ(game.userFace[0], name);
    EXPECT_EQ(game.dealer[0], value);
    EXPECT_EQ(game.user[0], value);
    EXPECT_EQ(console.output().empty(), rank != 0) << name;
    names.insert(game.dealerFace[0]);
  }
  EXPECT_EQ(names.size(), 52u);
}

TEST_F(CardTable, AceQuestionTakesOneOrTwoOnly) {
  struct Case {
    const char *input;
    int refusals, value;
    bool ended;
  };
  const Case cases[] = {
      {"3\n0\n2\n", 2, 11, false},
      {"abc\n99999999999\n1\n", 2, 1, false},
      {"2 and more\n", 0, 11, false},
      {"-1\n\n\n   1", 1, 1, false},
      // Only a whole word of digits is a number; its line goes with it.
      {"1.0\n2\n", 1, 11, false},
      {"2x 2\n1\n", 1, 1, false},
      {"+2\n", 0, 11, false},
      // Another number keeps the rest of its line.
      {"3 2\n", 1, 11, false},
      {"", 0, 1, true},
      {"x", 1, 1, true},
  };
  const std::string question = "You drew a Ace of Clubs Would you like that "
                               "to count as a 1 or 11?\n 1 = 1, 2 = 11\n";
  const std::string refusal = "Pleae enter a valid number!  1 = 1, 2 = 11 \n";
  for (const Case &c : cases) {
    DeckOfCards game;
    game.user[0] = 27;
    Console console(c.input);
    game.nameUserCard();
    std::string expected = question;
    for (int refused = 0; refused < c.refusals; ++refused) {
      expected += refusal;
    }
    EXPECT_EQ(console.output(), expected + (c.ended ? "" : "\n\n\n"))
        << c.input;
    EXPECT_EQ(game.user[0], c.value) << c.input;
    EXPECT_EQ(game.halt == Halt::EndOfInput, c.ended) << c.input;
  }
}

} // namespace

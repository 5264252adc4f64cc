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

TEST_F(Deck, StartsInOrderSeededWithTheSeedOrTheClock) {
  const DeckOfCards seeded(4294967295U);
  EXPECT_EQ(lastSeed, 4294967295U);
  EXPECT_EQ(deckOrder(seeded), inOrder());
  const DeckOfCards game;
  EXPECT_EQ(deckOrder(game), inOrder());
  EXPECT_NEAR(lastSeed, std::time(nullptr), 2);
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
  const std::string drewTen = " You just drew a Ten of Spades\n";
  struct Case {
    int row, column;  // the deck position before the hit
    std::string said; // how the hit begins
    const char *card;
    int rowAfter, columnAfter, gamesAfter;
  };
  const Case cases[] = {
      {2, 13, "3\nYou drew a Ace of Spades Would", "Ace of Spades", 3, 1, 3},
      {1, 15, "3\n You just drew a Three of Clubs\n", "Three of Clubs", 2, 3,
       3},
      {3, 11, "3\n You just drew a Queen of Spades\n", "Queen of Spades", 3, 12,
       3},
      {3, 12, "3\n" + kSaid.userEndOfDeck + drewTen, "Ten of Spades", 0, 2, 0},
      {3, 13, "3\n" + kSaid.userEndOfDeck + drewTen, "Ten of Spades", 0, 2, 0},
      {1, 38, "3\n" + kSaid.userEndOfDeck + drewTen, "Ten of Spades", 0, 2, 0},
  };
  for (const Case &c : cases) {
    DeckOfCards game;
    game.games = 3;
    game.deckRow = c.row;
    game.deckColumn = c.column;
    Console console("1\ns\n");
    game.hit();
    const std::string where =
        std::to_string(c.row) + "," + std::to_string(c.column);
    EXPECT_EQ(console.output().rfind(c.said, 0), 0U) << where;
    EXPECT_EQ(game.userFace[0], c.card) << where;
    EXPECT_EQ(game.deckRow, c.rowAfter) << where;
    EXPECT_EQ(game.deckColumn, c.columnAfter) << where;
    EXPECT_EQ(game.games, c.gamesAfter) << where;
  }
}

TEST_F(CardTable, NamesAndValuesEveryCardOnce) {
  std::set<std::string> names;
  DeckOfCards game;
  for (int card = 1; card <= kDeckSize; ++card) {
    const std::string name = nameOf(card);
    const int value = valueOf(name); // the player's ace is made 11 below
    const bool ace = (card - 1) % kDeckColumns == 0;
    game.dealer[0] = card;
    game.user[0] = card;
    Console console("2\n");
    game.nameDealerCard();
    game.nameUserCard();
    EXPECT_EQ(game.dealerFace[0], name);
    EXPECT_EQ(game.userFace[0], name);
    EXPECT_EQ(game.dealer[0], value);
    EXPECT_EQ(game.user[0], value);
    EXPECT_EQ(console.output().empty(), !ace) << name;
    names.insert(game.dealerFace[0]);
  }
  EXPECT_EQ(names.size(), 52U);
}

TEST_F(CardTable, AceQuestionTakesOneOrTwoOnly) {
  const std::string chosen = "\n\n\n";
  struct Case {
    std::string input;
    int refusals, value;
    std::string after; // what follows the refusals
    Halt halt;
  };
  const std::string zeros(999, '0');
  const Case cases[] = {
      {"3\n0\n2\n", 2, 11, chosen, Halt::None},
      {"abc\n99999999999\n1\n", 2, 1, chosen, Halt::None},
      {"2 and more\n", 0, 11, chosen, Halt::None},
      {"-1\n\n\n   1", 1, 1, chosen, Halt::None},
      // Only a whole word of digits is a number; its line goes with it.
      {"1.0\n2\n", 1, 11, chosen, Halt::None},
      {"2x 2\n1\n", 1, 1, chosen, Halt::None},
      {"+2\n", 0, 11, chosen, Halt::None},
      // Another number keeps the rest of its line.
      {"3 2\n", 1, 11, chosen, Halt::None},
      {"+-1 2\n1\n", 1, 1, chosen, Halt::None},
      // Judged whole, however long: leading zeros change nothing, and past
      // the int's range the word is no number.
      {zeros + "2\n1\n", 0, 11, chosen, Halt::None},
      {zeros + "10 2\n1\n", 1, 11, chosen, Halt::None},
      {zeros + zeros + "1\n", 0, 1, chosen, Halt::None},
      {"2147483647 2\n1\n", 1, 11, chosen, Halt::None},
      {"-2147483648 2\n1\n", 1, 11, chosen, Halt::None},
      {"2147483648 2\n1\n", 1, 1, chosen, Halt::None},
      {"-2147483649 2\n1\n", 1, 1, chosen, Halt::None},
      {"1" + zeros + " 2\n1\n", 1, 1, chosen, Halt::None},
      // Lines ended as on Windows and old Macs, and tabs.
      {"3\r\n2\r\n", 1, 11, chosen, Halt::None},
      {"1.0 2\r1\r", 1, 1, chosen, Halt::None},
      {"\t2\t\n", 0, 11, chosen, Halt::None},
      {"", 0, 1, "", Halt::EndOfInput},
      {"x", 1, 1, "", Halt::EndOfInput},
  };
  const std::string question = "You drew a Ace of Clubs Would you like that "
                               "to count as a 1 or 11?\n 1 = 1, 2 = 11\n";
  for (const Case &c : cases) {
    DeckOfCards game;
    game.user[0] = kAceOfClubs;
    Console console(c.input);
    game.nameUserCard();
    std::string expected = question;
    for (int refused = 0; refused < c.refusals; ++refused) {
      expected += kSaid.aceRefused;
    }
    EXPECT_EQ(console.output(), expected + c.after) << c.input;
    EXPECT_EQ(game.user[0], c.value) << c.input;
    EXPECT_EQ(game.halt, c.halt) << c.input;
  }
}

} // namespace

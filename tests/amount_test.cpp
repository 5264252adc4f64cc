// Bet words judged on their own, as typed: each row a word and what it
// comes to. Reading the word and refusing it in the dialogue are the
// round's tests.
#include "amount.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Verdict = Amount::Verdict;

TEST(Amount, JudgedExactlyOnTheDigitsTyped) {
  struct Case {
    std::string word;
    Verdict verdict;
    long long cents; // when taken
  };
  const std::string zeros(999, '0');
  const Case cases[] = {
      // Not a decimal numeral.
      {"1,000", Verdict::NotAnAmount, 0},
      {",000", Verdict::NotAnAmount, 0},
      {"50h", Verdict::NotAnAmount, 0},
      {"25abc", Verdict::NotAnAmount, 0},
      {"0x10", Verdict::NotAnAmount, 0},
      {"inf", Verdict::NotAnAmount, 0},
      {"+nan", Verdict::NotAnAmount, 0},
      {"1e", Verdict::NotAnAmount, 0},
      {"1e+", Verdict::NotAnAmount, 0},
      {".", Verdict::NotAnAmount, 0},
      {"+-1", Verdict::NotAnAmount, 0},
      {"1.2.3", Verdict::NotAnAmount, 0},
      // Below 0, however little; 0 with any sign is taken.
      {"-1e-320", Verdict::NotAnAmount, 0},
      {"-1e-400", Verdict::NotAnAmount, 0},
      {"-0.001", Verdict::NotAnAmount, 0},
      {"-1e400", Verdict::NotAnAmount, 0},
      {"-0", Verdict::Taken, 0},
      {"-0.000", Verdict::Taken, 0},
      {"-0e5", Verdict::Taken, 0},
      // Above the limit, however little.
      {"1e400", Verdict::TooLarge, 0},
      {"1e10", Verdict::TooLarge, 0},
      {"1e010", Verdict::TooLarge, 0},
      {"1e99999999999999", Verdict::TooLarge, 0},
      {"1000000000.004", Verdict::TooLarge, 0},
      {"1000000000.00000001", Verdict::TooLarge, 0},
      {"100000000001e-2", Verdict::TooLarge, 0},
      {std::string(1001, '1'), Verdict::TooLarge, 0},
      {"1000000000." + std::string(5000, '0') + "1", Verdict::TooLarge, 0},
      {"1" + std::string(2000000, '0') + "e-1999990", Verdict::TooLarge, 0},
      // The limit itself, however it is written.
      {"1e9", Verdict::Taken, 100000000000},
      {"1e09", Verdict::Taken, 100000000000},
      {"10e8", Verdict::Taken, 100000000000},
      {"0.1e10", Verdict::Taken, 100000000000},
      {"100000000000e-2", Verdict::Taken, 100000000000},
      {"1000000000.000", Verdict::Taken, 100000000000},
      {"999999999.999", Verdict::Taken, 100000000000},
      {"99999999999e-2", Verdict::Taken, 99999999999},
      // The cents typed, half a cent up, never those of a double.
      {"0.0000000000000000000025e22", Verdict::Taken, 2500},
      {"1e-999999", Verdict::Taken, 0},
      {"0.0049999999999999999", Verdict::Taken, 0},
      {"0.004", Verdict::Taken, 0},
      {"5e-3", Verdict::Taken, 1},
      {"0.145", Verdict::Taken, 15},
      {"0.285", Verdict::Taken, 29},
      {"1.005", Verdict::Taken, 101},
      {"123456789.0149999", Verdict::Taken, 12345678901},
      {"+12.", Verdict::Taken, 1200},
      {".5E+1", Verdict::Taken, 500},
      {"0.25", Verdict::Taken, 25},
      {"123456789012.5e-3", Verdict::Taken, 12345678901},
      {"999999999.9949999", Verdict::Taken, 99999999999},
      // However long the word, and however far the exponent moves it.
      {zeros + "7", Verdict::Taken, 700},
      {zeros + "025", Verdict::Taken, 2500},
      {"0." + zeros + "1", Verdict::Taken, 0},
      {"0." + std::string(1000000, '0') + "5e1000001", Verdict::Taken, 500},
      {"1" + std::string(2000000, '0') + "e-2000000", Verdict::Taken, 100},
      {"-0." + std::string(1000000, '0'), Verdict::Taken, 0},
  };
  for (const Case &c : cases) {
    const Amount amount = judgeAmount(c.word);
    EXPECT_EQ(amount.verdict, c.verdict) << c.word.substr(0, 80);
    EXPECT_EQ(amount.cents, c.cents) << c.word.substr(0, 80);
  }
}

} // namespace

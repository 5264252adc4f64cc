// Amounts of money as the player types them: a word judged on its digits
// exactly, never through a double, and taken in whole cents. Nothing here
// reads a stream or knows the game.
#ifndef BLACKJACK_AMOUNT_H
#define BLACKJACK_AMOUNT_H

#include <cstddef>
#include <string_view>

// The largest bet, in whole units: a pot kept to the cent stays exact in a
// double for tens of thousands of rounds of winning it.
constexpr long long kMostBet = 1'000'000'000;

// No number the game takes is longer: a longer word is refused, so the
// reader keeps no more than one character past it, however much is typed.
constexpr std::size_t kLongestNumber = 1000;

// What a word typed as a bet comes to.
struct Amount {
  enum class Verdict {
    Taken,       // a decimal numeral from 0 to kMostBet
    NotAnAmount, // no decimal numeral, too long, or below 0
    TooLarge,    // above kMostBet, by however little
  };
  Verdict verdict = Verdict::NotAnAmount;
  long long cents = 0; // when taken: the cents typed, half a cent up
};

// A decimal numeral, as `25`, `-0.5`, `.5`, `12.` or `1e2`: no hexadecimal,
// infinity, NaN or thousands separators. A minus sign before any digit
// other than 0 is refused (`-0` is 0, `-1e-400` is refused), as is anything
// above kMostBet (`1000000000.00000001`); the cents are those typed, half a
// cent up (`999999999.0049999` is 999999999, `0.145` is 0.15).
Amount judgeAmount(std::string_view word);

#endif

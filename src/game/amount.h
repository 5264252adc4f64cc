// Amounts of money as the player types them and as the game prints them.
// A typed word is judged on its digits exactly, never through a double, and
// taken in whole cents. A word is taken a character at a time and only what
// decides its value is kept, so that a word of any length is judged in the
// same small memory. Nothing here reads a stream or knows the game.
#ifndef BLACKJACK_AMOUNT_H
#define BLACKJACK_AMOUNT_H

#include <string>
#include <string_view>

// The largest bet, in whole units: a pot kept to the cent stays exact in a
// double for tens of thousands of rounds of winning it.
constexpr long long kMostBet = 1'000'000'000;

// What a word typed as a bet comes to.
struct Amount {
  enum class Verdict {
    Taken,       // a decimal numeral from 0 to kMostBet
    NotAnAmount, // no decimal numeral, or below 0
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
class AmountReader {
public:
  // The word's next character.
  void take(char character);
  // What the characters taken so far come to.
  Amount verdict() const;

private:
  // How many digits are kept from the first significant one: enough to
  // reach the thousandths, which round the cents, from the hundred
  // millions. A first digit at the billions or above makes a bet of
  // kMostBet or more, too large with any fraction, so there the twelve
  // reach the hundredths and no further digit changes the verdict.
  static constexpr int kPlaces = 12;
  // An exponent larger than this moves the point past every digit of any
  // word shorter than 10^18 characters, as far as the verdict goes.
  static constexpr long long kFarthestPoint = 2'000'000'000'000'000'000;

  // Where in the word the next character falls.
  enum class Part { Start, Whole, Fraction, ExponentStart, Exponent, Wrong };

  void takeDigit(int digit);
  void takeAfterDigits(char character);
  // The place, as a power of 10, of the first digit other than 0.
  long long leadingPlace() const;
  // The digit typed at 10 to the power `place`, the first digit other
  // than 0 standing at `top`; 0 where none was typed.
  int digitAt(long long place, long long top) const;

  Part part = Part::Start;
  bool minus = false;              // typed with a minus sign
  long long digits = 0;            // digits before the exponent so far
  long long point = -1;            // digits before the point, once typed
  long long firstSignificant = -1; // index among the digits of the first
                                   // one other than 0
  long long kept = 0;              // kPlaces digits from it, as a number
  int keptCount = 0;               // how many of them there are so far
  bool nonzeroAfterKept = false;   // a digit other than 0 after those kept
  long long exponent = 0;          // its size, up to kFarthestPoint
  bool exponentMinus = false;      // the exponent typed with a minus sign
  bool exponentTyped = false;      // the exponent has a digit
};

// The verdict on a whole word, as an AmountReader comes to it.
Amount judgeAmount(std::string_view word);

// Money as the player reads it: fifteen significant digits, as printf's
// %.15g, show every amount the game holds to the cent, and no more, so
// that the binary fraction's noise (0.145 is held as 0.14499999999999999)
// does not show.
std::string asMoney(double amount);

#endif

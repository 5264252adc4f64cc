// A bet word is kept as its digits and where its point falls, and judged
// on them: no rounding to a double on the way.
#include "amount.h"

#include <algorithm>
#include <string>

namespace {

// A decimal numeral as typed: its value is `digits` with the decimal point
// after the first `point` of them, which may lie outside them.
struct Numeral {
  bool minus = false;  // typed with a minus sign
  std::string digits;  // every digit before the exponent, as typed
  long long point = 0; // where the point falls once the exponent moved it
};

// No exponent moves the point further than this matters: past it, every
// digit typed is far below a cent or far above any bet.
constexpr long long kFarthestPoint = 1'000'000;

bool isDigit(char character) { return character >= '0' && character <= '9'; }

// The run of digits at `at` in `word`, moving `at` past it.
std::string_view takeDigits(std::string_view word, std::size_t &at) {
  const std::size_t from = at;
  while (at < word.size() && isDigit(word[at])) {
    ++at;
  }
  return word.substr(from, at - from);
}

// The sign at `at`, if one is there, moving `at` past it: true for a minus.
bool takeMinus(std::string_view word, std::size_t &at) {
  if (at < word.size() && (word[at] == '+' || word[at] == '-')) {
    return word[at++] == '-';
  }
  return false;
}

// The value of a run of digits, up to kFarthestPoint.
long long readExponent(std::string_view digits) {
  long long value = 0;
  for (const char digit : digits) {
    value = std::min(value * 10 + (digit - '0'), kFarthestPoint);
  }
  return value;
}

bool parse(std::string_view word, Numeral &numeral) {
  std::size_t at = 0;
  numeral.minus = takeMinus(word, at);
  const std::string_view whole = takeDigits(word, at);
  numeral.digits = whole;
  if (at < word.size() && word[at] == '.') {
    numeral.digits += takeDigits(word, ++at);
  }
  if (numeral.digits.empty()) {
    return false;
  }
  numeral.point = static_cast<long long>(whole.size());
  if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
    const bool down = takeMinus(word, ++at);
    const std::string_view exponent = takeDigits(word, at);
    if (exponent.empty()) {
      return false;
    }
    numeral.point += down ? -readExponent(exponent) : readExponent(exponent);
  }
  return at == word.size();
}

// The digit of `typed` worth 10 to the power `place`; 0 where none was
// typed.
int digitWorth(const Numeral &typed, long long place) {
  const long long at = typed.point - 1 - place;
  const bool inside =
      at >= 0 && at < static_cast<long long>(typed.digits.size());
  return inside ? typed.digits[static_cast<std::size_t>(at)] - '0' : 0;
}

// The verdict on a numeral that parsed.
Amount judge(const Numeral &typed) {
  const std::size_t first = typed.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    return {Amount::Verdict::Taken, 0}; // 0, whatever its sign
  }
  if (typed.minus) {
    return {Amount::Verdict::NotAnAmount, 0};
  }
  if (typed.point - 1 - static_cast<long long>(first) > 9) {
    return {Amount::Verdict::TooLarge, 0}; // ten digits before the point
  }
  long long whole = 0;
  for (long long place = 9; place >= 0; --place) {
    whole = whole * 10 + digitWorth(typed, place);
  }
  const long long size = static_cast<long long>(typed.digits.size());
  const std::size_t point =
      static_cast<std::size_t>(std::clamp(typed.point, 0LL, size));
  const bool fraction =
      typed.digits.find_first_not_of('0', point) != std::string::npos;
  if (whole > kMostBet || (whole == kMostBet && fraction)) {
    return {Amount::Verdict::TooLarge, 0};
  }
  const int cents = digitWorth(typed, -1) * 10 + digitWorth(typed, -2);
  return {Amount::Verdict::Taken,
          whole * 100 + cents + (digitWorth(typed, -3) >= 5 ? 1 : 0)};
}

} // namespace

Amount judgeAmount(std::string_view word) {
  Numeral typed;
  if (word.size() > kLongestNumber || !parse(word, typed)) {
    return {Amount::Verdict::NotAnAmount, 0};
  }
  return judge(typed);
}

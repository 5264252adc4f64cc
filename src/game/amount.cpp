// A bet word is kept as what decides its value, its first significant
// digits and where they fall, and judged on them: no rounding to a double
// on the way.
#include "amount.h"

#include <algorithm>
#include <cstdio>

namespace {

bool isDigit(char character) { return character >= '0' && character <= '9'; }
bool isSign(char character) { return character == '+' || character == '-'; }

} // namespace

// The grammar, a character at a time: a sign, whole digits, a point and a
// fraction, at least one digit in all, then an exponent of a sign and
// digits. Anything else makes the word wrong for good.
void AmountReader::take(char character) {
  const bool digit = isDigit(character);
  switch (part) {
  case Part::Start:
    part = Part::Whole;
    if (isSign(character)) {
      minus = character == '-';
      return;
    }
    [[fallthrough]];
  case Part::Whole:
    if (character == '.') {
      point = digits;
      part = Part::Fraction;
      return;
    }
    [[fallthrough]];
  case Part::Fraction:
    return digit ? takeDigit(character - '0') : takeAfterDigits(character);
  case Part::ExponentStart:
    part = Part::Exponent;
    if (isSign(character)) {
      exponentMinus = character == '-';
      return;
    }
    [[fallthrough]];
  case Part::Exponent:
    if (!digit) {
      part = Part::Wrong;
      return;
    }
    exponentTyped = true;
    exponent = exponent > (kFarthestPoint - 9) / 10
                   ? kFarthestPoint
                   : exponent * 10 + (character - '0');
    return;
  case Part::Wrong:
    return;
  }
}

// After the digits only an exponent may come, and only after a digit.
void AmountReader::takeAfterDigits(char character) {
  const bool exponentMark = character == 'e' || character == 'E';
  part = exponentMark && digits > 0 ? Part::ExponentStart : Part::Wrong;
}

void AmountReader::takeDigit(int digit) {
  if (firstSignificant < 0 && digit != 0) {
    firstSignificant = digits;
  }
  if (firstSignificant >= 0 && keptCount < kPlaces) {
    kept = kept * 10 + digit;
    ++keptCount;
  } else if (digit != 0) {
    nonzeroAfterKept = true;
  }
  ++digits;
}

long long AmountReader::leadingPlace() const {
  const long long whole = point < 0 ? digits : point;
  return whole - 1 - firstSignificant + (exponentMinus ? -exponent : exponent);
}

int AmountReader::digitAt(long long place, long long top) const {
  const long long at = top - place; // counted from the first kept digit
  if (at < 0 || at >= keptCount) {
    return 0;
  }
  long long digit = kept;
  for (long long after = keptCount - 1 - at; after > 0; --after) {
    digit /= 10;
  }
  return static_cast<int>(digit % 10);
}

// Once the first significant digit stands at the billions or below, the
// digits kept reach every place that decides the verdict (see kPlaces).
Amount AmountReader::verdict() const {
  const bool numeral =
      digits > 0 && (part == Part::Whole || part == Part::Fraction ||
                     (part == Part::Exponent && exponentTyped));
  if (!numeral) {
    return {Amount::Verdict::NotAnAmount, 0};
  }
  if (firstSignificant < 0) {
    return {Amount::Verdict::Taken, 0}; // 0, whatever its sign
  }
  if (minus) {
    return {Amount::Verdict::NotAnAmount, 0};
  }
  const long long top = leadingPlace();
  if (top > 9) {
    return {Amount::Verdict::TooLarge, 0}; // eleven digits before the point
  }
  long long units = 0;
  for (long long place = 9; place >= 0; --place) {
    units = units * 10 + digitAt(place, top);
  }
  bool fraction = nonzeroAfterKept;
  for (long long place = std::min(top, -1LL); place > top - keptCount;
       --place) {
    fraction = fraction || digitAt(place, top) != 0;
  }
  if (units > kMostBet || (units == kMostBet && fraction)) {
    return {Amount::Verdict::TooLarge, 0};
  }
  const int cents = digitAt(-1, top) * 10 + digitAt(-2, top);
  return {Amount::Verdict::Taken,
          units * 100 + cents + (digitAt(-3, top) >= 5 ? 1 : 0)};
}

Amount judgeAmount(std::string_view word) {
  AmountReader reader;
  for (const char character : word) {
    reader.take(character);
  }
  return reader.verdict();
}

std::string asMoney(double amount) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", amount);
  return text;
}

// Roman numerals: the digit table, the left-to-right reader and @roman.
#include "numerals/roman.h"

#include <array>
#include <cstdint>

#include "calendar/argument_reader.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

// Numerals of the digits 1..9 for each decimal place; a digit 0 writes
// nothing. Thousands go up to 4.
constexpr std::array<std::array<std::u16string_view, 10>, 4> kRomanDigits{{
    {u"", u"M", u"MM", u"MMM", u"MMMM"},
    {u"", u"C", u"CC", u"CCC", u"CD", u"D", u"DC", u"DCC", u"DCCC", u"CM"},
    {u"", u"X", u"XX", u"XXX", u"XL", u"L", u"LX", u"LXX", u"LXXX", u"XC"},
    {u"", u"I", u"II", u"III", u"IV", u"V", u"VI", u"VII", u"VIII", u"IX"},
}};

constexpr int kPlaceValues[4] = {1000, 100, 10, 1};

// The value of an upper-case letter, 0 for a character without value.
constexpr int LetterValue(KChar letter) {
  switch (letter) {
    case u'I': return 1;
    case u'V': return 5;
    case u'X': return 10;
    case u'L': return 50;
    case u'C': return 100;
    case u'D': return 500;
    case u'M': return 1000;
    default: return 0;
  }
}

// The character at i in upper case, with a final "J" read as "I" (as in
// "iij"); 0 past the end.
KChar LetterAt(std::u16string_view numeral, std::size_t i) {
  if (i >= numeral.size()) return u'\0';
  const KChar letter = ToUpper(numeral[i]);
  return (letter == u'J' && i + 1 == numeral.size()) ? u'I' : letter;
}

}  // namespace

std::u16string ToRoman(int number) {
  std::u16string numeral;
  for (std::size_t place = 0; place < kRomanDigits.size(); ++place) {
    numeral += kRomanDigits[place][static_cast<std::size_t>(number / kPlaceValues[place] % 10)];
  }
  return numeral;
}

std::optional<int> FromRoman(std::u16string_view numeral) {
  // At most kMaxArgLength letters of 1000 each: far inside an int.
  int total = 0;
  int pending = 0;  // a run to subtract from the next one
  for (std::size_t i = 0; i < numeral.size();) {
    const KChar letter = LetterAt(numeral, i);
    const int value = LetterValue(letter);
    if (value == 0) return std::nullopt;
    int run = 0;
    for (; LetterAt(numeral, i) == letter; ++i) run += value;
    run -= pending;
    if (LetterValue(LetterAt(numeral, i)) > value) {
      pending = run;
    } else {
      total += run;
      pending = 0;
      if (total <= 0) return std::nullopt;
    }
  }
  return total;
}

int RomanFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  read.Require(1, u"No number");
  if (read.Failed()) return kErrorResult;
  const std::u16string_view argument = Argument(1);
  if (IsLetter(argument[0])) {
    const std::optional<int> value = FromRoman(argument);
    read.Check(value.has_value(), 1, u"Bad Roman numeral \"%s\"");
    return read.Failed() ? kErrorResult : AnswerNumber(buffer, *value);
  }
  const std::int64_t number = read.SignedNumber(1, kInvalidNumberMessage);
  read.Check(number >= 1 && number <= kMaxRomanNumber, 1, u"Number out of range \"%s\"");
  if (read.Failed()) return kErrorResult;
  return AnswerText(buffer, ToRoman(static_cast<int>(number)));
}

}  // namespace kalendra

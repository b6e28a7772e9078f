// Roman numerals: conversion in both directions and the @roman function.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

// The largest number written as a numeral: four thousands are "MMMM".
inline constexpr int kMaxRomanNumber = 4999;

// The upper-case numeral of 1..kMaxRomanNumber.
std::u16string ToRoman(int number);

// The value of a numeral in any case, read left to right: a run of one
// letter counts once per letter, and a run followed by a greater letter is
// subtracted from what follows ("IIX" is 8, "IVX" 6). A final "J" counts as
// "I". No upper limit. std::nullopt for a character without value, or when
// the running total falls to 0 or below.
std::optional<int> FromRoman(std::u16string_view numeral);

// @roman: a numeral to its decimal value, or a decimal number to its numeral.
int RomanFunction(KChar* buffer);

}  // namespace kalendra

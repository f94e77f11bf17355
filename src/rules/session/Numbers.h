// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How the game turns text into numbers and numbers into text.

#include <cstdint>
#include <string>
#include <string_view>

// The numeric value at the start of a text, read the way the player types it:
// blanks, tabs and line feeds are ignored anywhere; "&H1F" and "&O17" read in
// base 16 and 8; otherwise sign, digits, a period as the only decimal point and
// an exponent with E or D. Reading stops at the first character that does not
// continue the number; no number at all reads as 0.
double LeadingNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// Storing a value into a field never overflows: it saturates at the field's
// limits (NaN stores 0).
int16_t toInt16(double v); // half to even, then saturate
int32_t toInt32(double v); // half to even, then saturate
int16_t saturate16(long long v);
int32_t saturate32(long long v);
int32_t floorToInt32(double v); // Int(): round down, then saturate

// A number with its sign place: " 41", "-3", " 0".
std::string signPlace(long long v);

// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "session/Numbers.h"
#include "session/Cp1252.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>

// The number at the start of a text: what a typed answer or a records line is worth.
TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    const std::pair<const char*, double> cases[] = {
        // Decimals, signs and exponents.
        {"41", 41},
        {"  -12.5xyz", -12.5},
        {"+7", 7},
        {"1.5E2", 150},
        {"1.5d-1", 0.15},
        {".5", 0.5},
        {"60.5", 60.5},
        {"25abc", 25},
        {"3E", 3},    // an exponent letter with no digits
        {"12,5", 12}, // the comma is not a decimal point
        // Blanks, tabs and line feeds are skipped anywhere; a carriage return ends the number.
        {"3 0", 30},
        {"\t- 1\n2 . 5", -12.5},
        {"1 e 2", 100},
        {"1\r2", 1},
        // Hex and octal.
        {"&H1F", 31},
        {"&hff", 255},
        {"&O17", 15},
        {"&o17", 15},
        {"&O19", 1},
        {"&X1", 0},
        // No number at all.
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {".", 0},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << '"' << text << '"';
}

TEST(LeadingNumber, IgnoresTheLocaleDecimalPoint)
{
    const char* old = std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    EXPECT_DOUBLE_EQ(LeadingNumber("12.5"), 12.5);
    if (old) std::setlocale(LC_NUMERIC, "C");
}

TEST(LeadingNumber, HugeNumbersStayFinite)
{
    EXPECT_TRUE(std::isfinite(LeadingNumber("9E99999")));
    EXPECT_TRUE(std::isfinite(LeadingNumber(std::string(5000, '9'))));
    EXPECT_DOUBLE_EQ(LeadingNumber("1E-99999"), 0);
    EXPECT_EQ(toInt32(LeadingNumber("99999999999")), INT32_MAX);
    EXPECT_EQ(toInt16(LeadingNumber("-99999")), INT16_MIN);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt32(15.5), 16);
    EXPECT_EQ(toInt32(8.5), 8);
    EXPECT_EQ(toInt16(-0.4), 0);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(60.6), 61);
    EXPECT_EQ(floorToInt32(85.71), 85);
    EXPECT_EQ(floorToInt32(-0.5), -1);
    EXPECT_EQ(toInt32(std::nan("")), 0);
}

TEST(SignPlace, PutsABlankBeforeNonNegativeNumbers)
{
    EXPECT_EQ(signPlace(41), " 41");
    EXPECT_EQ(signPlace(0), " 0");
    EXPECT_EQ(signPlace(-3), "-3");
}

TEST(Cp1252, UpperCasesAccentedLetters)
{
    EXPECT_EQ(upperCp1252("mario"), "MARIO");
    EXPECT_EQ(upperCp1252("citt\xe0"), "CITT\xc0");
    EXPECT_EQ(upperCp1252("\xe8\xf9\xf7"), "\xc8\xd9\xf7"); // the division sign stays
    EXPECT_EQ(trimBlanks("  abc  "), "abc");
    EXPECT_EQ(trimBlanks("   "), "");
}

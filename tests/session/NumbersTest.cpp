#include "session/Cp1252.h"
#include "session/Numbers.h"
#include "session/Session.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>

TEST(LeadingNumber, ReadsDecimalsSignsAndExponents)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("41"), 41);
    EXPECT_DOUBLE_EQ(LeadingNumber("  -12.5xyz"), -12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5E2"), 150);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5d-1"), 0.15);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("60.5"), 60.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("25abc"), 25);
    EXPECT_DOUBLE_EQ(LeadingNumber("3E"), 3);     // an exponent letter with no digits
    EXPECT_DOUBLE_EQ(LeadingNumber("12,5"), 12);  // the comma is not a decimal point
}

TEST(LeadingNumber, IgnoresBlanksTabsAndLineFeedsAnywhere)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("3 0"), 30);
    EXPECT_DOUBLE_EQ(LeadingNumber("\t- 1\n2 . 5"), -12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1 e 2"), 100);
    // A carriage return is not skipped: it ends the number.
    EXPECT_DOUBLE_EQ(LeadingNumber("1\r2"), 1);
}

TEST(LeadingNumber, ReadsHexAndOctal)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("&H1F"), 31);
    EXPECT_DOUBLE_EQ(LeadingNumber("&hff"), 255);
    EXPECT_DOUBLE_EQ(LeadingNumber("&O17"), 15);
    EXPECT_DOUBLE_EQ(LeadingNumber("&O19"), 1);
    EXPECT_DOUBLE_EQ(LeadingNumber("&X1"), 0);
}

TEST(LeadingNumber, GivesZeroWithoutANumber)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0);
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

TEST(Session, StartsZeroedWithTheGenreTableFilledByTheLauncher)
{
    Session s;
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.BoardState, 0);
    EXPECT_TRUE(s.GenreNames[0].empty());
    fillGenreTables(s);
    EXPECT_EQ(s.GenreNames[4], "Citta' Italia");
    EXPECT_EQ(s.GenreImageFiles[7], "07.wmf");
    EXPECT_TRUE(s.GenreNames[8].empty());
    static_assert(sizeof(s.Score) == 4 && sizeof(s.HelpPercent) == 2);
}

#include "drawing/Maski.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Maski, OptionalDigitsDropTrailingZerosAndALoneZeroBeforeTheSeparator)
{
    EXPECT_EQ(FormatujMaska(0.5, "########.##", ','), ",5");
    EXPECT_EQ(FormatujMaska(12, "########.##", ','), "12");
    EXPECT_EQ(FormatujMaska(12.5, "########.##", ','), "12,5");
    EXPECT_EQ(FormatujMaska(2.25, "########.##", ','), "2,25");
    EXPECT_EQ(FormatujMaska(-0.5, "########.##", ','), "-,5");
    EXPECT_EQ(FormatujMaska(20.5, "###.##", ','), "20,5");
    EXPECT_EQ(FormatujMaska(28.5, "###.##", ','), "28,5");
    EXPECT_EQ(FormatujMaska(20.32, "###.##", ','), "20,32");
}

TEST(Maski, ZerosInTheMaskAreAlwaysWritten)
{
    EXPECT_EQ(FormatujMaska(0, "#######0.00", ','), "0,00");
    EXPECT_EQ(FormatujMaska(-3.14159, "#######0.00", ','), "-3,14");
    EXPECT_EQ(FormatujMaska(1, "##0.00", ','), "1,00");
    EXPECT_EQ(FormatujMaska(-12.3456, "#####0.00", ','), "-12,35");
    EXPECT_EQ(FormatujMaska(3, "####0.0#", ','), "3,0");
    EXPECT_EQ(FormatujMaska(0.22, "####0.0#", ','), "0,22");
    EXPECT_EQ(FormatujMaska(0.2, "####0.0#", ','), "0,2");
    EXPECT_EQ(FormatujMaska(7.5, "###0.00", ','), "7,50");
    EXPECT_EQ(FormatujMaska(1.005, "#########0.00", ','), "1,00"); // 1.005 is stored just below the tie
    EXPECT_EQ(FormatujMaska(4, "########0.00", '.'), "4.00");
}

TEST(Maski, NeverCutsTheIntegerPart)
{
    EXPECT_EQ(FormatujMaska(123456.78, "##0.00", ','), "123456,78");
    EXPECT_EQ(FormatujMaska(-98765, "###.##", ','), "-98765");
    EXPECT_EQ(FormatujMaska(1e20, "##0.00", ','), "100000000000000000000,00");
}

TEST(Maski, RoundsHalfAwayFromZeroAndDropsTheSignOfARoundedZero)
{
    EXPECT_EQ(FormatujMaska(0.125, "##0.00", ','), "0,13"); // an exact binary tie
    EXPECT_EQ(FormatujMaska(-0.125, "##0.00", ','), "-0,13");
    EXPECT_EQ(FormatujMaska(2.5, "###.", ','), "3");
    EXPECT_EQ(FormatujMaska(99.995, "##0.00", ','), "100,00"); // stored just above the tie
    EXPECT_EQ(FormatujMaska(9.995, "##0.00", ','), "9,99");    // stored just below it
    EXPECT_EQ(FormatujMaska(99.999, "##0.00", ','), "100,00");
    EXPECT_EQ(FormatujMaska(-0.004, "#######0.00", ','), "0,00");
    EXPECT_EQ(FormatujMaska(-0.0, "#######0.00", ','), "0,00");
    EXPECT_EQ(FormatujMaska(-0.001, "########.##", ','), "0");
}

TEST(Maski, AZeroUnderAMaskOfOptionalDigitsStillShowsItsNumber)
{
    EXPECT_EQ(FormatujMaska(0, "########.##", ','), "0");
    EXPECT_EQ(FormatujMaska(0.001, "###.##", ','), "0");
}

TEST(Maski, NonNumbersAreNamedNotFormatted)
{
    EXPECT_EQ(FormatujMaska(std::numeric_limits<double>::infinity(), "##0.00", ','), "INF");
    EXPECT_EQ(FormatujMaska(-std::numeric_limits<double>::infinity(), "##0.00", ','), "-INF");
    EXPECT_EQ(FormatujStale(std::numeric_limits<double>::quiet_NaN(), 2, 12, ','), "NAN");
}

TEST(FormatStaly, WritesTheGivenDecimalsWithTheUsersSeparator)
{
    EXPECT_EQ(FormatujStale(10.25, 3, 12, ','), "10,250");
    EXPECT_EQ(FormatujStale(-14.25, 3, 12, ','), "-14,250");
    EXPECT_EQ(FormatujStale(6, 2, 12, ','), "6,00");
    EXPECT_EQ(FormatujStale(6, 2, 15, '.'), "6.00");
    EXPECT_EQ(FormatujStale(0.0005, 3, 12, ','), "0,001");
    EXPECT_EQ(FormatujStale(-0.0004, 3, 12, ','), "0,000");
    EXPECT_EQ(FormatujStale(0, 2, 12, ','), "0,00");
}

TEST(FormatStaly, KeepsOnlyTheSignificantDigitsItIsAllowed)
{
    // 12 integer digits leave no room for decimals: written as zeros.
    EXPECT_EQ(FormatujStale(123456789012.3456, 3, 12, ','), "123456789012,000");
    EXPECT_EQ(FormatujStale(123456789012.3456, 3, 15, ','), "123456789012,346");
    EXPECT_EQ(FormatujStale(1234567890.126, 3, 12, ','), "1234567890,130");
    // More integer digits than significant ones: exponent notation.
    EXPECT_EQ(FormatujStale(1e13, 2, 12, ','), "1E+13");
    EXPECT_EQ(FormatujStale(-2.5e15, 3, 12, ','), "-2,5E+15");
    EXPECT_EQ(FormatujStale(999999999999.9, 2, 12, ','), "1E+12");
}

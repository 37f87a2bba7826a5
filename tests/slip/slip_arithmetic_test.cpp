#include "slip/slip_arithmetic.h"

#include <gtest/gtest.h>

namespace {

constexpr RoundingMode T = RoundingMode::Truncate;
constexpr RoundingMode U = RoundingMode::RoundUp;
constexpr RoundingMode H = RoundingMode::RoundHalfUp;

Money money(const char *text)
{
    return Money::parse(QString::fromUtf8(text));
}

} // namespace

TEST(Mojitokazu, AcceptsDigitsPointsAndALeadingMinus)
{
    for (const char *text : {"0", "123", "-5", "1.5", "-0.25", ".", "1.2.3", "-"})
        EXPECT_TRUE(MOJITOKAZU(QString::fromUtf8(text))) << text;
    for (const char *text : {"", "1-", "+1", "1,000", " 1", "1e3", "１", "abc", "--1"})
        EXPECT_FALSE(MOJITOKAZU(QString::fromUtf8(text))) << text;
}

TEST(Kakezan, RoundsTheLineAmountByTheRoundingMode)
{
    struct Case
    {
        const char *quantity;
        const char *price;
        RoundingMode mode;
        bool zeroPrint;
        const char *amount;
    } const cases[] = {
        {"3", "33.33", T, false, "99"}, // 99.99
        {"3", "33.33", U, false, "100"},
        {"3", "33.33", H, false, "100"},
        {"-1.5", "3", T, false, "-4"}, // -4.5 cut toward zero
        {"-1.5", "3", U, false, "-5"}, // floor: the quantity is negative
        {"-1.5", "3", H, false, "-5"},
        {"1.5", "-3", U, false, "-4"}, // ceiling: the quantity is positive
        {"1.5", "-3", T, false, "-4"},
        {"1.5", "-3", H, false, "-5"},
        {"0.1", "3", T, false, ""}, // rounded to 0 and zeros are not printed
        {"0.1", "3", T, true, "0"},
        {"0.1", "3", H, false, ""},
        {"0.1", "3", U, false, "1"},
        {"-0.1", "3", T, false, "-0"}, // cut by text
        {"-0.1", "3", T, true, "-0"},
        {"-0.5", "-1", U, false, ""},  // 0.5 floored (negative quantity) to 0
        {"2.5", "0.5", H, false, "1"}, // 1.25
        {"1.5", "0.5", H, false, "1"}, // 0.75
        {"0.5", "5", H, false, "3"},   // 2.5 half up
        {"2", "50", T, false, "100"},
        {"0", "5", T, false, "0"},      // no fraction: kept even with zero-print off
        {"1.0001", "1", U, false, "2"}, // the smallest fraction still rounds up
        {"-", "5", T, false, ""},
        {"5", "-", U, false, ""},
        // Beyond 32 bits the rounded amounts stay exact.
        {"3", "1000000000.5", U, false, "3000000002"},
        {"3", "1000000000.5", H, false, "3000000002"},
        {"3", "1000000000.5", T, false, "3000000001"},
        {"-3", "1000000000.5", U, false, "-3000000002"},
        {"1", "922337203685477.5", T, false, "922337203685477"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.quantity) + " x " + c.price + " mode " +
                     std::to_string(int(c.mode)) + (c.zeroPrint ? " zero-print" : ""));
        EXPECT_EQ(
            KAKEZAN(QString::fromUtf8(c.quantity), QString::fromUtf8(c.price), c.mode, c.zeroPrint),
            QString::fromUtf8(c.amount));
    }
}

TEST(Kakezan, FailsOnOverflowAndOnTextsThatAreNotNumbers)
{
    for (const RoundingMode mode : {T, U, H}) {
        SCOPED_TRACE(int(mode));
        EXPECT_THROW(KAKEZAN(u"999999999", u"999999999", mode, false), OverflowError);
        EXPECT_THROW(KAKEZAN(u".", u"3", mode, false), ConversionError);
        EXPECT_THROW(KAKEZAN(u"1.2.3", u"3", mode, false), ConversionError);
    }
    // Rounding up past the largest sum of money is an overflow too, not a wrapped value.
    EXPECT_THROW(KAKEZAN(u"1", u"922337203685477.5", U, false), OverflowError);
    EXPECT_THROW(KAKEZAN(u"1", u"922337203685477.5", H, false), OverflowError);
}

TEST(Warizan, GivesThePercentageCutAfterOneDecimal)
{
    struct Case
    {
        const char *numerator;
        const char *denominator;
        const char *rate;
    } const cases[] = {
        {"1", "3", "33.3"}, // 33.333... cut
        {"2", "3", "66.6"}, // 66.666... cut, not rounded
        {"800", "1000", "80"}, {"1", "7", "14.2"},  {"100", "100", "100"},
        {"999", "100", "999"}, {"1000", "100", ""}, // above 999.9
        {"2000", "100", ""},   {"0.08", "100", ""}, // below 0.09
        {"0.1", "100", "0.1"}, {"-5", "100", ""},   // negative rates are not shown
        {"1", "0", ""},        {"5", "-0", ""},     // a truncated "-0" amount counts as zero
        {"5", "0.0", ""},      {"abc", "3", ""},    {"1", ".", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.numerator) + " / " + c.denominator);
        EXPECT_EQ(WARIZAN(QString::fromUtf8(c.numerator), QString::fromUtf8(c.denominator)),
                  QString::fromUtf8(c.rate));
    }
}

TEST(Tax, ExclusiveTaxByRoundingMode)
{
    struct Case
    {
        const char *amount;
        qint64 truncated;
        qint64 roundedUp;
        qint64 halfUp;
    } const cases[] = {
        {"1999", 99, 100, 100}, // 99.95
        {"1990", 99, 100, 100}, // 99.5
        {"1989", 99, 100, 99},  // 99.45
        {"2000", 100, 100, 100},
        {"1", 0, 1, 0},
        {"10", 0, 1, 1},
        {"0", 0, 0, 0},
        {"-1999", -99, -100, -100},
        {"-1", 0, -1, 0},
        {"1999.5", 99, 100, 100},
        // Far beyond 32 bits.
        {"100000000000000", 5000000000000, 5000000000000, 5000000000000},
        {"100000000000019", 5000000000000, 5000000000001, 5000000000001},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(exclusiveTax(money(c.amount), T), c.truncated);
        EXPECT_EQ(exclusiveTax(money(c.amount), U), c.roundedUp);
        EXPECT_EQ(exclusiveTax(money(c.amount), H), c.halfUp);
        EXPECT_EQ(Ceil_New(money(c.amount)), c.roundedUp);
    }
    EXPECT_EQ(ZEIKIN(money("1999"), T), QStringLiteral("99"));
    EXPECT_EQ(ZEIKIN(money("100000000000000"), U), QStringLiteral("5,000,000,000,000"));
}

TEST(Tax, InclusiveTaxIsCutInEveryMode)
{
    struct Case
    {
        const char *amount;
        qint64 tax;
    } const cases[] = {
        {"10500", 500}, {"1000", 47}, // 47.619 cut
        {"1050", 50},   {"21", 1},    {"1", 0},
        {"-1000", -47}, {"0", 0},     {"100000000000000", 4761904761904},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(inclusiveTax(money(c.amount)), c.tax);
    }
}

TEST(Arithmetic, RoundoffIsHalfAwayFromZeroIn64Bits)
{
    struct Case
    {
        long double x;
        qint64 rounded;
    } const cases[] = {
        {2.5L, 3},
        {-2.5L, -3},
        {2.4999L, 2},
        {-0.4L, 0},
        {0.5L, 1},
        {99.95L, 100},
        {1000000000000.5L, 1000000000001},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(double(c.x));
        EXPECT_EQ(Roundoff(c.x), c.rounded);
    }
    EXPECT_THROW(Roundoff(1e19L), OverflowError);
}

TEST(Arithmetic, FifteenDigitTextRemovesFloatingNoise)
{
    EXPECT_EQ(through15Digits(49.99999999999999L), 50.0L);
    EXPECT_EQ(shortestText15(100.0L / 3), QStringLiteral("33.3333333333333"));
    EXPECT_EQ(shortestText15(80.0L), QStringLiteral("80"));
    EXPECT_EQ(cutAfterFirstDecimal(QStringLiteral("33.3333")), QStringLiteral("33.3"));
    EXPECT_EQ(cutAfterFirstDecimal(QStringLiteral("-12.75")), QStringLiteral("-12.7"));
    EXPECT_EQ(cutAfterFirstDecimal(QStringLiteral("50")), QStringLiteral("50"));
}

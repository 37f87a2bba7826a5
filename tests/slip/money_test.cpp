#include "slip/money.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qint64 maxUnits = std::numeric_limits<qint64>::max();

} // namespace

TEST(Money, ParsesCellTextExactly)
{
    struct Case
    {
        const char *text;
        qint64 units;
    } const cases[] = {
        {"1234", 12340000},
        {"1234.5", 12345000},
        {"-0.75", -7500},
        {"+3", 30000},
        {" 12 ", 120000},
        {".5", 5000},
        {"5.", 50000},
        {"-0", 0},
        {"007", 70000},
        {"0.1", 1000}, // no binary-fraction error
        {"33.33", 333300},
        {"0.00005", 0}, // beyond four decimals: a tie goes to the even unit
        {"0.00015", 2},
        {"0.00025", 2},
        {"0.000251", 3},
        {"-0.00015", -2},
        {"0.00004999", 0},
        {"922337203685477.5807", maxUnits},
        {"-922337203685477.5807", -maxUnits},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Money::parse(QString::fromUtf8(c.text)).units(), c.units);
    }
}

TEST(Money, RejectsWhatIsNotANumberOrOutOfRange)
{
    for (const char *text : {"", ".", "-", "+", "1,000", "1e3", "1.2.3", "--1", "abc", "１２",
                             "1 2", "0x10", "¥100"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(Money::parse(QString::fromUtf8(text)), ConversionError);
    }
    for (const char *text : {"922337203685477.5808", "-922337203685477.5808",
                             "99999999999999999999999999", "1000000000000000"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(Money::parse(QString::fromUtf8(text)), OverflowError);
    }
}

TEST(Money, MultipliesExactlyWithTiesToEven)
{
    struct Case
    {
        const char *left;
        const char *right;
        const char *product;
    } const cases[] = {
        {"33.33", "3", "99.99"},
        {"3", "-1.5", "-4.5"},
        {"0.1", "3", "0.3"},
        {"0.0001", "0.5", "0"},      // 0.00005: tie, 0 is even
        {"0.0003", "0.5", "0.0002"}, // 0.00015: tie, up to even
        {"0.0005", "0.5", "0.0002"}, // 0.00025: tie, down to even
        {"-0.0003", "0.5", "-0.0002"},
        {"0.0003", "0.51", "0.0002"}, // 0.000153: not a tie
        {"30000001", "30000000", "900000030000000"},
        {"922337203685477.5807", "1", "922337203685477.5807"},
        {"-922337203685477.5807", "-1", "922337203685477.5807"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.left) + " x " + c.right);
        const Money product =
            Money::parse(QString::fromUtf8(c.left)) * Money::parse(QString::fromUtf8(c.right));
        EXPECT_EQ(product.toString(), QString::fromUtf8(c.product));
    }
}

TEST(Money, WritesTheShortestText)
{
    struct Case
    {
        qint64 units;
        const char *text;
    } const cases[] = {
        {12340000, "1234"},
        {12345000, "1234.5"},
        {-7500, "-0.75"},
        {0, "0"},
        {1, "0.0001"},
        {-1, "-0.0001"},
        {10000, "1"},
        {-10000, "-1"},
        {12345678, "1234.5678"},
        {maxUnits, "922337203685477.5807"},
        {-maxUnits, "-922337203685477.5807"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Money::fromUnits(c.units).toString(), QString::fromUtf8(c.text));
        EXPECT_EQ(Money::parse(QString::fromUtf8(c.text)).units(), c.units);
    }
}

TEST(Money, ReportsOverflowInsteadOfWrapping)
{
    const Money top = Money::fromUnits(maxUnits);
    const Money unit = Money::fromUnits(1);
    EXPECT_THROW(top + unit, OverflowError);
    EXPECT_THROW(-top - unit, OverflowError);
    EXPECT_THROW(top - -unit, OverflowError);
    EXPECT_THROW(Money::parse(u"999999999") * Money::parse(u"999999999"), OverflowError);
    EXPECT_THROW(top * Money::parse(u"1.0001"), OverflowError);
    EXPECT_THROW(Money::fromYen(922337203685478), OverflowError);
    EXPECT_EQ((top - unit + unit).units(), maxUnits);
    EXPECT_EQ(Money::fromYen(-922337203685477).truncatedYen(), -922337203685477);
}

TEST(Money, RoundsAndCutsToWholeYen)
{
    struct Case
    {
        const char *text;
        qint64 rounded;
        qint64 truncated;
    } const cases[] = {
        {"12345.5", 12346, 12345}, {"12344.5", 12344, 12344}, {"-0.5", 0, 0},
        {"-1.5", -2, -1},          {"2.5001", 3, 2},          {"-2.7", -3, -2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const Money value = Money::parse(QString::fromUtf8(c.text));
        EXPECT_EQ(value.roundedYen(), c.rounded);
        EXPECT_EQ(value.truncatedYen(), c.truncated);
    }
}

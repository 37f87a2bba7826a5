#include "slip/number_format.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

TEST(NumberFormat, WholeNumbersWithGroupingAndTiesToEven)
{
    struct Case
    {
        const char *money;
        const char *text;
    } const cases[] = {
        {"12345.5", "12,346"},
        {"12344.5", "12,344"},
        {"0", "0"},
        {"999", "999"},
        {"1000", "1,000"},
        {"-1234567", "-1,234,567"},
        {"-0.5", "0"},
        {"-1.5", "-2"},
        {"922337203685477.5807", "922,337,203,685,478"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.money);
        EXPECT_EQ(formatN(Money::parse(QString::fromUtf8(c.money))), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(formatN(qint64(-1000)), QStringLiteral("-1,000"));
    EXPECT_EQ(formatN(qint64(100000)), QStringLiteral("100,000"));
    EXPECT_EQ(formatN(2.5L), QStringLiteral("2"));
    EXPECT_EQ(formatN(3.5L), QStringLiteral("4"));
    EXPECT_EQ(formatN(-1234.4L), QStringLiteral("-1,234"));
}

namespace {

// 2 to the power, in decimal digits, by doubling.
QString powerOfTwoDigits(int power)
{
    std::string digits = "1";
    for (int i = 0; i < power; ++i) {
        int carry = 0;
        for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
            const int doubled = (*digit - '0') * 2 + carry;
            *digit = char('0' + doubled % 10);
            carry = doubled / 10;
        }
        if (carry)
            digits.insert(digits.begin(), char('0' + carry));
    }
    return QString::fromStdString(digits);
}

} // namespace

// Extended-precision results can be huge (a quantity of 1e40 times a price of 1e30): every
// digit is shown, grouped, never a cut-off or garbage text. Powers of two are exact in a
// long double, so their text is known.
TEST(NumberFormat, HugeExtendedValuesShowAllTheirDigits)
{
    for (const int power : {63, 212, 213, 300, 1000}) {
        SCOPED_TRACE(power);
        const QString grouped = groupThousands(powerOfTwoDigits(power));
        EXPECT_EQ(formatN(std::ldexp(1.0L, power)), grouped);
        EXPECT_EQ(formatN(-std::ldexp(1.0L, power)), u'-' + grouped);
    }
    EXPECT_EQ(formatN(std::numeric_limits<long double>::max()).remove(u',').size(), 4933);
}

TEST(NumberFormat, StrCommaFollowsTheEditorsDecimals)
{
    struct Case
    {
        const char *text;
        int decimals;
        const char *shown;
    } const cases[] = {
        {"", 2, ""},
        {"1234.567", 2, "1,234.57"},
        {"1234.567", 3, "1,234.567"},
        {"1234.5", 2, "1,234.5"},
        {"1000", 2, "1,000"},
        {"1234.5678", 3, "1,234.568"},
        {"0.995", 2, "1"},
        {"999.999", 2, "1,000"},
        {"-0.005", 2, "-0.01"},
        {"-0.004", 2, "0"},
        {"-0", 2, "0"},
        {".5", 2, "0.5"},
        {"-1234567.8", 3, "-1,234,567.8"},
        {"2.675", 2, "2.68"}, // as typed, not as the nearest binary fraction
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.decimals));
        EXPECT_EQ(STR_COMMA(QString::fromUtf8(c.text), c.decimals), QString::fromUtf8(c.shown));
    }
    EXPECT_THROW(STR_COMMA(u"1.2.3", 2), ConversionError);
    EXPECT_THROW(STR_COMMA(u".", 3), ConversionError);
}

TEST(NumberFormat, CenterparShowsOneDecimalAndPercent)
{
    struct Case
    {
        const char *text;
        const char *shown;
    } const cases[] = {
        {"80", "80.0%"}, {"33.3", "33.3%"},   {"33.35", "33.4%"}, {"", ""},
        {"0", "0.0%"},   {"1234", "1234.0%"}, {"0.04", "0.0%"},   {"-2.5", "-2.5%"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CENTERPAR(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown));
    }
    EXPECT_THROW(CENTERPAR(u"x"), ConversionError);
}

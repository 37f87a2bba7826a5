#include "slip/number_format.h"

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

#include "common/comma_text.h"

#include <gtest/gtest.h>

TEST(CommaText, JoinQuotesOnlyCellsThatNeedIt)
{
    struct Case
    {
        QStringList cells;
        const char *line;
    } const cases[] = {
        {{"1", "", "ボルト", "", "", "10"}, "1,,ボルト,,,10"},
        {{"A, B"}, "\"A, B\""},
        {{"A B"}, "\"A B\""},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"tab\there"}, "\"tab\there\""},
        {{"全角　空白"}, "全角　空白"}, // the full-width blank is an ordinary character
        {{"", ""}, ","},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CommaText::join(c.cells), QString::fromUtf8(c.line));
    }
}

TEST(CommaText, SplitFollowsCommasBlanksAndQuotes)
{
    struct Case
    {
        const char *line;
        QStringList cells;
    } const cases[] = {
        {"1,,,,", {"1", "", "", ""}}, // a trailing comma opens no field
        {"A B,C", {"A", "B", "C"}},   // blanks outside quotes separate
        {"  a ,  b  ", {"a", "b"}},   // blanks around fields are dropped
        {"\"A, B\",x", {"A, B", "x"}}, {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"\",x", {"", "x"}},         {"\"open", {"open"}}, // an unclosed quote runs to the end
        {"\"a\"b", {"a", "b"}},        {"", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CommaText::split(QString::fromUtf8(c.line)), c.cells);
    }
    // A stray NUL separates like a blank instead of stalling the scan.
    EXPECT_EQ(CommaText::split(QString::fromUtf8("a\0b", 3)), (QStringList{"a", "b"}));
}

TEST(CommaText, EveryCellSurvivesARoundTrip)
{
    const QStringList cells = {"1",  "@",    "A, B",  "1",      "φ10 x 20", "",
                               "\"", "\"\"", " lead", "trail ", "a\"b,c d", "①髙ｶﾅ"};
    EXPECT_EQ(CommaText::split(CommaText::join(cells)), cells);
}

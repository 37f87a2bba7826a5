#include "common/era_date.h"

#include <gtest/gtest.h>

TEST(EraDate, EraFollowsTheCalendarOnBothSidesOfTheChange)
{
    struct Case
    {
        QDate date;
        const char *era;
        int year;
        const char *text;
    } const cases[] = {
        {QDate(2005, 5, 1), "平成", 17, "平成17年05月01日"},
        {QDate(1989, 1, 8), "平成", 1, "平成1年01月08日"},
        {QDate(1989, 1, 7), "昭和", 64, "昭和64年01月07日"},
        {QDate(2019, 4, 30), "平成", 31, "平成31年04月30日"},
        {QDate(2019, 5, 1), "令和", 1, "令和1年05月01日"},
        {QDate(2026, 12, 9), "令和", 8, "令和8年12月09日"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const EraYear era = japaneseEra(c.date);
        EXPECT_EQ(era.era, QString::fromUtf8(c.era));
        EXPECT_EQ(era.year, c.year);
        EXPECT_EQ(eraDateText(c.date), QString::fromUtf8(c.text));
    }
}

#include "slip/item_columns.h"
#include "slip/string_grid.h"
#include "statement/classification_totals.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

using namespace ItemColumn;

struct Row
{
    QString category;
    QString name;
    QString amount = QString();
    QString cost = QString();
};

void fill(StringGrid &grid, const QList<Row> &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int row = int(i) + 1;
        grid.setCell(category, row, rows.at(i).category);
        grid.setCell(name, row, rows.at(i).name);
        grid.setCell(amount, row, rows.at(i).amount);
        grid.setCell(costAmount, row, rows.at(i).cost);
    }
}

QStringList totalRows(const StringGrid &grid)
{
    QStringList out;
    for (int row = 1; row < grid.rows(); ++row)
        out << grid.rowCells(row).join(u' ');
    return out;
}

TEST(ClassificationTotals, SectionsAndGrandTotal)
{
    struct Case
    {
        const char *what;
        QList<Row> rows;
        QStringList expected;
    };
    const QList<Row> example = {{"A", "外壁工事"},
                                {"", "足場", "10000", "6000"},
                                {" ", "塗装", "5000", "3000"},
                                {"B", "屋根工事"},
                                {"　", "板金", "2000"}};
    const Case cases[] = {
        {"two sections",
         example,
         {"A 外壁工事 15000 9000 6000 60", "B 屋根工事 2000 0 2000 ",
          " 総　合　計 17000 9000 8000 52.9"}},
        {"items above the first code and rows marked # count nowhere",
         {{"", "前置き", "700", "100"},
          {"K", "基礎"},
          {"#", "除外", "9999", "1"},
          {"", "型枠", "3000", "1000"}},
         {"K 基礎 3000 1000 2000 33.3", " 総　合　計 3000 1000 2000 33.3"}},
        {"@ ends the totals, in either width",
         {{"A", "外壁"},
          {"", "x", "1000", "500"},
          {"＠", ""},
          {"", "y", "5000", "5000"},
          {"B", "後"}},
         {"A 外壁 1000 500 500 50", " 総　合　計 1000 500 500 50"}},
        {"a repeated code continues its section",
         {{"A", "外壁", "100"}, {"", "x", "1000", "300"}, {"A", "again", "50"}, {"", "y", "900"}},
         {"A 外壁 2000 300 1700 15", " 総　合　計 2000 300 1700 15"}},
        {"fractions are cut from the sums, the rate after one decimal",
         {{"\\", "値引"}, {"", "x", "10.5", "3.7"}, {"", "y", "-0.2", ""}},
         {"\\ 値引 10 3 6 30", " 総　合　計 10 3 7 30"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompter messages;
        StringGrid SG1(ItemColumn::count, 31);
        fill(SG1, c.rows);
        StringGrid SG_KEI(ClassificationTotals::Column::count, 2);
        ClassificationTotals::prepare(SG_KEI);
        ASSERT_TRUE(ClassificationTotals::SYU_KEI(SG1, SG_KEI));
        EXPECT_EQ(totalRows(SG_KEI), c.expected);
        EXPECT_EQ(SG_KEI.cell(1, 0), "分類名");
    }
}

TEST(ClassificationTotals, ClassificationsAreNormalisedInTheItemGrid)
{
    ScriptedPrompter messages;
    StringGrid SG1(ItemColumn::count, 31);
    fill(SG1, {{" A ", "a"}, {"＃", ""}, {"￥", "b"}, {"＠", ""}, {"　", ""}});
    StringGrid SG_KEI(ClassificationTotals::Column::count, 2);
    ClassificationTotals::SYU_KEI(SG1, SG_KEI);
    QStringList categories;
    for (int row = 1; row <= 5; ++row)
        categories << SG1.cell(category, row);
    EXPECT_EQ(categories, QStringList({"A", "#", "\\", "@", "　"}));
}

TEST(ClassificationTotals, WithoutACodeNothingIsBuilt)
{
    ScriptedPrompter messages;
    StringGrid SG1(ItemColumn::count, 31);
    fill(SG1, {{"", "x", "1000"}, {"@", ""}, {"A", "after the end"}});
    StringGrid SG_KEI(ClassificationTotals::Column::count, 2);
    ClassificationTotals::prepare(SG_KEI);
    // "@" before any section is ignored, so A still starts one.
    EXPECT_TRUE(ClassificationTotals::SYU_KEI(SG1, SG_KEI));

    StringGrid plain(ItemColumn::count, 31);
    fill(plain, {{"", "x", "1000"}, {"#", "y"}});
    EXPECT_FALSE(ClassificationTotals::SYU_KEI(plain, SG_KEI));
    EXPECT_EQ(messages.texts("info"), QStringList({"集計対象データが存在しません。"}));
}

} // namespace

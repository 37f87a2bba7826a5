#include "slip/calculation.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr RoundingMode T = RoundingMode::Truncate;
constexpr RoundingMode U = RoundingMode::RoundUp;
constexpr RoundingMode H = RoundingMode::RoundHalfUp;

// One item row as the user typed it.
struct Row
{
    const char *quantity = "";
    const char *price = "";
    const char *cost = "";
    bool exempt = false;
};

// SG1 as the window creates it: 12 columns, title row, item rows numbered from 1.
std::unique_ptr<StringGrid> itemGrid(const std::vector<Row> &rows, int rowCount = 31)
{
    auto grid = std::make_unique<StringGrid>(12, rowCount);
    for (int row = 1; row < rowCount; ++row)
        grid->setCell(0, row, QString::number(row));
    for (int i = 0; i < int(rows.size()); ++i) {
        const int row = i + 1;
        grid->setCell(ItemColumn::quantity, row, QString::fromUtf8(rows[i].quantity));
        grid->setCell(ItemColumn::unitPrice, row, QString::fromUtf8(rows[i].price));
        grid->setCell(ItemColumn::costPrice, row, QString::fromUtf8(rows[i].cost));
        grid->setCell(ItemColumn::exemptMark, row, rows[i].exempt ? "1" : "");
    }
    return grid;
}

Calculation calculation(RoundingMode mode, bool zeroPrint = false, bool profitRate = false)
{
    Calculation calc;
    calc.settings = {mode, zeroPrint, profitRate, {}};
    return calc;
}

const char *modeName(RoundingMode mode)
{
    return mode == T ? "truncate" : mode == U ? "round up" : "round half up";
}

} // namespace

TEST(Keisan, FillsAmountCostAndRateOfEachRow)
{
    struct Case
    {
        const char *name;
        Row row;
        TaxMode tax;
        bool zeroPrint;
        bool profitRate;
        // Cells 5, 7, 8, 9, 10, 11 afterwards; the rate cell held "55.5" before.
        const char *cells[6];
    } const cases[] = {
        {"zero cells emptied",
         {"0", "0", "0"},
         TaxMode::Exclusive,
         false,
         false,
         {"", "", "", "", "", ""}},
        {"zero cells kept",
         {"0", "0", "0"},
         TaxMode::Exclusive,
         true,
         false,
         {"0", "0", "0", "0", "0", "55.5"}},
        {"lone minus emptied",
         {"-", "100", "-"},
         TaxMode::Exclusive,
         false,
         false,
         {"", "100", "", "", "", ""}},
        {"cost rate",
         {"1", "1000", "800"},
         TaxMode::Exclusive,
         false,
         false,
         {"1", "1000", "800", "1000", "800", "80"}},
        {"profit rate",
         {"1", "1000", "800"},
         TaxMode::Exclusive,
         false,
         true,
         {"1", "1000", "800", "1000", "800", "20"}},
        {"zero cost keeps the rate",
         {"1", "1000", "0"},
         TaxMode::Exclusive,
         true,
         false,
         {"1", "1000", "0", "1000", "0", "55.5"}},
        {"rate cut after one decimal",
         {"1", "3", "1"},
         TaxMode::Exclusive,
         false,
         false,
         {"1", "3", "1", "3", "1", "33.3"}},
        {"rate above 999.9",
         {"1", "100", "2000"},
         TaxMode::Exclusive,
         false,
         false,
         {"1", "100", "2000", "100", "2000", ""}},
        {"loss in the profit display",
         {"1", "100", "200"},
         TaxMode::Exclusive,
         false,
         true,
         {"1", "100", "200", "100", "200", ""}},
        {"inclusive: cost rate on the net amount",
         {"1", "1050", "400"},
         TaxMode::Inclusive,
         false,
         false,
         {"1", "1050", "400", "1050", "400", "40"}},
        {"inclusive: profit rate on the net amount",
         {"1", "1050", "400"},
         TaxMode::Inclusive,
         false,
         true,
         {"1", "1050", "400", "1050", "400", "60"}},
        {"inclusive, exempt row: gross amount",
         {"1", "1050", "400", true},
         TaxMode::Inclusive,
         false,
         false,
         {"1", "1050", "400", "1050", "400", "38.0"}},
        {"inclusive, exempt row: gross profit",
         {"1", "1050", "400", true},
         TaxMode::Inclusive,
         false,
         true,
         {"1", "1050", "400", "1050", "400", "61.9"}},
        {"exclusive: gross amount",
         {"1", "1050", "400"},
         TaxMode::Exclusive,
         false,
         false,
         {"1", "1050", "400", "1050", "400", "38.0"}},
        {"amount -0 against a cost",
         {"-0.1", "3", "20"},
         TaxMode::Exclusive,
         false,
         false,
         {"-0.1", "3", "20", "-0", "-2", ""}},
        {"amount -0 on the net amount",
         {"-0.1", "3", "20"},
         TaxMode::Inclusive,
         false,
         true,
         {"-0.1", "3", "20", "-0", "-2", ""}},
        {"quantity not a number",
         {"abc", "100", "50"},
         TaxMode::Exclusive,
         false,
         false,
         {"abc", "100", "50", "", "", ""}},
        {"no cost price",
         {"2", "100", ""},
         TaxMode::Exclusive,
         false,
         false,
         {"2", "100", "", "200", "", ""}},
    };
    const int columns[] = {ItemColumn::quantity, ItemColumn::unitPrice,  ItemColumn::costPrice,
                           ItemColumn::amount,   ItemColumn::costAmount, ItemColumn::rate};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto grid = itemGrid({c.row});
        grid->setCell(ItemColumn::rate, 1, "55.5");
        Calculation calc = calculation(T, c.zeroPrint, c.profitRate);
        calc.Keisan(*grid, c.tax);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(grid->cell(columns[i], 1), QString::fromUtf8(c.cells[i]))
                << "column " << columns[i];
    }
}

TEST(Keisan, ZeroAmountsFollowTheZeroPrintFlag)
{
    for (const bool zeroPrint : {false, true}) {
        SCOPED_TRACE(zeroPrint);
        auto grid = itemGrid({{"0.1", "3"}, {"-0.1", "3"}});
        calculation(T, zeroPrint).Keisan(*grid, TaxMode::Exclusive);
        EXPECT_EQ(grid->cell(ItemColumn::amount, 1), zeroPrint ? "0" : "");
        EXPECT_EQ(grid->cell(ItemColumn::amount, 2), "-0");
    }
}

TEST(Keisan, TaxTextsByTaxModeAndRoundingMode)
{
    struct Case
    {
        const char *name;
        TaxMode tax;
        std::vector<RoundingMode> modes;
        std::vector<Row> rows;
        const char *taxText;
        const char *totalText;
    } const cases[] = {
        {"exclusive 1,999 truncated",
         TaxMode::Exclusive,
         {T},
         {{"1", "1999"}},
         "消費税 = 99",
         "税込合計 = 2,098"},
        {"exclusive 1,999 rounded up",
         TaxMode::Exclusive,
         {U},
         {{"1", "1999"}},
         "消費税 = 100",
         "税込合計 = 2,099"},
        {"exclusive 1,999 rounded half up",
         TaxMode::Exclusive,
         {H},
         {{"1", "1999"}},
         "消費税 = 100",
         "税込合計 = 2,099"},
        {"exclusive with an exempt row",
         TaxMode::Exclusive,
         {T, U, H},
         {{"1", "1000", "", true}, {"1", "2000"}},
         "消費税 = 100",
         "税込合計 = 3,100"},
        {"inclusive 10,500",
         TaxMode::Inclusive,
         {T, U, H},
         {{"1", "10500"}},
         "消費税 = 500",
         "税抜合計 = 10,000"},
        {"inclusive 1,000",
         TaxMode::Inclusive,
         {T, U, H},
         {{"1", "1000"}},
         "消費税 = 47",
         "税抜合計 = 953"},
        {"inclusive with an exempt row",
         TaxMode::Inclusive,
         {T, U, H},
         {{"1", "1000"}, {"1", "500", "", true}},
         "消費税 = 47",
         "税抜合計 = 1,453"},
        {"exempt",
         TaxMode::Exempt,
         {T, U, H},
         {{"1", "1000", "600"}, {"1", "2000"}},
         "",
         "合計 = 3,000"},
        {"exclusive large total",
         TaxMode::Exclusive,
         {U},
         {{"1", "100000000000019"}},
         "消費税 = 5,000,000,000,001",
         "税込合計 = 105,000,000,000,020"},
    };
    for (const Case &c : cases) {
        for (const RoundingMode mode : c.modes) {
            SCOPED_TRACE(std::string(c.name) + ", " + modeName(mode));
            auto grid = itemGrid(c.rows);
            const KeisanResult result = calculation(mode).Keisan(*grid, c.tax);
            EXPECT_EQ(result.taxText, QString::fromUtf8(c.taxText));
            EXPECT_EQ(result.totalText, QString::fromUtf8(c.totalText));
            EXPECT_EQ(result.statusPanel(2), result.taxText);
            EXPECT_EQ(result.statusPanel(3), result.totalText);
        }
    }
}

TEST(Keisan, CostProfitAndRatePanels)
{
    struct Case
    {
        const char *name;
        TaxMode tax;
        std::vector<Row> rows;
        const char *costText;
        const char *profitText;
        const char *costRate;   // cost rate display
        const char *profitRate; // profit rate display
    } const cases[] = {
        {"exclusive",
         TaxMode::Exclusive,
         {{"1", "1000", "800"}},
         "原価計 = 800",
         "粗利計 = 200",
         "原価率 = 80%",
         "利益率 = 20%"},
        {"rates cut after one decimal",
         TaxMode::Exclusive,
         {{"1", "3", "1"}},
         "原価計 = 1",
         "粗利計 = 2",
         "原価率 = 33.3%",
         "利益率 = 66.6%"},
        {"loss",
         TaxMode::Exclusive,
         {{"1", "1000", "1200"}},
         "原価計 = 1,200",
         "粗利計 = -200",
         "原価率 = 120%",
         "利益率 = -20%"},
        {"inclusive, whole net amount",
         TaxMode::Inclusive,
         {{"1", "1050", "500"}},
         "原価計 = 500",
         "粗利計 = 500",
         "原価率 = 50%",
         "利益率 = 50%"},
        {"inclusive 1,000",
         TaxMode::Inclusive,
         {{"1", "1000", "800"}},
         "原価計 = 800",
         "粗利計 = 153",
         "原価率 = 83.9%",
         "利益率 = 15.9%"},
        {"no cost",
         TaxMode::Exclusive,
         {{"1", "1000"}},
         "原価計 = 0",
         "粗利計 = 1,000",
         "原価率 = 0%",
         "利益率 = 100%"},
        {"tiny rate",
         TaxMode::Exclusive,
         {{"1", "1500000", "1"}},
         "原価計 = 1",
         "粗利計 = 1,499,999",
         "原価率 = 0.0%",
         "利益率 = 99.9%"},
        {"huge rate",
         TaxMode::Exclusive,
         {{"1", "1", "10000000000000"}},
         "原価計 = 10,000,000,000,000",
         "粗利計 = -9,999,999,999,999",
         "原価率 = 1000000000000000%",
         "利益率 = -999999999999900%"},
        {"empty slip", TaxMode::Exclusive, {}, "原価計 = 0", "粗利計 = 0", "率 = ", "率 = "},
        {"exempt",
         TaxMode::Exempt,
         {{"1", "1000", "600"}, {"1", "2000"}},
         "原価計 = 600",
         "粗利計 = 2,400",
         "原価率 = 20%",
         "利益率 = 80%"},
        // Exempt rows bring the total down to exactly the tax of the taxable rows: there is
        // nothing to divide by.
        {"inclusive, total equal to its tax",
         TaxMode::Inclusive,
         {{"1", "1000", "10"}, {"-1", "953", "", true}},
         "原価計 = 10",
         "粗利計 = -10",
         "率 = ",
         "率 = "},
    };
    for (const Case &c : cases) {
        for (const bool profitRate : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (profitRate ? ", profit rate" : ", cost rate"));
            auto grid = itemGrid(c.rows);
            const KeisanResult result = calculation(T, false, profitRate).Keisan(*grid, c.tax);
            EXPECT_EQ(result.costText, QString::fromUtf8(c.costText));
            EXPECT_EQ(result.profitText, QString::fromUtf8(c.profitText));
            EXPECT_EQ(result.rateText, QString::fromUtf8(profitRate ? c.profitRate : c.costRate));
        }
    }
}

TEST(Keisan, TotalBoxAndTheTotalsKeptForSavingAndPrinting)
{
    auto grid = itemGrid({{"1", "12000", "7000"}, {"3", "115", "", true}}, 41);
    grid->setCell(ItemColumn::quantity, 40, "2");
    grid->setCell(ItemColumn::unitPrice, 40, "-0.4"); // rows past the first 30 are calculated
    Calculation calc = calculation(T);
    KeisanResult result = calc.Keisan(*grid, TaxMode::Exclusive);
    EXPECT_EQ(result.TOTALKIN, QStringLiteral("\\12,345.-"));
    EXPECT_EQ(calc.totals.item, Money::parse(u"12345"));
    EXPECT_EQ(calc.totals.taxable, Money::parse(u"12000"));
    EXPECT_EQ(calc.totals.cost, Money::parse(u"7000"));
    EXPECT_EQ(grid->cell(ItemColumn::amount, 40), "-0");

    // The totals start again from zero on every run.
    auto refund = itemGrid({{"-1", "1000"}});
    result = calc.Keisan(*refund, TaxMode::Exclusive);
    EXPECT_EQ(result.TOTALKIN, QStringLiteral("\\-1,000.-"));
    EXPECT_EQ(calc.totals.item, Money::parse(u"-1000"));
    EXPECT_EQ(calc.totals.cost, Money());

    auto empty = itemGrid({});
    EXPECT_EQ(calc.Keisan(*empty, TaxMode::Exclusive).TOTALKIN, QStringLiteral("\\0.-"));
}

TEST(Keisan, OverflowWarnsAndEmptiesTheCellBeingEdited)
{
    struct Case
    {
        const char *name;
        GridCell current;
        bool quantityEmptied;
        bool priceEmptied;
        int warnings;
    } const cases[] = {
        // Emptying the quantity also ends the second overflow on the cost amount.
        {"editing the quantity", {ItemColumn::quantity, 1}, true, false, 1},
        {"editing the unit price", {ItemColumn::unitPrice, 1}, false, true, 2},
        {"editing a text column", {2, 1}, false, false, 2},
        {"no cell being edited", {}, false, false, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        auto grid = itemGrid({{"999999999", "999999999", "999999999"}, {"2", "100"}});
        grid->setCell(2, 1, "品名");
        const KeisanResult result = calculation(T).Keisan(*grid, TaxMode::Exclusive, c.current);
        EXPECT_TRUE(result.clearNumberEditor);
        EXPECT_EQ(grid->cell(ItemColumn::amount, 1), "");
        EXPECT_EQ(grid->cell(ItemColumn::costAmount, 1), "");
        EXPECT_EQ(grid->cell(ItemColumn::quantity, 1), c.quantityEmptied ? "" : "999999999");
        EXPECT_EQ(grid->cell(ItemColumn::unitPrice, 1), c.priceEmptied ? "" : "999999999");
        EXPECT_EQ(grid->cell(2, 1), "品名");
        EXPECT_EQ(prompter.beeps(), c.warnings);
        EXPECT_EQ(prompter.texts("warning"),
                  QStringList(c.warnings, QStringLiteral("桁オーバーです。\r\n")));
        EXPECT_EQ(prompter.log.first(), "beep");
        // The rest of the slip is still calculated.
        EXPECT_EQ(grid->cell(ItemColumn::amount, 2), "200");
        EXPECT_EQ(result.TOTALKIN, QStringLiteral("\\200.-"));
    }
}

TEST(Keisan, AmountsBeyond32BitsAreNotOverflows)
{
    ScriptedPrompter prompter;
    struct Case
    {
        RoundingMode mode;
        const char *taxText; // 5 % of 3,000,000,002 is 150,000,000.1
    } const cases[] = {{U, "消費税 = 150,000,001"}, {H, "消費税 = 150,000,000"}};
    for (const auto &[mode, taxText] : cases) {
        SCOPED_TRACE(modeName(mode));
        auto grid = itemGrid({{"3", "1000000000.5"}});
        const KeisanResult result = calculation(mode).Keisan(*grid, TaxMode::Exclusive);
        EXPECT_EQ(grid->cell(ItemColumn::amount, 1), "3000000002");
        EXPECT_FALSE(result.clearNumberEditor);
        EXPECT_EQ(result.taxText, QString::fromUtf8(taxText));
    }
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST(Keisan, TotalBeyondTheMoneyRangeIsReported)
{
    ScriptedPrompter prompter;
    auto grid = itemGrid({{"1", "900000000000000"}, {"1", "900000000000000"}, {"1", "5"}});
    Calculation calc = calculation(T);
    const KeisanResult result = calc.Keisan(*grid, TaxMode::Exclusive);
    EXPECT_EQ(prompter.texts("warning"), QStringList{QStringLiteral("桁オーバーです。\r\n")});
    EXPECT_EQ(calc.totals.item, Money::parse(u"900000000000005"));
    EXPECT_EQ(result.TOTALKIN, QStringLiteral("\\900,000,000,000,005.-"));
}

TEST(Keisan, ChangesReachTheViewAsOneBatchAndTheClassificationHookRuns)
{
    std::vector<Row> rows(100, Row{"2", "150", "100"});
    auto grid = itemGrid(rows, 101);
    QSignalSpy changes(grid.get(), &StringGrid::dataChanged);
    Calculation calc = calculation(T);
    struct ClassificationGrid : ClassificationTotalsView
    {
        int runs = 0;
        const Calculation *calc = nullptr;
        void refreshClassificationTotals(const SlipTotals &totals) override
        {
            ++runs;
            EXPECT_EQ(calc->totals.item, Money::parse(u"30000")); // totals are ready for it
            EXPECT_EQ(totals.item, Money::parse(u"30000"));
        }
    } classification;
    classification.calc = &calc;
    calc.classificationTotals = &classification;
    calc.Keisan(*grid, TaxMode::Exclusive);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(classification.runs, 1);
    EXPECT_EQ(grid->cell(ItemColumn::rate, 100), "66.6");
}

TEST(CalcSettings, ReadFromPrintIni)
{
    struct Case
    {
        QStringList lines;
        RoundingMode rounding;
        bool zeroPrint;
        bool profitRate;
    } const cases[] = {
        {{}, T, false, false},
        {{"[端数処理]=1"}, U, false, false},
        {{"[端数処理]=2", "[ゼロ印字]=1"}, H, true, false},
        {{"[端数処理]=3", "[利益率]=1"}, T, false, true},
        {{"[端数処理]= 1", "[ゼロ印字]=01", "[利益率]=yes"}, T, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines.join(' ').toStdString());
        TempProgramDir dir;
        if (!c.lines.isEmpty())
            dir.writeLines("PRINT.INI", c.lines);
        const CalcSettings settings = CalcSettings::fromPrintIni();
        EXPECT_EQ(settings.rounding, c.rounding);
        EXPECT_EQ(settings.zeroPrint, c.zeroPrint);
        EXPECT_EQ(settings.profitRate, c.profitRate);
    }
    EXPECT_EQ(rateColumnTitle(true), QStringLiteral("利益率"));
    EXPECT_EQ(rateColumnTitle(false), QStringLiteral("原価率"));
}

#include "slip/calculation.h"
#include "slip/string_grid.h"
#include "slip/tax_rates.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr RoundingMode T = RoundingMode::Truncate;
constexpr RoundingMode U = RoundingMode::RoundUp;
constexpr RoundingMode H = RoundingMode::RoundHalfUp;

constexpr TaxRates today{10, 8};

// Line amounts (column 9) with their column 3 mark: "", "8" or "1".
struct Line
{
    const char *amount;
    const char *mark = "";
};

SlipTotals totalsOf(const std::vector<Line> &lines)
{
    StringGrid grid(12, int(lines.size()) + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        grid.setCell(ItemColumn::amount, int(i) + 1, QString::fromUtf8(lines[i].amount));
        grid.setCell(ItemColumn::exemptMark, int(i) + 1, QString::fromUtf8(lines[i].mark));
    }
    return itemTotals(grid);
}

} // namespace

TEST(TaxRates, LineMarksAndRatesFromPrintIni)
{
    EXPECT_EQ(lineRateOf(u""), LineRate::Standard);
    EXPECT_EQ(lineRateOf(u"1"), LineRate::Exempt);
    EXPECT_EQ(lineRateOf(u"8"), LineRate::Reduced);
    EXPECT_EQ(lineRateOf(u"10"), LineRate::Standard);

    struct Case
    {
        QStringList lines;
        int standard;
        int reduced;
    } const cases[] = {
        {{}, 5, 8},
        {{"[消費税率]=", "[軽減税率]="}, 5, 8},
        {{"[消費税率]=10", "[軽減税率]=8"}, 10, 8},
        {{"[消費税率]=abc", "[軽減税率]=0"}, 5, 1},
        {{"[消費税率]=250"}, 99, 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines.join(' ').toStdString());
        TempProgramDir dir;
        if (!c.lines.isEmpty())
            dir.writeLines("PRINT.INI", c.lines);
        const TaxRates rates = TaxRates::fromPrintIni();
        EXPECT_EQ(rates.standard, c.standard);
        EXPECT_EQ(rates.reduced, c.reduced);
        EXPECT_EQ(CalcSettings::fromPrintIni().rates.standard, c.standard);
    }
}

TEST(TaxRates, TaxPerRateIsTakenOnceFromEachRatesTotal)
{
    // The taxes of each case in the three rounding modes: truncate, round up, round half up.
    struct Taxes
    {
        qint64 truncated;
        qint64 roundedUp;
        qint64 halfUp;
    };
    struct Case
    {
        const char *name;
        TaxMode taxMode;
        std::vector<Line> lines;
        const char *standardTaxable;
        Taxes standard;
        const char *reducedTaxable;
        Taxes reduced;
    } const cases[] = {
        // 2,332 × 10 % = 233.2 and 1,078 × 8 % = 86.24; the line taxes cut one by one
        // would give 199 + 33 = 232 at 10 %.
        {"exclusive",
         TaxMode::Exclusive,
         {{"1999"}, {"333"}, {"1001", "8"}, {"77", "8"}},
         "2332",
         {233, 234, 233},
         "1078",
         {86, 87, 86}},
        // 233.5 and 81.52 round half up to 234 and 82.
        {"exclusive at the half",
         TaxMode::Exclusive,
         {{"2335"}, {"1019", "8"}},
         "2335",
         {233, 234, 234},
         "1019",
         {81, 82, 82}},
        // Exempt lines count in neither rate.
        {"exempt lines",
         TaxMode::Exclusive,
         {{"5000", "1"}, {"1000"}, {"500", "8"}},
         "1000",
         {100, 100, 100},
         "500",
         {40, 40, 40}},
        // Negative totals: cut toward zero, round up and half up away from zero.
        {"negative",
         TaxMode::Exclusive,
         {{"1000"}, {"-1505"}, {"-1019", "8"}},
         "-505",
         {-50, -51, -51},
         "-1019",
         {-81, -82, -82}},
        // Inclusive: total × rate / (100 + rate), cut, whatever the rounding mode.
        {"inclusive",
         TaxMode::Inclusive,
         {{"1100"}, {"1000"}, {"1080", "8"}, {"1000", "8"}},
         "2100",
         {190, 190, 190},
         "2080",
         {154, 154, 154}},
    };
    for (const Case &c : cases) {
        const SlipTotals totals = totalsOf(c.lines);
        const std::pair<RoundingMode, qint64 Taxes::*> modes[] = {
            {T, &Taxes::truncated}, {U, &Taxes::roundedUp}, {H, &Taxes::halfUp}};
        for (const auto &[mode, taxOf] : modes) {
            SCOPED_TRACE(testing::Message() << c.name << ", rounding " << int(mode));
            const QList<RateTax> byRate = taxByRate(totals.byRate, c.taxMode, mode, today);
            ASSERT_EQ(byRate.size(), 2);
            EXPECT_EQ(byRate[0].rate, 10);
            EXPECT_EQ(byRate[0].taxable, Money::parse(QString::fromUtf8(c.standardTaxable)));
            EXPECT_EQ(byRate[0].tax, c.standard.*taxOf);
            EXPECT_EQ(byRate[1].rate, 8);
            EXPECT_EQ(byRate[1].taxable, Money::parse(QString::fromUtf8(c.reducedTaxable)));
            EXPECT_EQ(byRate[1].tax, c.reduced.*taxOf);
            EXPECT_EQ(totals.taxable, byRate[0].taxable + byRate[1].taxable);
            EXPECT_EQ(consumptionTax(totals, c.taxMode, mode, today),
                      c.standard.*taxOf + c.reduced.*taxOf);
        }
    }
}

TEST(TaxRates, OnlyTheRatesPresentAndNoneWhenExempt)
{
    const auto rates = [](const std::vector<Line> &lines, TaxMode mode) {
        QList<int> present;
        for (const RateTax &entry : taxByRate(totalsOf(lines).byRate, mode, T, today))
            present.append(entry.rate);
        return present;
    };
    EXPECT_EQ(rates({{"1000"}}, TaxMode::Exclusive), QList<int>({10}));
    EXPECT_EQ(rates({{"1000", "8"}}, TaxMode::Exclusive), QList<int>({8}));
    EXPECT_EQ(rates({{"1000", "8"}, {"5", "1"}}, TaxMode::Inclusive), QList<int>({8}));
    // An empty slip still has its one tax of 0 at the standard rate.
    EXPECT_EQ(rates({}, TaxMode::Exclusive), QList<int>({10}));
    EXPECT_EQ(rates({{"1000"}, {"1000", "8"}}, TaxMode::Exempt), QList<int>());
}

TEST(TaxRates, WithoutRatesTheOneTaxIsFivePercentAsBefore)
{
    // A slip that never had a reduced line, under a PRINT.INI without the rate keys.
    TempProgramDir dir;
    const SlipTotals totals = totalsOf({{"1999"}, {"1000", "1"}});
    const TaxRates rates = TaxRates::fromPrintIni();
    for (const RoundingMode mode : {T, U, H}) {
        EXPECT_EQ(consumptionTax(totals, TaxMode::Exclusive, mode, rates),
                  exclusiveTax(Money::parse(u"1999"), mode));
        EXPECT_EQ(consumptionTax(totals, TaxMode::Inclusive, mode, rates),
                  inclusiveTax(Money::parse(u"1999")));
    }
}

TEST(TaxRates, KeisanShowsBothRatesAndNetRatesOfReducedRows)
{
    ScriptedPrompter prompter;
    Calculation calc;
    calc.settings.rates = today;
    StringGrid grid(12, 4);
    const auto row = [&](int r, const char *quantity, const char *price, const char *cost,
                         const char *mark) {
        grid.setCell(ItemColumn::quantity, r, QString::fromUtf8(quantity));
        grid.setCell(ItemColumn::unitPrice, r, QString::fromUtf8(price));
        grid.setCell(ItemColumn::costPrice, r, QString::fromUtf8(cost));
        grid.setCell(ItemColumn::exemptMark, r, QString::fromUtf8(mark));
    };
    row(1, "1", "1100", "500", "");
    row(2, "1", "1080", "500", "8");
    row(3, "1", "1000", "", "1");

    const KeisanResult inclusive = calc.Keisan(grid, TaxMode::Inclusive);
    EXPECT_EQ(inclusive.taxText, QStringLiteral("消費税 = 180（10%：100　8%：80）"));
    EXPECT_EQ(inclusive.totalText, QStringLiteral("税抜合計 = 3,000"));
    // Each row's rate is on its amount without its own rate's tax: 500 of 1,000.
    EXPECT_EQ(grid.cell(ItemColumn::rate, 1), QStringLiteral("50"));
    EXPECT_EQ(grid.cell(ItemColumn::rate, 2), QStringLiteral("50"));
    EXPECT_EQ(inclusive.profitText, QStringLiteral("粗利計 = 2,000"));

    const KeisanResult exclusive = calc.Keisan(grid, TaxMode::Exclusive);
    EXPECT_EQ(exclusive.taxText, QStringLiteral("消費税 = 196（10%：110　8%：86）"));
    EXPECT_EQ(exclusive.totalText, QStringLiteral("税込合計 = 3,376"));

    // Without reduced rows the panel reads as it always did.
    grid.setCell(ItemColumn::exemptMark, 2, QString());
    EXPECT_EQ(calc.Keisan(grid, TaxMode::Exclusive).taxText, QStringLiteral("消費税 = 218"));
    EXPECT_TRUE(prompter.log.isEmpty());
}

#include "slip/slip.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

// Puts the amounts into column 9 as a recalculation would have left them; "1" in column 3
// marks a row as exempt from tax.
void setAmounts(Slip &slip, const std::vector<std::pair<const char *, bool>> &rows)
{
    StringGrid &items = slip.items();
    items.clearRows(1);
    int row = 1;
    for (const auto &[amount, exempt] : rows) {
        items.setCell(ItemColumn::amount, row, QString::fromUtf8(amount));
        items.setCell(ItemColumn::exemptMark, row, exempt ? QStringLiteral("1") : QString());
        ++row;
    }
}

TEST(Slip, ConsumptionTaxComesFromTheTaxableRowsByTaxModeAndRounding)
{
    struct Case
    {
        const char *name;
        std::vector<std::pair<const char *, bool>> rows;
        TaxMode mode;
        RoundingMode rounding;
        qint64 tax;
    } const cases[] = {
        {"exclusive, cut", {{"1010", false}}, TaxMode::Exclusive, RoundingMode::Truncate, 50},
        {"exclusive, half up",
         {{"1010", false}},
         TaxMode::Exclusive,
         RoundingMode::RoundHalfUp,
         51},
        {"exclusive, up", {{"1001", false}}, TaxMode::Exclusive, RoundingMode::RoundUp, 51},
        {"inclusive", {{"1050", false}}, TaxMode::Inclusive, RoundingMode::Truncate, 50},
        {"exempt rows left out",
         {{"1000", false}, {"5000", true}},
         TaxMode::Exclusive,
         RoundingMode::Truncate,
         50},
        {"exempt slip", {{"1000", false}}, TaxMode::Exempt, RoundingMode::Truncate, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Slip slip;
        setAmounts(slip, c.rows);
        slip.header.taxMode = c.mode;
        slip.calc.settings.rounding = c.rounding;
        EXPECT_EQ(slip.consumptionTax(), c.tax);
    }
}

TEST(Slip, ConsumptionTaxFollowsTheGridNotTheLastRecalculation)
{
    ScriptedPrompter prompter;
    Slip slip;
    slip.items().setCell(ItemColumn::quantity, 1, QStringLiteral("2"));
    slip.items().setCell(ItemColumn::unitPrice, 1, QStringLiteral("500"));
    slip.recalculate();
    ASSERT_EQ(slip.calc.totals.taxable, Money::parse(u"1000"));

    // Rows changed and the tax mode switched after the recalculation: the file must carry
    // the tax of what it holds.
    setAmounts(slip, {{"2100", false}});
    EXPECT_EQ(slip.consumptionTax(), 105);
    slip.header.taxMode = TaxMode::Inclusive;
    EXPECT_EQ(slip.consumptionTax(), 100);
    EXPECT_EQ(slip.calc.totals.taxable, Money::parse(u"1000")); // left as it was
}

} // namespace

#include "common/miravo_error.h"
#include "slip/item_columns.h"
#include "slip/rate_conversion.h"
#include "slip/string_grid.h"

#include <gtest/gtest.h>

using namespace ItemColumn;

namespace {

QStringList unitPrices(const StringGrid &grid)
{
    QStringList prices;
    for (int row = 1; row < grid.rows(); ++row)
        prices << grid.cell(unitPrice, row);
    return prices;
}

// Rows with a unit price of 999 and the given cost prices.
void fillCosts(StringGrid &grid, const QStringList &costs)
{
    grid.setRowCount(int(costs.size()) + 1);
    for (int row = 1; row <= costs.size(); ++row) {
        grid.setCell(number, row, QString::number(row));
        grid.setCell(unitPrice, row, "999");
        grid.setCell(costPrice, row, costs.at(row - 1));
    }
}

} // namespace

TEST(RateConversion, ConvertsARowByTheRoundingDigits)
{
    struct Case
    {
        const char *what;
        const char *rate;
        const char *cost;
        const char *digits;
        const char *price;
    } const cases[] = {
        {"whole product", "1.25", "1000", "", "1250"},
        {"two decimals", "1.25", "333", "", "416.25"},
        {"416.6625 cut after two decimals", "1.25", "333.33", "", "416.66"},
        {"49.995 cut, not rounded", "0.5", "99.99", "", "49.99"},
        {"0: the whole yen", "1.25", "333", "0", "416"},
        {"5937.1: 5937, then 5900", "1.3", "4567", "2", "5900"},
        {"1000 would not be above the cost", "1.05", "1000", "3", "1050"},
        {"346 has three digits: its first and zeros", "2", "173", "3", "300"},
        {"more digits than the number has", "2", "173", "9", "300"},
        {"366.663: 366, then 360", "1.1", "333.33", "1", "360"},
        {"a negative digit count keeps the whole yen", "1.5", "333", "-1", "499"},
        {"no cost price: the price stays", "1.25", "", "2", "999"},
        {"a blank cost price", "1.25", " ", "2", "999"},
        {"a negative rate", "-1.5", "100", "", "-150"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        StringGrid grid(count, 1);
        fillCosts(grid, {c.cost});
        RateConversion::convertRow(grid, 1, c.rate, c.digits);
        EXPECT_EQ(grid.cell(unitPrice, 1), c.price);
    }
}

TEST(RateConversion, ConvertsEveryRow)
{
    StringGrid grid(count, 1);
    fillCosts(grid, {"1000", "", "333", " ", "173"});
    EXPECT_EQ(RateConversion::convertAllRows(grid, "2", "3"), 0);
    EXPECT_EQ(unitPrices(grid), QStringList({"2000", "999", "600", "999", "300"}));
}

TEST(RateConversion, ACostPriceThatIsNoNumberStopsTheWholeConversionBeforeAnyChange)
{
    StringGrid grid(count, 1);
    fillCosts(grid, {"1000", "333", "千円", "173"});
    EXPECT_EQ(RateConversion::convertAllRows(grid, "1.25", ""), 3);
    EXPECT_EQ(unitPrices(grid), QStringList({"999", "999", "999", "999"}));

    // The current row alone reports it as an error, and keeps its price.
    EXPECT_THROW(RateConversion::convertRow(grid, 3, "1.25", ""), ConversionError);
    EXPECT_EQ(grid.cell(unitPrice, 3), "999");
}

TEST(RateConversion, ARateOrDigitsThatAreNoNumbersOrAPriceBeyondRangeChangeNothing)
{
    StringGrid grid(count, 1);
    fillCosts(grid, {"1000", "900000000000000"});
    EXPECT_THROW(RateConversion::convertAllRows(grid, "-", ""), ConversionError);
    EXPECT_THROW(RateConversion::convertAllRows(grid, "1.25", "x"), ConversionError);
    EXPECT_THROW(RateConversion::convertAllRows(grid, "2", ""), OverflowError);
    EXPECT_EQ(unitPrices(grid), QStringList({"999", "999"}));
}

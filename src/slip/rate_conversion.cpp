#include "slip/rate_conversion.h"

#include "common/miravo_error.h"
#include "slip/item_columns.h"
#include "slip/string_grid.h"

#include <utility>
#include <vector>

namespace RateConversion {

std::optional<int> roundingDigits(const QString &MARUME)
{
    if (MARUME.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int digits = MARUME.toInt(&ok);
    if (!ok)
        throw ConversionError(MARUME);
    return digits;
}

std::optional<QString> unitPrice(const QString &costPrice, Money rate, std::optional<int> digits)
{
    if (costPrice.isEmpty() || costPrice == QLatin1String(" "))
        return std::nullopt;
    const Money cost = Money::parse(costPrice);
    // The product is cut by its text, as the price cells hold it.
    const QString product = (rate * cost).toString();
    const qsizetype point = product.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? product : product.left(point);
    if (!digits)
        return point < 0 ? product : product.left(point + 3);
    if (*digits <= 0)
        return whole;

    const qsizetype length = whole.size();
    // A number with no more digits than are to be zeroed keeps its first digit.
    const QString rounded = *digits < length
                                ? whole.left(length - *digits) + QString(*digits, QLatin1Char('0'))
                                : whole.left(1) + QString(length - 1, QLatin1Char('0'));
    // Rounding must not sell at or below the cost.
    if (cost >= Money::parse(rounded))
        return whole;
    return rounded;
}

void convertRow(StringGrid &grid, int row, const QString &KAKERITU, const QString &MARUME)
{
    const Money rate = Money::parse(KAKERITU);
    const std::optional<int> digits = roundingDigits(MARUME);
    if (const std::optional<QString> price =
            unitPrice(grid.cell(ItemColumn::costPrice, row), rate, digits))
        grid.setCell(ItemColumn::unitPrice, row, *price);
}

int convertAllRows(StringGrid &grid, const QString &KAKERITU, const QString &MARUME)
{
    const Money rate = Money::parse(KAKERITU);
    const std::optional<int> digits = roundingDigits(MARUME);
    std::vector<std::pair<int, QString>> prices;
    for (int row = 1; row < grid.rows(); ++row) {
        try {
            if (const std::optional<QString> price =
                    unitPrice(grid.cell(ItemColumn::costPrice, row), rate, digits))
                prices.emplace_back(row, *price);
        } catch (const ConversionError &) {
            return row;
        }
    }
    GridBatch batch(grid);
    for (const auto &[row, price] : prices)
        grid.setCell(ItemColumn::unitPrice, row, price);
    return 0;
}

} // namespace RateConversion

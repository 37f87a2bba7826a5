#include "master/parts_catalogue_state.h"

#include "slip/item_columns.h"
#include "slip/row_commands.h"
#include "slip/string_grid.h"

namespace {

bool inRange(int major, int minor)
{
    return major >= 1 && major <= 20 && minor >= 1 && minor <= 20;
}

} // namespace

int PartsCatalogueState::rememberedRow(int major, int minor) const
{
    return inRange(major, minor) ? m_rows[size_t(major - 1)][size_t(minor - 1)] : 1;
}

void PartsCatalogueState::rememberRow(int major, int minor, int row)
{
    if (inRange(major, minor))
        m_rows[size_t(major - 1)][size_t(minor - 1)] = row;
}

int makeRoomForPart(StringGrid &items, int itemRow, bool insertMode)
{
    const int row = qBound(1, insertMode ? itemRow : itemRow + 1, items.rows());
    RowCommands::insertRow(items, row);
    return row;
}

void copyPartCells(const StringGrid &from, int fromRow, StringGrid &to, int toRow,
                   bool withExemptMark)
{
    using namespace ItemColumn;
    GridBatch batch(to);
    for (int column : {name, exemptMark, shape, unit, unitPrice, costPrice}) {
        if (column != exemptMark || withExemptMark)
            to.setCell(column, toRow, from.cell(column, fromRow));
    }
}

#include "slip/item_cell_editors.h"

#include "slip/item_cell_look.h"
#include "slip/item_cell_painter.h"
#include "slip/item_columns.h"
#include "slip/item_grid_host.h"
#include "slip/item_grid_view.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

GridEditorTable ItemCellEditors::itemTable()
{
    using namespace ItemColumn;
    const auto text = textColumn;
    const auto number = [](int column, int enter, int left) {
        return numberColumn(shownDecimals(column), enter, left);
    };
    GridEditorTable table;
    table.columns.resize(count);
    // 類 holds short codes typed on the keyboard directly and comes up selected; the other
    // text columns are Japanese text typed through the input method. Left from 類 goes to
    // 原単価 of the row above.
    table.columns[category] = text(name, GridMove::previousRow);
    table.columns[category].inputMethod = InputMethod::off;
    table.columns[category].selectAllOnEntry = true;
    // Enter passes the hidden mark, and 形状・寸法 too when it is not shown.
    table.columns[name] = text(shape, category);
    table.columns[exemptMark] = text(shape, name);
    table.columns[shape] = text(quantity, name);
    table.columns[quantity] = number(quantity, unit, shape);
    table.columns[unit] = text(unitPrice, quantity);
    table.columns[unitPrice] = number(unitPrice, costPrice, unit);
    table.columns[costPrice] = number(costPrice, GridMove::nextRow, unitPrice);
    table.firstColumn = category;
    table.lastColumn = costPrice;
    table.pageRows = 23;
    table.wheel = GridWheelRule::overGrid;
    return table;
}

ItemCellEditors::ItemCellEditors(ItemGridView *grid, ItemGridHost &host)
    : GridCellEditors(grid, grid->grid(), itemTable(),
                      {QStringLiteral("EditP"), QStringLiteral("Edit1"), QStringLiteral("NumP"),
                       QStringLiteral("NumEdit1")})
    , EditP(textPanel())
    , Edit1(textEdit())
    , NumP(numberPanel())
    , NumEdit1(numberEdit())
    , m_host(host)
{
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ItemCellEditors::onCurrentChanged);
    // The grid's own emptying of a cell recalculates as a number edit does.
    connect(grid->cellPainter(), &ItemCellPainter::cellsEmptied, this,
            [this] { m_host.recalculate(); });
}

void ItemCellEditors::onCurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The first current cell of the grid is no move.
    if (previous.isValid() && current != previous)
        m_browsing = true;
}

void ItemCellEditors::numberEdited(int, int)
{
    m_host.recalculate();
}

bool ItemCellEditors::isColumnShown(int column) const
{
    if (column == ItemColumn::shape)
        return m_host.sizeColumnShown();
    return GridCellEditors::isColumnShown(column);
}

bool ItemCellEditors::rowEndLeft()
{
    return m_host.returnToPartsCatalogue();
}

bool ItemCellEditors::wheelLeftToOtherGrid() const
{
    return m_host.otherGridHasFocus();
}

bool ItemCellEditors::gridKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Control:
        m_browsing = false;
        return false;
    case Qt::Key_Escape:
        m_browsing = true;
        return false;
    default:
        break;
    }
    if (!isPlainKey(event))
        return false;
    const int column = currentColumn();
    const int row = currentRow();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (column == ItemColumn::costPrice || column == ItemColumn::rate) {
            advanceRow(row, true);
            editCurrentCell();
        } else {
            moveTo(nearestShownColumn(column, 1), row);
        }
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // The browse state skips the hidden columns (the tax-exempt mark, 形状・寸法 when it
        // is not shown). The edit state moves one column, but it too never lands on a hidden
        // column: an editor there would take typing into a cell nobody can see, and a "1"
        // typed into the hidden mark would silently make the row tax-exempt.
        moveTo(nearestShownColumn(column, event->key() == Qt::Key_Left ? -1 : 1), row);
        return true;
    default:
        return false;
    }
}

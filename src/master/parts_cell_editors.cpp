#include "master/parts_cell_editors.h"

#include "master/parts_grid_view.h"
#include "master/parts_list.h"
#include "slip/item_columns.h"

#include <QKeyEvent>

namespace {

// The key code the input method sends for a key it is composing with.
constexpr quint32 kInputMethodKey = 229;

bool isPickKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
           event->key() == Qt::Key_Space || event->nativeVirtualKey() == kInputMethodKey;
}

} // namespace

GridEditorTable PartsCellEditors::partsTable()
{
    using namespace PartsColumn;
    const auto text = textColumn;
    const auto number = numberColumn;
    GridEditorTable table;
    table.columns.resize(count);
    table.columns[category] = text(name, GridMove::previousRow);
    table.columns[category].inputMethod = InputMethod::off;
    table.columns[category].selectAllOnEntry = true;
    // The name is the first column the user sees; Left from it goes to 原単価 of the row
    // above, Enter passes 形状・寸法 when it is not shown.
    table.columns[name] = text(shape, GridMove::previousRow);
    table.columns[exemptMark] = text(shape, name);
    table.columns[shape] = text(unit, name);
    table.columns[quantity] = number(3, unit, shape);
    table.columns[unit] = text(unitPrice, shape);
    table.columns[unitPrice] = number(2, costPrice, unit);
    table.columns[costPrice] = number(2, GridMove::nextRow, unitPrice);
    table.firstColumn = name;
    table.lastColumn = costPrice;
    table.pageRows = 23;
    table.wheel = GridWheelRule::whileEditing;
    return table;
}

PartsCellEditors::PartsCellEditors(PartsGridView *grid)
    : GridCellEditors(grid, grid->grid(), partsTable(),
                      {QStringLiteral("EditP2"), QStringLiteral("Edit2"), QStringLiteral("NumP2"),
                       QStringLiteral("NumEdit2")})
    , EditP2(textPanel())
    , Edit2(textEdit())
    , NumP2(numberPanel())
    , NumEdit2(numberEdit())
    , m_cells(grid->grid())
{
    setEditMode(false);
    Edit2->setProperty("ownsEnterKey", true);
    NumEdit2->setProperty("ownsEnterKey", true);
}

void PartsCellEditors::numberEdited(int, int row)
{
    PartsList::SG2_GENKARITU(*m_cells, row);
}

bool PartsCellEditors::isColumnShown(int column) const
{
    if (column == PartsColumn::shape)
        return sizeColumnShown;
    return GridCellEditors::isColumnShown(column);
}

bool PartsCellEditors::gridKey(QKeyEvent *event)
{
    if (!isPlainKey(event))
        return false;
    const int column = currentColumn();
    const int row = currentRow();
    if (!isEditMode()) {
        if (event->key() == Qt::Key_Escape) {
            emit closeRequested();
            return true;
        }
        if (isPickKey(event)) {
            bool closed = false;
            emit pickRequested(closed);
            if (!closed && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
                enterInGrid(column, row);
            return true;
        }
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterInGrid(column, row);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (isEditMode())
            return false;
        moveTo(nearestShownColumn(column, event->key() == Qt::Key_Left ? -1 : 1), row);
        return true;
    default:
        return false;
    }
}

void PartsCellEditors::enterInGrid(int column, int row)
{
    if (column == PartsColumn::costPrice || column == PartsColumn::rate) {
        advanceRow(row, true);
        editCurrentCell();
    } else {
        moveTo(nearestShownColumn(column, 1), row);
    }
}

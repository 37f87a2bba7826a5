#include "item_grid_view.h"

#include "item_cell_painter.h"
#include "string_grid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

ItemGridView::ItemGridView(StringGrid *grid, QWidget *parent)
    : ItemGridView(grid, nullptr, parent)
{
    m_painter = new ItemCellPainter(grid, this);
    setItemDelegate(m_painter);
}

ItemGridView::ItemGridView(StringGrid *grid, QStyledItemDelegate *cellPainter, QWidget *parent)
    : QTableView(parent)
    , m_grid(grid)
{
    setModel(grid);
    if (cellPainter) {
        cellPainter->setParent(this);
        setItemDelegate(cellPainter);
    }
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    // Row 0 and column 0 are shown by the headers, which do not scroll away.
    setRowHidden(0, true);
    setColumnHidden(0, true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setFixedHeight(m_rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsMovable(true);
    verticalHeader()->setFixedWidth(25);
    setDefaultRowHeight(m_rowHeight);
    applyFixedStyle();

    connect(verticalHeader(), &QHeaderView::sectionMoved, this, &ItemGridView::onRowDragged);
    connect(grid, &QAbstractItemModel::rowsInserted, this, &ItemGridView::adoptRowCount);
    connect(grid, &QAbstractItemModel::modelReset, this, &ItemGridView::adoptRowCount);
}

int ItemGridView::colWidth(int column) const
{
    if (column == 0)
        return verticalHeader()->width();
    return isColumnHidden(column) ? -1 : columnWidth(column);
}

void ItemGridView::setColWidth(int column, int width)
{
    if (column == 0) {
        verticalHeader()->setFixedWidth(qMax(0, width));
        return;
    }
    setColumnHidden(column, width < 0);
    if (width >= 0)
        setColumnWidth(column, width);
}

void ItemGridView::setColHidden(int column, bool hidden)
{
    if (column > 0)
        setColumnHidden(column, hidden);
}

void ItemGridView::setDefaultRowHeight(int height)
{
    m_rowHeight = height;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

void ItemGridView::setFixedColours(const QColor &background, const QColor &text)
{
    m_fixedBackground = background;
    m_fixedText = text;
    applyFixedStyle();
}

void ItemGridView::setStripeColour(const QColor &colour)
{
    if (!m_painter)
        return;
    m_painter->setStripeColour(colour);
    viewport()->update();
}

void ItemGridView::setColumnTextColour(int column, const QColor &colour)
{
    if (!m_painter)
        return;
    m_painter->setColumnTextColour(column, colour);
    viewport()->update();
}

void ItemGridView::applyFixedStyle()
{
    const QString section =
        QStringLiteral("QHeaderView::section { background-color: %1; color: %2;"
                       " border: 1px solid #a0a0a0; border-top: none; border-left: none;"
                       " padding: 0px; }")
            .arg(m_fixedBackground.name(), m_fixedText.name());
    horizontalHeader()->setStyleSheet(section);
    verticalHeader()->setStyleSheet(section);
}

int ItemGridView::col() const
{
    return currentIndex().isValid() ? currentIndex().column() : 1;
}

int ItemGridView::row() const
{
    return currentIndex().isValid() ? currentIndex().row() : 1;
}

void ItemGridView::setCurrentCell(int column, int row)
{
    const QModelIndex target =
        m_grid->index(qBound(1, row, m_grid->rows() - 1), qBound(1, column, m_grid->columns() - 1));
    setCurrentIndex(target);
    scrollTo(target);
}

void ItemGridView::setTopRow(int row)
{
    scrollTo(m_grid->index(qBound(1, row, m_grid->rows() - 1), col()),
             QAbstractItemView::PositionAtTop);
}

void ItemGridView::adoptRowCount()
{
    // Row 0 is the title row even after rows were added in front of the items.
    setRowHidden(0, true);
}

// Dragging a number cell moves the whole row in the grid; the header itself stays in
// model order so that visual and model rows never disagree.
void ItemGridView::onRowDragged(int logicalIndex, int oldVisualIndex, int newVisualIndex)
{
    {
        const QSignalBlocker blocker(verticalHeader());
        verticalHeader()->moveSection(newVisualIndex, oldVisualIndex);
    }
    if (logicalIndex <= 0 || newVisualIndex <= 0)
        return;
    m_grid->moveRowTo(logicalIndex, newVisualIndex);
    setCurrentCell(col(), newVisualIndex);
    emit rowMoved(logicalIndex, newVisualIndex);
}

void ItemGridView::setDragMode(bool on)
{
    if (m_dragMode == on)
        return;
    m_dragMode = on;
    if (on)
        viewport()->setCursor(Qt::DragMoveCursor);
    else
        viewport()->unsetCursor();
    emit dragModeChanged(on);
}

#include "slip/item_cell_painter.h"

#include "slip/string_grid.h"

#include <QPainter>

void paintCellLook(QPainter *painter, const QStyleOptionViewItem &option, const ItemCellLook &look)
{
    painter->save();
    painter->fillRect(option.rect, look.background);
    if (look.marker.isValid()) {
        painter->fillRect(option.rect.adjusted(4, 4, -4, -4), Qt::white);
        painter->fillRect(option.rect.adjusted(7, 7, -7, -7), look.marker);
    }
    painter->setFont(option.font);
    painter->setPen(look.text);
    painter->setClipRect(option.rect);
    QRect area = option.rect.adjusted(0, look.top, 0, 0);
    Qt::Alignment alignment = Qt::AlignTop;
    switch (look.align) {
    case ItemCellLook::Align::Left:
        area.setLeft(area.left() + look.inset);
        alignment |= Qt::AlignLeft;
        break;
    case ItemCellLook::Align::Right:
        area.setRight(area.right() - look.inset);
        alignment |= Qt::AlignRight;
        break;
    case ItemCellLook::Align::Centre:
        alignment |= Qt::AlignHCenter;
        break;
    }
    painter->drawText(area, int(alignment) | Qt::TextSingleLine, look.shown);
    painter->restore();
}

ItemCellPainter::ItemCellPainter(StringGrid *grid, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_grid(grid)
{}

void ItemCellPainter::setStripeColour(const QColor &colour)
{
    m_colours.stripe = colour;
}

void ItemCellPainter::setColumnTextColour(int column, const QColor &colour)
{
    if (column >= 1 && column < int(m_colours.columnText.size()))
        m_colours.columnText[size_t(column)] = colour;
}

void ItemCellPainter::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const ItemCellLook look =
        itemCellLook(*m_grid, index.column(), index.row(), selected, m_colours);

    paintCellLook(painter, option, look);

    if (look.unformattable)
        scheduleEmptying(index.column(), index.row());
}

void ItemCellPainter::scheduleEmptying(int column, int row) const
{
    if (m_pending.contains({column, row}))
        return;
    m_pending.insert({column, row});
    auto *self = const_cast<ItemCellPainter *>(this);
    QMetaObject::invokeMethod(
        self, [self, column, row] { self->emptyCell(column, row); }, Qt::QueuedConnection);
}

void ItemCellPainter::emptyCell(int column, int row)
{
    m_pending.remove({column, row});
    // The cell may have been corrected or removed since it was painted.
    if (row < m_grid->rows() && emptyUnformattableCell(*m_grid, column, row))
        emit cellsEmptied();
}

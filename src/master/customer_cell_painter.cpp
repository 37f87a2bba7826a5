#include "customer_cell_painter.h"

#include "customer_list.h"
#include "slip/string_grid.h"

#include <QAbstractItemView>
#include <QPainter>

namespace {

constexpr int kTextLeft = 2;
constexpr int kTextTop = 4;
constexpr int kFrameInset = 4;
constexpr int kFrameBorder = 3;

} // namespace

CustomerCellPainter::CustomerCellPainter(StringGrid *grid, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_grid(grid)
{}

CustomerCellLook CustomerCellPainter::look(const StringGrid &grid, int row, int currentRow)
{
    // Marking fills the cell last, over the stripe and the frame: a marked row reads as
    // marked even while it is the current one.
    if (CustomerList::isMarked(grid, row))
        return {CustomerCellPalette::marked, false};
    const QColor background =
        row % 2 == 0 ? CustomerCellPalette::stripe : CustomerCellPalette::white;
    return {background, row == currentRow};
}

void CustomerCellPainter::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const int currentRow = view && view->currentIndex().isValid() ? view->currentIndex().row() : -1;
    const CustomerCellLook look = CustomerCellPainter::look(*m_grid, index.row(), currentRow);

    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, look.background);
    if (look.rowFrame) {
        const QRect frame =
            option.rect.adjusted(kFrameInset, kFrameInset, -kFrameInset - 1, -kFrameInset - 1);
        painter->setPen(QPen(CustomerCellPalette::white, kFrameBorder));
        painter->setBrush(CustomerCellPalette::rowFrame);
        painter->drawRect(frame);
    }
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    painter->drawText(option.rect.adjusted(kTextLeft, kTextTop, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      m_grid->cell(index.column(), index.row()));
    painter->restore();
}

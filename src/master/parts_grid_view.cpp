#include "master/parts_grid_view.h"

#include "common/miravo_error.h"
#include "slip/item_columns.h"
#include "slip/number_format.h"
#include "slip/string_grid.h"

#include <QPainter>

namespace {

constexpr int kTextTop = 4;
constexpr int kTextLeft = 2;

bool isNumberColumn(int column)
{
    return column == PartsColumn::quantity ||
           (column >= PartsColumn::unitPrice && column <= PartsColumn::rate);
}

} // namespace

PartsCellPainter::PartsCellPainter(PartsGridView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
{}

void PartsCellPainter::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const int column = index.column();
    const int row = index.row();
    StringGrid *grid = m_view->grid();
    const QString text = grid->cell(column, row);
    QString shown = text;
    bool unformattable = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    if (isNumberColumn(column)) {
        try {
            shown = column == PartsColumn::rate ? CENTERPAR(text)
                                                : STR_COMMA(text, m_view->shownDecimals());
        } catch (const ConversionError &) {
            shown.clear();
            unformattable = true;
        }
        alignment = column == PartsColumn::rate ? Qt::AlignHCenter : Qt::AlignRight;
    } else if (column == PartsColumn::category || column == PartsColumn::unit) {
        alignment = Qt::AlignHCenter;
    }

    const PartsCellColours &colours = m_view->colours;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool current = m_view->currentIndex() == index;
    QColor textColour = colours.columnText.at(size_t(qBound(0, column, 11)));

    painter->save();
    painter->fillRect(option.rect, row % 2 == 0 ? colours.stripe : QColor(Qt::white));
    if (current) {
        painter->fillRect(option.rect, Qt::yellow);
        textColour = Qt::black;
    } else if (selected) {
        // The bar sits inside a white border, so neighbouring selected rows stay apart.
        painter->fillRect(option.rect, Qt::white);
        const QColor bar = m_view->catalogueFocused ? colours.colourBar : unfocusedColourBar;
        painter->fillRect(option.rect.adjusted(0, 3, 0, -3), bar);
        textColour = Qt::black;
    }
    painter->setFont(option.font);
    painter->setPen(textColour);
    painter->setClipRect(option.rect);
    QRect area = option.rect.adjusted(kTextLeft, kTextTop, -kTextLeft, 0);
    painter->drawText(area, int(alignment | Qt::AlignTop) | Qt::TextSingleLine, shown);
    painter->restore();

    if (unformattable) {
        // Never change the model inside a paint; the cell is emptied right after it.
        QPersistentModelIndex cell(index);
        QMetaObject::invokeMethod(
            m_view,
            [grid, cell] {
                if (cell.isValid() && !grid->cell(cell.column(), cell.row()).isEmpty())
                    grid->setCell(cell.column(), cell.row(), QString());
            },
            Qt::QueuedConnection);
    }
}

PartsGridView::PartsGridView(StringGrid *grid, QWidget *parent)
    : ItemGridView(grid, parent)
{
    setItemDelegate(new PartsCellPainter(this));
    setDefaultRowHeight(18);
    setBrowsing(true);
}

void PartsGridView::setBrowsing(bool browsing)
{
    setSelectionBehavior(browsing ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    if (currentIndex().isValid())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect |
                                                     (browsing ? QItemSelectionModel::Rows
                                                               : QItemSelectionModel::NoUpdate));
    viewport()->update();
}

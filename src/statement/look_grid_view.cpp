#include "statement/look_grid_view.h"

#include "slip/item_cell_painter.h"
#include "slip/string_grid.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

constexpr int gridRowHeight = 20;

class LookPainter : public QStyledItemDelegate
{
public:
    explicit LookPainter(LookGridView *view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const ItemCellLook look = index.column() == 0
                                      ? m_view->fixedLook(index.column(), index.row())
                                      : m_view->look(index.column(), index.row(),
                                                     option.state.testFlag(QStyle::State_Selected));
        paintCellLook(painter, option, look);
    }

private:
    LookGridView *m_view;
};

} // namespace

LookGridView::LookGridView(StringGrid *grid, CellLook look, QWidget *parent)
    : QTableView(parent)
    , m_grid(grid)
    , m_look(std::move(look))
{
    setModel(grid);
    setItemDelegate(new LookPainter(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(gridRowHeight);
    horizontalHeader()->setFixedHeight(gridRowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { color: #000080; background-color: #f0f0f0;"
                       " border: 1px solid #a0a0a0; border-top: none; border-left: none;"
                       " padding: 0px; }"));
    keepTitleRowHidden();
    connect(grid, &QAbstractItemModel::rowsInserted, this, &LookGridView::keepTitleRowHidden);
    connect(grid, &QAbstractItemModel::modelReset, this, &LookGridView::keepTitleRowHidden);
}

void LookGridView::setColumnWidths(const QList<int> &widths)
{
    for (int column = 0; column < widths.size(); ++column) {
        setColumnHidden(column, widths.at(column) < 0);
        if (widths.at(column) >= 0)
            setColumnWidth(column, widths.at(column));
    }
}

void LookGridView::setFixedColours(const QColor &background, const QColor &text)
{
    m_fixedBackground = background;
    m_fixedText = text;
    viewport()->update();
}

ItemCellLook LookGridView::fixedLook(int column, int row) const
{
    ItemCellLook fixed;
    fixed.background = m_fixedBackground;
    fixed.text = m_fixedText;
    fixed.shown = m_grid->cell(column, row);
    fixed.align = ItemCellLook::Align::Centre;
    return fixed;
}

int LookGridView::row() const
{
    return currentIndex().isValid() ? currentIndex().row() : 1;
}

void LookGridView::setCurrentCell(int column, int row)
{
    if (m_grid->rows() < 2)
        return;
    const QModelIndex target =
        m_grid->index(qBound(1, row, m_grid->rows() - 1), qBound(0, column, m_grid->columns() - 1));
    setCurrentIndex(target);
    scrollTo(target);
}

void LookGridView::keepTitleRowHidden()
{
    setRowHidden(0, true);
}

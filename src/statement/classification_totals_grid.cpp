#include "statement/classification_totals_grid.h"

#include "slip/string_grid.h"

#include "statement/classification_totals.h"
#include "statement/statement_cell_look.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

namespace {

constexpr int headerHeight = 20;
constexpr int boundaryReach = 5;
constexpr int rowsWithoutScrollBar = 26;

} // namespace

ClassificationTotalsGrid::ClassificationTotalsGrid(StringGrid *SG1, QWidget *parent)
    : LookGridView(
          new StringGrid(ClassificationTotals::Column::count, 2),
          [this](int column, int row, bool selected) {
              return totalsCellLook(cells(), column, row, selected);
          },
          parent)
    , m_SG1(SG1)
{
    setObjectName(QStringLiteral("SG_KEI"));
    StringGrid &totals = cells();
    totals.setParent(this);
    ClassificationTotals::prepare(totals);
    using namespace ClassificationTotals::Column;
    totals.setTitleAlignment(code, Qt::AlignCenter);
    totals.setTitleAlignment(title, Qt::AlignLeft | Qt::AlignVCenter);
    for (const int column : {amount, cost, profit})
        totals.setTitleAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    totals.setTitleAlignment(rate, Qt::AlignCenter);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColumnWidths({30, 320, 80, 80, 80, 50});
    setGeometry(48, 80, 648, 2 * 21 + 2);
    viewport()->installEventFilter(this);
    horizontalHeader()->viewport()->installEventFilter(this);
    horizontalHeader()->installEventFilter(this);
    hide();
}

void ClassificationTotalsGrid::showTotals()
{
    show();
    raise();
    SYU_KEI();
}

void ClassificationTotalsGrid::SYU_KEI()
{
    StringGrid &totals = cells();
    if (!ClassificationTotals::SYU_KEI(*m_SG1, totals)) {
        hide();
        return;
    }
    setRowHidden(0, true);
    resize(width(), 21 * totals.rows() + 2);
    setCurrentCell(1, totals.rows() - 1);
}

void ClassificationTotalsGrid::refreshClassificationTotals(const SlipTotals &)
{
    if (isVisible())
        SYU_KEI();
}

int ClassificationTotalsGrid::fittingWidth() const
{
    int width = 8;
    for (int column = 0; column < grid()->columns(); ++column)
        width += columnWidth(column);
    if (grid()->rows() > rowsWithoutScrollBar)
        width += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return width;
}

bool ClassificationTotalsGrid::pressedOnTitleBoundary(const QPoint &inGrid) const
{
    if (inGrid.y() >= headerHeight)
        return false;
    const int boundary =
        frameWidth() + columnViewportPosition(ClassificationTotals::Column::amount);
    return qAbs(inGrid.x() - boundary) <= boundaryReach;
}

bool ClassificationTotalsGrid::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return LookGridView::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint inGrid = mapFromGlobal(mouse->globalPosition().toPoint());

    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        // Near the title boundary the header drags the column instead of moving the grid.
        m_moving = !pressedOnTitleBoundary(inGrid);
        m_pressedAt = mouse->globalPosition().toPoint();
    } else if (type == QEvent::MouseMove && m_moving && (mouse->buttons() & Qt::LeftButton)) {
        const QPoint now = mouse->globalPosition().toPoint();
        move(pos() + (now - m_pressedAt));
        m_pressedAt = now;
        return true;
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        m_moving = false;
        resize(fittingWidth(), height());
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton) {
        hide();
        emit closed();
        return true;
    }
    return LookGridView::eventFilter(watched, event);
}

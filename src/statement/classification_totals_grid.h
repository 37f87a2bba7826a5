#pragma once

#include "slip/calculation.h"
#include "statement/look_grid_view.h"

// The totals-by-classification grid SG_KEI: floats over the item grid, follows every
// recalculation while it is shown, is moved by dragging it and closed by a right click.
// Dragging the boundary between 分類名 and 見積合計 in the header widens the title column.
class ClassificationTotalsGrid : public LookGridView, public ClassificationTotalsView
{
    Q_OBJECT
public:
    ClassificationTotalsGrid(StringGrid *SG1, QWidget *parent = nullptr);

    StringGrid &cells() { return *grid(); }

    // 分類集計: shows the grid in front and builds it.
    void showTotals();
    // SYU_KEI: rebuilds the grid from the item grid; hides it when there is nothing to total.
    void SYU_KEI();
    void refreshClassificationTotals(const SlipTotals &totals) override;

    // The width the grid takes when the mouse is released: its columns, a frame of 8 pixels
    // and a scroll bar once there are more rows than fit.
    int fittingWidth() const;

signals:
    // Closed by the right mouse button: the item grid takes the focus.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pressedOnTitleBoundary(const QPoint &inGrid) const;

    StringGrid *m_SG1;
    QPoint m_pressedAt; // global position of the last move step; null when not moving
    bool m_moving = false;
};

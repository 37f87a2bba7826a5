#pragma once

#include "slip/item_cell_look.h"

#include <QSet>
#include <QStyledItemDelegate>

class StringGrid;

// Draws one cell as its look says: background, selection marker, text in its colour and
// alignment. Every string grid of the window paints its cells through this.
void paintCellLook(QPainter *painter, const QStyleOptionViewItem &option, const ItemCellLook &look);

// Draws the item cells of SG1 (SG1DrawCell) by the look itemCellLook decides: stripes,
// green tax-exempt rows, the aqua selected cell, column text colours and the number formats.
//
// A numeric cell that cannot be shown as a number (a hand-edited file, a paste) is drawn
// empty; right after the paint it is emptied with the cells computed from it and the slip is
// recalculated (cellsEmptied). The model is never changed from inside a paint.
class ItemCellPainter : public QStyledItemDelegate
{
    Q_OBJECT
public:
    ItemCellPainter(StringGrid *grid, QObject *parent);

    void setStripeColour(const QColor &colour);
    void setColumnTextColour(int column, const QColor &colour);
    const ItemCellColours &colours() const { return m_colours; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

signals:
    // An unformattable cell was emptied with its dependants; the slip needs recalculating.
    void cellsEmptied();

private:
    void scheduleEmptying(int column, int row) const;
    void emptyCell(int column, int row);

    StringGrid *m_grid;
    ItemCellColours m_colours;
    // Cells already waiting to be emptied; a cell painted twice before then is emptied once.
    mutable QSet<QPair<int, int>> m_pending;
};

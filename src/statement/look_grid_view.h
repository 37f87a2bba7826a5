#pragma once

#include "slip/item_cell_look.h"

#include <QTableView>

#include <functional>

class StringGrid;

// A read-only view of a string grid whose row 0 holds the column titles, shown in the header
// in dark blue, and whose column 0 is drawn as a fixed column. The other cells are drawn by
// the look the owner decides.
class LookGridView : public QTableView
{
    Q_OBJECT
public:
    using CellLook = std::function<ItemCellLook(int column, int row, bool selected)>;

    LookGridView(StringGrid *grid, CellLook look, QWidget *parent = nullptr);

    StringGrid *grid() const { return m_grid; }
    void setColumnWidths(const QList<int> &widths);
    // Colours of the fixed column.
    void setFixedColours(const QColor &background, const QColor &text);
    ItemCellLook fixedLook(int column, int row) const;
    // The cell the view draws for (column, row), as a test can check it.
    ItemCellLook look(int column, int row, bool selected) const
    {
        return m_look(column, row, selected);
    }

    int row() const;
    void setCurrentCell(int column, int row);

private:
    void keepTitleRowHidden();

    StringGrid *m_grid;
    CellLook m_look;
    QColor m_fixedBackground{0xF0, 0xF0, 0xF0};
    QColor m_fixedText{Qt::black};
};

#pragma once

#include <QColor>
#include <QTableView>

class ItemCellPainter;
class QStyledItemDelegate;
class StringGrid;

// The view of a string grid with one fixed title row and one fixed number column, as the
// item grid SG1 shows it: row 0 and column 0 of the model stay in place as headers in the
// fixed colour while the items scroll. Cells are addressed (column, row) in model terms.
class ItemGridView : public QTableView
{
    Q_OBJECT
public:
    explicit ItemGridView(StringGrid *grid, QWidget *parent = nullptr);
    // A grid that draws its cells its own way (the customer grid, the parts grid) brings its
    // painter, which the view takes over; such a view has no item cell painter.
    ItemGridView(StringGrid *grid, QStyledItemDelegate *cellPainter, QWidget *parent = nullptr);

    StringGrid *grid() const { return m_grid; }

    // Column widths in pixels; a hidden column reports -1, as the settings files keep it.
    int colWidth(int column) const;
    void setColWidth(int column, int width);
    void setColHidden(int column, bool hidden);

    void setDefaultRowHeight(int height);
    void setFixedColours(const QColor &background, const QColor &text);
    QColor fixedColour() const { return m_fixedBackground; }
    QColor fixedTextColour() const { return m_fixedText; }
    // The colours of the item cells: the stripe of even rows and the text of each column
    // 1..11. Numbers override the column colour when negative or with decimals. Only for the
    // item cell painter.
    void setStripeColour(const QColor &colour);
    void setColumnTextColour(int column, const QColor &colour);
    // Draws the item cells (SG1DrawCell); nullptr in a view with a painter of its own.
    ItemCellPainter *cellPainter() const { return m_painter; }

    // The current cell; (1, 1) is the first item cell.
    int col() const;
    int row() const;
    void setCurrentCell(int column, int row);
    // Scrolls so that the given item row is the first one visible.
    void setTopRow(int row);

    // Drag mode: the grid's rows are ready to be dragged elsewhere (into the parts
    // catalogue). The pointer shows it over the cells. A drag that ends, and a row move, end it.
    void setDragMode(bool on);
    bool isDragMode() const { return m_dragMode; }

signals:
    // A row was dragged by its number cell from one row to another (model rows).
    void rowMoved(int from, int to);
    void dragModeChanged(bool on);

private:
    void applyFixedStyle();
    void adoptRowCount();
    void onRowDragged(int logicalIndex, int oldVisualIndex, int newVisualIndex);

    StringGrid *m_grid;
    ItemCellPainter *m_painter = nullptr;
    QColor m_fixedBackground{0x80, 0x80, 0xFF};
    QColor m_fixedText{Qt::white};
    int m_rowHeight = 20;
    bool m_dragMode = false;
};

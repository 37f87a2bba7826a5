#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class StringGrid;

// How a customer cell is drawn, decided apart from the painting.
struct CustomerCellLook
{
    QColor background;
    // The cyan rectangle with its white border that marks the current row.
    bool rowFrame = false;
};

namespace CustomerCellPalette {
inline const QColor white{Qt::white};
inline const QColor stripe{238, 255, 238};      // even rows, light green
inline const QColor rowFrame{0x00, 0xFF, 0xFF}; // cyan
inline const QColor marked{0x00, 0xFF, 0x00};   // pure green
} // namespace CustomerCellPalette

// Draws the customer cells of SG_K (SG_KDrawCell): light green stripes on even rows, the
// current row framed in cyan, marked rows filled green over both, the text 2 pixels in and 4
// down, always black. The titles and numbers are the view's headers.
class CustomerCellPainter : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CustomerCellPainter(StringGrid *grid, QObject *parent = nullptr);

    // A cell of row 1 or more; currentRow: the row of the grid's current cell.
    static CustomerCellLook look(const StringGrid &grid, int row, int currentRow);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    StringGrid *m_grid;
};

#pragma once

#include "slip/item_grid_view.h"

#include <QStyledItemDelegate>

#include <array>
#include <functional>

class PartsGridView;

// How the parts grid colours its cells, from the grid colour settings.
struct PartsCellColours
{
    QColor stripe{0xEE, 0xEE, 0xEE};
    QColor colourBar{0x00, 0xFF, 0x00};
    std::array<QColor, 12> columnText{};
};

// Draws the cells of SG2: stripes, the colour bar over the selected row (pale cyan while the
// catalogue does not have the focus), the yellow focused cell, the column text colours and
// the number formats. A numeric cell that is no number is drawn empty and emptied after the
// paint.
class PartsCellPainter : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit PartsCellPainter(PartsGridView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    PartsGridView *m_view;
};

// The parts grid SG2: the item grid's view with the catalogue's drawing, row selection while
// browsing and cell selection while the parts are edited.
class PartsGridView : public ItemGridView
{
    Q_OBJECT
public:
    explicit PartsGridView(StringGrid *grid, QWidget *parent = nullptr);

    PartsCellColours colours;
    // Whether the catalogue (the grid or one of its editors) has the focus; the colour bar
    // turns pale cyan without it.
    bool catalogueFocused = false;
    // Decimals the quantity and prices show: 3 while the item grid's number editor is set to
    // three decimals.
    std::function<int()> shownDecimals = [] { return 2; };

    // Browse: whole rows selected, no editing. Edit: single cells.
    void setBrowsing(bool browsing);
};

// The pale cyan that replaces the colour bar while the parts grid has no focus.
inline const QColor unfocusedColourBar{193, 252, 253};

#pragma once

#include "slip/grid_cell_editors.h"

class ItemGridHost;
class ItemGridView;

// Typing in the item grid SG1 always goes into one of two editors laid over the current
// cell: the text editor for 類, 品名, the tax-exempt mark, 形状・寸法 and 単位, the number
// editor for 数量, 単価 and 原単価 (the item grid's table). What is the item grid's own:
// 形状・寸法 follows the Sunpou check box, a number edit recalculates the slip, leaving 原単価
// may return to the parts catalogue, and the grid's own keys with their edit and browse state.
//
// The main window creates one for SG1 and exposes the widgets by their names (EditP, Edit1,
// NumP, NumEdit1).
class ItemCellEditors : public GridCellEditors
{
    Q_OBJECT
public:
    ItemCellEditors(ItemGridView *grid, ItemGridHost &host);

    // The item grid's columns: editors, decimals, input method and the moves of the keys.
    static GridEditorTable itemTable();

    QFrame *const EditP;
    CellTextEdit *const Edit1;
    QFrame *const NumP;
    CellNumEdit *const NumEdit1;

    // The grid's own state for Left and Right while it has the focus itself: the edit state
    // after start-up and Ctrl, the browse state after Escape and after every move of the
    // current cell.
    bool isBrowsing() const { return m_browsing; }

    bool wheelLeftToOtherGrid() const override;

protected:
    void numberEdited(int column, int row) override;
    bool isColumnShown(int column) const override;
    bool rowEndLeft() override;
    bool gridKey(QKeyEvent *event) override;

private:
    void onCurrentChanged(const QModelIndex &current, const QModelIndex &previous);

    ItemGridHost &m_host;
    bool m_browsing = false;
};

#pragma once

#include "slip/grid_cell_editors.h"

class ItemGridView;

// The in-cell editor of the customer grid: Edit3 on its panel EditP3, laid over the current
// cell while the grid's edit mode is on. Every column is text; the postal code is typed
// without the input method and comes up selected, the telephone starts in direct input.
class CustomerCellEditors : public GridCellEditors
{
    Q_OBJECT
public:
    explicit CustomerCellEditors(ItemGridView *grid);

    // Enter walks 顧客名 to 住所２ and from there on to 顧客名 of the next row (appending a
    // numbered row on the last); Right stops at 住所２, Left at 顧客名; the wheel steps the
    // rows while the editor is up, wherever it turns in the window.
    static GridEditorTable customerTable();

    QFrame *const EditP3;
    CellTextEdit *const Edit3;

protected:
    void numberEdited(int column, int row) override;
};

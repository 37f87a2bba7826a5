#include "customer_cell_editors.h"

#include "customer_columns.h"
#include "slip/item_grid_view.h"

GridEditorTable CustomerCellEditors::customerTable()
{
    namespace Col = CustomerColumn;
    const auto text = [](int enter, int right, int left) {
        return GridEditorColumn{
            .editor = CellEditor::text, .enter = enter, .right = right, .left = left};
    };
    GridEditorTable table;
    table.columns.resize(Col::count);
    table.columns[Col::name] = text(Col::name2, Col::name2, GridMove::stay);
    table.columns[Col::name2] = text(Col::postalCode, Col::postalCode, Col::name);
    table.columns[Col::postalCode] = text(Col::address1, Col::address1, Col::name2);
    table.columns[Col::postalCode].inputMethod = InputMethod::off;
    table.columns[Col::postalCode].selectAllOnEntry = true;
    table.columns[Col::address1] = text(Col::address2, Col::address2, Col::postalCode);
    table.columns[Col::address2] = text(GridMove::nextRow, GridMove::stay, Col::address1);
    table.columns[Col::telephone] = text(GridMove::nextRow, GridMove::stay, Col::address2);
    table.columns[Col::telephone].inputMethod = InputMethod::closed;
    // The honorific and the mark are hidden and have no editor: typing can never reach a cell
    // nobody sees.
    table.firstColumn = Col::name;
    table.lastColumn = Col::telephone;
    table.wheel = GridWheelRule::whileEditing;
    return table;
}

CustomerCellEditors::CustomerCellEditors(ItemGridView *grid)
    : GridCellEditors(grid, grid->grid(), customerTable(),
                      {QStringLiteral("EditP3"), QStringLiteral("Edit3"), QString(), QString()})
    , EditP3(textPanel())
    , Edit3(textEdit())
{
    // Browse-only until 編集モードＯＮ.
    setEditMode(false);
}

void CustomerCellEditors::numberEdited(int, int)
{
    // Every customer column is text; the number editor never comes up.
}

#pragma once

#include <cstddef>
#include <vector>

// What the in-cell editors of one string grid do, column by column (GridCellEditors lays them
// over the grid). The item grid, the parts grid and the customer grid differ only in their
// tables and in the few keys of their own.

// The editor that serves a column. A column without one never becomes the current cell.
enum class CellEditor { none, text, number };

// The input method of the text editor on a column.
enum class InputMethod {
    off,    // codes typed on the keyboard directly (類, the postal code)
    closed, // on, but starting in direct input (the telephone number)
    open,   // Japanese text
};

// Where a key moves the current cell: a column of the same row, or one of these.
namespace GridMove {
constexpr int stay = -1;        // nowhere; the key is used up
constexpr int nextRow = -2;     // the first column of the next row
constexpr int previousRow = -3; // the last column of the row above; nothing in row 1
} // namespace GridMove

struct GridEditorColumn
{
    CellEditor editor = CellEditor::none;
    // Decimals the number editor allows.
    int decimals = 0;
    InputMethod inputMethod = InputMethod::open;
    // The text editor comes up with its whole text selected instead of the caret at the end.
    bool selectAllOnEntry = false;
    // Enter, Right at the end of the text (or in the number editor) and Left at its start. A
    // move onto a column that is not shown goes on by that column's own move for the same key.
    int enter = GridMove::stay;
    int right = GridMove::stay;
    int left = GridMove::stay;
};

// The usual columns: Enter and Right at the end of the text lead to the same column.
inline GridEditorColumn textColumn(int enter, int left)
{
    return GridEditorColumn{
        .editor = CellEditor::text, .enter = enter, .right = enter, .left = left};
}

inline GridEditorColumn numberColumn(int decimals, int enter, int left)
{
    return GridEditorColumn{.editor = CellEditor::number,
                            .decimals = decimals,
                            .enter = enter,
                            .right = enter,
                            .left = left};
}

// When the mouse wheel steps the grid's rows.
enum class GridWheelRule {
    // Whenever it turns over the grid or its editors (the item grid).
    overGrid,
    // Whenever the grid or its editors have the focus and an editor is up, wherever it turns
    // in the window (the parts grid, the customer grid).
    whileEditing,
};

struct GridEditorTable
{
    // Indexed by column; columns beyond the end have no editor.
    std::vector<GridEditorColumn> columns;
    // Where GridMove::nextRow and GridMove::previousRow land.
    int firstColumn = 1;
    int lastColumn = 1;
    // Rows Page Up and Page Down move in an editor, a screenful; with 0 they do nothing.
    int pageRows = 0;
    GridWheelRule wheel = GridWheelRule::overGrid;

    const GridEditorColumn &column(int index) const
    {
        static const GridEditorColumn none;
        return index >= 0 && index < int(columns.size()) ? columns[std::size_t(index)] : none;
    }
};

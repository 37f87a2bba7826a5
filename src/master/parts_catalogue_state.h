#pragma once

#include <array>

class StringGrid;

// What the parts catalogue keeps while the program runs: the parts list shown (major category
// d, minor category s, both 0 until the first opening), the row last current in every list,
// the two modes and whether the user has the catalogue open.
struct PartsCatalogueState
{
    int major = 0;
    int minor = 0;
    // 挿 (insert the part at the item grid's current row) or 次 (below it).
    bool insertMode = true;
    // 入: a pick hides the catalogue, leaving 原単価 of that item row brings it back.
    bool autoClose = true;
    // Set by opening, cleared only when the 部品 command closes it (not by auto close or
    // Escape), so that the catalogue comes back for the next item row.
    bool open = false;

    bool opened() const { return major != 0 && minor != 0; }
    // The row to make current in list (d, s); 1 until the user leaves the list.
    int rememberedRow(int major, int minor) const;
    void rememberRow(int major, int minor, int row);

private:
    std::array<std::array<int, 20>, 20> m_rows = [] {
        std::array<std::array<int, 20>, 20> rows{};
        for (auto &line : rows)
            line.fill(1);
        return rows;
    }();
};

// Makes room in the item grid for a part picked with the item grid on row itemRow: an empty
// row at itemRow in insert mode, below it in next-row mode; the rows keep their numbers. Returns
// the new row.
int makeRoomForPart(StringGrid &items, int itemRow, bool insertMode);

// The columns a copy between the two grids carries: name, shape and size, unit, selling price
// and cost price; a pick also carries the tax-exempt mark.
void copyPartCells(const StringGrid &from, int fromRow, StringGrid &to, int toRow,
                   bool withExemptMark);

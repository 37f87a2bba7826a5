#pragma once

// The columns of the item grid and of the parts grid, which shares them (the customer grid's
// are in master/customer_columns.h). Column 0 holds the row numbers, row 0 the titles. The
// names are plain ints so that they index cells directly: grid.cell(ItemColumn::quantity, row).

// The item grid SG1: one line item per row.
namespace ItemColumn {
enum : int {
    number = 0,
    category = 1,    // 類
    name = 2,        // 品名
    exemptMark = 3,  // "1" when the row is not taxable; always hidden
    shape = 4,       // 形状・寸法, shown with the Sunpou check box
    quantity = 5,    // 数量
    unit = 6,        // 単位
    unitPrice = 7,   // 単価
    costPrice = 8,   // 原単価
    amount = 9,      // 金額
    costAmount = 10, // 原価計
    rate = 11,       // 原価率 or 利益率
    count = 12,
};
} // namespace ItemColumn

// The parts grid SG2 of the parts catalogue has the item grid's columns, so that
// rows are copied between the two as they are.
namespace PartsColumn = ItemColumn;

#pragma once

// The columns of the statement grid SG0: one line item of a compiled slip, or its tax, per
// row. Column 0 holds the running number over the whole statement, row 0 the titles.
namespace StatementColumn {
enum : int {
    number = 0,
    date = 1,        // 日付 of the slip, "yyyy/MM/dd"
    slipNumber = 2,  // 伝票№ of the slip
    exemptMark = 3,  // "1" when the item is not taxable; hidden
    name = 4,        // 品名, or the text of a tax row
    shape = 5,       // 形状・寸法
    quantity = 6,    // 数量
    unit = 7,        // 単位
    unitPrice = 8,   // 単価
    costPrice = 9,   // 原単価
    amount = 10,     // 金額; the tax of an exclusive tax row
    costAmount = 11, // 原価計
    rate = 12,       // 率
    count = 13,
};
} // namespace StatementColumn

#pragma once

class StringGrid;

// The totals-by-classification grid SG_KEI: one row per section of the item grid, then the
// grand total. A section starts at a row whose 類 holds a code and takes in the item rows
// below it up to the next code; "#" leaves a row out and "@" ends the totals.
namespace ClassificationTotals {

namespace Column {
enum : int {
    code = 0,   // 分類
    title = 1,  // 分類名: 品名 of the row that starts the section
    amount = 2, // 見積合計
    cost = 3,   // 原価合計
    profit = 4, // 粗利合計
    rate = 5,   // 原価率
    count = 6,
};
} // namespace Column

// A grid of the right shape, holding only the titles.
void prepare(StringGrid &SG_KEI);

// SYU_KEI: normalises 類 of every item row of SG1 (blanks trimmed; "＃", "＠", "￥" turned
// half-width; the values stay in SG1) and rebuilds SG_KEI. Without any section it shows
// "集計対象データが存在しません。", leaves SG_KEI as it was and returns false.
bool SYU_KEI(StringGrid &SG1, StringGrid &SG_KEI);

} // namespace ClassificationTotals

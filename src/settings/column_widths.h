#pragma once

#include <QList>

// Saved sets of column widths of the item grid (set 1 in SEL_WIDTH1.INI, set 2 in
// SEL_WIDTH2.INI, the one loaded at start-up) and of the parts grid (SEL_WIDTH3.INI). A
// width list holds columns 0..11 in pixels; -1 hides a column. The commands ask and report
// through prompter().
namespace ColumnWidths {

constexpr int columnCount = 12;

// Whether a load runs as the user's command (with its question) or at start-up (without).
enum class LoadMode { Command, StartUp };

QList<int> itemGridDefaults(bool sunpou);
QList<int> partsGridDefaults(bool sunpou);

// セル幅設定既定値呼び出し / SpeedButton22 and SpeedButton24: ask, then the defaults.
// True when the user said Yes (the caller then focuses NAME1).
bool resetItemGrid(QList<int> &widths, bool sunpou);
bool resetPartsGrid(QList<int> &widths, bool sunpou);

// Ask and save set 1 or 2 of the item grid. True when saved. Throws IoError when the file
// cannot be written.
bool saveItemGridSet(int set, const QList<int> &widths);

// Load set 1 or 2 into the item grid's widths; sunpou then follows column 4 (shown unless
// -1). As a command it asks first and returns true when the user said Yes (the caller then
// focuses NAME1); at start-up it always loads and returns true.
bool loadItemGridSet(int set, QList<int> &widths, bool &sunpou, LoadMode mode);

bool savePartsGridSet(const QList<int> &widths);
bool loadPartsGridSet(QList<int> &widths, bool &sunpou, LoadMode mode);

} // namespace ColumnWidths

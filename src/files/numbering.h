#pragma once

#include <QString>

// Slip numbering. BANGO.INI in the program directory holds, on its first line, the number
// the next new slip receives. Numbering is on exactly while that file exists; until then
// slip numbers are whatever the user types and nothing here changes anything.
//
// The new-number flag of the main window says that the number on screen was just issued
// here: it is set by start-up, blanking and makeNewSlip, and cleared by every save and by
// opening a slip file. A save advances the counter only while it is set.

inline constexpr const char *counterFileName = "BANGO.INI";

// The slip number as a 32-bit integer; text that is not such a number counts as 0.
int slipNumberValue(const QString &Bangou);

// Fetches the next number: the first line of BANGO.INI, unchanged, when the file exists and
// the line is not empty; otherwise Bangou keeps its text.
void BANGOU_CALL(QString &Bangou);

// Moves the counter past the number shown, after a new slip was saved. Nothing happens
// without BANGO.INI or when Bangou holds text that is no number (or "0"); an empty Bangou
// starts the counting at 10001 with a message.
void BANGOU_KOUSIN(const QString &Bangou);

// 伝票番号保存: stores the number shown as the number of the next new slip (not one past
// it), which also switches numbering on. A Bangou that is no number stores 10001.
void saveSlipNumber(const QString &Bangou);

// 新規伝票変換: turns the slip on screen into a new slip: the next number replaces Bangou and
// the new-number flag is set, so the next save advances the counter.
void makeNewSlip(QString &Bangou, bool &newNumberFlag);

#pragma once

#include "slip/calculation.h"
#include "slip/slip_header.h"
#include "slip/string_grid.h"

#include <QString>

class HeadlessPrompter;

// A slip file opened and recalculated the way the main window opens one, without the window:
// the slip starts as the window starts (remembered tax mode and honorific, 形状・寸法 column),
// is blanked and read by the open command of the core and recalculated with the settings of
// PRINT.INI.
class OpenedSlip
{
public:
    // Throws InputError for a file that cannot be opened as a slip, for a date line that is
    // no date and for an amount beyond the money range, naming the line where it can.
    OpenedSlip(const QString &path, HeadlessPrompter &messages);

    QString path;
    SlipHeader header;
    StringGrid items;
    Calculation calc;
    KeisanResult shown; // what the window shows after the recalculation

    // The consumption tax the save command writes, as the window computes it.
    qint64 consumptionTax(TaxMode mode) const;
};

#pragma once

#include "headless_window.h"

#include "slip/slip.h"

#include <QString>

class HeadlessPrompter;

// What the window holds before the first file is opened: the remembered tax mode and
// honorific (the ".321" layout leaves them as they were, a statement keeps them) and the
// 形状・寸法 check box the print layouts look at. Throws IoError.
void applyStartupChoices(SlipHeader &header);

// A slip file opened and recalculated the way the main window opens one, without the window:
// the slip starts as the window starts (remembered tax mode and honorific, 形状・寸法 column),
// is opened by the slip's own open command and recalculated with the settings of PRINT.INI.
class OpenedSlip
{
public:
    // Throws InputError for a file that cannot be opened as a slip, for a date line that is
    // no date and for an amount beyond the money range, naming the line where it can.
    OpenedSlip(const QString &path, HeadlessPrompter &messages);

    QString path;
    Slip slip;
    HeadlessWindow window; // window.shown: what the window shows after the recalculation
};

#pragma once

#include "print/print_preview.h"

#include <QStringList>

// A small two-page delivery note recorded on an A4 printer at 600 dpi whose printable area
// starts 100 pixels right and 120 pixels down from the sheet's corner: every drawing call
// the canvas has, with texts whose second Shift_JIS byte is 0x5C.
PrinterMetrics sampleMetrics();
void recordSampleSlip(TPrintPreview &preview, int pageCount = 2);
// The texts of page 1 and page 2, in drawing order.
QStringList sampleTexts(int pageNumber);

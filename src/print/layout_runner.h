#pragma once

#include "layout.h"
#include "print_preview.h"
#include "printer_device.h"

#include <variant>

// The targets of a run. The preview recorder takes the metrics of the printer the run
// prepared, so both give the same pages.
struct PrinterTarget
{
    PrinterDevice &printer;
};
struct PreviewTarget
{
    PrinterDevice &printer;
    TPrintPreview &recorder;
};
using PrintTarget = std::variant<PrinterTarget, PreviewTarget>;

TargetKind targetKind(const PrintTarget &target);
PrinterDevice &targetPrinter(const PrintTarget &target);

// Runs a layout against a target: the confirmation (printer only), the layout's questions,
// the printer preparation, the preview cancelled flag cleared, the hourglass cursor, then
// the document: begin, every page of the sequence with a new page between, end. True when
// the setup was confirmed and the document drawn.
bool runLayout(Layout &layout, const PrintTarget &target, PrintRunState &state);

#pragma once

#include "print_canvas.h"
#include "print_framework.h"
#include "printer_device.h"

#include <QString>

#include <optional>

// What a run draws on: the printer's own job, or the preview recorder.
enum class TargetKind { Printer, Preview };

// One printed document of the program (a slip layout, a statement form, a receipt, an
// envelope), as the layout runner (layout_runner.h) drives it:
//   1. confirmation(): asked on the printer only; No ends the run;
//   2. askBeforeSetup(): the layout's own questions of both versions; false ends the run;
//   3. preparePrinter(): the printer preparation; nothing when the setup dialog was
//      cancelled (the run then draws nothing);
//   4. plan(): reads the run's settings and lays out the page sequence;
//   5. drawPage() for each of pageCount() pages, the runner starting a new page between.
// A layout never begins, ends or turns pages itself and never asks which target it draws on
// except in its preparation.
class Layout
{
public:
    virtual ~Layout() = default;

    // The Yes/No question of the printer version ("伝票(5行)を印刷します。"); empty for none.
    virtual QString confirmation() const { return {}; }
    // Questions both versions ask before the printer setup (the receipt's 但し書き, the
    // window-envelope question).
    virtual bool askBeforeSetup() { return true; }
    // Printer choice, setup dialog, scales. The target tells a preparation that differs
    // between the versions (the receipt preview writes no printer choice file).
    virtual std::optional<PreparedRun> preparePrinter(PrinterDevice &printer,
                                                      TargetKind target) = 0;
    virtual void plan(const PreparedRun &run) = 0;
    virtual int pageCount() const = 0;
    // Draws page (0-based) of the sequence on a fresh page's canvas.
    virtual void drawPage(PrintCanvas &canvas, int page) = 0;
};

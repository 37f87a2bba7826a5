#pragma once

#include "cli_arguments.h"

#include <QString>

// render FILE ...: records the slip with the preview twin of the chosen layout on the A4
// virtual printer and writes the pages (and the operations, with --ops); prints the page
// files written. Throws InputError.
int runRender(const QString &file, const RenderOptions &options);

class HeadlessPrompter;
class OpenedSlip;
class TPrintPreview;
struct SlipPrintJob;

// The print job of an opened slip as the window hands it over: PRINT.INI's logo and the
// renamed captions of the last two kinds.
SlipPrintJob headlessPrintJob(const OpenedSlip &opened);

// The end of every drawing command: refuses a run that drew nothing (with the message that
// stopped it), prints the reminders as notes, writes the pages and the operations and prints
// the files written.
int writeRenderedPages(const QString &file, const TPrintPreview &preview, bool drawn,
                       const RenderOptions &options, const HeadlessPrompter &messages);

#pragma once

#include "layout_registry.h"
#include "print_framework.h"
#include "print_job.h"

// The slip print commands and the slip layouts by their names. The layouts themselves are
// Layout classes run by the layout runner (layout.h, layout_runner.h); these functions make
// the layout of the registry and run it against the printer or the preview recorder.

// The 5-row and 7-row slips: two images on an A4 sheet (or one per A5 sheet). The printer
// versions of every slip layout ask for confirmation first; the preview twins record into
// the preview. All return whether the printer setup was confirmed and the document drawn.
bool PRINTA4(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINTA4(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state);
bool PRINT7(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT7(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
               PrintRunState &state);

// The 24-row and 36-row slips: one image per A4 sheet.
bool PRINT24(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT24(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state);
bool PRINT36(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT36(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state);

// The print command 印刷 in slip mode, after the main window has recalculated the slip:
// checks the slip kinds, finds the last used row and runs the layout of PRN_S.
bool printSlip(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
// The preview command ﾌﾟﾚﾋﾞｭｰ in slip mode: sets the preview cancelled flag, checks the
// honorific and the slip kinds and records the layout of PRN_S. True when the preview
// window should open (the flag was cleared).
bool previewSlip(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                 PrintRunState &state);
// Both commands refuse a layout choice whose layout is not built (see
// layoutAvailable(int prnS)) or that names none: they show slipLayoutUnavailableText() and
// return false without touching the printer.
QString slipLayoutUnavailableText(int prnS);

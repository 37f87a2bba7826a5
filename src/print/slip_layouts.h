#pragma once

#include "print_framework.h"

#include <QImage>

class StringGrid;

// A slip as the print commands hand it to a layout: the header fields and options of the
// main window, its item grid and the program-wide values printing needs.
struct SlipPrintJob
{
    SlipHeader header; // a layout run in A5 mode ticks header.A5; copy it back to the window
    const StringGrid *items = nullptr;
    int lastUsedRow = 0; // from lastUsedRow(); the commands fill it in
    QImage logo;
    SlipKindCaptions captions;
    int roundingMode = 0;   // "[端数処理]="
    bool zeroPrint = false; // "[ゼロ印字]="
};

// The 5-row and 7-row slips: two images on an A4 sheet (or one per A5 sheet). The printer
// versions ask for confirmation first; the preview twins record into the preview. All four
// return whether the printer setup was confirmed and the document drawn.
bool PRINTA4(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINTA4(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state);
bool PRINT7(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT7(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
               PrintRunState &state);

// The print command 印刷 in slip mode, after the main window has recalculated the slip:
// checks the slip kinds, finds the last used row and runs the layout of PRN_S.
bool printSlip(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
// The preview command ﾌﾟﾚﾋﾞｭｰ in slip mode: sets the preview cancelled flag, checks the
// honorific and the slip kinds and records the layout of PRN_S. True when the preview
// window should open (the flag was cleared).
bool previewSlip(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                 PrintRunState &state);

// Layout choices whose layouts live elsewhere (24 and 36 rows) report false here.

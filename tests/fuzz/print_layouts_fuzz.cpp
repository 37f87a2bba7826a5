#include "fuzz_support.h"

#include "common/miravo_error.h"
#include "print/print_preview.h"
#include "print/printer_device.h"
#include "print/slip_layouts.h"
#include "slip/string_grid.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// The slip layouts under a hostile PRINT.INI (the input past its first two bytes): any
// numbers, colours, fonts and flags draw a bounded number of pages on the recorder or are
// refused with the program's own error.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    writeFuzzFile(QStringLiteral("PRINT.INI"), fuzzBytes(data + 2, size - 2));

    StringGrid items(12, 31);
    for (int row = 1; row <= 1 + data[0] % 12; ++row) {
        items.setCell(2, row, QStringLiteral("品物%1").arg(row));
        items.setCell(5, row, QStringLiteral("3"));
        items.setCell(7, row, QStringLiteral("1200"));
        items.setCell(9, row, QStringLiteral("3600"));
    }
    SlipPrintJob job;
    job.items = &items;
    job.lastUsedRow = 1 + data[0] % 12;
    job.header.Bangou = QStringLiteral("1024");
    job.header.NAME1 = QStringLiteral("山田商店");
    job.header.KEISYOU = QStringLiteral("様");
    job.header.DTP1 = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
    job.header.PRN_S = data[0] >> 6; // every layout choice, 5 to 36 rows
    SlipHeader &h = job.header;
    bool *kinds[] = {&h.NOUHIN, &h.SEIKYUU, &h.JURYOU, &h.HIKAE, &h.HATYUU, &h.IRAI};
    for (int kind = 0; kind < 6; ++kind)
        *kinds[kind] = (data[1] >> kind) & 1;

    VirtualPrinter printer;
    TPrintPreview preview;
    PrintRunState state;
    try {
        previewSlip(job, printer, preview, state);
    } catch (const MiravoError &) {
        return 0;
    }
    FUZZ_CHECK(preview.PageCount() <= 64, QString::number(preview.PageCount()));
    return 0;
}

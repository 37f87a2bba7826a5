#pragma once

#include "print_framework.h"

#include <QImage>

#include <optional>

class StringGrid;

// The sums of an itemized statement that a receipt acknowledges while the statement grid is
// shown, instead of the slip's totals.
struct StatementReceiptValues
{
    Money amountSum;   // the statement amount sum
    Money taxSum;      // the statement tax sum
    Money compiledTax; // the compiled tax total
    Money compiledNet; // the compiled net total
    bool inclusiveTax = false;
    QList<RateTax> byRate; // the statement's total and tax of each rate present
};

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
    TaxRates taxRates;      // "[消費税率]=", "[軽減税率]="
    QualifiedInvoice qualified;
    // Set while the statement grid is shown: a receipt then acknowledges the statement.
    std::optional<StatementReceiptValues> statement;
    // The statement grid SG0 the statement layouts print, while it is shown.
    const StringGrid *statementRows = nullptr;
};

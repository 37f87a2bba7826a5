#pragma once

#include "print_job.h"
#include "print_preview.h"
#include "printer_device.h"

#include <QString>

// The receipts (領収証): the receipt with its copy (控) as two half-sheet images, or one image
// per A5 sheet, and the small receipt, one strip across the top of an A4 sheet with a stub.

// The three amount texts of a receipt: the amount received, the net amount and the tax of
// its breakdown, each formatted as it prints.
struct ReceiptAmounts
{
    QString amount = QStringLiteral("0");
    QString net = QStringLiteral("0");
    QString tax = QStringLiteral("0");
    // A qualified invoice's total and tax of each rate ("10%対象 ¥12,000 消費税 ¥1,200").
    QStringList perRate;
};

// What a receipt acknowledges: the statement's sums while job.statement is set, else the
// slip's totals by its tax mode and the rounding mode.
ReceiptAmounts receiptAmounts(const SlipPrintJob &job);

// True for a value a receipt leaves out: empty, or a zero, however it is justified.
bool isZeroAmountText(const QString &text);

// The receipt commands by their names. The printer versions ask "領収証を印刷します。" first;
// both versions ask for the 但し書き, remembered in state.receiptProviso. True when the setup
// was confirmed and the receipt drawn. In A5 mode the job's header.A5 is ticked.
bool PRINT_RYOSYUU(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT_RYOSYUU(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                      PrintRunState &state);
bool PRINT_RYOSYUU_S(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT_RYOSYUU_S(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                        PrintRunState &state);

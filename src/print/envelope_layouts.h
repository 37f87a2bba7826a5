#pragma once

#include "print_job.h"
#include "print_preview.h"
#include "printer_device.h"

#include <QString>

// The envelopes: the customer's address and the company block on an envelope fed sideways.
// The ordinary envelope (FUUTOU) is laid out on the layout-unit grid turned sideways, the
// long No. 3 envelope (長形３号, FUUTOU3) in tenths of a millimetre.

namespace EnvelopeText {
inline QString windowQuestion()
{
    return QStringLiteral("窓付き封筒ですか？\r\n\r\n\r\n通常の封筒の場合は「いいえ」を選択");
}
inline QString longEnvelopePaper()
{
    return QStringLiteral(
        "プリンタ用紙設定は「封筒長形３号」　印刷の向き「横」に設定してください。\r\n\r\n\r\n");
}
} // namespace EnvelopeText

// With neither a customer name nor an address the envelope may be a window envelope: both
// versions ask, and Yes prints the company block alone, further left. True when the setup
// was confirmed and the page drawn. The long envelope remembers its printer in PRINTF.INI,
// in the preview as well.
bool FUUTOU(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool FUUTOU_PP(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
               PrintRunState &state);
bool FUUTOU3(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool FUUTOU3_PP(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state);

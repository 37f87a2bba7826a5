#include "document_command.h"

#include "a4_printer.h"
#include "headless_prompter.h"
#include "opened_slip.h"
#include "render_command.h"

#include "print/envelope_layouts.h"
#include "print/receipt_layouts.h"
#include "slip/slip_print_job.h"

int runReceipt(const QString &file, const DocumentOptions &document, const RenderOptions &output)
{
    HeadlessPrompter messages;
    OpenedSlip slip(file, messages);
    SlipPrintJob job = headlessPrintJob(slip);
    job.header.DATE_CHECK = document.dateNone;
    // The 但し書き box offers the text given; nobody answers it, so the offer stands.
    PrintRunState state;
    state.receiptProviso = document.forText;
    A4Printer printer;
    TPrintPreview preview;
    messages.messages.clear();
    const bool drawn = document.small ? PP_PRINT_RYOSYUU_S(job, printer, preview, state)
                                      : PP_PRINT_RYOSYUU(job, printer, preview, state);
    return writeRenderedPages(file, preview, drawn, output, messages);
}

int runEnvelope(const QString &file, const DocumentOptions &document, const RenderOptions &output)
{
    HeadlessPrompter messages;
    OpenedSlip slip(file, messages);
    SlipPrintJob job = headlessPrintJob(slip);
    if (!document.window)
        messages.answeredNo << EnvelopeText::windowQuestion();
    PrintRunState state;
    EnvelopePrinter printer(document.longNo3);
    TPrintPreview preview;
    messages.messages.clear();
    const bool drawn = document.longNo3 ? FUUTOU3_PP(job, printer, preview, state)
                                        : FUUTOU_PP(job, printer, preview, state);
    return writeRenderedPages(file, preview, drawn, output, messages);
}

#include "preview_commands.h"

#include "common/prompter.h"
#include "print/print_framework.h"
#include "settings/print_ini.h"

namespace {

void printReceipt(PreviewHost &host)
{
    runReceiptPrint(host);
    host.forgetReceiptProviso();
}

void printSlip(PreviewHost &host)
{
    host.recalculate();
    host.printSlip();
    prompter().setBusy(false);
}

} // namespace

PreviewMode previewMode(bool receiptPreview, bool envelopePreview, bool statementShown)
{
    if (receiptPreview)
        return PreviewMode::Receipt;
    if (envelopePreview)
        return PreviewMode::Envelope;
    if (statementShown)
        return PreviewMode::Statement;
    return PreviewMode::Slip;
}

bool isMissingHonorific(const QString &honorific)
{
    return honorific.isEmpty() || honorific == QStringLiteral(" ") ||
           honorific == QStringLiteral("　");
}

void printFromPreview(PreviewMode mode, PreviewHost &host)
{
    switch (mode) {
    case PreviewMode::Receipt:
        printReceipt(host);
        break;
    case PreviewMode::Envelope:
        runEnvelopePrint(host);
        break;
    case PreviewMode::Statement:
        runStatementPrint(host);
        break;
    case PreviewMode::Slip:
        printSlip(host);
        break;
    }
}

void runStatementPrint(PreviewHost &host)
{
    // A run stopped by a wrong issue date or a cancelled printer dialog printed nothing: it
    // uses up no number and needs no reminder.
    if (!host.printStatement(PrintIni::statementForm2.on()))
        return;
    host.advanceSlipNumber();
    host.processPendingEvents();
    prompter().information(PreviewText::checkAgainstCopy());
    prompter().setBusy(false);
}

void runReceiptPrint(PreviewHost &host)
{
    // A receipt without an honorific is how a blank receipt is printed, so this only warns.
    if (isMissingHonorific(host.honorific()))
        prompter().information(PreviewText::noHonorificReceipt());
    host.printReceipt(PrintIni::smallReceipt.on());
    prompter().setBusy(false);
}

void runEnvelopePrint(PreviewHost &host)
{
    if (isMissingHonorific(host.honorific()))
        prompter().information(PreviewText::noHonorific());
    if (!prompter().question(PreviewText::envelopeQuestion()))
        return;
    host.printEnvelope(PrintIni::longEnvelope.on());
    prompter().setBusy(false);
}

void runReceiptPreview(bool &previewCancelled, PreviewHost &host)
{
    previewCancelled = true;
    host.previewReceipt(PrintIni::smallReceipt.on());
    if (!previewCancelled)
        host.openPreviewWindowFor(PreviewMode::Receipt);
    prompter().setBusy(false);
}

void runEnvelopePreview(bool &previewCancelled, PreviewHost &host)
{
    previewCancelled = true;
    host.previewEnvelope(PrintIni::longEnvelope.on());
    if (!previewCancelled)
        host.openPreviewWindowFor(PreviewMode::Envelope);
    prompter().setBusy(false);
}

void runSlipPreview(bool &previewCancelled, PreviewHost &host)
{
    previewCancelled = true;
    if (host.statementShown()) {
        host.previewStatement(PrintIni::statementForm2.on());
        if (!previewCancelled)
            host.openPreviewWindow();
        return;
    }
    host.recalculate();
    host.previewSlip();
    if (!previewCancelled) {
        host.openPreviewWindow();
        prompter().setBusy(false);
    }
}

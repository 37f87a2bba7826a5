#include "preview_commands.h"

#include "common/prompter.h"
#include "print/print_framework.h"
#include "settings/print_ini.h"

namespace {

void printReceipt(PreviewHost &host)
{
    // A receipt without an honorific is how a blank receipt is printed, so this only warns.
    if (isMissingHonorific(host.honorific()))
        prompter().information(PreviewText::noHonorificReceipt());
    host.printReceipt(PrintIni::smallReceipt.on());
    host.forgetReceiptProviso();
    prompter().setBusy(false);
}

void printEnvelope(PreviewHost &host)
{
    if (isMissingHonorific(host.honorific()))
        prompter().information(PreviewText::noHonorific());
    if (!prompter().question(PreviewText::envelopeQuestion()))
        return;
    host.printEnvelope(PrintIni::longEnvelope.on());
    prompter().setBusy(false);
}

void printStatement(PreviewHost &host)
{
    host.printStatement(PrintIni::statementForm2.on());
    host.advanceSlipNumber();
    host.processPendingEvents();
    prompter().information(PreviewText::checkAgainstCopy());
    prompter().setBusy(false);
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
        printEnvelope(host);
        break;
    case PreviewMode::Statement:
        printStatement(host);
        break;
    case PreviewMode::Slip:
        printSlip(host);
        break;
    }
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

#include "preview_commands.h"

#include "common/prompter.h"
#include "print/print_framework.h"
#include "settings/print_ini.h"

namespace {

void printReceipt(const PreviewPrintSteps &steps)
{
    // A receipt without an honorific is how a blank receipt is printed, so this only warns.
    if (isMissingHonorific(steps.honorific()))
        prompter().information(PreviewText::noHonorificReceipt());
    steps.printReceipt(PrintIni::flag(QStringLiteral("[領収証小]=")));
    steps.forgetReceiptProviso();
    prompter().setBusy(false);
}

void printEnvelope(const PreviewPrintSteps &steps)
{
    if (isMissingHonorific(steps.honorific()))
        prompter().information(PreviewText::noHonorific());
    if (!prompter().question(PreviewText::envelopeQuestion()))
        return;
    steps.printEnvelope(PrintIni::flag(QStringLiteral("[封筒長形３号]=")));
    prompter().setBusy(false);
}

void printStatement(const PreviewPrintSteps &steps)
{
    steps.printStatement(PrintIni::flag(QStringLiteral("[書式２号]=")));
    steps.advanceSlipNumber();
    if (steps.processPendingEvents)
        steps.processPendingEvents();
    prompter().information(PreviewText::checkAgainstCopy());
    prompter().setBusy(false);
}

void printSlip(const PreviewPrintSteps &steps)
{
    steps.recalculate();
    steps.printSlip();
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

void printFromPreview(PreviewMode mode, const PreviewPrintSteps &steps)
{
    switch (mode) {
    case PreviewMode::Receipt:
        printReceipt(steps);
        break;
    case PreviewMode::Envelope:
        printEnvelope(steps);
        break;
    case PreviewMode::Statement:
        printStatement(steps);
        break;
    case PreviewMode::Slip:
        printSlip(steps);
        break;
    }
}

void runSlipPreview(bool &previewCancelled, const SlipPreviewSteps &steps)
{
    previewCancelled = true;
    if (steps.statementShown()) {
        steps.previewStatement(PrintIni::flag(QStringLiteral("[書式２号]=")));
        if (!previewCancelled)
            steps.openPreviewWindow();
        return;
    }
    steps.recalculate();
    steps.previewSlip();
    if (!previewCancelled) {
        steps.openPreviewWindow();
        prompter().setBusy(false);
    }
}

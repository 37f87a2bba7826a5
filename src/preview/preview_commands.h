#pragma once

#include <QString>

#include <functional>

// The commands that lead into and out of the preview window and need the main window's
// slip: the preview command of the toolbar, and printing the previewed document from the
// preview's own 印刷 button. The main window supplies the steps that touch its controls
// and layouts; the order of the steps, the checks and the messages live here.

// What the preview window is showing, decided in this order: a receipt, an envelope, the
// itemized statement (while the statement grid is shown), else the slip.
enum class PreviewMode { Receipt, Envelope, Statement, Slip };

PreviewMode previewMode(bool receiptPreview, bool envelopePreview, bool statementShown);

// True when the honorific box holds nothing, one blank or one ideographic blank.
bool isMissingHonorific(const QString &honorific);

namespace PreviewText {
inline QString noHonorific()
{
    return QStringLiteral("敬称がありません。\r\n");
}
inline QString noHonorificReceipt()
{
    return QStringLiteral("敬称がありません。白紙領収証の場合は続けてください。");
}
inline QString envelopeQuestion()
{
    return QStringLiteral("封筒に宛名を印字します。\r\n");
}
inline QString checkAgainstCopy()
{
    return QStringLiteral("提出前に納品書の控えと必ず照合してください。\r\n");
}
} // namespace PreviewText

// The main window's part of printing from the preview. Each layout hook receives the
// choice PRINT.INI makes for it.
struct PreviewPrintSteps
{
    std::function<QString()> honorific;               // KEISYOU's text
    std::function<void(bool small)> printReceipt;     // "[領収証小]=1": the small receipt
    std::function<void()> forgetReceiptProviso;       // the remembered 但し書き
    std::function<void(bool longNo3)> printEnvelope;  // "[封筒長形３号]=1": 長形3号
    std::function<void(bool formNo2)> printStatement; // "[書式２号]=1": form No. 2
    std::function<void()> advanceSlipNumber;          // after a statement
    std::function<void()> processPendingEvents;       // optional: let the job's windows settle
    std::function<void()> recalculate;                // Keisan
    // The slip print of the print framework (printSlip): it refuses a slip without a kind
    // with its message and runs the layout chosen in PRN_S.
    std::function<void()> printSlip;
};

// The preview's 印刷 button: prints the document being previewed for real. The preview
// window stays open afterwards.
void printFromPreview(PreviewMode mode, const PreviewPrintSteps &steps);

// The main window's part of the preview command.
struct SlipPreviewSteps
{
    std::function<bool()> statementShown;               // SG0 visible
    std::function<void(bool formNo2)> previewStatement; // PP_PRINT36_MEISAI(_2)
    std::function<void()> recalculate;                  // Keisan
    // The slip preview of the print framework (previewSlip): reminds of a missing
    // honorific, refuses a slip without a kind and records the PP_ twin of PRN_S.
    std::function<void()> previewSlip;
    std::function<void()> openPreviewWindow; // a fresh TPREV, modal
};

// The ﾌﾟﾚﾋﾞｭｰ command. previewCancelled is the main window's flag: set here, cleared by a
// page producer once its printer setup was confirmed. The window opens only when it was
// cleared, so a refused setup shows nothing.
void runSlipPreview(bool &previewCancelled, const SlipPreviewSteps &steps);

#pragma once

#include <QString>

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

// What the preview commands need of the main window: the steps that touch its controls and
// layouts. Each layout step receives the choice PRINT.INI makes for it.
class PreviewHost
{
public:
    virtual ~PreviewHost() = default;

    virtual QString honorific() const = 0; // KEISYOU's text
    virtual void recalculate() = 0;        // Keisan

    // Printing from the preview.
    virtual void printReceipt(bool small) = 0;    // "[領収証小]=1": the small receipt
    virtual void forgetReceiptProviso() = 0;      // the remembered 但し書き
    virtual void printEnvelope(bool longNo3) = 0; // "[封筒長形３号]=1": 長形3号
    // "[書式２号]=1": form No. 2. True when the statement was printed.
    virtual bool printStatement(bool formNo2) = 0;
    virtual void advanceSlipNumber() = 0; // after a statement

    virtual void processPendingEvents() = 0; // let the print job's windows settle
    // The slip print of the print framework (printSlip): it refuses a slip without a kind
    // with its message and runs the layout chosen in PRN_S.
    virtual void printSlip() = 0;

    // The preview command.
    virtual bool statementShown() const = 0;         // SG0 visible
    virtual void previewStatement(bool formNo2) = 0; // PP_PRINT36_MEISAI(_2)
    // The slip preview of the print framework (previewSlip): reminds of a missing
    // honorific, refuses a slip without a kind and records the PP_ twin of PRN_S.
    virtual void previewSlip() = 0;
    virtual void openPreviewWindow() = 0; // a fresh TPREV, modal

    // The right buttons of 領収証 and 封筒.
    virtual void previewReceipt(bool small) = 0;    // PP_PRINT_RYOSYUU(_S)
    virtual void previewEnvelope(bool longNo3) = 0; // FUUTOU(3)_PP
    // A fresh TPREV in the receipt or envelope preview mode, which its 印刷 button follows;
    // the mode ends when the window closes.
    virtual void openPreviewWindowFor(PreviewMode mode) = 0;
};

// The preview's 印刷 button: prints the document being previewed for real. The preview
// window stays open afterwards.
void printFromPreview(PreviewMode mode, PreviewHost &host);

// The print command while the statement grid is shown, and the preview's 印刷 button on a
// statement: the statement form PRINT.INI chooses, then, once it is printed, the slip number
// advances and the reminder to check it against the copies of the delivery notes follows.
void runStatementPrint(PreviewHost &host);

// The left buttons of 領収証 and 封筒: the honorific reminder (and for the envelope the
// question whether to print the address at all), then the printer version of the layout
// PRINT.INI chooses.
void runReceiptPrint(PreviewHost &host);
void runEnvelopePrint(PreviewHost &host);
// Their right buttons: the preview twin, then the preview window in receipt or envelope
// preview mode when the twin cleared previewCancelled.
void runReceiptPreview(bool &previewCancelled, PreviewHost &host);
void runEnvelopePreview(bool &previewCancelled, PreviewHost &host);

// The ﾌﾟﾚﾋﾞｭｰ command. previewCancelled is the main window's flag: set here, cleared by a
// page producer once its printer setup was confirmed. The window opens only when it was
// cleared, so a refused setup shows nothing.
void runSlipPreview(bool &previewCancelled, PreviewHost &host);

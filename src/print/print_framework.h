#pragma once

#include "layout_painter.h"
#include "print_canvas.h"
#include "print_preview.h"
#include "printer_device.h"
#include "slip/money.h"
#include "slip/slip_header.h"
#include "slip/tax_rates.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

class StringGrid;

// Slip kinds: 1 納品書, 2 請求書, 3 受領書, 4 伝票控, 5 発注書, 6 見積依頼書.
struct SlipKindCaptions
{
    QString hatyuu = QStringLiteral("発注書");   // caption of the HATYUU check box
    QString irai = QStringLiteral("見積依頼書"); // caption of the IRAI check box
};
QString slipKindTitle(int kind, const SlipKindCaptions &captions);
QColor slipKindColour(int kind);
// One digit per checked kind, in code order ("124").
QString slipKindList(const SlipHeader &header);

// The item grid columns a kind prints its unit price and amount from; -1 for none.
struct AmountColumns
{
    int price = -1;
    int amount = -1;
};
AmountColumns amountColumns(int kind);

// One slip image of a run: the kind, the first item row and the page number.
struct SlipImage
{
    int kind = 0;
    int firstRow = 1;
    int pageNumber = 1;
};

// The images of a run in print order: for every block of rows each kind of the list.
// rowCount is the grid's row count with the title row; lastUsedRow from lastUsedRow().
std::vector<SlipImage> slipImages(const QString &kindList, int rowCount, int lastUsedRow,
                                  int rowsPerSlip);

// The slip number as printed on an image: as typed on page 1, "-n" appended after.
QString pagedSlipNumber(const QString &number, int pageNumber);

// Sums of the amounts of one slip image.
struct PageSums
{
    Money total;
    Money taxable;
    RateSums byRate; // the taxable amounts by rate, as add() builds them

    // Adds a printed amount with the mark of its row (item grid column 3).
    void add(Money amount, const QString &mark);
    // The taxable total split by rate: what is not reduced is at the standard rate, so sums
    // built from total and taxable alone tax as one standard-rate total.
    RateSums rateSums() const;
};

struct TotalsBox
{
    QString line1;
    QString line2; // empty when the mode has no second line
    QString line3;
};

struct TotalsOptions
{
    int roundingMode = 0; // "[端数処理]=": 1 round up, 2 round half up, else truncate
    bool kakko = false;   // "[かっこ]=1": the inclusive tax in parentheses (kinds 1 to 4)
    TaxRates rates;       // the tax of each rate is taken from that rate's total
};

TotalsBox totalsBox(TaxMode mode, int kind, const PageSums &sums, const TotalsOptions &options);

// Qualified invoices ("[適格請求書]=1"): the issuer's registration number in the company
// block, "※" after reduced-rate items with the note under the table, and one line per rate
// with its total and its tax.
struct QualifiedInvoice
{
    bool on = false;
    QString registrationNumber; // "[登録番号]="

    static QualifiedInvoice fromPrintIni();
    // "登録番号 T1234567890123"; empty while the block is off or has no number.
    QString registrationLine() const;
    // Whether a slip kind carries the block: the seller's documents 納品書, 請求書, 受領書 and
    // 伝票控, not the purchase order and the request for quotation sent to a supplier.
    bool coversKind(int kind) const;
};

inline constexpr char16_t reducedRateItemMark = u'※';
// Printed under the items of a page that has a reduced-rate line.
QString reducedRateNote();

// One line per rate present: "10%対象 ¥12,000 消費税 ¥1,200", on an inclusive slip
// "8%対象 ¥1,080 内消費税 ¥80"; none when exempt.
QStringList perRateLines(TaxMode mode, const RateSums &sums, const TotalsOptions &options);
// The same lines for totals and taxes already worked out.
QStringList perRateLines(TaxMode mode, const QList<RateTax> &byRate);

// The index of the last item row whose cells after column 0 are not all empty; 0 when none.
int lastUsedRow(const StringGrid &items);

// What the itemized statement asked last, offered again at the next statement run.
struct StatementAnswers
{
    QString issueDate;
    QString period;
    QString payDate;
    std::optional<qint64> previous; // form 2: the previous billing, when entered
    std::optional<qint64> received; // form 2: the amount received, when entered
};

// The run state the main window keeps across a print or preview command.
struct PrintRunState
{
    bool previewCancelled = false;
    // The receipt's 但し書き, offered again at the next receipt run.
    QString receiptProviso;
    StatementAnswers statement = {};
};

// What the printer preparation settled for the run.
struct PreparedRun
{
    bool a5Mode = false;
    PrinterMetrics metrics;
    LayoutScale scale;
};

// The question a slip layout's printer version asks first: "内税伝票(5行)を印刷します。".
QString slipConfirmation(TaxMode mode, int rows);

// A printer choice file: the printer, paper and orientation remembered for a group of
// layouts, three settings lines written whole.
struct PrinterChoice
{
    // "PRINT24.INI" or "PRINT7.INI" with the keys "[ORIENT]=", "[PRINTER]=", "[PAPER]=".
    PrinterChoice(const QString &fileName);
    // "PRINTF.INI" of the long envelope with "[封筒ORIENT]=", "[封筒PRINTER]=", "[封筒PAPER]=".
    static PrinterChoice longEnvelope();

    QString fileName;
    QString orientKey = QStringLiteral("[ORIENT]=");
    QString printerKey = QStringLiteral("[PRINTER]=");
    QString paperKey = QStringLiteral("[PAPER]=");
};

// The printer choice file of a slip layout group ("PRINT24.INI", "PRINT7.INI").
QString printerChoiceFile(bool a5Mode);
// Applies the remembered printer, paper and orientation; each one that the printer does
// not have is skipped.
void applyPrinterChoice(PrinterDevice &printer, const PrinterChoice &choice);
void writePrinterChoice(const PrinterDevice &printer, const PrinterChoice &choice);

// The setup every layout with a printer choice file shares: the remembered choice applied,
// the setup dialog, colour on where the printer has it, the choice written back (unless
// writeChoice is false). The page metrics the dialog settled; nothing when it was cancelled.
std::optional<PrinterMetrics> setUpPrinter(PrinterDevice &printer, const PrinterChoice &choice,
                                           bool writeChoice = true);
// setUpPrinter without applying a remembered choice first: the setup dialog, colour on where
// the printer has it, and the choice written to writeBack when one is given.
std::optional<PrinterMetrics> confirmPrinterSetup(PrinterDevice &printer,
                                                  const PrinterChoice *writeBack);

// The preparation of the 5- and 7-row slip layouts: A5 mode, the printer choice file, the
// setup dialog (nothing when cancelled), scales, colour and the choice file written back.
// Ticks header.A5 in A5 mode.
std::optional<PreparedRun> prepareSlipRun(PrinterDevice &printer, SlipHeader &header);
// The preparation of the 24- and 36-row slips, which know no A5 mode: portrait, the choice
// file "PRINT24.INI", the setup dialog (nothing when cancelled), scales over the A4 grid,
// colour and the choice file written back.
std::optional<PreparedRun> prepareA4SlipRun(PrinterDevice &printer);
// prepareSlipRun with the preview cancelled flag cleared once the dialog was confirmed, as
// the layout runner does.
std::optional<PreparedRun> prepareSlipPrinter(PrinterDevice &printer, SlipHeader &header,
                                              PrintRunState &state);

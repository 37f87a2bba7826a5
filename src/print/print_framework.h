#pragma once

#include "print_canvas.h"
#include "print_preview.h"
#include "printer_device.h"
#include "slip/money.h"
#include "slip/slip_header.h"

#include <QColor>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class StringGrid;

// The page grid of every layout: 2878 units across and 4066 down an A4 sheet (2033 down in
// A5 mode, where the half-page layout fills the sheet), scaled to the printer's page.
constexpr int layoutUnitsAcross = 2878;
constexpr int layoutUnitsDown = 4066;
constexpr int layoutUnitsDownA5 = 2033;

struct LayoutScale
{
    float H = 1;
    float V = 1;
};

LayoutScale layoutScale(int pageWidth, int pageHeight, bool a5Mode);

// Device position of layout units with the image's device offsets.
struct Placement
{
    LayoutScale scale;
    int xo = 0;
    int yo = 0;

    int x(double units) const;
    int y(double units) const;
};

// Offsets from millimetre keys: whole-millimetre keys cut after scaling; decimal keys
// ("[切取位置]=" and the like) read as decimal numbers, scaled and cut to their integer part.
int wholeMmOffset(const QString &key, float scale);
int decimalMmOffset(const QString &key, float scale);

// Corner size and frame pen width of the slip, statement and receipt frames (device pixels).
struct FrameSettings
{
    int corner = 30;
    int width = 8;
};
FrameSettings readFrameSettings();

// Slip kinds: 1 納品書, 2 請求書, 3 受領書, 4 伝票控, 5 発注書, 6 見積依頼書.
struct SlipKindCaptions
{
    QString hatyuu = QStringLiteral("発注書");   // caption of the HATYUU check box
    QString irai = QStringLiteral("見積依頼書"); // caption of the IRAI check box
};
QString slipKindTitle(int kind, const SlipKindCaptions &captions);
QColor slipKindColor(int kind);
QColor dataColor();
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
};

TotalsBox totalsBox(TaxMode mode, int kind, const PageSums &sums, const TotalsOptions &options);

// Lowers the font size until the text fits width pixels, down to 2 points; returns the
// size set on the canvas.
int shrinkToFit(PrintCanvas &canvas, const QString &text, int width);
// Splits a text that does not fit into two lines: the first line is the longest start that
// fits width, the second the rest (at most 100 characters).
std::pair<QString, QString> splitTwoLines(const PrintCanvas &canvas, const QString &text,
                                          int width);

// The index of the last item row whose cells after column 0 are not all empty; 0 when none.
int lastUsedRow(const StringGrid &items);

// The run state the main window keeps across a print or preview command.
struct PrintRunState
{
    bool previewCancelled = false;
};

// What the printer preparation settled for the run.
struct PreparedRun
{
    bool a5Mode = false;
    PrinterMetrics metrics;
    LayoutScale scale;
};

// The printer choice file of a layout group ("PRINT24.INI", "PRINT7.INI").
QString printerChoiceFile(bool a5Mode);
// Applies the remembered printer, paper and orientation; each one that the printer does
// not have is skipped.
void applyPrinterChoice(PrinterDevice &printer, const QString &fileName);
void writePrinterChoice(const PrinterDevice &printer, const QString &fileName);

// The preparation of the slip layouts: A5 mode, the printer choice file, the setup dialog
// (nothing when cancelled), scales, colour, the choice file written back and the preview
// cancelled flag cleared. Ticks header.A5 in A5 mode.
std::optional<PreparedRun> prepareSlipPrinter(PrinterDevice &printer, SlipHeader &header,
                                              PrintRunState &state);

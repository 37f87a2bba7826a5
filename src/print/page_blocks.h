#pragma once

#include "print_framework.h"
#include "print_job.h"

#include <QImage>

#include <optional>

// The fixed blocks around the item table of every slip page: title, address frame, slip
// number and date, customer, company block with logo and free lines, lead sentence, and
// the bank lines. Positions are layout units placed with the image's LayoutPainter.

// What the blocks of one slip image show; the painter places them and gives the kind
// colour and the frames.
struct SlipPageInfo
{
    const SlipHeader *header = nullptr;
    int kind = 1;
    QString title;
    int pageNumber = 1;
    // 11 points, 10 on the lower slip of a two-slip sheet and on the long slips.
    int numberLabelPoints = 11;
    // The label before the number: "伝票№" on slips, "請求№" on statements.
    QString numberLabel = QStringLiteral("伝票№");
    // The lead sentence's y: 770 on 5- and 7-row slips, 780 on the long slips.
    int leadY = 770;
    QImage logo;
    SlipKindCaptions captions;
    // "登録番号 T…" of a qualified invoice; empty for none.
    QString registrationLine;
};

// The blocks of one image of a slip run; the layout sets the sizes and places of its own.
SlipPageInfo slipPageInfo(const SlipPrintJob &job, const SlipImage &image);

// The logo picture named by "[ロゴ]=": empty when the key is empty or the file is missing
// or cannot be read (never a message; the slips simply print without it). A path written
// on Windows with "\" separators is tried with "/" as well.
QImage loadLogoPicture();
// The file a picture key names, as it exists here: the path as stored, or written on
// Windows with "\" separators and tried with "/"; empty when neither exists.
QString existingPictureFile(const QString &path);

// The device offsets of the window-envelope mode ("[住所枠窓付き封筒用]=1"); all 0 outside it.
struct WindowEnvelopeOffsets
{
    int WX = 0;
    int WY = 0;
    int WT = 0;
};
WindowEnvelopeOffsets windowEnvelopeOffsets(const LayoutScale &scale);

// The blocks in their order: title, address frame, slip number, customer, company, lead.
void drawSlipPageBlocks(LayoutPainter &painter, const SlipPageInfo &page);
// The same without the lead sentence, for the long slips, whose lead sentence and table
// stand on their own vertical offset.
void drawSlipHeaderBlocks(LayoutPainter &painter, const SlipPageInfo &page);

void drawTitle(LayoutPainter &painter, const SlipPageInfo &page, const WindowEnvelopeOffsets &w);
void drawAddressFrame(LayoutPainter &painter, const WindowEnvelopeOffsets &w);
void drawSlipNumberBlock(LayoutPainter &painter, const SlipPageInfo &page);
void drawCustomerBlock(LayoutPainter &painter, const SlipPageInfo &page,
                       const WindowEnvelopeOffsets &w);
void drawCompanyBlock(LayoutPainter &painter, const SlipPageInfo &page);
void drawLeadSentence(LayoutPainter &painter, const SlipPageInfo &page);

// Where a document puts the company block: the base of its x, the base y of each line, in
// the document's units, and how many of those units one millimetre of a LEFT or TOP key is.
// A slip has every line; receipts and envelopes leave some out (nullopt).
struct CompanyBlockGeometry
{
    double baseX = 1700;
    // Where the name, branch, postal code, addresses and telephone start when not at baseX
    // (the statements set them 20 units right of the logo, free lines and fax).
    std::optional<double> textBaseX;
    double keyUnits = 14;
    std::optional<double> logoY = 200;
    std::optional<double> freeLine1Y = 280;
    std::optional<double> freeLine2Y = 320;
    double nameY = 360;
    // Empty: the name keeps the face in effect unless "[社名FONT]=" names one.
    QString nameFace = QStringLiteral("ＭＳ ゴシック");
    double branchY = 440;
    double postalY = 500;
    double addressY = 560;
    double address2Y = 620;
    double telY = 680;
    std::optional<double> faxY = 740;
    // The registration number of a qualified invoice, right-aligned under the block where
    // the fax line leaves the right end free; empty text for none.
    QString registrationLine;
    double registrationY = 775;
    double registrationRight = 2700;
};

// The company block in the font colour set on the canvas. Returns the device y of the
// company name.
int drawCompanyLines(PrintCanvas &canvas, const Placement &place, const QImage &logo,
                     const CompanyBlockGeometry &geometry);

// The lead sentence of a kind; empty when the kind has none.
QString leadSentence(int kind, const SlipKindCaptions &captions);

// The bank lines at (x, y) in layout units (kinds 2 and 4; the layouts call it after their
// totals).
void drawBankBlock(LayoutPainter &painter, int x, int y);

// Draws the narrower of two free lines spread to the wider one's width.
void drawFreeLines(PrintCanvas &canvas, const QString &text1, int x1, int y1, const QString &text2,
                   int x2, int y2);

#pragma once

#include "layout_painter.h"
#include "print_framework.h"
#include "print_job.h"

#include <optional>

// The item table of the slip layouts: its frame, row and column lines,
// the column titles in the header band and the item rows, which build the page sums.
// Positions are layout units of the image's painter.

struct ItemTableGeometry
{
    int top = 830;         // the frame's top; the header band is the 120 units below it
    int bottom = 1550;     // the frame's bottom, where the column lines end
    int rows = 5;          // rows per image
    int rowPitch = 120;    // the height of a row band
    int minimumPoints = 8; // item names and shapes shrink to this size, then split in two
    int firstLine = 15;    // the two lines of a split text, from the band's top
    int secondLine = 65;
    // The narrow rows of the 36-row slip: the row lines after the first dotted at 1 pixel,
    // the column lines solid at 2 pixels whatever pen the lines before them left.
    bool dottedRowLines = false;
};

// The shape-and-size column of "[形状幅]=": its device width SHW (0: not shown) and the
// right edge of the item-name column in layout units.
struct ShapeColumn
{
    int SHW = 0;
    int nameRight = 1600;
};
ShapeColumn readShapeColumn(float H);

// The titles of the item name and shape columns at device y: the name centred from left to
// the shape column, which takes the SHW pixels before right (layout units); without a shape
// column (SHW 0) the name reaches right. The shape title shrinks into its column.
void drawNameAndShapeTitles(LayoutPainter &painter, int y, int left, int right, int SHW);

// An item name in its row band, from left to right (layout units): leading full-width spaces
// indent it by their width; it shrinks to fit, down to minimumPoints, and below that is
// split into the band's two lines at that size. Drawn in the data text font, whose face is
// "ＭＳＰ ゴシック" unless "[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]=" names another.
void drawItemNameText(LayoutPainter &painter, const QString &cellText, int left, int right,
                      const RowBand &band, int minimumPoints);

class SlipItemTable
{
public:
    SlipItemTable(LayoutPainter &painter, const SlipPrintJob &job, int kind,
                  const ItemTableGeometry &geometry, const ShapeColumn &shape);

    // The frame in the kind colour, the row lines (the first with the frame width, the
    // others 2 pixels or dotted; on kind 3 they stop at the stamp column), the dotted
    // shape-column line and the column lines.
    void drawLines();
    void drawColumnTitles();
    // The rows from firstRow on, as many as the table has and the grid holds; returns the
    // sums of the amounts printed.
    PageSums drawRows(int firstRow);
    // A qualified invoice's note on the "※" of reduced-rate items: whether the rows from
    // firstRow on that the table prints hold a reduced-rate amount of a kind with the block.
    bool printsReducedRateNote(int firstRow) const;
    // A qualified invoice's total and tax of each rate, when the kind carries the block and
    // prints totals; none otherwise.
    QStringList qualifiedRateLines(const PageSums &sums) const;

    // The totals strip under the table of the 7-, 24- and 36-row slips: its boxes and the
    // labels written as two characters one above the other ("内"/"税" for the tax when
    // inclusiveLabel), then the values of the totals box in one line.
    void drawTotalsStrip(bool inclusiveLabel);
    void drawTotalsStripValues(const TotalsBox &values);
    // The totals of the image's sums, or nothing where none are printed: on 受領書 and
    // 見積依頼書, and for a zero total unless "[ゼロ印字]=" is on.
    std::optional<TotalsBox> printedTotals(const PageSums &sums, bool kakko) const;

private:
    // Tax-exempt slips print one total on every kind but 6.
    bool exemptTotals() const;
    void stackedLabel(int x, const QString &top, const QString &bottom);
    int headerBottom() const { return m_geometry.top + 120; }
    void drawItemName(const QString &cellText, const QString &shape, const RowBand &band);
    // The item name as printed: "※" after a reduced-rate item of a qualified invoice.
    QString itemName(int row) const;
    // Kinds 3 and 6 print no totals, nor does a zero total without the zero-print flag.
    bool printsTotals(const PageSums &sums) const;
    TotalsOptions totalsOptions(bool kakko) const;

    LayoutPainter &m_p;
    const SlipPrintJob &m_job;
    int m_kind;
    ItemTableGeometry m_geometry;
    ShapeColumn m_shape;
};

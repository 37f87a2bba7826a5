#pragma once

#include "print_canvas.h"
#include "settings/print_ini.h"

#include <QColor>
#include <QString>

#include <utility>

// What every layout draws with: the layout-unit grid and its placement on the device page,
// offsets from PRINT.INI, the fonts of fixed texts, data texts and numbers, fitted texts,
// the kind colour and the frames.

// The page grid of the slip layouts: 2878 units across and 4066 down an A4 sheet (2033 down
// in A5 mode, where the half-page layout fills the sheet), scaled to the printer's page.
// Other layouts compute their own scales into a LayoutScale (the envelope's grid turned
// sideways, tenths of a millimetre).
constexpr int layoutUnitsAcross = 2878;
constexpr int layoutUnitsDown = 4066;
constexpr int layoutUnitsDownA5 = 2033;

// Device pixels per layout unit, as single-precision floats.
struct LayoutScale
{
    float H = 1;
    float V = 1;
};

LayoutScale layoutScale(int pageWidth, int pageHeight, bool a5Mode);

// Device position of layout units with the image's device offsets. A block drawn away from
// its usual place (the receipt's company block) is shifted in layout units, before scaling.
struct Placement
{
    LayoutScale scale;
    int xo = 0;
    int yo = 0;
    double shiftX = 0;
    double shiftY = 0;

    int x(double units) const;
    int y(double units) const;
};

// Offsets from millimetre keys: whole-millimetre keys cut after scaling; decimal keys
// ("[切取位置]=", "[5/7yBase1]=" and the like) read as decimal numbers, scaled and cut to
// their integer part.
int wholeMmOffset(const PrintIni::IntegerKey &key, float scale);
int decimalMmOffset(const PrintIni::NumberKey &key, float scale);

// Corner size and frame pen width of the slip, statement and receipt frames (device pixels).
struct FrameSettings
{
    int corner = 30;
    int width = 8;
};
FrameSettings readFrameSettings();

// The face of the fixed texts: "ＭＳ ゴシック" unless "[固定文字ﾌｫﾝﾄFONT]=" names another.
QString fixedFontFace();
// Sets the face of a font key on the canvas when the key is not empty; an empty key leaves
// the face of the text drawn before.
void applyFontKey(PrintCanvas &canvas, const PrintIni::FontKey &fontKey);
// The fixed font, normal style, at points.
void useFixedFont(PrintCanvas &canvas, int points);
// The data colour "[DATA色]=" of item texts, numbers and the customer block.
QColor dataColour();

// The sizes a printed font takes; a size from a settings file is held to them.
constexpr int minimumFontPoints = 1;
constexpr int maximumFontPoints = 100;

// Lowers the font size until the text fits width pixels, down to 2 points; returns the
// size set on the canvas. A size outside 1 to 100 points is first brought inside.
int shrinkToFit(PrintCanvas &canvas, const QString &text, int width);
// Splits a text that does not fit into two lines: the first line is the longest start that
// fits width, the second the rest (at most 100 characters).
std::pair<QString, QString> splitTwoLines(const PrintCanvas &canvas, const QString &text,
                                          int width);

// A band of an item table in layout units: texts are centred in it, a text split in two
// lines goes to the two line offsets from its top.
struct RowBand
{
    int top = 0;
    int height = 120;
    int firstLine = 15;
    int secondLine = 65;
};

// Draws one image of a layout: positions in layout units placed with the image's offsets,
// frames with the corner and pen width of the run, in the image's kind colour.
class LayoutPainter
{
public:
    LayoutPainter(PrintCanvas &canvas, const Placement &place, const FrameSettings &frame,
                  const QColor &kindColour);

    PrintCanvas &canvas() { return m_canvas; }
    const Placement &place() const { return m_place; }
    const FrameSettings &frame() const { return m_frame; }
    const QColor &kindColour() const { return m_kindColour; }
    double H() const { return m_place.scale.H; }
    double V() const { return m_place.scale.V; }
    int x(double units) const { return m_place.x(units); }
    int y(double units) const { return m_place.y(units); }

    // A solid pen in the kind colour; the frame pen has the frame width.
    void useKindPen(int width);
    void useFramePen() { useKindPen(m_frame.width); }
    // A 1-pixel dotted pen in the colour given (the pen colour in effect by default).
    void useDottedPen(const QColor &colour);
    void useDottedPen() { useDottedPen(m_canvas.pen().colour); }

    // A text with its top-left corner at a point in layout units.
    void text(double x, double y, const QString &text);
    // A line between two points in layout units.
    void line(double x1, double y1, double x2, double y2);
    // A rounded rectangle with the frame's corners between two points in layout units.
    void frameBox(double x1, double y1, double x2, double y2);
    // The punch-hole guide of the slips: a dotted black 1-pixel line from the sheet's left
    // edge to 110 units, at a device y, without the image's offsets.
    void punchGuide(int deviceY);

    // Fixed texts in the kind colour; data texts and numbers in the data colour with the
    // faces and sizes of PRINT.INI.
    void useKindFont(int points);
    void useDataTextFont();
    void useNumberFont();

    // The y in layout units that centres a text of height h (pixels) in a band.
    int centredY(int bandTop, int h, int bandHeight = 120) const;
    int centredY(const RowBand &band, int h) const { return centredY(band.top, h, band.height); }
    // Centres a text between two device x; y in device pixels.
    void centreText(int left, int right, int y, const QString &text);
    // A text ending at a right edge in layout units; y in device pixels. Empty texts draw
    // nothing.
    void rightAligned(double rightEdge, int y, const QString &text);
    // Fits a text into width pixels at x (device pixels); below the minimum it goes into two
    // lines of the band at the minimum size, the second one cut where it reaches width, else
    // it is centred in the band. A minimum of 0 never splits.
    void drawFitted(const QString &text, int x, const RowBand &band, int width, int minimum);
    // The longest start of a text that fits width pixels at the current font.
    QString fittedToEdge(const QString &text, int width) const;

private:
    PrintCanvas &m_canvas;
    Placement m_place;
    FrameSettings m_frame;
    QColor m_kindColour;
};

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// What a layout draws with. Everything is in device pixels of the target page; font sizes
// are points at the target's vertical resolution, so the same layout gives the same
// positions on a 600 dpi printer and on a preview page recorded with that printer's metrics.

struct CanvasFont
{
    QString face = QStringLiteral("ＭＳ Ｐゴシック");
    int points = 9;
    bool bold = false;
    QColor colour = Qt::black;

    bool operator==(const CanvasFont &) const = default;
};

enum class CanvasPenStyle { Solid, Dotted };

struct CanvasPen
{
    QColor colour = Qt::black;
    int width = 1;
    CanvasPenStyle style = CanvasPenStyle::Solid;

    bool operator==(const CanvasPen &) const = default;
};

enum class CanvasBrushStyle { Solid, DiagonalCross, Bitmap };

struct CanvasBrush
{
    QColor colour = Qt::white;
    CanvasBrushStyle style = CanvasBrushStyle::Solid;
    QImage pattern; // the tile when style is Bitmap

    bool operator==(const CanvasBrush &) const = default;
};

// The pixel size of a font of the given points on a device of the given resolution, as
// the printer drivers compute it: points × dpi / 72, rounded.
int fontPixelSize(int points, int dpi);

// The QFont that draws a CanvasFont on a device of the given resolution. Hinting is off so
// that measurements do not depend on the device: a preview page and the printed page place
// every right-aligned number at the same pixel.
QFont toQFont(const CanvasFont &font, int dpi);

// Text measurement shared by every canvas kind, for the same reason.
int measureTextWidth(const CanvasFont &font, int dpi, const QString &text);
int measureTextHeight(const CanvasFont &font, int dpi, const QString &text);
int fontAscent(const CanvasFont &font, int dpi);

// A drawing surface for one page. Layout routines draw only through this interface, so
// one routine serves the printer, the preview recorder and image export.
class PrintCanvas
{
public:
    virtual ~PrintCanvas() = default;

    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    const CanvasFont &font() const { return m_font; }
    const CanvasPen &pen() const { return m_pen; }
    const CanvasBrush &brush() const { return m_brush; }
    void setFont(const CanvasFont &font) { m_font = font; }
    void setPen(const CanvasPen &pen) { m_pen = pen; }
    void setBrush(const CanvasBrush &brush) { m_brush = brush; }

    // The single attributes layouts change most.
    void setFontFace(const QString &face) { m_font.face = face; }
    void setFontPoints(int points) { m_font.points = points; }
    void setFontBold(bool bold) { m_font.bold = bold; }
    void setFontColour(const QColor &colour) { m_font.colour = colour; }
    void setPenColour(const QColor &colour) { m_pen.colour = colour; }
    void setPenWidth(int width) { m_pen.width = width; }
    void setPenStyle(CanvasPenStyle style) { m_pen.style = style; }

    // (x, y) is the top-left corner of the text.
    virtual void textOut(int x, int y, const QString &text) = 0;
    int textWidth(const QString &text) const { return measureTextWidth(m_font, dpiY(), text); }
    int textHeight(const QString &text) const { return measureTextHeight(m_font, dpiY(), text); }

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Filled with the brush and outlined with the pen; the right and bottom edges lie
    // just inside x2 and y2.
    virtual void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) = 0;
    // At the bitmap's own pixel size.
    virtual void drawBitmap(int x, int y, const QImage &bitmap) = 0;

private:
    CanvasFont m_font;
    CanvasPen m_pen;
    CanvasBrush m_brush;
};

// A document of pages on some device: the printer's job or the preview recorder.
// Layouts begin it, draw on its canvas, ask for a new page between pages and end it.
class PrintDocument
{
public:
    virtual ~PrintDocument() = default;

    virtual void beginDocument() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    virtual PrintCanvas &pageCanvas() = 0;
};

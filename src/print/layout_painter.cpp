#include "layout_painter.h"

#include <algorithm>
#include <cmath>

LayoutScale layoutScale(int pageWidth, int pageHeight, bool a5Mode)
{
    LayoutScale scale;
    scale.H = float(pageWidth) / float(layoutUnitsAcross);
    scale.V = float(pageHeight) / float(a5Mode ? layoutUnitsDownA5 : layoutUnitsDown);
    return scale;
}

int Placement::x(double units) const
{
    return int(std::trunc((units + shiftX) * double(scale.H) + xo));
}

int Placement::y(double units) const
{
    return int(std::trunc((units + shiftY) * double(scale.V) + yo));
}

int wholeMmOffset(const PrintIni::IntegerKey &key, float scale)
{
    return int(std::trunc(key.value() * 14.0 * double(scale)));
}

int decimalMmOffset(const PrintIni::NumberKey &key, float scale)
{
    return int(std::trunc(key.decimal() * 14.0 * double(scale)));
}

FrameSettings readFrameSettings()
{
    FrameSettings frame;
    frame.corner = PrintIni::cornerSize.value();
    frame.width = PrintIni::frameWidth.value();
    return frame;
}

QString fixedFontFace()
{
    const QString face = PrintIni::fixedFont.face();
    return face.isEmpty() ? QStringLiteral("ＭＳ ゴシック") : face;
}

void applyFontKey(PrintCanvas &canvas, const PrintIni::FontKey &fontKey)
{
    const QString face = fontKey.face();
    if (!face.isEmpty())
        canvas.setFontFace(face);
}

void useFixedFont(PrintCanvas &canvas, int points)
{
    canvas.setFontFace(fixedFontFace());
    canvas.setFontBold(false);
    canvas.setFontPoints(points);
}

QColor dataColour()
{
    return PrintIni::dataColour.value();
}

int shrinkToFit(PrintCanvas &canvas, const QString &text, int width)
{
    canvas.setFontPoints(std::clamp(canvas.font().points, minimumFontPoints, maximumFontPoints));
    const int start = canvas.font().points;
    const int startWidth = canvas.textWidth(text);
    if (startWidth <= width || start <= 2)
        return start;
    // The rule is "one point less until it fits, 2 at the least": the largest size below the
    // start that fits. Widths grow with the size, so one measurement scaled down lands next
    // to that size and a step or two either way settles it, instead of a measurement per
    // point from a size of 100 down.
    const auto widthAt = [&](int points) {
        canvas.setFontPoints(points);
        return canvas.textWidth(text);
    };
    int points = width <= 0 ? 2 : std::clamp(int(double(start) * width / startWidth), 2, start - 1);
    if (widthAt(points) > width) {
        while (points > 2 && widthAt(points - 1) > width)
            --points;
        if (points > 2)
            --points;
    } else {
        while (points + 1 < start && widthAt(points + 1) <= width)
            ++points;
    }
    canvas.setFontPoints(points);
    return points;
}

std::pair<QString, QString> splitTwoLines(const PrintCanvas &canvas, const QString &text, int width)
{
    qsizetype count = 0;
    while (count < text.size() && canvas.textWidth(text.left(count + 1)) <= width)
        ++count;
    return {text.left(count), text.mid(count, 100)};
}

LayoutPainter::LayoutPainter(PrintCanvas &canvas, const Placement &place,
                             const FrameSettings &frame, const QColor &kindColour)
    : m_canvas(canvas)
    , m_place(place)
    , m_frame(frame)
    , m_kindColour(kindColour)
{}

void LayoutPainter::useKindPen(int width)
{
    m_canvas.setPen({m_kindColour, width, CanvasPenStyle::Solid});
}

void LayoutPainter::useDottedPen(const QColor &colour)
{
    m_canvas.setPen({colour, 1, CanvasPenStyle::Dotted});
}

void LayoutPainter::text(double x, double y, const QString &text)
{
    m_canvas.textOut(this->x(x), this->y(y), text);
}

void LayoutPainter::line(double x1, double y1, double x2, double y2)
{
    m_canvas.moveTo(x(x1), y(y1));
    m_canvas.lineTo(x(x2), y(y2));
}

void LayoutPainter::frameBox(double x1, double y1, double x2, double y2)
{
    m_canvas.roundRect(x(x1), y(y1), x(x2), y(y2), m_frame.corner, m_frame.corner);
}

void LayoutPainter::punchGuide(int deviceY)
{
    useDottedPen(Qt::black);
    m_canvas.moveTo(0, deviceY);
    m_canvas.lineTo(int(std::trunc(110 * H())), deviceY);
}

void LayoutPainter::useKindFont(int points)
{
    m_canvas.setFontColour(m_kindColour);
    useFixedFont(m_canvas, points);
}

void LayoutPainter::useDataTextFont()
{
    applyFontKey(m_canvas, PrintIni::dataTextFont);
    m_canvas.setFontBold(false);
    m_canvas.setFontPoints(PrintIni::dataTextSize.value());
    m_canvas.setFontColour(dataColour());
}

void LayoutPainter::useNumberFont()
{
    applyFontKey(m_canvas, PrintIni::dataNumberFont);
    m_canvas.setFontBold(false);
    m_canvas.setFontPoints(PrintIni::dataNumberSize.value());
    m_canvas.setFontColour(dataColour());
}

int LayoutPainter::centredY(int bandTop, int h, int bandHeight) const
{
    return bandTop + int(std::trunc(std::trunc((bandHeight * V() - h) / 2) / V()));
}

void LayoutPainter::centreText(int left, int right, int y, const QString &text)
{
    const int w = m_canvas.textWidth(text);
    m_canvas.textOut(left + (right - left - w) / 2, y, text);
}

void LayoutPainter::rightAligned(double rightEdge, int y, const QString &text)
{
    if (!text.isEmpty())
        m_canvas.textOut(x(rightEdge) - m_canvas.textWidth(text), y, text);
}

void LayoutPainter::drawFitted(const QString &text, int x, const RowBand &band, int width,
                               int minimum)
{
    const int fitted = shrinkToFit(m_canvas, text, width);
    if (minimum <= 0 || fitted >= minimum) {
        m_canvas.textOut(x, y(centredY(band, m_canvas.textHeight(text))), text);
        return;
    }
    m_canvas.setFontPoints(minimum);
    const auto [first, rest] = splitTwoLines(m_canvas, text, width);
    m_canvas.textOut(x, y(band.top + band.firstLine), first);
    // The second line is held to the column as the first is: already at the smallest size
    // the layout allows, so what still does not fit is cut at the column's edge rather than
    // printed across the quantity and price columns or off the page.
    m_canvas.textOut(x, y(band.top + band.secondLine), fittedToEdge(rest, width));
}

QString LayoutPainter::fittedToEdge(const QString &text, int width) const
{
    return splitTwoLines(m_canvas, text, width).first;
}

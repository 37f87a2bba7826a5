#include "print_canvas.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

int fontPixelSize(int points, int dpi)
{
    return int(std::lround(double(points) * dpi / 72.0));
}

QFont toQFont(const CanvasFont &font, int dpi)
{
    QFont result(font.face);
    result.setPixelSize(std::max(1, fontPixelSize(font.points, dpi)));
    result.setBold(font.bold);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setStyleStrategy(QFont::PreferOutline);
    return result;
}

int measureTextWidth(const CanvasFont &font, int dpi, const QString &text)
{
    if (text.isEmpty())
        return 0;
    return int(std::ceil(QFontMetricsF(toQFont(font, dpi)).horizontalAdvance(text)));
}

int measureTextHeight(const CanvasFont &font, int dpi, const QString &)
{
    // Like the platform's text extent, the height is that of the font, not of the glyphs.
    const QFontMetricsF metrics(toQFont(font, dpi));
    return int(std::ceil(metrics.ascent() + metrics.descent()));
}

int fontAscent(const CanvasFont &font, int dpi)
{
    return int(std::lround(QFontMetricsF(toQFont(font, dpi)).ascent()));
}

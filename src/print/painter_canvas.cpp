#include "painter_canvas.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

PainterCanvas::PainterCanvas(QPainter &painter, int pageWidth, int pageHeight, int dpiX, int dpiY)
    : m_painter(painter)
    , m_pageWidth(pageWidth)
    , m_pageHeight(pageHeight)
    , m_dpiX(dpiX)
    , m_dpiY(dpiY)
{}

void PainterCanvas::textOut(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    m_painter.setFont(toQFont(font(), m_dpiY));
    m_painter.setPen(font().colour);
    // The texts come from Shift_JIS, where 0x5C is the yen sign; the decoder keeps it as
    // U+005C so that files read and write back unchanged. On paper it is the yen sign, and
    // so it must be in a PDF's text layer: an amount copied from a mailed invoice reads ¥.
    QString shown = text;
    shown.replace(u'\\', u'\u00A5');
    m_painter.drawText(QPointF(x, y + fontAscent(font(), m_dpiY)), shown);
}

void PainterCanvas::moveTo(int x, int y)
{
    m_position = QPoint(x, y);
}

void PainterCanvas::lineTo(int x, int y)
{
    applyPen();
    m_painter.drawLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
}

void PainterCanvas::roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    applyPen();
    applyBrush();
    const QRectF rect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    m_painter.drawRoundedRect(rect, cornerWidth / 2.0, cornerHeight / 2.0, Qt::AbsoluteSize);
}

void PainterCanvas::drawBitmap(int x, int y, const QImage &bitmap)
{
    if (!bitmap.isNull())
        m_painter.drawImage(QPoint(x, y), bitmap);
}

void PainterCanvas::applyPen()
{
    // Dotted pens are always one pixel wide on the printers we target: a wider dotted pen
    // would print as a row of blobs.
    const bool dotted = pen().style == CanvasPenStyle::Dotted;
    QPen qpen(pen().colour, dotted ? 1 : std::max(1, pen().width));
    qpen.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    // A page shown smaller than the printer draws it (preview, screen-size export) keeps
    // its fine rules one device pixel wide, as the printer's own driver would, instead of
    // letting them fade to a faint grey.
    const QTransform &transform = m_painter.deviceTransform();
    const qreal scale = std::min(std::hypot(transform.m11(), transform.m12()),
                                 std::hypot(transform.m21(), transform.m22()));
    if (qpen.widthF() * scale < 1.0) {
        qpen.setWidth(1);
        qpen.setCosmetic(true);
    }
    m_painter.setPen(qpen);
}

void PainterCanvas::applyBrush()
{
    switch (brush().style) {
    case CanvasBrushStyle::Solid:
        m_painter.setBrush(QBrush(brush().colour, Qt::SolidPattern));
        break;
    case CanvasBrushStyle::DiagonalCross:
        m_painter.setBrush(QBrush(brush().colour, Qt::DiagCrossPattern));
        break;
    case CanvasBrushStyle::Bitmap:
        m_painter.setBrush(QBrush(brush().pattern));
        break;
    }
}

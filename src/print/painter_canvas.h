#pragma once

#include "print_canvas.h"

#include <QPoint>

class QPainter;

// A PrintCanvas over a QPainter that is already active on a device: a printer page, a
// QImage, a PDF writer or a preview widget. The page size and resolution are those the
// layout should see; a caller that shows a page smaller or larger sets a transform on the
// painter and the canvas draws in page pixels regardless.
class PainterCanvas final : public PrintCanvas
{
public:
    PainterCanvas(QPainter &painter, int pageWidth, int pageHeight, int dpiX, int dpiY);

    int pageWidth() const override { return m_pageWidth; }
    int pageHeight() const override { return m_pageHeight; }
    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }

    void textOut(int x, int y, const QString &text) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) override;
    void drawBitmap(int x, int y, const QImage &bitmap) override;

private:
    void applyPen();
    void applyBrush();

    QPainter &m_painter;
    int m_pageWidth;
    int m_pageHeight;
    int m_dpiX;
    int m_dpiY;
    QPoint m_position;
};

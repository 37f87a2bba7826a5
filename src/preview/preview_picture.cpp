#include "preview_picture.h"

#include "print/painter_canvas.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

constexpr int kHundredthMillimetresPerInch = 2540;

// a × b / c rounded to the nearest integer, halves away from zero, as the metafile size
// conversions of the platform compute it.
qint64 mulDiv(qint64 a, qint64 b, qint64 c)
{
    const qint64 product = a * b;
    return product >= 0 ? (product + c / 2) / c : (product - c / 2) / c;
}

int shownLength(int printerPixels, int printerDpi, int screenDpi, double zoom)
{
    if (printerDpi <= 0)
        return 0;
    const qint64 hundredthsOfMillimetre =
        mulDiv(printerPixels, kHundredthMillimetresPerInch, printerDpi);
    const qint64 screenPixels =
        mulDiv(hundredthsOfMillimetre, screenDpi, kHundredthMillimetresPerInch);
    // nearbyint rounds in the default mode, to nearest with halves to even: 613.5 gives 614
    // and 204.5 gives 204, as the picture sizes have always been.
    return int(std::nearbyint(double(screenPixels) * zoom));
}

} // namespace

QSize sheetPictureExtent(const PrinterMetrics &metrics)
{
    return QSize(metrics.physicalWidth + 150, metrics.physicalHeight + 150);
}

QSize shownPictureSize(const PrinterMetrics &metrics, int screenDpiX, int screenDpiY, double zoom)
{
    const QSize extent = sheetPictureExtent(metrics);
    return QSize(shownLength(extent.width(), metrics.dpiX, screenDpiX, zoom),
                 shownLength(extent.height(), metrics.dpiY, screenDpiY, zoom));
}

void paintSheetPicture(QPainter &painter, const RecordedPage &page)
{
    const PrinterMetrics &metrics = page.metrics;
    const int width = metrics.physicalWidth;
    const int height = metrics.physicalHeight;

    // The shadow, offset by 50 printer pixels down and right of the sheet.
    painter.fillRect(QRect(100, 100, width, height), QColor(128, 128, 128));

    // Frame pens are cosmetic: one screen pixel whatever the zoom, as a metafile plays
    // back a one-pixel pen of the printer.
    QPen framePen(Qt::black, 0, Qt::SolidLine);
    painter.setPen(framePen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(50, 50, width - 1, height - 1));

    framePen.setStyle(Qt::DotLine);
    painter.setPen(framePen);
    painter.setBrush(Qt::NoBrush);
    const QPoint origin(metrics.offsetX + 50, metrics.offsetY + 50);
    painter.drawRect(QRect(origin, QSize(metrics.pageWidth - 1, metrics.pageHeight - 1)));

    painter.save();
    painter.translate(origin);
    PainterCanvas canvas(painter, metrics.pageWidth, metrics.pageHeight, metrics.dpiX,
                         metrics.dpiY);
    replayPage(page, canvas);
    painter.restore();
}

QImage renderSheetPicture(const RecordedPage &page, const QSize &shownSize, qreal devicePixelRatio)
{
    if (shownSize.isEmpty())
        return QImage();
    QImage image(shownSize * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);

    const QSize extent = sheetPictureExtent(page.metrics);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(double(shownSize.width()) / extent.width(),
                  double(shownSize.height()) / extent.height());
    paintSheetPicture(painter, page);
    return image;
}

int centredPosition(int boxSize, int imageSize)
{
    // Integer division in C++ cuts toward zero, for negative differences too.
    return (boxSize - imageSize) / 2;
}

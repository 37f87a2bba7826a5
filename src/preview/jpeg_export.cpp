#include "jpeg_export.h"

#include "common/miravo_error.h"
#include "common/text_file.h"
#include "print/painter_canvas.h"
#include "wmf_writer.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

constexpr int screenDpi = 96;

// Draws the sheet of the page's printer onto a painter whose device units are printer
// pixels: white first, then the page at the printable area's offsets.
void drawSheet(QPainter &painter, const RecordedPage &page)
{
    const PrinterMetrics &metrics = page.metrics;
    painter.fillRect(QRect(0, 0, metrics.physicalWidth, metrics.physicalHeight), Qt::white);
    painter.save();
    painter.translate(metrics.offsetX, metrics.offsetY);
    PainterCanvas canvas(painter, metrics.pageWidth, metrics.pageHeight, metrics.dpiX,
                         metrics.dpiY);
    replayPage(page, canvas);
    painter.restore();
}

struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr info)
{
    auto *error = reinterpret_cast<JpegError *>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// Plain C state only between setjmp and longjmp: nothing here has a destructor that a
// jump could skip. Returns false with the library's message on failure.
bool compressRgb(const unsigned char *pixels, int width, int height, int stride, int quality,
                 unsigned char **output, unsigned long *outputSize, char *message)
{
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onJpegError;
    if (setjmp(error.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", error.message);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, outputSize);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Tell viewers the picture's real size: screen resolution.
    info.density_unit = 1;
    info.X_density = screenDpi;
    info.Y_density = screenDpi;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + size_t(info.next_scanline) * size_t(stride));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

QPageSize sheetSize(const PrinterMetrics &metrics)
{
    const QSizeF millimetres(metrics.physicalWidth * 25.4 / metrics.dpiX,
                             metrics.physicalHeight * 25.4 / metrics.dpiY);
    return QPageSize(millimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

} // namespace

QImage renderExportPicture(const RecordedPage &page)
{
    const PrinterMetrics &metrics = page.metrics;
    const QSize size = exportPictureSize(metrics);
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    if (metrics.physicalWidth <= 0 || metrics.physicalHeight <= 0)
        return image;
    QPainter painter(&image);
    // Lines stay aliased, as on a printed page shown on screen: a one-dot rule of the
    // printer still shows as one screen pixel instead of fading to grey.
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(double(size.width()) / metrics.physicalWidth,
                  double(size.height()) / metrics.physicalHeight);
    drawSheet(painter, page);
    return image;
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char *output = nullptr;
    unsigned long outputSize = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool done = compressRgb(rgb.constBits(), rgb.width(), rgb.height(),
                                  int(rgb.bytesPerLine()), quality, &output, &outputSize, message);
    QByteArray bytes;
    if (done)
        bytes = QByteArray(reinterpret_cast<const char *>(output), qsizetype(outputSize));
    std::free(output);
    if (!done)
        throw MiravoError(QStringLiteral("JPEG: %1").arg(QString::fromLocal8Bit(message)));
    return bytes;
}

void writeJpeg(const QString &path, const QImage &image)
{
    TextFile::writeBytes(path, encodeJpeg(image));
}

QByteArray pagesPdf(const TPrintPreview &pages, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("MIRAVO"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (pages.PageCount() > 0) {
            const PrinterMetrics &first = pages.page(0).metrics;
            writer.setPageSize(sheetSize(first));
            writer.setResolution(first.dpiX);
        }
        QPainter painter;
        for (int index = 0; index < pages.PageCount(); ++index) {
            const RecordedPage &page = pages.page(index);
            if (index > 0) {
                writer.setPageSize(sheetSize(page.metrics));
                writer.newPage();
            } else {
                painter.begin(&writer);
            }
            painter.resetTransform();
            // The writer's resolution is the first page's horizontal one; scale each page
            // from its own printer pixels.
            const double resolution = writer.resolution();
            painter.scale(resolution / page.metrics.dpiX, resolution / page.metrics.dpiY);
            drawSheet(painter, page);
        }
        if (painter.isActive())
            painter.end();
    }
    return buffer.data();
}

void writePagesPdf(const QString &path, const TPrintPreview &pages, const QString &title)
{
    TextFile::writeBytes(path, pagesPdf(pages, title));
}

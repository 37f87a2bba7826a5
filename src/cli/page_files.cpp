#include "page_files.h"

#include "cli_errors.h"

#include "common/miravo_error.h"
#include "common/text_file.h"
#include "preview/jpeg_export.h"
#include "preview/page_export.h"
#include "preview/wmf_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <functional>

namespace {

constexpr double metresPerInch = 0.0254;

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw InputError(folder, QStringLiteral("cannot create the folder"));
}

QByteArray pngBytes(const RecordedPage &page, int dpi)
{
    QImage image = renderPageImage(page, double(dpi) / page.metrics.dpiY);
    const int dotsPerMetre = int(std::lround(dpi / metresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw MiravoError(QStringLiteral("the page image could not be encoded as PNG"));
    return bytes;
}

// One file per page, named by name(pageNumber) in the folder.
QStringList writeEachPage(const TPrintPreview &pages, const QString &folder,
                          const std::function<QString(int)> &name,
                          const std::function<void(const QString &, const RecordedPage &)> &write)
{
    makeFolder(folder);
    QStringList written;
    for (int index = 0; index < pages.PageCount(); ++index) {
        const QString path = QDir(folder).filePath(name(index + 1));
        write(path, pages.page(index));
        written << path;
    }
    return written;
}

QStringList writeFiles(const TPrintPreview &pages, const RenderOptions &options,
                       const QString &baseName)
{
    switch (options.output) {
    case PageOutput::Pdf: {
        makeFolder(QFileInfo(options.target).absolutePath());
        writePagesPdf(options.target, pages, baseName);
        return {options.target};
    }
    case PageOutput::Png:
        return writeEachPage(
            pages, options.target,
            [&](int page) { return baseName + QStringLiteral("-%1.png").arg(page); },
            [&](const QString &path, const RecordedPage &page) {
                TextFile::writeBytes(path, pngBytes(page, options.dpi));
            });
    case PageOutput::Wmf:
        return writeEachPage(
            pages, options.target,
            [&](int page) { return exportFileName(baseName, PageExportFormat::Wmf, page); },
            writePlaceableMetafile);
    case PageOutput::Jpeg:
        return writeEachPage(
            pages, options.target,
            [&](int page) { return exportFileName(baseName, PageExportFormat::Jpeg, page); },
            [](const QString &path, const RecordedPage &page) {
                writeJpeg(path, renderExportPicture(page));
            });
    }
    return {};
}

} // namespace

QStringList writePageFiles(const TPrintPreview &pages, const RenderOptions &options,
                           const QString &baseName)
{
    try {
        return writeFiles(pages, options, baseName);
    } catch (const IoError &error) {
        throw InputError(error.fileName(), ioReason(error));
    } catch (const MiravoError &error) {
        throw InputError(options.target, error.message());
    }
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    try {
        makeFolder(QFileInfo(path).absolutePath());
        TextFile::writeBytes(path, bytes);
    } catch (const IoError &error) {
        throw InputError(error.fileName(), ioReason(error));
    }
}

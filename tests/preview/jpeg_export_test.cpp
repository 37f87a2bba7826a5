#include "preview/jpeg_export.h"
#include "sample_pages.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

#include <jpeglib.h>

namespace {

struct DecodedJpeg
{
    bool progressive = true;
    int components = 0;
    J_COLOR_SPACE colorSpace = JCS_UNKNOWN;
    QSize size;
    int densityUnit = 0;
    int density = 0;
    int luminanceDc = 0; // first entry of the luminance quantisation table
    QImage image;
};

// Reads the file back with libjpeg itself. Our files are well formed, so the library's
// default error handling (which exits) is acceptable in a test.
DecodedJpeg decode(const QByteArray &bytes)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    DecodedJpeg result;
    result.progressive = info.progressive_mode;
    result.components = info.num_components;
    result.colorSpace = info.jpeg_color_space;
    result.densityUnit = info.density_unit;
    result.density = info.X_density;
    result.luminanceDc = info.quant_tbl_ptrs[0] ? info.quant_tbl_ptrs[0]->quantval[0] : 0;
    jpeg_start_decompress(&info);
    result.size = QSize(int(info.output_width), int(info.output_height));
    result.image = QImage(result.size, QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result.image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return result;
}

// The marker that opens the frame: C0 for a baseline image, C2 for a progressive one.
int frameMarker(const QByteArray &bytes)
{
    for (qsizetype at = 2; at + 3 < bytes.size();) {
        if (quint8(bytes[at]) != 0xFF)
            return -1;
        const int marker = quint8(bytes[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        at += 2 + (quint8(bytes[at + 2]) << 8 | quint8(bytes[at + 3]));
    }
    return -1;
}

// Text as an extractor gives it back: without the blanks it may put between spaced-out
// characters, and with one form of the wave dash, which the fonts draw with one glyph.
QString comparable(const QString &text)
{
    QString result;
    for (const QChar character : text) {
        if (!character.isSpace())
            result.append(character == QChar(0xFF5E) ? QChar(0x301C) : character);
    }
    return result;
}

bool dark(const QImage &image, int x, int y)
{
    const QColor colour = image.pixelColor(x, y);
    return colour.red() + colour.green() + colour.blue() < 3 * 100;
}

TEST(JpegExport, PageIsABaselineColourJpegOfTheSheetAtScreenSize)
{
    TPrintPreview preview;
    recordSampleSlip(preview);
    const QImage picture = renderExportPicture(preview.page(0));
    EXPECT_EQ(picture.size(), QSize(794, 1123));
    const QByteArray bytes = encodeJpeg(picture);
    EXPECT_EQ(frameMarker(bytes), 0xC0) << "baseline";

    const DecodedJpeg jpeg = decode(bytes);
    EXPECT_FALSE(jpeg.progressive);
    EXPECT_EQ(jpeg.components, 3);
    EXPECT_EQ(jpeg.colorSpace, JCS_YCbCr);
    EXPECT_EQ(jpeg.size, QSize(794, 1123));
    EXPECT_EQ(jpeg.densityUnit, 1);
    EXPECT_EQ(jpeg.density, 96);
    EXPECT_EQ(jpeg.luminanceDc, 3) << "the standard table (16) scaled for quality 90";

    // The 12-pixel rule the page draws along its top edge lies at the printable area's
    // offset (114 to 126 printer pixels = rows 18 and 19); above it the sheet is white.
    EXPECT_TRUE(dark(jpeg.image, 300, 18));
    EXPECT_TRUE(dark(jpeg.image, 300, 19));
    EXPECT_FALSE(dark(jpeg.image, 300, 14));
    EXPECT_FALSE(dark(jpeg.image, 5, 5));
    // A one-dot dotted printer line still shows on screen.
    const int dottedRow = int((2000 + 120) * 96 / 600.0);
    int darkPixels = 0;
    for (int x = 100; x < 600; ++x)
        darkPixels += dark(picture, x, dottedRow) ? 1 : 0;
    EXPECT_GT(darkPixels, 50);
}

TEST(JpegExport, PdfHoldsEveryPageAtTheSheetSizeWithSearchableText)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    TPrintPreview preview;
    recordSampleSlip(preview);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("slip.pdf"));
    writePagesPdf(path, preview, QStringLiteral("2005年04月01日山田商店"));

    QProcess info;
    info.start(pdfinfo, {path});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString details = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(details.contains(QStringLiteral("Pages:           2"))) << details.toStdString();
    EXPECT_TRUE(details.contains(
        QRegularExpression(QStringLiteral("Page size: +595(\\.[0-9]+)? x 84[12](\\.[0-9]+)? pts"))))
        << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("2005年04月01日山田商店")))
        << details.toStdString();

    // Every font is embedded, so the file looks the same on a machine without IPA fonts.
    const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
    if (!pdffonts.isEmpty()) {
        QProcess fonts;
        fonts.start(pdffonts, {path});
        ASSERT_TRUE(fonts.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(fonts.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 3);
        const qsizetype embedded = lines[0].indexOf(QStringLiteral("emb"));
        for (const QString &line : lines.mid(2))
            EXPECT_EQ(line.mid(embedded, 3), QStringLiteral("yes")) << line.toStdString();
    }

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                           path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    const QStringList pages = content.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        for (const QString &expected : sampleTexts(page))
            EXPECT_TRUE(comparable(pages[page - 1]).contains(comparable(expected)))
                << expected.toStdString();
    }
}

} // namespace

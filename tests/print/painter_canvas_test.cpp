#include "print/painter_canvas.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What a reader of the PDF gets when it copies the page's text.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished());
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(PainterCanvas, TheYenSignOfTheTextsIsWrittenAsTheYenSign)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("amount.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(600);
        QPainter painter(&writer);
        PainterCanvas canvas(painter, writer.width(), writer.height(), 600, 600);
        canvas.setFontPoints(24);
        // Shift_JIS 0x5C, which the slip texts hold as U+005C, is the yen sign.
        canvas.textOut(100, 100, QStringLiteral("合計 \\241,059.-"));
    }
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("¥241,059.-"))) << text.toStdString();
    EXPECT_FALSE(text.contains(u'\\')) << text.toStdString();
}

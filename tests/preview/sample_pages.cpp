#include "sample_pages.h"

#include <QImage>

PrinterMetrics sampleMetrics()
{
    PrinterMetrics metrics = a4Metrics600();
    metrics.offsetX = 100;
    metrics.offsetY = 120;
    metrics.pageWidth = metrics.physicalWidth - 200;
    metrics.pageHeight = metrics.physicalHeight - 240;
    return metrics;
}

QStringList sampleTexts(int pageNumber)
{
    if (pageNumber == 1)
        return {QStringLiteral("納　品　書"), QStringLiteral("ソフト開発費"),
                QStringLiteral("表示パネル ～ ①"), QStringLiteral("Total 12,345")};
    return {QStringLiteral("納　品　書"), QStringLiteral("保守点検"), QStringLiteral("ﾊﾝｶｸ ｶﾅ")};
}

void recordSampleSlip(TPrintPreview &preview, int pageCount)
{
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(QColor(0, 0, 200));
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::white);
    tile.setPixel(0, 0, qRgb(255, 0, 0));

    preview.setPrinterMetrics(sampleMetrics());
    preview.BeginDoc();
    for (int number = 1; number <= pageCount; ++number) {
        if (number > 1)
            preview.NewPage();
        PrintCanvas &canvas = preview.Canvas();
        const QStringList texts = sampleTexts(number == 1 ? 1 : 2);
        canvas.setFontFace(QStringLiteral("ＭＳ 明朝"));
        canvas.setFontPoints(24);
        canvas.setFontBold(true);
        canvas.textOut(1800, 200, texts[0]);
        canvas.setFontFace(QStringLiteral("ＭＳ Ｐゴシック"));
        canvas.setFontPoints(11);
        canvas.setFontBold(false);
        canvas.setFontColour(QColor(0, 0x80, 0));
        for (int i = 1; i < texts.size(); ++i)
            canvas.textOut(300, 1000 + i * 150, texts[i]);

        canvas.setPenWidth(12);
        canvas.moveTo(0, 0);
        canvas.lineTo(4000, 0);
        canvas.setPenStyle(CanvasPenStyle::Dotted);
        canvas.moveTo(300, 2000);
        canvas.lineTo(4000, 2000);
        canvas.setPenStyle(CanvasPenStyle::Solid);
        canvas.setPenWidth(4);
        canvas.setBrush({QColor(255, 255, 0), CanvasBrushStyle::Solid, {}});
        canvas.roundRect(300, 2200, 1300, 2700, 60, 60);
        canvas.setBrush({QColor(0, 0, 255), CanvasBrushStyle::DiagonalCross, {}});
        canvas.roundRect(1500, 2200, 2500, 2700, 0, 0);
        canvas.setBrush({QColor(), CanvasBrushStyle::Bitmap, tile});
        canvas.roundRect(2700, 2200, 3700, 2700, 40, 40);
        canvas.drawBitmap(3800, 200, logo);
        canvas.setFontColour(Qt::black);
    }
    preview.EndDoc();
}

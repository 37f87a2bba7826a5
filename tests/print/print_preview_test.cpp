#include "print/painter_canvas.h"
#include "print/print_preview.h"
#include "print/printer_device.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EPrintPreviewError &error) {
        return error.message();
    }
    return QString();
}

TEST(PrintPreview, MisuseGivesTheRecorderErrors)
{
    TPrintPreview idle;
    TPrintPreview busy;
    busy.BeginDoc();
    const struct
    {
        const char *name;
        std::function<void()> action;
        QString expected;
    } cases[] = {
        {"canvas while idle", [&] { idle.Canvas(); }, "TPrintPreview.GetCanvas: not Printing"},
        {"new page while idle", [&] { idle.NewPage(); }, "TPrintPreview.NewPage: not Printing"},
        {"end while idle", [&] { idle.EndDoc(); }, "TPrintPreview.EndDoc: not Printing"},
        {"begin twice", [&] { busy.BeginDoc(); }, "TPrintPreview: BeginDoc: Already Printing"},
        {"page while printing", [&] { busy.page(0); },
         "TPrinterPreview.GetPage: Pages cannot be used when printing"},
        {"page out of range", [&] { idle.page(0); },
         "TPrinterCanvas.GetPage: Index is out of Range"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorOf(c.action), c.expected);
    }
}

TEST(PrintPreview, RecordsPagesWithPrinterMetricsAndCarriesStateOver)
{
    TPrintPreview preview;
    PrinterMetrics metrics = a4Metrics600();
    metrics.dpiY = 300;
    preview.setPrinterMetrics(metrics);
    preview.BeginDoc();
    EXPECT_EQ(preview.Canvas().font().points, 9);
    EXPECT_EQ(preview.Canvas().dpiY(), 300);
    preview.Canvas().setFontPoints(18);
    preview.Canvas().setFontColour(QColor(0, 0x80, 0));
    preview.Canvas().setPenWidth(8);
    preview.Canvas().textOut(10, 20, QStringLiteral("納　品　書"));
    preview.NewPage();
    preview.Canvas().moveTo(0, 0);
    preview.Canvas().lineTo(100, 0);
    preview.EndDoc();

    ASSERT_EQ(preview.PageCount(), 2);
    const CanvasOp *title = preview.page(0).findText(QStringLiteral("納　品　書"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 10);
    EXPECT_EQ(title->font.points, 18);
    const CanvasOp &line = preview.page(1).ops.back();
    EXPECT_EQ(line.kind, CanvasOpKind::LineTo);
    EXPECT_EQ(line.pen.width, 8);
    EXPECT_EQ(line.font.points, 18) << "the second page keeps the font of the first";
    EXPECT_EQ(preview.page(1).metrics, metrics);

    // Beginning again discards the earlier document.
    preview.BeginDoc();
    preview.EndDoc();
    EXPECT_EQ(preview.PageCount(), 1);
    EXPECT_TRUE(preview.page(0).ops.empty());
}

TEST(PrintPreview, ReplayDrawsTheSamePageOnAnImage)
{
    TPrintPreview preview;
    preview.setPrinterMetrics(sheetMetrics(QPageSize(QPageSize::A6), false, 100));
    preview.BeginDoc();
    PrintCanvas &canvas = preview.Canvas();
    canvas.setPen({Qt::black, 4, CanvasPenStyle::Solid});
    canvas.roundRect(20, 20, 200, 120, 10, 10);
    canvas.setFontPoints(20);
    canvas.textOut(40, 40, QStringLiteral("請求"));
    preview.EndDoc();

    const PrinterMetrics &m = preview.page(0).metrics;
    QImage image(m.pageWidth, m.pageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas target(painter, m.pageWidth, m.pageHeight, m.dpiX, m.dpiY);
        replayPage(preview.page(0), target);
    }
    EXPECT_EQ(image.pixelColor(21, 70), QColor(Qt::black)) << "frame's left edge";
    EXPECT_EQ(image.pixelColor(300, 300), QColor(Qt::white));
    const CanvasFont &font = preview.page(0).findText(QStringLiteral("請求"))->font;
    int dark = 0;
    for (int y = 40; y < 40 + measureTextHeight(font, 100, QStringLiteral("請")); ++y)
        for (int x = 40; x < 40 + measureTextWidth(font, 100, QStringLiteral("請求")); ++x)
            dark += image.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 20) << "the text was drawn";
}

TEST(VirtualPrinter, RejectsBadIndicesWithTheWrapperTexts)
{
    VirtualPrinter printer;
    auto errorText = [](const std::function<void()> &action) {
        try {
            action();
        } catch (const PrinterError &error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_EQ(errorText([&] { printer.setPrinterIndex(3); }),
              "TNkPrinter.SetIndex: Index is out of Range");
    EXPECT_EQ(errorText([&] { printer.setPaperIndex(9); }),
              "TNkPrinter:SetPaperSizeIndex: No such PaperSize Index");
    EXPECT_EQ(errorText([&] { printer.setPrinterIndex(-1); }), QString());
    VirtualPrinter none({}, 600);
    EXPECT_EQ(errorText([&] { none.printerNames(); }), "TNkPrinter.CheckNoPrinter: No Printer");

    printer.setPaperIndex(1);
    printer.setLandscape(true);
    const PrinterMetrics a5 = printer.metrics();
    EXPECT_EQ(a5.pageWidth, 4961);
    EXPECT_EQ(a5.pageHeight, 3496);
}

} // namespace

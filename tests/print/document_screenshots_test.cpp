#include "print/envelope_layouts.h"
#include "print/painter_canvas.h"
#include "print/receipt_layouts.h"
#include "realistic_slip.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Renders both receipts (hatched and with a pattern bitmap) and both envelopes of the
// realistic slip. The pages go into a temporary folder, or into MIRAVO_SCREENSHOT_DIR when it
// is set (docs/screenshots of the repository).
TEST(DocumentScreenshots, ReceiptsAndEnvelopesRender)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    QTemporaryDir scratch;
    const QString outDir = qEnvironmentVariableIsSet("MIRAVO_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("MIRAVO_SCREENSHOT_DIR")
                               : scratch.path();
    QDir().mkpath(outDir);

    // A small tile of light blue waves as the pattern bitmap.
    QImage tile(48, 48, QImage::Format_RGB32);
    tile.fill(QColor(245, 250, 255));
    {
        QPainter painter(&tile);
        painter.setPen(QPen(QColor(200, 225, 250), 3));
        painter.drawArc(-12, 12, 36, 24, 0, 180 * 16);
        painter.drawArc(24, 12, 36, 24, 180 * 16, 180 * 16);
    }
    const QString bitmap = dir.file(QStringLiteral("moyou.bmp"));
    ASSERT_TRUE(tile.save(bitmap));

    using Draw =
        std::function<bool(SlipPrintJob &, PrinterDevice &, TPrintPreview &, PrintRunState &)>;
    const struct
    {
        const char *name;
        QStringList settings;
        Draw draw;
    } runs[] = {
        {"receipt_cross",
         {"[クロス模様]=1", "[模様色]=15132390", "[領収証控え模様なし]=1"},
         PP_PRINT_RYOSYUU},
        {"receipt_bitmap", {QStringLiteral("[領収証BMP]=") + bitmap}, PP_PRINT_RYOSYUU},
        {"receipt_small_cross", {"[クロス模様]=1", "[模様色]=15132390"}, PP_PRINT_RYOSYUU_S},
        {"receipt_small_bitmap", {QStringLiteral("[領収証BMP]=") + bitmap}, PP_PRINT_RYOSYUU_S},
        {"envelope", {}, FUUTOU_PP},
        {"envelope_long", {}, FUUTOU3_PP},
    };
    for (const auto &run : runs) {
        SCOPED_TRACE(run.name);
        StringGrid items(12, 31);
        SlipPrintJob job;
        job.items = &items;
        fillRealisticSlip(dir, job, items);
        // The slips' company name stands lower than the receipt's and the envelope's room
        // for it.
        QStringList lines = dir.readLines(QStringLiteral("PRINT.INI"));
        lines.removeIf([](const QString &line) { return line.startsWith("[社名TOP]="); });
        dir.writeLines(QStringLiteral("PRINT.INI"), lines + run.settings);
        if (QString::fromLatin1(run.name).startsWith(QLatin1String("receipt")))
            prompts.inputs << QStringLiteral("給水設備工事代金として");
        // The long envelope prints on 長形3号 paper.
        VirtualPrinter printer({{QStringLiteral("Virtual"),
                                 {QPageSize(QPageSize::A4), QPageSize(QPageSize::EnvelopeChou3),
                                  QPageSize(QPageSize::EnvelopeKaku2)},
                                 true}},
                               600);
        dir.writeLines(QStringLiteral("PRINTF.INI"), {QStringLiteral("[封筒PAPER]=1")});
        if (QLatin1String(run.name) == QLatin1String("envelope"))
            printer.setPaperIndex(2);
        TPrintPreview preview;
        PrintRunState state;
        ASSERT_TRUE(run.draw(job, printer, preview, state));
        ASSERT_EQ(preview.PageCount(), 1);
        const QImage image = renderPageImage(preview.page(0), 0.25);
        int dark = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                dark += qGray(image.pixel(x, y)) < 160;
        EXPECT_GT(dark, 100) << "the page has content";
        const QString file = QStringLiteral("%1/%2.png").arg(outDir, QLatin1String(run.name));
        EXPECT_TRUE(image.save(file)) << file.toStdString();
    }
    prompts.log.clear();
}

} // namespace

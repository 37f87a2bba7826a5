#include "print/slip_layouts.h"
#include "realistic_slip.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Renders the slip in every layout and in A5 mode; the long layouts get the thirty-row slip
// on 請求書 and 受領書. The pages go into a temporary folder, or into MIRAVO_SCREENSHOT_DIR
// when it is set (docs/screenshots of the repository).
TEST(SlipScreenshots, RealisticSlipRendersInEveryLayout)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    QTemporaryDir scratch;
    const QString outDir = qEnvironmentVariableIsSet("MIRAVO_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("MIRAVO_SCREENSHOT_DIR")
                               : scratch.path();
    QDir().mkpath(outDir);

    const struct
    {
        const char *name;
        int layout;
        bool a5;
        int pages;
    } runs[] = {{"slip5", 0, false, 3},
                {"slip7", 1, false, 3},
                {"slip5_a5", 0, true, 2},
                {"slip24", 2, false, 4},
                {"slip36", 3, false, 2}};
    for (const auto &run : runs) {
        SCOPED_TRACE(run.name);
        StringGrid items(12, 31);
        SlipPrintJob job;
        job.items = &items;
        job.header.PRN_S = run.layout;
        if (run.layout >= 2) {
            fillRealisticLongSlip(dir, job, items);
            SlipHeader &h = job.header;
            h.NOUHIN = h.HIKAE = h.HATYUU = h.IRAI = false;
        } else {
            fillRealisticSlip(dir, job, items);
        }
        if (run.a5) {
            QStringList lines = dir.readLines(QStringLiteral("PRINT.INI"));
            lines << QStringLiteral("[A5縦]=1");
            dir.writeLines(QStringLiteral("PRINT.INI"), lines);
            dir.writeLines(QStringLiteral("PRINT7.INI"),
                           {QStringLiteral("[ORIENT]=1"), QStringLiteral("[PRINTER]=0"),
                            QStringLiteral("[PAPER]=1")});
        }
        VirtualPrinter printer;
        TPrintPreview preview;
        PrintRunState state;
        ASSERT_TRUE(previewSlip(job, printer, preview, state));
        ASSERT_GE(preview.PageCount(), run.pages);
        for (int i = 0; i < run.pages; ++i) {
            const QImage image = renderPageImage(preview.page(i), 0.25);
            int dark = 0;
            for (int y = 0; y < image.height(); y += 4)
                for (int x = 0; x < image.width(); x += 4)
                    dark += qGray(image.pixel(x, y)) < 160;
            EXPECT_GT(dark, 500) << "page " << i << " has content";
            const QString file =
                QStringLiteral("%1/%2_page%3.png").arg(outDir).arg(run.name).arg(i + 1);
            EXPECT_TRUE(image.save(file)) << file.toStdString();
        }
    }
}

} // namespace

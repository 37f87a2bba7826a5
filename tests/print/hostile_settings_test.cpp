// PRINT.INI is a text file users and dealers edit by hand. Whatever number stands in it,
// the layouts must draw a page with sane coordinates and sizes and without overflowing
// arithmetic (build with -fsanitize=undefined to check the latter).
#include "print/envelope_layouts.h"
#include "print/receipt_layouts.h"
#include "print/slip_layouts.h"
#include "realistic_slip.h"
#include "settings/print_ini.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool isNumber(PrintIni::Form form)
{
    using PrintIni::Form;
    return form == Form::Integer || form == Form::Tenths || form == Form::Colour;
}

TEST(HostileSettings, EveryNumberKeyAtAnExtremeStillDrawsSanePages)
{
    const char *const hostile[] = {"2147483647", "-2147483648", "99999999999999999999",
                                   "1e308",      "-1e308",      "inf",
                                   "nan",        "6000"};
    // Far outside any page, yet nowhere near the end of int.
    constexpr int saneCoordinate = 10'000'000;
    for (const char *value : hostile) {
        // 5 rows, 7 rows, the receipt, the small receipt, the envelope, the long envelope,
        // 24 rows, 36 rows.
        for (int layout : {0, 1, 2, 3, 4, 5, 6, 7}) {
            SCOPED_TRACE(std::string(value) + ", layout " + std::to_string(layout));
            TempProgramDir dir;
            ScriptedPrompter prompts;
            StringGrid items(12, 31);
            SlipPrintJob job;
            job.items = &items;
            fillRealisticSlip(dir, job, items);
            job.header.PRN_S = layout < 6 ? layout % 2 : layout - 4;
            // The body margins of the long slips come from files of their own.
            dir.writeLines(QStringLiteral("24GYO_YOHAKU.INI"),
                           {QStringLiteral("[24行伝票余白調整値]=") + QString::fromLatin1(value)});
            dir.writeLines(QStringLiteral("36GYO_YOHAKU.INI"),
                           {QStringLiteral("[36行伝票余白調整値]=") + QString::fromLatin1(value)});
            // The first line of a key wins: the hostile values go in front of the slip's own.
            QStringList lines;
            for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
                if (isNumber(info.form))
                    lines << info.key + QString::fromLatin1(value);
            }
            dir.writeLines(QStringLiteral("PRINT.INI"),
                           lines + dir.readLines(QStringLiteral("PRINT.INI")));

            VirtualPrinter printer;
            TPrintPreview preview;
            PrintRunState state;
            if (layout == 2 || layout == 3)
                prompts.inputs << std::nullopt;
            const bool drawn = layout == 2   ? PP_PRINT_RYOSYUU(job, printer, preview, state)
                               : layout == 3 ? PP_PRINT_RYOSYUU_S(job, printer, preview, state)
                               : layout == 4 ? FUUTOU_PP(job, printer, preview, state)
                               : layout == 5 ? FUUTOU3_PP(job, printer, preview, state)
                                             : previewSlip(job, printer, preview, state);
            ASSERT_TRUE(drawn);
            ASSERT_GT(preview.PageCount(), 0);
            for (int p = 0; p < preview.PageCount(); ++p) {
                for (const CanvasOp &op : preview.page(p).ops) {
                    for (int coordinate : {op.x, op.y, op.x2, op.y2})
                        ASSERT_LE(std::abs(qint64(coordinate)), saneCoordinate) << "page " << p;
                    ASSERT_GE(op.font.points, 1);
                    ASSERT_LE(op.font.points, 100);
                    ASSERT_GE(op.pen.width, 0);
                    ASSERT_LE(op.pen.width, 300);
                    ASSERT_GE(op.cornerWidth, 0);
                    ASSERT_LE(op.cornerWidth, 300);
                }
            }
        }
    }
}

} // namespace

#include "print/print_framework.h"
#include "print/print_numbers.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(SlipPaging, KindsCycleOverBlocksOfRows)
{
    struct Expected
    {
        int kind;
        int firstRow;
        int page;
    };
    // Kinds 1, 2 and 4 with 12 used rows on the 5-row layout.
    const std::vector<Expected> expected = {{1, 1, 1}, {2, 1, 1},  {4, 1, 1},  {1, 6, 2}, {2, 6, 2},
                                            {4, 6, 2}, {1, 11, 3}, {2, 11, 3}, {4, 11, 3}};
    const std::vector<SlipImage> images = slipImages(QStringLiteral("124"), 31, 12, 5);
    ASSERT_EQ(images.size(), expected.size());
    for (size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(images[i].kind, expected[i].kind);
        EXPECT_EQ(images[i].firstRow, expected[i].firstRow);
        EXPECT_EQ(images[i].pageNumber, expected[i].page);
    }
    EXPECT_EQ(pagedSlipNumber(QStringLiteral("1024"), 1), QStringLiteral("1024"));
    EXPECT_EQ(pagedSlipNumber(QStringLiteral("1024"), 3), QStringLiteral("1024-3"));
}

TEST(SlipPaging, EdgeCases)
{
    // An empty slip still prints one image per kind; rows stop at the grid's end.
    EXPECT_EQ(slipImages(QStringLiteral("13"), 31, 0, 7).size(), 2u);
    EXPECT_EQ(slipImages(QString(), 31, 12, 5).size(), 0u);
    const std::vector<SlipImage> all = slipImages(QStringLiteral("2"), 31, 30, 7);
    ASSERT_EQ(all.size(), 5u); // rows 1, 8, 15, 22, 29
    EXPECT_EQ(all.back().firstRow, 29);
    EXPECT_EQ(all.back().pageNumber, 5);
}

TEST(PrintNumbers, CellFormats)
{
    const struct
    {
        QString (*format)(const QString &);
        const char *cell;
        const char *expected;
    } cases[] = {
        {formatQuantityCell, "1234.5", "1,234.5"},
        {formatQuantityCell, "2.00050", "2.001"},
        {formatQuantityCell, "-3", "▲3"},
        {formatQuantityCell, "", ""},
        {formatPriceCell, "33.335", "33.34"},
        {formatPriceCell, "1000000", "1,000,000"},
        {formatAmountCell, "1500", "     1,500"},
        {formatAmountCell, "-1500", "▲1,500"},
        {formatAmountCell, "12345.5", "    12,346"},
        {formatAmountCell, "12344.5", "    12,344"},
        {formatAmountCell, "0", "         0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(c.format(QString::fromUtf8(c.cell)), QString::fromUtf8(c.expected));
    }
    EXPECT_THROW(formatAmountCell(QStringLiteral("12a")), ConversionError);
}

TEST(TotalsBox, LinesPerTaxMode)
{
    const struct
    {
        const char *name;
        TaxMode mode;
        int kind;
        qint64 total;
        qint64 taxable;
        TotalsOptions options;
        const char *line1;
        const char *line2;
        const char *line3;
    } cases[] = {
        {"exclusive, truncate",
         TaxMode::Exclusive,
         1,
         1999,
         1999,
         {0, false},
         "     1,999",
         "99",
         "\\2,098"},
        {"exclusive, round up",
         TaxMode::Exclusive,
         2,
         1999,
         1999,
         {1, false},
         "     1,999",
         "100",
         "\\2,099"},
        {"exclusive, half up, exempt line",
         TaxMode::Exclusive,
         2,
         3000,
         1999,
         {2, false},
         "     3,000",
         "100",
         "\\3,100"},
        {"inclusive",
         TaxMode::Inclusive,
         1,
         10500,
         10500,
         {0, false},
         "    10,000",
         "       500",
         "\\10,500"},
        {"inclusive in brackets",
         TaxMode::Inclusive,
         2,
         1000,
         1000,
         {0, true},
         "       953",
         "(        47 )",
         "\\1,000"},
        {"inclusive, brackets not on kind 5",
         TaxMode::Inclusive,
         5,
         1000,
         1000,
         {0, true},
         "       953",
         "        47",
         "\\1,000"},
        {"exempt", TaxMode::Exempt, 1, 123456, 0, {0, false}, "\\123,456", "", ""},
        {"exclusive negative",
         TaxMode::Exclusive,
         2,
         -1500,
         -1500,
         {1, false},
         "▲1,500",
         "▲75",
         "\\▲1,575"},
        {"inclusive negative in brackets",
         TaxMode::Inclusive,
         2,
         -1050,
         -1050,
         {0, true},
         "▲1,000",
         "(▲50)",
         "\\▲1,050"},
        {"exempt negative", TaxMode::Exempt, 4, -20, 0, {0, false}, "\\▲20", "", ""},
        // A returned untaxed item outweighs a taxed sale: the tax itself is not negative.
        {"negative total, positive tax",
         TaxMode::Exclusive,
         2,
         -2000,
         1000,
         {0, false},
         "▲2,000",
         "50",
         "\\▲1,950"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TotalsBox box = totalsBox(
            c.mode, c.kind, {Money::fromYen(c.total), Money::fromYen(c.taxable)}, c.options);
        EXPECT_EQ(box.line1, QString::fromUtf8(c.line1));
        EXPECT_EQ(box.line2, QString::fromUtf8(c.line2));
        EXPECT_EQ(box.line3, QString::fromUtf8(c.line3));
    }
}

TEST(PrintFramework, ScalesAndOffsetsFromSettings)
{
    TempProgramDir dir;
    dir.writeLines(QStringLiteral("PRINT.INI"),
                   {QStringLiteral("[5/7xBase]=3"), QStringLiteral("[切取位置]=-1.5"),
                    QStringLiteral("[パンチ穴位置]=abc"), QStringLiteral("[角丸]=x")});
    const LayoutScale a4 = layoutScale(4961, 7016, false);
    const LayoutScale a5 = layoutScale(4961, 3496, true);
    EXPECT_FLOAT_EQ(a4.V, 7016.0f / 4066.0f);
    EXPECT_FLOAT_EQ(a5.V, 3496.0f / 2033.0f);
    EXPECT_EQ(wholeMmOffset(PrintIni::slipBaseX, a4.H), int(3 * 14 * a4.H));
    EXPECT_EQ(decimalMmOffset(PrintIni::cutPosition, a4.V), int(-1.5 * 14 * a4.V));
    EXPECT_EQ(decimalMmOffset(PrintIni::punchPosition1, a4.V), 0);
    EXPECT_EQ(readFrameSettings().corner, 30);
    EXPECT_EQ(readFrameSettings().width, 8);
    const Placement place{a4, 10, 20};
    EXPECT_EQ(place.x(250), int(250 * a4.H + 10));
    EXPECT_EQ(place.y(137), int(137 * a4.V + 20));
}

TEST(PrintFramework, TitlesAndColoursOfKinds)
{
    TempProgramDir dir;
    dir.writeLines(QStringLiteral("PRINT.INI"),
                   {QStringLiteral("[請求書]=御請求書"), QStringLiteral("[請求書色]=255")});
    SlipKindCaptions captions;
    captions.irai = QStringLiteral("見積書");
    EXPECT_EQ(slipKindTitle(1, captions), QStringLiteral("納　品　書"));
    EXPECT_EQ(slipKindTitle(2, captions), QStringLiteral("御請求書"));
    EXPECT_EQ(slipKindTitle(6, captions), QStringLiteral("見積書"));
    EXPECT_EQ(slipKindColour(2), QColor(255, 0, 0));
    EXPECT_EQ(slipKindColour(3), QColor(0xFF, 0x80, 0x40));
    EXPECT_EQ(slipKindColour(1), QColor(0, 0x80, 0));
}

TEST(PrintFramework, ShrinkToFitAndTwoLineSplit)
{
    TPrintPreview preview;
    preview.BeginDoc();
    PrintCanvas &canvas = preview.Canvas();
    canvas.setFontFace(QStringLiteral("ＭＳＰ ゴシック"));
    canvas.setFontPoints(10);
    const QString name = QStringLiteral("ステンレス製六角ボルト・ナット・ワッシャーセット（長尺）");
    const int width = canvas.textWidth(name) / 3;
    EXPECT_LT(shrinkToFit(canvas, name, width), 8);
    canvas.setFontPoints(8);
    const auto [first, second] = splitTwoLines(canvas, name, width);
    EXPECT_EQ(first + second, name);
    EXPECT_LE(canvas.textWidth(first), width);
    EXPECT_GT(canvas.textWidth(first + second.left(1)), width);

    canvas.setFontPoints(10);
    EXPECT_EQ(shrinkToFit(canvas, name, 1), 2) << "never below 2 points";
    preview.EndDoc();
}

// The fitted size is the one of lowering the size one point at a time, however it is found;
// a size beyond what a font takes starts at 100 points.
TEST(PrintFramework, ShrinkToFitGivesTheSizeOfTheOnePointRule)
{
    TPrintPreview preview;
    preview.BeginDoc();
    PrintCanvas &canvas = preview.Canvas();
    const auto onePointRule = [&](const QString &text, int width, int points) {
        canvas.setFontPoints(std::clamp(points, 1, 100));
        while (canvas.textWidth(text) > width && canvas.font().points > 2)
            canvas.setFontPoints(canvas.font().points - 1);
        return canvas.font().points;
    };
    const QString texts[] = {
        QStringLiteral("ボルト"),
        QStringLiteral("ステンレス製六角ボルト・ナット・ワッシャーセット（長尺）"),
        QStringLiteral("M12×40 SUS304"),
        QStringLiteral("iiiiiiiiiiWWWWWWWWWW"),
        QString(),
    };
    for (const char *face : {"ＭＳＰ ゴシック", "ＭＳ 明朝"}) {
        canvas.setFontFace(QString::fromUtf8(face));
        for (const QString &text : texts) {
            for (int width : {-5, 0, 1, 37, 150, 400, 1333, 2270, 9000}) {
                for (int points : {0, 1, 2, 3, 8, 10, 12, 33, 100, 6000}) {
                    SCOPED_TRACE(QStringLiteral("%1 \"%2\" in %3 at %4")
                                     .arg(QString::fromUtf8(face), text)
                                     .arg(width)
                                     .arg(points)
                                     .toStdString());
                    const int expected = onePointRule(text, width, points);
                    canvas.setFontPoints(points);
                    EXPECT_EQ(shrinkToFit(canvas, text, width), expected);
                    EXPECT_EQ(canvas.font().points, expected);
                }
            }
        }
    }
    preview.EndDoc();
}

TEST(PrintFramework, PrinterChoiceFileSkipsWhatThePrinterLacks)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    dir.writeLines(
        QStringLiteral("PRINT24.INI"),
        {QStringLiteral("[ORIENT]=1"), QStringLiteral("[PRINTER]=7"), QStringLiteral("[PAPER]=1")});
    SlipHeader header;
    PrintRunState state{true};
    const std::optional<PreparedRun> run = prepareSlipPrinter(printer, header, state);
    ASSERT_TRUE(run);
    EXPECT_EQ(printer.printerIndex(), 0);
    EXPECT_EQ(printer.paperIndex(), 1);
    EXPECT_TRUE(printer.landscape());
    EXPECT_FALSE(state.previewCancelled);
    EXPECT_TRUE(printer.colourEnabled());
    EXPECT_EQ(dir.readLines(QStringLiteral("PRINT24.INI")),
              QStringList({"[ORIENT]=1", "[PRINTER]=0", "[PAPER]=1"}));

    // A cancelled dialog keeps the flag, draws nothing and leaves the file alone.
    printer.setupAccepted = false;
    dir.writeLines(QStringLiteral("PRINT.INI"), {QStringLiteral("[A5縦]=1")});
    state.previewCancelled = true;
    EXPECT_FALSE(prepareSlipPrinter(printer, header, state));
    EXPECT_TRUE(state.previewCancelled);
    EXPECT_FALSE(dir.exists(QStringLiteral("PRINT7.INI")));
    EXPECT_EQ(prompts.texts(QStringLiteral("info")),
              QStringList({"プリンタの用紙設定を「A5」　印刷の向きを「横」に設定して下さい。"}));

    printer.setupAccepted = true;
    ASSERT_TRUE(prepareSlipPrinter(printer, header, state));
    EXPECT_TRUE(header.A5) << "A5 mode ticks the one-slip-per-sheet box";
    EXPECT_TRUE(dir.exists(QStringLiteral("PRINT7.INI")));
}

} // namespace

#include "print/layout_painter.h"
#include "print/receipt_layouts.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class ReceiptLayoutTest : public ::testing::Test
{
protected:
    ReceiptLayoutTest()
    {
        job.items = &items;
        job.header.Bangou = QStringLiteral("1024");
        job.header.NAME1 = QStringLiteral("山田商店");
        job.header.KEISYOU = QStringLiteral("様");
        job.header.DTP1 = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
    }

    void setPrintIni(const QStringList &lines)
    {
        dir.writeLines(QStringLiteral("PRINT.INI"), QStringList{"[社名]=株式会社ミラボ"} + lines);
    }

    // Records the receipt (or the small one) into the preview; the 但し書き box is answered.
    void record(bool small = false)
    {
        prompts.inputs.enqueue(QStringLiteral("お品代として"));
        const bool drawn = small ? PP_PRINT_RYOSYUU_S(job, printer, preview, state)
                                 : PP_PRINT_RYOSYUU(job, printer, preview, state);
        ASSERT_TRUE(drawn);
    }

    std::vector<const CanvasOp *> frames(int page) const
    {
        std::vector<const CanvasOp *> result;
        for (const CanvasOp &op : preview.page(page).ops) {
            if (op.kind == CanvasOpKind::RoundRect)
                result.push_back(&op);
        }
        return result;
    }

    Placement place() const
    {
        const PrinterMetrics &m = preview.page(0).metrics;
        return {layoutScale(m.pageWidth, m.pageHeight, false), 0, 0};
    }

    // The right edge in layout units of a value drawn without its ".-".
    int valueEnd(const CanvasOp &op) const
    {
        const QString value = op.text.chopped(2);
        return op.x + measureTextWidth(op.font, preview.page(0).metrics.dpiY, value);
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    TPrintPreview preview;
    StringGrid items{12, 31};
    SlipPrintJob job;
    PrintRunState state;
};

TEST_F(ReceiptLayoutTest, ZeroTotalPrintsTheReceiptWithoutAmounts)
{
    setPrintIni({});
    for (TaxMode mode : {TaxMode::Exclusive, TaxMode::Inclusive}) {
        job.header.taxMode = mode;
        record();
        ASSERT_EQ(preview.PageCount(), 1);
        const RecordedPage &page = preview.page(0);
        EXPECT_NE(page.findText(QStringLiteral("領")), nullptr);
        EXPECT_NE(page.findText(QStringLiteral("税抜金額")), nullptr);
        EXPECT_NE(page.findText(QStringLiteral("お品代として")), nullptr);
        for (const CanvasOp *op : page.texts())
            EXPECT_FALSE(op->text.endsWith(QStringLiteral(".-"))) << op->text.toStdString();
        EXPECT_EQ(frames(0).size(), 2u);
    }
}

TEST_F(ReceiptLayoutTest, AmountsOfEachTaxModeEndAtTheBreakdownColumn)
{
    setPrintIni({});
    items.setCell(9, 1, QStringLiteral("10000"));
    const struct
    {
        TaxMode mode;
        const char *amount;
        const char *net;
        const char *tax;
    } cases[] = {
        {TaxMode::Exclusive, "￥10,500.-", "10,000.-", "500.-"},
        {TaxMode::Inclusive, "￥10,000.-", "     9,524.-", "       476.-"},
        // An exempt slip shows the whole amount as its net and 非課税 as its tax.
        {TaxMode::Exempt, "￥10,000.-", "10,000.-", "非課税"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.amount);
        job.header.taxMode = c.mode;
        record();
        const RecordedPage &page = preview.page(0);
        const CanvasOp *amount = page.findText(QString::fromUtf8(c.amount));
        ASSERT_NE(amount, nullptr);
        EXPECT_EQ(amount->y, place().y(800));
        const CanvasOp *net = page.findText(QString::fromUtf8(c.net));
        const CanvasOp *tax = page.findText(QString::fromUtf8(c.tax));
        ASSERT_NE(net, nullptr);
        ASSERT_NE(tax, nullptr);
        EXPECT_EQ(net->y, place().y(1460));
        EXPECT_EQ(tax->y, place().y(1520));
        if (c.mode != TaxMode::Exempt) {
            EXPECT_EQ(valueEnd(*net), place().x(1100));
            EXPECT_EQ(valueEnd(*tax), place().x(1100));
        }
    }
}

TEST_F(ReceiptLayoutTest, StatementSumsReplaceTheSlipTotals)
{
    items.setCell(9, 1, QStringLiteral("1000"));
    StatementReceiptValues s;
    s.amountSum = Money::fromYen(20000);
    s.taxSum = Money::fromYen(1000);
    s.compiledNet = Money::fromYen(19048);
    s.compiledTax = Money::fromYen(952);
    job.statement = s;
    ReceiptAmounts texts = receiptAmounts(job);
    EXPECT_EQ(texts.amount, QStringLiteral("    21,000"));
    EXPECT_EQ(texts.net, QStringLiteral("    20,000"));
    EXPECT_EQ(texts.tax, QStringLiteral("     1,000"));

    job.statement->inclusiveTax = true;
    texts = receiptAmounts(job);
    EXPECT_EQ(texts.net, QStringLiteral("    19,048"));
    EXPECT_EQ(texts.tax, QStringLiteral("       952"));

    // Without tax the net keeps the slip's value.
    job.statement->inclusiveTax = false;
    job.statement->taxSum = Money();
    EXPECT_EQ(receiptAmounts(job).net, QStringLiteral("1,000"));
}

TEST_F(ReceiptLayoutTest, BackgroundFollowsPatternSettingsAndThePlainCopy)
{
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::cyan);
    const QString bitmap = dir.file(QStringLiteral("moyou.bmp"));
    ASSERT_TRUE(tile.save(bitmap));
    dir.writeBytes(QStringLiteral("broken.bmp"), "not a picture");
    const QString bitmapKey = QStringLiteral("[領収証BMP]=") + bitmap;
    const QString brokenKey = QStringLiteral("[領収証BMP]=") + dir.file("broken.bmp");
    const QString missingKey = QStringLiteral("[領収証BMP]=") + dir.file("missing.bmp");
    using S = CanvasBrushStyle;
    const struct
    {
        const char *name;
        QStringList lines;
        S receipt;
        S copy;
    } cases[] = {
        {"nothing", {}, S::Solid, S::Solid},
        {"cross", {"[クロス模様]=1"}, S::DiagonalCross, S::DiagonalCross},
        {"cross, plain copy",
         {"[クロス模様]=1", "[領収証控え模様なし]=1"},
         S::DiagonalCross,
         S::Solid},
        {"bitmap", {bitmapKey}, S::Bitmap, S::Bitmap},
        {"bitmap, plain copy", {bitmapKey, "[領収証控え模様なし]=1"}, S::Bitmap, S::Solid},
        {"cross wins over the bitmap",
         {bitmapKey, "[クロス模様]=1"},
         S::DiagonalCross,
         S::DiagonalCross},
        {"bitmap that does not load", {brokenKey}, S::Solid, S::Solid},
        {"missing bitmap", {missingKey, "[クロス模様]=1"}, S::DiagonalCross, S::DiagonalCross},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        setPrintIni(c.lines + QStringList{"[模様色]=255"});
        record();
        const auto rects = frames(0);
        ASSERT_EQ(rects.size(), 2u);
        EXPECT_EQ(rects[0]->brush.style, c.receipt);
        EXPECT_EQ(rects[1]->brush.style, c.copy);
        if (c.receipt == S::DiagonalCross)
            EXPECT_EQ(rects[0]->brush.colour, QColor(Qt::red));
        if (c.receipt == S::Bitmap)
            EXPECT_EQ(rects[0]->brush.pattern.size(), QSize(8, 8));
        if (c.copy == S::Solid)
            EXPECT_EQ(rects[1]->brush.colour, QColor(Qt::white));
        // The brush is white again for what follows the frame.
        const CanvasOp *title = preview.page(0).findText(QStringLiteral("領"));
        EXPECT_EQ(title->brush.style, S::Solid);
    }
}

TEST_F(ReceiptLayoutTest, TickedA5PutsTheCopyOnASecondSheetAtTheReceiptsPlace)
{
    setPrintIni({"[領収証yBase1]=5", "[領収証yBase2]=9"});
    record();
    ASSERT_EQ(preview.PageCount(), 1);
    const int receiptTop = frames(0)[0]->y;
    // Without A5 the copy goes to the lower half with its own offset, under cut marks.
    const double V = place().scale.V;
    const int yo2 = int(std::trunc(2010 * V + std::trunc(9 * 14 * V)));
    EXPECT_EQ(frames(0)[1]->y, int(std::trunc(270 * V + yo2)));

    job.header.A5 = true;
    record();
    ASSERT_EQ(preview.PageCount(), 2);
    ASSERT_EQ(frames(0).size(), 1u);
    ASSERT_EQ(frames(1).size(), 1u);
    EXPECT_EQ(frames(0)[0]->y, receiptTop);
    EXPECT_EQ(frames(1)[0]->y, receiptTop);
    EXPECT_NE(preview.page(1).findText(QStringLiteral("(控)")), nullptr);
    EXPECT_EQ(frames(1)[0]->pen.colour, QColor(0, 128, 0));
}

TEST_F(ReceiptLayoutTest, CompanyBlockMovesDownIntoTheReceipt)
{
    setPrintIni({"[社名TOP]=2"});
    record();
    const CanvasOp *names[2] = {};
    int found = 0;
    for (const CanvasOp *op : preview.page(0).texts()) {
        if (op->text == QStringLiteral("株式会社ミラボ") && found < 2)
            names[found++] = op;
    }
    ASSERT_EQ(found, 2);
    EXPECT_EQ(names[0]->x, place().x(1700 - 140));
    EXPECT_EQ(names[0]->y, place().y(28 + 360 + 930));
    EXPECT_TRUE(names[0]->font.bold);
    EXPECT_EQ(names[0]->font.colour, QColor(Qt::blue));
}

TEST_F(ReceiptLayoutTest, SmallReceiptStubNameStandsAtTheMainCompanyNamesHeight)
{
    setPrintIni({"[社名TOP]=3", "[s領収証y位置]=10"});
    items.setCell(9, 1, QStringLiteral("10000"));
    record(true);
    ASSERT_EQ(preview.PageCount(), 1);
    std::vector<const CanvasOp *> names;
    for (const CanvasOp *op : preview.page(0).texts()) {
        if (op->text == QStringLiteral("株式会社ミラボ"))
            names.push_back(op);
    }
    ASSERT_EQ(names.size(), 2u);
    // The stub's name is the left one.
    std::sort(names.begin(), names.end(),
              [](const CanvasOp *a, const CanvasOp *b) { return a->x < b->x; });
    EXPECT_EQ(names[0]->y, names[1]->y);
    const Placement p = place();
    const int yo = int(std::trunc(10 * 14 * double(p.scale.V)));
    EXPECT_EQ(names[1]->y, int(std::trunc((42 - 90 + 930) * double(p.scale.V) + yo)));
    EXPECT_LT(names[0]->x + measureTextWidth(names[0]->font, 600, names[0]->text), p.x(800));
    EXPECT_NE(preview.page(0).findText(QStringLiteral("領　収　証(控)")), nullptr);
    EXPECT_NE(preview.page(0).findText(QStringLiteral("税抜金額  10,000.-")), nullptr);
}

TEST_F(ReceiptLayoutTest, ProvisoIsRememberedAndTheQuestionNamesTheDate)
{
    setPrintIni({});
    // A cancelled box keeps the text it offered.
    state.receiptProviso = QStringLiteral("工事代金");
    prompts.inputs.enqueue(std::nullopt);
    ASSERT_TRUE(PP_PRINT_RYOSYUU(job, printer, preview, state));
    EXPECT_EQ(state.receiptProviso, QStringLiteral("工事代金"));
    EXPECT_NE(preview.page(0).findText(QStringLiteral("工事代金")), nullptr);

    // The printed receipt asks first; the preview does not.
    prompts.answers << true << false;
    prompts.inputs.enqueue(QStringLiteral("お品代"));
    ASSERT_TRUE(PRINT_RYOSYUU(job, printer, state));
    EXPECT_EQ(state.receiptProviso, QStringLiteral("お品代"));
    job.header.DATE_CHECK = true;
    EXPECT_FALSE(PRINT_RYOSYUU_S(job, printer, state));
    EXPECT_EQ(prompts.log, (QStringList{"input: 但し書き|但し書き入力してください。|工事代金",
                                        "question: 領収証を印刷します。\r\n2026/03/05日付け",
                                        "input: 但し書き|但し書き入力してください。|工事代金",
                                        "question: 領収証(スモール)を印刷します。\r\n日付なし"}));
}

TEST_F(ReceiptLayoutTest, OnlyThePrintedReceiptRemembersItsPrinter)
{
    setPrintIni({});
    prompts.inputs << std::nullopt << std::nullopt;
    ASSERT_TRUE(PP_PRINT_RYOSYUU(job, printer, preview, state));
    EXPECT_FALSE(dir.exists(QStringLiteral("PRINT24.INI")));
    prompts.answers << true;
    ASSERT_TRUE(PRINT_RYOSYUU(job, printer, state));
    EXPECT_EQ(dir.readLines(QStringLiteral("PRINT24.INI")),
              (QStringList{"[ORIENT]=0", "[PRINTER]=0", "[PAPER]=0"}));

    // In A5 mode the receipt takes the A5 paper remembered in PRINT7.INI and ticks A5.
    setPrintIni({"[A5縦]=1"});
    dir.writeLines(QStringLiteral("PRINT7.INI"), {"[ORIENT]=1", "[PRINTER]=0", "[PAPER]=1"});
    prompts.inputs << std::nullopt;
    ASSERT_TRUE(PP_PRINT_RYOSYUU(job, printer, preview, state));
    EXPECT_TRUE(job.header.A5);
    EXPECT_EQ(preview.PageCount(), 2);
    EXPECT_EQ(preview.page(0).metrics.pageWidth, 4961); // A5 sideways at 600 dpi
    EXPECT_EQ(prompts.texts("info"),
              (QStringList{"プリンタ用紙設定を「Ａ５」　印刷の向き「横」に設定して下さい。\r\n"}));
}

} // namespace

TEST_F(ReceiptLayoutTest, AQualifiedReceiptBreaksTheTaxDownByRate)
{
    setPrintIni({"[適格請求書]=1", "[登録番号]=T1234567890123"});
    job.qualified = QualifiedInvoice::fromPrintIni();
    job.taxRates = {10, 8};
    const char *const amounts[][2] = {
        {"11000", ""}, {"2880", "8"}, {"5400", "8"}, {"1000", ""}, {"200", "1"}};
    for (int row = 1; row <= 5; ++row) {
        items.setCell(9, row, QString::fromUtf8(amounts[row - 1][0]));
        items.setCell(3, row, QString::fromUtf8(amounts[row - 1][1]));
    }
    const QString perRate[] = {QStringLiteral("10%対象 ¥12,000 消費税 ¥1,200"),
                               QStringLiteral("8%対象 ¥8,280 消費税 ¥662")};
    for (const bool small : {false, true}) {
        SCOPED_TRACE(small ? "small receipt" : "receipt");
        record(small);
        const RecordedPage &page = preview.page(preview.PageCount() - 1);
        EXPECT_NE(page.findText(QStringLiteral("￥22,342.-")), nullptr);
        EXPECT_NE(page.findText(QStringLiteral("登録番号 T1234567890123")), nullptr);
        // Under 消費税額 of the breakdown, at its labels' x, one line per rate.
        const CanvasOp *taxLabel = page.findText(QStringLiteral("消費税額"));
        ASSERT_NE(taxLabel, nullptr);
        int previousY = taxLabel->y;
        for (const QString &line : perRate) {
            SCOPED_TRACE(line.toStdString());
            const CanvasOp *op = page.findText(line);
            ASSERT_NE(op, nullptr);
            EXPECT_EQ(op->x, taxLabel->x);
            EXPECT_GT(op->y, previousY);
            previousY = op->y;
        }
    }
}

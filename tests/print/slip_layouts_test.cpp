#include "print/page_blocks.h"
#include "print/painter_canvas.h"
#include "print/slip_layouts.h"
#include "realistic_slip.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class SlipLayoutTest : public ::testing::Test
{
protected:
    SlipLayoutTest()
    {
        job.items = &items;
        fillPlainHeader(job.header);
    }

    void setItem(int row, const QString &name, const QString &quantity, const QString &price,
                 const QString &amount)
    {
        items.setCell(2, row, name);
        items.setCell(5, row, quantity);
        items.setCell(7, row, price);
        items.setCell(8, row, price);
        items.setCell(9, row, amount);
        items.setCell(10, row, amount);
    }

    void setKinds(std::initializer_list<int> kinds) { setSlipKinds(job.header, kinds); }

    void setPrintIni(const QStringList &lines)
    {
        dir.writeLines(QStringLiteral("PRINT.INI"), lines);
    }

    // Records the layout of PRN_S into the preview.
    void record()
    {
        state.previewCancelled = true;
        ASSERT_TRUE(previewSlip(job, printer, preview, state));
    }

    const RecordedPage &page(int index) const { return preview.page(index); }

    LayoutScale scale() const
    {
        const PrinterMetrics &m = preview.page(0).metrics;
        return layoutScale(m.pageWidth, m.pageHeight, a5Mode);
    }

    // Titles of a page in drawing order (kinds 1 to 4 have default titles).
    QStringList titlesOn(const RecordedPage &p) const
    {
        QStringList titles;
        for (const CanvasOp *op : p.texts()) {
            if (op->font.points == 18)
                titles << op->text;
        }
        return titles;
    }

    int textCount(const RecordedPage &p, const QString &text) const
    {
        int count = 0;
        for (const CanvasOp *op : p.texts())
            count += op->text == text;
        return count;
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    TPrintPreview preview;
    StringGrid items{12, 31};
    SlipPrintJob job;
    PrintRunState state;
    bool a5Mode = false;
};

TEST_F(SlipLayoutTest, TitleOfEveryKindIsCentredAtY137InBothModes)
{
    job.captions.hatyuu = QStringLiteral("発注書");
    job.captions.irai = QStringLiteral("見積依頼書");
    const QString titles[] = {QStringLiteral("納　品　書"), QStringLiteral("請　求　書"),
                              QStringLiteral("受　領　書"), QStringLiteral("伝　票　控"),
                              QStringLiteral("発注書"),     QStringLiteral("見積依頼書")};
    for (bool a5 : {false, true}) {
        // A5 mode prints on the A5 paper remembered in PRINT7.INI.
        a5Mode = a5;
        setPrintIni(a5 ? QStringList{QStringLiteral("[A5横]=1")} : QStringList{});
        dir.writeLines(QStringLiteral("PRINT7.INI"), {QStringLiteral("[PAPER]=1")});
        for (int layout : {0, 1}) {
            job.header.PRN_S = layout;
            for (int kind = 1; kind <= 6; ++kind) {
                SCOPED_TRACE(QStringLiteral("A5 %1, layout %2, kind %3")
                                 .arg(a5)
                                 .arg(layout)
                                 .arg(kind)
                                 .toStdString());
                setKinds({kind});
                record();
                const CanvasOp *title = page(0).findText(titles[kind - 1]);
                ASSERT_NE(title, nullptr);
                const LayoutScale s = scale();
                EXPECT_EQ(page(0).metrics.pageHeight, a5 ? 4961 : 7016);
                EXPECT_FLOAT_EQ(s.V, a5 ? 4961 / 2033.0f : 7016 / 4066.0f);
                EXPECT_EQ(title->y, int(137 * double(s.V)));
                const int w = measureTextWidth(title->font, 600, title->text);
                EXPECT_EQ(title->x,
                          int(std::trunc((1240 * double(s.H) - w) / 2 + 250 * double(s.H))));
                EXPECT_EQ(title->font.points, 18);
                EXPECT_EQ(title->font.colour, slipKindColour(kind));
            }
        }
    }
}

TEST_F(SlipLayoutTest, NineImagesOfThreeKindsOverTwelveRows)
{
    setKinds({1, 2, 4});
    for (int row = 1; row <= 12; ++row)
        setItem(row, QStringLiteral("品%1").arg(row), QStringLiteral("1"), QStringLiteral("100"),
                QStringLiteral("100"));
    record();
    // Two images a sheet: upper and lower.
    ASSERT_EQ(preview.PageCount(), 5);
    const QString n = QStringLiteral("納　品　書"), s = QStringLiteral("請　求　書"),
                  h = QStringLiteral("伝　票　控");
    const QList<QStringList> expected = {{n, s}, {h, n}, {s, h}, {n, s}, {h}};
    const QList<QStringList> numbers = {{"1024", "1024"},
                                        {"1024", "1024-2"},
                                        {"1024-2", "1024-2"},
                                        {"1024-3", "1024-3"},
                                        {"1024-3"}};
    const QList<QStringList> firstNames = {
        {"品1", "品1"}, {"品1", "品6"}, {"品6", "品6"}, {"品11", "品11"}, {"品11"}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(titlesOn(page(i)), expected[i]);
        QStringList pageNumbers;
        for (const CanvasOp *op : page(i).texts()) {
            if (op->text.startsWith(QStringLiteral("1024")))
                pageNumbers << op->text;
        }
        EXPECT_EQ(pageNumbers, numbers[i]);
        for (const QString &name : firstNames[i])
            EXPECT_GE(textCount(page(i), name), 1) << name.toStdString();
    }
    EXPECT_EQ(textCount(page(4), QStringLiteral("品13")), 0) << "row 13 is empty";
    EXPECT_EQ(textCount(page(4), QStringLiteral("品12")), 1);
}

TEST_F(SlipLayoutTest, SheetsOfTheHalfPageLayouts)
{
    for (int row = 1; row <= 3; ++row)
        setItem(row, QStringLiteral("品"), QStringLiteral("1"), QStringLiteral("10"),
                QStringLiteral("10"));
    const auto cutMarks = [this](const RecordedPage &p) {
        int count = 0;
        const int y = int(2033 * double(scale().V));
        for (const CanvasOp &op : p.ops)
            count += op.kind == CanvasOpKind::LineTo && op.y == y &&
                     op.pen.style == CanvasPenStyle::Dotted;
        return count;
    };

    setKinds({1, 2});
    record();
    ASSERT_EQ(preview.PageCount(), 1);
    EXPECT_EQ(titlesOn(page(0)), QStringList({"納　品　書", "請　求　書"}));
    EXPECT_EQ(cutMarks(page(0)), 2);
    const LayoutScale s = scale();
    EXPECT_EQ(page(0).texts()[0]->y, int(137 * double(s.V)));
    const CanvasOp *lowerTitle = page(0).texts()[0];
    for (const CanvasOp *op : page(0).texts())
        if (op->text == QStringLiteral("請　求　書"))
            lowerTitle = op;
    EXPECT_EQ(lowerTitle->y, int(137 * double(s.V) + int(1950 * double(s.V))));

    setKinds({1, 2, 3});
    record();
    ASSERT_EQ(preview.PageCount(), 2);
    EXPECT_EQ(titlesOn(page(1)), QStringList({"受　領　書"}));

    // One slip per sheet: every image on its own sheet at the upper place, no cut marks;
    // the bank lines and stamp boxes of 請求書 move up when bank keys are set.
    setPrintIni({QStringLiteral("[振込先]=みずほ銀行 本店"), QStringLiteral("[名義]=ヤマダ")});
    job.header.A5 = true;
    setKinds({1, 2});
    record();
    ASSERT_EQ(preview.PageCount(), 2);
    EXPECT_EQ(cutMarks(page(0)), 0);
    const CanvasOp *bank = page(1).findText(QStringLiteral("みずほ銀行 本店　"));
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->y, int(1805 * double(s.V)));
    EXPECT_EQ(page(0).findText(QStringLiteral("みずほ銀行 本店　")), nullptr);
    int stampTops = 0;
    for (const CanvasOp &op : page(1).ops)
        stampTops += op.kind == CanvasOpKind::RoundRect && op.y == int(1590 * double(s.V));
    EXPECT_EQ(stampTops, 2);
}

TEST_F(SlipLayoutTest, TotalsPerTaxModeWithZeroPrint)
{
    setKinds({2});
    setItem(1, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1000"),
            QStringLiteral("1000"));
    setItem(2, QStringLiteral("B"), QStringLiteral("-1"), QStringLiteral("3000"),
            QStringLiteral("-3000"));
    items.setCell(3, 2, QStringLiteral("1")); // not taxable

    const auto valueAt = [this](int rightEdge, int yUnits, const QString &text) {
        const LayoutScale s = scale();
        for (const CanvasOp *op : page(0).texts()) {
            if (op->text == text && op->y == int(yUnits * double(s.V)) &&
                op->x == int(rightEdge * double(s.H)) - measureTextWidth(op->font, 600, text) &&
                op->font.points == 12)
                return true;
        }
        return false;
    };

    job.header.taxMode = TaxMode::Exclusive;
    record();
    EXPECT_TRUE(valueAt(2670, 1580, QStringLiteral("▲2,000")));
    // The tax of the taxable row stays positive on a page whose total is negative.
    EXPECT_TRUE(valueAt(2670, 1700, QStringLiteral("50")));
    EXPECT_TRUE(valueAt(2670, 1820, QStringLiteral("\\▲1,950")));
    const CanvasOp *negativeAmount = page(0).findText(QStringLiteral("▲3,000"));
    ASSERT_NE(negativeAmount, nullptr);
    EXPECT_EQ(negativeAmount->x +
                  measureTextWidth(negativeAmount->font, 600, QStringLiteral("▲3,000")),
              int(2670 * double(scale().H)));

    setPrintIni({QStringLiteral("[かっこ]=1")});
    items.setCell(3, 2, QString());
    setItem(2, QString(), QString(), QString(), QString());
    job.header.taxMode = TaxMode::Inclusive;
    record();
    EXPECT_TRUE(valueAt(2670, 1580, QStringLiteral("       953")));
    EXPECT_TRUE(valueAt(2670, 1700, QStringLiteral("(        47 )")));
    EXPECT_TRUE(valueAt(2670, 1820, QStringLiteral("\\1,000")));

    job.header.taxMode = TaxMode::Exempt;
    record();
    EXPECT_TRUE(valueAt(2670, 1580, QStringLiteral("\\1,000")));
    EXPECT_NE(page(0).findText(QStringLiteral("合計金額")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("税込合計")), nullptr);

    // A page total of 0 prints no totals unless zero print is on.
    setItem(1, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"));
    job.header.taxMode = TaxMode::Exclusive;
    record();
    EXPECT_FALSE(valueAt(2670, 1820, QStringLiteral("\\0")));
    job.zeroPrint = true;
    record();
    EXPECT_TRUE(valueAt(2670, 1580, QStringLiteral("         0")));
    EXPECT_TRUE(valueAt(2670, 1820, QStringLiteral("\\0")));
}

TEST_F(SlipLayoutTest, ItemNamesIndentAndSplitIntoTwoLines)
{
    setKinds({1});
    const QString longName = QStringLiteral("ステンレス製六角ボルト・ナット・ワッシャー・スプリング"
                                            "ワッシャー組立済みセット（長尺タイプ）"
                                            "特注品につき返品不可");
    setItem(1, QStringLiteral("　　鉄骨"), QStringLiteral("2"), QString(), QString());
    setItem(2, longName, QString(), QString(), QString());
    record();
    const LayoutScale s = scale();
    const CanvasOp *indented = page(0).findText(QStringLiteral("鉄骨"));
    ASSERT_NE(indented, nullptr);
    const int space = measureTextWidth(indented->font, 600, QStringLiteral("　"));
    EXPECT_EQ(indented->x, int(260 * double(s.H)) + 2 * space);

    // Row 2's band starts at 1070: the first line at 1085, the second at 1135, at 8 points.
    std::vector<const CanvasOp *> lines;
    for (const CanvasOp *op : page(0).texts())
        if (op->y == int(1085 * double(s.V)) || op->y == int(1135 * double(s.V)))
            lines.push_back(op);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->font.points, 8);
    EXPECT_EQ(lines[1]->font.points, 8);
    EXPECT_EQ(lines[0]->text + lines[1]->text, longName);
    const int width = int(std::trunc((1350 - 30) * double(s.H)));
    EXPECT_LE(measureTextWidth(lines[0]->font, 600, lines[0]->text), width);
    EXPECT_GT(measureTextWidth(lines[0]->font, 600, lines[0]->text + lines[1]->text.left(1)),
              width);
}

// Neither line of a split name or shape runs past its column, and a narrow shape column
// shrinks its title instead of writing it over the quantity title.
TEST_F(SlipLayoutTest, SplitTextsAndTheShapeTitleStayInTheirColumns)
{
    setKinds({1});
    job.header.Sunpou = true;
    setPrintIni({QStringLiteral("[形状幅]=12")});
    const QString longName =
        QStringLiteral("ステンレス製六角ボルト・ナット・ワッシャー").repeated(6);
    const QString longShape = QStringLiteral("Ｍ１２×４０ミリメートル特注品").repeated(3);
    setItem(1, longName, QStringLiteral("1"), QString(), QString());
    items.setCell(4, 1, longShape);
    record();
    const LayoutScale s = scale();
    const int SHW = int(std::trunc(12 * 14 * double(s.H)));
    struct Column
    {
        const char *name;
        QString text;
        int width;
    } const columns[] = {
        {"item name", longName, int(std::trunc((1600 - 12 * 14 - 250 - 30) * double(s.H)))},
        {"shape", longShape, int(std::trunc(SHW - 20 * double(s.H)))},
    };
    for (const Column &c : columns) {
        SCOPED_TRACE(c.name);
        // Row 1's band starts at 950: the lines at 965 and 1015.
        const CanvasOp *first = nullptr;
        const CanvasOp *second = nullptr;
        for (const CanvasOp *op : page(0).texts()) {
            if (!c.text.startsWith(op->text) && !c.text.contains(op->text))
                continue;
            if (op->y == int(965 * double(s.V)))
                first = op;
            if (op->y == int(1015 * double(s.V)))
                second = op;
        }
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second->font.points, 8);
        EXPECT_TRUE(c.text.startsWith(first->text + second->text));
        EXPECT_LE(measureTextWidth(second->font, 600, second->text), c.width);
        const QString next = c.text.mid(first->text.size() + second->text.size(), 1);
        EXPECT_GT(measureTextWidth(second->font, 600, second->text + next), c.width)
            << "cut at the column's edge, not before";
    }

    const CanvasOp *shapeTitle = nullptr;
    for (const CanvasOp *op : page(0).texts()) {
        if (!op->text.isEmpty() && QStringLiteral("形状・寸法").startsWith(op->text))
            shapeTitle = op;
    }
    ASSERT_NE(shapeTitle, nullptr);
    const int right = int(1600 * double(s.H));
    EXPECT_GE(shapeTitle->x, right - SHW);
    EXPECT_LE(shapeTitle->x + measureTextWidth(shapeTitle->font, 600, shapeTitle->text), right);
    const CanvasOp *quantityTitle = page(0).findText(QStringLiteral("数 量"));
    ASSERT_NE(quantityTitle, nullptr);
    EXPECT_EQ(quantityTitle->font.points, 11);
}

TEST_F(SlipLayoutTest, ReceiptCopyAndRequestForQuotation)
{
    setItem(1, QStringLiteral("A"), QStringLiteral("3"), QStringLiteral("500"),
            QStringLiteral("1500"));
    setKinds({3});
    record();
    EXPECT_NE(page(0).findText(QStringLiteral("受　領　印")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("単　価")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("     1,500")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("税抜合計")), nullptr);
    EXPECT_NE(page(0).findText(QStringLiteral("3")), nullptr) << "quantities still print";
    EXPECT_NE(page(0).findText(QStringLiteral("下記の通り納品致しました。")), nullptr);

    setKinds({6});
    job.captions.irai = QStringLiteral("見積書");
    record();
    EXPECT_NE(page(0).findText(QStringLiteral("見積書")), nullptr);
    EXPECT_NE(page(0).findText(QStringLiteral("税抜合計")), nullptr) << "labels stay";
    EXPECT_NE(page(0).findText(QStringLiteral("単　価")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("500")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("\\1,575")), nullptr);
    for (const CanvasOp *op : page(0).texts())
        EXPECT_FALSE(op->text.startsWith(QStringLiteral("下記"))) << "no lead sentence";

    setKinds({5});
    record();
    EXPECT_NE(page(0).findText(QStringLiteral("下記の通り発注いたします。")), nullptr);
    EXPECT_NE(page(0).findText(QStringLiteral("\\1,575")), nullptr) << "cost columns";
}

TEST_F(SlipLayoutTest, BankLinesAndJustifiedFreeLine)
{
    setPrintIni(
        {QStringLiteral("[振込先]=三井住友銀行 新宿支店"),
         QStringLiteral("[口座番号]=普通 1234567"), QStringLiteral("[名義]=ヤマダショウテン"),
         QStringLiteral("[振込先2]=ゆうちょ銀行"), QStringLiteral("[口座番号2]=00120-1-234"),
         QStringLiteral("[名義2]=ヤマダタロウ"),
         QStringLiteral("[TEXT1]=営業時間　平日９時～１８時"),
         QStringLiteral("[TEXT2]=株式会社ヤマダ商店は明るい未来を作ります。ご相談ください。")});
    setKinds({2});
    record();
    const LayoutScale s = scale();
    const QStringList bank = {"三井住友銀行 新宿支店　普通 1234567", "ヤマダショウテン",
                              "ゆうちょ銀行　00120-1-234", "ヤマダタロウ"};
    const int h = measureTextHeight({QStringLiteral("ＭＳ ゴシック"), 6}, 600, QString());
    for (int i = 0; i < bank.size(); ++i) {
        SCOPED_TRACE(i);
        const CanvasOp *op = page(0).findText(bank[i]);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->font.points, 6);
        EXPECT_EQ(op->x, int(260 * double(s.H)));
        EXPECT_EQ(op->y, int(1920 * double(s.V)) + i * h);
    }

    // TEXT1 is narrower: it is drawn character by character to TEXT2's width.
    const CanvasOp *wide = page(0).findText(
        QStringLiteral("株式会社ヤマダ商店は明るい未来を作ります。ご相談ください。"));
    ASSERT_NE(wide, nullptr);
    std::vector<const CanvasOp *> spread;
    for (const CanvasOp *op : page(0).texts())
        if (op->y == int(280 * double(s.V)))
            spread.push_back(op);
    const QString text1 = QStringLiteral("営業時間　平日９時～１８時");
    ASSERT_EQ(spread.size(), size_t(text1.size()));
    const int W = measureTextWidth(wide->font, 600, wide->text);
    const int c = measureTextWidth(wide->font, 600, QStringLiteral("御"));
    const int pitch = int(std::lround(double(W - c) / (text1.size() - 1)));
    for (size_t i = 0; i < spread.size(); ++i) {
        EXPECT_EQ(spread[i]->text, text1.mid(qsizetype(i), 1));
        EXPECT_EQ(spread[i]->x, int(1700 * double(s.H)) + pitch * int(i));
    }
    // The last character ends at about the wider line's width.
    EXPECT_NEAR(spread.back()->x + c - int(1700 * double(s.H)), W, double(spread.size()));
}

TEST_F(SlipLayoutTest, CustomerBlockPostalCodeAndHonorific)
{
    setKinds({1});
    job.header.YUBIN = QStringLiteral("123-4567");
    record();
    EXPECT_NE(page(0).findText(QStringLiteral("〒123-4567")), nullptr);
    EXPECT_NE(page(0).findText(QStringLiteral("山田商店   様")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("山田商店   様"))->y, int(590 * double(scale().V)));

    job.header.YUBIN = QStringLiteral("〒123-4567");
    job.header.NAME2 = QStringLiteral("経理部");
    record();
    EXPECT_NE(page(0).findText(QStringLiteral("〒123-4567")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("〒〒123-4567")), nullptr);
    EXPECT_EQ(page(0).findText(QStringLiteral("山田商店"))->y, int(550 * double(scale().V)));
    EXPECT_EQ(page(0).findText(QStringLiteral("経理部   様"))->y, int(620 * double(scale().V)));
}

// The window-envelope positions print as whole millimetres with nothing moved when a
// position is missing or not a whole number; the dialog's 4, -5 and -3 are proposals only.
TEST_F(SlipLayoutTest, WindowEnvelopePositionsDefaultToNoShift)
{
    setKinds({1});
    struct Case
    {
        const char *name;
        QStringList positions;
        int frameX; // millimetres the frame and the address move right
        int frameY; // millimetres the frame's top is raised
        int textY;  // millimetres the address moves down
    } const cases[] = {
        {"no positions", {}, 0, 0, 0},
        {"decimal positions",
         {"[住所枠x位置]=2.5", "[住所枠y位置]=1.5", "[住所文字y位置]=-0.5"},
         0,
         0,
         0},
        {"whole positions", {"[住所枠x位置]=3", "[住所枠y位置]=2", "[住所文字y位置]=-1"}, 3, 2, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        setPrintIni(QStringList{QStringLiteral("[住所枠窓付き封筒用]=1")} + c.positions);
        record();
        const LayoutScale s = scale();
        const int WX = int(std::trunc(c.frameX * 14.0 * double(s.H)));
        const int WY = int(std::trunc(c.frameY * -14.0 * double(s.V)));
        const int WT = int(std::trunc(c.textY * 14.0 * double(s.V)));
        const CanvasOp *name = page(0).findText(QStringLiteral("山田商店   様"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->x, int(320 * double(s.H)) + WX);
        EXPECT_EQ(name->y, int(590 * double(s.V)) + WT);
        // The address frame is the page's first rounded rectangle.
        const auto frame = *std::find_if(page(0).ops.begin(), page(0).ops.end(), [](auto &op) {
            return op.kind == CanvasOpKind::RoundRect;
        });
        EXPECT_EQ(frame.x, int(250 * double(s.H)) + (WY != 0 ? WX : 0));
        EXPECT_EQ(frame.y, int(274 * double(s.V)) + WY);
    }
}

TEST_F(SlipLayoutTest, SevenRowTotalsStripAndOrderNote)
{
    job.header.PRN_S = 1;
    setItem(1, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1999"),
            QStringLiteral("1999"));
    dir.writeLines(QStringLiteral("HATTYU.INI"),
                   {QStringLiteral("[発注書]=納期厳守でお願いします。")});
    setKinds({5});
    record();
    const LayoutScale s = scale();
    const auto right = [&](const QString &text) {
        for (const CanvasOp *op : page(0).texts()) {
            if (op->text == text && op->y == int(1820 * double(s.V)))
                return op->x + measureTextWidth(op->font, 600, text);
        }
        return -1;
    };
    EXPECT_EQ(right(QStringLiteral("     1,999")), int(1760 * double(s.H)));
    EXPECT_EQ(right(QStringLiteral("99")), int(2210 * double(s.H)));
    EXPECT_EQ(right(QStringLiteral("\\2,098")), int(2670 * double(s.H)));
    const CanvasOp *note = page(0).findText(QStringLiteral("納期厳守でお願いします。"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->y, int(1820 * double(s.V)));
    EXPECT_EQ(textCount(page(0), QStringLiteral("税")), 3);
    // Seven row lines, the first at 950.
    int rowLines = 0;
    for (const CanvasOp &op : page(0).ops)
        rowLines += op.kind == CanvasOpKind::LineTo && op.x == int(2700 * double(s.H));
    EXPECT_EQ(rowLines, 7);
}

TEST_F(SlipLayoutTest, CommandsCheckKindsHonorificAndConfirmation)
{
    setKinds({});
    EXPECT_FALSE(printSlip(job, printer, state));
    EXPECT_EQ(prompts.texts(QStringLiteral("info")),
              QStringList({"伝票の種類の指定がありません。"}));
    EXPECT_EQ(printer.setupDialogRuns, 0);

    prompts.log.clear();
    job.header.KEISYOU = QStringLiteral("　");
    setKinds({1});
    EXPECT_TRUE(previewSlip(job, printer, preview, state));
    EXPECT_EQ(prompts.texts(QStringLiteral("info")), QStringList({"敬称がありません。\r\n"}));

    // Printing asks first; No prints nothing.
    job.header.taxMode = TaxMode::Inclusive;
    prompts.answers.enqueue(false);
    EXPECT_FALSE(printSlip(job, printer, state));
    EXPECT_EQ(prompts.texts(QStringLiteral("question")),
              QStringList({"内税伝票(5行)を印刷します。"}));
    EXPECT_EQ(printer.jobsStarted(), 0);

    prompts.answers.enqueue(true);
    job.header.PRN_S = 1;
    job.header.taxMode = TaxMode::Exempt;
    EXPECT_TRUE(printSlip(job, printer, state));
    EXPECT_EQ(prompts.texts(QStringLiteral("question")).last(),
              QStringLiteral("非課税伝票(7行)を印刷します。"));
    EXPECT_EQ(printer.job().PageCount(), 1);
    EXPECT_NE(printer.job().page(0).findText(QStringLiteral("納　品　書")), nullptr);

    // A cancelled setup dialog in preview leaves the flag set.
    printer.setupAccepted = false;
    EXPECT_FALSE(previewSlip(job, printer, preview, state));
    EXPECT_TRUE(state.previewCancelled);
}

TEST_F(SlipLayoutTest, LogoPictureIsLoadedWhenReadableAndDrawnAtItsPixelSize)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.file(QStringLiteral("logo.png"))));
    dir.writeBytes(QStringLiteral("broken.bmp"), "BM not a bitmap");
    const struct
    {
        QString value;
        bool loads;
    } cases[] = {{dir.file(QStringLiteral("logo.png")), true},
                 {dir.file(QStringLiteral("missing.png")), false},
                 {dir.file(QStringLiteral("broken.bmp")), false},
                 {QString(), false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        setPrintIni({QStringLiteral("[ロゴ]=") + c.value});
        EXPECT_EQ(!loadLogoPicture().isNull(), c.loads);
    }

    setPrintIni({QStringLiteral("[ロゴ]=") + dir.file(QStringLiteral("logo.png")),
                 QStringLiteral("[ロゴLEFT]=10"), QStringLiteral("[ロゴTOP]=-5")});
    job.logo = loadLogoPicture();
    setKinds({1});
    record();
    const LayoutScale s = scale();
    const auto bitmap =
        std::find_if(page(0).ops.begin(), page(0).ops.end(),
                     [](const CanvasOp &op) { return op.kind == CanvasOpKind::Bitmap; });
    ASSERT_NE(bitmap, page(0).ops.end());
    EXPECT_EQ(bitmap->x, int(1840 * double(s.H)));
    EXPECT_EQ(bitmap->y, int(130 * double(s.V)));
    EXPECT_EQ(bitmap->bitmap.size(), QSize(40, 20));
}

} // namespace

namespace {

// 12,000 at 10 %, 8,280 at 8 % and 200 exempt; with "[適格請求書]=1" the invoice carries
// the registration number, the reduced-rate marks and the total and tax of each rate.
class QualifiedInvoiceSlipTest : public SlipLayoutTest
{
protected:
    QualifiedInvoiceSlipTest()
    {
        setItem(1, QStringLiteral("コピー用紙"), "5", "2200", "11000");
        setItem(2, QStringLiteral("緑茶"), "24", "120", "2880");
        setItem(3, QStringLiteral("幕の内弁当"), "10", "540", "5400");
        setItem(4, QStringLiteral("配送料"), "1", "1000", "1000");
        setItem(5, QStringLiteral("収入印紙"), "1", "200", "200");
        items.setCell(3, 2, QStringLiteral("8"));
        items.setCell(3, 3, QStringLiteral("8"));
        items.setCell(3, 5, QStringLiteral("1"));
        job.lastUsedRow = 5;
        job.taxRates = {10, 8};
    }

    void useBlock(bool on)
    {
        setPrintIni({"[社名]=株式会社ミラボ", "[fax]=FAX 03-0000-0000",
                     on ? "[適格請求書]=1" : "[適格請求書]=0", "[登録番号]=T1234567890123"});
        job.qualified = QualifiedInvoice::fromPrintIni();
    }

    // The texts of the upper (y below the cut) or the lower slip image of page 0.
    QStringList textsOf(bool lower) const
    {
        const int cut = int(2033 * scale().V);
        QStringList texts;
        for (const CanvasOp *op : page(0).texts()) {
            if ((op->y >= cut) == lower)
                texts << op->text;
        }
        return texts;
    }
};

} // namespace

TEST_F(QualifiedInvoiceSlipTest, TheInvoiceCarriesTheNumberTheMarksAndEachRate)
{
    useBlock(true);
    setKinds({2, 5});
    record();
    const Placement p{scale(), 0, 0};
    const QStringList invoice = textsOf(false);
    EXPECT_TRUE(invoice.contains(QStringLiteral("登録番号 T1234567890123")));
    EXPECT_TRUE(invoice.contains(QStringLiteral("緑茶※")));
    EXPECT_TRUE(invoice.contains(QStringLiteral("幕の内弁当※")));
    EXPECT_TRUE(invoice.contains(QStringLiteral("コピー用紙")));
    EXPECT_TRUE(invoice.contains(QStringLiteral("収入印紙")));
    // The tax of the totals box is the sum of the per-rate taxes, each taken once.
    EXPECT_TRUE(invoice.contains(QStringLiteral("1,862")));
    EXPECT_TRUE(invoice.contains(QStringLiteral("\\22,342")));

    // The per-rate lines and the note stand one under the other in the dotted area left of
    // the stamp boxes; the registration number ends at the frame's right edge above the table.
    const QString lines[] = {QStringLiteral("10%対象 ¥12,000 消費税 ¥1,200"),
                             QStringLiteral("8%対象 ¥8,280 消費税 ¥662"),
                             QStringLiteral("※は軽減税率対象")};
    int previousY = p.y(1580);
    for (const QString &line : lines) {
        SCOPED_TRACE(line.toStdString());
        const CanvasOp *op = page(0).findText(line);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->x, p.x(280));
        EXPECT_GT(op->y, previousY);
        EXPECT_LT(op->y + measureTextHeight(op->font, page(0).metrics.dpiY, line), p.y(1910));
        previousY = op->y;
    }
    const CanvasOp *number = page(0).findText(QStringLiteral("登録番号 T1234567890123"));
    ASSERT_NE(number, nullptr);
    EXPECT_LE(number->x + measureTextWidth(number->font, page(0).metrics.dpiY, number->text),
              p.x(2700));
    EXPECT_LT(number->y + measureTextHeight(number->font, page(0).metrics.dpiY, number->text),
              p.y(830));

    // The purchase order below goes to a supplier: none of it.
    const QStringList order = textsOf(true);
    EXPECT_FALSE(order.contains(QStringLiteral("登録番号 T1234567890123")));
    EXPECT_FALSE(order.contains(QStringLiteral("緑茶※")));
    EXPECT_FALSE(order.contains(QStringLiteral("※は軽減税率対象")));
}

TEST_F(QualifiedInvoiceSlipTest, WithoutTheBlockTheSlipPrintsAsAlwaysWithTheRatesTaxes)
{
    useBlock(false);
    setKinds({2});
    record();
    const QStringList invoice = textsOf(false);
    EXPECT_TRUE(invoice.contains(QStringLiteral("緑茶")));
    EXPECT_TRUE(invoice.contains(QStringLiteral("1,862")));
    for (const QString &text : invoice) {
        EXPECT_FALSE(text.contains(u'※')) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("登録番号"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("対象"))) << text.toStdString();
    }
}

TEST_F(QualifiedInvoiceSlipTest, TheLongSlipsPutTheNoteAndTheRatesUnderTheStrip)
{
    useBlock(true);
    setKinds({2});
    for (const int layout : {2, 3}) {
        SCOPED_TRACE(layout == 2 ? "24 rows" : "36 rows");
        job.header.PRN_S = layout;
        record();
        const RecordedPage &sheet = page(0);
        EXPECT_NE(sheet.findText(QStringLiteral("登録番号 T1234567890123")), nullptr);
        EXPECT_NE(sheet.findText(QStringLiteral("緑茶※")), nullptr);
        const CanvasOp *line = sheet.findText(QStringLiteral(
            "※は軽減税率対象　10%対象 ¥12,000 消費税 ¥1,200　8%対象 ¥8,280 消費税 ¥662"));
        ASSERT_NE(line, nullptr);
        EXPECT_LE(line->y + measureTextHeight(line->font, sheet.metrics.dpiY, line->text),
                  sheet.metrics.pageHeight);
    }
}

// The 24-row and 36-row slips, checked on the recorded operations of their pages.
#include "print/layout_painter.h"
#include "print/slip_layouts.h"
#include "realistic_slip.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int layout24 = 2; // PRN_S
constexpr int layout36 = 3;

// A line drawn as a move followed by a line-to.
struct Segment
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    CanvasPen pen;
};

// Where the body of a slip stands on the virtual printer's A4 page: yb device pixels down.
Placement bodyAt(int yb)
{
    const PrinterMetrics m = a4Metrics600();
    return {layoutScale(m.pageWidth, m.pageHeight, false), 0, yb};
}

// Without any offset the body stands 56 units below the header.
Placement body()
{
    return bodyAt(int(std::trunc(56 * double(bodyAt(0).scale.V))));
}

std::vector<Segment> segments(const RecordedPage &page)
{
    std::vector<Segment> result;
    for (size_t i = 1; i < page.ops.size(); ++i) {
        const CanvasOp &from = page.ops[i - 1];
        const CanvasOp &to = page.ops[i];
        if (from.kind == CanvasOpKind::MoveTo && to.kind == CanvasOpKind::LineTo)
            result.push_back({from.x, from.y, to.x, to.y, to.pen});
    }
    return result;
}

class LongSlipLayoutTest : public ::testing::Test
{
protected:
    LongSlipLayoutTest()
    {
        job.items = &items;
        fillPlainHeader(job.header);
        setKinds({1});
    }

    void setKinds(std::initializer_list<int> kinds) { setSlipKinds(job.header, kinds); }

    // Rows 1 to count named "品名1" ... with one item of 100 yen each.
    void fillRows(int count)
    {
        for (int row = 1; row <= count; ++row) {
            items.setCell(2, row, QStringLiteral("品名%1").arg(row));
            items.setCell(5, row, QStringLiteral("1"));
            items.setCell(7, row, QStringLiteral("100"));
            items.setCell(9, row, QStringLiteral("100"));
        }
    }

    void record(int prnS)
    {
        preview = std::make_unique<TPrintPreview>();
        job.header.PRN_S = prnS;
        ASSERT_TRUE(previewSlip(job, printer, *preview, state));
    }

    const RecordedPage &page(int index) const { return preview->page(index); }

    void clearRows()
    {
        for (int row = 1; row < items.rows(); ++row) {
            for (int column = 1; column < items.columns(); ++column)
                items.setCell(column, row, QString());
        }
    }

    // The item names printed on a page ("品名1" ...), in drawing order.
    static QStringList itemNames(const RecordedPage &p)
    {
        QStringList names;
        for (const CanvasOp *op : p.texts()) {
            if (op->text.startsWith(QStringLiteral("品名")))
                names << op->text;
        }
        return names;
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    std::unique_ptr<TPrintPreview> preview;
    StringGrid items{12, 31};
    SlipPrintJob job;
    PrintRunState state;
};

TEST_F(LongSlipLayoutTest, RowsGoOnToTheNextImageOfEveryKindWithThePageNumber)
{
    struct Case
    {
        const char *name;
        int layout;
        int usedRows;
        std::initializer_list<int> kinds;
        // per page: title, slip number, first and last item name
        std::vector<std::array<const char *, 4>> pages;
    };
    const Case cases[] = {
        {"30 rows in 24-row images",
         layout24,
         30,
         {1, 2},
         {{"納　品　書", "1024", "品名1", "品名24"},
          {"請　求　書", "1024", "品名1", "品名24"},
          {"納　品　書", "1024-2", "品名25", "品名30"},
          {"請　求　書", "1024-2", "品名25", "品名30"}}},
        {"24 rows fill one image", layout24, 24, {3}, {{"受　領　書", "1024", "品名1", "品名24"}}},
        {"30 rows in 36-row images",
         layout36,
         30,
         {2, 4},
         {{"請　求　書", "1024", "品名1", "品名30"}, {"伝　票　控", "1024", "品名1", "品名30"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        clearRows();
        fillRows(c.usedRows);
        setKinds(c.kinds);
        record(c.layout);
        ASSERT_EQ(preview->PageCount(), int(c.pages.size()));
        for (int i = 0; i < preview->PageCount(); ++i) {
            SCOPED_TRACE(i);
            const auto &[title, number, first, last] = c.pages[size_t(i)];
            const CanvasOp *titleOp = page(i).findText(QString::fromUtf8(title));
            ASSERT_NE(titleOp, nullptr);
            EXPECT_EQ(titleOp->font.points, 18);
            const CanvasOp *numberOp = page(i).findText(QString::fromUtf8(number));
            ASSERT_NE(numberOp, nullptr);
            EXPECT_EQ(page(i).findText(QStringLiteral("伝票№"))->font.points, 10);
            const QStringList names = itemNames(page(i));
            ASSERT_FALSE(names.isEmpty());
            EXPECT_EQ(names.first(), QString::fromUtf8(first));
            EXPECT_EQ(names.last(), QString::fromUtf8(last));
        }
    }
}

TEST_F(LongSlipLayoutTest, MarginFileReplacesTheFourMillimetresOfTheBody)
{
    fillRows(1);
    const Placement p = bodyAt(0);
    const int defaultDrop = int(std::trunc(56 * double(p.scale.V)));
    const struct
    {
        const char *name;
        int layout;
        const char *file;
        const char *line;
        int drop; // device pixels the body stands below its place without any offset
    } cases[] = {
        {"24 rows, no file", layout24, nullptr, nullptr, defaultDrop},
        {"24 rows, 0", layout24, "24GYO_YOHAKU.INI", "[24行伝票余白調整値]=0", 0},
        {"24 rows, 3 mm", layout24, "24GYO_YOHAKU.INI", "[24行伝票余白調整値]=3",
         int(std::trunc(42 * double(p.scale.V)))},
        {"24 rows, no number", layout24, "24GYO_YOHAKU.INI", "[24行伝票余白調整値]=x", defaultDrop},
        {"24 rows, empty key", layout24, "24GYO_YOHAKU.INI", "[24行伝票余白調整値]=", defaultDrop},
        {"36 rows, -2 mm", layout36, "36GYO_YOHAKU.INI", "[36行伝票余白調整値]=-2",
         int(std::trunc(-28 * double(p.scale.V)))},
        {"36 rows ignore the 24-row file", layout36, "24GYO_YOHAKU.INI", "[24行伝票余白調整値]=0",
         defaultDrop},
    };
    std::optional<int> titleY;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(dir.file(QStringLiteral("24GYO_YOHAKU.INI")));
        QFile::remove(dir.file(QStringLiteral("36GYO_YOHAKU.INI")));
        if (c.file)
            dir.writeLines(QString::fromUtf8(c.file), {QString::fromUtf8(c.line)});
        record(c.layout);
        const CanvasOp *lead = page(0).findText(QStringLiteral("下記の通り納品申し上げます。"));
        ASSERT_NE(lead, nullptr);
        EXPECT_EQ(lead->y, bodyAt(c.drop).y(780));
        EXPECT_EQ(lead->x, bodyAt(c.drop).x(300));
        const auto frame =
            std::find_if(page(0).ops.begin(), page(0).ops.end(), [&](const auto &op) {
                return op.kind == CanvasOpKind::RoundRect && op.x == p.x(250) && op.x2 == p.x(2700);
            });
        ASSERT_NE(frame, page(0).ops.end());
        EXPECT_EQ(frame->y, bodyAt(c.drop).y(850));
        EXPECT_EQ(frame->y2, bodyAt(c.drop).y(3850));
        // The header blocks stay where they are.
        const int y = page(0).findText(QStringLiteral("納　品　書"))->y;
        EXPECT_EQ(y, titleY.value_or(y));
        titleY = y;
    }
}

TEST_F(LongSlipLayoutTest, VerticalBaseMovesHeaderAndBodyScaledAcross)
{
    fillRows(1);
    record(layout24);
    const int titleY = page(0).findText(QStringLiteral("納　品　書"))->y;
    const int leadY = page(0).findText(QStringLiteral("下記の通り納品申し上げます。"))->y;
    // 100 mm, scaled with the horizontal scale: a few pixels less than the vertical scale
    // would give on this page.
    dir.writeLines(QStringLiteral("PRINT.INI"), {QStringLiteral("[24/36yBase]=100")});
    record(layout24);
    const int yo = int(std::trunc(1400 * double(bodyAt(0).scale.H)));
    EXPECT_NE(yo, int(std::trunc(1400 * double(bodyAt(0).scale.V))));
    EXPECT_EQ(page(0).findText(QStringLiteral("納　品　書"))->y, titleY + yo);
    EXPECT_EQ(page(0).findText(QStringLiteral("下記の通り納品申し上げます。"))->y, leadY + yo);
}

// The widest run of "漢" that fits the item-name column at a size.
int namesFitting(int points)
{
    const LayoutScale scale = bodyAt(0).scale;
    const int width = int(std::trunc((1350 - 30) * double(scale.H)));
    const CanvasFont font{QStringLiteral("ＭＳＰ ゴシック"), points, false, Qt::black};
    int n = 0;
    while (measureTextWidth(font, 600, QString(n + 1, u'漢')) <= width)
        ++n;
    return n;
}

TEST_F(LongSlipLayoutTest, ItemNamesShrinkToTheLayoutsMinimumBeforeSplitting)
{
    ASSERT_LT(namesFitting(8), namesFitting(7));
    ASSERT_LT(namesFitting(7), namesFitting(6));
    const QString fitsAt7(namesFitting(7), u'漢');
    const QString tooLongFor6 = QString(namesFitting(6) + 3, u'漢');
    items.setCell(2, 1, fitsAt7);
    items.setCell(2, 2, tooLongFor6);
    const Placement b = body();

    // 36 rows: one line at 7 points; the longer name in two lines at 6 points, 7 and 42
    // units into its 80-unit band.
    record(layout36);
    const CanvasOp *oneLine = page(0).findText(fitsAt7);
    ASSERT_NE(oneLine, nullptr);
    EXPECT_EQ(oneLine->font.points, 7);
    const CanvasOp *first = page(0).findText(tooLongFor6.left(namesFitting(6)));
    const CanvasOp *second = page(0).findText(QString(3, u'漢'));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->font.points, 6);
    EXPECT_EQ(first->y, b.y(1050 + 7));
    EXPECT_EQ(second->y, b.y(1050 + 42));

    // 24 rows: 7 points is below the minimum of 8, so the first name splits, 15 and 65
    // units into its 120-unit band.
    record(layout24);
    EXPECT_EQ(page(0).findText(fitsAt7), nullptr);
    const CanvasOp *split = page(0).findText(fitsAt7.left(namesFitting(8)));
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->font.points, 8);
    EXPECT_EQ(split->y, b.y(970 + 15));
    const CanvasOp *rest = page(0).findText(QString(namesFitting(7) - namesFitting(8), u'漢'));
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(rest->y, b.y(970 + 65));
}

TEST_F(LongSlipLayoutTest, RowAndColumnLinesOfEveryKindAndLayout)
{
    const Placement b = body();
    for (int layout : {layout24, layout36}) {
        const int rows = layout == layout24 ? 24 : 36;
        const int pitch = layout == layout24 ? 120 : 80;
        for (int kind : {1, 3}) {
            SCOPED_TRACE(QStringLiteral("%1 rows, kind %2").arg(rows).arg(kind).toStdString());
            setKinds({kind});
            record(layout);
            std::vector<Segment> rowLines;
            std::vector<Segment> columnLines;
            for (const Segment &s : segments(page(0))) {
                if (s.y1 == s.y2 && s.x1 == b.x(250))
                    rowLines.push_back(s);
                else if (s.x1 == s.x2 && s.y1 == b.y(850))
                    columnLines.push_back(s);
            }
            // 受領書 draws its header line to the right edge and then, like every row line,
            // to the stamp column.
            ASSERT_EQ(rowLines.size(), size_t(kind == 3 ? rows + 1 : rows));
            size_t i = 0;
            for (int line = 0; line < rows; ++line) {
                SCOPED_TRACE(line);
                const int y = b.y(970 + pitch * line);
                const bool dotted = line > 0 && layout == layout36;
                const CanvasPen pen{slipKindColour(kind),
                                    line == 0 ? 8
                                    : dotted  ? 1
                                              : 2,
                                    dotted ? CanvasPenStyle::Dotted : CanvasPenStyle::Solid};
                if (kind == 3 && line == 0) {
                    EXPECT_EQ(rowLines[i].x2, b.x(2700));
                    ++i;
                }
                EXPECT_EQ(rowLines[i].y1, y);
                EXPECT_EQ(rowLines[i].x2, b.x(kind == 3 ? 2000 : 2700));
                EXPECT_EQ(rowLines[i].pen, pen);
                ++i;
            }
            std::vector<int> xs;
            for (const Segment &s : columnLines) {
                xs.push_back(s.x1);
                EXPECT_EQ(s.y2, b.y(3850));
                EXPECT_EQ(s.pen, (CanvasPen{slipKindColour(kind), 2, CanvasPenStyle::Solid}));
            }
            std::vector<int> expected = {b.x(1600), b.x(1854), b.x(2000)};
            if (kind != 3)
                expected.push_back(b.x(2340));
            EXPECT_EQ(xs, expected);
        }
    }
}

TEST_F(LongSlipLayoutTest, TotalsStripBankLinesAndPunchGuide)
{
    dir.writeLines(QStringLiteral("PRINT.INI"),
                   {QStringLiteral("[振込先]=みずほ銀行 新宿支店"),
                    QStringLiteral("[名義]=カ）ヤマダ"), QStringLiteral("[パンチ穴線]=1"),
                    QStringLiteral("[パンチ穴位置3]=2.5")});
    fillRows(3);
    const Placement b = body();
    for (int layout : {layout24, layout36}) {
        for (int kind : {1, 2, 3}) {
            SCOPED_TRACE(QStringLiteral("layout %1, kind %2").arg(layout).arg(kind).toStdString());
            setKinds({kind});
            record(layout);
            const RecordedPage &p = page(0);
            const CanvasOp *net = p.findText(QStringLiteral("       300"));
            const CanvasOp *bank = p.findText(QStringLiteral("みずほ銀行 新宿支店　"));
            const CanvasOp *label = p.findText(QStringLiteral("抜"));
            if (kind == 3) {
                EXPECT_EQ(net, nullptr);
                EXPECT_EQ(label, nullptr);
            } else {
                ASSERT_NE(net, nullptr);
                EXPECT_EQ(net->y, b.y(3880));
                EXPECT_EQ(net->x + measureTextWidth(net->font, 600, net->text), b.x(1760));
                EXPECT_NE(p.findText(QStringLiteral("\\315")), nullptr);
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->x, b.x(1360));
                EXPECT_EQ(label->y, b.y(3908));
            }
            EXPECT_EQ(bank != nullptr, kind == 2);
            if (bank) {
                EXPECT_EQ(bank->x, b.x(250));
                EXPECT_EQ(bank->y, b.y(3860));
            }
            const std::vector<Segment> lines = segments(p);
            const int punchY = 7016 / 2 + int(std::trunc(2.5 * 14 * double(b.scale.V)));
            const auto punch = std::find_if(lines.begin(), lines.end(), [&](const Segment &s) {
                return s.x1 == 0 && s.y1 == punchY;
            });
            ASSERT_NE(punch, lines.end());
            EXPECT_EQ(punch->x2, int(std::trunc(110 * double(b.scale.H))));
            EXPECT_EQ(punch->pen, (CanvasPen{Qt::black, 1, CanvasPenStyle::Dotted}));
        }
    }
}

TEST_F(LongSlipLayoutTest, PrinterRunAsksAndRemembersThePrinterWithoutA5Mode)
{
    // The A5 keys belong to the half-sheet slips: the long slips print on A4 all the same.
    dir.writeLines(QStringLiteral("PRINT.INI"), {QStringLiteral("[A5縦]=1")});
    dir.writeLines(
        QStringLiteral("PRINT24.INI"),
        {QStringLiteral("[ORIENT]=0"), QStringLiteral("[PRINTER]=0"), QStringLiteral("[PAPER]=0")});
    fillRows(2);
    const struct
    {
        int layout;
        TaxMode mode;
        const char *question;
    } cases[] = {
        {layout24, TaxMode::Exclusive, "伝票(24行)を印刷します。"},
        {layout24, TaxMode::Exempt, "非課税伝票(24行)を印刷します。"},
        {layout36, TaxMode::Inclusive, "内税伝票(36行)を印刷します。"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.question);
        prompts.log.clear();
        job.header.PRN_S = c.layout;
        job.header.taxMode = c.mode;
        printer.setPaperIndex(1);
        prompts.answers.enqueue(false);
        EXPECT_FALSE(printSlip(job, printer, state));
        prompts.answers.enqueue(true);
        EXPECT_TRUE(printSlip(job, printer, state));
        EXPECT_EQ(prompts.log, QStringList({QStringLiteral("question: ") + c.question,
                                            QStringLiteral("question: ") + c.question}));
        EXPECT_FALSE(job.header.A5);
        EXPECT_EQ(printer.paperIndex(), 0) << "the paper of PRINT24.INI";
        EXPECT_FALSE(printer.landscape());
        ASSERT_EQ(printer.job().PageCount(), 1);
        EXPECT_EQ(printer.job().page(0).metrics.pageHeight, 7016);
        EXPECT_EQ(dir.readLines(QStringLiteral("PRINT24.INI")),
                  QStringList({"[ORIENT]=0", "[PRINTER]=0", "[PAPER]=0"}));
    }
    EXPECT_FALSE(dir.exists(QStringLiteral("PRINT7.INI")));
}

} // namespace

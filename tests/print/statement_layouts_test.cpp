#include "cli/ops_json.h"
#include "common/clock.h"
#include "print/layout_painter.h"
#include "print/statement_layouts.h"
#include "realistic_statement.h"
#include "slip/string_grid.h"
#include "statement/statement.h"
#include "statement/statement_columns.h"
#include "statement/statement_receipt_values.h"
#include "support/golden_ops.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(StatementInput, TypedValuesAreNormalizedToHalfWidth)
{
    const struct
    {
        const char *typed;
        const char *normalized;
    } cases[] = {
        {"２０２６／１２／０１", "2026/12/01"},
        {"１０，０００", "10，000"}, // the full-width comma is not one of the marks
        {"10,000", "10000"},
        {"１、２３４。５", "1234.5"},
        {"－500", "-500"},
        {"ー５", "-5"},
        {"令和８年１２月１日～令和８年１２月３１日", "令和8年12月1日～令和8年12月31日"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(halfWidthNormalized(QString::fromUtf8(c.typed)), QString::fromUtf8(c.normalized))
            << c.typed;
}

TEST(StatementInput, IssueDatesInWesternAndEraForms)
{
    const QDate expected(2026, 12, 1);
    for (const char *text : {"2026/12/01", "2026/12/1", "2026-12-01", "2026年12月1日",
                             "令和8年12月01日", "令和8年12月1日"})
        EXPECT_EQ(statementIssueDate(QString::fromUtf8(text)), expected) << text;
    EXPECT_EQ(statementIssueDate(QStringLiteral("平成31年4月30日")), QDate(2019, 4, 30));
    for (const char *text : {"", "2026/13/01", "2026/02/30", "明日", "45748", "令和8年"})
        EXPECT_FALSE(statementIssueDate(QString::fromUtf8(text))) << text;
}

TEST(StatementPaging, EachFormCountsItsOwnRowsPerPage)
{
    const struct
    {
        bool form2;
        int lastRow;
        int pages;
    } cases[] = {
        {false, 0, 1}, {false, 34, 1}, {false, 35, 2}, {false, 68, 2}, {false, 69, 3},
        {true, 0, 1},  {true, 31, 1},  {true, 32, 2},  {true, 72, 2},  {true, 73, 3},
        {true, 80, 3}, {true, 113, 3}, {true, 114, 4},
    };
    for (const auto &c : cases)
        EXPECT_EQ(statementPageTotal(c.form2, c.lastRow), c.pages)
            << "form " << (c.form2 ? 2 : 1) << ", " << c.lastRow << " rows";
}

class StatementLayoutTest : public ::testing::Test
{
protected:
    StatementLayoutTest()
    {
        Clock::setFixedNow(QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
        job.header.DTP1 = QDateTime(QDate(2026, 11, 27), QTime(9, 0));
    }
    ~StatementLayoutTest() override { Clock::setFixedNow({}); }

    void setPrintIni(const QStringList &lines)
    {
        dir.writeLines(QStringLiteral("PRINT.INI"), lines);
    }

    // Answers the questions of a run: the issue date, the period and the payment date as
    // offered unless given, and on form 2 the two amounts.
    void answer(const QString &issueDate, bool form2, const QString &previous = QString(),
                const QString &received = QString())
    {
        prompts.inputs << issueDate << std::nullopt << std::nullopt;
        if (form2)
            prompts.inputs << previous << received;
    }

    bool record(bool form2)
    {
        return form2 ? PP_PRINT36_MEISAI_2(job, printer, preview, state)
                     : PP_PRINT36_MEISAI(job, printer, preview, state);
    }

    Placement place(int page = 0) const
    {
        const PrinterMetrics &m = preview.page(page).metrics;
        return {layoutScale(m.pageWidth, m.pageHeight, false), 0, 0};
    }

    // The page cell of each page, in page order.
    QStringList pageCells() const
    {
        QStringList cells;
        for (int page = 0; page < preview.PageCount(); ++page) {
            QString cell;
            for (const CanvasOp *op : preview.page(page).texts()) {
                if (op->text.contains(u'/') && !op->text.contains(QStringLiteral("2026")) &&
                    op->text.size() <= 5 && op->text.at(0).isDigit() && op->text.count(u'/') == 1)
                    cell = op->text;
            }
            cells << cell;
        }
        return cells;
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    TPrintPreview preview;
    StringGrid rows{StatementColumn::count, 31};
    SlipPrintJob job;
    PrintRunState state;
};

TEST_F(StatementLayoutTest, TwentyRowsPrintOneStatementPageAndItsCopy)
{
    setPrintIni({});
    fillPlainStatement(job, rows, 20);
    for (bool form2 : {false, true}) {
        SCOPED_TRACE(form2 ? "form 2" : "form 1");
        answer(QStringLiteral("2026/12/11"), form2);
        ASSERT_TRUE(record(form2));
        ASSERT_EQ(preview.PageCount(), 2);
        EXPECT_NE(preview.page(0).findText(QStringLiteral("合計請求明細書")), nullptr);
        EXPECT_NE(preview.page(1).findText(QStringLiteral("合計請求明細書(控)")), nullptr);
        EXPECT_EQ(pageCells(), (QStringList{"1/1", "1/1"}));
        // Every row of the statement is on both pages.
        for (int page = 0; page < 2; ++page) {
            int names = 0;
            for (const CanvasOp *op : preview.page(page).texts())
                names += op->text == QStringLiteral("部材");
            EXPECT_EQ(names, 20);
        }
    }
}

TEST_F(StatementLayoutTest, QuestionsHaveTheirCaptionsOffersAndAreRemembered)
{
    setPrintIni({});
    fillPlainStatement(job, rows, 3);
    rows.setCell(StatementColumn::date, 3, QStringLiteral("2026/11/30"));
    prompts.inputs << QStringLiteral("２０２６／１２／１０") << std::nullopt
                   << QStringLiteral("２０２６／１２／３１") << QStringLiteral("１２,０００")
                   << QString();
    ASSERT_TRUE(PP_PRINT36_MEISAI_2(job, printer, preview, state));
    EXPECT_EQ(prompts.log,
              (QStringList{"input: 請求書発行日|請求書発行日を入力してください。|2026/12/11",
                           "input: 請求対象期間|請求対象期間を入力してください。|"
                           "2026/11/05～2026/11/30",
                           "input: お支払予定日|お支払予定日を入力してください。|",
                           "input: 前回ご請求額|前回ご請求額を入力してください。|",
                           "input: ご入金額|ご入金額を入力してください。|"}));
    // The full-width issue date is the same date half-width: it becomes the slip date.
    EXPECT_EQ(job.header.DTP1.date(), QDate(2026, 12, 10));
    EXPECT_EQ(state.statement.issueDate, QStringLiteral("2026/12/10"));
    EXPECT_EQ(state.statement.payDate, QStringLiteral("2026/12/31"));
    EXPECT_EQ(state.statement.previous, 12000);
    EXPECT_EQ(state.statement.received, std::nullopt);
    EXPECT_NE(preview.page(0).findText(QStringLiteral("2026/11/05～2026/11/30")), nullptr);

    // The next run offers what was typed; with era years the period is in era dates.
    prompts.log.clear();
    setPrintIni({QStringLiteral("[年号印刷]=1")});
    answer(QStringLiteral("令和８年１２月１０日"), false);
    ASSERT_TRUE(PP_PRINT36_MEISAI(job, printer, preview, state));
    EXPECT_EQ(prompts.log,
              (QStringList{"input: 請求書発行日|請求書発行日を入力してください。|2026/12/10",
                           "input: 請求対象期間|請求対象期間を入力してください。|"
                           "令和8年11月05日～令和8年11月30日",
                           "input: お支払予定日|お支払予定日を入力してください。|2026/12/31"}));
    EXPECT_EQ(job.header.DTP1.date(), QDate(2026, 12, 10));
    // Era years print the row dates with the era.
    EXPECT_NE(preview.page(0).findText(QStringLiteral("令和8/11/05")), nullptr);
}

TEST_F(StatementLayoutTest, TodayAndTheEraAreOfferedWhenNothingIsRemembered)
{
    setPrintIni({QStringLiteral("[年号印刷]=1")});
    fillPlainStatement(job, rows, 1);
    answer(QStringLiteral("令和8年12月11日"), false);
    ASSERT_TRUE(record(false));
    EXPECT_EQ(
        prompts.log.at(0),
        QStringLiteral("input: 請求書発行日|請求書発行日を入力してください。|令和8年12月11日"));
    EXPECT_EQ(prompts.log.at(2),
              QStringLiteral("input: お支払予定日|お支払予定日を入力してください。|令和年月日"));
}

TEST_F(StatementLayoutTest, InvalidIssueDateStopsBeforeThePrinterDialog)
{
    setPrintIni({});
    fillPlainStatement(job, rows, 3);
    // The wrong date is offered again for correction.
    for (const char *offer : {"2026/12/11", "2026/13/01"}) {
        const bool form2 = offer[6] == '3';
        prompts.log.clear();
        prompts.inputs << QStringLiteral("２０２６／１３／０１");
        EXPECT_FALSE(form2 ? PRINT36_MEISAI_2(job, printer, state)
                           : PRINT36_MEISAI(job, printer, state));
        EXPECT_EQ(
            prompts.log,
            (QStringList{QStringLiteral("input: 請求書発行日|請求書発行日を入力してください。|") +
                             QString::fromLatin1(offer),
                         "info: 請求書発行日が不正です。"}));
    }
    EXPECT_EQ(printer.setupDialogRuns, 0);
    EXPECT_EQ(printer.jobsStarted(), 0);
    EXPECT_EQ(job.header.DTP1.date(), QDate(2026, 11, 27));
}

TEST_F(StatementLayoutTest, SummaryCarriesThePreviousBillingOver)
{
    setPrintIni({});
    fillPlainStatement(job, rows, 2);
    job.statement->taxSum = Money::fromYen(100);
    const auto valueEndingAt = [&](int right) -> QString {
        for (const CanvasOp *op : preview.page(0).texts()) {
            const int end =
                op->x + measureTextWidth(op->font, preview.page(0).metrics.dpiY, op->text);
            if (end == place().x(right) && op->y > place().y(1180) && op->y < place().y(1270))
                return op->text.trimmed();
        }
        return QStringLiteral("(none)");
    };
    const struct
    {
        const char *previous;
        const char *received;
        const char *carried;
        const char *billing;
    } cases[] = {
        {"10,000", "10,000", "0", "2,100"},
        {"15000", "10000", "5,000", "7,100"},
        {"10000", "12500", "▲2,500", "▲400"},
        {"", "", "(none)", "2,100"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.previous);
        answer(QStringLiteral("2026/12/11"), true, QString::fromUtf8(c.previous),
               QString::fromUtf8(c.received));
        ASSERT_TRUE(record(true));
        EXPECT_EQ(valueEndingAt(1450), QString::fromUtf8(c.carried));
        EXPECT_EQ(valueEndingAt(1880), QStringLiteral("2,000"));
        EXPECT_EQ(valueEndingAt(2310), QStringLiteral("100"));
        EXPECT_EQ(valueEndingAt(2750), QString::fromUtf8(c.billing));
    }
}

TEST_F(StatementLayoutTest, CopyOfPageTwoCarriesPageNumberTwo)
{
    setPrintIni({});
    fillPlainStatement(job, rows, 40);
    answer(QStringLiteral("2026/12/11"), false);
    ASSERT_TRUE(record(false));
    ASSERT_EQ(preview.PageCount(), 4);
    EXPECT_EQ(pageCells(), (QStringList{"1/2", "1/2", "2/2", "2/2"}));
    for (int page : {2, 3}) {
        EXPECT_NE(preview.page(page).findText(QStringLiteral("10031-2")), nullptr);
        // Later pages stand 42 units lower.
        const CanvasOp *title = preview.page(page).findText(
            page == 2 ? QStringLiteral("合計請求明細書") : QStringLiteral("合計請求明細書(控)"));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->y,
                  int(std::trunc(157 * place().scale.V)) + int(std::trunc(42 * place().scale.V)));
    }
    EXPECT_NE(preview.page(1).findText(QStringLiteral("10031")), nullptr);
}

TEST_F(StatementLayoutTest, FormTwoWithEightyRowsShowsThreePages)
{
    setPrintIni({QStringLiteral("[社名]=株式会社ミラボ")});
    fillPlainStatement(job, rows, 80);
    answer(QStringLiteral("2026/12/11"), true);
    ASSERT_TRUE(record(true));
    ASSERT_EQ(preview.PageCount(), 6);
    EXPECT_EQ(pageCells(), (QStringList{"1/3", "1/3", "2/3", "2/3", "3/3", "3/3"}));
    // Rows 1-31 on page 1, 32-72 on page 2, 73-80 on page 3; later pages are continuation
    // pages with the customer line, the numbered slip number and the company name below.
    const int rowsPerPage[] = {31, 31, 41, 41, 8, 8};
    for (int page = 0; page < 6; ++page) {
        int names = 0;
        for (const CanvasOp *op : preview.page(page).texts())
            names += op->text == QStringLiteral("部材");
        EXPECT_EQ(names, rowsPerPage[page]) << page;
    }
    const RecordedPage &later = preview.page(3);
    EXPECT_EQ(later.findText(QStringLiteral("合計請求明細書(控)")), nullptr);
    EXPECT_NE(later.findText(QStringLiteral("山田商店  様")), nullptr);
    EXPECT_NE(later.findText(QStringLiteral("10031-2")), nullptr);
    EXPECT_NE(later.findText(QStringLiteral("2026/12/11")), nullptr);
    const CanvasOp *company = later.findText(QStringLiteral("株式会社ミラボ"));
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->y, place().y(3900) + int(std::trunc(42 * place().scale.V)));
}

TEST_F(StatementLayoutTest, FormOneBodyMovesByTheCarryOverMargin)
{
    setPrintIni({});
    fillPlainStatement(job, rows, 1);
    const QString lead = QStringLiteral("毎度ありがとうございます。下記の通りご請求申し上げます。");
    const auto leadY = [&] {
        answer(QStringLiteral("2026/12/11"), false);
        EXPECT_TRUE(record(false));
        const CanvasOp *op = preview.page(0).findText(lead);
        return op ? op->y : -1;
    };
    const float V = [&] {
        answer(QStringLiteral("2026/12/11"), false);
        EXPECT_TRUE(record(false));
        return place().scale.V;
    }();
    const int y780 = int(std::trunc(780 * V));
    EXPECT_EQ(leadY(), y780 + int(std::trunc(84 * V)));
    dir.writeLines(QStringLiteral("MEISAI_YOHAKU.INI"), {QStringLiteral("[明細余白調整値]=0")});
    EXPECT_EQ(leadY(), y780);
    dir.writeLines(QStringLiteral("MEISAI_YOHAKU.INI"), {QStringLiteral("[明細余白調整値]=3")});
    EXPECT_EQ(leadY(), y780 + int(std::trunc(3 * 14 * V)));
    // Form 2 keeps its body where it is; "[下記明細]=1" leaves the sentence out.
    answer(QStringLiteral("2026/12/11"), true);
    ASSERT_TRUE(record(true));
    ASSERT_NE(preview.page(0).findText(lead), nullptr);
    EXPECT_EQ(preview.page(0).findText(lead)->y, y780);
    setPrintIni({QStringLiteral("[下記明細]=1")});
    answer(QStringLiteral("2026/12/11"), true);
    ASSERT_TRUE(record(true));
    EXPECT_EQ(preview.page(0).findText(lead), nullptr);
}

TEST_F(StatementLayoutTest, PrinterSetupIsTheDialogAloneWithoutAChoiceFile)
{
    setPrintIni({});
    fillPlainStatement(job, rows, 1);
    printer.setupAccepted = false;
    answer(QStringLiteral("2026/12/11"), false);
    state.previewCancelled = true;
    EXPECT_FALSE(record(false));
    EXPECT_TRUE(state.previewCancelled);
    EXPECT_EQ(printer.setupDialogRuns, 1);

    printer.setupAccepted = true;
    printer.setLandscape(true);
    answer(QStringLiteral("2026/12/11"), false);
    ASSERT_TRUE(PRINT36_MEISAI(job, printer, state));
    EXPECT_FALSE(printer.landscape());
    EXPECT_TRUE(printer.colourEnabled());
    EXPECT_EQ(printer.job().PageCount(), 2);
    EXPECT_FALSE(dir.exists(QStringLiteral("PRINT24.INI")));
}

// A qualified invoice over two pages: 36 items at 10 % and one at 8 %, each rate with its
// tax row, worked out by the statement itself; the reduced-rate item is marked.
TEST_F(StatementLayoutTest, QualifiedInvoiceShowsTheNumberAndTheRatesOnTheFirstPages)
{
    namespace C = StatementColumn;
    Statement statement;
    StringGrid &grid = statement.grid();
    grid.setRowCount(40);
    const auto setRow = [&](int row, const char *mark, const char *name, int amount) {
        grid.setCell(C::number, row, QString::number(row));
        grid.setCell(C::date, row, QStringLiteral("2026/11/05"));
        grid.setCell(C::slipNumber, row, QStringLiteral("10021"));
        grid.setCell(C::exemptMark, row, QString::fromUtf8(mark));
        grid.setCell(C::name, row, QString::fromUtf8(name));
        grid.setCell(C::amount, row, QString::number(amount));
    };
    for (int row = 1; row <= 36; ++row)
        setRow(row, "", "部材", 1000);
    setRow(37, "8", "緑茶", 3050);
    setRow(38, "", "【消　費　税】10%", 3600);
    setRow(39, "", "【消　費　税】8%", 244);
    job.header.Bangou = QStringLiteral("10031");

    const QString number = QStringLiteral("登録番号 T1234567890123");
    const QString standard = QStringLiteral("10%対象 ¥36,000 消費税 ¥3,600");
    const QString reduced = QStringLiteral("8%対象 ¥3,050 消費税 ¥244");
    const QStringList qualified{"[消費税率]=10", "[適格請求書]=1", "[登録番号]=T1234567890123"};
    const QString longBank =
        QStringLiteral("[振込先]=みらい銀行 東京中央支店 普通 1234567 カ）ミラボショウカイ 経理部");
    const struct
    {
        const char *name;
        QStringList ini;
        QStringList lines; // of each first page, top to bottom
    } cases[] = {
        // Without bank lines both rates share the footer line.
        {"side by side", qualified, {standard + QStringLiteral("　") + reduced}},
        // A long bank line leaves room for one rate beside it.
        {"one per line", qualified + QStringList{longBank}, {standard, reduced}},
        {"block off", {"[消費税率]=10", "[登録番号]=T1234567890123"}, {}},
    };
    for (const auto &c : cases) {
        setPrintIni(c.ini);
        statement.takeTaxSettings(RoundingMode::Truncate);
        statement.KEISAN2();
        job.qualified = QualifiedInvoice::fromPrintIni();
        job.statement = statementReceiptValues(statement);
        job.statementRows = &grid;
        const bool on = !c.lines.isEmpty();
        for (bool form2 : {false, true}) {
            SCOPED_TRACE(QStringLiteral("%1, form %2")
                             .arg(QString::fromUtf8(c.name))
                             .arg(form2 ? 2 : 1)
                             .toStdString());
            answer(QStringLiteral("2026/12/11"), form2);
            ASSERT_TRUE(record(form2));
            // The statement and its copy of page 1, then of page 2.
            ASSERT_EQ(preview.PageCount(), 4);
            for (int page = 0; page < 4; ++page) {
                const RecordedPage &recorded = preview.page(page);
                EXPECT_EQ(recorded.findText(number) != nullptr, on && (!form2 || page < 2)) << page;
                // The reduced-rate item, on page 2, carries the mark that page 1 explains.
                EXPECT_EQ(recorded.findText(QStringLiteral("緑茶※")) != nullptr, on && page >= 2)
                    << page;
                EXPECT_EQ(recorded.findText(QStringLiteral("緑茶")) != nullptr, !on && page >= 2)
                    << page;
                EXPECT_EQ(recorded.findText(QStringLiteral("※は軽減税率対象")) != nullptr,
                          on && page < 2)
                    << page;
                int ratesShown = 0;
                for (const CanvasOp *op : recorded.texts())
                    ratesShown += op->text.contains(QStringLiteral("対象 ¥"));
                EXPECT_EQ(ratesShown, page < 2 ? c.lines.size() : 0) << page;
                if (page >= 2)
                    continue;
                int previousY = place(page).y(3890);
                for (const QString &line : c.lines) {
                    const CanvasOp *op = recorded.findText(line);
                    ASSERT_NE(op, nullptr) << page << line.toStdString();
                    // Right-aligned to the table's right edge below it; one line in 9
                    // points, two in 8 as the bank lines.
                    EXPECT_EQ(op->x + measureTextWidth(op->font, recorded.metrics.dpiY, line),
                              place(page).x(2770));
                    EXPECT_GT(op->y, previousY);
                    EXPECT_EQ(op->font.points, c.lines.size() > 1 ? 8 : 9);
                    previousY = op->y;
                }
            }
        }
    }
}

// One page of each form of the realistic statement, compared with its golden file.
TEST_F(StatementLayoutTest, GoldenFirstPageOfEachForm)
{
    fillRealisticStatement(dir, job, rows);
    for (bool form2 : {false, true}) {
        SCOPED_TRACE(form2 ? "form 2" : "form 1");
        prompts.inputs << QStringLiteral("2026/11/30") << std::nullopt
                       << QStringLiteral("令和8年12月25日");
        if (form2)
            prompts.inputs << QStringLiteral("250,000") << QStringLiteral("200,000");
        ASSERT_TRUE(record(form2));
        ASSERT_EQ(preview.PageCount(), 2);
        const QJsonArray firstPage{pagesJson(preview).at(0)};
        EXPECT_TRUE(matchesGoldenFile(form2 ? QStringLiteral("statement_form2")
                                            : QStringLiteral("statement_form1"),
                                      goldenOpsText(firstPage)));
    }
}

// The pages of the realistic statement in both forms as PNG images, into a temporary folder
// or into MIRAVO_SCREENSHOT_DIR when it is set (docs/screenshots of the repository).
TEST_F(StatementLayoutTest, ScreenshotsOfBothForms)
{
    QTemporaryDir scratch;
    const QString outDir = qEnvironmentVariableIsSet("MIRAVO_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("MIRAVO_SCREENSHOT_DIR")
                               : scratch.path();
    QDir().mkpath(outDir);
    fillRealisticStatement(dir, job, rows);
    for (bool form2 : {false, true}) {
        prompts.inputs << QStringLiteral("2026/11/30") << std::nullopt
                       << QStringLiteral("2026/12/25");
        if (form2)
            prompts.inputs << QStringLiteral("250000") << QStringLiteral("200000");
        ASSERT_TRUE(record(form2));
        for (int page = 0; page < preview.PageCount(); ++page) {
            const QImage image = renderPageImage(preview.page(page), 0.25);
            const QString file = QStringLiteral("%1/statement%2_page%3.png")
                                     .arg(outDir)
                                     .arg(form2 ? 2 : 1)
                                     .arg(page + 1);
            EXPECT_TRUE(image.save(file)) << file.toStdString();
        }
    }
}

} // namespace

#include "app/miravo_window.h"
#include "common/clock.h"
#include "common/text_file.h"
#include "files/file_browser_panel.h"
#include "master/customer_grid.h"
#include "preview/preview_window.h"
#include "print/printer_device.h"
#include "shown_window.h"
#include "slip/grid_cell_editors.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"
#include "statement/classification_totals_grid.h"
#include "statement/statement_grid_view.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "support/typing.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList slipLines(const QString &name, const QString &taxMode, const QStringList &amounts)
{
    QStringList lines = {name, "東京都", "",      "100-0001", "45748.5", "",     "見積",
                         "様", "",       taxMode, "0",        "鈴木",    "10023"};
    int row = 1;
    for (const QString &amount : amounts)
        lines << QStringLiteral("%1,,品%1,,,1,個,%2,,%2,,").arg(row++).arg(amount);
    return lines;
}

class StatementWindowTest : public ::testing::Test
{
protected:
    StatementWindowTest() { Clock::setFixedNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    ~StatementWindowTest() override { Clock::setFixedNow({}); }

    std::unique_ptr<TMIRAVO> showWindow() { return showMainWindow(prompter); }

    // Three slips in a folder of their own, listed in the statement file list.
    void listThreeSlips(TMIRAVO &window)
    {
        TextFile::writeLines(QDir(folder.path()).filePath("a.419"),
                             slipLines("甲商店", "0", {"1000", "2000"}));
        TextFile::writeLines(QDir(folder.path()).filePath("b.419"),
                             slipLines("乙商店", "2", {"500"}));
        TextFile::writeLines(QDir(folder.path()).filePath("c.419"),
                             slipLines("丙商店", "1", {"10500"}));
        window.Panel1->setFolder(folder.path());
        window.Panel1->toggleStatementList();
    }

    TempProgramDir dir;
    QTemporaryDir folder;
    ScriptedPrompter prompter;
};

TEST_F(StatementWindowTest, NoFileSelectedChangesNothing)
{
    auto window = showWindow();
    listThreeSlips(*window);
    window->NAME1->setText("入力中");
    window->Panel1->FileListBox2->clearSelection();
    window->N10Click();
    EXPECT_FALSE(window->SG0->isVisible());
    EXPECT_FALSE(window->slip.state.statementMode);
    EXPECT_EQ(window->NAME1->text(), "入力中");
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(StatementWindowTest, CompiledStatementIsShownAndHoldsStatementMode)
{
    auto window = showWindow();
    listThreeSlips(*window);
    window->Panel1->FileListBox2->selectAll();
    window->N10Click();

    ASSERT_TRUE(window->SG0->isVisible());
    EXPECT_FALSE(window->Panel1->isVisible());
    EXPECT_EQ(window->statement.grid().cell(4, 3), "【消　費　税】");
    EXPECT_EQ(window->statement.grid().cell(4, 4), "品1");
    EXPECT_EQ(window->statement.grid().cell(4, 6), "【消　費　税】 (内税)　\\500");
    EXPECT_EQ(window->NAME1->text(), "丙商店");
    EXPECT_EQ(window->panelText(2), "消費税 = 150");
    EXPECT_EQ(window->panelText(3), "税込合計 = 14,150");
    EXPECT_EQ(window->TOTALKIN->text(), "\\14,000.-");

    // Statement mode: 登録 saves nothing and asks nothing, 先頭 loads nothing.
    EXPECT_FALSE(window->SpeedButton5Click());
    window->pageThroughSlips(SlipFolder::Page::First);
    EXPECT_EQ(window->NAME1->text(), "丙商店");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
    EXPECT_TRUE(prompter.log.isEmpty());

    // 一括消費税 is refused: the slips brought their taxes.
    window->N58Click();
    EXPECT_EQ(prompter.texts("info"), QStringList({"消費税がすでに存在しますので中止します。"}));

    window->returnToSlip();
    EXPECT_FALSE(window->SG0->isVisible());
    EXPECT_FALSE(window->slip.state.statementMode);
    EXPECT_FALSE(window->Panel1->statementListShown());
}

TEST_F(StatementWindowTest, DrawingFollowsTheColumns)
{
    auto window = showWindow();
    listThreeSlips(*window);
    window->Panel1->FileListBox2->selectAll();
    window->N10Click();
    const StatementGridView &SG0 = *window->SG0;
    EXPECT_EQ(SG0.geometry(), QRect(20, 184, 979, 464));
    EXPECT_TRUE(SG0.isColumnHidden(3));
    EXPECT_EQ(SG0.columnWidth(4), 256);
    EXPECT_EQ(SG0.look(10, 2, false).shown, "2,000");
    EXPECT_EQ(SG0.look(10, 2, false).align, ItemCellLook::Align::Right);
    EXPECT_EQ(SG0.look(10, 2, false).background, QColor(240, 240, 240));
    EXPECT_EQ(SG0.look(10, 1, true).marker, QColor(Qt::yellow));
    window->statement.grid().setCell(12, 1, "80");
    window->statement.grid().setCell(8, 1, "abc");
    EXPECT_EQ(SG0.look(12, 1, false).shown, "80.0%");
    EXPECT_EQ(SG0.look(8, 1, false).shown, "");
}

TEST_F(StatementWindowTest, TotalsGridFollowsAnEditOfAnAmount)
{
    auto window = showWindow();
    StringGrid &SG1 = *window->SG1Cells;
    SG1.setRowCells(1, {"1", "A", "外壁工事"});
    SG1.setRowCells(2, {"2", "", "足場", "", "", "1", "式", "10000", "6000"});
    window->Keisan();
    window->showClassificationTotals();
    ClassificationTotalsGrid &SG_KEI = *window->SG_KEI;
    ASSERT_TRUE(SG_KEI.isVisible());
    EXPECT_EQ(SG_KEI.cells().rowCells(1),
              QStringList({"A", "外壁工事", "10000", "6000", "4000", "60"}));
    EXPECT_EQ(SG_KEI.height(), 21 * 3 + 2);

    // The user types a new unit price into the item grid.
    window->SG1->setFocus();
    window->SG1->setCurrentCell(7, 2);
    typeText(QApplication::focusWidget(), "12000");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(SG1.cell(9, 2), "12000");
    EXPECT_EQ(SG_KEI.cells().rowCells(2),
              QStringList({"", "総　合　計", "12000", "6000", "6000", "50"}));

    // Dragging moves it; releasing fits its width; a right click closes it.
    const QPoint start = SG_KEI.pos();
    QWidget *cells = SG_KEI.viewport();
    QTest::mousePress(cells, Qt::LeftButton, {}, QPoint(100, 10));
    QMouseEvent moved(QEvent::MouseMove, QPointF(130, 25), cells->mapToGlobal(QPointF(130, 25)),
                      Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(cells, &moved);
    QTest::mouseRelease(cells, Qt::LeftButton, {}, QPoint(130, 25));
    EXPECT_EQ(SG_KEI.pos(), start + QPoint(30, 15));
    EXPECT_EQ(SG_KEI.width(), 30 + 320 + 80 + 80 + 80 + 50 + 8);

    // In the header, at the boundary after 分類名, the drag widens the column instead.
    QWidget *header = SG_KEI.horizontalHeader()->viewport();
    const int boundary = SG_KEI.columnViewportPosition(2);
    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(boundary - 1, 10));
    QMouseEvent dragged(QEvent::MouseMove, QPointF(boundary + 19, 10),
                        header->mapToGlobal(QPointF(boundary + 19, 10)), Qt::NoButton,
                        Qt::LeftButton, {});
    QApplication::sendEvent(header, &dragged);
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(boundary + 19, 10));
    EXPECT_EQ(SG_KEI.pos(), start + QPoint(30, 15));
    EXPECT_EQ(SG_KEI.columnWidth(1), 340);
    EXPECT_EQ(SG_KEI.width(), 30 + 340 + 80 + 80 + 80 + 50 + 8);
    QTest::mouseRelease(cells, Qt::RightButton, {}, QPoint(100, 10));
    EXPECT_FALSE(SG_KEI.isVisible());
    // The item grid has the focus, in the number editor still open over its cell.
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(window->NumEdit1));
    EXPECT_TRUE(window->NumP->isVisible());
}

TEST_F(StatementWindowTest, TextExportOfTheStatementShown)
{
    auto window = showWindow();
    listThreeSlips(*window);
    window->Panel1->FileListBox2->selectAll();
    window->N10Click();
    const QString out = QDir(folder.path()).filePath("meisai");
    prompter.answers << true;
    prompter.files << out;
    window->TXTOUT();
    EXPECT_EQ(prompter.texts("question"),
              QStringList({"請求明細書データをテキストファイルで出力します。"}));
    const QStringList lines = TextFile::readLines(out + ".txt");
    EXPECT_EQ(lines.size(), 9 + 31);
    EXPECT_EQ(lines.at(2), "顧客名\t丙商店");
    EXPECT_EQ(prompter.texts("info"), QStringList({"終了しました。"}));
}

TEST_F(StatementWindowTest, TextExportOfTheCustomerListShown)
{
    auto window = showWindow();
    window->SG_K->grid()->setCell(1, 1, "山田商店");
    window->SG_K->show();
    const QString out = QDir(folder.path()).filePath("kokyaku.TXT");
    prompter.answers << true;
    prompter.files << out;
    window->TXTOUT();
    EXPECT_EQ(prompter.texts("question"),
              QStringList({"顧客データをテキストファイルで出力します。"}));
    const QStringList lines = TextFile::readLines(out);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.at(0), "№\t顧客名\t顧客名２\t〒\t住所\t住所２\ttel\t\t\t");
    EXPECT_TRUE(lines.at(1).startsWith("1\t山田商店\t"));
}

// The print and preview commands print the statement while it is shown: the questions, the
// printer, the number advanced after printing (not after the preview) and the reminder.
TEST_F(StatementWindowTest, PrintAndPreviewDrawTheStatement)
{
    dir.writeLines("BANGO.INI", {"10031"});
    VirtualPrinter printer;
    auto window = showWindow();
    window->setPrinter(&printer);
    listThreeSlips(*window);
    window->Panel1->FileListBox2->selectAll();
    window->N10Click();
    ASSERT_EQ(window->Bangou->text(), "10031");
    prompter.log.clear();

    prompter.inputs << QStringLiteral("２０２６／１２／１５") << std::nullopt
                    << QStringLiteral("2026/12/28");
    window->SpeedButton6Click();
    EXPECT_EQ(prompter.log,
              (QStringList{"input: 請求書発行日|請求書発行日を入力してください。|2026/12/10",
                           "input: 請求対象期間|請求対象期間を入力してください。|"
                           "2025/04/01～2025/04/01",
                           "input: お支払予定日|お支払予定日を入力してください。|",
                           "info: 提出前に納品書の控えと必ず照合してください。\r\n"}));
    ASSERT_EQ(printer.jobsStarted(), 1);
    ASSERT_EQ(printer.job().PageCount(), 2);
    EXPECT_NE(printer.job().page(0).findText("品1"), nullptr);
    EXPECT_NE(printer.job().page(1).findText("合計請求明細書(控)"), nullptr);
    EXPECT_EQ(window->DTP1->date(), QDate(2026, 12, 15));
    EXPECT_EQ(dir.readLines("BANGO.INI").value(0), "10032");

    // Form 2 in the preview: the answers of the last run are offered; nothing advances.
    dir.writeLines("PRINT.INI", {"[書式２号]=1"});
    prompter.log.clear();
    prompter.inputs << std::nullopt << std::nullopt << std::nullopt << QStringLiteral("5000")
                    << QStringLiteral("5000");
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<TPREV *>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        seen = true;
        EXPECT_EQ(window->PP1.PageCount(), 2);
        EXPECT_NE(window->PP1.page(0).findText("繰 越 額"), nullptr);
        shown->close();
    });
    window->SpeedButton30Click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(prompter.log.value(0),
              "input: 請求書発行日|請求書発行日を入力してください。|2026/12/15");
    EXPECT_EQ(prompter.log.size(), 5);
    EXPECT_EQ(dir.readLines("BANGO.INI").value(0), "10032");

    // A wrong issue date prints nothing, keeps the number and does not remind.
    prompter.log.clear();
    prompter.inputs << QStringLiteral("いつか");
    window->SpeedButton6Click();
    EXPECT_EQ(prompter.texts("info"), QStringList{"請求書発行日が不正です。"});
    EXPECT_EQ(printer.jobsStarted(), 1);
    EXPECT_EQ(dir.readLines("BANGO.INI").value(0), "10032");
}

} // namespace

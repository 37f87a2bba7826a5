#include "app/miravo_window.h"
#include "common/clock.h"
#include "common/text_file.h"
#include "files/file_browser_panel.h"
#include "slip/item_cell_editors.h"
#include "slip/item_cell_look.h"
#include "slip/item_cell_painter.h"
#include "slip/item_columns.h"
#include "slip/item_grid_view.h"
#include "slip/numeric_edit.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "support/typing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace ItemColumn;

namespace {

// The window as the user has it, shown and active, with a slip of named rows.
class ItemRowCommandsTest : public ::testing::Test
{
protected:
    ItemRowCommandsTest()
    {
        Clock::setFixedNow(QDateTime(QDate(2005, 5, 1), QTime(10, 30)));
        window = std::make_unique<TMIRAVO>();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        cells = window->SG1Cells;
        prompter.log.clear();
    }
    ~ItemRowCommandsTest() override { Clock::setFixedNow({}); }

    void nameRows(int count)
    {
        for (int row = 1; row <= count; ++row)
            cells->setCell(name, row, QStringLiteral("N%1").arg(row));
    }

    // Makes (column, row) current with its editor up, as a click on the cell does.
    void edit(int column, int row)
    {
        window->SG1->setCurrentCell(column, row);
        window->SG1->setFocus();
        QApplication::processEvents();
    }

    QAction *entry(QMenu *menu, const char *name) const
    {
        auto *action = menu->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    QStringList names(int rows) const
    {
        QStringList result;
        for (int row = 1; row <= rows; ++row)
            result << cells->cell(name, row);
        return result;
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TMIRAVO> window;
    StringGrid *cells = nullptr;
};

QStringList entries(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << action->objectName() + QLatin1Char(' ') + action->text().section('\t', 0, 0);
    return result;
}

} // namespace

TEST_F(ItemRowCommandsTest, TheMenusHoldTheirEntriesInOrder)
{
    EXPECT_EQ(entries(window->PopupMenu1),
              QStringList({"N40 ドラッグモード", "Undo1 元に戻す(&U)", "N5 行複写", "N6 行貼り付け",
                           "N2 行挿入", "N1 行削除", "N25 セル幅設定１保存",
                           "N26 セル幅設定２保存(起動時用)", "N27 セル幅設定１呼び出し",
                           "N28 セル幅設定２呼び出し(起動時用)", "N33 セル幅設定既定値呼び出し",
                           "XT1 Text出力", "SYUKEI1 分類集計"}));
    EXPECT_EQ(entries(window->PopupMenu5),
              QStringList({"N41 ドラッグモード", "Undo3 元に戻す(&U)", "N16 行複写", "N13 行挿入",
                           "N14 行削除", "N15 行貼り付け", "N7 セルコピー", "N9 セル貼り付け",
                           "N12 セル削除", "Copy3 コピー(&C)", "Paste2 貼り付け(&P)",
                           "N29 セル幅設定１保存", "N30 セル幅設定２保存(起動時用)",
                           "N31 セル幅設定１呼び出し", "N32 セル幅設定２呼び出し(起動時用)",
                           "N34 セル幅設定既定値呼び出し", "N59 非課税マークの ON / OFF",
                           "N60 軽減税率マークの ON / OFF", "SYUKEI5 分類集計"}));
    EXPECT_EQ(entry(window->PopupMenu5, "Undo3")->text(), "元に戻す(&U)\tAlt+BkSp");
    EXPECT_TRUE(entry(window->PopupMenu1, "XT1")->isEnabled());
}

TEST_F(ItemRowCommandsTest, CtrlEightOnRowFiveThenSaveWritesThirtyOneItemLines)
{
    nameRows(30);
    window->NAME1->setText("山田商店");
    window->Bangou->setText("10023");
    window->TITLE->setText("見積");
    edit(name, 5);
    ASSERT_TRUE(window->EditP->isVisible());
    ASSERT_EQ(window->Edit1->text(), "N5");

    QTest::keyClick(window->Edit1, Qt::Key_8, Qt::ControlModifier);
    ASSERT_EQ(cells->rows(), 32);
    EXPECT_EQ(window->Edit1->text(), ""); // the editor is on the new empty row 5
    EXPECT_EQ(window->SG1->row(), 5);
    EXPECT_EQ(cells->cell(name, 6), "N5");
    EXPECT_EQ(cells->cell(number, 31), "31");
    EXPECT_TRUE(prompter.log.isEmpty()); // no beep, no question

    prompter.answers << true; // the folder question
    ASSERT_TRUE(window->SpeedButton5Click());
    const QStringList lines = TextFile::readLines(window->Panel1->slipFilePath(0));
    const QStringList items = lines.mid(13);
    ASSERT_EQ(items.size(), 31);
    EXPECT_EQ(items.at(3), "4,,N4,,,,,,,,,");
    EXPECT_EQ(items.at(4), "5,,,,,,,,,,,");
    EXPECT_EQ(items.at(5), "6,,N5,,,,,,,,,");
    EXPECT_EQ(items.at(30), "31,,N30,,,,,,,,,");
}

TEST_F(ItemRowCommandsTest, EveryTriggerOfRowInsertAndDeleteRunsItOnce)
{
    window->MENU_ITEM(8, 8);
    window->MENU_ITEM(9, 9);
    struct Trigger
    {
        const char *what;
        std::function<void()> run;
        int rowsAfter; // starting from 33 rows
        int beeps;
    } const triggers[] = {
        {"Ctrl+8", [&] { QTest::keyClick(window->Edit1, Qt::Key_8, Qt::ControlModifier); }, 34, 0},
        {"8 行挿入", [&] { QTest::mouseClick(window->commandLabels.at(7), Qt::LeftButton); }, 34,
         0},
        {"F8", [&] { QTest::keyClick(window->Edit1, Qt::Key_F8); }, 34, 0},
        {"SpeedButton14", [&] { window->SpeedButton14->click(); }, 34, 0},
        {"grid menu", [&] { entry(window->PopupMenu1, "N2")->trigger(); }, 34, 0},
        {"Ctrl+9", [&] { QTest::keyClick(window->Edit1, Qt::Key_9, Qt::ControlModifier); }, 32, 0},
        {"9 行削除", [&] { QTest::mouseClick(window->commandLabels.at(8), Qt::LeftButton); }, 32,
         1},
        {"F9", [&] { QTest::keyClick(window->Edit1, Qt::Key_F9); }, 32, 0},
        {"SpeedButton13", [&] { window->SpeedButton13->click(); }, 32, 0},
        {"grid menu", [&] { entry(window->PopupMenu1, "N1")->trigger(); }, 32, 0},
        {"editor menu", [&] { entry(window->PopupMenu5, "N14")->trigger(); }, 32, 0},
    };
    for (const Trigger &trigger : triggers) {
        SCOPED_TRACE(trigger.what);
        cells->setRowCount(33);
        nameRows(32);
        for (int row = 1; row < 33; ++row)
            cells->setCell(number, row, QString::number(row));
        edit(name, 3);
        prompter.log.clear();
        trigger.run();
        EXPECT_EQ(cells->rows(), trigger.rowsAfter);
        EXPECT_EQ(prompter.beeps(), trigger.beeps);
        // The editor stays on row 3 and shows what the row holds now.
        EXPECT_EQ(window->SG1->row(), 3);
        EXPECT_TRUE(window->EditP->isVisible());
        EXPECT_EQ(window->Edit1->text(), cells->cell(name, 3));
    }
}

TEST_F(ItemRowCommandsTest, DeletingTheLastOfThirtyOneRowsKeepsTheEditorOnTheGrid)
{
    cells->setRowCount(32);
    cells->setCell(number, 31, "31");
    nameRows(31);
    edit(name, 31);
    entry(window->PopupMenu5, "N14")->trigger();
    EXPECT_EQ(cells->rows(), 31);
    EXPECT_EQ(window->SG1->row(), 30);
    EXPECT_EQ(window->Edit1->text(), "N30");
}

TEST_F(ItemRowCommandsTest, TheEditorMenuInsertMovesOnToTheRowThatWasCurrent)
{
    nameRows(30);
    edit(name, 5);
    entry(window->PopupMenu5, "N13")->trigger();
    EXPECT_EQ(cells->rows(), 32);
    EXPECT_EQ(cells->cell(name, 5), "");
    EXPECT_EQ(window->SG1->row(), 6);
    EXPECT_EQ(window->Edit1->text(), "N5");
}

TEST_F(ItemRowCommandsTest, ARowCopiedIntoABlankSlipArrivesWholeWithItsNumberAndAmounts)
{
    const QStringList row = {
        "3",    "A",   "ボルト, M8 \"特\"", "1", "φ8 × 40", "3", "本", "1050", "800", "3150",
        "2400", "76.1"};
    cells->setRowCells(3, row);
    window->Keisan();
    edit(name, 3);
    entry(window->PopupMenu1, "N5")->trigger();

    prompter.answers << true; // 白紙に戻します。
    window->SpeedButton11Click();
    ASSERT_EQ(cells->cell(name, 3), "");
    ASSERT_EQ(window->TOTALKIN->text(), "\\0.-");

    edit(name, 1);
    entry(window->PopupMenu1, "N6")->trigger();
    QStringList expected = row;
    expected[number] = "1";
    EXPECT_EQ(cells->rowCells(1), expected);
    EXPECT_EQ(window->TOTALKIN->text(), "\\3,150.-");
    EXPECT_EQ(window->panelText(4), "原価計 = 2,400");
    EXPECT_EQ(window->Edit1->text(), row.at(name));
}

TEST_F(ItemRowCommandsTest, CellCopyPasteAndDeleteGoThroughTheClipboard)
{
    cells->setRowCells(1, {"1", "", "部品A", "", "", "3", "本", "1000"});
    window->Keisan();
    edit(name, 1);
    entry(window->PopupMenu5, "N7")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "部品A");

    // Deleting a quantity takes its amount along.
    edit(quantity, 1);
    entry(window->PopupMenu5, "N12")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "3");
    EXPECT_EQ(cells->cell(quantity, 1), "");
    EXPECT_EQ(cells->cell(amount, 1), "");
    EXPECT_EQ(window->NumEdit1->value(), "");

    // A number pasted into a price cell arrives as its editor would take it.
    QApplication::clipboard()->setText("１２，３４５．６７８");
    edit(unitPrice, 1);
    entry(window->PopupMenu5, "N9")->trigger();
    EXPECT_EQ(cells->cell(unitPrice, 1), "12345.67");
    EXPECT_EQ(window->NumEdit1->text(), "12,345.67");
    QApplication::clipboard()->setText("5");
    edit(quantity, 1);
    entry(window->PopupMenu5, "N9")->trigger();
    EXPECT_EQ(cells->cell(amount, 1), "61728");
}

TEST_F(ItemRowCommandsTest, TheEditorMenuCopiesAndPastesInTheEditorItWasOpenedOn)
{
    cells->setCell(name, 1, "部品A");
    edit(name, 1);
    window->Edit1->selectAll();
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_EQ(menu, window->PopupMenu5);
        entry(menu, "Copy3")->trigger();
        menu->close();
        chosen = true;
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5));
    QApplication::sendEvent(window->Edit1, &event);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(QApplication::clipboard()->text(), "部品A");
}

TEST_F(ItemRowCommandsTest, TheTaxExemptMarkRecoloursTheRowAndRecalculates)
{
    cells->setRowCells(1, {"1", "", "部品A", "", "", "1", "", "1000"});
    cells->setRowCells(2, {"2", "", "部品B", "", "", "1", "", "2000"});
    window->Keisan();
    ASSERT_EQ(window->panelText(2), "消費税 = 150");
    edit(name, 1);
    entry(window->PopupMenu5, "N59")->trigger();
    EXPECT_EQ(cells->cell(exemptMark, 1), "1");
    EXPECT_EQ(window->panelText(2), "消費税 = 100");
    EXPECT_EQ(window->panelText(3), "税込合計 = 3,100");
    entry(window->PopupMenu5, "N59")->trigger();
    EXPECT_EQ(cells->cell(exemptMark, 1), "");
    EXPECT_EQ(window->panelText(2), "消費税 = 150");
    // No amount, no mark; the command still sounds.
    edit(name, 3);
    entry(window->PopupMenu5, "N59")->trigger();
    EXPECT_EQ(cells->cell(exemptMark, 3), "");
    EXPECT_EQ(prompter.beeps(), 3);
}

TEST_F(ItemRowCommandsTest, TheReducedRateMarkRecoloursTheRowAndShowsBothRates)
{
    cells->setRowCells(1, {"1", "", "緑茶", "", "", "1", "", "1000"});
    cells->setRowCells(2, {"2", "", "用紙", "", "", "1", "", "2000"});
    window->Keisan();
    edit(name, 1);
    entry(window->PopupMenu5, "N60")->trigger();
    EXPECT_EQ(cells->cell(exemptMark, 1), "8");
    EXPECT_EQ(
        itemCellLook(*cells, name, 1, false, window->SG1->cellPainter()->colours()).background,
        ItemCellPalette::reducedRateRow);
    // The rates of a PRINT.INI without them: 5 % and 8 %.
    EXPECT_EQ(window->panelText(2), "消費税 = 180（5%：100　8%：80）");
    EXPECT_EQ(window->panelText(3), "税込合計 = 3,180");
    entry(window->PopupMenu5, "N60")->trigger();
    EXPECT_EQ(cells->cell(exemptMark, 1), "");
    EXPECT_EQ(window->panelText(2), "消費税 = 150");
    EXPECT_EQ(prompter.beeps(), 2);
}

TEST_F(ItemRowCommandsTest, NumberingShowsInTheOpenEditorAndIndentClosesIt)
{
    cells->setCell(name, 1, "部品A");
    cells->setCell(name, 2, "部品B");
    edit(name, 1);
    QTest::mouseClick(window->SpeedButton61, Qt::LeftButton);
    EXPECT_EQ(names(2), QStringList({"1．部品A", "2．部品B"}));
    // What is typed next goes on from the numbered name.
    EXPECT_EQ(window->Edit1->text(), "1．部品A");
    typeText(window->Edit1, "X");
    EXPECT_EQ(cells->cell(name, 1), "1．部品AX");

    QTest::mouseClick(window->SpeedButton62, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), window->NAME1);
    EXPECT_FALSE(window->EditP->isVisible());
    EXPECT_EQ(names(2), QStringList({"　1．部品AX", "　2．部品B"}));
    QTest::mouseClick(window->SpeedButton63, Qt::LeftButton);
    EXPECT_EQ(names(2), QStringList({"1．部品AX", "2．部品B"}));
    EXPECT_EQ(prompter.beeps(), 3);
}

TEST_F(ItemRowCommandsTest, MovingARowByItsNumberRenumbersAndEndsDragMode)
{
    nameRows(30);
    edit(name, 2);
    entry(window->PopupMenu5, "N41")->trigger();
    EXPECT_TRUE(window->SG1->isDragMode());
    EXPECT_EQ(window->Edit1->cursor().shape(), Qt::DragMoveCursor);

    window->SG1->verticalHeader()->moveSection(2, 5);
    EXPECT_EQ(names(6), QStringList({"N1", "N3", "N4", "N5", "N2", "N6"}));
    for (int row = 1; row <= 30; ++row)
        EXPECT_EQ(cells->cell(number, row), QString::number(row));
    EXPECT_FALSE(window->SG1->isDragMode());
    EXPECT_NE(window->Edit1->cursor().shape(), Qt::DragMoveCursor);
    EXPECT_TRUE(window->SG1->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == window->SG1);
}

TEST_F(ItemRowCommandsTest, TheRateCommandSaysWhyItCannotConvert)
{
    cells->setCell(costPrice, 2, "1000");
    struct Case
    {
        const char *what;
        const char *rate;
        std::function<void()> focus;
        const char *message;
    } const cases[] = {
        {"no rate", "", [&] { edit(costPrice, 2); }, "info: 掛率が設定されていません。\r\n"},
        {"the cursor in the header", "1.25", [&] { window->NAME1->setFocus(); },
         "info: グリッドにフォーカスがありません。\r\n"},
        {"no cost price", "1.25", [&] { edit(costPrice, 1); }, "info: 原単価が未入力です。\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        window->KAKERITU->setValue(c.rate);
        c.focus();
        prompter.log.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_yen, Qt::ControlModifier);
        EXPECT_EQ(prompter.log, QStringList{c.message});
    }
    EXPECT_EQ(cells->cell(unitPrice, 2), "");
}

TEST_F(ItemRowCommandsTest, CtrlYenConvertsTheCurrentRowIntoTheNumberEditor)
{
    window->KAKERITU->setValue("1.25");
    window->MARUME->setValue("");
    // The yen key, and the backslash key of other keyboards.
    for (Qt::Key key : {Qt::Key_yen, Qt::Key_Backslash}) {
        SCOPED_TRACE(key);
        cells->setRowCells(1, {"1", "", "部品A", "", "", "2", "", "999", "1000"});
        window->Keisan();
        edit(unitPrice, 1);
        prompter.log.clear();
        prompter.answers << true;
        QTest::keyClick(window->NumEdit1, key, Qt::ControlModifier);
        EXPECT_EQ(prompter.log,
                  QStringList({"question: 掛率=1.25 丸め桁= で現在行を変換します。\r\n", "beep"}));
        EXPECT_EQ(cells->cell(unitPrice, 1), "1250");
        EXPECT_EQ(window->NumEdit1->value(), "1250");
        EXPECT_EQ(cells->cell(amount, 1), "2500");
        EXPECT_EQ(window->TOTALKIN->text(), "\\2,500.-");
    }

    // Answered No, nothing changes.
    cells->setCell(unitPrice, 1, "999");
    edit(costPrice, 1);
    prompter.answers << false;
    QTest::mouseClick(window->commandLabels.at(11), Qt::LeftButton);
    EXPECT_EQ(cells->cell(unitPrice, 1), "999");
}

TEST_F(ItemRowCommandsTest, RateForAllRowsConvertsTheWholeSlipOrNothing)
{
    window->KAKERITU->setValue("1.3");
    window->MARUME->setValue("2");
    cells->setRowCells(1, {"1", "", "部品A", "", "", "1", "", "", "4567"});
    cells->setRowCells(2, {"2", "", "部品B", "", "", "1", "", "500", ""});
    cells->setRowCells(3, {"3", "", "部品C", "", "", "2", "", "", "千円"});
    edit(name, 1);

    prompter.answers << true;
    QTest::mouseClick(window->KAKERITU_IKATU, Qt::LeftButton);
    EXPECT_EQ(prompter.log, QStringList({"question: 掛率=1.3 丸め桁=2 で一括変換します。\r\n",
                                         "warning: 3行目の原単価「千円」が数値ではありません。\r\n"
                                         "一括変換は行いませんでした。\r\n"}));
    EXPECT_EQ(cells->cell(unitPrice, 1), "");
    EXPECT_EQ(QApplication::focusWidget(), window->NAME1);

    cells->setCell(costPrice, 3, "173");
    prompter.log.clear();
    prompter.answers << true;
    QTest::mouseClick(window->KAKERITU_IKATU, Qt::LeftButton);
    EXPECT_EQ(prompter.log,
              QStringList({"question: 掛率=1.3 丸め桁=2 で一括変換します。\r\n", "beep"}));
    EXPECT_EQ(cells->cell(unitPrice, 1), "5900");
    EXPECT_EQ(cells->cell(unitPrice, 2), "500");
    EXPECT_EQ(cells->cell(unitPrice, 3), "200");
    EXPECT_EQ(window->TOTALKIN->text(), "\\6,800.-");

    window->KAKERITU->setValue("");
    prompter.log.clear();
    QTest::mouseClick(window->KAKERITU_IKATU, Qt::LeftButton);
    EXPECT_EQ(prompter.log, QStringList{"info: 掛率が設定されていません。\r\n"});
}

TEST_F(ItemRowCommandsTest, TheRateBoxesTakeTheirDigitsHintsAndFocusColour)
{
    window->KAKERITU->setValue("");
    window->KAKERITU->setFocus();
    typeText(window->KAKERITU, "1234.5678");
    EXPECT_EQ(window->KAKERITU->value(), "123.567");
    EXPECT_EQ(window->KAKERITU->palette().color(QPalette::Base), window->focusColour());
    EXPECT_EQ(window->KAKERITU->toolTip(), "例　1.25");

    window->MARUME->setFocus();
    EXPECT_EQ(window->KAKERITU->palette().color(QPalette::Base), QColor(Qt::white));
    window->MARUME->setValue("");
    typeText(window->MARUME, "12.");
    EXPECT_EQ(window->MARUME->value(), "1");
    typeText(window->MARUME, "-");
    EXPECT_EQ(window->MARUME->value(), "-1");
    EXPECT_EQ(window->MARUME->toolTip(),
              "未入力は小数点以下2桁、０は整数そのまま、以外はその桁まで０にします。");

    // Every click selects the whole text, so that the next digit replaces it.
    QTest::mouseClick(window->KAKERITU, Qt::LeftButton);
    QTest::mouseClick(window->KAKERITU, Qt::LeftButton);
    EXPECT_TRUE(window->KAKERITU->isWholeTextSelected());
}

TEST_F(ItemRowCommandsTest, AltBackspaceUndoesTheLastEditOfTheFocusedBox)
{
    window->ADD1->setFocus();
    typeText(window->ADD1, "東京");
    QTest::keyClick(window->ADD1, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(window->ADD1->text(), "");

    edit(name, 1);
    typeText(window->Edit1, "部品");
    QTest::keyClick(window->Edit1, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(window->Edit1->text(), "");
    EXPECT_EQ(cells->cell(name, 1), "");
}

#include "app/miravo_window.h"
#include "common/clock.h"
#include "master/choice_list_box.h"
#include "master/customer_cell_editors.h"
#include "master/customer_cell_painter.h"
#include "master/customer_columns.h"
#include "master/customer_grid.h"
#include "master/customer_list.h"
#include "slip/grid_cell_editors.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "support/typing.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace Col = CustomerColumn;

namespace {

const CustomerRecord kYamada{"山田商店",   "経理部",       "123-4567", "東京都千代田区1-2",
                             "山田ビル3F", "03-1234-5678", "御中"};

// The customer list as the user reaches it: over the shown window, by mouse and keys.
class CustomerListTest : public ::testing::Test
{
protected:
    CustomerListTest() { Clock::setFixedNow(QDateTime(QDate(2005, 5, 1), QTime(10, 30))); }
    ~CustomerListTest() override { Clock::setFixedNow({}); }

    void start()
    {
        window = std::make_unique<TMIRAVO>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        prompter.log.clear();
    }

    CustomerGrid &grid() const { return *window->SG_K; }
    StringGrid &cells() const { return *window->SG_K->grid(); }
    QWidget *focused() const { return QApplication::focusWidget(); }

    void openByDoubleClick() { QTest::mouseDClick(window->NAME1, Qt::LeftButton); }

    QPoint cellCentre(int column, int row) const
    {
        return grid().visualRect(cells().index(row, column)).center();
    }

    CustomerRecord header() const { return window->slipCustomer(); }

    // Chooses an entry of a menu; the entries must be the ones given, in order.
    static void choose(QMenu *menu, const QStringList &entries, const QString &entry)
    {
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << action->text();
        ASSERT_EQ(texts, entries);
        menu->actions().at(int(entries.indexOf(entry)))->trigger();
    }

    void chooseForName(const QString &entry)
    {
        choose(window->PopupMenu4, {"顧客追加", "顧客検索", "次検索"}, entry);
    }

    void chooseInGrid(const QString &entry)
    {
        choose(grid().PopupMenu9,
               {"閉じる", "編集モードＯＮ", "編集モードＯＦＦ", "削除", "全選択", "全選択解除"},
               entry);
    }

    // A right click on a control; true when it opened the menu.
    static bool rightClickOpens(QWidget *control, QMenu *menu)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5},
                                control->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(control, &event);
        const bool opened = menu->isVisible();
        menu->close();
        return opened;
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TMIRAVO> window;
};

} // namespace

TEST_F(CustomerListTest, ADoubleClickOnTheCustomerNameOpensTheGridInFront)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "鈴木工務店"});
    start();
    EXPECT_FALSE(grid().isVisible());
    openByDoubleClick();
    ASSERT_TRUE(grid().isVisible());
    EXPECT_EQ(focused(), &grid());
    EXPECT_EQ(grid().geometry(), QRect(20, 170, 979, 485));
    // In front of the item grid it covers.
    EXPECT_EQ(window->centralWidget()->childAt(500, 400), grid().viewport());
    EXPECT_EQ(cells().rows(), 24);
    EXPECT_EQ(grid().row(), 1);
    const int widths[] = {30, 245, 148, 60, 260, 130, 80, -1, -1};
    for (int column = 0; column < Col::count; ++column) {
        EXPECT_EQ(grid().colWidth(column), widths[column]) << column;
        EXPECT_EQ(grid().model()->headerData(column, Qt::Horizontal),
                  CustomerList::titles().at(column));
    }
    EXPECT_EQ(grid().verticalHeader()->defaultSectionSize(), 20);
    EXPECT_FALSE(window->EditP3->isVisible()) << "browse-only at start";
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(CustomerListTest, RightClicksOpenTheirMenus)
{
    start();
    EXPECT_TRUE(rightClickOpens(window->NAME1, window->PopupMenu4));
    openByDoubleClick();
    EXPECT_TRUE(rightClickOpens(grid().viewport(), grid().PopupMenu9));
    grid().N75Click();
    EXPECT_TRUE(rightClickOpens(window->Edit3, grid().PopupMenu9));
}

TEST_F(CustomerListTest, PickingALoadedCustomerReplacesTheWholeCustomerHeader)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "鈴木工務店", "佐藤電機"});
    start();
    window->takeCustomer(kYamada);
    EXPECT_EQ(window->KEISYOU->currentText(), "御中");

    openByDoubleClick();
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Return);
    EXPECT_EQ(header(), CustomerRecord{"鈴木工務店"});
    EXPECT_TRUE(window->KEISYOU->currentText().isEmpty());
    EXPECT_EQ(window->slip.header.NAME1, "鈴木工務店") << "the slip follows its controls";
    EXPECT_EQ(prompter.log, QStringList{"beep"});
    EXPECT_FALSE(grid().isVisible());
    EXPECT_EQ(focused(), window->NAME1);

    // A double click on a cell picks its customer too.
    openByDoubleClick();
    // The mouse delivers a double click as a click followed by the double click.
    const QPoint cell = cellCentre(Col::address1, 3);
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(header().NAME1, "佐藤電機");
    EXPECT_FALSE(grid().isVisible());
}

TEST_F(CustomerListTest, AddingTheSlipCustomerTwiceGivesTwoRowsTheNewOneFirst)
{
    dir.writeLines("KOKYAKU.LST", {"鈴木工務店"});
    start();
    window->takeCustomer(kYamada);
    prompter.answers << true << false << true;
    chooseForName("顧客追加");
    chooseForName("顧客追加"); // answered No
    window->ADD1->setText("大阪市北区");
    chooseForName("顧客追加");
    EXPECT_EQ(prompter.texts("question"), QStringList(3, "表示顧客を追加します。"));

    CustomerRecord moved = kYamada;
    moved.ADD1 = "大阪市北区";
    EXPECT_EQ(CustomerList::record(cells(), 1), moved);
    EXPECT_EQ(CustomerList::record(cells(), 2), kYamada);
    EXPECT_EQ(CustomerList::record(cells(), 3), CustomerRecord{"鈴木工務店"});
    EXPECT_EQ(cells().rows(), 26);
    EXPECT_EQ(cells().cell(Col::number, 3), "3");
    EXPECT_FALSE(grid().isVisible()) << "adding does not open the list";
    EXPECT_EQ(window->ADD1->text(), "大阪市北区") << "the slip is not touched";
}

TEST_F(CustomerListTest, SearchingShowsTheHitAndSaysWhenThereIsNone)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "鈴木工務店", "山田電機"});
    start();
    window->NAME1->setText("山田");
    chooseForName("顧客検索");
    ASSERT_TRUE(grid().isVisible());
    EXPECT_EQ(focused(), &grid());
    EXPECT_EQ(grid().row(), 1);
    chooseForName("次検索");
    EXPECT_EQ(grid().row(), 3);
    EXPECT_EQ(grid().col(), int(Col::name));
    EXPECT_TRUE(prompter.log.isEmpty());

    chooseForName("次検索");
    EXPECT_EQ(prompter.log, QStringList{"info: 見つかりませんでした。\r\n\r\n\r\n"});
    EXPECT_EQ(grid().row(), 3);

    // A hit in the hidden honorific shows its customer by the name.
    cells().setCell(Col::honorific, 2, "御中");
    window->NAME1->setText("御中");
    grid().closeList();
    chooseForName("顧客検索");
    EXPECT_EQ(grid().row(), 2);
    EXPECT_EQ(grid().col(), int(Col::name));
}

TEST_F(CustomerListTest, SpaceMarksNamedRowsAndAlwaysMovesDown)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "", "佐藤電機"});
    start();
    openByDoubleClick();
    QTest::keyClick(&grid(), Qt::Key_Space);
    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_TRUE(CustomerList::isMarked(cells(), 1));
    EXPECT_FALSE(CustomerList::isMarked(cells(), 2)) << "a row without a name";
    EXPECT_EQ(grid().row(), 3);
    // The space an input method commits counts as the Space key.
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("　"));
    QApplication::sendEvent(&grid(), &committed);
    EXPECT_TRUE(CustomerList::isMarked(cells(), 3));
    EXPECT_EQ(grid().row(), 4);

    grid().setCurrentCell(Col::name, 23);
    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_EQ(grid().row(), 23) << "the last row stays current";

    EXPECT_EQ(CustomerCellPainter::look(cells(), 1, 4).background, CustomerCellPalette::marked);
    EXPECT_EQ(CustomerCellPainter::look(cells(), 2, 4).background, CustomerCellPalette::stripe);
    EXPECT_EQ(CustomerCellPainter::look(cells(), 5, 4).background, CustomerCellPalette::white);
    EXPECT_TRUE(CustomerCellPainter::look(cells(), 4, 4).rowFrame);
    EXPECT_FALSE(CustomerCellPainter::look(cells(), 3, 3).rowFrame) << "marked fills over it";

    chooseInGrid("全選択解除");
    EXPECT_FALSE(CustomerList::isMarked(cells(), 1));
    chooseInGrid("全選択");
    EXPECT_TRUE(CustomerList::isMarked(cells(), 1));
    EXPECT_FALSE(CustomerList::isMarked(cells(), 2));
    EXPECT_TRUE(CustomerList::isMarked(cells(), 3));
}

TEST_F(CustomerListTest, EnterPicksWhileBrowsingAndWalksTheCellsInEditMode)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "鈴木工務店"});
    start();
    openByDoubleClick();
    chooseInGrid("編集モードＯＮ");
    ASSERT_TRUE(window->EditP3->isVisible());
    ASSERT_EQ(focused(), window->Edit3);
    EXPECT_EQ(window->Edit3->text(), "山田商店");

    QTest::keyClick(window->Edit3, Qt::Key_Return);
    EXPECT_EQ(grid().col(), int(Col::name2));
    typeText(window->Edit3, "本店");
    QTest::keyClick(window->Edit3, Qt::Key_Return);
    typeText(window->Edit3, "100-0001");
    EXPECT_EQ(cells().cell(Col::name2, 1), "本店");
    EXPECT_EQ(cells().cell(Col::postalCode, 1), "100-0001");
    EXPECT_FALSE(window->Edit3->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(grid().isVisible());
    EXPECT_TRUE(header().NAME1.isEmpty()) << "Enter in the editor picks nothing";
    EXPECT_TRUE(prompter.log.isEmpty()) << "no beep";

    // A double click on the editor picks.
    QTest::mouseDClick(window->Edit3, Qt::LeftButton);
    EXPECT_EQ(header(), (CustomerRecord{"山田商店", "本店", "100-0001"}));
    EXPECT_FALSE(grid().isVisible());

    // Escape in the editor closes the list and hands the item grid the focus.
    openByDoubleClick();
    ASSERT_EQ(focused(), window->Edit3);
    QTest::keyClick(window->Edit3, Qt::Key_Escape);
    EXPECT_FALSE(grid().isVisible());
    EXPECT_TRUE(window->SG1->isAncestorOf(focused()) || focused() == window->SG1);

    openByDoubleClick();
    chooseInGrid("編集モードＯＦＦ");
    EXPECT_FALSE(window->EditP3->isVisible());
    EXPECT_EQ(focused(), &grid());
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Enter);
    EXPECT_EQ(header().NAME1, "鈴木工務店");
}

TEST_F(CustomerListTest, DeletingAsksAndRemovesTheCurrentRow)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "鈴木工務店", "佐藤電機"});
    start();
    openByDoubleClick();
    QTest::keyClick(&grid(), Qt::Key_Down);
    prompter.answers << false << true;
    chooseInGrid("削除");
    EXPECT_EQ(cells().cell(Col::name, 2), "鈴木工務店");
    chooseInGrid("削除");
    EXPECT_EQ(prompter.texts("question"), QStringList(2, "現在位置の顧客を削除します。"));
    EXPECT_EQ(cells().cell(Col::name, 2), "佐藤電機");
    EXPECT_EQ(cells().rows(), 25);
    EXPECT_EQ(grid().row(), 2);

    chooseInGrid("閉じる");
    EXPECT_FALSE(grid().isVisible());
}

TEST_F(CustomerListTest, TheEditorFollowsItsRowThroughADeleteAndADrag)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "鈴木工務店", "佐藤電機", "高橋建設"});
    start();
    openByDoubleClick();
    grid().N75Click();
    QTest::keyClick(window->Edit3, Qt::Key_Down);
    ASSERT_EQ(window->Edit3->text(), "鈴木工務店");

    // The editor's own menu deletes the row under it; typing then goes to the row that took
    // its place.
    prompter.answers << true;
    chooseInGrid("削除");
    EXPECT_EQ(window->Edit3->text(), "佐藤電機");
    typeText(window->Edit3, "株式会社");
    EXPECT_EQ(cells().cell(Col::name, 2), "佐藤電機株式会社");
    EXPECT_EQ(cells().cell(Col::name, 3), "高橋建設");

    // A row dragged by its number takes its customer along and the numbers stay in order.
    grid().verticalHeader()->moveSection(3, 1);
    EXPECT_EQ(cells().cell(Col::name, 1), "高橋建設");
    EXPECT_EQ(cells().cell(Col::name, 2), "山田商店");
    for (int row = 1; row < cells().rows(); ++row)
        EXPECT_EQ(cells().cell(Col::number, row), QString::number(row)) << row;
    EXPECT_EQ(grid().row(), 1);
    typeText(focused(), "様");
    EXPECT_EQ(cells().cell(Col::name, 1), "高橋建設様");
}

TEST_F(CustomerListTest, TheWheelStepsTheRowsWhileTheEditorIsUpAndCtrlZeroLeavesIt)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店", "鈴木工務店"});
    start();
    openByDoubleClick();
    grid().N75Click();
    ASSERT_EQ(focused(), window->Edit3);
    turnWheel(window->ADD1, -120);
    EXPECT_EQ(grid().row(), 2);
    EXPECT_EQ(window->Edit3->text(), "鈴木工務店");
    EXPECT_TRUE(window->otherGridHasFocus());

    QTest::keyClick(window->Edit3, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(focused(), window->NAME1);
    EXPECT_FALSE(window->otherGridHasFocus());
}

TEST_F(CustomerListTest, ARestartKeepsTheAddresses)
{
    dir.writeLines("KOKYAKU.LST", {"鈴木工務店"});
    start();
    window->takeCustomer(kYamada);
    prompter.answers << true;
    grid().N11Click();
    window->takeCustomer({});
    EXPECT_TRUE(window->close());
    window.reset();
    EXPECT_EQ(dir.readLines("KOKYAKU.LST"), (QStringList{"山田商店", "鈴木工務店"}));

    start();
    openByDoubleClick();
    QTest::keyClick(&grid(), Qt::Key_Return);
    EXPECT_EQ(header(), kYamada);
}

TEST_F(CustomerListTest, AFailedWriteOfTheCustomersIsReportedByTheCloseAndTheRestIsWritten)
{
    dir.writeLines("KOKYAKU.LST", {"山田商店"});
    start();
    // A folder in the place of the records file makes its write fail.
    QDir(dir.path()).mkdir("KOKYAKU2.LST");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompter.log, QStringList{"warning: 設定ファイルは保存できませんでした。\r\n"});
    EXPECT_TRUE(dir.exists("SEIKYUU.INI"));
}

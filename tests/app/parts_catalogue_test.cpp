#include "app/miravo_window.h"
#include "common/clock.h"
#include "common/miravo_error.h"
#include "master/category_bar.h"
#include "master/parts_catalogue.h"
#include "master/parts_cell_editors.h"
#include "master/parts_grid_view.h"
#include "shown_window.h"
#include "slip/item_cell_editors.h"
#include "slip/item_columns.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "support/typing.h"
#include "support/write_failure.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PartsCatalogueTest : public ::testing::Test
{
protected:
    PartsCatalogueTest()
    {
        Clock::setFixedNow(QDateTime(QDate(2005, 5, 1), QTime(10, 30)));
        dir.writeLines("BUHIN1_1.LST",
                       {"1,,六角ボルト,,M8,,本,120,80,,,66.6", "2,,ナット,,M8,,個,30,12,,,40.0"});
        dir.writeLines("BUHIN1_2.LST", {"1,,アンカー,,,,本,300,200,,,66.6"});
    }
    ~PartsCatalogueTest() override { Clock::setFixedNow({}); }

    std::unique_ptr<TMIRAVO> showWindow() { return showMainWindow(prompter); }

    // Opens the catalogue with the 部品 command.
    static PartsCatalogue &open(TMIRAVO &window)
    {
        window.SpeedButton23->click();
        return *window.partsCatalogue;
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
};

QPoint cellCentre(QTableView *view, int column, int row)
{
    return view->visualRect(view->model()->index(row, column)).center();
}

} // namespace

TEST_F(PartsCatalogueTest, APickWithAutoCloseLandsOnTheQuantityAndLeavingTheRowReopens)
{
    auto window = showWindow();
    window->SG1Cells->setCell(ItemColumn::name, 5, "前からの品目");
    window->SG1->setCurrentCell(ItemColumn::name, 5);
    PartsCatalogue &catalogue = open(*window);
    ASSERT_TRUE(catalogue.SG2->hasFocus());
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 1), "六角ボルト");

    QTest::keyClick(catalogue.SG2, Qt::Key_Return);

    EXPECT_FALSE(catalogue.isShown());
    EXPECT_FALSE(catalogue.BUMON_Bar->isVisible());
    EXPECT_EQ(window->SG1->col(), ItemColumn::quantity);
    EXPECT_EQ(window->SG1->row(), 5);
    EXPECT_EQ(QApplication::focusWidget(), window->NumEdit1);
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 5), "六角ボルト");
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 6), "前からの品目");

    typeText(window->NumEdit1, "3");
    window->cellEditors->moveTo(ItemColumn::costPrice, 5);
    QTest::keyClick(window->NumEdit1, Qt::Key_Return);
    EXPECT_TRUE(catalogue.isShown());
    EXPECT_TRUE(catalogue.BUHIN_Bar->isVisible());
    EXPECT_TRUE(catalogue.SG2->hasFocus());
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::amount, 5), "360");

    // Closed by the command, it stays closed after the next row.
    window->SpeedButton23->click();
    window->cellEditors->moveTo(ItemColumn::costPrice, 6);
    QTest::keyClick(window->NumEdit1, Qt::Key_Return);
    EXPECT_FALSE(catalogue.isShown());
}

TEST_F(PartsCatalogueTest, NextRowModeAndAPickWithoutAutoClose)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    catalogue.INSBTN->click();
    catalogue.AUTOBTN->click();
    EXPECT_EQ(catalogue.INSBTN->text(), "次");
    EXPECT_EQ(catalogue.AUTOBTN->text(), "切");
    window->SG1->setCurrentCell(ItemColumn::name, 1);

    const QPoint part = cellCentre(catalogue.SG2, PartsColumn::name, 2);
    QTest::mouseClick(catalogue.SG2->viewport(), Qt::LeftButton, {}, part);
    QTest::mouseDClick(catalogue.SG2->viewport(), Qt::LeftButton, {}, part);

    EXPECT_TRUE(catalogue.isShown());
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 2), "ナット");
    EXPECT_EQ(window->SG1->row(), 2);
    EXPECT_EQ(window->SG1Cells->rows(), 32);
}

TEST_F(PartsCatalogueTest, SwitchingListsLeavesEditModeAndSavesTheListLeft)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    catalogue.SG2->setCurrentCell(PartsColumn::name, 3);
    catalogue.editModeOn();
    ASSERT_TRUE(catalogue.Edit2->isVisible());
    typeText(catalogue.Edit2, "座金");

    catalogue.BUHIN_Bar->button(2)->click();

    EXPECT_FALSE(catalogue.editMode());
    EXPECT_FALSE(catalogue.EditP2->isVisible());
    EXPECT_FALSE(catalogue.NumP2->isVisible());
    EXPECT_EQ(catalogue.state().minor, 2);
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 1), "アンカー");
    EXPECT_EQ(dir.readLines("BUHIN1_1.LST").at(2), "3,,座金,,,,,,,,,");

    // Coming back restores the row that was current.
    catalogue.SG2->setCurrentCell(PartsColumn::name, 7);
    catalogue.BUHIN_Bar->button(1)->click();
    EXPECT_EQ(catalogue.SG2->row(), 3);
    catalogue.BUHIN_Bar->button(2)->click();
    EXPECT_EQ(catalogue.SG2->row(), 7);
}

TEST_F(PartsCatalogueTest, EditorKeys)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    catalogue.editModeOn();
    for (const bool sunpou : {true, false}) {
        SCOPED_TRACE(sunpou ? "形状・寸法 shown" : "形状・寸法 hidden");
        window->Sunpou->setChecked(sunpou);
        catalogue.editors->moveTo(PartsColumn::name, 1);
        QTest::keyClick(catalogue.Edit2, Qt::Key_Return);
        EXPECT_EQ(catalogue.SG2->col(), sunpou ? PartsColumn::shape : PartsColumn::unit);
    }

    catalogue.editors->moveTo(PartsColumn::unit, 20);
    QTest::keyClick(catalogue.Edit2, Qt::Key_PageDown);
    EXPECT_EQ(catalogue.SG2->row(), 30);
    catalogue.editors->moveTo(PartsColumn::unit, 10);
    QTest::keyClick(catalogue.Edit2, Qt::Key_PageUp);
    EXPECT_EQ(catalogue.SG2->row(), 1);

    // The wheel steps the rows while an editor is up, and leaves the browsed grid alone.
    catalogue.editors->moveTo(PartsColumn::name, 5);
    turnWheel(catalogue.SG2->viewport(), -120);
    EXPECT_EQ(catalogue.SG2->row(), 6);
    EXPECT_TRUE(catalogue.Edit2->hasFocus());
    catalogue.editModeOff();
    turnWheel(catalogue.SG2->viewport(), -120);
    EXPECT_EQ(catalogue.SG2->row(), 6);
    catalogue.editModeOn();

    // Delete in the number editor empties the price and the rate.
    catalogue.editors->moveTo(PartsColumn::unitPrice, 1);
    ASSERT_TRUE(catalogue.NumEdit2->hasFocus());
    QTest::keyClick(catalogue.NumEdit2, Qt::Key_Delete);
    EXPECT_TRUE(catalogue.SG2Cells->cell(PartsColumn::unitPrice, 1).isEmpty());
    EXPECT_TRUE(catalogue.SG2Cells->cell(PartsColumn::rate, 1).isEmpty());
    typeText(catalogue.NumEdit2, "160");
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::rate, 1), "50");

    // Enter from the cost price of the last row appends a numbered row.
    catalogue.editors->moveTo(PartsColumn::costPrice, 30);
    QTest::keyClick(catalogue.NumEdit2, Qt::Key_Return);
    EXPECT_EQ(catalogue.SG2Cells->rows(), 32);
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::number, 31), "31");
    EXPECT_EQ(catalogue.SG2->col(), PartsColumn::name);
}

TEST_F(PartsCatalogueTest, TheBarLayoutsCycleBackToTheStart)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    const int rightEdge = catalogue.SG2->geometry().right();
    EXPECT_EQ(catalogue.BUHIN_Bar->width(), 715);
    EXPECT_EQ(catalogue.BUMON_Bar->geometry().right(), rightEdge);
    EXPECT_TRUE(catalogue.BUMON_Bar->button(14)->isVisible());
    EXPECT_FALSE(catalogue.BUMON_Bar->button(15)->isVisible());
    const int expected[] = {632, 997, 715};
    for (const int width : expected) {
        catalogue.KIRIKAE_BTN->click();
        EXPECT_EQ(catalogue.BUHIN_Bar->width(), width);
        EXPECT_EQ(catalogue.BUMON_Bar->width(), width);
        EXPECT_EQ(catalogue.BUHIN_Bar->geometry().right(), rightEdge);
    }
    catalogue.KIRIKAE_BTN->click();
    window->close();
    EXPECT_TRUE(dir.readLines("SET2.INI").contains("[分類幅]=1"));
}

TEST_F(PartsCatalogueTest, DraggingAnItemRowOntoThePartsGrid)
{
    auto window = showWindow();
    window->SG1Cells->setRowCells(1, {"1", "", "寸切ボルト", "", "W3/8", "2", "本", "500", "250"});
    window->SG1->setCurrentCell(ItemColumn::name, 1);
    PartsCatalogue &catalogue = open(*window);
    QWidget *source = window->SG1->viewport();
    const auto dropAt = [&](QWidget *over, const QPoint &at) {
        // ドラッグモード of the item grid's menu.
        window->PopupMenu1->findChild<QAction *>("N40")->trigger();
        ASSERT_TRUE(catalogue.itemGridDragMode());
        const QPoint start = cellCentre(window->SG1, ItemColumn::name, 1);
        QTest::mousePress(source, Qt::LeftButton, {}, start);
        QTest::mouseRelease(source, Qt::LeftButton, {},
                            source->mapFromGlobal(over->mapToGlobal(at)));
    };

    QHeaderView *header = catalogue.SG2->horizontalHeader();
    dropAt(header, header->rect().center());
    EXPECT_EQ(catalogue.SG2Cells->rows(), 31);
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 1), "六角ボルト");
    EXPECT_FALSE(catalogue.itemGridDragMode());

    dropAt(catalogue.SG2->viewport(), cellCentre(catalogue.SG2, PartsColumn::name, 2));
    EXPECT_EQ(catalogue.SG2Cells->rows(), 32);
    EXPECT_EQ(catalogue.SG2Cells->rowCells(2), (QStringList{"2", "", "寸切ボルト", "", "W3/8", "",
                                                            "本", "500", "250", "", "", "50"}));
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 3), "ナット");
    EXPECT_FALSE(catalogue.itemGridDragMode());
}

TEST_F(PartsCatalogueTest, DraggingAPartOntoTheItemGrid)
{
    auto window = showWindow();
    window->SG1Cells->setCell(ItemColumn::name, 3, "三行目");
    PartsCatalogue &catalogue = open(*window);
    QWidget *source = catalogue.SG2->viewport();
    const QPoint start = cellCentre(catalogue.SG2, PartsColumn::name, 2);

    // A short move is a click; a longer one puts the grid into drag mode with a beep.
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, start + QPoint(3, 0));
    EXPECT_FALSE(catalogue.partsGridDragMode());
    QTest::mouseMove(source, start + QPoint(8, 0));
    QTest::mouseRelease(source, Qt::LeftButton, {}, start + QPoint(8, 0));
    EXPECT_TRUE(catalogue.partsGridDragMode());
    EXPECT_EQ(prompter.beeps(), 1);

    QTest::mousePress(source, Qt::LeftButton, {}, start);
    const QPoint target = cellCentre(window->SG1, ItemColumn::name, 3);
    QTest::mouseRelease(source, Qt::LeftButton, {},
                        source->mapFromGlobal(window->SG1->viewport()->mapToGlobal(target)));
    EXPECT_FALSE(catalogue.partsGridDragMode());
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 3), "ナット");
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 4), "三行目");
    EXPECT_TRUE(window->SG1Cells->cell(ItemColumn::exemptMark, 3).isEmpty());

    // In next-row mode the part goes into the new row below the row under the pointer; the
    // row under the pointer keeps what it holds.
    catalogue.INSBTN->click();
    catalogue.DRAG_DROP(4);
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 4), "三行目");
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 5), "ナット");
    EXPECT_EQ(window->SG1Cells->rows(), 33);
}

TEST_F(PartsCatalogueTest, CaptionsComeFromTheNameFiles)
{
    QStringList majors;
    for (int line = 1; line <= 25; ++line)
        majors.append(QStringLiteral("大%1").arg(line));
    dir.writeLines("BUMON0.LST", majors);
    dir.writeLines("BUMON1.LST", {"ボルト", "ナット", "座金"});
    dir.writeLines("BUMON2.LST", {"配管"});
    auto window = showWindow();
    PartsCatalogue &catalogue = *window->partsCatalogue;
    EXPECT_EQ(catalogue.BUMON_Bar->button(1)->text(), "大分類－①");
    QTest::keyClick(window->NAME1, Qt::Key_5, Qt::ControlModifier);
    ASSERT_TRUE(catalogue.isShown());
    EXPECT_EQ(catalogue.BUMON_Bar->button(20)->text(), "大20");
    EXPECT_EQ(catalogue.BUHIN_Bar->button(3)->text(), "座金");
    EXPECT_TRUE(catalogue.BUHIN_Bar->button(4)->text().isEmpty());

    catalogue.BUMON_Bar->button(2)->click();
    EXPECT_EQ(catalogue.state().major, 2);
    EXPECT_EQ(catalogue.BUHIN_Bar->button(1)->text(), "配管");
    EXPECT_TRUE(catalogue.BUHIN_Bar->button(2)->text().isEmpty());
    EXPECT_EQ(catalogue.BUMON_Bar->button(1)->text(), "大1");
}

TEST_F(PartsCatalogueTest, ASettingsCommitClosesTheCatalogueAndStartsItAgainFromTheFirstList)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    catalogue.BUHIN_Bar->button(2)->click();
    ASSERT_EQ(catalogue.state().minor, 2);
    catalogue.editModeOn();
    catalogue.editors->moveTo(PartsColumn::name, 2);
    typeText(catalogue.Edit2, "ケミカル");

    catalogue.resetSelection();
    EXPECT_FALSE(catalogue.isShown());
    EXPECT_EQ(dir.readLines("BUHIN1_2.LST").at(1), "2,,ケミカル,,,,,,,,,");
    open(*window);
    EXPECT_EQ(catalogue.state().major, 1);
    EXPECT_EQ(catalogue.state().minor, 1);
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 1), "六角ボルト");
}

TEST_F(PartsCatalogueTest, AnEditedListSurvivesClosingAndARestart)
{
    {
        auto window = showWindow();
        PartsCatalogue &catalogue = open(*window);
        catalogue.editModeOn();
        catalogue.editors->moveTo(PartsColumn::name, 3);
        typeText(catalogue.Edit2, "座金");
        window->SpeedButton23->click();
        EXPECT_EQ(dir.readLines("BUHIN1_1.LST").at(2), "3,,座金,,,,,,,,,");

        open(*window);
        catalogue.editModeOn();
        catalogue.editors->moveTo(PartsColumn::name, 4);
        typeText(catalogue.Edit2, "ワッシャー");
        window->close();
    }
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 3), "座金");
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 4), "ワッシャー");
}

TEST_F(PartsCatalogueTest, AnUnchangedListIsNotWrittenAtClose)
{
    auto window = showWindow();
    open(*window);
    window->SpeedButton23->click();
    window->close();
    EXPECT_FALSE(dir.exists("BUHIN1_1.LST.bak"));
    EXPECT_EQ(dir.readLines("BUHIN1_1.LST").size(), 2);
}

TEST_F(PartsCatalogueTest, EscapeHidesTheCatalogueUntilTheNextItemRow)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    QTest::keyClick(catalogue.SG2, Qt::Key_Escape);
    EXPECT_FALSE(catalogue.isShown());
    EXPECT_TRUE(window->SG1->hasFocus() || window->cellEditors->hasFocus());
    EXPECT_EQ(window->SG1Cells->cell(ItemColumn::name, 1), "");

    window->cellEditors->moveTo(ItemColumn::costPrice, 1);
    QTest::keyClick(window->NumEdit1, Qt::Key_Return);
    EXPECT_TRUE(catalogue.isShown());
}

TEST_F(PartsCatalogueTest, TheModesComeFromAndGoBackToTheScreenSettings)
{
    dir.writeLines("SET2.INI", {"[Pin]=0", "[INS_MODE]=0", "[分類幅]=0"});
    auto window = showWindow();
    PartsCatalogue &catalogue = *window->partsCatalogue;
    EXPECT_EQ(catalogue.AUTOBTN->text(), "切");
    EXPECT_EQ(catalogue.INSBTN->text(), "次");
    EXPECT_EQ(catalogue.BUMON_Bar->width(), 997);
    EXPECT_TRUE(catalogue.BUMON_Bar->button(20)->isVisibleTo(catalogue.BUMON_Bar));

    catalogue.AUTOBTN->click();
    window->close();
    const QStringList lines = dir.readLines("SET2.INI");
    EXPECT_TRUE(lines.contains("[Pin]=1"));
    EXPECT_TRUE(lines.contains("[INS_MODE]=0"));
    EXPECT_TRUE(lines.contains("[分類幅]=0"));
}

TEST_F(PartsCatalogueTest, GridColoursAndColumnWidths)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    for (const std::optional<QColor> &colour :
         {std::optional<QColor>(QColor(0x10, 0x20, 0x30)), std::optional<QColor>(),
          std::optional<QColor>(QColor(0xF0, 0xF0, 0xD0)),
          std::optional<QColor>(QColor(0xFF, 0x80, 0x00))})
        prompter.colours.enqueue(colour);
    prompter.answers.enqueue(true);
    catalogue.chooseColours(window->screenSettings.colours);
    EXPECT_EQ(catalogue.BUMON_Bar->palette().color(QPalette::Window), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(catalogue.BUHIN_Bar->palette().color(QPalette::Window), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(catalogue.SG2->colours.stripe, QColor(0xF0, 0xF0, 0xD0));
    EXPECT_EQ(catalogue.SG2->colours.colourBar, QColor(0xFF, 0x80, 0x00));
    EXPECT_TRUE(catalogue.SG2->catalogueFocused);
    window->NAME1->setFocus();
    EXPECT_FALSE(catalogue.SG2->catalogueFocused); // the bar turns pale cyan

    catalogue.SG2->setColWidth(PartsColumn::name, 300);
    prompter.answers.enqueue(true);
    catalogue.saveWidths();
    EXPECT_TRUE(dir.readLines("SEL_WIDTH3.INI").contains("[品名幅]=300"));
    prompter.answers.enqueue(true);
    window->SpeedButton24->click();
    EXPECT_EQ(catalogue.SG2->colWidth(PartsColumn::name), 225);
    EXPECT_TRUE(window->NAME1->hasFocus());
    prompter.answers.enqueue(true);
    catalogue.loadWidths(false);
    EXPECT_EQ(catalogue.SG2->colWidth(PartsColumn::name), 300);
    EXPECT_EQ(
        prompter.texts("question"),
        (QStringList{"設定が完了しました。\r\n初期値に戻す場合は\r\n[いいえ]を選択して下さい。",
                     "現在表示の部品セル幅設定を保存します。\r\nよろしいですか？",
                     "部品セルサイズを既定値に戻します。\r\nよろしいですか？",
                     "部品グリッドセル幅設定を読み込みます。\r\nよろしいですか？"}));
}

TEST_F(PartsCatalogueTest, AListThatCannotBeSavedStaysOnScreen)
{
    auto window = showWindow();
    PartsCatalogue &catalogue = open(*window);
    catalogue.SG2Cells->setCell(PartsColumn::name, 3, "座金");
    {
        const FileSizeLimit limit(4);
        EXPECT_THROW(catalogue.chooseMinor(2), IoError);
    }
    EXPECT_EQ(catalogue.state().minor, 1);
    EXPECT_EQ(catalogue.SG2Cells->cell(PartsColumn::name, 3), "座金");
    EXPECT_EQ(dir.readLines("BUHIN1_1.LST").size(), 2);

    catalogue.chooseMinor(2);
    EXPECT_EQ(dir.readLines("BUHIN1_1.LST").at(2), "3,,座金,,,,,,,,,");
}

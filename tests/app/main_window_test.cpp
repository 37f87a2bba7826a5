#include "app/miravo_window.h"
#include "common/clock.h"
#include "common/qt_prompter.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "files/file_browser_panel.h"
#include "files/slip_folder.h"
#include "master/choice_list_box.h"
#include "shown_window.h"
#include "slip/item_grid_view.h"
#include "slip/numeric_edit.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "support/typing.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QDateTime kNow(QDate(2005, 5, 1), QTime(10, 30));

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest() { Clock::setFixedNow(kNow); }
    ~MainWindowTest() override { Clock::setFixedNow({}); }

    std::unique_ptr<TMIRAVO> showWindow() { return showMainWindow(prompter); }

    TempProgramDir dir;
    ScriptedPrompter prompter;
};

QStringList titles(const TMIRAVO &window)
{
    return window.SG1Cells->rowCells(0);
}

} // namespace

TEST_F(MainWindowTest, StartsWithDesignValuesInAnEmptyProgramDirectory)
{
    TMIRAVO window;
    EXPECT_EQ(window.windowTitle(), "MIRAVO");
    EXPECT_EQ(window.NOUHIN->text(), "納品書");
    EXPECT_EQ(window.HATYUU->text(), "発注書");
    EXPECT_EQ(window.IRAI->text(), "見積依頼書");
    EXPECT_EQ(int(window.slip.calc.settings.rounding), 0);
    EXPECT_FALSE(window.slip.calc.settings.profitRate);
    EXPECT_FALSE(window.slip.calc.settings.zeroPrint);
    EXPECT_TRUE(window.Bangou->text().isEmpty());
    EXPECT_EQ(window.DTP1->dateTime(), kNow);
    EXPECT_EQ(window.KEISYOU->count(), 3);
    EXPECT_EQ(window.KEISYOU->currentText(), "様");

    EXPECT_EQ(titles(window), (QStringList{"№", "類", "品名", "", "形状・寸法", "数量", "単位",
                                           "単価", "原単価", "金額", "原価計", "原価率"}));
    EXPECT_EQ(window.SG1Cells->rows(), 31);
    EXPECT_EQ(window.SG1Cells->cell(0, 1), "1");
    EXPECT_EQ(window.SG1Cells->cell(0, 30), "30");
    const int widths[] = {25, 20, 305, -1, 210, 50, 40, 60, 60, 70, 70, 39};
    for (int column = 0; column < 12; ++column)
        EXPECT_EQ(window.SG1->colWidth(column), widths[column]) << column;

    const QStringList panels = {"", "2005/05/01 (日曜日)", "", "", "", "MIRAVO", "", ""};
    for (int panel = 0; panel < 8; ++panel)
        EXPECT_EQ(window.panelText(panel), panels.at(panel)) << panel;
    // Only the beeps of the start-up column widths: the missing item grid set, and the
    // parts grid set's load with its missing file.
    EXPECT_EQ(prompter.log, (QStringList{"beep", "beep", "beep"}));
}

TEST_F(MainWindowTest, TakesTitlesCaptionsAndModesFromPrintIni)
{
    dir.writeLines("PRINT.INI", {"[品名の変更]=明細", "[数量]=", "[単価]=値段", "[納品書]=納品伝票",
                                 "[利益率]=1", "[端数処理]=2", "[ゼロ印字]=1", "[形状]="});
    TMIRAVO window;
    const QStringList expected = {"№",    "類",   "明細",   "",     "形状・寸法", "数量",
                                  "単位", "値段", "原単価", "金額", "原価計",     "利益率"};
    EXPECT_EQ(titles(window), expected);
    EXPECT_EQ(window.NOUHIN->text(), "納品伝票");
    EXPECT_EQ(window.SEIKYUU->text(), "請求書");
    EXPECT_EQ(int(window.slip.calc.settings.rounding), 2);
    EXPECT_TRUE(window.slip.calc.settings.profitRate);
    EXPECT_TRUE(window.slip.calc.settings.zeroPrint);
}

TEST_F(MainWindowTest, RoundingModeReadsOnlyOneAndTwo)
{
    const std::pair<const char *, int> cases[] = {{"1", 1}, {"2", 2}, {"3", 0}, {"", 0}, {"x", 0}};
    for (const auto &[value, mode] : cases) {
        dir.writeLines("PRINT.INI", {QStringLiteral("[端数処理]=") + value});
        TMIRAVO window;
        EXPECT_EQ(int(window.slip.calc.settings.rounding), mode) << value;
    }
}

TEST_F(MainWindowTest, SunpouSetsTheWidthsOfColumnsTwoToFourAndKeepsTheCells)
{
    TMIRAVO window;
    window.SG1Cells->setCell(4, 1, "φ30");
    window.Sunpou->setChecked(false);
    EXPECT_EQ(window.SG1->colWidth(2), 516);
    EXPECT_EQ(window.SG1->colWidth(3), -1);
    EXPECT_EQ(window.SG1->colWidth(4), -1);
    EXPECT_EQ(window.SG1Cells->cell(4, 1), "φ30");
    window.Sunpou->setChecked(true);
    EXPECT_EQ(window.SG1->colWidth(2), 305);
    EXPECT_EQ(window.SG1->colWidth(4), 210);
}

TEST_F(MainWindowTest, ActivationFocusesTheCustomerAndCaptionsTheTitleLabel)
{
    auto window = showWindow();
    EXPECT_EQ(QApplication::focusWidget(), window->NAME1);
    EXPECT_EQ(window->Label6->text(), "登　録\nﾌｧｲﾙ名");
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->frameGeometry().width(), 1024);
}

TEST_F(MainWindowTest, EnteringAnEmptyTitleProposesTheCustomerName)
{
    auto window = showWindow();
    window->NAME1->setText("山田商店");
    window->TITLE->setFocus();
    EXPECT_EQ(window->TITLE->text(), "山田商店＞");

    window->TITLE->setText("見積");
    window->NAME1->setFocus();
    window->TITLE->setFocus();
    EXPECT_EQ(window->TITLE->text(), "見積");
}

TEST_F(MainWindowTest, TitleRefusesTypingBeyond230Bytes)
{
    auto window = showWindow();
    window->TITLE->setFocus();
    typeText(window->TITLE, QString(114, QChar(u'山')) + "abc");
    EXPECT_EQ(Sjis::byteLength(window->TITLE->text()), 230);
    EXPECT_TRUE(window->TITLE->text().endsWith("ab"));
}

TEST_F(MainWindowTest, HeaderBoxesTakeTheFocusColour)
{
    auto window = showWindow();
    window->ADD1->setFocus();
    EXPECT_EQ(window->ADD1->palette().color(QPalette::Base), QColor(Qt::yellow));
    window->ADD_2->setFocus();
    EXPECT_EQ(window->ADD1->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(window->ADD_2->palette().color(QPalette::Base), QColor(Qt::yellow));
}

TEST_F(MainWindowTest, TelWidensWhileFocused)
{
    auto window = showWindow();
    window->Tel->setFocus();
    EXPECT_EQ(window->Tel->width(), 100);
    window->NAME1->setFocus();
    EXPECT_EQ(window->Tel->width(), 20);
}

TEST_F(MainWindowTest, EndhanteiFindsTheLastUsedRow)
{
    TMIRAVO window;
    EXPECT_FALSE(window.ENDHANTEI());
    EXPECT_EQ(window.slip.lastUsedRow(), 0);
    window.SG1Cells->setCell(11, 7, "5.0");
    window.SG1Cells->setCell(2, 3, "品");
    EXPECT_TRUE(window.ENDHANTEI());
    EXPECT_EQ(window.slip.lastUsedRow(), 7);
}

TEST_F(MainWindowTest, ExitWithAnEmptySlipAsksOnce)
{
    auto window = showWindow();
    prompter.answers << true;
    window->SpeedButton4Click();
    EXPECT_EQ(prompter.log, QStringList{"question: 終了します。"});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ExitAnsweredNoKeepsTheWindow)
{
    auto window = showWindow();
    prompter.answers << false;
    window->SpeedButton4Click();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, ExitWithContentOffersToSave)
{
    auto window = showWindow();
    window->SG1Cells->setCell(2, 1, "品");
    prompter.answers << true << false;
    window->SpeedButton4Click();
    EXPECT_EQ(prompter.log,
              (QStringList{"question: 終了します。", "question: 保存しますか？\r\n\r\n"}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, CloseBoxAsksBeforeLosingATypedSlip)
{
    auto window = showWindow();
    window->NAME1->setText("山田商店");
    prompter.answers << false;
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompter.log, QStringList{"question: 終了します。"});

    prompter.answers << true << false;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompter.texts("question").last(), "保存しますか？\r\n\r\n");
}

TEST_F(MainWindowTest, CloseBoxClosesAnEmptySlipAtOnce)
{
    auto window = showWindow();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(MainWindowTest, AnUnreadableSettingsFileIsReportedAndStartUpGoesOn)
{
    QDir(dir.path()).mkdir("PRINT.INI");
    TMIRAVO window;
    ASSERT_FALSE(prompter.texts("warning").isEmpty());
    EXPECT_TRUE(prompter.texts("warning").first().contains("PRINT.INI"));
    // The later steps still ran.
    EXPECT_EQ(window.SG1Cells->cell(0, 30), "30");
    EXPECT_EQ(window.panelText(5), "MIRAVO");
}

TEST_F(MainWindowTest, ClosingReportsAFailedWriteOnceAndStillCloses)
{
    auto window = showWindow();
    // A folder in the place of the first list file makes its write fail; the files after
    // it are still written.
    QDir(dir.path()).mkdir("Nouki.LST");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompter.log, QStringList{"warning: 設定ファイルは保存できませんでした。\r\n"});
    for (const char *name : {"Tanto.LST", "SET2.INI", "SEIKYUU.INI", "FOLDER.INI"})
        EXPECT_TRUE(QFileInfo(dir.file(name)).isFile()) << name;
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsFiles)
{
    auto window = showWindow();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dir.exists("FOLDER.INI"));
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(MainWindowTest, TheFileCommandTogglesThePanel)
{
    auto window = showWindow();
    window->SpeedButton3Click();
    EXPECT_TRUE(window->Panel1->isVisible());
    EXPECT_TRUE(window->Path->text().startsWith("DataPath = "));
    window->SpeedButton3Click();
    EXPECT_FALSE(window->Panel1->isVisible());
}

namespace {

void typeSlip(TMIRAVO &window)
{
    window.NAME1->setText("山田商店");
    window.ADD1->setText("東京都千代田区1-1");
    window.Bangou->setText("10023");
    window.TITLE->setText("見積");
    window.setTaxMode(TaxMode::Inclusive);
    window.SG1Cells->setRowCells(
        1, {"1", "", "ボルト, M8", "", "", "3", "本", "1050", "", "", "", ""});
    window.Keisan();
}

} // namespace

TEST_F(MainWindowTest, SavedSlipOpensAgainFromTheFileList)
{
    auto window = showWindow();
    typeSlip(*window);
    const QString total = window->TOTALKIN->text();
    prompter.answers << true; // the folder question
    EXPECT_TRUE(window->SpeedButton5Click());
    EXPECT_EQ(prompter.texts("info").last(), "登録しました。");
    ASSERT_EQ(window->Panel1->slipFileCount(), 1);
    EXPECT_TRUE(window->Panel1->slipFilePath(0).endsWith("令和8年12月10日【10023】見積.419") ||
                window->Panel1->slipFilePath(0).contains("【10023】見積.419"));

    prompter.answers << true; // 白紙に戻します。
    window->SpeedButton11Click();
    EXPECT_TRUE(window->NAME1->text().isEmpty());
    EXPECT_TRUE(window->SG1Cells->cell(2, 1).isEmpty());

    window->setTaxMode(TaxMode::Exclusive);
    window->FileListBox1DblClick(window->Panel1->slipFilePath(0), 0);
    EXPECT_EQ(window->NAME1->text(), "山田商店");
    EXPECT_EQ(window->ADD1->text(), "東京都千代田区1-1");
    EXPECT_EQ(window->Bangou->text(), "10023");
    EXPECT_EQ(window->TITLE->text(), "見積");
    EXPECT_EQ(window->taxMode(), TaxMode::Inclusive);
    EXPECT_EQ(window->SG1Cells->cell(2, 1), "ボルト, M8");
    EXPECT_EQ(window->SG1Cells->cell(9, 1), "3150");
    EXPECT_EQ(window->TOTALKIN->text(), total);
    EXPECT_EQ(window->browsePosition, 0);
}

TEST_F(MainWindowTest, AnsweringNoToTheSaveFolderHandsTheFocusToTheSlipFileList)
{
    auto window = showWindow();
    typeSlip(*window);
    window->NAME1->setFocus();
    // The real message box: closing it is what moves the focus about.
    QtPrompter dialogs;
    Prompter *const scripted = setPrompter(&dialogs);
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(window->SpeedButton5Click());
    setPrompter(scripted);
    // What the window manager does once the box is gone.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->Panel1->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->Panel1->FileListBox1);
}

TEST_F(MainWindowTest, ExitAnsweringYesToSaveSavesThenCloses)
{
    auto window = showWindow();
    typeSlip(*window);
    // 終了します。, 保存しますか？, the folder question, 終了します。 after the save.
    prompter.answers << true << true << true << true;
    window->SpeedButton4Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Panel1->slipFileCount(), 1);
    EXPECT_EQ(prompter.texts("question").last(), "終了します。");
}

TEST_F(MainWindowTest, AFileArgumentOpensThatSlipWithoutTakingANumber)
{
    dir.writeLines("BANGO.INI", {"20001"});
    QString path;
    QStringList counter;
    {
        auto window = showWindow();
        typeSlip(*window);
        prompter.answers << true;
        ASSERT_TRUE(window->SpeedButton5Click());
        path = window->Panel1->slipFilePath(0);
        counter = dir.readLines("BANGO.INI");
    }
    TMIRAVO window({path});
    EXPECT_EQ(window.NAME1->text(), "山田商店");
    EXPECT_EQ(window.Bangou->text(), "10023");
    EXPECT_EQ(window.SG1Cells->cell(9, 1), "3150");
    EXPECT_EQ(dir.readLines("BANGO.INI"), counter);
}

TEST_F(MainWindowTest, ShortcutsRunTheirCommandsOnlyWhileTheWindowShows)
{
    auto window = showWindow();
    window->NAME1->setText("山田");
    window->ADD1->setFocus();
    prompter.answers << false;
    QTest::keyClick(window->ADD1, Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(prompter.log, QStringList{"question: 白紙に戻します。"});
    EXPECT_EQ(window->NAME1->text(), "山田");

    window->hide();
    QTest::keyClick(window->ADD1, Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(prompter.log.size(), 1);
}

TEST_F(MainWindowTest, AFunctionKeyMovesBetweenLabels)
{
    auto window = showWindow();
    window->MENU_ITEM(3, 3); // F3 on "3 登録"
    window->MENU_ITEM(6, 3); // then on "6 白紙"
    EXPECT_EQ(window->commandLabels.at(5)->toolTip(), "F-3");
    prompter.log.clear();
    prompter.answers << false;
    QTest::keyClick(window->NAME1, Qt::Key_F3);
    EXPECT_EQ(prompter.log, QStringList{"question: 白紙に戻します。"});
}

TEST_F(MainWindowTest, TheManualCommandSaysWhenNoManualIsInstalled)
{
    TMIRAVO window;
    prompter.log.clear();
    window.SpeedButton26Click();
    EXPECT_EQ(prompter.log, QStringList{"info: 説明書ファイルは組み込まれていません。\r\n\r\n"});
}

TEST_F(MainWindowTest, AutomaticFolderChangeSavesIntoTheRegisteredFolderOfTheCustomer)
{
    dir.writeLines("PRINT.INI", {"[自動フォルダチェンジ]=1"});
    QTemporaryDir data;
    const QString general = data.filePath("一般");
    const QString shop = data.filePath("山田商店");
    QDir().mkpath(general);
    QDir().mkpath(shop);
    auto window = showWindow();
    window->Panel1->setFolder(general);
    window->Panel1->DG1DblClick(1);
    window->Panel1->setFolder(shop);
    window->Panel1->DG1DblClick(3);
    window->Panel1->setFolder(dir.path());

    struct Case
    {
        QString customer;
        QString number;
        QString folder;
    };
    for (const Case &c : {Case{"株式会社山田商店", "1", shop}, Case{"鈴木", "2", general}}) {
        typeSlip(*window);
        window->NAME1->setText(c.customer);
        window->Bangou->setText(c.number);
        prompter.answers << true;
        ASSERT_TRUE(window->SpeedButton5Click());
        EXPECT_EQ(window->Panel1->folder(), c.folder);
        EXPECT_EQ(SlipFolder::slipFiles(c.folder).size(), 1) << c.customer.toStdString();
    }
}

TEST_F(MainWindowTest, AWidthSetComesBackWithTheSunpouBoxFollowingColumnFour)
{
    TMIRAVO window;
    window.Sunpou->setChecked(false); // 516, hidden, hidden
    prompter.answers << true;
    window.saveWidthSet(1);
    EXPECT_EQ(prompter.texts("info").last(), "登録しました。");

    window.Sunpou->setChecked(true);
    window.SG1->setColWidth(5, 80);
    prompter.answers << true;
    window.loadWidthSet(1);
    EXPECT_FALSE(window.Sunpou->isChecked());
    EXPECT_EQ(window.SG1->colWidth(2), 516);
    EXPECT_EQ(window.SG1->colWidth(4), -1);
    EXPECT_EQ(window.SG1->colWidth(5), 50);
}

TEST_F(MainWindowTest, WhatTheUserLeftComesBackAfterARestart)
{
    {
        auto window = showWindow();
        window->PRN_SGroup->button(1)->setChecked(true);
        window->Sunpou->setChecked(false);
        window->setTaxMode(TaxMode::Inclusive);
        window->SEIKYUU->setChecked(true);
        window->A5->setChecked(true);
        window->KEISYOU->setCurrentIndex(1);
        window->KAKERITU->setText("0.8");
        window->Tanto->addItem("佐藤");
        window->MENU_ITEM(3, 5);
        ASSERT_TRUE(window->close());
    }
    TMIRAVO window;
    EXPECT_EQ(window.PRN_SGroup->checkedId(), 1);
    EXPECT_FALSE(window.Sunpou->isChecked());
    EXPECT_EQ(window.SG1->colWidth(2), 516);
    EXPECT_EQ(window.taxMode(), TaxMode::Inclusive);
    EXPECT_TRUE(window.SEIKYUU->isChecked());
    EXPECT_FALSE(window.NOUHIN->isChecked());
    EXPECT_TRUE(window.A5->isChecked());
    EXPECT_EQ(window.KEISYOU->currentText(), "御中");
    EXPECT_EQ(window.KAKERITU->text(), "0.8");
    EXPECT_EQ(window.Tanto->findText("佐藤"), 0);
    EXPECT_EQ(window.commandLabels.at(2)->toolTip(), "F-5");
}

TEST_F(MainWindowTest, TheControlsAndTheSlipFollowEachOther)
{
    auto window = showWindow();
    typeSlip(*window);
    window->A5->setChecked(true);
    EXPECT_EQ(window->slip.header.NAME1, "山田商店");
    EXPECT_EQ(window->slip.header.TITLE, "見積");
    EXPECT_EQ(window->slip.header.taxMode, TaxMode::Inclusive);
    EXPECT_TRUE(window->slip.header.A5);
    EXPECT_EQ(window->slip.items().cell(9, 1), "3150");

    prompter.answers << true; // 白紙に戻します。
    window->SpeedButton11Click();
    EXPECT_TRUE(window->NAME1->text().isEmpty());
    EXPECT_TRUE(window->TITLE->text().isEmpty());
    EXPECT_EQ(window->UTIZEI->isChecked(), true); // the tax mode is kept
    EXPECT_TRUE(window->A5->isChecked());
    EXPECT_EQ(window->TOTALKIN->text(), "\\0.-");
}

TEST_F(MainWindowTest, DoubleClickingAnEstimateFileImportsItAndThenSaysHowItDiffers)
{
    QTemporaryDir data;
    QStringList estimate(20);
    estimate[0] = "大野建設";
    estimate[15] = "1"; // exempt, while the typed slip is inclusive
    TextFile::writeLines(data.filePath("見積.MRV"),
                         estimate + QStringList{"9,A,,,,,,ボルト,,,2,本,100"});
    dir.writeLines("BANGO.INI", {"20000"});
    auto window = showWindow();
    window->Panel1->setFolder(data.path());
    typeSlip(*window);
    window->SpeedButton3Click();
    ASSERT_EQ(window->Panel1->slipFileCount(), 1);

    QListWidget *list = window->Panel1->FileListBox1;
    const QRect item = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());

    ASSERT_EQ(prompter.texts("info").size(), 1);
    EXPECT_TRUE(prompter.texts("info").first().contains("消費税処理 [ 非課税 ] です。"));
    EXPECT_EQ(window->NAME1->text(), "大野建設");
    EXPECT_EQ(window->Bangou->text(), "20000");
    EXPECT_EQ(window->TITLE->text(), "見積");
    EXPECT_TRUE(window->UTIZEI->isChecked());
    EXPECT_EQ(window->SG1Cells->cell(2, 1), "ボルト");
    EXPECT_EQ(window->SG1Cells->cell(9, 1), "200");
    EXPECT_FALSE(window->Panel1->isVisible());
    EXPECT_EQ(window->browsePosition, 0);
    EXPECT_EQ(dir.readLines("BANGO.INI"), QStringList{"20000"}); // the counter did not move
}

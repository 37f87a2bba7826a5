#include "app/command_actions.h"
#include "app/miravo_window.h"
#include "common/clock.h"
#include "master/choice_list_box.h"
#include "preview/preview_window.h"
#include "print/printer_device.h"
#include "settings/print_ini.h"
#include "settings/settings_controls.h"
#include "settings/settings_dialog.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class SettingsCommandTest : public ::testing::Test
{
protected:
    SettingsCommandTest() { Clock::setFixedNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    ~SettingsCommandTest() override { Clock::setFixedNow({}); }

    // The window as the user gets it, with a slip to print.
    void start()
    {
        window = std::make_unique<TMIRAVO>();
        window->setPrinter(&printer);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->NAME1->setText("山田商店");
        window->KEISYOU->setEditText("様");
        window->TITLE->setText("見積");
        window->SG1Cells->setRowCells(
            1, {"1", "", "ボルト", "", "", "3", "本", "100", "", "", "", ""});
        prompter.log.clear();
    }

    // Runs a trigger of the settings command; while the dialog is up, use() gets it, then the
    // dialog is closed by its close box.
    int withDialog(const std::function<void()> &trigger,
                   const std::function<void(TSetHanyou &)> &use = {})
    {
        int seen = 0;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<TSetHanyou *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            QApplication::processEvents();
            ++seen;
            if (use)
                use(*dialog);
            dialog->close();
        });
        trigger();
        return seen;
    }

    // Commits the dialog with its 登録 button.
    void commit(TSetHanyou &dialog)
    {
        prompter.answers << true;
        QTest::mouseClick(dialog.SpeedButton16, Qt::LeftButton);
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    VirtualPrinter printer;
    std::unique_ptr<TMIRAVO> window;
};

} // namespace

TEST_F(SettingsCommandTest, OpensFromItsButtonLabelCtrlMinusAndF11)
{
    start();
    window->MENU_ITEM(11, 11);
    prompter.log.clear();
    window->NAME1->setFocus();
    const std::function<void()> triggers[] = {
        [&] { QTest::mouseClick(window->SpeedButton1, Qt::LeftButton); },
        [&] { QTest::mouseClick(window->commandLabels.at(10), Qt::LeftButton); },
        [&] { QTest::keyClick(window->NAME1, Qt::Key_Minus, Qt::ControlModifier); },
        [&] { QTest::keyClick(window->NAME1, Qt::Key_F11); },
    };
    for (const auto &trigger : triggers) {
        EXPECT_EQ(withDialog(trigger,
                             [&](TSetHanyou &dialog) {
                                 // The main window is hidden and its keys do nothing.
                                 EXPECT_FALSE(window->isVisible());
                                 QTest::keyClick(&dialog, Qt::Key_3, Qt::ControlModifier);
                                 QTest::keyClick(&dialog, Qt::Key_F11);
                             }),
                  1);
        EXPECT_TRUE(window->isVisible());
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->NAME1->setFocus();
    }
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join('|').toStdString();
    EXPECT_FALSE(dir.exists("PRINT.INI"));
}

TEST_F(SettingsCommandTest, ACommitReachesTheWindowAndTheNextPreview)
{
    start();
    window->NOUHIN->setChecked(true);
    withDialog([&] { window->SpeedButton1Click(); },
               [&](TSetHanyou &dialog) {
                   dialog.findChild<QLineEdit *>("K_NAME")->setText("株式会社 新山田商事");
                   dialog.findChild<QLineEdit *>("NOHIN_TXT")->setText("納品書兼請求書");
                   dialog.findChild<QLineEdit *>("KAZU_TXT")->setText("個数");
                   dialog.findChild<RadioGroup *>("KIRISUTE")->setItemIndex(2);
                   dialog.findChild<QCheckBox *>("RIEKI_CHK")->setChecked(true);
                   commit(dialog);
               });
    EXPECT_EQ(prompter.texts("info"), QStringList{"登録しました。"});
    EXPECT_EQ(window->NOUHIN->text(), "納品書兼請求書");
    EXPECT_EQ(window->SG1Cells->cell(5, 0), "個数");
    EXPECT_EQ(int(window->slip.calc.settings.rounding), 2);
    EXPECT_TRUE(window->slip.calc.settings.profitRate);

    prompter.log.clear();
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<TPREV *>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        previewed = true;
        shown->close();
    });
    window->SpeedButton30Click();
    ASSERT_TRUE(previewed);
    ASSERT_GE(window->PP1.PageCount(), 1);
    EXPECT_NE(window->PP1.page(0).findText("株式会社 新山田商事"), nullptr);
}

TEST_F(SettingsCommandTest, ALogoThatCannotBeLoadedLeavesNoPictureAndNoMessage)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.file("logo.png")));
    dir.writeBytes("broken.bmp", "BM this is no picture");
    dir.writeLines("PRINT.INI", {"[ロゴ]=" + dir.file("logo.png")});
    start();
    ASSERT_FALSE(window->logo.isNull());

    withDialog([&] { window->SpeedButton1Click(); },
               [&](TSetHanyou &dialog) {
                   dialog.findChild<QLineEdit *>("LOGO_NAME")->setText(dir.file("broken.bmp"));
                   commit(dialog);
               });
    EXPECT_TRUE(window->logo.isNull());
    EXPECT_EQ(prompter.texts("info"), QStringList{"登録しました。"});
    EXPECT_TRUE(prompter.texts("warning").isEmpty());
}

TEST_F(SettingsCommandTest, TheSecondOrientationLeavesAFlagInTheWorkingFolder)
{
    QTemporaryDir working;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(working.path());
    start();
    window->MUKI->button(1)->setChecked(true);
    withDialog([&] { window->SpeedButton1Click(); });
    EXPECT_EQ(QFile(working.filePath("FLG.TMP")).exists(), true);
    QFile flag(working.filePath("FLG.TMP"));
    ASSERT_TRUE(flag.open(QIODevice::ReadOnly));
    EXPECT_EQ(flag.readAll(), "1\r\n");
    flag.close();

    window->MUKI->button(0)->setChecked(true);
    withDialog([&] { window->SpeedButton1Click(); });
    EXPECT_FALSE(QFile::exists(working.filePath("FLG.TMP")));
    QDir::setCurrent(previous);
}

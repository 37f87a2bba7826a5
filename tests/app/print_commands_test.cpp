#include "app/miravo_window.h"
#include "common/clock.h"
#include "master/choice_list_box.h"
#include "preview/preview_window.h"
#include "print/printer_device.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

class PrintCommandsTest : public ::testing::Test
{
protected:
    PrintCommandsTest()
    {
        Clock::setFixedNow(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
        window.setPrinter(&printer);
        window.show();
        window.NAME1->setText("山田商店");
        window.KEISYOU->setEditText("様");
        window.TITLE->setText("見積");
        window.SG1Cells->setRowCells(1,
                                     {"1", "", "ボルト", "", "", "3", "本", "100", "", "", "", ""});
        prompter.log.clear();
    }
    ~PrintCommandsTest() override { Clock::setFixedNow({}); }

    // Runs the preview command; while its modal window is up, inspect() gets it.
    void preview(const std::function<void(TPREV &)> &inspect)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *shown = qobject_cast<TPREV *>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            seen = true;
            inspect(*shown);
            shown->close();
        });
        window.SpeedButton30Click();
        EXPECT_TRUE(seen);
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    VirtualPrinter printer;
    TMIRAVO window;
};

} // namespace

TEST_F(PrintCommandsTest, PrintRefusesASlipWithoutAKind)
{
    window.SpeedButton6Click();
    EXPECT_EQ(prompter.texts("info"), QStringList{"伝票の種類の指定がありません。"});
    EXPECT_EQ(printer.jobsStarted(), 0);
}

TEST_F(PrintCommandsTest, PrintRecalculatesAndPrintsTheCheckedKinds)
{
    window.NOUHIN->setChecked(true);
    window.SEIKYUU->setChecked(true);
    prompter.answers << true; // the confirmation before printing
    window.SpeedButton6Click();
    EXPECT_EQ(prompter.texts("question").size(), 1);
    EXPECT_EQ(window.SG1Cells->cell(9, 1), "300");
    ASSERT_EQ(printer.jobsStarted(), 1);
    EXPECT_GE(printer.job().PageCount(), 1);
    EXPECT_NE(printer.job().page(0).findText("ボルト"), nullptr);
}

TEST_F(PrintCommandsTest, PreviewShowsTheRecordedPagesAndHidesTheMainWindow)
{
    window.NOUHIN->setChecked(true);
    preview([&](TPREV &shown) {
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(&shown.pages(), &window.PP1);
        EXPECT_GE(window.PP1.PageCount(), 1);
        EXPECT_EQ(shown.pageNumber(), 1);
        EXPECT_DOUBLE_EQ(shown.zoom(), 0.75);
        EXPECT_TRUE(shown.PdfButton->isEnabled());
    });
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PrintCommandsTest, PreviewRemindsOfAMissingHonorific)
{
    window.NOUHIN->setChecked(true);
    window.KEISYOU->setEditText("");
    preview([](TPREV &) {});
    EXPECT_EQ(prompter.texts("info").first(), "敬称がありません。\r\n");
}

TEST_F(PrintCommandsTest, AOnePageExportAtZoomTwoLeavesTheZoomAtOneSeventyFive)
{
    window.NOUHIN->setChecked(true);
    preview([&](TPREV &shown) {
        ASSERT_EQ(window.PP1.PageCount(), 1);
        while (shown.zoom() < 2.0)
            shown.SpeedButton1Click();
        prompter.answers << true;
        prompter.inputs << QString("B");
        shown.SpeedButton5->click();
        EXPECT_DOUBLE_EQ(shown.zoom(), 1.75);
        EXPECT_EQ(prompter.texts("info").last(), "終了しました。");
        EXPECT_TRUE(QFileInfo::exists(dir.file("MetaFile/B-1.jpg")));
    });
}

TEST_F(PrintCommandsTest, PdfExportWritesOneFileOfAllPages)
{
    window.NOUHIN->setChecked(true);
    window.SEIKYUU->setChecked(true);
    preview([&](TPREV &shown) {
        prompter.answers << true;
        prompter.inputs << QString("B");
        shown.PdfButton->click();
        EXPECT_TRUE(QFileInfo::exists(dir.file("MetaFile/B.pdf")));
    });
}

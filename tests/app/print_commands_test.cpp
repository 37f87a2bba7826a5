#include "app/miravo_window.h"
#include "common/clock.h"
#include "master/choice_list_box.h"
#include "preview/preview_window.h"
#include "print/printer_device.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_program.h"
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
        previewBy([&] { window.SpeedButton30Click(); }, inspect);
    }

    // The right button of a toolbar button, as the user presses it.
    void rightClick(QToolButton *button)
    {
        emit button->customContextMenuRequested(button->rect().center());
    }

    void previewBy(const std::function<void()> &command,
                   const std::function<void(TPREV &)> &inspect)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *shown = qobject_cast<TPREV *>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            seen = true;
            inspect(*shown);
            shown->close();
        });
        command();
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

TEST_F(PrintCommandsTest, AttachHandsThePagesAsPdfToTheMailProgramWithTheTitleAsSubject)
{
    const StandInProgram xdgEmail("xdg-email");
    window.NOUHIN->setChecked(true);
    window.SEIKYUU->setChecked(true);
    preview([&](TPREV &shown) {
        ASSERT_TRUE(shown.SpeedButton11->isEnabled());
        prompter.inputs << QString("山田商店");
        prompter.fileLists << QStringList{dir.file("MetaFile/山田商店.pdf")};
        shown.SpeedButton11->click();
        EXPECT_TRUE(shown.isVisible());
    });
    const QString pdf = dir.file("MetaFile/山田商店.pdf");
    EXPECT_EQ(prompter.log,
              (QStringList{"input: 保存ファイル名指定|ファイル名を入力して下さい。\r\n"
                           "すでにあるファイル名と重複しないようにして下さい。|2026年12月09日見積",
                           "open files: 添付|山田商店.pdf"}));
    EXPECT_EQ(xdgEmail.arguments(), (QStringList{"--utf8", "--attach", pdf, "--subject", "見積"}));
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST_F(PrintCommandsTest, ReceiptButtonPrintsLeftAndPreviewsRight)
{
    window.Keisan();
    prompter.answers << true;
    prompter.inputs << QString("お品代として");
    QTest::mouseClick(window.SpeedButton16, Qt::LeftButton);
    // The slip date of the window (today when it started).
    const QString date = window.slip.header.DTP1.date().toString("yyyy/MM/dd");
    EXPECT_EQ(prompter.texts("question"),
              QStringList{"領収証を印刷します。\r\n" + date + "日付け"});
    ASSERT_EQ(printer.jobsStarted(), 1);
    EXPECT_NE(printer.job().page(0).findText("￥315.-"), nullptr);

    // The preview offers the remembered 但し書き; its print button prints the same receipt,
    // then forgets it. Its WMF button refuses.
    prompter.inputs << std::nullopt;
    previewBy([&] { rightClick(window.SpeedButton16); },
              [&](TPREV &shown) {
                  EXPECT_NE(window.PP1.page(0).findText("お品代として"), nullptr);
                  prompter.answers << true;
                  prompter.inputs << std::nullopt;
                  shown.SpeedButton6Click();
                  EXPECT_EQ(printer.jobsStarted(), 2);
                  EXPECT_NE(printer.job().page(0).findText("お品代として"), nullptr);
                  EXPECT_TRUE(window.printRunState.receiptProviso.isEmpty());
                  shown.SpeedButton3->click();
                  EXPECT_EQ(prompter.texts("info").last(), "このWMFは作成できません。\r\n\r\n");
              });
    EXPECT_FALSE(window.receiptPreviewMode);
}

TEST_F(PrintCommandsTest, EnvelopeButtonAsksThenPrintsAndItsPreviewPrintsTheSame)
{
    window.KEISYOU->setEditText("");
    prompter.answers << false;
    QTest::mouseClick(window.SpeedButton18, Qt::LeftButton);
    EXPECT_EQ(printer.jobsStarted(), 0);
    EXPECT_EQ(prompter.log, (QStringList{"info: 敬称がありません。\r\n",
                                         "question: 封筒に宛名を印字します。\r\n"}));

    window.KEISYOU->setEditText("様");
    previewBy([&] { rightClick(window.SpeedButton18); },
              [&](TPREV &) {
                  EXPECT_TRUE(window.envelopePreviewMode);
                  EXPECT_NE(window.PP1.page(0).findText("山田商店　様"), nullptr);
                  const PrinterMetrics &m = window.PP1.page(0).metrics;
                  EXPECT_GT(m.pageWidth, m.pageHeight) << "fed sideways";
              });
    EXPECT_FALSE(window.envelopePreviewMode);
    EXPECT_EQ(printer.jobsStarted(), 0);
}

#include "app/miravo_window.h"
#include "common/clock.h"
#include "common/sjis.h"
#include "files/file_browser_panel.h"
#include "files/search_panel.h"
#include "slip/item_grid_view.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int slipCount = 200;

// The search panel over a folder of saved slips, in the shown and active window, driven by
// clicks and keys as the user drives it.
class SearchTest : public ::testing::Test
{
protected:
    SearchTest()
    {
        Clock::setFixedNow(QDateTime(QDate(2025, 4, 1), QTime(9, 0)));
        for (int number = 1; number <= slipCount; ++number) {
            const QString customer =
                number == 50 ? QStringLiteral("山田商店") : QStringLiteral("佐藤");
            writeSlip(
                QStringLiteral("令和7年03月01日【%1】工事.419").arg(number, 4, 10, QChar(u'0')),
                {customer, "", "", "", "45717", "", "工事", "", "", "0", "0", "", "1",
                 "1,,ボルト,,M8,10,本,25,,,,"});
        }
        window = std::make_unique<TMIRAVO>();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->Panel1->setFolder(folder.path());
        window->SpeedButton19->click();
        prompts.log.clear();
    }
    ~SearchTest() override { Clock::setFixedNow({}); }

    void writeSlip(const QString &name, const QStringList &lines)
    {
        QFile file(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Sjis::encode(lines.join("\r\n") + "\r\n"));
    }

    SearchPanel &panel() const { return *window->KensakuP; }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    QTemporaryDir folder;
    std::unique_ptr<TMIRAVO> window;
};

TEST_F(SearchTest, TheToolbarButtonShowsThePanelWithTheFirstTermFocused)
{
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(panel().geometry(), QRect(690, 130, 313, 353));
    EXPECT_EQ(QApplication::focusWidget(), panel().K_1);
    window->SpeedButton19->click();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(window->SG1->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(SearchTest, AHitIsLoadedAsADoubleClickLoadsIt)
{
    panel().K_1->setText("山田");
    panel().K_3->setText("ボルト");
    QTest::mouseClick(panel().SpeedButton58, Qt::LeftButton);
    EXPECT_EQ(prompts.log, QStringList{"beep"});
    EXPECT_EQ(window->NAME1->text(), "山田商店");
    EXPECT_EQ(window->TITLE->text(), "工事");
    EXPECT_EQ(window->Panel1->selectedSlipFile(), 49);
    EXPECT_EQ(window->browsePosition, 49);
    EXPECT_EQ(panel().FileText->text(), "現在ﾌｧｲﾙ№[ 50 ] / データ総数[ 200 ]件");
    EXPECT_TRUE(panel().isVisible());

    prompts.log.clear();
    QTest::mouseClick(panel().SpeedButton59, Qt::LeftButton);
    EXPECT_EQ(prompts.log, (QStringList{"beep", "info: 該当するデータはありません。"}));
    EXPECT_EQ(window->Panel1->selectedSlipFile(), 0);
    EXPECT_EQ(window->NAME1->text(), "山田商店") << "a search without a hit loads nothing";

    if (qEnvironmentVariableIsSet("MIRAVO_SCREENSHOT_DIR")) {
        window->Panel1->selectSlipFile(49);
        QTest::mouseClick(panel().SpeedButton58, Qt::LeftButton);
        window->grab().save(
            QDir(qEnvironmentVariable("MIRAVO_SCREENSHOT_DIR")).filePath("search.png"));
    }
}

TEST_F(SearchTest, EscapeDuringAContentSearchStopsItWithoutLoading)
{
    window->NAME1->setText("入力中");
    panel().K_1->setText("無い");
    panel().K_1->setFocus();
    // Pressed while the search runs: the key waits until the search lets events run after
    // the first file it tested.
    QCoreApplication::postEvent(panel().K_1,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QTest::mouseClick(panel().SpeedButton58, Qt::LeftButton);
    EXPECT_EQ(prompts.log, QStringList{"info: 検索を中止しました。"});
    EXPECT_EQ(window->Panel1->selectedSlipFile(), slipCount - 1);
    EXPECT_EQ(panel().FileText->text(), "現在ﾌｧｲﾙ№[ 200 ] / 見積総数[ 200 ]件");
    EXPECT_EQ(window->NAME1->text(), "入力中");
    EXPECT_FALSE(window->searchCancelled) << "the search clears the flag it noticed";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SearchTest, CloseStopsTheSearchAndGivesTheItemGridTheFocus)
{
    panel().Label29->setText("[ 1 / 200 ]");
    QTest::mouseClick(panel().SpeedButton35, Qt::LeftButton);
    EXPECT_TRUE(window->searchCancelled);
    EXPECT_TRUE(panel().Label29->text().isEmpty());
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(window->SG1->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(SearchTest, DraggingThePanelMovesIt)
{
    QTest::mousePress(&panel(), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(35, 25), panel().mapToGlobal(QPointF(35, 25)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel(), &move);
    QTest::mouseRelease(&panel(), Qt::LeftButton, {}, QPoint(35, 25));
    EXPECT_EQ(panel().pos(), QPoint(720, 150));
}

} // namespace

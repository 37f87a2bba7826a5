#include "app/command_actions.h"
#include "app/miravo_window.h"
#include "common/clock.h"
#include "files/file_browser_panel.h"
#include "master/customer_grid.h"
#include "print/printer_device.h"
#include "slip/item_grid_view.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The commands as the user reaches them: real key presses and mouse clicks on the shown
// window, so that a trigger which is wired twice, or not at all, shows.
class CommandsTest : public ::testing::Test
{
protected:
    CommandsTest()
    {
        Clock::setFixedNow(QDateTime(QDate(2005, 5, 1), QTime(10, 30)));
        window = std::make_unique<TMIRAVO>();
        window->setPrinter(&printer);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        prompter.log.clear();
    }
    ~CommandsTest() override { Clock::setFixedNow({}); }

    QLabel *label(int position) const { return window->commandLabels.at(position - 1); }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    VirtualPrinter printer;
    std::unique_ptr<TMIRAVO> window;
};

// The commands that exist, each with its triggers and what it does first: the prompter log
// followed by the two pieces of window state a command may change.
struct Command
{
    const char *name;
    Qt::Key ctrlDigit;
    QToolButton *TMIRAVO::*button; // nullptr: no toolbar button
    int label;
    QStringList effect;
};

const Command kCommands[] = {
    {"exit",
     Qt::Key_1,
     &TMIRAVO::SpeedButton4,
     1,
     {"question: 終了します。", "panel hidden", "grid not focused"}},
    {"file", Qt::Key_2, &TMIRAVO::SpeedButton3, 2, {"panel shown", "grid not focused"}},
    {"save",
     Qt::Key_3,
     &TMIRAVO::SpeedButton5,
     3,
     {"info: 登録タイトル名が未入力です。", "panel hidden", "grid not focused"}},
    {"print",
     Qt::Key_4,
     &TMIRAVO::SpeedButton6,
     4,
     {"info: 伝票の種類の指定がありません。", "panel hidden", "grid not focused"}},
    {"blank",
     Qt::Key_6,
     &TMIRAVO::SpeedButton11,
     6,
     {"question: 白紙に戻します。", "panel hidden", "grid not focused"}},
    {"focus", Qt::Key_0, nullptr, 10, {"panel hidden", "grid focused"}},
};

class EachCommand : public CommandsTest, public ::testing::WithParamInterface<int>
{
protected:
    // Runs the trigger and returns the prompter log followed by the window state the
    // command changes.
    QStringList after(const std::function<void()> &trigger)
    {
        window->NAME1->setFocus();
        prompter.log.clear();
        // Every question the command asks is answered No, so that the slip stays.
        for (const QString &entry : kCommands[GetParam()].effect)
            if (entry.startsWith(QLatin1String("question: ")))
                prompter.answers << false;
        trigger();
        QStringList seen = prompter.log;
        seen << (window->Panel1->isVisible() ? "panel shown" : "panel hidden");
        seen << (window->SG1->isAncestorOf(QApplication::focusWidget()) ? "grid focused"
                                                                        : "grid not focused");
        return seen;
    }
};

} // namespace

TEST_P(EachCommand, RunsOnceFromEachOfItsTriggers)
{
    const Command &c = kCommands[GetParam()];
    const QStringList &expected = c.effect;
    SCOPED_TRACE(c.name);
    window->NAME1->setText("山田");

    EXPECT_EQ(after([&] { QTest::keyClick(window->NAME1, c.ctrlDigit, Qt::ControlModifier); }),
              expected)
        << "Ctrl";
    window->Panel1->hide();

    EXPECT_EQ(after([&] { QTest::mouseClick(label(c.label), Qt::LeftButton); }), expected)
        << "label";
    window->Panel1->hide();

    if (c.button) {
        EXPECT_EQ(after([&] { QTest::mouseClick(window.get()->*c.button, Qt::LeftButton); }),
                  expected)
            << "toolbar";
        window->Panel1->hide();
    }

    // The function key given to the command's label runs it too.
    window->MENU_ITEM(c.label, 7);
    EXPECT_EQ(after([&] { QTest::keyClick(window->NAME1, Qt::Key_F7); }), expected) << "F7";
    window->Panel1->hide();
    // Nothing was typed by any of the keys.
    EXPECT_EQ(window->NAME1->text(), "山田");
}

INSTANTIATE_TEST_SUITE_P(Commands, EachCommand, ::testing::Range(0, int(std::size(kCommands))),
                         [](const auto &info) { return std::string(kCommands[info.param].name); });

TEST_F(CommandsTest, AClickOnTheFolderLabelTogglesTheFilePanel)
{
    QTest::mouseClick(window->Path, Qt::LeftButton);
    EXPECT_TRUE(window->Panel1->isVisible());
    QTest::mouseClick(window->Path, Qt::LeftButton);
    EXPECT_FALSE(window->Panel1->isVisible());
}

TEST_F(CommandsTest, EveryCommandIsBuiltAndEnabledEverywhere)
{
    for (int item = 0; item < 25; ++item)
        EXPECT_TRUE(window->commands->item(item)->isEnabled()) << item;
    for (int position = 1; position <= 12; ++position)
        EXPECT_TRUE(label(position)->isEnabled()) << position;
    for (QToolButton *button :
         {window->SpeedButton4, window->SpeedButton3, window->SpeedButton5, window->SpeedButton6,
          window->SpeedButton11, window->SpeedButton7, window->SpeedButton10, window->SpeedButton30,
          window->SpeedButton26, window->SpeedButton14, window->SpeedButton13, window->SpeedButton1,
          window->SpeedButton23, window->SpeedButton16, window->SpeedButton18,
          window->SpeedButton19})
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
}

TEST_F(CommandsTest, TheCustomerCommandOpensAndClosesTheCustomerList)
{
    QWidget *list = window->SG_K;
    const std::pair<const char *, std::function<void()>> triggers[] = {
        {"Ctrl+7",
         [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_7, Qt::ControlModifier); }},
        {"label", [&] { QTest::mouseClick(label(7), Qt::LeftButton); }},
        {"F7", [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F7); }},
    };
    window->MENU_ITEM(7, 7);
    prompter.log.clear(); // the beep of the assignment
    for (const auto &[name, trigger] : triggers) {
        SCOPED_TRACE(name);
        window->NAME1->setFocus();
        trigger();
        ASSERT_TRUE(list->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), list);
        trigger();
        EXPECT_FALSE(list->isVisible());
        EXPECT_TRUE(window->SG1->isAncestorOf(QApplication::focusWidget()));
    }
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(CommandsTest, EveryLayoutCanBeChosen)
{
    const QList<QAbstractButton *> layouts = window->PRN_SGroup->buttons();
    ASSERT_EQ(layouts.size(), 4);
    for (QAbstractButton *layout : layouts)
        EXPECT_TRUE(layout->isEnabled()) << layout->text().toStdString();
}

TEST_F(CommandsTest, AStoredLayoutChoiceComesBack)
{
    dir.writeLines("SET2.INI", {"[種別]=3"});
    TMIRAVO restarted;
    EXPECT_EQ(restarted.PRN_SGroup->checkedId(), 3);
}

TEST_F(CommandsTest, ReassigningAFunctionKeyMovesItsShortcut)
{
    window->MENU_ITEM(2, 5); // F5 on "2 ﾌｧｲﾙ"
    window->MENU_ITEM(6, 5); // then on "6 白紙"
    prompter.log.clear();
    prompter.answers << false;
    QTest::keyClick(window->NAME1, Qt::Key_F5);
    EXPECT_FALSE(window->Panel1->isVisible());
    EXPECT_EQ(prompter.log, QStringList{"question: 白紙に戻します。"});

    window->MENU_ITEM(6, 0); // 設定しない
    prompter.log.clear();
    QTest::keyClick(window->NAME1, Qt::Key_F5);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(CommandsTest, FunctionKeysFromSettingsActAtStartUp)
{
    dir.writeLines("SET2.INI", {"[F8]=14"}); // F8 on the file-panel item F21
    TMIRAVO restarted;
    restarted.show();
    restarted.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&restarted));
    QTest::keyClick(restarted.NAME1, Qt::Key_F8);
    EXPECT_TRUE(restarted.Panel1->isVisible());
}

TEST_F(CommandsTest, TheSharedCtrlFiveActsOnTheFirstItemOnly)
{
    EXPECT_EQ(window->commands->item(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_5));
    EXPECT_TRUE(window->commands->item(11)->shortcuts().isEmpty());
    // The ¥ key arrives as Yen or as Backslash, depending on the desktop's layout.
    EXPECT_EQ(window->commands->item(12)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_yen),
                                   QKeySequence(Qt::CTRL | Qt::Key_Backslash)}));
}

TEST_F(CommandsTest, EscapeSetsTheSearchCancelFlag)
{
    window->searchCancelled = false;
    window->ADD1->setFocus();
    QTest::keyClick(window->ADD1, Qt::Key_Escape);
    EXPECT_TRUE(window->searchCancelled);
}

TEST_F(CommandsTest, TheRightButtonOnALabelAssignsAFunctionKeyFromItsMenu)
{
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const QList<QAction *> entries = menu->actions();
        ASSERT_EQ(entries.size(), 13); // F1 .. F12, 設定しない
        EXPECT_EQ(entries.last()->text(), "設定しない");
        entries.at(10)->trigger(); // F11
        menu->close();
        chosen = true;
    });
    QTest::mouseClick(label(2), Qt::RightButton);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(label(2)->toolTip(), "F-11");
    EXPECT_EQ(prompter.beeps(), 1);
    EXPECT_FALSE(window->Panel1->isVisible()); // the right button runs no command
    // The offscreen desktop does not hand the activation back after a popup by itself.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->NAME1, Qt::Key_F11);
    EXPECT_TRUE(window->Panel1->isVisible());
}

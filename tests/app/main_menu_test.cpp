#include "app/main_menu.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

QKeySequence fKey(int n)
{
    return MainMenu::functionKeySequence(n);
}

} // namespace

TEST(MainMenu, LabelsRunTheCommandsOfTheirFunctionKeyItems)
{
    const auto &items = MainMenu::items();
    for (int label = 1; label <= MainMenu::labelCount; ++label) {
        SCOPED_TRACE(label);
        const int item = MainMenu::itemForLabel(label);
        EXPECT_EQ(item, 12 + label); // SET2.INI stores the keys by this index
        EXPECT_EQ(items[item].command, MainMenu::labels()[label - 1].command);
        EXPECT_EQ(items[item].tag, label);
        EXPECT_TRUE(MainMenu::designShortcut(item).isEmpty());
    }
    EXPECT_EQ(items[4].caption, "登録");
    EXPECT_EQ(MainMenu::labels()[8].caption, "9 行削除");
    EXPECT_EQ(MainMenu::labels()[0].name, "StaticText7");
    EXPECT_EQ(MainMenu::labels()[11].name, "StaticText18");
}

TEST(MainMenu, CtrlShortcuts)
{
    const MainMenuKeys keys;
    struct Case
    {
        QKeySequence key;
        MenuCommand command;
    } const cases[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_3), MenuCommand::Save},
        {QKeySequence(Qt::CTRL | Qt::Key_6), MenuCommand::Blank},
        {QKeySequence(Qt::CTRL | Qt::Key_0), MenuCommand::Focus},
        {QKeySequence(Qt::CTRL | Qt::Key_yen), MenuCommand::Rate},
        {QKeySequence(Qt::CTRL | Qt::Key_Backslash), MenuCommand::Rate},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), MenuCommand::Settings},
        {QKeySequence(Qt::Key_F3), MenuCommand::None},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key.toString().toStdString());
        EXPECT_EQ(MainMenu::commandForKey(keys, c.key), c.command);
    }
    // Ctrl+5 stands on two items; the first in menu order acts.
    EXPECT_EQ(keys.itemForKey(QKeySequence(Qt::CTRL | Qt::Key_5)), 0);
}

TEST(MainMenu, F3MovesFromSaveToPrint)
{
    ScriptedPrompter prompter;
    MainMenuKeys keys;
    keys.MENU_ITEM(3, 3);
    EXPECT_EQ(MainMenu::commandForKey(keys, fKey(3)), MenuCommand::Save);
    keys.MENU_ITEM(4, 3);
    EXPECT_EQ(MainMenu::commandForKey(keys, fKey(3)), MenuCommand::Print);
    EXPECT_EQ(keys.functionKey(MainMenu::itemForLabel(3)), 0);
    EXPECT_EQ(keys.hint(4), "F-3");
    EXPECT_EQ(prompter.beeps(), 2);
}

TEST(MainMenu, MovedKeyLeavesTheOldHint)
{
    ScriptedPrompter prompter;
    MainMenuKeys keys;
    keys.MENU_ITEM(5, 5);
    keys.MENU_ITEM(7, 5);
    EXPECT_EQ(MainMenu::commandForKey(keys, fKey(5)), MenuCommand::CustomerList);
    EXPECT_EQ(keys.functionKey(MainMenu::itemForLabel(5)), 0);
    EXPECT_EQ(keys.hint(5), "F-5"); // until label 5 is assigned again
    EXPECT_EQ(keys.hint(7), "F-5");
}

TEST(MainMenu, NoKeyClearsTheLabelOnly)
{
    ScriptedPrompter prompter;
    MainMenuKeys keys;
    keys.MENU_ITEM(1, 1);
    keys.MENU_ITEM(2, 12);
    keys.MENU_ITEM(1, 0);
    EXPECT_EQ(MainMenu::commandForKey(keys, fKey(1)), MenuCommand::None);
    EXPECT_EQ(keys.hint(1), "");
    EXPECT_EQ(MainMenu::commandForKey(keys, fKey(12)), MenuCommand::FilePanel);
    EXPECT_EQ(keys.hint(2), "F-12");
    // The Ctrl shortcuts are untouched.
    EXPECT_EQ(MainMenu::commandForKey(keys, QKeySequence(Qt::CTRL | Qt::Key_1)), MenuCommand::Exit);
    EXPECT_EQ(prompter.beeps(), 3);
}

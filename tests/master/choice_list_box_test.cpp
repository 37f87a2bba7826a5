#include "master/choice_list_box.h"
#include "support/scripted_prompter.h"

#include <QFocusEvent>
#include <QTest>

#include <gtest/gtest.h>

TEST(ChoiceListBox, TakesTheFocusColourWhileFocused)
{
    ChoiceListBox box;
    box.setFocusColour(255);
    EXPECT_EQ(box.backgroundColour(), 16777215);
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(&box, &in);
    EXPECT_EQ(box.backgroundColour(), 255);
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&box, &out);
    EXPECT_EQ(box.backgroundColour(), 16777215);
}

TEST(ChoiceListBox, ArrowsAreSwallowedAndTypingAddsNothing)
{
    ChoiceListBox box;
    box.loadItems({"様", "御中", "殿"});
    box.setCurrentIndex(1);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(&box, key);
        EXPECT_EQ(box.currentIndex(), 1);
        EXPECT_EQ(box.currentText(), "御中");
    }
    box.setEditText("");
    QTest::keyClicks(&box, "sensei");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.currentText(), "sensei");
    EXPECT_EQ(box.items(), (QStringList{"様", "御中", "殿"}));
}

TEST(ChoiceListBox, AddAndDeleteKeepTheText)
{
    ScriptedPrompter prompter;
    ChoiceListBox box;
    box.loadItems({"a", "b"});
    EXPECT_EQ(box.currentText(), "");
    box.setEditText("new");
    box.addTypedText();
    EXPECT_EQ(box.items(), (QStringList{"new", "a", "b"}));
    EXPECT_EQ(box.currentText(), "new");

    box.deleteSelectedItem(); // typed, not picked
    EXPECT_EQ(prompter.texts("info"), QStringList{"newは登録がありません。"});
    EXPECT_EQ(box.items().size(), 3);

    box.setCurrentIndex(2);
    box.deleteSelectedItem();
    EXPECT_EQ(box.items(), (QStringList{"new", "a"}));
    EXPECT_EQ(box.currentText(), "b");
}

#include "settings/display_colours.h"
#include "settings/settings_file.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

TEST(DisplayColours, ValuesAreBlueGreenRed)
{
    EXPECT_EQ(toQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(16711680), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(65535), QColor(255, 255, 0));
    EXPECT_EQ(colourValue(QColor(0x80, 0x80, 0xFF)), 16744576);
    EXPECT_EQ(colourValue(toQColor(16700369)), 16700369);
    EXPECT_TRUE(toQColor(buttonFaceColour).isValid());
}

TEST(DisplayColours, FocusColour)
{
    ScriptedPrompter prompter;
    DisplayColours colours;
    prompter.colours << std::nullopt;
    EXPECT_FALSE(chooseFocusColour(colours));
    EXPECT_EQ(colours.focus, 65535);
    prompter.colours << QColor(0, 255, 0);
    EXPECT_TRUE(chooseFocusColour(colours));
    EXPECT_EQ(colours.focus, 65280);
}

TEST(DisplayColours, ItemGridColoursKeptOrReset)
{
    const QStringList sequence = {
        "info: 最初に固定セルの色を設定します。",
        "color",
        "info: 次に固定セルの文字色を設定します。",
        "color",
        "info: 次にストライプの色を設定します。",
        "color",
        "question: 設定が完了しました。\r\n初期値に戻す場合は\r\n[いいえ]を選択して下さい。"};
    {
        ScriptedPrompter prompter;
        prompter.colours << QColor(1, 0, 0) << std::nullopt << QColor(3, 0, 0);
        prompter.answers << true;
        DisplayColours colours;
        chooseItemGridColours(colours);
        EXPECT_EQ(prompter.log, sequence);
        EXPECT_EQ(colours.itemFixed, 1);
        EXPECT_EQ(colours.itemFixedText, DisplayColours().itemFixedText); // cancelled
        EXPECT_EQ(colours.itemStripe, 3);
    }
    {
        ScriptedPrompter prompter;
        prompter.colours << QColor(1, 0, 0) << QColor(2, 0, 0) << QColor(3, 0, 0);
        prompter.answers << false;
        DisplayColours colours;
        colours.focus = 9;
        chooseItemGridColours(colours);
        DisplayColours expected;
        expected.focus = 9;
        EXPECT_TRUE(colours == expected); // No puts the three back, nothing else
    }
}

TEST(DisplayColours, ColumnTextColoursSkipColumnThree)
{
    ScriptedPrompter prompter;
    QStringList titles = {"№",    "類",   "品名",   "",     "形状・寸法", "数量",
                          "単位", "単価", "原単価", "金額", "原価計",     "原価率"};
    for (int i = 0; i < 10; ++i)
        prompter.colours.enqueue(QColor(i + 1, 0, 0));
    DisplayColours colours;
    chooseColumnTextColours(colours, titles);
    QStringList expected;
    for (int column : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11})
        expected << "info: " + titles[column] + "の色を設定します。"
                 << "color";
    expected << "info: 文字色の設定は終了しました。";
    EXPECT_EQ(prompter.log, expected);
    EXPECT_EQ(colours.columnTextColour(1), 1);
    EXPECT_EQ(colours.columnTextColour(3), 0);
    EXPECT_EQ(colours.columnTextColour(4), 3);
    EXPECT_EQ(colours.columnTextColour(11), 10);
}

TEST(DisplayColours, PartsGridColoursResetToTheirOwnValues)
{
    ScriptedPrompter prompter;
    prompter.colours << QColor(1, 0, 0) << QColor(2, 0, 0) << QColor(3, 0, 0) << QColor(4, 0, 0);
    prompter.answers << true;
    DisplayColours colours;
    choosePartsGridColours(colours);
    EXPECT_EQ(prompter.texts("info").last(), "次にカラーバーの色を設定します。");
    EXPECT_EQ(colours.partsFixed, 1);
    EXPECT_EQ(colours.partsFixedText, 2);
    EXPECT_EQ(colours.partsStripe, 3);
    EXPECT_EQ(colours.colourBar, 4);

    prompter.colours << std::nullopt << std::nullopt << std::nullopt << std::nullopt;
    prompter.answers << false;
    choosePartsGridColours(colours); // nothing chosen, then No
    EXPECT_EQ(colours.partsFixed, buttonFaceColour);
    EXPECT_EQ(colours.partsFixedText, 0);
    EXPECT_EQ(colours.partsStripe, 15921906);
    EXPECT_EQ(colours.colourBar, 65280);
}

#include "settings/column_widths.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

using namespace ColumnWidths;

namespace {

const QList<int> shown = {25, 21, 300, -1, 200, 51, 41, 61, 62, 71, 72, 40};

} // namespace

TEST(ColumnWidths, Defaults)
{
    EXPECT_EQ(itemGridDefaults(true),
              (QList<int>{25, 20, 305, -1, 210, 50, 40, 60, 60, 70, 70, 39}));
    EXPECT_EQ(itemGridDefaults(false),
              (QList<int>{25, 20, 516, -1, -1, 50, 40, 60, 60, 70, 70, 39}));
    EXPECT_EQ(partsGridDefaults(false),
              (QList<int>{25, -1, 466, -1, -1, -1, 35, 60, 60, -1, -1, 39}));

    ScriptedPrompter prompter;
    QList<int> widths = shown;
    prompter.answers << false;
    EXPECT_FALSE(resetItemGrid(widths, true));
    EXPECT_EQ(widths, shown);
    prompter.answers << true;
    EXPECT_TRUE(resetItemGrid(widths, true));
    EXPECT_EQ(widths, itemGridDefaults(true));
    EXPECT_EQ(prompter.texts("question"),
              QStringList(2, "セルサイズを既定値に戻します。\r\nよろしいですか？"));
}

TEST(ColumnWidths, SaveSetOneAndLoadItBack)
{
    ScriptedPrompter prompter;
    TempProgramDir dir;
    prompter.answers << false;
    EXPECT_FALSE(saveItemGridSet(1, shown));
    EXPECT_FALSE(dir.exists("SEL_WIDTH1.INI"));

    prompter.answers << true << true;
    EXPECT_TRUE(saveItemGridSet(1, shown));
    EXPECT_EQ(dir.readLines("SEL_WIDTH1.INI"),
              (QStringList{"[分類幅]=21", "[品名幅]=300", "[寸法幅]=200", "[数量幅]=51",
                           "[単位幅]=41", "[単価幅]=61", "[原単価幅]=62", "[金額幅]=71",
                           "[原価計幅]=72", "[原価率幅]=40"}));
    QList<int> widths = itemGridDefaults(false);
    bool sunpou = false;
    EXPECT_TRUE(loadItemGridSet(1, widths, sunpou, LoadMode::Command));
    QList<int> expected = shown;
    expected[0] = 25; // column 0 and the hidden column 3 are not kept
    EXPECT_EQ(widths, expected);
    EXPECT_TRUE(sunpou);
    EXPECT_EQ(
        prompter.log,
        (QStringList{
            "question: 現在表示のセル幅設定をセル幅設定１に保存します。\r\nよろしいですか？",
            "question: 現在表示のセル幅設定をセル幅設定１に保存します。\r\nよろしいですか？",
            "info: 登録しました。", "question: セル幅設定１を読み込みます。\r\nよろしいですか？"}));
}

TEST(ColumnWidths, LoadedValues)
{
    ScriptedPrompter prompter;
    TempProgramDir dir;
    dir.writeLines("SEL_WIDTH2.INI",
                   {"[品名幅]=abc", "[寸法幅]=-1", "[金額幅]=1234", "[単位幅]=", "x [単価幅]=99"});
    QList<int> widths = itemGridDefaults(true);
    widths[2] = 400;
    bool sunpou = true;
    EXPECT_TRUE(loadItemGridSet(2, widths, sunpou, LoadMode::StartUp));
    EXPECT_EQ(widths[2], 305); // not a number: the column's default
    EXPECT_EQ(widths[4], -1);
    EXPECT_FALSE(sunpou);      // -1 hides the size column and clears Sunpou
    EXPECT_EQ(widths[9], 123); // three bytes
    EXPECT_EQ(widths[6], 40);  // empty: unchanged
    EXPECT_EQ(widths[7], 99);
    EXPECT_TRUE(prompter.log.isEmpty()); // no question at start-up
}

TEST(ColumnWidths, MissingFiles)
{
    TempProgramDir dir;
    QList<int> widths = itemGridDefaults(false);
    bool sunpou = true;
    {
        ScriptedPrompter prompter;
        prompter.answers << true;
        EXPECT_TRUE(loadItemGridSet(1, widths, sunpou, LoadMode::Command));
        EXPECT_EQ(prompter.texts("info"), QStringList{"セル幅設定１ファイルがありません。\r\n"});
        EXPECT_FALSE(sunpou); // follows the column as it is
    }
    {
        ScriptedPrompter prompter;
        sunpou = true;
        EXPECT_TRUE(loadItemGridSet(2, widths, sunpou, LoadMode::StartUp));
        EXPECT_EQ(prompter.log, QStringList{"beep"});
        EXPECT_EQ(widths, itemGridDefaults(false));
    }
    {
        ScriptedPrompter prompter;
        EXPECT_TRUE(loadPartsGridSet(widths, sunpou, LoadMode::StartUp));
        EXPECT_EQ(prompter.log, (QStringList{"beep", "beep"}));
    }
}

TEST(ColumnWidths, PartsGridSet)
{
    ScriptedPrompter prompter;
    TempProgramDir dir;
    const QList<int> parts = {25, -1, 200, -1, -1, -1, 30, 61, 62, -1, -1, 38};
    prompter.answers << true << false << true;
    EXPECT_TRUE(savePartsGridSet(parts));
    EXPECT_EQ(dir.readLines("SEL_WIDTH3.INI"),
              (QStringList{"[品名幅]=200", "[寸法幅]=-1", "[単位幅]=30", "[単価幅]=61",
                           "[原単価幅]=62", "[原価率幅]=38"}));
    QList<int> widths = partsGridDefaults(true);
    bool sunpou = true;
    EXPECT_FALSE(loadPartsGridSet(widths, sunpou, LoadMode::Command));
    EXPECT_EQ(widths, partsGridDefaults(true));
    EXPECT_TRUE(loadPartsGridSet(widths, sunpou, LoadMode::Command));
    EXPECT_EQ(widths, parts);
    EXPECT_FALSE(sunpou);
    EXPECT_EQ(
        prompter.log,
        (QStringList{"question: 現在表示の部品セル幅設定を保存します。\r\nよろしいですか？",
                     "info: 登録しました。", "beep",
                     "question: 部品グリッドセル幅設定を読み込みます。\r\nよろしいですか？", "beep",
                     "question: 部品グリッドセル幅設定を読み込みます。\r\nよろしいですか？"}));
}

#include "settings/screen_settings.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

ScreenSettings readSet2(const QStringList &lines)
{
    TempProgramDir dir;
    dir.writeLines("SET2.INI", lines);
    ScreenSettings settings;
    SET2_YOMIKOMI(settings);
    return settings;
}

void expectSameState(const ScreenSettings &a, const ScreenSettings &b)
{
    EXPECT_EQ(a.PRN_S, b.PRN_S);
    EXPECT_EQ(a.Sunpou, b.Sunpou);
    EXPECT_EQ(a.MUKI, b.MUKI);
    EXPECT_TRUE(a.colours == b.colours);
    EXPECT_EQ(a.dataPath, b.dataPath);
    EXPECT_EQ(a.KAKERITU, b.KAKERITU);
    EXPECT_EQ(a.MARUME, b.MARUME);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.netPath, b.netPath);
    EXPECT_EQ(a.partsAutoOpen, b.partsAutoOpen);
    EXPECT_EQ(a.partsInsertMode, b.partsInsertMode);
    EXPECT_EQ(a.categoryBarLayout, b.categoryBarLayout);
    for (int item = 0; item < MainMenu::itemCount; ++item)
        EXPECT_EQ(a.keys.shortcut(item), b.keys.shortcut(item)) << "item " << item;
    for (int label = 1; label <= MainMenu::labelCount; ++label)
        EXPECT_EQ(a.keys.hint(label), b.keys.hint(label)) << "label " << label;
}

ScreenSettings changedSettings()
{
    ScreenSettings s;
    s.PRN_S = 3;
    s.Sunpou = false;
    s.MUKI = 1;
    s.colours.focus = 255;
    s.colours.itemFixed = 1;
    s.colours.itemStripe = 2;
    s.colours.itemFixedText = 3;
    s.colours.partsFixed = 4;
    s.colours.partsStripe = 5;
    s.colours.partsFixedText = 6;
    s.colours.colourBar = 7;
    for (int i = 0; i < 11; ++i)
        s.colours.columnText[i] = 100 + i;
    s.dataPath = "/home/山田/伝票";
    s.KAKERITU = "0.75";
    s.MARUME = "2";
    s.top = 12;
    s.left = -8;
    s.netPath = "//server/共有";
    s.partsAutoOpen = false;
    s.partsInsertMode = false;
    s.categoryBarLayout = 1;
    s.keys.MENU_ITEM(3, 3);
    s.keys.MENU_ITEM(12, 10);
    return s;
}

} // namespace

TEST(Set2, RoundTripRestoresTheSameState)
{
    ScriptedPrompter prompter;
    TempProgramDir dir;
    const ScreenSettings written = changedSettings();
    SET2_KAKIDASI(written);
    ScreenSettings read;
    SET2_YOMIKOMI(read);
    expectSameState(read, written);

    // The button face and the other defaults survive a round as well.
    SET2_KAKIDASI(ScreenSettings());
    ScreenSettings again;
    SET2_YOMIKOMI(again);
    expectSameState(again, ScreenSettings());
}

TEST(Set2, WritesEveryKeyInItsOrder)
{
    ScriptedPrompter prompter;
    TempProgramDir dir;
    ScreenSettings s;
    s.dataPath = "C:\\DATA";
    s.keys.MENU_ITEM(3, 3);
    s.keys.MENU_ITEM(1, 12);
    SET2_KAKIDASI(s);
    QStringList expected = {"[種別]=0",        "[寸法]=1",      "[向き]=0",           "[色]=65535",
                            "[固定]=16744576", "[縞]=16700369", "[固定Font]=16777215"};
    for (int i = 1; i <= 11; ++i)
        expected << QString("[文字%1]=0").arg(i);
    expected << "[キー]=1"
             << "[DATA_PATH]=C:\\DATA"
             << "[掛率]="
             << "[丸め]=0"
             << "[Top]=0"
             << "[Left]=0"
             << "[固定2]=-2147483633"
             << "[縞2]=15658734"
             << "[固定Font2]=0"
             << "[color_bar]=65280"
             << "[NetPath]="
             << "[Pin]=1"
             << "[INS_MODE]=1"
             << "[F12]=13"
             << "[F3]=15";
    for (int i = 7; i <= 18; ++i)
        expected << QString("[ST%1_HINT]=%2").arg(i).arg(i == 7 ? "F-12" : i == 9 ? "F-3" : "");
    expected << "[分類幅]=2";
    EXPECT_EQ(dir.readLines("SET2.INI"), expected);
}

TEST(Set2, MissingFileGivesTheInitialValuesAndKeepsTheWindowsOwn)
{
    TempProgramDir dir;
    ScreenSettings s = changedSettings();
    SET2_YOMIKOMI(s);
    EXPECT_TRUE(s.colours == DisplayColours());
    EXPECT_EQ(s.MARUME, "0");
    EXPECT_EQ(s.top, 0);
    EXPECT_EQ(s.left, 0);
    EXPECT_TRUE(s.partsAutoOpen);
    EXPECT_TRUE(s.partsInsertMode);
    EXPECT_EQ(s.categoryBarLayout, 2);
    EXPECT_EQ(s.keys.functionKey(MainMenu::itemForLabel(3)), 0);
    EXPECT_EQ(s.keys.hint(3), "");
    // What the file would set otherwise stays as the window has it.
    EXPECT_EQ(s.KAKERITU, "0.75");
    EXPECT_EQ(s.PRN_S, 3);
    EXPECT_FALSE(s.Sunpou);
}

TEST(Set2, ReadingRules)
{
    using Check = std::function<void(const ScreenSettings &)>;
    struct Case
    {
        const char *name;
        QStringList lines;
        Check check;
    } const cases[] = {
        {"top cut to four bytes",
         {"[Top]=12345", "[Left]=-50"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.top, 1234);
             EXPECT_EQ(ScreenSettings::placeWithin(s.top, 1233), 0);
             EXPECT_EQ(ScreenSettings::placeWithin(s.top, 1234), 1234);
             EXPECT_EQ(ScreenSettings::placeWithin(s.left, 40), 0);
             EXPECT_EQ(ScreenSettings::placeWithin(s.left, 1024), -50);
         }},
        {"unparsable top is 0", {"[Top]=ab"}, [](const ScreenSettings &s) { EXPECT_EQ(s.top, 0); }},
        {"hint cut to five bytes",
         {"[ST7_HINT]=F-10xyz", "[ST18_HINT]=F-12", "[ST8_HINT]=ＦＦＦ"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.keys.hint(1), "F-10x");
             EXPECT_EQ(s.keys.hint(12), "F-12");
             EXPECT_EQ(s.keys.hint(2), "ＦＦ"); // never half a character
         }},
        {"network path opens c:\\",
         {"[DATA_PATH]=\\\\server\\share"},
         [](const ScreenSettings &s) { EXPECT_EQ(s.dataPath, "c:\\"); }},
        {"empty path keeps the folder",
         {"[DATA_PATH]="},
         [](const ScreenSettings &s) { EXPECT_EQ(s.dataPath, ""); }},
        {"silver parts fixed colour is the button face",
         {"[固定2]=12632256", "[縞2]=255"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.colours.partsFixed, buttonFaceColour);
             EXPECT_EQ(s.colours.partsStripe, 255);
         }},
        {"other parts fixed colour is kept",
         {"[固定2]=8421504"},
         [](const ScreenSettings &s) { EXPECT_EQ(s.colours.partsFixed, 8421504); }},
        {"last line wins",
         {"[色]=1", "[丸め]=1", "[色]=2", "[丸め]=3"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.colours.focus, 2);
             EXPECT_EQ(s.MARUME, "3");
         }},
        {"bad colours are skipped, the rest is read",
         {"[色]=abc", "[固定]=12 ", "[縞]=", "[文字3]=99999999999", "[固定Font]=5", "[丸め]=2"},
         [](const ScreenSettings &s) {
             const DisplayColours initial;
             EXPECT_EQ(s.colours.focus, initial.focus);
             EXPECT_EQ(s.colours.itemFixed, initial.itemFixed);
             EXPECT_EQ(s.colours.itemStripe, initial.itemStripe);
             EXPECT_EQ(s.colours.columnText[2], 0);
             EXPECT_EQ(s.colours.itemFixedText, 5);
             EXPECT_EQ(s.MARUME, "2");
         }},
        {"function key index beyond the menu is skipped",
         {"[F1]=99", "[F2]=-1", "[F3]=16"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.keys.itemForKey(QKeySequence(Qt::Key_F1)), -1);
             EXPECT_EQ(s.keys.itemForKey(QKeySequence(Qt::Key_F2)), -1);
             EXPECT_EQ(s.keys.functionKey(16), 3);
         }},
        {"unparsable function key index is item 0",
         {"[F4]=x"},
         [](const ScreenSettings &s) { EXPECT_EQ(s.keys.functionKey(0), 4); }},
        {"a function key stands on one item only",
         {"[F5]=17", "[F5]=19"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.keys.functionKey(17), 0);
             EXPECT_EQ(s.keys.functionKey(19), 5);
         }},
        {"layout only 1 to 3, size only cleared by 0",
         {"[種別]=4", "[寸法]=x", "[向き]=2"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.PRN_S, 0);
             EXPECT_TRUE(s.Sunpou);
             EXPECT_EQ(s.MUKI, 0);
         }},
        {"layout, size and orientation",
         {"[種別]=21", "[寸法]=0", "memo [向き]=1"},
         [](const ScreenSettings &s) {
             EXPECT_EQ(s.PRN_S, 2); // cut to one byte
             EXPECT_FALSE(s.Sunpou);
             EXPECT_EQ(s.MUKI, 1); // key anywhere in the line
         }},
        {"value starts after the line's first =",
         {"a=1[種別]=3"},
         [](const ScreenSettings &s) { EXPECT_EQ(s.PRN_S, 1); }},
        {"parts list modes",
         {"[Pin]=0", "[INS_MODE]=0"},
         [](const ScreenSettings &s) {
             EXPECT_FALSE(s.partsAutoOpen);
             EXPECT_FALSE(s.partsInsertMode);
         }},
        {"category bars: first line through the lookup",
         {"[分類幅]=1", "[分類幅]=0"},
         [](const ScreenSettings &s) { EXPECT_EQ(s.categoryBarLayout, 1); }},
        {"category bars: 0 keeps the wide bar",
         {"[分類幅]=0"},
         [](const ScreenSettings &s) { EXPECT_EQ(s.categoryBarLayout, 0); }},
        {"category bars: empty is the 715 layout",
         {"[分類幅]="},
         [](const ScreenSettings &s) { EXPECT_EQ(s.categoryBarLayout, 2); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.check(readSet2(c.lines));
    }
}

TEST(Set2, CategoryBarWidths)
{
    for (int layout = 0; layout <= 2; ++layout) {
        const int width = ScreenSettings::categoryBarWidth(layout);
        EXPECT_EQ(ScreenSettings::categoryBarLayoutForWidth(width), layout);
    }
    EXPECT_EQ(ScreenSettings::categoryBarWidth(0), 997);
    EXPECT_EQ(ScreenSettings::categoryBarWidth(1), 632);
    EXPECT_EQ(ScreenSettings::categoryBarWidth(2), 715);
}

TEST(Set2, DataFolderFallsBackWithAMessage)
{
    ScriptedPrompter prompter;
    TempProgramDir dir;
    EXPECT_EQ(chooseDataFolder("", "/start"), "/start");
    EXPECT_EQ(chooseDataFolder(dir.path(), "/start"), dir.path());
    EXPECT_TRUE(prompter.log.isEmpty());
    EXPECT_EQ(chooseDataFolder("c:\\", "/start"), "/start");
    EXPECT_EQ(prompter.log, QStringList{"info: 前回使用ディレクトリを設定出来ませんでした。\r\n"
                                        "起動ディレクトリを使用します。"});
}

TEST(Seikyuu, RoundTripAndFileContent)
{
    TempProgramDir dir;
    RememberedChoices written;
    written.SEIKYUU = true;
    written.HIKAE = true;
    written.taxMode = TaxMode::Exempt;
    written.honorificIndex = 2;
    written.A5 = true;
    SEIKYUU_KAKIDASI(written);
    // Only the four kinds are remembered: 発注書 and 見積依頼書 have no line.
    EXPECT_EQ(dir.readLines("SEIKYUU.INI"),
              (QStringList{"[納品書]=0", "[請求書]=1", "[受領書]=0", "[伝票控]=1", "[内税]=0",
                           "[非課税]=1", "[外税]=0", "[敬称]=2", "[A5]=1"}));
    RememberedChoices read;
    SEIKYUU_YOMIKOMI(read);
    EXPECT_TRUE(read == written);
}

TEST(Seikyuu, LinesOnlyCheckNeverClear)
{
    TempProgramDir dir;
    dir.writeLines("SEIKYUU.INI",
                   {"[納品書]=0", "[請求書]=1", "[内税]=1", "[外税]=0", "[敬称]=12345", "[A5]=0"});
    RememberedChoices choices;
    choices.NOUHIN = true;
    choices.A5 = true;
    SEIKYUU_YOMIKOMI(choices);
    EXPECT_TRUE(choices.NOUHIN);
    EXPECT_TRUE(choices.SEIKYUU);
    EXPECT_FALSE(choices.JURYOU);
    EXPECT_EQ(choices.taxMode, TaxMode::Inclusive);
    EXPECT_EQ(choices.honorificIndex, 123); // three bytes
    EXPECT_TRUE(choices.A5);

    dir.writeLines("SEIKYUU.INI", {"[敬称]=x"});
    SEIKYUU_YOMIKOMI(choices);
    EXPECT_EQ(choices.honorificIndex, 0);
}

TEST(Seikyuu, MissingFileChangesNothing)
{
    TempProgramDir dir;
    RememberedChoices choices;
    choices.JURYOU = true;
    choices.honorificIndex = 1;
    const RememberedChoices before = choices;
    SEIKYUU_YOMIKOMI(choices);
    EXPECT_TRUE(choices == before);
}

#include "common/miravo_error.h"
#include "master/choice_lists.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace ChoiceLists;

namespace {

BoxItems itemsWithHonorifics(const QStringList &honorifics)
{
    BoxItems items;
    items[2] = honorifics; // KEISYOU
    return items;
}

} // namespace

TEST(ChoiceLists, NoListFilesGiveTheBuiltInHonorificsAndWriteThemAtClose)
{
    TempProgramDir dir;
    EXPECT_EQ(COMBO_YOMIKOMI("Tanto.LST"), std::nullopt);
    const QStringList honorifics = honorificsAtStartup();
    EXPECT_EQ(honorifics, (QStringList{"様", "御中", "殿"}));
    writeAll(itemsWithHonorifics(honorifics));
    EXPECT_EQ(dir.readBytes("KEISYOU.LST"),
              QByteArray("\x97\x6C\r\n\x8C\xE4\x92\x86\r\n\x93\x61\r\n"));
    for (const char *name : {"Nouki.LST", "Basyo.LST", "Kigen.LST", "Tanto.LST"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(dir.readBytes(name), QByteArray()); // an empty list is an empty file
    }
}

TEST(ChoiceLists, JokenIsOnlyTheFirstRunSource)
{
    TempProgramDir dir;
    dir.writeLines("Joken.LST", {"様方", "各位"});
    EXPECT_EQ(honorificsAtStartup(), (QStringList{"様方", "各位"}));
    writeAll(itemsWithHonorifics(honorificsAtStartup()));
    EXPECT_EQ(dir.readLines("KEISYOU.LST"), (QStringList{"様方", "各位"}));
    EXPECT_EQ(dir.readLines("Joken.LST"), (QStringList{"様方", "各位"}));

    dir.writeLines("KEISYOU.LST", {"殿"});
    EXPECT_EQ(honorificsAtStartup(), QStringList{"殿"});
}

TEST(ChoiceLists, LinesAreTakenLiterallyAndWrittenWithCrLf)
{
    TempProgramDir dir;
    dir.writeBytes("Tanto.LST", QByteArray("\x8E\x52\x93\x63\r\n\r\n  b  \r\nlast"));
    const auto items = COMBO_YOMIKOMI("Tanto.LST");
    ASSERT_TRUE(items);
    EXPECT_EQ(*items, (QStringList{"山田", "", "  b  ", "last"}));
    COMBO_KAKIDASI(*items, "Tanto.LST");
    EXPECT_EQ(dir.readBytes("Tanto.LST"), QByteArray("\x8E\x52\x93\x63\r\n\r\n  b  \r\nlast\r\n"));
}

TEST(ChoiceLists, AFailedWriteStopsTheCloseAndKeepsTheFile)
{
    TempProgramDir dir;
    dir.writeLines("Kigen.LST", {"old"});
    ASSERT_TRUE(QDir(dir.path()).mkdir("KEISYOU.LST")); // cannot be replaced by a file
    BoxItems items;
    items.fill({"new"});
    EXPECT_THROW(writeAll(items), IoError);
    EXPECT_EQ(dir.readLines("Nouki.LST"), QStringList{"new"});
    EXPECT_EQ(dir.readLines("Basyo.LST"), QStringList{"new"});
    EXPECT_EQ(dir.readLines("Kigen.LST"), QStringList{"old"});
    EXPECT_FALSE(dir.exists("Tanto.LST"));
}

TEST(ChoiceLists, AddPutsTextOnTopEvenTwice)
{
    QStringList items = {"a"};
    EXPECT_TRUE(addChoice(items, "山田"));
    EXPECT_TRUE(addChoice(items, "山田"));
    EXPECT_FALSE(addChoice(items, ""));
    EXPECT_EQ(items, (QStringList{"山田", "山田", "a"}));
}

TEST(ChoiceLists, Delete)
{
    ScriptedPrompter prompter;
    QStringList items = {"様", "御中", "殿"};
    int selected = 1;
    EXPECT_TRUE(deleteChoice(items, selected, "御中"));
    EXPECT_EQ(items, (QStringList{"様", "殿"}));
    EXPECT_EQ(selected, -1);
    EXPECT_TRUE(prompter.log.isEmpty());

    // Typed text that was not picked from the list.
    selected = 0;
    EXPECT_FALSE(deleteChoice(items, selected, "先生"));
    selected = -1;
    EXPECT_FALSE(deleteChoice(items, selected, "様"));
    EXPECT_EQ(items, (QStringList{"様", "殿"}));
    EXPECT_EQ(prompter.texts("info"),
              (QStringList{"先生は登録がありません。", "様は登録がありません。"}));

    // An empty box with nothing selected: nothing to remove, nothing to say.
    EXPECT_FALSE(deleteChoice(items, selected, ""));
    EXPECT_EQ(items.size(), 2);
    EXPECT_EQ(prompter.log.size(), 2);
}

TEST(ChoiceLists, ServedBoxIsTheFirstWithTheFocusColour)
{
    EXPECT_EQ(servedBox({0xFFFFFF, 0xFFFFFF, 65535, 0xFFFFFF, 65535}, 65535), 2);
    EXPECT_EQ(servedBox({0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, 65535), -1);
}

#include "common/miravo_error.h"
#include "settings/settings_file.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(IniIn, LookupRules)
{
    TempProgramDir dir;
    dir.writeLines("PRINT.INI", {
                                    "[社名]=山田商店",
                                    "[社名]=二番目",
                                    "memo [住所]=東京都",
                                    "[住所枠印刷]=有り",
                                    "[text1]=small",
                                    "[空]=",
                                    "[長い]=" + QString(250, 'x'),
                                    "[空白]=  a  ",
                                    "[半端]=" + QString(199, 'a') + "山",
                                });
    struct Case
    {
        const char *key;
        QString expected;
    } const cases[] = {
        {"[社名]=", "山田商店"},        // first matching line wins
        {"[住所]=", "東京都"},          // key anywhere in the line
        {"[印刷]=", ""},                // not found inside a longer key
        {"[TEXT1]=", ""},               // case-sensitive
        {"[空]=", ""},                  // empty value reads as missing
        {"[長い]=", QString(200, 'x')}, // cut to 200 bytes
        {"[空白]=", "  a  "},           // no trimming
        {"[半端]=", QString(199, 'a')}, // a character is never split
        {"[無い]=", ""},                // key that no line holds
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(INI_IN("PRINT.INI", QString::fromUtf8(c.key)), c.expected);
    }
    EXPECT_EQ(INI_IN("MISSING.INI", "[社名]="), QString());
}

TEST(IniIn, SeesEveryChangeOnDisk)
{
    TempProgramDir dir;
    dir.writeLines("SET2.INI", {"[種別]=1"});
    EXPECT_EQ(INI_IN("SET2.INI", "[種別]="), "1");
    dir.writeLines("SET2.INI", {"[種別]=2"});
    EXPECT_EQ(INI_IN("SET2.INI", "[種別]="), "2");
}

TEST(IniIn, UnreadableFileReachesTheCaller)
{
    TempProgramDir dir;
    // A folder where the file should be: it exists but cannot be read as a file.
    QDir(dir.path()).mkdir("PRINT.INI");
    EXPECT_THROW(INI_IN("PRINT.INI", "[社名]="), IoError);
}

TEST(IniIn, TypedReaders)
{
    TempProgramDir dir;
    dir.writeLines("X.INI", {"[数]=-12", "[字]=abc", "[旗]=1", "[旗2]=1 "});
    EXPECT_EQ(iniInteger("X.INI", "[数]=", 5), -12);
    EXPECT_EQ(iniInteger("X.INI", "[字]=", 5), 5);
    EXPECT_EQ(iniInteger("X.INI", "[無]=", 7), 7);
    EXPECT_TRUE(iniFlag("X.INI", "[旗]="));
    EXPECT_FALSE(iniFlag("X.INI", "[旗2]="));
    EXPECT_FALSE(iniFlag("X.INI", "[無]="));
}

TEST(SettingsWriter, WritesTheWholeFileInOrderAndDropsUnknownLines)
{
    TempProgramDir dir;
    dir.writeLines("SET2.INI", {"[手書き]=残らない", "[種別]=0"});
    writeSettingsFile("SET2.INI", {{"[種別]=", "2"}, {"[向き]=", "0"}, {"[空]=", ""}});
    EXPECT_EQ(dir.readBytes("SET2.INI"),
              QByteArray("[\x8E\xED\x95\xCA]=2\r\n[\x8C\xFC\x82\xAB]=0\r\n[\x8B\xF3]=\r\n"));
    EXPECT_EQ(INI_IN("SET2.INI", "[手書き]="), QString());
}

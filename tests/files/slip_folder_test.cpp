#include "files/folder_registry.h"
#include "files/slip_folder.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(SlipFolder, ListsSlipFilesInDateOrderNewestLast)
{
    QTemporaryDir dir;
    const QStringList inOrder = {
        "平成9年01月05日【3】a.419",  "平成10年01月05日【2】b.419", "平成31年04月30日【1】c.419",
        "令和1年05月01日【10】d.419", "令和8年12月09日【9】e.321",  "令和10年01月01日【1】f.MRV",
        "令和10年01月01日【2】g.mrv",
    };
    for (const QString &name : inOrder)
        touch(dir.filePath(name));
    touch(dir.filePath("note.txt"));
    touch(dir.filePath("令和8年12月09日.418"));
    EXPECT_EQ(SlipFolder::slipFiles(dir.path()), inOrder);

    const QStringList statements = SlipFolder::statementFiles(dir.path());
    EXPECT_EQ(statements.size(), 5);
    EXPECT_EQ(statements.last(), "令和8年12月09日.418");
}

TEST(SlipFolder, PagingStopsAtBothEndsWithAMessage)
{
    ScriptedPrompter prompter;
    using SlipFolder::Page;
    EXPECT_EQ(SlipFolder::pageTo(Page::First, 2, 5), 0);
    EXPECT_EQ(SlipFolder::pageTo(Page::Last, 0, 5), 4);
    EXPECT_EQ(SlipFolder::pageTo(Page::Next, 2, 5), 3);
    EXPECT_EQ(SlipFolder::pageTo(Page::Previous, 2, 5), 1);
    EXPECT_TRUE(prompter.log.isEmpty());
    EXPECT_EQ(SlipFolder::pageTo(Page::Next, 4, 5), 4);
    EXPECT_EQ(SlipFolder::pageTo(Page::Previous, 0, 5), 0);
    EXPECT_EQ(prompter.log, (QStringList{"info: 最後です。", "info: 先頭です。"}));
}

TEST(SlipFolder, CreatesNestedFolders)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    prompter.answers << true;
    const auto created = SlipFolder::createFolder(dir.path(), "2026/12月");
    ASSERT_TRUE(created);
    EXPECT_EQ(*created, dir.filePath("2026/12月"));
    EXPECT_TRUE(QFileInfo(*created).isDir());
    EXPECT_EQ(prompter.log.last(), "beep");

    EXPECT_FALSE(SlipFolder::createFolder(dir.path(), "2026"));
    EXPECT_EQ(prompter.log.last(), "info: そのフォルダはすでに存在します。\r\n");
    EXPECT_FALSE(SlipFolder::createFolder(dir.path(), ""));
}

TEST(SlipFolder, DeletingAFolderIsRefusedWhileItHoldsAnyFile)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    const QString folder = dir.filePath("old");
    QDir().mkpath(folder);
    touch(folder + "/memo.txt");
    EXPECT_FALSE(SlipFolder::deleteFolder(folder));
    EXPECT_EQ(prompter.log, QStringList{"info: フォルダにファイルがあります。\r\n\r\n"
                                        "すべて削除してから再度実行してください"});
    EXPECT_TRUE(QFileInfo(folder).isDir());

    QFile::remove(folder + "/memo.txt");
    prompter.answers << true;
    EXPECT_EQ(SlipFolder::deleteFolder(folder), QDir::cleanPath(dir.path()));
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(SlipFolder, LastComponentKeepsDoubleByteNamesWhole)
{
    // ソ is 0x83 0x5C in CP932: its second byte is the Windows path separator.
    EXPECT_EQ(SlipFolder::lastComponent("/data/表ソ"), "表ソ");
    EXPECT_EQ(SlipFolder::lastComponent("/data/顧客/"), "顧客");
}

TEST(FolderRegistry, RegistersNamesAndSurvivesARestart)
{
    TempProgramDir home;
    ScriptedPrompter prompter;
    QTemporaryDir data;
    const QString shop = data.filePath("山田商店");
    QDir().mkpath(shop);

    FolderRegistry registry;
    EXPECT_FALSE(registry.doubleClick(1, data.path()));
    EXPECT_EQ(registry.entry(1).name, "一般フォルダ");
    EXPECT_FALSE(registry.doubleClick(3, shop));
    EXPECT_EQ(registry.entry(3).name, "山田商店");
    EXPECT_TRUE(prompter.log.first().startsWith("info: フォルダの開いている場所を登録します。。"));

    // A registered row moves there and changes nothing.
    EXPECT_EQ(registry.doubleClick(3, data.path()), shop);
    EXPECT_EQ(registry.entry(3).path, shop);

    FolderRegistry restarted;
    restarted.load();
    EXPECT_EQ(restarted.entry(1).path, data.path());
    EXPECT_EQ(restarted.entry(3).name, "山田商店");
    EXPECT_EQ(restarted.rowForCustomer("株式会社山田商店"), 3);
    EXPECT_EQ(restarted.rowForCustomer("鈴木"), 1);
}

TEST(FolderRegistry, RefusesTheRootAndClearsAfterAsking)
{
    TempProgramDir home;
    ScriptedPrompter prompter;
    FolderRegistry registry;
    EXPECT_FALSE(registry.doubleClick(2, "/"));
    EXPECT_EQ(prompter.log.last(), "info: [ / ]は登録できません。\r\n");
    EXPECT_FALSE(registry.isRegistered(2));
    EXPECT_FALSE(registry.rowForCustomer("誰か"));

    registry.doubleClick(2, home.path());
    prompter.answers << false << true;
    EXPECT_FALSE(registry.clear(2));
    EXPECT_TRUE(registry.clear(2));
    EXPECT_FALSE(registry.isRegistered(2));
    EXPECT_TRUE(prompter.texts("question").first().endsWith(" ]をクリアします。\r\n"));
}

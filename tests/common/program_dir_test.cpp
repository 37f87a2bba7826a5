#include "common/program_dir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

TEST(ProgramDir, HomeArgumentIsAppliedAndRemoved)
{
    QTemporaryDir dir;
    QStringList arguments{"miravo", "--home", dir.path(), "slip.419"};
    const QByteArray saved = qgetenv("MIRAVO_HOME");
    applyHomeArgument(arguments);
    EXPECT_EQ(arguments, (QStringList{"miravo", "slip.419"}));
    EXPECT_EQ(programDir(), QDir(dir.path()).absolutePath() + "/");
    EXPECT_EQ(programFile("PRINT.INI"), QDir(dir.path()).absolutePath() + "/PRINT.INI");
    qputenv("MIRAVO_HOME", saved);
    setProgramDir(QString());
}

TEST(ProgramDir, EnvironmentVariableWins)
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("MIRAVO_HOME");
    qputenv("MIRAVO_HOME", dir.path().toLocal8Bit());
    setProgramDir(QString());
    EXPECT_EQ(programDir(), QDir(dir.path()).absolutePath() + "/");
    qputenv("MIRAVO_HOME", saved);
    setProgramDir(QString());
}

TEST(ProgramDir, TheManualIsLookedForInTheProgramDirectoryThenBesideTheProgramThenInstalled)
{
    QTemporaryDir home;
    QTemporaryDir executable;
    QTemporaryDir installed;
    setProgramDir(home.path());
    const QString name = QStringLiteral("MIRAVO_man.htm");
    struct Case
    {
        const char *name;
        std::vector<const QTemporaryDir *> holders;
        const QTemporaryDir *found;
    } const cases[] = {
        {"nowhere", {}, nullptr},
        {"installed only", {&installed}, &installed},
        {"beside the program (--home elsewhere)", {&executable, &installed}, &executable},
        {"program directory first", {&home, &executable, &installed}, &home},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QTemporaryDir *dir : {&home, &executable, &installed})
            QFile::remove(dir->filePath(name));
        for (const QTemporaryDir *dir : c.holders) {
            QFile file(dir->filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(locateProgramDocument(name, executable.path(), installed.path()),
                  c.found ? c.found->filePath(name) : QString());
    }
    setProgramDir(QString());
}

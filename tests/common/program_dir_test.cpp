#include "common/program_dir.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

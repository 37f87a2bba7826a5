#include "common/miravo_error.h"
#include "common/text_file.h"
#include "support/temp_program_dir.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(TextFile, ReadsCrLfLfAndALastLineWithoutEnd)
{
    TempProgramDir dir;
    dir.writeBytes(QStringLiteral("a.txt"), QByteArray("one\r\ntwo\nthree"));
    EXPECT_EQ(TextFile::readLines(dir.file(QStringLiteral("a.txt"))),
              (QStringList{"one", "two", "three"}));

    dir.writeBytes(QStringLiteral("b.txt"), QByteArray("one\r\n\r\n"));
    EXPECT_EQ(TextFile::readLines(dir.file(QStringLiteral("b.txt"))), (QStringList{"one", ""}));

    dir.writeBytes(QStringLiteral("empty.txt"), QByteArray());
    EXPECT_TRUE(TextFile::readLines(dir.file(QStringLiteral("empty.txt"))).isEmpty());
}

TEST(TextFile, WritesCp932WithCrLf)
{
    TempProgramDir dir;
    TextFile::writeLines(dir.file(QStringLiteral("x.txt")), {QStringLiteral("山"), QString()});
    EXPECT_EQ(dir.readBytes(QStringLiteral("x.txt")), QByteArray("\x8E\x52\r\n\r\n"));
}

TEST(TextFile, FailedWriteLeavesTheEarlierFileAndThrows)
{
    TempProgramDir dir;
    const QString path = dir.file(QStringLiteral("keep.txt"));
    TextFile::writeLines(path, {QStringLiteral("old")});
    {
        const FileSizeLimit limit(4);
        EXPECT_THROW(TextFile::writeLines(path, {QStringLiteral("a much longer new content")}),
                     IoError);
    }
    EXPECT_EQ(TextFile::readLines(path), QStringList{QStringLiteral("old")});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.txt")});
}

TEST(TextFile, WriteIntoAMissingFolderThrowsIoErrorNamingTheFile)
{
    TempProgramDir dir;
    const QString path = dir.file(QStringLiteral("no/such/folder/x.txt"));
    try {
        TextFile::writeLines(path, {QStringLiteral("x")});
        FAIL() << "no exception";
    } catch (const IoError &error) {
        EXPECT_EQ(error.fileName(), path);
        EXPECT_TRUE(error.message().contains(path));
    }
}

TEST(TextFile, ReadingAMissingFileThrows)
{
    TempProgramDir dir;
    EXPECT_THROW(TextFile::readLines(dir.file(QStringLiteral("missing.txt"))), IoError);
}

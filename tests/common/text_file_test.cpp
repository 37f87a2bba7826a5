#include "common/miravo_error.h"
#include "common/text_file.h"
#include "files/slip_folder.h"
#include "support/fault_injection.h"
#include "support/temp_program_dir.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

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

// Each failure the disk can report on the way: the reason is the operating system's own
// text, the earlier file stays whole, and no temporary file is left behind.
TEST(TextFile, FailuresOfTheDiskAreReportedWithTheSystemsTextAndKeepTheEarlierFile)
{
    struct Case
    {
        const char *name;
        InjectedFault::Call call;
        int error;
        bool replaced; // the failure came after the rename
    };
    const Case cases[] = {
        {"full disk at the write", InjectedFault::Call::Write, ENOSPC, false},
        {"I/O error at the sync", InjectedFault::Call::Fdatasync, EIO, false},
        {"refused rename", InjectedFault::Call::Rename, EACCES, false},
        {"I/O error at the folder sync", InjectedFault::Call::Fsync, EIO, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramDir dir;
        const QString path = dir.file(QStringLiteral("keep.txt"));
        TextFile::writeLines(path, {QStringLiteral("old")});
        QString reason;
        {
            const InjectedFault fault(c.call, c.error);
            try {
                TextFile::writeLines(path, {QStringLiteral("new")});
            } catch (const IoError &error) {
                reason = error.message();
            }
            EXPECT_GE(fault.failures(), 1);
        }
        EXPECT_EQ(reason, path + u'\n' + QString::fromLocal8Bit(std::strerror(c.error)));
        EXPECT_FALSE(reason.contains(QStringLiteral("Unknown error")));
        EXPECT_EQ(TextFile::readLines(path),
                  QStringList{c.replaced ? QStringLiteral("new") : QStringLiteral("old")});
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("keep.txt")});
    }
}

TEST(TextFile, FullDiskReadsAsNoSpaceLeftInTheCLocale)
{
    TempProgramDir dir;
    const InjectedFault fault(InjectedFault::Call::Write, ENOSPC);
    try {
        TextFile::writeLines(dir.file(QStringLiteral("x.txt")), {QStringLiteral("x")});
        FAIL() << "no exception";
    } catch (const IoError &error) {
        EXPECT_TRUE(error.message().endsWith(QStringLiteral("No space left on device")))
            << error.message().toStdString();
    }
}

// A kill between writing the temporary file and renaming it leaves that file behind: it is
// hidden, never listed as a slip, and the next write of the same target clears it away.
TEST(TextFile, LeftoversOfAKilledWriteAreHiddenAndClearedByTheNextWrite)
{
    TempProgramDir dir;
    const QString name = QStringLiteral("令和7年04月01日【10023】山田商店.419");
    dir.writeBytes(name, QByteArray("old\r\n"));
    const QString leftover = QLatin1Char('.') + name + QStringLiteral(".miravo-Ab3xYz");
    const QString otherTarget = QStringLiteral(".other.419.miravo-Ab3xYz");
    dir.writeBytes(leftover, QByteArray("half"));
    dir.writeBytes(otherTarget, QByteArray("half"));
    EXPECT_EQ(SlipFolder::slipFiles(dir.path()), QStringList{name});

    TextFile::writeLines(dir.file(name), {QStringLiteral("new")});
    EXPECT_EQ(dir.readBytes(name), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{otherTarget, name}));
}

// The system calls end a name at its first NUL; writing "a\0b.419" would create "a".
TEST(TextFile, RefusesANameTheSystemWouldCut)
{
    TempProgramDir dir;
    const QString path = dir.file(QStringLiteral("【10") + QChar(0) + QStringLiteral("23】t.419"));
    EXPECT_THROW(TextFile::writeLines(path, {QStringLiteral("x")}), IoError);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(TextFile, NewFileGetsTheModeOfAFileCreatedInPlace)
{
    TempProgramDir dir;
    const QString path = dir.file(QStringLiteral("mode.txt"));
    TextFile::writeLines(path, {QStringLiteral("x")});
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat status
    {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

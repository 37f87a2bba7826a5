#include "text_file.h"

#include "miravo_error.h"
#include "sjis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {

namespace {

// The operating system's own text for an error number, in the user's language where the C
// library has a translation. (Qt's error string has English texts of its own for a few
// numbers, and its save file loses the number altogether: "Unknown error" on a full disk.)
QString systemErrorText(int error)
{
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

// The writer's temporary files sit beside their target, hidden, and say whose they are, so a
// crash between writing and renaming leaves nothing that looks like a slip or a list.
constexpr int temporarySuffixLength = 6;

// A name that the file system just holds must still have a temporary file: its start is kept
// as far as the file system's limit of 255 bytes allows.
QString temporaryPrefix(const QString &name)
{
    constexpr int nameLimit = 255;
    const QString marker = QStringLiteral(".miravo-");
    const int room = nameLimit - 1 - int(marker.size()) - temporarySuffixLength;
    QString kept = name;
    while (QFile::encodeName(kept).size() > room) {
        kept.chop(1);
        if (!kept.isEmpty() && kept.back().isHighSurrogate())
            kept.chop(1);
    }
    return QLatin1Char('.') + kept + marker;
}

// A write that was killed before its rename leaves its temporary file; the next write of the
// same target clears it away.
void removeLeftovers(const QString &folder, const QString &name)
{
    const QString prefix = temporaryPrefix(name);
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.size() == prefix.size() + temporarySuffixLength && entry.startsWith(prefix))
            QFile::remove(dir.filePath(entry));
    }
}

// An open temporary file, removed again unless release() says it has become the target.
class TemporaryFile
{
public:
    TemporaryFile(const QString &folder, const QString &name, const QString &target)
    {
        static const char letters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        const QString prefix = QDir(folder).filePath(temporaryPrefix(name));
        for (int attempt = 0; attempt < 100; ++attempt) {
            QString suffix;
            for (int i = 0; i < temporarySuffixLength; ++i)
                suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
            m_path = QFile::encodeName(prefix + suffix);
            // The mode passes through the umask, as a file created in place would.
            m_descriptor =
                ::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_descriptor >= 0 || errno != EEXIST)
                break;
        }
        if (m_descriptor < 0)
            throw IoError(target, systemErrorText(errno));
        m_target = target;
    }

    ~TemporaryFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        if (!m_released)
            ::unlink(m_path.constData());
    }

    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int descriptor() const { return m_descriptor; }
    const QByteArray &path() const { return m_path; }

    // A failed close can be the first report of a failed write (on network file systems).
    void close()
    {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        if (::close(descriptor) != 0)
            throw IoError(m_target, systemErrorText(errno));
    }

    void release() { m_released = true; }

private:
    QByteArray m_path;
    QString m_target;
    int m_descriptor = -1;
    bool m_released = false;
};

void writeAll(int descriptor, const QByteArray &bytes, const QString &target)
{
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(target, systemErrorText(errno));
        }
        next += written;
        left -= written;
    }
}

// The rename is only durable once the folder itself is on the disk.
void syncFolder(const QString &folder, const QString &target)
{
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw IoError(target, systemErrorText(errno));
    const int synced = ::fsync(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (synced != 0)
        throw IoError(target, systemErrorText(error));
}

} // namespace

QList<QByteArray> readByteLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(path, file.errorString());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(path, file.errorString());

    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        const bool lastLine = end < 0;
        if (lastLine)
            end = content.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && content.at(lineEnd - 1) == '\r')
            --lineEnd;
        lines.append(content.mid(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

QStringList readLines(const QString &path)
{
    QStringList lines;
    for (const QByteArray &line : readByteLines(path))
        lines.append(Sjis::decode(line));
    return lines;
}

void writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += Sjis::encode(line);
        bytes += "\r\n";
    }
    writeBytes(path, bytes);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    // The system calls end a name at its first NUL: "a\0b" would quietly become "a".
    if (path.contains(QChar(0)))
        throw IoError(path, systemErrorText(EINVAL));
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const QString name = target.fileName();
    const QByteArray encodedPath = QFile::encodeName(target.absoluteFilePath());
    if (name.isEmpty())
        throw IoError(path, systemErrorText(EISDIR));

    removeLeftovers(folder, name);
    TemporaryFile temporary(folder, name, path);
    writeAll(temporary.descriptor(), bytes, path);
    // Qt's save file does not look at the result of its sync; on a disk that reports an I/O
    // error only at the sync, the rename would put unwritten data in place of the old file.
    if (::fdatasync(temporary.descriptor()) != 0)
        throw IoError(path, systemErrorText(errno));
    temporary.close();
    if (::rename(temporary.path().constData(), encodedPath.constData()) != 0)
        throw IoError(path, systemErrorText(errno));
    temporary.release();
    syncFolder(folder, path);
}

} // namespace TextFile

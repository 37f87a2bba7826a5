#include "text_file.h"

#include "miravo_error.h"
#include "sjis.h"

#include <QFile>
#include <QSaveFile>

namespace TextFile {

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
    QSaveFile file(path);
    // Unbuffered, so that a short write is seen here: a buffered flush inside commit() can
    // lose a partial write and still rename the truncated file into place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IoError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw IoError(path, reason);
    }
    if (!file.commit())
        throw IoError(path, file.errorString());
}

} // namespace TextFile

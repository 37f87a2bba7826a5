#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Reading and writing the program's text files. Lines end in CR LF on disk; a reader also
// takes bare LF and a last line without a line end. Writers replace a file whole or not at
// all, so a failed write leaves the earlier file as it was.
namespace TextFile {

// The raw lines of a file, without their line ends. Throws IoError when the file exists
// but cannot be read; a missing file also throws (callers test existence first where a
// missing file is fine).
QList<QByteArray> readByteLines(const QString &path);

// The lines decoded from CP932.
QStringList readLines(const QString &path);

// Writes the lines encoded as CP932, each followed by CR LF. Throws IoError on failure.
void writeLines(const QString &path, const QStringList &lines);

// Writes bytes as they are, atomically: into a hidden temporary file beside the target, synced,
// renamed over the target, and the folder synced. Throws IoError with the operating system's
// reason on any failure; until the rename the earlier file stays as it was. A name the
// system calls would cut short (one holding a NUL) is refused.
void writeBytes(const QString &path, const QByteArray &bytes);

} // namespace TextFile

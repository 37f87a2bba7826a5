#pragma once

#include <QString>

#include <stdexcept>

// The one exception type of the program. Thrown for unexpected failures (a file that
// cannot be read or written, a text that should be a number and is not); caught at the
// event-loop boundary, which shows the message and lets the program go on.
class MiravoError : public std::runtime_error
{
public:
    explicit MiravoError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {}

    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A file could not be opened, read, written or replaced. The message names the file and
// carries the operating system's reason.
class IoError : public MiravoError
{
public:
    IoError(const QString &fileName, const QString &reason)
        : MiravoError(QStringLiteral("%1\n%2").arg(fileName, reason))
        , m_fileName(fileName)
    {}

    const QString &fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

// A text that must hold a number (a cell, a settings value) does not.
class ConversionError : public MiravoError
{
public:
    explicit ConversionError(const QString &text)
        : MiravoError(QStringLiteral("'%1' は有効な数値ではありません。").arg(text))
    {}
};

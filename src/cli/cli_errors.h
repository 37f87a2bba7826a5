#pragma once

#include <QString>

#include <utility>

// The two ways a command fails. A usage error is a mistake in the command line (exit
// status 1); an input error is a file that cannot be used as asked (exit status 2) and names
// that file and, where one is to blame, its line.

class UsageError
{
public:
    explicit UsageError(QString message)
        : m_message(std::move(message))
    {}

    const QString &message() const { return m_message; }

private:
    QString m_message;
};

class InputError
{
public:
    InputError(QString fileName, QString message, int line = 0)
        : m_fileName(std::move(fileName))
        , m_message(std::move(message))
        , m_line(line)
    {}

    const QString &fileName() const { return m_fileName; }
    int line() const { return m_line; }

    // "FILE: line N: message" on one line; the program's own message texts keep their words,
    // their line breaks become blanks.
    QString text() const;

private:
    QString m_fileName;
    QString m_message;
    int m_line;
};

// A message of the program's own (with CR LF line breaks) as one line of terminal text.
QString oneLine(const QString &message);

class IoError;
// The operating system's reason of an IoError, without the file name it starts with.
QString ioReason(const IoError &error);

#include "cli_output.h"

#include "cli_errors.h"

#include <QDir>

#include <cstdio>

void writeOut(const QByteArray &utf8)
{
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fflush(stdout);
}

void printLine(const QString &text)
{
    writeOut((text + QLatin1Char('\n')).toUtf8());
}

void printError(const QString &text)
{
    const QByteArray utf8 = (QStringLiteral("miravo-cli: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stderr);
    std::fflush(stderr);
}

void printNote(const QString &fileName, const QString &message)
{
    printError(QStringLiteral("note: ") + QDir::toNativeSeparators(fileName) +
               QStringLiteral(": ") + oneLine(message));
}

#pragma once

#include <QByteArray>
#include <QString>

// Standard output and standard error of the commands, always UTF-8 whatever the locale.
void writeOut(const QByteArray &utf8);
void printLine(const QString &text);
void printError(const QString &text);
// A remark of the core that did not stop the command ("敬称がありません。").
void printNote(const QString &fileName, const QString &message);

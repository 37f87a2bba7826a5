#pragma once

#include "support/temp_program_dir.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QStringList>

// One run of the built miravo-cli with a program directory of its own.
struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
    QJsonDocument json() const { return QJsonDocument::fromJson(out); }
};

// Runs miravo-cli --home home arguments... and waits for it.
CliRun runCli(const TempProgramDir &home, const QStringList &arguments);

// The slip fixture of the command tests, its lines (CP932 decoded) and a copy of it with
// some lines replaced, written into folder under name.
QString fixtureSlip();
QString fixtureLegacySlip();
// Standard-rate, reduced-rate ("8") and tax-exempt lines: 12,000 at the standard rate,
// 8,280 at the reduced one, 200 exempt.
QString fixtureReducedRateSlip();
QStringList fixtureLines();
QString writeSlip(const QString &folder, const QString &name, const QStringList &lines);

// Whether strace can trace programs here (a container may forbid it): the tests that watch
// or break the program's system calls skip themselves otherwise.
bool straceWorks();

// The texts of every page of an --ops file, and whether a brush of the style was set.
struct RecordedTexts
{
    QList<QStringList> pages;
    QStringList brushStyles;
};
RecordedTexts readOps(const QString &path);

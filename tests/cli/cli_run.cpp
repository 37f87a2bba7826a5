#include "cli_run.h"

#include "common/text_file.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

CliRun runCli(const TempProgramDir &home, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(MIRAVO_CLI),
                  QStringList{QStringLiteral("--home"), home.path()} + arguments);
    CliRun run;
    if (!process.waitForFinished(300000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString fixtureSlip()
{
    return QStringLiteral(MIRAVO_FIXTURES "/cli/令和7年04月01日【10023】山田商店.419");
}

QString fixtureReducedRateSlip()
{
    return QStringLiteral(MIRAVO_FIXTURES "/cli/令和8年10月01日【20001】山田商店.419");
}

QString fixtureLegacySlip()
{
    return QStringLiteral(MIRAVO_FIXTURES "/cli/平成16年03月15日【00042】古い見積.321");
}

QStringList fixtureLines()
{
    return TextFile::readLines(fixtureSlip());
}

QString writeSlip(const QString &folder, const QString &name, const QStringList &lines)
{
    const QString path = QDir(folder).filePath(name);
    TextFile::writeLines(path, lines);
    return path;
}

bool straceWorks()
{
    QProcess probe;
    probe.start(QStringLiteral("strace"), {"-o", "/dev/null", "true"});
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
           probe.exitCode() == 0;
}

RecordedTexts readOps(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    RecordedTexts result;
    for (const QJsonValue &page : QJsonDocument::fromJson(file.readAll()).array()) {
        QStringList texts;
        for (const QJsonValue &value : page.toArray()) {
            const QJsonObject op = value.toObject();
            if (op.value(u"kind").toString() == u"text" && !op.value(u"text").toString().isEmpty())
                texts << op.value(u"text").toString();
            if (op.value(u"kind").toString() == u"brush")
                result.brushStyles << op.value(u"style").toString();
        }
        result.pages << texts;
    }
    return result;
}

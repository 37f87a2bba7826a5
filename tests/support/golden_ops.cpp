#include "golden_ops.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString goldenPath(const QString &name)
{
    return QStringLiteral(MIRAVO_FIXTURES "/golden/") + name + QStringLiteral(".json");
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

QByteArray goldenOpsText(const QJsonArray &pages)
{
    if (pages.isEmpty())
        return "[]\n";
    QByteArray text = "[[\n";
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0)
            text += "],[\n";
        const QJsonArray ops = pages.at(page).toArray();
        for (qsizetype i = 0; i < ops.size(); ++i) {
            text += compact(ops.at(i).toObject());
            text += i + 1 < ops.size() ? ",\n" : "\n";
        }
    }
    text += "]]\n";
    return text;
}

::testing::AssertionResult matchesGoldenFile(const QString &name, const QByteArray &text)
{
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIsSet("MIRAVO_UPDATE_GOLDEN")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        return ::testing::AssertionSuccess();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "no golden file " << path.toStdString()
                                             << " (run with MIRAVO_UPDATE_GOLDEN=1 to write it)";
    const QByteArray golden = file.readAll();
    if (golden == text)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> expectedLines = golden.split('\n');
    const QList<QByteArray> actualLines = text.split('\n');
    qsizetype line = 0;
    while (line < expectedLines.size() && line < actualLines.size() &&
           expectedLines.at(line) == actualLines.at(line))
        ++line;
    const auto lineOf = [](const QList<QByteArray> &lines, qsizetype index) {
        return index < lines.size() ? lines.at(index).toStdString() : std::string("(end of text)");
    };
    return ::testing::AssertionFailure()
           << name.toStdString() << ".json differs from line " << line + 1 << " on ("
           << expectedLines.size() << " golden lines, " << actualLines.size() << " now)\n"
           << "  golden: " << lineOf(expectedLines, line) << "\n"
           << "  now:    " << lineOf(actualLines, line);
}

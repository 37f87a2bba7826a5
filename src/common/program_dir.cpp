#include "program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString &fixedDir()
{
    static QString dir;
    return dir;
}

QString withSlash(const QString &dir)
{
    QString path = QDir::cleanPath(QDir(dir).absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString decideDir()
{
    const QString home = qEnvironmentVariable("MIRAVO_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return withSlash(home);
    }
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QFileInfo(exeDir).isWritable())
            return withSlash(exeDir);
    }
    const QString fallback = QDir::homePath() + QStringLiteral("/.local/share/miravo");
    QDir().mkpath(fallback);
    return withSlash(fallback);
}

} // namespace

QString programDir()
{
    QString &dir = fixedDir();
    if (dir.isEmpty())
        dir = decideDir();
    return dir;
}

void setProgramDir(const QString &dir)
{
    if (dir.isEmpty()) {
        fixedDir().clear();
        return;
    }
    QDir().mkpath(dir);
    fixedDir() = withSlash(dir);
}

void applyHomeArgument(QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--home") && i + 1 < arguments.size()) {
            qputenv("MIRAVO_HOME", arguments.at(i + 1).toLocal8Bit());
            setProgramDir(arguments.at(i + 1));
            arguments.remove(i, 2);
            return;
        }
        if (argument.startsWith(QLatin1String("--home="))) {
            const QString dir = argument.mid(7);
            qputenv("MIRAVO_HOME", dir.toLocal8Bit());
            setProgramDir(dir);
            arguments.remove(i);
            return;
        }
    }
}

QString programFile(const QString &name)
{
    return programDir() + name;
}

QString installedDataDir()
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral(MIRAVO_DATA_DIR_FROM_BIN)));
}

QString locateProgramDocument(const QString &name, const QString &executableDir,
                              const QString &dataDir)
{
    for (const QString &folder : {programDir(), executableDir, dataDir}) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

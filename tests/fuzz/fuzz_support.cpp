#include "fuzz_support.h"

#include "common/japanese.h"
#include "common/program_dir.h"
#include "common/prompter.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *programDirectory = nullptr;

} // namespace

void initFuzzing()
{
    static int argc = 1;
    static char name[] = "miravo-fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Created once and kept for the whole run: libFuzzer never returns from its loop.
    static QGuiApplication *application = new QGuiApplication(argc, argv);
    Q_UNUSED(application);
    installFontSubstitutions();
    // Every question is answered Yes, so that the commands go on as far as they can.
    static SilentPrompter *silent = new SilentPrompter(true);
    setPrompter(silent);
    programDirectory = new QTemporaryDir;
    setProgramDir(programDirectory->path());
}

QString fuzzProgramDir()
{
    return programDirectory->path();
}

QString writeFuzzFile(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(fuzzProgramDir()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

void fuzzFailure(const char *property, const QString &detail)
{
    std::fprintf(stderr, "property failed: %s\n%s\n", property, detail.toUtf8().constData());
    std::abort();
}

#include "temp_program_dir.h"

#include "common/program_dir.h"
#include "common/text_file.h"

#include <QFile>
#include <QFileInfo>

TempProgramDir::TempProgramDir()
{
    setProgramDir(m_dir.path());
}

TempProgramDir::~TempProgramDir()
{
    setProgramDir(QString());
}

QString TempProgramDir::path() const
{
    return programDir();
}

QString TempProgramDir::file(const QString &name) const
{
    return path() + name;
}

void TempProgramDir::writeLines(const QString &name, const QStringList &lines) const
{
    TextFile::writeLines(file(name), lines);
}

void TempProgramDir::writeBytes(const QString &name, const QByteArray &bytes) const
{
    TextFile::writeBytes(file(name), bytes);
}

QStringList TempProgramDir::readLines(const QString &name) const
{
    return TextFile::readLines(file(name));
}

QByteArray TempProgramDir::readBytes(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TempProgramDir::exists(const QString &name) const
{
    return QFileInfo::exists(file(name));
}

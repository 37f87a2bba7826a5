#include "stand_in_program.h"

#include <QFile>

#include <gtest/gtest.h>

StandInProgram::StandInProgram(const QString &name, int exitCode)
    : m_name(name)
    , m_savedPath(qgetenv("PATH"))
{
    // Arguments end in NUL each, so that blanks and line breaks in them survive.
    const QByteArray script = "#!/bin/sh\n"
                              ": > \"$0.args\"\n"
                              "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$0.args\"; done\n"
                              "exit " +
                              QByteArray::number(exitCode) + "\n";
    QFile file(m_dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_savedPath);
}

StandInProgram::StandInProgram(const QString &name, Missing)
    : m_name(name)
    , m_savedPath(qgetenv("PATH"))
{
    qputenv("PATH", QFile::encodeName(m_dir.path()));
}

StandInProgram::~StandInProgram()
{
    qputenv("PATH", m_savedPath);
}

bool StandInProgram::wasRun() const
{
    return QFile::exists(m_dir.filePath(m_name + QStringLiteral(".args")));
}

QStringList StandInProgram::arguments() const
{
    QFile file(m_dir.filePath(m_name + QStringLiteral(".args")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    for (const QByteArray &argument : file.readAll().split('\0'))
        arguments.append(QString::fromUtf8(argument));
    arguments.removeLast(); // after the last NUL
    return arguments;
}

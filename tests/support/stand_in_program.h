#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program of the desktop (xdg-email, ...) replaced for one test: a shell script of that
// name, found first on PATH, that records its arguments and ends with the exit code given.
// PATH comes back when the object goes.
class StandInProgram
{
public:
    explicit StandInProgram(const QString &name, int exitCode = 0);
    ~StandInProgram();
    StandInProgram(const StandInProgram &) = delete;
    StandInProgram &operator=(const StandInProgram &) = delete;

    // The program is not there at all: PATH holds only an empty folder.
    struct Missing
    {};
    StandInProgram(const QString &name, Missing);

    bool wasRun() const;
    // The arguments of the last run, one entry each.
    QStringList arguments() const;

private:
    QTemporaryDir m_dir;
    QString m_name;
    QByteArray m_savedPath;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh, empty program directory for one test; the previous one comes back afterwards.
class TempProgramDir
{
public:
    TempProgramDir();
    ~TempProgramDir();

    QString path() const; // with a trailing '/'
    QString file(const QString &name) const;

    // Writes a file of the program directory: lines in CP932 with CR LF.
    void writeLines(const QString &name, const QStringList &lines) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QStringList readLines(const QString &name) const;
    QByteArray readBytes(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

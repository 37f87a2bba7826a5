#include "mail_client.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

const QString kXdgEmail = QStringLiteral("xdg-email");

// xdg-email returns as soon as the mail program has the message, unless it falls back on a
// mail program that runs in the foreground; after this long it counts as handed off and
// finishes in the background.
constexpr int kAnswerMilliseconds = 5000;

} // namespace

QStringList xdgEmailArguments(const QStringList &attachments, const QString &subject)
{
    QStringList arguments{QStringLiteral("--utf8")};
    for (const QString &file : attachments)
        arguments << QStringLiteral("--attach") << file;
    if (!subject.trimmed().isEmpty())
        arguments << QStringLiteral("--subject") << subject;
    return arguments;
}

MailHandOff composeMail(const QStringList &attachments, const QString &subject)
{
    // Parented to the application, so that a mail program still opening when we stop
    // waiting is not killed with a local object.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(kXdgEmail, xdgEmailArguments(attachments, subject));
    if (!process->waitForStarted()) {
        delete process;
        return {MailHandOff::Outcome::NotStarted, 0};
    }
    if (!process->waitForFinished(kAnswerMilliseconds)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return {MailHandOff::Outcome::HandedOff, 0};
    }
    const bool crashed = process->exitStatus() == QProcess::CrashExit;
    const int exitCode = crashed ? -1 : process->exitCode();
    delete process;
    if (exitCode != 0)
        return {MailHandOff::Outcome::Failed, exitCode};
    return {MailHandOff::Outcome::HandedOff, 0};
}

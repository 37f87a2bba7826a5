#pragma once

#include <QString>
#include <QStringList>

// Hands files to the user's own mail program through xdg-email (xdg-utils): it opens a new
// message with the files attached in whichever mail program the desktop is set to use.

struct MailHandOff
{
    enum class Outcome {
        HandedOff,  // xdg-email took the message (or is still busy opening the mail program)
        NotStarted, // no xdg-email on PATH, or it could not be run
        Failed,     // xdg-email ended with an exit code other than 0, or crashed
    };
    Outcome outcome = Outcome::HandedOff;
    int exitCode = 0; // of a failed xdg-email; -1 when it crashed
};

// "--utf8 --attach FILE ... --subject SUBJECT"; no subject when it is blank. The texts are
// passed as UTF-8 whatever the locale, so --utf8 comes first.
QStringList xdgEmailArguments(const QStringList &attachments, const QString &subject);

// Runs xdg-email (found on PATH, arguments as a list, never through a shell) and waits a
// few seconds for its answer.
MailHandOff composeMail(const QStringList &attachments, const QString &subject);

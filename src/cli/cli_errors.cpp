#include "cli_errors.h"

#include "common/miravo_error.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

QString oneLine(const QString &message)
{
    QStringList parts =
        message.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (QString &part : parts)
        part = part.trimmed();
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

QString InputError::text() const
{
    QString result = QDir::toNativeSeparators(m_fileName) + QStringLiteral(": ");
    if (m_line > 0)
        result += QStringLiteral("line %1: ").arg(m_line);
    return result + oneLine(m_message);
}

QString ioReason(const IoError &error)
{
    const QString &message = error.message();
    return message.startsWith(error.fileName() + QLatin1Char('\n'))
               ? message.mid(error.fileName().size() + 1)
               : message;
}

#include "comma_text.h"

namespace CommaText {

namespace {

// Control characters count as blanks, NUL included, so a stray one cannot stall the scan.
bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

bool needsQuotes(const QString &cell)
{
    for (const QChar c : cell) {
        if (isBlank(c) || c == QLatin1Char(',') || c == QLatin1Char('"'))
            return true;
    }
    return false;
}

} // namespace

QString join(const QStringList &cells)
{
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        const QString &cell = cells.at(i);
        if (needsQuotes(cell)) {
            QString quoted = cell;
            quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
            line += QLatin1Char('"') + quoted + QLatin1Char('"');
        } else {
            line += cell;
        }
    }
    return line;
}

QStringList split(const QString &line)
{
    QStringList cells;
    const qsizetype size = line.size();
    qsizetype at = 0;
    auto skipBlanks = [&] {
        while (at < size && isBlank(line.at(at)))
            ++at;
    };

    skipBlanks();
    while (at < size) {
        QString cell;
        if (line.at(at) == QLatin1Char('"')) {
            ++at;
            while (at < size) {
                if (line.at(at) == QLatin1Char('"')) {
                    if (at + 1 < size && line.at(at + 1) == QLatin1Char('"')) {
                        cell += QLatin1Char('"');
                        at += 2;
                        continue;
                    }
                    ++at; // closing quote
                    break;
                }
                cell += line.at(at++);
            }
        } else {
            const qsizetype start = at;
            while (at < size && !isBlank(line.at(at)) && line.at(at) != QLatin1Char(','))
                ++at;
            cell = line.mid(start, at - start);
        }
        cells.append(cell);
        skipBlanks();
        if (at < size && line.at(at) == QLatin1Char(',')) {
            ++at;
            skipBlanks();
        }
    }
    return cells;
}

} // namespace CommaText

#include "slip_file.h"

#include "common/comma_text.h"
#include "common/era_date.h"
#include "common/japanese.h"
#include "common/text_file.h"
#include "slip/string_grid.h"

#include <QFileInfo>

#include <cmath>

namespace SlipFile {

namespace {

constexpr qint64 msecsPerDay = 86400000;
// 0001-01-01 and 9999-12-31 as day numbers: the range a slip date can take.
constexpr double firstDayNumber = -693593;
constexpr double lastDayNumber = 2958466;

QDate dayZero()
{
    return QDate(1899, 12, 30);
}

bool containsNoCase(const QString &text, const char *part)
{
    return text.contains(QLatin1String(part), Qt::CaseInsensitive);
}

} // namespace

QString dayNumberText(const QDateTime &moment)
{
    const qint64 days = dayZero().daysTo(moment.date());
    const double fraction = double(moment.time().msecsSinceStartOfDay()) / msecsPerDay;
    // Before 1899-12-30 the time still counts forward from the start of the day, so it is
    // subtracted from the negative day count (-1.25 is 1899-12-29 06:00).
    const double value = days < 0 ? double(days) - fraction : double(days) + fraction;
    return QString::number(value, 'g', 15);
}

std::optional<QDateTime> fromDayNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < firstDayNumber || value >= lastDayNumber)
        return std::nullopt;
    const double days = std::trunc(value);
    qint64 msecs = std::llround(std::fabs(value - days) * msecsPerDay);
    QDate date = dayZero().addDays(qint64(days));
    if (msecs >= msecsPerDay) {
        date = date.addDays(1);
        msecs -= msecsPerDay;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(msecs)));
}

std::optional<QDateTime> parseDate(const QString &line)
{
    const QString text = line.trimmed();
    const QLocale locale = japaneseLocale();
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDateTime moment = locale.toDateTime(text, type);
        if (moment.isValid())
            return moment;
        const QDate date = locale.toDate(text, type);
        if (date.isValid())
            return QDateTime(date, QTime(0, 0));
    }
    static const char *const dateTimeForms[] = {"yyyy/M/d H:mm:ss", "yyyy/M/d H:mm",
                                                "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss"};
    for (const char *form : dateTimeForms) {
        const QDateTime moment = locale.toDateTime(text, QString::fromLatin1(form));
        if (moment.isValid())
            return moment;
    }
    static const char *const dateForms[] = {"yyyy/M/d", "yyyy-M-d", "yyyy年M月d日"};
    for (const char *form : dateForms) {
        const QDate date = locale.toDate(text, QString::fromUtf8(form));
        if (date.isValid())
            return QDateTime(date, QTime(0, 0));
    }
    return fromDayNumber(text);
}

QString fileName(const SlipHeader &header)
{
    return eraDateText(header.DTP1.date()) + QStringLiteral("【") + header.Bangou +
           QStringLiteral("】") + header.TITLE + QStringLiteral(".419");
}

QString titleFromFileName(const QString &fileName)
{
    const qsizetype bracket = fileName.indexOf(QStringLiteral("】"));
    qsizetype start = 0;
    if (bracket >= 0) {
        start = bracket + 1;
    } else {
        const qsizetype day = fileName.indexOf(QStringLiteral("日"));
        start = day >= 0 ? day + 1 : 0;
    }
    const QString rest = fileName.mid(start);
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    return dot >= 0 ? rest.left(dot) : rest;
}

QStringList lines(const SlipHeader &header, const StringGrid &items, qint64 consumptionTax)
{
    QStringList out = {
        header.NAME1,
        header.ADD1,
        header.ADD_2,
        header.YUBIN,
        dayNumberText(header.DTP1),
        header.NAME2,
        header.TITLE,
        header.KEISYOU,
        QString(),
        QString::number(int(header.taxMode)),
        QString::number(consumptionTax),
        header.Tanto,
        header.Bangou,
    };
    for (int row = 1; row < items.rows(); ++row) {
        QStringList cells;
        for (int column = 0; column < itemColumns; ++column)
            cells.append(items.cell(column, row));
        out.append(CommaText::join(cells));
    }
    return out;
}

void write(const QString &path, const SlipHeader &header, const StringGrid &items,
           qint64 consumptionTax)
{
    TextFile::writeLines(path, lines(header, items, consumptionTax));
}

Contents readContents(const QString &path)
{
    QStringList lines = TextFile::readLines(path);
    Contents contents;
    contents.header = lines.mid(0, headerLines);
    // A short file reads as if its missing header lines were empty.
    while (contents.header.size() < headerLines)
        contents.header.append(QString());
    contents.items = lines.mid(headerLines);
    return contents;
}

void readItemRows(const QStringList &lines, StringGrid &items,
                  const std::function<QStringList(const QStringList &fields)> &cells)
{
    GridBatch batch(items);
    for (int row = 1; row <= lines.size(); ++row) {
        if (items.rows() < row + 1)
            items.setRowCount(row + 1);
        items.setRowCells(row, cells(CommaText::split(lines.at(row - 1))));
        items.setCell(0, row, QString::number(row));
    }
}

ReadResult read(const QString &path, SlipHeader &header, StringGrid &items)
{
    // The layout is told by the path, without regard to case as file names are matched
    // everywhere: only ".419" files carry NAME2, KEISYOU and the tax mode.
    const bool current = containsNoCase(path, ".419");
    const bool legacy = containsNoCase(path, ".321");
    const Contents in = readContents(path);
    ReadResult result;

    header.NAME1 = in.line(nameLine);
    if (!legacy) {
        header.ADD1 = in.line(2);
        header.ADD_2 = in.line(3);
        header.YUBIN = in.line(4);
    }
    if (const std::optional<QDateTime> date = parseDate(in.line(dateLine)))
        header.DTP1 = *date;
    else
        result.dateRead = false;
    if (current) {
        header.NAME2 = in.line(6);
        header.KEISYOU = in.line(8);
    }
    header.TITLE = in.line(titleLine);
    const QString taxMode = in.line(taxModeLine);
    if (current) {
        if (taxMode.isEmpty() || taxMode == QLatin1String("0"))
            header.taxMode = TaxMode::Exclusive;
        else if (taxMode == QLatin1String("1"))
            header.taxMode = TaxMode::Inclusive;
        else if (taxMode == QLatin1String("2"))
            header.taxMode = TaxMode::Exempt;
    }
    // Line 11, the tax, is worked out again from the items.
    header.Tanto = in.line(12);
    header.Bangou = in.line(numberLine);

    readItemRows(in.items, items,
                 [](const QStringList &fields) { return fields.mid(0, itemColumns); });

    header.TITLE = titleFromFileName(QFileInfo(path).fileName());
    return result;
}

} // namespace SlipFile

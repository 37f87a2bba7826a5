#include "estimate_file.h"

#include "common/text_file.h"
#include "slip/slip_header.h"
#include "slip/string_grid.h"
#include "slip_file.h"

#include <QFileInfo>

namespace EstimateFile {

namespace {

// Item fields 7 to 13 fill columns 2 to 8; fields 2 to 6 are the estimate's own.
constexpr int firstTakenField = 7;
constexpr int lastTakenField = 13;
constexpr int lastFilledColumn = 8;

QStringList itemCells(const QStringList &fields)
{
    QStringList cells{fields.value(0), fields.value(1)};
    for (int field = firstTakenField; field <= lastTakenField; ++field)
        cells.append(fields.value(field));
    Q_ASSERT(cells.size() == lastFilledColumn + 1);
    return cells;
}

QString taxName(TaxMode mode)
{
    switch (mode) {
    case TaxMode::Exclusive:
        return QStringLiteral("外税");
    case TaxMode::Inclusive:
        return QStringLiteral("内税");
    case TaxMode::Exempt:
        return QStringLiteral("非課税");
    }
    return {};
}

QString roundingName(int rounding)
{
    switch (rounding) {
    case 0:
        return QStringLiteral("切り捨て");
    case 1:
        return QStringLiteral("切り上げ");
    case 2:
        return QStringLiteral("四捨五入");
    default:
        return {};
    }
}

} // namespace

int headerLinesOf(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("115"), Qt::CaseInsensitive) == 0
               ? headerLines115
               : mrvHeaderLines;
}

Methods read(const QString &path, SlipHeader &header, StringGrid &items)
{
    const QStringList lines = TextFile::readLines(path);
    // Lines are counted from 1; past the end of a short file every line reads as empty.
    const auto line = [&lines](int number) { return lines.value(number - 1); };

    header.NAME1 = line(1);
    header.TITLE = line(4);

    Methods methods;
    if (line(15) == QLatin1String("1"))
        methods.taxMode = TaxMode::Inclusive;
    if (line(16) == QLatin1String("1"))
        methods.taxMode = TaxMode::Exempt;
    bool isNumber = false;
    methods.rounding = line(18).toInt(&isNumber);
    if (!isNumber)
        methods.rounding = 0;

    SlipFile::readItemRows(lines.mid(headerLinesOf(path)), items, itemCells);
    header.TITLE = SlipFile::titleFromFileName(QFileInfo(path).fileName());
    return methods;
}

QString differenceMessage(const Methods &estimate, TaxMode slipTaxMode, RoundingMode rounding)
{
    const bool taxDiffers = estimate.taxMode != slipTaxMode;
    const bool roundingDiffers = estimate.rounding != int(rounding);
    if (!taxDiffers && !roundingDiffers)
        return {};
    const QString tax =
        QStringLiteral("消費税処理 [ ") + taxName(estimate.taxMode) + QStringLiteral(" ] ");
    const QString round =
        QStringLiteral("端数処理 　[ ") + roundingName(estimate.rounding) + QStringLiteral(" ] ");
    QString text = QStringLiteral("読み込んだ「見積データ」の処理方法が現在の処理方法と異なります。"
                                  "\r\n\r\n※読み込んだ「見積データ」の処理方法は \r\n\r\n");
    if (taxDiffers && roundingDiffers)
        text += tax + QStringLiteral("\r\n\r\n") + round;
    else
        text += taxDiffers ? tax : round;
    return text + QStringLiteral("です。\r\n\r\n");
}

} // namespace EstimateFile

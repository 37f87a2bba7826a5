#include "calc_command.h"

#include "cli_output.h"
#include "headless_prompter.h"
#include "opened_slip.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonObject headerJson(const SlipHeader &header)
{
    // The fields a slip file holds, by the names of the window's controls.
    return {
        {QStringLiteral("NAME1"), header.NAME1},
        {QStringLiteral("ADD1"), header.ADD1},
        {QStringLiteral("ADD_2"), header.ADD_2},
        {QStringLiteral("YUBIN"), header.YUBIN},
        {QStringLiteral("DTP1"), header.DTP1.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))},
        {QStringLiteral("NAME2"), header.NAME2},
        {QStringLiteral("TITLE"), header.TITLE},
        {QStringLiteral("KEISYOU"), header.KEISYOU},
        {QStringLiteral("taxMode"), int(header.taxMode)},
        {QStringLiteral("Tanto"), header.Tanto},
        {QStringLiteral("Bangou"), header.Bangou},
    };
}

QJsonArray rowsJson(const StringGrid &items)
{
    QJsonArray rows;
    for (int row = 1; row < items.rows(); ++row)
        rows.append(QJsonArray::fromStringList(items.rowCells(row)));
    return rows;
}

QJsonObject panelsJson(const KeisanResult &shown)
{
    QJsonObject panels;
    for (int panel = 2; panel <= 6; ++panel)
        panels.insert(QString::number(panel), shown.statusPanel(panel));
    return panels;
}

// One entry per rate present: the rate in percent, its taxable total and its tax.
QJsonArray byRateJson(const Slip &slip)
{
    QJsonArray byRate;
    const CalcSettings &settings = slip.calc.settings;
    for (const RateTax &entry :
         taxByRate(slip.calc.totals.byRate, slip.header.taxMode, settings.rounding, settings.rates))
        byRate.append(QJsonObject{{QStringLiteral("rate"), entry.rate},
                                  {QStringLiteral("taxable"), entry.taxable.toString()},
                                  {QStringLiteral("tax"), QString::number(entry.tax)}});
    return byRate;
}

} // namespace

QJsonObject slipJson(const OpenedSlip &slip)
{
    const SlipTotals &totals = slip.slip.calc.totals;
    return {
        {QStringLiteral("header"), headerJson(slip.slip.header)},
        {QStringLiteral("rows"), rowsJson(slip.slip.items())},
        {QStringLiteral("totals"),
         QJsonObject{{QStringLiteral("item"), totals.item.toString()},
                     {QStringLiteral("taxable"), totals.taxable.toString()},
                     {QStringLiteral("cost"), totals.cost.toString()},
                     {QStringLiteral("byRate"), byRateJson(slip.slip)}}},
        {QStringLiteral("TOTALKIN"), slip.window.shown.TOTALKIN},
        {QStringLiteral("panels"), panelsJson(slip.window.shown)},
    };
}

int runCalc(const QString &file)
{
    HeadlessPrompter messages;
    const OpenedSlip slip(file, messages);
    writeOut(QJsonDocument(slipJson(slip)).toJson(QJsonDocument::Compact) + '\n');
    return 0;
}

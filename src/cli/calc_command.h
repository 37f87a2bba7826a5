#pragma once

#include <QJsonObject>
#include <QString>

class OpenedSlip;

// The JSON object of the calc command: header, rows, totals, TOTALKIN and panels.
QJsonObject slipJson(const OpenedSlip &slip);

// calc FILE: prints the recalculated slip as JSON on standard output. Throws InputError.
int runCalc(const QString &file);

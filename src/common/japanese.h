#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Dates, weekday names and digit grouping are always Japanese, whatever the desktop says.
QLocale japaneseLocale();

// "2005/05/01 (日曜日)": the date as the status bar shows it.
QString statusBarDate(const QDate &date);

// Maps the Windows face names the settings files use to the IPA fonts of this system.
void installFontSubstitutions();

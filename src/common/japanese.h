#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Dates, weekday names and digit grouping are always Japanese, whatever the desktop says.
QLocale japaneseLocale();

// "2005/05/01 (日曜日)": the date as the status bar shows it.
QString statusBarDate(const QDate &date);

// The program speaks Japanese only, its users are Japanese businesses and its messages are
// Japanese: Qt's own dialogs and buttons (file, colour and print dialogs) are made to speak it
// too, whatever locale the desktop has. Installs Qt's Japanese translations into the running
// application; false when they are not installed on this system.
bool installJapaneseQtTranslations();

// Maps the Windows face names the settings files use to the IPA fonts of this system.
void installFontSubstitutions();

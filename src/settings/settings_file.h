#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QString>

// Settings lines: "[key]=value", one per line, in CP932 files of the program directory.

// The value of the first line of the program-directory file fileName that contains key
// (anywhere in the line, byte for byte), cut to 200 bytes; the empty text when the file or
// the key is missing. Reads the file anew on every call. Throws IoError when the file
// exists but cannot be read.
QString INI_IN(const QString &fileName, const QString &key);

// INI_IN read as a decimal integer; defaultValue when empty or not a number.
int iniInteger(const QString &fileName, const QString &key, int defaultValue);

// True when the value is exactly "1".
bool iniFlag(const QString &fileName, const QString &key);

// Colours are kept as decimal integers of the form 0x00BBGGRR (blue in the high byte) in
// every settings file.
QColor colourFromValue(qint64 value);
int colourValue(const QColor &colour);

// INI_IN read as a colour value; defaultValue when empty or not a number.
QColor iniColour(const QString &fileName, const QString &key, int defaultValue);

// One settings line as a writer emits it: key text with brackets and "=", then the value.
using SettingsLine = QPair<QString, QString>;
using SettingsLines = QList<SettingsLine>;

// Writes the whole program-directory file fileName from the lines, in their order, CR LF,
// replacing the earlier file at once. Throws IoError on failure (the earlier file is kept).
void writeSettingsFile(const QString &fileName, const SettingsLines &lines);

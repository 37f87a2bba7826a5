#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// PRINT.INI: the company block, replacement titles, colours, fonts, print positions and
// options. Many readers look keys up one by one; exactly one writer (the commit of the print
// settings dialog) produces the whole file in the fixed key order below.
namespace PrintIni {

inline constexpr const char *fileName = "PRINT.INI";

// How a value is written and read back.
enum class Form {
    Text,     // free text, written as typed
    FontName, // a font face name
    Integer,  // decimal: millimetres, points, pixels, indices
    Tenths,   // millimetres with one decimal ("2.5"), held as whole tenths
    Colour,   // decimal 0x00BBGGRR
    Flag,     // "1" on; "0" or a missing line off
    WordFlag, // one of two words ("有り"/"無し", "印刷する"/"印刷しない", "御中"/"様")
};

struct KeyInfo
{
    QString key; // "[社名SIZE]=", brackets and "=" included
    Form form;
    QString absent;      // what the settings dialog shows for a missing or empty value
    bool written = true; // false for earlier names the dialog still reads but never writes
};

// Every key the program knows, in the order of the catalogue (company block, positions,
// titles, fonts and colours, lines and frames, options).
const QList<KeyInfo> &catalogue();

// The catalogue entry of a key; nullptr for a key PRINT.INI does not have.
const KeyInfo *find(const QString &key);

// One line of the file as the commit writes it.
struct OrderEntry
{
    QString key;
    int group;               // 1 to 16; group 16 is written after the backup copy is removed
    bool onlyWhenOn = false; // a flag left out of the file while it is off
};

// The fixed order of the file's lines. "[領収証色]=" stands in it twice.
const QList<OrderEntry> &keyOrder();

// Typed readers over INI_IN("PRINT.INI", key).
QString text(const QString &key);
// A decimal integer; defaultValue when empty or not a number.
int integer(const QString &key, int defaultValue);
// A one-decimal millimetre value as whole tenths, cut toward zero ("-1.5" → -15,
// "0.25" → 2); 0 when empty or not a number.
int tenths(const QString &key);
// The same value as a number (0 when empty or not a number).
double fraction(const QString &key);
QColor colour(const QString &key, int defaultValue);
// True when the value is exactly "1".
bool flag(const QString &key);
// True unless the value is exactly offWord: "[住所枠印刷]=" is on unless it says "無し".
bool wordFlag(const QString &key, const QString &offWord);

// Tenths as the writer puts them: the shortest decimal form ("2", "-1.5", "0.2").
QString tenthsText(int tenths);

// The program-wide modes the main window takes from PRINT.INI at start-up and again after
// the settings dialog closes.
struct Modes
{
    bool zeroPrint = false;   // "[ゼロ印字]=1"
    int roundingMode = 0;     // "[端数処理]=": 1 round up, 2 round half up, else truncate
    bool profitRates = false; // "[利益率]=1"
    QString logoPath;         // "[ロゴ]="
};
Modes modes();

// Captions of the six slip-kind check boxes: the design caption unless PRINT.INI holds a
// replacement.
struct SlipKindCaptions
{
    QString NOUHIN;
    QString SEIKYUU;
    QString JURYOU;
    QString HIKAE;
    QString HATYUU;
    QString IRAI;
};
SlipKindCaptions slipKindCaptions();

// The twelve titles of the item grid: design titles with the replacements of PRINT.INI;
// column 3 (the tax-exempt mark) has none; column 11 reads 利益率 or 原価率.
QStringList itemGridTitles(bool profitRates);

} // namespace PrintIni

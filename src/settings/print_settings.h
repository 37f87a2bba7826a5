#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// The print settings as the settings dialog holds them between loading PRINT.INI and the
// commit: one value per catalogue key, in the form its control has it. Loading fills them
// from PRINT.INI and the carry-over files of earlier versions; the commit writes them back
// in the file's key order.
namespace PrintSettings {

// One value per key of the PRINT.INI catalogue. Texts and face names as typed; integers and
// colours as decimal text; tenths keys as whole tenths ("-15" for -1.5 mm); flags and word
// flags as on or off (the word written comes from the catalogue).
class Values
{
public:
    QString text(const QString &key) const;
    void setText(const QString &key, const QString &value);
    // An integer, colour or tenths value; 0 when it is no number.
    int number(const QString &key) const;
    void setNumber(const QString &key, int value);
    bool on(const QString &key) const;
    void setOn(const QString &key, bool on);

    bool operator==(const Values &other) const = default;

private:
    QHash<QString, QString> m_values;
};

// The controls as the dialog is built, before anything is loaded: every key at the value the
// dialog shows when it is missing, the check boxes in their design state.
Values designState();

// Fills the values from PRINT.INI and the carry-over files in the program directory. Flags
// that loading only ever turns on keep their state when the file does not switch them on.
void YOMIKOMI(Values &values);

// The state a restore reloads over: the flags loading only ever turns on are set to what
// the restored file should show when it lacks them; everything else is reset to the design
// state, for the reload to overwrite.
void ALL_CLEAR(Values &values);

// The lines of PRINT.INI for the values, in the file's key order, without line ends.
QStringList fileLines(const Values &values);

// The carry-over files a successful commit deletes, and those it leaves for the layouts
// that still read them.
QStringList retiredCarryOverFiles();

// What loading and committing put into the main window: the titles of some item grid
// columns and the captions of some slip-kind check boxes ("NOUHIN", "SEIKYUU", "JURYOU",
// "HIKAE", "HATYUU", "IRAI"). What is not in the maps keeps its text.
struct MainWindowCaptions
{
    QMap<int, QString> itemGridTitles;
    QMap<QString, QString> slipKindCaptions;
    bool operator==(const MainWindowCaptions &other) const = default;
};

// After loading: the four replaceable column titles or their standard words, column 11 by
// the rate display of PRINT.INI, and the slip-kind captions or their standard words; an
// empty 注文書 title leaves HATYUU as it is.
MainWindowCaptions captionsAfterLoading(const Values &values);

// After a commit: the column titles only where a title is given, every slip-kind caption
// from its title or its standard word.
MainWindowCaptions captionsAfterCommit(const Values &values);

} // namespace PrintSettings

#pragma once

#include "files/slip_commands.h"
#include "slip/calculation.h"
#include "slip/slip_header.h"
#include "slip/string_grid.h"

#include <QObject>
#include <QString>

// The slip being typed, as one document: its header fields and options, the item grid, the
// calculation settings with the totals of the last recalculation, the program-wide slip
// state and the folder saves go to. The main window shows it in its named controls and
// writes their edits into it; the headless commands work on it directly.
//
// The operations talk to the user only through prompter() and reach the window around the
// slip through SlipWindow. Each one that changes the header emits changed() when done.
class Slip : public QObject
{
    Q_OBJECT
public:
    static constexpr int itemColumns = 12;
    static constexpr int blankItemRows = 30;

    explicit Slip(QObject *parent = nullptr);

    SlipHeader header;
    SlipState state;
    // Rounding mode, zero-print flag and rate display in calc.settings; the totals of the
    // last recalculation in calc.totals.
    Calculation calc;

    // The item grid SG1 shows: row 0 the titles, column 0 the row numbers.
    StringGrid &items() { return m_items; }
    const StringGrid &items() const { return m_items; }

    // The folder a save writes into: the current folder of the file browser.
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder) { m_folder = folder; }

    // Keisan: recalculates the item rows and the totals. current is the cell being edited.
    KeisanResult recalculate(GridCell current = {});

    // The consumption tax that line 11 of the slip file holds, worked out from the amounts
    // the item grid holds now and the slip's own tax mode.
    qint64 consumptionTax() const;

    // The last item row with anything in columns 1 to 11; 0 when there is none.
    int lastUsedRow() const;

    // 登録 (SpeedButton5Click): checks, asks, writes the slip file into folder() and advances
    // the counter of a new slip.
    SaveResult save(SlipWindow &window);

    // HAKUSI_CALL: empties the slip (30 numbered empty rows, header fields cleared, DTP1
    // now), sets the new-number flag and hides the totals grid. Keeps KEISYOU, the tax mode
    // and the slip options. Fetches no number and does not recalculate.
    void HAKUSI_CALL(SlipWindow &window);

    // Blanking as loading does it: HAKUSI_CALL, the next slip number, recalculation.
    void blank(SlipWindow &window);

    // 白紙 (SpeedButton11Click and its keys): asks "白紙に戻します。" and blanks on Yes. True
    // when the slip was blanked.
    bool whitePaper(SlipWindow &window);

    // Opens a slip file chosen in the file list (FileListBox1DblClick): blanks, reads, takes
    // the title from the file name, recalculates and clears the new-number flag. An estimate
    // data file is imported by READ_100 instead.
    OpenResult open(const QString &path, SlipWindow &window);

    // READ_100: imports an estimate data file into the blanked slip (customer, title, items),
    // recalculates, clears the new-number flag, and tells the window when the estimate was
    // calculated with another tax mode or rounding method. The slip's tax mode stays.
    OpenResult READ_100(const QString &path, SlipWindow &window);

    // KANREN_YOMIKOMI: opens the file named on the command line into a slip that start-up
    // has emptied with HAKUSI_CALL (no number is fetched for it); the file browser goes to
    // the file's folder and selects it.
    OpenResult KANREN_YOMIKOMI(const QString &path, SlipWindow &window);

signals:
    // An operation changed the header: the window shows it again.
    void changed();

private:
    OpenResult readFile(const QString &path, SlipWindow &window);
    void recalculateAndShow(SlipWindow &window);

    StringGrid m_items{itemColumns, blankItemRows + 1};
    QString m_folder;
};

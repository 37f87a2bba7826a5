#pragma once

#include "files/slip_file.h"
#include "slip/slip_header.h"

#include <QString>
#include <QStringList>

#include <functional>

class StringGrid;

// The slip commands of the main window without the window: save (登録), open, open from the
// command line and blanking (白紙). They work on the slip as a SlipHeader
// plus the item grid, talk to the user only through prompter(), reach the other parts of the
// window through SlipHooks, and report what the window should do next (focus, close).

// Program-wide state of the main window that these commands read and change.
struct SlipState
{
    bool newNumberFlag = false;         // the number shown was just issued by the counter
    bool closeAfterSaveRequest = false; // set by the exit command before it saves
    bool statementMode = false;         // the statement grid is shown
};

// True when files cannot be written into the folder's volume: mounted read-only, or an
// optical disc (CD or DVD).
bool isReadOnlyOrOpticalVolume(const QString &folder);

// The rest of the window as far as the commands need it. Hooks left empty are skipped,
// except consumptionTax and currentFolder, which saving needs.
struct SlipHooks
{
    SlipFile::ConsumptionTax consumptionTax;
    std::function<void()> recalculate; // Keisan
    // File browser.
    std::function<QString()> currentFolder;
    std::function<void()> toggleFilePanel; // the ﾌｧｲﾙ command
    std::function<void()> hideFilePanel;
    // Called before the folder question when PRINT.INI asks for the automatic folder change:
    // moves to the registered folder whose name occurs in NAME1 (or the general folder).
    std::function<void(const QString &NAME1)> automaticFolderChange;
    std::function<void()> refreshFileLists; // re-read both lists, select the last slip file
    std::function<void(const QString &path)> showInFileBrowser; // go to its folder, select it
    // Estimate data files (".MRV", ".115") are imported, not read as slips.
    std::function<void(const QString &path)> importEstimate;
    std::function<void()> hideTotalsGrid;
    std::function<bool(const QString &folder)> refusesSaving = isReadOnlyOrOpticalVolume;
};

// The header box the window should give the focus to after a command.
enum class SlipField { None, NAME1, Bangou, TITLE };

struct SaveResult
{
    bool saved = false;
    bool closeWindow = false;          // the user confirmed "終了します。" after the save
    SlipField focus = SlipField::None; // the box with a character a file name cannot hold
    QString path;                      // the file written
};

// FNAME_CHECK: Bangou and then TITLE may not hold \ / : . ; * ? " < > | (half-width only;
// the full-width forms are fine). Shows the message and returns the offending box, or
// SlipField::None when both are fine.
SlipField FNAME_CHECK(const SlipHeader &header);

// 登録 (SpeedButton5Click): checks, asks, writes the slip file into the current folder and
// advances the counter of a new slip.
SaveResult saveSlip(const SlipHeader &header, const StringGrid &items, SlipState &state,
                    const SlipHooks &hooks);

// HAKUSI_CALL: empties the slip (30 numbered empty rows, header fields cleared, DTP1 now),
// sets the new-number flag and hides the totals grid. Keeps KEISYOU, the tax mode and the
// slip options. Fetches no number and does not recalculate.
void HAKUSI_CALL(SlipHeader &header, StringGrid &items, SlipState &state, const SlipHooks &hooks);

// Blanking as loading does it: HAKUSI_CALL, the next slip number, recalculation. The window
// then gives NAME1 the focus and makes row 1, column 1 current.
void blankSlip(SlipHeader &header, StringGrid &items, SlipState &state, const SlipHooks &hooks);

// 白紙 (SpeedButton11Click and its keys): asks "白紙に戻します。" and blanks on Yes. True when
// the slip was blanked.
bool whitePaperCommand(SlipHeader &header, StringGrid &items, SlipState &state,
                       const SlipHooks &hooks);

struct OpenResult
{
    bool imported = false; // handed to the estimate import instead
};

// Opens a slip file chosen in the file list (FileListBox1DblClick): blanks, reads, takes the
// title from the file name, recalculates and clears the new-number flag. The caller makes
// row 1 current and keeps the list index as the browse position.
OpenResult openSlipFile(const QString &path, SlipHeader &header, StringGrid &items,
                        SlipState &state, const SlipHooks &hooks);

// KANREN_YOMIKOMI: opens the file named on the command line. Start-up calls HAKUSI_CALL
// first (no number is fetched for it); the file browser goes to the file's folder and
// selects it.
void KANREN_YOMIKOMI(const QString &path, SlipHeader &header, StringGrid &items, SlipState &state,
                     const SlipHooks &hooks);

#pragma once

#include "slip/slip_header.h"

#include <QString>

struct KeisanResult;

// What the slip commands (save, open, blank) need of the window around the slip. The main
// window, the headless commands and the tests each implement all of it: there is no part a
// caller may forget to supply.
class SlipWindow
{
public:
    virtual ~SlipWindow() = default;

    // The ﾌｧｲﾙ command: opens or closes the file panel, so that the user can pick a folder.
    virtual void toggleFilePanel() = 0;
    virtual void hideFilePanel() = 0;
    // Called before the folder question when PRINT.INI asks for the automatic folder change:
    // moves to the registered folder whose name occurs in NAME1 (or the general folder) and
    // makes it the slip's folder.
    virtual void automaticFolderChange(const QString &NAME1) = 0;
    // After a save: re-reads both file lists and selects the last slip file.
    virtual void refreshFileListsSelectingLast() = 0;
    // Goes to the folder of the file and selects it in the slip file list.
    virtual void showInFileBrowser(const QString &path) = 0;
    virtual void hideTotalsGrid() = 0;
    // True when nothing can be saved into the folder (see isReadOnlyOrOpticalVolume).
    virtual bool refusesSaving(const QString &folder) = 0;
    // The slip was recalculated: show the total box and the status texts.
    virtual void showCalculation(const KeisanResult &result) = 0;
    // An imported estimate was calculated with another tax mode or rounding method than the
    // slip: the window lets the imported slip be drawn first, then shows the message.
    virtual void showEstimateDifference(const QString &message) = 0;
};

// Program-wide state that the slip commands read and change.
struct SlipState
{
    bool newNumberFlag = false;         // the number shown was just issued by the counter
    bool closeAfterSaveRequest = false; // set by the exit command before it saves
    bool statementMode = false;         // the statement grid is shown
};

// True when files cannot be written into the folder's volume: mounted read-only, or an
// optical disc (CD or DVD).
bool isReadOnlyOrOpticalVolume(const QString &folder);

// The header box the window should give the focus to after a command.
enum class SlipField { None, NAME1, Bangou, TITLE };

struct SaveResult
{
    bool saved = false;
    bool closeWindow = false;          // the user confirmed "終了します。" after the save
    SlipField focus = SlipField::None; // the box with a character a file name cannot hold
    QString path;                      // the file written
};

struct OpenResult
{
    // An estimate data file, imported into the blanked slip.
    bool estimate = false;
    // False when the date line was no date: the slip kept the date of the blanking (now),
    // and the user was told so.
    bool dateRead = true;
};

// FNAME_CHECK: Bangou and then TITLE may not hold \ / : . ; * ? " < > | (half-width only;
// the full-width forms are fine). Shows the message and returns the offending box, or
// SlipField::None when both are fine.
SlipField FNAME_CHECK(const SlipHeader &header);

// True for the estimate data files that go to the import instead of the slip reader: a
// ".MRV" or ".115" file, in any case of the letters.
bool isEstimateFile(const QString &path);

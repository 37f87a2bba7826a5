#pragma once

#include "files/slip_commands.h"
#include "slip/calculation.h"

// The window around the slip in a headless command: there is no file panel, no file list
// and no totals grid to show, and the folder is the one the command line names. What the
// window would show of a recalculation is kept for the command's output.
class HeadlessWindow final : public SlipWindow
{
public:
    KeisanResult shown; // the total box and status texts after the last recalculation

    void toggleFilePanel() override {}
    void hideFilePanel() override {}
    // The command line named the folder: a script's slips stay where it asked for them.
    void automaticFolderChange(const QString &) override {}
    void refreshFileListsSelectingLast() override {}
    void showInFileBrowser(const QString &) override {}
    void hideTotalsGrid() override {}
    bool refusesSaving(const QString &folder) override;
    void showCalculation(const KeisanResult &result) override { shown = result; }
    // The difference of an imported estimate becomes a note on standard error.
    void showEstimateDifference(const QString &message) override;

    QString path; // the file being opened, named in notes
};

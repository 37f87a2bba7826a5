#pragma once

#include "print_settings.h"

#include <QString>

// The commit of the print settings: PRINT.INI is written whole from the dialog's values,
// with PRINT.BAK as the copy of the previous file until the new one is complete, and an
// offer to put that copy back when it is not.
namespace PrintSettings {

// What the commit needs of the dialog that drives it.
class CommitHost
{
public:
    virtual ~CommitHost() = default;
    // The values of the controls.
    virtual Values values() const = 0;
    // The values a restore reloaded.
    virtual void setValues(const Values &values) = 0;
    // The new titles reached PRINT.INI: the main window shows them.
    virtual void titlesCommitted(const MainWindowCaptions &captions) = 0;
    // The category list being edited is saved and the major-category list opened, when
    // the editor is open.
    virtual void saveOpenCategoryList() = 0;
};

enum class CommitOutcome {
    Cancelled, // the question was answered No: nothing written
    Committed, // PRINT.INI holds the values
    Failed,    // PRINT.INI was not written (and the previous file may have been restored)
};

// The 登録 action: asks, keeps PRINT.BAK and writes PRINT.INI of the program directory.
CommitOutcome TOUROKU(CommitHost &host);

// Writes the values into the settings file at path and checks the result: on success the
// carry-over files are retired, on failure the restore from PRINT.BAK is offered.
CommitOutcome SET_TOUROKU(const QString &path, CommitHost &host);

} // namespace PrintSettings

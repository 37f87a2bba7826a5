#pragma once

#include "print_settings.h"

#include <QPoint>

// What the print settings dialog needs of the main window: where it stands, to hide while
// the dialog is up, and the few captions and the zero-print flag that loading and committing
// change at once.
class SettingsDialogHost
{
public:
    virtual ~SettingsDialogHost() = default;
    virtual QPoint hostPosition() const = 0;
    virtual void setHostShown(bool shown) = 0;
    virtual void setZeroPrint(bool on) = 0;
    virtual void applyCaptions(const PrintSettings::MainWindowCaptions &captions) = 0;
};

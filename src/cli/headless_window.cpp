#include "headless_window.h"

#include "cli_output.h"

bool HeadlessWindow::refusesSaving(const QString &folder)
{
    return isReadOnlyOrOpticalVolume(folder);
}

void HeadlessWindow::showEstimateDifference(const QString &message)
{
    printNote(path, message);
}

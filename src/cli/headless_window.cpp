#include "headless_window.h"

#include "cli_errors.h"

bool HeadlessWindow::refusesSaving(const QString &folder)
{
    return isReadOnlyOrOpticalVolume(folder);
}

void HeadlessWindow::importEstimate(const QString &path)
{
    throw InputError(path, QStringLiteral("estimate data files cannot be imported yet"));
}

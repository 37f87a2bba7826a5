#pragma once

#include "cli_arguments.h"

#include <QString>

// render FILE ...: records the slip with the preview twin of the chosen layout on the A4
// virtual printer and writes the pages (and the operations, with --ops); prints the page
// files written. Throws InputError.
int runRender(const QString &file, const RenderOptions &options);

#pragma once

#include "cli_arguments.h"

#include <QString>

// receipt FILE ... and envelope FILE ...: record the receipt or the envelope of the slip with
// the preview twin of its layout and write the pages as render does. Throw InputError.
int runReceipt(const QString &file, const DocumentOptions &document, const RenderOptions &output);
int runEnvelope(const QString &file, const DocumentOptions &document, const RenderOptions &output);

#pragma once

#include "cli_arguments.h"

#include "print/print_preview.h"

#include <QStringList>

// Writes the recorded pages as the render command's output asks: one PDF at target, or one
// file per page in the folder target (created when missing) named after baseName. Returns
// the files written. Throws InputError naming a file or folder that cannot be written.
QStringList writePageFiles(const TPrintPreview &pages, const RenderOptions &options,
                           const QString &baseName);

// Writes a text file whole or not at all. Throws InputError.
void writeWholeFile(const QString &path, const QByteArray &bytes);

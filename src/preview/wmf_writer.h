#pragma once

#include "print/print_preview.h"

#include <QByteArray>
#include <QSize>
#include <QString>

// Placeable Windows Metafiles of recorded pages, for mail attachments that other programs
// open as pictures. The picture is the whole sheet: white, with the recorded page placed at
// the printable area's offsets, and it reports the sheet's size at 96 units per inch.

// The sheet of the page's printer at screen resolution (96 pixels per inch): the size that
// the metafile header reports and the pixel size of an exported page image.
QSize exportPictureSize(const PrinterMetrics &metrics);

// The whole file: the 22-byte placeable header followed by the metafile records.
QByteArray placeableMetafile(const RecordedPage &page);

// Writes the file whole or not at all. Throws IoError.
void writePlaceableMetafile(const QString &path, const RecordedPage &page);

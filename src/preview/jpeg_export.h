#pragma once

#include "print/print_preview.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures of recorded pages for mail attachments: one image per page, or one PDF of all
// pages. Both show the whole sheet with the page at the printable area's offsets.

// The sheet of the page's printer at 96 pixels per inch, white, with the page drawn on it:
// what an exported page looks like (about 794 × 1123 pixels for A4).
QImage renderExportPicture(const RecordedPage &page);

// Baseline 24-bit colour JPEG at the given quality, through libjpeg. Throws MiravoError
// when libjpeg refuses the image.
QByteArray encodeJpeg(const QImage &image, int quality = 90);

// Writes the file whole or not at all. Throws IoError or MiravoError.
void writeJpeg(const QString &path, const QImage &image);

// A vector PDF of all recorded pages, each at its sheet's physical size, with the fonts
// embedded so that the text can be searched and copied. Throws IoError.
QByteArray pagesPdf(const TPrintPreview &pages, const QString &title);
void writePagesPdf(const QString &path, const TPrintPreview &pages, const QString &title);

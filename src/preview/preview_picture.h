#pragma once

#include "print/print_preview.h"

#include <QImage>
#include <QSize>

// The picture the preview window shows for one recorded page: the sheet with its shadow,
// the printable area dotted, and the page drawn where the printer would put it. It is laid
// out in printer pixels on an extent of (physical width + 150) × (physical height + 150).

// The picture's extent in printer pixels.
QSize sheetPictureExtent(const PrinterMetrics &metrics);

// The size at which the picture is shown: its physical size (hundredths of a millimetre,
// as a metafile reports it) converted at the screen's logical resolution, then times the
// zoom factor; each side rounded to the nearest pixel, halves to the even neighbour.
QSize shownPictureSize(const PrinterMetrics &metrics, int screenDpiX, int screenDpiY, double zoom);

// Draws the picture in printer pixels; the caller's painter transform does the scaling.
void paintSheetPicture(QPainter &painter, const RecordedPage &page);

// The picture drawn at shownSize screen pixels on a white ground, for a screen of the
// given device pixel ratio.
QImage renderSheetPicture(const RecordedPage &page, const QSize &shownSize, qreal devicePixelRatio);

// Where an image goes inside a box to be centred: (box - image) / 2, cut toward zero, so a
// larger image gets a negative position and is cut off equally on both sides.
int centredPosition(int boxSize, int imageSize);

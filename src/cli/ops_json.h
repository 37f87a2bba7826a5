#pragma once

#include "print/print_preview.h"

#include <QJsonArray>

// The recorded operations of every page as JSON: an array of pages, each an array of
// operations in drawing order, coordinates in device pixels of the recording printer and
// colours as "0xBBGGRR" text (the form of the settings files):
//   {"kind": "text", "x", "y", "text", "face", "points", "bold", "color"}
//   {"kind": "moveTo" | "lineTo", "x", "y"}
//   {"kind": "roundRect", "x1", "y1", "x2", "y2", "cornerWidth", "cornerHeight"}
//   {"kind": "bitmap", "x", "y", "width", "height"}
//   {"kind": "pen", "color", "width", "style": "solid" | "dotted"}
//   {"kind": "brush", "color", "style": "solid" | "diagonalCross" | "bitmap"}
// A pen or brush operation stands before the first drawing that uses a pen or brush other
// than the one in effect: lines and rectangles draw with the pen, rectangles fill with the
// brush.
QJsonArray pagesJson(const TPrintPreview &pages);
QJsonArray pageJson(const RecordedPage &page);

// "0xBBGGRR" of a colour.
QString colourValueText(const QColor &colour);

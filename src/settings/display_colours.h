#pragma once

#include <QColor>
#include <QStringList>

#include <array>

// A colour as every settings file holds it: a decimal integer 0x00BBGGRR (blue in the high
// byte).
using ColourValue = qint32;

// The system's button-face colour. Settings files store it under the value the system
// colour constants have always had (0x8000000F), so files written by earlier versions and
// by this one read the same.
constexpr ColourValue buttonFaceColour = qint32(0x8000000F);

// The colour a value stands for on screen: colourFromValue of the settings files, except that
// the button face follows the desktop palette. The way back is colourValue.
QColor toQColor(ColourValue value);

// The colours of the main window's grids and editors, kept for the whole run.
struct DisplayColours
{
    // Background of the focused header field or choice list and of the in-cell editors.
    ColourValue focus = 65535;
    // Item grid SG1: fixed cells, alternate rows, text of the fixed cells.
    ColourValue itemFixed = 16744576;
    ColourValue itemStripe = 16700369;
    ColourValue itemFixedText = 16777215;
    // Parts grid SG2 (the fixed colour also paints both category bars).
    ColourValue partsFixed = buttonFaceColour;
    ColourValue partsStripe = 15658734;
    ColourValue partsFixedText = 0;
    // The bar over the selected row of the parts grid.
    ColourValue colourBar = 65280;
    // Text colours of columns 1..11 of both grids, at index 0..10.
    std::array<ColourValue, 11> columnText{};

    // The text colour of a grid column 1..11; 0 (black) for any other column.
    ColourValue columnTextColour(int column) const;

    bool operator==(const DisplayColours &) const = default;
};

// The colour commands of the main window. Each walks its sequence of messages and colour
// choosers through prompter() and changes the colours the user confirmed; the caller then
// applies them to its grids and editors and repaints.

// ﾌｫｰｶｽ色: true when a colour was chosen.
bool chooseFocusColour(DisplayColours &colours);

// ｸﾞﾘｯﾄﾞ色: fixed cells, their text and the stripes of the item grid; the final No puts the
// three back to their initial values.
void chooseItemGridColours(DisplayColours &colours);

// 文字色: the text colour of each item-grid column 1, 2 and 4..11, announced by the column
// titles (columnTitles holds the titles of columns 0..11).
void chooseColumnTextColours(DisplayColours &colours, const QStringList &columnTitles);

// グリッド色設定 of the parts grid: its three colours and the colour bar.
void choosePartsGridColours(DisplayColours &colours);

#pragma once

#include "common/tax_mode.h"
#include "settings/display_colours.h"
#include "settings/main_menu_keys.h"

#include <QString>

// How the user left the main window, as SET2.INI keeps it between runs. The main window
// copies its controls into this value (at start-up before reading, so that what the file
// does not mention keeps the window's design state, and again at close before writing) and
// applies it to its controls after reading.
struct ScreenSettings
{
    int PRN_S = 0;      // layout choice: 0 5 rows, 1 7 rows, 2 24 rows, 3 36 rows
    bool Sunpou = true; // 形状・寸法 column shown
    int MUKI = 0;       // orientation choice; 1 is ヨコ
    DisplayColours colours;
    bool commandLabel8Visible = true; // written for older readers, never read back
    QString dataPath;                 // the slip folder (empty: keep the current one)
    QString KAKERITU;
    QString MARUME = QStringLiteral("0");
    int top = 0; // window position as stored; see placeWithin()
    int left = 0;
    QString netPath;             // the file panel's network path box, only kept
    bool partsAutoOpen = true;   // parts list AUTOBTN 入 (切 when off)
    bool partsInsertMode = true; // parts list INSBTN 挿 (次 when off)
    MainMenuKeys keys;           // function keys and command-label hints
    // Width layout of the category bars: 0 keeps the 997-pixel BUHIN_Bar, 1 is 632, 2 is 715.
    int categoryBarLayout = 2;

    // A stored window coordinate is used only when the window is at least that large;
    // otherwise the window goes to 0.
    static int placeWithin(int stored, int windowExtent);

    static int categoryBarWidth(int layout);
    static int categoryBarLayoutForWidth(int buhinBarWidth);
};

// Reads SET2.INI into the settings. Resets first what the file's reader has always reset
// (display colours, MARUME "0", position 0/0, both parts-list modes on, the design
// shortcuts without function keys and empty label hints), then applies each
// line. A missing file leaves those initial values. A value that is not a valid number is
// skipped and the rest of the file is still read. Also takes "[分類幅]=" through INI_IN.
// Throws IoError when the file exists but cannot be read.
void SET2_YOMIKOMI(ScreenSettings &settings);

// Writes SET2.INI whole from the settings, replacing the earlier file at once. Throws
// IoError on failure (the earlier file is kept).
void SET2_KAKIDASI(const ScreenSettings &settings);

// The slip folder to use at start-up: the stored one when it exists, otherwise the current
// one after telling the user so. An empty stored folder keeps the current one silently.
QString chooseDataFolder(const QString &stored, const QString &current);

// The remembered choices of SEIKYUU.INI: slip kinds, tax mode, honorific, A5.
struct RememberedChoices
{
    bool NOUHIN = false;
    bool SEIKYUU = false;
    bool JURYOU = false;
    bool HIKAE = false;
    TaxMode taxMode = TaxMode::Exclusive;
    int honorificIndex = 0; // item index of KEISYOU; -1 when none is selected
    bool A5 = false;

    bool operator==(const RememberedChoices &) const = default;
};

// Reads SEIKYUU.INI onto the choices the window starts with: a line can only check a box or
// select a radio button, never clear one, so a box that starts checked stays checked.
void SEIKYUU_YOMIKOMI(RememberedChoices &choices);

// Writes SEIKYUU.INI whole. Throws IoError on failure.
void SEIKYUU_KAKIDASI(const RememberedChoices &choices);

#pragma once

#include "settings/display_colours.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The header fields whose drop-down items the user keeps: the honorific, the person who
// enters the slip, and three boxes that only older slips fill. Each list lives in a list
// file of the program directory, one entry per line, read and written whole.
enum class ChoiceBox { Nouki, Basyo, KEISYOU, Kigen, Tanto };

namespace ChoiceLists {

constexpr int boxCount = 5;

// The boxes in the order they are written at close, which is also the order in which the
// right-click menu looks for the box it serves.
constexpr std::array<ChoiceBox, boxCount> boxOrder = {
    ChoiceBox::Nouki, ChoiceBox::Basyo, ChoiceBox::KEISYOU, ChoiceBox::Kigen, ChoiceBox::Tanto};

// "Nouki.LST", "Basyo.LST", "KEISYOU.LST", "Kigen.LST", "Tanto.LST".
QString fileName(ChoiceBox box);

// 様, 御中, 殿: the honorifics the box offers before any list file exists.
QStringList builtInHonorifics();

// The honorifics at start-up: KEISYOU.LST, else Joken.LST (the list of the first run),
// else the built-in ones.
QStringList honorificsAtStartup();

// The items of one box (index of boxOrder), e.g. taken from the window's combo boxes.
using BoxItems = std::array<QStringList, boxCount>;

// Writes every list file at close, in boxOrder. The first failure throws IoError and the
// files after it are not written.
void writeAll(const BoxItems &items);

// The box the right-click menu serves: the first in boxOrder whose background is the focus
// colour (the box that has the focus), -1 when none is.
int servedBox(const std::array<ColourValue, boxCount> &backgrounds, ColourValue focusColour);

// 追加: the typed text goes to the top of the list, duplicates allowed. False (nothing
// done) for an empty text.
bool addChoice(QStringList &items, const QString &text);

// 削除: removes the selected item when it is the text the box shows; otherwise tells the
// user the text is not in the list. selectedIndex becomes -1 after a removal. True when an
// item was removed.
bool deleteChoice(QStringList &items, int &selectedIndex, const QString &text);

} // namespace ChoiceLists

// Loads a list file of the program directory: its lines in file order, nothing when the
// file does not exist (the box then keeps what it has). Throws IoError when the file exists
// but cannot be read.
std::optional<QStringList> COMBO_YOMIKOMI(const QString &fileName);

// Writes a list file whole: every item followed by CR LF; an empty list gives an empty file.
// Throws IoError on failure, leaving the earlier file as it was.
void COMBO_KAKIDASI(const QStringList &items, const QString &fileName);

#pragma once

#include <QKeySequence>
#include <QString>

#include <array>

// The keys of the hidden main menu `MainMenu1` as SET2.INI knows them: items by index, their
// design shortcuts, and which item each label of the command strip stands for. What the items
// run is the main window's business.
namespace MainMenu {

constexpr int itemCount = 25;
constexpr int labelCount = 12;

// The shortcut an item has by design: Ctrl+digit (Ctrl+- and Ctrl+¥ included) for items 0 to
// 12, none for the function-key items. The order is part of SET2.INI: function keys are stored
// there by item index, so an item must never be inserted or moved.
QKeySequence designShortcut(int item);

// The index of the function-key item that stands for the label 1..12 (the item whose tag is
// the label number), -1 for any other number.
int itemForLabel(int label);

// F1..F12 as a key sequence and back (0 when the sequence is not a plain function key).
QKeySequence functionKeySequence(int key);
int functionKeyNumber(const QKeySequence &sequence);

// The hint a label shows for its function key: "F-1" .. "F-12".
QString hintForKey(int key);

} // namespace MainMenu

// The run-time shortcuts of the main menu items and the hints of the command labels: what the
// user changes by assigning function keys, and what SET2.INI keeps. The hints are state of
// their own: a label keeps its "F-n" hint after its key moved to another label, until the
// user assigns that label again.
class MainMenuKeys
{
public:
    MainMenuKeys(); // the design shortcuts, no function keys, empty hints

    QKeySequence shortcut(int item) const;
    // The function key (1..12) the item carries, 0 when none.
    int functionKey(int item) const;

    // The item that acts on a key: the first in menu order carrying it (Ctrl+5 stands on two
    // items; the first wins), -1 when none does.
    int itemForKey(const QKeySequence &key) const;

    // Gives function key 1..12 to the item (replacing whatever shortcut it had) and takes it
    // from every other item, so that a key never stands on two items.
    void giveFunctionKey(int item, int key);

    // The label menu's choice: beep, take the key from the items that carry it, give it to
    // the item of the label (1..12), and show it as the label's hint. Key 0 (設定しない)
    // clears that item's shortcut and the label's hint.
    void MENU_ITEM(int label, int key);

    QString hint(int label) const;
    void setHint(int label, const QString &hint);

private:
    std::array<QKeySequence, MainMenu::itemCount> m_shortcuts;
    std::array<QString, MainMenu::labelCount> m_hints;
};

#pragma once

#include <QColor>
#include <QKeySequence>
#include <QString>

#include <array>

// The commands that the hidden main menu, the command strip under the item grid and the
// function keys run. The main window maps each to its handler.
enum class MenuCommand {
    None, // the hidden 設定 item: its Ctrl+- shortcut is reserved and runs nothing
    PartsCatalogue,
    Focus,
    Exit,
    FilePanel,
    Save,
    Print,
    Blank,
    CustomerList,
    RowInsert,
    RowDelete,
    Settings,
    Rate,
};

// One item of the hidden main menu `MainMenu1`. Only its shortcut acts.
struct MainMenuItem
{
    QString name;
    QString caption;
    QKeySequence designShortcut; // empty for the function-key items
    int tag = 0;                 // 1..12 for the function-key items, 0 for the others
    MenuCommand command = MenuCommand::None;
};

// One clickable label of the command strip (`StaticText7` .. `StaticText18`).
struct CommandLabel
{
    QString name;
    QString caption;
    MenuCommand command = MenuCommand::None;
    QColor background;
    QColor text;
};

namespace MainMenu {

constexpr int itemCount = 25;
constexpr int labelCount = 12;

// The items in menu order. The order is part of SET2.INI: function keys are stored there by
// item index, so an item must never be inserted or moved.
const std::array<MainMenuItem, itemCount> &items();

// The index of the item whose tag is the given label number (1..12).
int itemForLabel(int label);

// The labels, position 1..12 at index 0..11.
const std::array<CommandLabel, labelCount> &labels();

// The label in front of the strip (`StaticText1`) and its hint.
QString ctrlLabelCaption();
QString ctrlLabelHint();

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
    MenuCommand commandForKey(const QKeySequence &key) const;

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

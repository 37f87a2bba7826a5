#pragma once

#include "settings/main_menu_keys.h"

#include <QColor>
#include <QKeySequence>
#include <QString>

#include <array>

// The commands that the hidden main menu, the command strip under the item grid, the toolbar
// and the function keys run. Each has one action in the window (CommandActions).
enum class MenuCommand {
    None, // no command: a key that no item carries
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

// One item of the hidden main menu `MainMenu1`. Only its shortcut acts; the shortcut itself
// is kept with the keys (MainMenu::designShortcut, MainMenuKeys).
struct MainMenuItem
{
    QString name;
    QString caption;
    int tag = 0; // 1..12 for the function-key items, 0 for the others
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

// The items in menu order, index for index with the keys of MainMenuKeys.
const std::array<MainMenuItem, itemCount> &items();

// The labels, position 1..12 at index 0..11.
const std::array<CommandLabel, labelCount> &labels();

// The label in front of the strip (`StaticText1`) and its hint.
QString ctrlLabelCaption();
QString ctrlLabelHint();

// The command a key runs with these keys: that of the first item carrying it, None when no
// item does.
MenuCommand commandForKey(const MainMenuKeys &keys, const QKeySequence &key);

} // namespace MainMenu

#pragma once

#include "main_menu.h"

#include <QObject>

#include <array>
#include <functional>

class MainMenuKeys;
class QAction;
class QWidget;

// One action per item of the main menu, owned by the window whose shortcuts they are. The
// toolbar buttons, the command strip labels, the Ctrl shortcuts and the function keys all
// trigger these actions, so a command has one handler and one enabled state wherever the user
// reaches it from. An item whose command has no handler stays disabled: its buttons and labels
// show it, and its keys pass through to the control as if unassigned. The toolbar commands
// without a menu item get an action here too, so that no button is wired on its own.
class CommandActions : public QObject
{
    Q_OBJECT
public:
    explicit CommandActions(QWidget *window);

    // The action of main-menu item 0..24 (nullptr outside); the menu's item name is its
    // object name.
    QAction *item(int index) const;
    // The action the command strip label 1..12 triggers: its function-key item.
    QAction *label(int position) const;
    // The first item in menu order that runs the command: what its toolbar button triggers.
    QAction *command(MenuCommand command) const;

    // Makes every item of the command run the handler, and enables them.
    void setHandler(MenuCommand command, std::function<void()> handler);

    // An action for a toolbar command that has no menu item (paging, preview, manual, ...):
    // disabled when the handler is empty, because the feature is not built yet.
    QAction *addToolbarCommand(const QString &name, std::function<void()> handler);

    // Puts the keys on the actions. A key standing on two items acts on the first only, as the
    // menu always did; the later item gets no shortcut rather than an ambiguous one that Qt
    // would refuse to run on either.
    void applyKeys(const MainMenuKeys &keys);

    // Keeps a control's enabled state with the action's.
    static void followEnabled(QWidget *control, QAction *action);

private:
    std::array<QAction *, MainMenu::itemCount> m_actions{};
};

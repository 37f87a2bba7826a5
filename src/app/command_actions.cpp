#include "command_actions.h"

#include "settings/main_menu_keys.h"

#include <QAction>
#include <QWidget>

namespace {

// The ¥ key of a Japanese keyboard reaches us as Yen or as Backslash depending on the
// keyboard layout of the desktop; an action answers to both.
QList<QKeySequence> withBackslashForYen(const QKeySequence &key)
{
    QList<QKeySequence> keys{key};
    if (key.count() == 1 && key[0].key() == Qt::Key_yen)
        keys.append(QKeySequence(QKeyCombination(key[0].keyboardModifiers(), Qt::Key_Backslash)));
    return keys;
}

} // namespace

CommandActions::CommandActions(QWidget *window)
    : QObject(window)
{
    for (int index = 0; index < MainMenu::itemCount; ++index) {
        const MainMenuItem &entry = MainMenu::items()[size_t(index)];
        auto *action = new QAction(entry.caption, this);
        action->setObjectName(entry.name);
        // A held key runs its command once; a repeated save or print is never wanted.
        action->setAutoRepeat(false);
        action->setEnabled(false);
        // The window's shortcuts act only while it is shown and active, so not while a dialog
        // or the preview window hides it.
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        m_actions[size_t(index)] = action;
    }
    applyKeys(MainMenuKeys());
}

QAction *CommandActions::item(int index) const
{
    return index >= 0 && index < MainMenu::itemCount ? m_actions[size_t(index)] : nullptr;
}

QAction *CommandActions::label(int position) const
{
    return item(MainMenu::itemForLabel(position));
}

QAction *CommandActions::command(MenuCommand command) const
{
    for (int index = 0; index < MainMenu::itemCount; ++index) {
        if (MainMenu::items()[size_t(index)].command == command)
            return m_actions[size_t(index)];
    }
    return nullptr;
}

void CommandActions::setHandler(MenuCommand command, std::function<void()> handler)
{
    if (command == MenuCommand::None)
        return;
    for (int index = 0; index < MainMenu::itemCount; ++index) {
        if (MainMenu::items()[size_t(index)].command != command)
            continue;
        QAction *action = m_actions[size_t(index)];
        connect(action, &QAction::triggered, this, [handler] { handler(); });
        action->setEnabled(true);
    }
}

QAction *CommandActions::addToolbarCommand(const QString &name, std::function<void()> handler)
{
    auto *action = new QAction(name, this);
    action->setObjectName(name);
    action->setEnabled(bool(handler));
    if (handler)
        connect(action, &QAction::triggered, this, [handler] { handler(); });
    return action;
}

void CommandActions::applyKeys(const MainMenuKeys &keys)
{
    for (int index = 0; index < MainMenu::itemCount; ++index) {
        const QKeySequence key = keys.shortcut(index);
        const bool acts = !key.isEmpty() && keys.itemForKey(key) == index;
        m_actions[size_t(index)]->setShortcuts(acts ? withBackslashForYen(key)
                                                    : QList<QKeySequence>());
    }
}

void CommandActions::followEnabled(QWidget *control, QAction *action)
{
    control->setEnabled(action->isEnabled());
    connect(action, &QAction::enabledChanged, control, &QWidget::setEnabled);
}

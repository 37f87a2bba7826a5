#include "main_menu_keys.h"

#include "common/prompter.h"

#include <QStringLiteral>

namespace {

bool validItem(int item)
{
    return item >= 0 && item < MainMenu::itemCount;
}

bool validLabel(int label)
{
    return label >= 1 && label <= MainMenu::labelCount;
}

// The ¥ key of a Japanese keyboard reaches us as Yen or as Backslash depending on the
// keyboard layout of the desktop; both mean the rate shortcut.
QKeySequence normalised(const QKeySequence &key)
{
    if (key.count() == 1 && key[0].key() == Qt::Key_Backslash)
        return QKeySequence(QKeyCombination(key[0].keyboardModifiers(), Qt::Key_yen));
    return key;
}

} // namespace

namespace MainMenu {

QKeySequence designShortcut(int item)
{
    // 部品, SG1ﾌｫｰｶｽ, 終了, ファイル, 登録, 印刷, 白紙, 顧客, 行挿入, 行削除, 設定, key, 掛率.
    static const std::array<Qt::Key, 13> ctrlKeys = {
        Qt::Key_5, Qt::Key_0, Qt::Key_1, Qt::Key_2,     Qt::Key_3, Qt::Key_4,  Qt::Key_6,
        Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Minus, Qt::Key_5, Qt::Key_yen};
    if (item < 0 || item >= int(ctrlKeys.size()))
        return {};
    return QKeySequence(Qt::CTRL | ctrlKeys[size_t(item)]);
}

int itemForLabel(int label)
{
    // The function-key items follow the thirteen Ctrl items in label order.
    return validLabel(label) ? 12 + label : -1;
}

QKeySequence functionKeySequence(int key)
{
    if (key < 1 || key > 12)
        return {};
    return QKeySequence(Qt::Key(Qt::Key_F1 + key - 1));
}

int functionKeyNumber(const QKeySequence &sequence)
{
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return 0;
    const int key = sequence[0].key();
    return key >= Qt::Key_F1 && key <= Qt::Key_F12 ? key - Qt::Key_F1 + 1 : 0;
}

QString hintForKey(int key)
{
    return key >= 1 && key <= 12 ? QStringLiteral("F-%1").arg(key) : QString();
}

} // namespace MainMenu

MainMenuKeys::MainMenuKeys()
{
    for (int i = 0; i < MainMenu::itemCount; ++i)
        m_shortcuts[i] = MainMenu::designShortcut(i);
}

QKeySequence MainMenuKeys::shortcut(int item) const
{
    return validItem(item) ? m_shortcuts[item] : QKeySequence();
}

int MainMenuKeys::functionKey(int item) const
{
    return MainMenu::functionKeyNumber(shortcut(item));
}

int MainMenuKeys::itemForKey(const QKeySequence &key) const
{
    const QKeySequence wanted = normalised(key);
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < MainMenu::itemCount; ++i) {
        if (m_shortcuts[i] == wanted)
            return i;
    }
    return -1;
}

void MainMenuKeys::giveFunctionKey(int item, int key)
{
    const QKeySequence sequence = MainMenu::functionKeySequence(key);
    if (!validItem(item) || sequence.isEmpty())
        return;
    for (QKeySequence &shortcut : m_shortcuts) {
        if (shortcut == sequence)
            shortcut = QKeySequence();
    }
    m_shortcuts[item] = sequence;
}

void MainMenuKeys::MENU_ITEM(int label, int key)
{
    prompter().beep();
    if (!validLabel(label))
        return;
    const QKeySequence sequence = MainMenu::functionKeySequence(key);
    for (int i = 0; i < MainMenu::itemCount; ++i) {
        if (!sequence.isEmpty() && m_shortcuts[i] == sequence)
            m_shortcuts[i] = QKeySequence();
        if (i == MainMenu::itemForLabel(label))
            m_shortcuts[i] = sequence;
    }
    m_hints[label - 1] = MainMenu::hintForKey(key);
}

QString MainMenuKeys::hint(int label) const
{
    return validLabel(label) ? m_hints[label - 1] : QString();
}

void MainMenuKeys::setHint(int label, const QString &hint)
{
    if (validLabel(label))
        m_hints[label - 1] = hint;
}

#include "main_menu.h"

#include "common/prompter.h"

#include <QStringLiteral>

namespace {

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

MainMenuItem item(const char *name, const char *caption, QKeySequence shortcut, int tag,
                  MenuCommand command)
{
    return {QString::fromUtf8(name), QString::fromUtf8(caption), shortcut, tag, command};
}

CommandLabel label(int number, const char *caption, MenuCommand command, QColor background,
                   QColor text)
{
    return {QStringLiteral("StaticText%1").arg(number + 6), QString::fromUtf8(caption), command,
            background, text};
}

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

const std::array<MainMenuItem, itemCount> &items()
{
    using C = MenuCommand;
    static const std::array<MainMenuItem, itemCount> menu = {
        item("N8", "部品", ctrl(Qt::Key_5), 0, C::PartsCatalogue),
        item("SG11", "SG1ﾌｫｰｶｽ", ctrl(Qt::Key_0), 0, C::Focus),
        item("Exit1", "終了", ctrl(Qt::Key_1), 0, C::Exit),
        item("File1", "ファイル", ctrl(Qt::Key_2), 0, C::FilePanel),
        item("Post1", "登録", ctrl(Qt::Key_3), 0, C::Save),
        item("N17", "印刷", ctrl(Qt::Key_4), 0, C::Print),
        item("N18", "白紙", ctrl(Qt::Key_6), 0, C::Blank),
        item("N19", "顧客", ctrl(Qt::Key_7), 0, C::CustomerList),
        item("N20", "行挿入", ctrl(Qt::Key_8), 0, C::RowInsert),
        item("N21", "行削除", ctrl(Qt::Key_9), 0, C::RowDelete),
        item("N22", "設定", ctrl(Qt::Key_Minus), 0, C::None),
        item("key1", "key", ctrl(Qt::Key_5), 0, C::PartsCatalogue),
        item("N24", "掛率", ctrl(Qt::Key_yen), 0, C::Rate),
        item("F11", "F1終了", {}, 1, C::Exit),
        item("F21", "F2ファイル", {}, 2, C::FilePanel),
        item("F31", "F3登録", {}, 3, C::Save),
        item("F41", "F4印刷", {}, 4, C::Print),
        item("F51", "F5部品", {}, 5, C::PartsCatalogue),
        item("F61", "F6白紙", {}, 6, C::Blank),
        item("F71", "F7顧客", {}, 7, C::CustomerList),
        item("F81", "F8挿入", {}, 8, C::RowInsert),
        item("F91", "F9削除", {}, 9, C::RowDelete),
        item("F101", "F10ﾌｫｰｶｽ", {}, 10, C::Focus),
        item("F111", "F11設定", {}, 11, C::Settings),
        item("F121", "F12掛率", {}, 12, C::Rate),
    };
    return menu;
}

int itemForLabel(int label)
{
    for (int i = 0; i < itemCount; ++i) {
        if (items()[i].tag == label)
            return i;
    }
    return -1;
}

const std::array<CommandLabel, labelCount> &labels()
{
    using C = MenuCommand;
    const QColor paleYellow(0xFF, 0xFF, 0xE1);
    const QColor navy(0x00, 0x00, 0x80);
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    static const std::array<CommandLabel, labelCount> strip = {
        label(1, "1 終了", C::Exit, paleYellow, navy),
        label(2, "2 ﾌｧｲﾙ", C::FilePanel, paleYellow, navy),
        label(3, "3 登録", C::Save, paleYellow, navy),
        label(4, "4 印刷", C::Print, paleYellow, navy),
        label(5, "5 部品", C::PartsCatalogue, QColor(0x00, 0xFF, 0xFF), black),
        label(6, "6 白紙", C::Blank, paleYellow, navy),
        label(7, "7 顧客", C::CustomerList, QColor(0x00, 0xFF, 0x00), black),
        label(8, "8 行挿入", C::RowInsert, QColor(0xA6, 0xCA, 0xF0), white),
        label(9, "9 行削除", C::RowDelete, QColor(0xFF, 0x00, 0x00), white),
        label(10, "0 ﾌｫｰｶｽ", C::Focus, paleYellow, navy),
        label(11, "- 設定", C::Settings, paleYellow, navy),
        label(12, "￥ 掛率", C::Rate, QColor(0x00, 0x80, 0x00), black),
    };
    return strip;
}

QString ctrlLabelCaption()
{
    return QStringLiteral("Ctrl+");
}

QString ctrlLabelHint()
{
    return QStringLiteral("ｼｮｰﾄｶｯﾄｷｰCtrl＋テンキーでない数字を押して下さい。");
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
        m_shortcuts[i] = MainMenu::items()[i].designShortcut;
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

MenuCommand MainMenuKeys::commandForKey(const QKeySequence &key) const
{
    const int item = itemForKey(key);
    return item < 0 ? MenuCommand::None : MainMenu::items()[item].command;
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
        if (MainMenu::items()[i].tag == label)
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

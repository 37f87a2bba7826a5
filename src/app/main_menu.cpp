#include "main_menu.h"

#include <QStringLiteral>

namespace {

MainMenuItem item(const char *name, const char *caption, int tag, MenuCommand command)
{
    return {QString::fromUtf8(name), QString::fromUtf8(caption), tag, command};
}

CommandLabel label(int number, const char *caption, MenuCommand command, QColor background,
                   QColor text)
{
    return {QStringLiteral("StaticText%1").arg(number + 6), QString::fromUtf8(caption), command,
            background, text};
}

} // namespace

namespace MainMenu {

const std::array<MainMenuItem, itemCount> &items()
{
    using C = MenuCommand;
    static const std::array<MainMenuItem, itemCount> menu = {
        item("N8", "部品", 0, C::PartsCatalogue),
        item("SG11", "SG1ﾌｫｰｶｽ", 0, C::Focus),
        item("Exit1", "終了", 0, C::Exit),
        item("File1", "ファイル", 0, C::FilePanel),
        item("Post1", "登録", 0, C::Save),
        item("N17", "印刷", 0, C::Print),
        item("N18", "白紙", 0, C::Blank),
        item("N19", "顧客", 0, C::CustomerList),
        item("N20", "行挿入", 0, C::RowInsert),
        item("N21", "行削除", 0, C::RowDelete),
        // Ctrl+- opens the settings dialog like its label "- 設定" says.
        item("N22", "設定", 0, C::Settings),
        item("key1", "key", 0, C::PartsCatalogue),
        item("N24", "掛率", 0, C::Rate),
        item("F11", "F1終了", 1, C::Exit),
        item("F21", "F2ファイル", 2, C::FilePanel),
        item("F31", "F3登録", 3, C::Save),
        item("F41", "F4印刷", 4, C::Print),
        item("F51", "F5部品", 5, C::PartsCatalogue),
        item("F61", "F6白紙", 6, C::Blank),
        item("F71", "F7顧客", 7, C::CustomerList),
        item("F81", "F8挿入", 8, C::RowInsert),
        item("F91", "F9削除", 9, C::RowDelete),
        item("F101", "F10ﾌｫｰｶｽ", 10, C::Focus),
        item("F111", "F11設定", 11, C::Settings),
        item("F121", "F12掛率", 12, C::Rate),
    };
    return menu;
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

MenuCommand commandForKey(const MainMenuKeys &keys, const QKeySequence &key)
{
    const int item = keys.itemForKey(key);
    return item < 0 ? MenuCommand::None : items()[size_t(item)].command;
}

} // namespace MainMenu

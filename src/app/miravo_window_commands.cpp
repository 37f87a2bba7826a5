// The commands of the window: main-menu shortcuts, the command strip, function keys and the
// context menus, and the recalculation they share.
#include "miravo_window.h"

#include "common/program_dir.h"
#include "common/prompter.h"
#include "files/file_browser_panel.h"
#include "master/choice_list_box.h"
#include "master/choice_lists.h"
#include "slip/item_cell_editors.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

void TMIRAVO::Keisan()
{
    showCalculation(slip.recalculate(GridCell{SG1->col(), SG1->row()}));
}

void TMIRAVO::showCalculation(const KeisanResult &result)
{
    TOTALKIN->setText(result.TOTALKIN);
    // An amount beyond the money range also empties what the number editor holds.
    if (result.clearNumberEditor && NumP->isVisible())
        NumEdit1->setValue(QString());
    for (int panel = 2; panel <= 6; ++panel)
        setPanelText(panel, result.statusPanel(panel));
}

void TMIRAVO::SpeedButton26Click()
{
    const QString manual = programFile(QStringLiteral("MIRAVO_man.htm"));
    if (!QFileInfo::exists(manual)) {
        prompter().information(QStringLiteral("説明書ファイルは組み込まれていません。\r\n\r\n"));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}

void TMIRAVO::runCommand(MenuCommand command)
{
    switch (command) {
    case MenuCommand::Exit:
        SpeedButton4Click();
        break;
    case MenuCommand::FilePanel:
        SpeedButton3Click();
        break;
    case MenuCommand::Save:
        SpeedButton5Click();
        break;
    case MenuCommand::Blank:
        SpeedButton11Click();
        break;
    case MenuCommand::Print:
        SpeedButton6Click();
        break;
    case MenuCommand::Focus:
        if (EditP->isVisible() || NumP->isVisible())
            NAME1->setFocus(Qt::ShortcutFocusReason);
        else
            SG1->setFocus(Qt::ShortcutFocusReason);
        break;
    case MenuCommand::None:
    case MenuCommand::PartsCatalogue:
    case MenuCommand::CustomerList:
    case MenuCommand::RowInsert:
    case MenuCommand::RowDelete:
    case MenuCommand::Settings:
    case MenuCommand::Rate:
        // Not part of the program yet.
        break;
    }
}

// The main menu is hidden; only its shortcuts act, and only while the window is shown.
bool TMIRAVO::handleShortcut(QKeyEvent *event)
{
    if (!isVisible() || event->key() == Qt::Key_unknown || event->isAutoRepeat())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    int key = event->key();
    if (key == Qt::Key_yen)
        key = Qt::Key_Backslash;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(key)));
    if (screenSettings.keys.itemForKey(pressed) < 0)
        return false;
    runCommand(screenSettings.keys.commandForKey(pressed));
    return true;
}

void TMIRAVO::MENU_ITEM(int label, int key)
{
    screenSettings.keys.MENU_ITEM(label, key);
    for (int position = 1; position <= MainMenu::labelCount; ++position)
        commandLabels.at(position - 1)->setToolTip(screenSettings.keys.hint(position));
}

void TMIRAVO::showFunctionKeyMenu(int label)
{
    QMenu PopupMenu13(this);
    for (int key = 1; key <= 12; ++key)
        PopupMenu13.addAction(QStringLiteral("F%1").arg(key), this,
                              [this, label, key] { MENU_ITEM(label, key); });
    PopupMenu13.addAction(QStringLiteral("設定しない"), this,
                          [this, label] { MENU_ITEM(label, 0); });
    PopupMenu13.exec(QCursor::pos());
}

void TMIRAVO::addWidthSetEntries(QMenu &menu)
{
    menu.addAction(QStringLiteral("セル幅設定１保存"), this, [this] { saveWidthSet(1); });
    menu.addAction(QStringLiteral("セル幅設定２保存(起動時用)"), this, [this] { saveWidthSet(2); });
    menu.addAction(QStringLiteral("セル幅設定１呼び出し"), this, [this] { loadWidthSet(1); });
    menu.addAction(QStringLiteral("セル幅設定２呼び出し(起動時用)"), this,
                   [this] { loadWidthSet(2); });
    menu.addAction(QStringLiteral("セル幅設定既定値呼び出し"), this, &TMIRAVO::SpeedButton22Click);
}

void TMIRAVO::buildMenus()
{
    // The command strip: a click runs the label's command, the right button assigns a key.
    for (int position = 1; position <= MainMenu::labelCount; ++position)
        commandLabels.at(position - 1)->installEventFilter(this);

    // The item grid's menu and the in-cell editors' menu carry the column width sets.
    SG1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SG1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu PopupMenu1(this);
        addWidthSetEntries(PopupMenu1);
        PopupMenu1.exec(SG1->viewport()->mapToGlobal(at));
    });
    Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu PopupMenu5(this);
        PopupMenu5.addAction(QStringLiteral("コピー(&C)"), Edit1, &QLineEdit::copy);
        PopupMenu5.addAction(QStringLiteral("貼り付け(&P)"), Edit1, &QLineEdit::paste);
        PopupMenu5.addSeparator();
        addWidthSetEntries(PopupMenu5);
        PopupMenu5.exec(Edit1->mapToGlobal(at));
    });
    NumEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(NumEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu PopupMenu5(this);
        PopupMenu5.addAction(QStringLiteral("コピー(&C)"), this,
                             [this] { NumEdit1->copyToClipboard(); });
        PopupMenu5.addAction(QStringLiteral("貼り付け(&P)"), this,
                             [this] { NumEdit1->pasteFromClipboard(); });
        PopupMenu5.addSeparator();
        addWidthSetEntries(PopupMenu5);
        PopupMenu5.exec(NumEdit1->mapToGlobal(at));
    });

    // The choice lists share one menu; it serves the box that has the focus colour.
    const auto servedBox = [this]() -> ChoiceListBox * {
        const std::array<ChoiceListBox *, ChoiceLists::boxCount> boxes = {Nouki, Basyo, KEISYOU,
                                                                          Kigen, Tanto};
        std::array<ColourValue, ChoiceLists::boxCount> backgrounds{};
        for (size_t i = 0; i < boxes.size(); ++i)
            backgrounds[i] = boxes[i]->backgroundColour();
        const int index = ChoiceLists::servedBox(backgrounds, screenSettings.colours.focus);
        return index >= 0 ? boxes[size_t(index)] : nullptr;
    };
    for (ChoiceListBox *box : {KEISYOU, Tanto}) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, box, servedBox](const QPoint &at) {
                    QMenu PopupMenu3(this);
                    PopupMenu3.addAction(QStringLiteral("追加"), this, [servedBox] {
                        if (ChoiceListBox *served = servedBox())
                            served->addTypedText();
                    });
                    PopupMenu3.addAction(QStringLiteral("削除"), this, [servedBox] {
                        if (ChoiceListBox *served = servedBox())
                            served->deleteSelectedItem();
                    });
                    PopupMenu3.exec(box->mapToGlobal(at));
                });
    }

    connect(SpeedButton26, &QToolButton::clicked, this, &TMIRAVO::SpeedButton26Click);
    SpeedButton26->setEnabled(true);
    connect(SpeedButton2, &QToolButton::clicked, this, &TMIRAVO::SpeedButton2Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TMIRAVO::SpeedButton15Click);
    connect(SpeedButton17, &QToolButton::clicked, this, &TMIRAVO::SpeedButton17Click);
    connect(SpeedButton22, &QToolButton::clicked, this, &TMIRAVO::SpeedButton22Click);
    for (QToolButton *button : {SpeedButton2, SpeedButton15, SpeedButton17, SpeedButton22})
        button->setEnabled(true);
    connect(taxModeGroup, &QButtonGroup::idClicked, this, [this] { Keisan(); });
}

// A click on a command label runs its command; releasing the right button over it opens
// the function-key menu for it.
bool TMIRAVO::handleCommandLabel(QLabel *label, QEvent *event)
{
    const int position = int(commandLabels.indexOf(label)) + 1;
    if (position <= 0 || event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() == Qt::RightButton) {
        showFunctionKeyMenu(position);
        return true;
    }
    if (mouse->button() != Qt::LeftButton)
        return false;
    const MenuCommand command = MainMenu::labels().at(size_t(position - 1)).command;
    if (command == MenuCommand::RowDelete)
        prompter().beep();
    runCommand(command);
    return true;
}

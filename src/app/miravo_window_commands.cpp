// The commands of the window: their actions and what triggers them (toolbar, command strip,
// Ctrl shortcuts, function keys), the context menus, and the recalculation they share.
#include "miravo_window.h"

#include "click_label.h"
#include "command_actions.h"
#include "common/program_dir.h"
#include "common/prompter.h"
#include "files/file_browser_panel.h"
#include "files/search_panel.h"
#include "master/choice_list_box.h"
#include "master/choice_lists.h"
#include "master/customer_grid.h"
#include "slip/item_cell_editors.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QUrl>

#include <functional>
#include <utility>

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
    const QString manual =
        locateProgramDocument(QStringLiteral("MIRAVO_man.htm"),
                              QCoreApplication::applicationDirPath(), installedDataDir());
    if (manual.isEmpty()) {
        prompter().information(QStringLiteral("説明書ファイルは組み込まれていません。\r\n\r\n"));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}

void TMIRAVO::focusCommand()
{
    if (EditP->isVisible() || NumP->isVisible() || EditP3->isVisible()) {
        NAME1->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    uncoverItemGrid();
    SG1->setFocus(Qt::ShortcutFocusReason);
}

// Every way to a command goes through its action: the handlers are bound here once, and
// the buttons and labels only trigger and follow them.
void TMIRAVO::buildCommands()
{
    using C = MenuCommand;
    commands->setHandler(C::Exit, [this] { SpeedButton4Click(); });
    commands->setHandler(C::FilePanel, [this] { SpeedButton3Click(); });
    commands->setHandler(C::Save, [this] { SpeedButton5Click(); });
    commands->setHandler(C::Print, [this] { SpeedButton6Click(); });
    commands->setHandler(C::Blank, [this] { SpeedButton11Click(); });
    commands->setHandler(C::Focus, [this] { focusCommand(); });
    commands->setHandler(C::PartsCatalogue, [this] { partsCatalogue->toggle(); });
    commands->setHandler(C::RowInsert, [this] { SpeedButton14Click(); });
    commands->setHandler(C::RowDelete, [this] { SpeedButton13Click(); });
    commands->setHandler(C::Rate, [this] { N24Click(); });
    commands->setHandler(C::CustomerList, [this] { SG_K->toggle(); });
    commands->setHandler(C::Settings, [this] { SpeedButton1Click(); });

    const std::pair<QToolButton *, MenuCommand> menuButtons[] = {
        {SpeedButton4, C::Exit},
        {SpeedButton3, C::FilePanel},
        {SpeedButton5, C::Save},
        {SpeedButton6, C::Print},
        {SpeedButton11, C::Blank},
        {SpeedButton1, C::Settings},
        {SpeedButton23, C::PartsCatalogue},
        {SpeedButton14, C::RowInsert},
        {SpeedButton13, C::RowDelete},
    };
    for (const auto &[button, command] : menuButtons) {
        QAction *action = commands->command(command);
        CommandActions::followEnabled(button, action);
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }

    // The toolbar commands that have no menu item; those without a handler are not built yet.
    const std::pair<QToolButton *, std::function<void()>> toolbarOnly[] = {
        {SpeedButton7, [this] { pageThroughSlips(SlipFolder::Page::First); }},
        {SpeedButton8, [this] { pageThroughSlips(SlipFolder::Page::Previous); }},
        {SpeedButton9, [this] { pageThroughSlips(SlipFolder::Page::Next); }},
        {SpeedButton10, [this] { pageThroughSlips(SlipFolder::Page::Last); }},
        {SpeedButton30, [this] { SpeedButton30Click(); }},
        {SpeedButton26, [this] { SpeedButton26Click(); }},
        {SpeedButton16, [this] { SpeedButton16Click(); }},
        {SpeedButton18, [this] { SpeedButton18Click(); }},
        {SpeedButton19, [this] { KensakuP->toggle(); }},
    };
    for (const auto &[button, handler] : toolbarOnly) {
        QAction *action = commands->addToolbarCommand(button->objectName(), handler);
        CommandActions::followEnabled(button, action);
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }
    // The reduced-rate mark is a command of its own, reached from the editors' menu beside
    // the tax-exempt mark.
    reducedRateMarkCommand =
        commands->addToolbarCommand(QStringLiteral("KEIGEN_MARK"), [this] { N60Click(); });

    // The right button of 領収証 and 封筒 previews what the left one prints.
    const std::pair<QToolButton *, void (TMIRAVO::*)()> previewButtons[] = {
        {SpeedButton16, &TMIRAVO::SpeedButton16RightClick},
        {SpeedButton18, &TMIRAVO::SpeedButton18RightClick},
    };
    for (const auto &[button, preview] : previewButtons) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, preview = preview] { (this->*preview)(); });
    }

    for (int position = 1; position <= MainMenu::labelCount; ++position)
        bindCommandLabel(position);
    commands->applyKeys(screenSettings.keys);
}

// A click on a command label runs its command; releasing the right button over it opens
// the function-key menu for it.
void TMIRAVO::bindCommandLabel(int position)
{
    auto *label = static_cast<ClickLabel *>(commandLabels.at(position - 1));
    QAction *action = commands->label(position);
    CommandActions::followEnabled(label, action);
    const bool beeps =
        MainMenu::labels().at(size_t(position - 1)).command == MenuCommand::RowDelete;
    connect(label, &ClickLabel::released, this,
            [this, position, action, beeps](Qt::MouseButton button) {
                if (button == Qt::RightButton) {
                    showFunctionKeyMenu(position);
                } else if (button == Qt::LeftButton && action->isEnabled()) {
                    // Deleting a row from the strip warns with a beep first; its key does not.
                    if (beeps)
                        prompter().beep();
                    action->trigger();
                }
            });
}

void TMIRAVO::MENU_ITEM(int label, int key)
{
    screenSettings.keys.MENU_ITEM(label, key);
    for (int position = 1; position <= MainMenu::labelCount; ++position)
        commandLabels.at(position - 1)->setToolTip(screenSettings.keys.hint(position));
    commands->applyKeys(screenSettings.keys);
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

void TMIRAVO::addWidthSetEntries(QMenu &menu, const QStringList &names)
{
    const std::pair<const char *, std::function<void()>> entries[] = {
        {"セル幅設定１保存", [this] { saveWidthSet(1); }},
        {"セル幅設定２保存(起動時用)", [this] { saveWidthSet(2); }},
        {"セル幅設定１呼び出し", [this] { loadWidthSet(1); }},
        {"セル幅設定２呼び出し(起動時用)", [this] { loadWidthSet(2); }},
        {"セル幅設定既定値呼び出し", [this] { SpeedButton22Click(); }},
    };
    int index = 0;
    for (const auto &[caption, handler] : entries)
        menu.addAction(QString::fromUtf8(caption), this, handler)
            ->setObjectName(names.value(index++));
}

void TMIRAVO::buildMenus()
{
    buildItemGridMenus();
    bindRowCommands();

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

    connect(SpeedButton2, &QToolButton::clicked, this, &TMIRAVO::SpeedButton2Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TMIRAVO::SpeedButton15Click);
    connect(SpeedButton17, &QToolButton::clicked, this, &TMIRAVO::SpeedButton17Click);
    connect(SpeedButton22, &QToolButton::clicked, this, &TMIRAVO::SpeedButton22Click);
    for (QToolButton *button : {SpeedButton2, SpeedButton15, SpeedButton17, SpeedButton22})
        button->setEnabled(true);
    connect(taxModeGroup, &QButtonGroup::idClicked, this, [this] { Keisan(); });
}

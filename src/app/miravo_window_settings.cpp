// What the window remembers between runs (screen settings, remembered choices, colours,
// column widths) and the commands that change it.
#include "miravo_window.h"

#include "command_actions.h"

#include "common/program_dir.h"
#include "files/file_browser_panel.h"
#include "master/choice_list_box.h"
#include "print/layout_registry.h"
#include "settings/column_widths.h"
#include "slip/item_cell_editors.h"
#include "slip/item_grid_view.h"
#include "slip/numeric_edit.h"
#include "slip/string_grid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

QColor TMIRAVO::focusColour() const
{
    return toQColor(screenSettings.colours.focus);
}

ScreenSettings TMIRAVO::collectScreenSettings() const
{
    ScreenSettings settings = screenSettings;
    settings.PRN_S = PRN_SGroup->checkedId();
    settings.Sunpou = Sunpou->isChecked();
    settings.MUKI = MUKI->checkedId();
    settings.commandLabel8Visible = commandLabels.value(1) && !commandLabels.at(1)->isHidden();
    settings.dataPath = Panel1->folder();
    settings.KAKERITU = KAKERITU->value();
    settings.MARUME = MARUME->value();
    settings.top = y();
    settings.left = x();
    settings.netPath = Panel1->NETPATH->text();
    return settings;
}

void TMIRAVO::applyScreenSettings()
{
    // A stored layout that this program cannot print leaves the 5-row choice, which can.
    if (QAbstractButton *layout = PRN_SGroup->button(screenSettings.PRN_S);
        layout && layoutAvailable(screenSettings.PRN_S))
        layout->setChecked(true);
    if (QAbstractButton *orientation = MUKI->button(screenSettings.MUKI))
        orientation->setChecked(true);
    Sunpou->setChecked(screenSettings.Sunpou);
    KAKERITU->setValue(screenSettings.KAKERITU);
    MARUME->setValue(screenSettings.MARUME);
    move(ScreenSettings::placeWithin(screenSettings.left, width()),
         ScreenSettings::placeWithin(screenSettings.top, height()));
    Panel1->setFolder(chooseDataFolder(screenSettings.dataPath, QDir::cleanPath(programDir())));
    Panel1->NETPATH->setText(screenSettings.netPath);
    applyColours();
    for (int label = 1; label <= MainMenu::labelCount; ++label)
        commandLabels.at(label - 1)->setToolTip(screenSettings.keys.hint(label));
    commands->applyKeys(screenSettings.keys);
}

RememberedChoices TMIRAVO::collectRememberedChoices() const
{
    RememberedChoices choices;
    choices.NOUHIN = NOUHIN->isChecked();
    choices.SEIKYUU = SEIKYUU->isChecked();
    choices.JURYOU = JURYOU->isChecked();
    choices.HIKAE = HIKAE->isChecked();
    choices.taxMode = taxMode();
    choices.honorificIndex = KEISYOU->currentIndex();
    choices.A5 = A5->isChecked();
    return choices;
}

void TMIRAVO::applyColours()
{
    const DisplayColours &colours = screenSettings.colours;
    for (ChoiceListBox *box : {Nouki, Basyo, KEISYOU, Kigen, Tanto})
        box->setFocusColour(colours.focus);
    Panel1->setFocusColour(toQColor(colours.focus));
    SG1->setFixedColours(toQColor(colours.itemFixed), toQColor(colours.itemFixedText));
    SG1->setStripeColour(toQColor(colours.itemStripe));
    cellEditors->setFocusColour(toQColor(colours.focus));
    for (int column = 1; column < 12; ++column) {
        cellEditors->setColumnTextColour(column, toQColor(colours.columnTextColour(column)));
        SG1->setColumnTextColour(column, toQColor(colours.columnTextColour(column)));
    }
    SG1->viewport()->update();
}

void TMIRAVO::SpeedButton2Click()
{
    if (chooseFocusColour(screenSettings.colours))
        applyColours();
}

void TMIRAVO::SpeedButton15Click()
{
    chooseItemGridColours(screenSettings.colours);
    applyColours();
    SG1->setFocus();
}

void TMIRAVO::SpeedButton17Click()
{
    chooseColumnTextColours(screenSettings.colours, SG1Cells->rowCells(0));
    applyColours();
}

QList<int> TMIRAVO::itemGridWidths() const
{
    QList<int> widths;
    for (int column = 0; column < ColumnWidths::columnCount; ++column)
        widths.append(SG1->colWidth(column));
    return widths;
}

void TMIRAVO::applyItemGridWidths(const QList<int> &widths, bool sunpou)
{
    {
        // The widths given win over the check box's own rule.
        const QSignalBlocker blocker(Sunpou);
        Sunpou->setChecked(sunpou);
    }
    for (int column = 0; column < widths.size(); ++column)
        SG1->setColWidth(column, widths.at(column));
}

void TMIRAVO::saveWidthSet(int set)
{
    ColumnWidths::saveItemGridSet(set, itemGridWidths());
}

void TMIRAVO::loadWidthSet(int set)
{
    QList<int> widths = itemGridWidths();
    bool sunpou = Sunpou->isChecked();
    if (!ColumnWidths::loadItemGridSet(set, widths, sunpou, ColumnWidths::LoadMode::Command))
        return;
    applyItemGridWidths(widths, sunpou);
    NAME1->setFocus();
}

void TMIRAVO::SpeedButton22Click()
{
    QList<int> widths = itemGridWidths();
    if (!ColumnWidths::resetItemGrid(widths, Sunpou->isChecked()))
        return;
    applyItemGridWidths(widths, Sunpou->isChecked());
    NAME1->setFocus();
}

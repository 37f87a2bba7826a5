// Behaviour of the header fields: keyboard order, focus colour and the file title.
#include "miravo_window.h"

#include "common/sjis.h"
#include "files/file_browser_panel.h"
#include "master/choice_list_box.h"
#include "master/customer_grid.h"
#include "master/parts_catalogue.h"
#include "master/parts_grid_view.h"
#include "settings/column_widths.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

QList<QWidget *> TMIRAVO::headerOrder() const
{
    return {NAME1, NAME2, TITLE, Bangou, DTP1, YUBIN, ADD1, ADD_2, Tanto};
}

void TMIRAVO::watchHeaderField(QWidget *field)
{
    field->installEventFilter(this);
}

bool TMIRAVO::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return QMainWindow::eventFilter(watched, event);

    // Only the header fields are watched here, for their focus; keys reach handleFormKey
    // through the window's key filter.
    switch (event->type()) {
    case QEvent::FocusIn:
        if (widget == TITLE)
            fillTitleFromName();
        if (widget == Tel) {
            Tel->resize(100, Tel->height());
            Tel->raise();
        }
        setFocusBackground(widget, true);
        break;
    case QEvent::FocusOut:
        if (widget == Tel)
            Tel->resize(20, Tel->height());
        setFocusBackground(widget, false);
        break;
    case QEvent::MouseButtonDblClick:
        if (widget == NAME1)
            SG_K->open();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMIRAVO::handleFormKey(QWidget *target, QKeyEvent *event)
{
    // Escape asks a running search to stop, then goes on to the control as usual.
    if (event->key() == Qt::Key_Escape)
        searchCancelled = true;
    // Alt+Backspace is the undo of the focused text box.
    if (event->key() == Qt::Key_Backspace &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
        undoIn(target);
        return true;
    }
    // Home and End take the focus to the item grid from anywhere in the window but the
    // parts grid, which keeps them for its own rows.
    if ((event->key() == Qt::Key_Home || event->key() == Qt::Key_End) &&
        target != partsCatalogue->SG2) {
        jumpInItemGrid(event->key() == Qt::Key_Home);
        return true;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter)
        return false;
    // Enter acts as Tab in text boxes, combo boxes and the date picker; controls that
    // handle Enter themselves (the in-cell editors) say so with this property.
    const bool textControl = qobject_cast<QLineEdit *>(target) ||
                             qobject_cast<QComboBox *>(target) ||
                             qobject_cast<QAbstractSpinBox *>(target);
    if (!textControl || target->property("ownsEnterKey").toBool())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    moveFocusInHeader(target, modifiers == Qt::ShiftModifier);
    return true;
}

void TMIRAVO::jumpInItemGrid(bool home)
{
    uncoverItemGrid();
    const int lastRow = SG1Cells->rows() - 1;
    if (home) {
        // By way of the last row, so that row 1 ends up at the top of the view.
        SG1->setCurrentCell(1, lastRow);
        SG1->setCurrentCell(1, 1);
        SG1->setTopRow(1);
    } else {
        SG1->setCurrentCell(8, lastRow);
    }
    SG1->setFocus(Qt::OtherFocusReason);
}

// The customer list and the file panel lie over the whole item grid. They close before the
// grid takes the focus, as their own Escape and 閉じる do, so that what the user types next
// goes into a grid the user can see.
void TMIRAVO::uncoverItemGrid()
{
    if (SG_K->isVisible())
        SG_K->closeList();
    Panel1->hide();
}

void TMIRAVO::moveFocusInHeader(QWidget *from, bool backwards)
{
    const QList<QWidget *> order = headerOrder();
    const int index = order.indexOf(from);
    if (index < 0) {
        focusNextPrevChild(!backwards);
        return;
    }
    if (backwards) {
        // Shift+Enter in the first field stays there.
        if (index > 0)
            order.at(index - 1)->setFocus(Qt::BacktabFocusReason);
        return;
    }
    if (index + 1 < order.size())
        order.at(index + 1)->setFocus(Qt::TabFocusReason);
    else
        SG1->setFocus(Qt::TabFocusReason);
}

void TMIRAVO::setFocusBackground(QWidget *field, bool focused)
{
    // The choice lists colour themselves.
    if (!qobject_cast<QLineEdit *>(field))
        return;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, focused ? focusColour() : QColor(Qt::white));
    field->setPalette(palette);
}

// Entering an empty file title proposes the customer's name followed by "＞".
void TMIRAVO::fillTitleFromName()
{
    if (!TITLE->text().isEmpty() || NAME1->text().isEmpty())
        return;
    TITLE->setText(Sjis::leftBytes(NAME1->text() + QStringLiteral("＞"), 230));
}

void TMIRAVO::applySunpouWidths()
{
    const QList<int> defaults = ColumnWidths::itemGridDefaults(Sunpou->isChecked());
    for (int column = 2; column <= 4; ++column)
        SG1->setColWidth(column, defaults.at(column));
}

TaxMode TMIRAVO::taxMode() const
{
    return static_cast<TaxMode>(qMax(0, taxModeGroup->checkedId()));
}

void TMIRAVO::setTaxMode(TaxMode mode)
{
    taxModeGroup->button(static_cast<int>(mode))->setChecked(true);
}

void TMIRAVO::SpeedButton3Click()
{
    if (Panel1->isVisible()) {
        Panel1->hide();
        return;
    }
    Panel1->raise();
    Panel1->show();
    Panel1->FileListBox1->setFocus();
}

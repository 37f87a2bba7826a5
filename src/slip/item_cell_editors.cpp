#include "slip/item_cell_editors.h"

#include "slip/item_cell_painter.h"
#include "slip/item_grid_view.h"
#include "slip/item_grid_wheel.h"
#include "slip/string_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace {

// The editors stay up while a context menu or another window has the focus for a moment;
// only a move to another control of the window ends the editing.
bool endsEditing(const QFocusEvent *event)
{
    return event->reason() != Qt::PopupFocusReason &&
           event->reason() != Qt::ActiveWindowFocusReason;
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Navigation keys only count without Shift, Ctrl or Alt; the keypad's flag is not a modifier
// a user chose.
bool isPlain(const QKeyEvent *event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void makeBorderless(QLineEdit *edit)
{
    edit->setFrame(false);
    edit->setAutoFillBackground(true);
}

} // namespace

CellTextEdit::CellTextEdit(QWidget *panel)
    : QLineEdit(panel)
{
    makeBorderless(this);
}

void CellTextEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (endsEditing(event))
        parentWidget()->hide();
}

CellNumEdit::CellNumEdit(QWidget *panel)
    : NumEdit(panel)
{
    makeBorderless(this);
}

void CellNumEdit::focusOutEvent(QFocusEvent *event)
{
    NumEdit::focusOutEvent(event);
    if (endsEditing(event))
        parentWidget()->hide();
}

ItemCellEditors::ItemCellEditors(ItemGridView *grid)
    : QObject(grid)
    , m_grid(grid)
    , m_cells(grid->grid())
    , m_columnTextColors(12, QColor(Qt::black))
{
    // The panels live on the grid's viewport, so they scroll with the cell they cover.
    for (QFrame **panel : {&EditP, &NumP}) {
        *panel = new QFrame(grid->viewport());
        (*panel)->setFrameShape(QFrame::NoFrame);
        (*panel)->setAutoFillBackground(true);
        (*panel)->hide();
    }
    EditP->setObjectName(QStringLiteral("EditP"));
    NumP->setObjectName(QStringLiteral("NumP"));
    Edit1 = new CellTextEdit(EditP);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(grid->font());
    NumEdit1 = new CellNumEdit(NumP);
    NumEdit1->setObjectName(QStringLiteral("NumEdit1"));
    NumEdit1->setFont(grid->font());

    // The window sees the editors' keys before the editors do.
    Edit1->installEventFilter(this);
    NumEdit1->installEventFilter(this);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);

    connect(Edit1, &QLineEdit::textChanged, this, &ItemCellEditors::onTextChanged);
    connect(NumEdit1, &NumEdit::valueChanged, this, &ItemCellEditors::onNumberChanged);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ItemCellEditors::onCurrentChanged);

    // The window sets one recalculation hook; the grid's own emptying of a cell uses it too.
    grid->cellPainter()->recalculate = [this] {
        if (recalculate)
            recalculate();
    };
    wheel = new ItemGridWheel(this);
    // A column or row resized under an editor takes the editor along.
    for (QHeaderView *header : {grid->horizontalHeader(), grid->verticalHeader()})
        connect(header, &QHeaderView::sectionResized, this, &ItemCellEditors::followCellGeometry);
}

bool ItemCellEditors::isTextColumn(int column)
{
    return (column >= Category && column <= Size) || column == Unit;
}

bool ItemCellEditors::isNumberColumn(int column)
{
    return column == Quantity || column == UnitPrice || column == CostPrice;
}

void ItemCellEditors::setFocusColor(const QColor &color)
{
    m_focusColor = color;
}

void ItemCellEditors::setColumnTextColor(int column, const QColor &color)
{
    if (column >= 1 && column < m_columnTextColors.size())
        m_columnTextColors[column] = color;
}

int ItemCellEditors::lastRow() const
{
    return m_cells->rows() - 1;
}

bool ItemCellEditors::isSizeColumnShown() const
{
    return sizeColumnShown ? sizeColumnShown() : !m_grid->isColumnHidden(Size);
}

bool ItemCellEditors::isEditing() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus == Edit1 || focus == NumEdit1 || focus == m_grid;
}

QRect ItemCellEditors::panelRect(int column, int row) const
{
    // One pixel inside the cell at its top left, as wide as the cell.
    const QRect cell = m_grid->visualRect(m_cells->index(row, column));
    return QRect(cell.left() + 1, cell.top() + 1, cell.width(), qMax(1, cell.height() - 2));
}

void ItemCellEditors::paintEditor(QFrame *panel, QWidget *editor, int column)
{
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Window, m_focusColor);
    palette.setColor(QPalette::Base, m_focusColor);
    palette.setColor(QPalette::Text, m_columnTextColors.value(column, Qt::black));
    editor->setPalette(palette);
    QPalette panelPalette = panel->palette();
    panelPalette.setColor(QPalette::Window, m_focusColor);
    panel->setPalette(panelPalette);
}

void ItemCellEditors::hideUnfocused(QFrame *panel)
{
    // Hiding the focused editor would pass the focus on along the chain, and the grid takes
    // that as a Tab and moves its current cell. The focused editor hides itself when the
    // other one takes the focus.
    if (!panel->isAncestorOf(QApplication::focusWidget()))
        panel->hide();
}

void ItemCellEditors::INP_EDIT(int row)
{
    const int column = m_grid->col();
    m_textColumn = column;
    m_textRow = row;
    EditP->setGeometry(panelRect(column, row));
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        Edit1->setText(m_cells->cell(column, row));
    }
    fitTextEditor();
    Edit1->end(false);
    // 類 holds short codes typed on the keyboard directly; the other text columns are
    // Japanese text typed through the input method.
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, column != Category);
    if (column == Category)
        Edit1->selectAll();
    paintEditor(EditP, Edit1, column);
    hideUnfocused(NumP);
    EditP->show();
    EditP->raise();
}

void ItemCellEditors::INP_NUMERIC(int column, int row)
{
    m_numberColumn = column;
    m_numberRow = row;
    const QRect rect = panelRect(column, row);
    NumP->setGeometry(rect);
    NumEdit1->setGeometry(1, 0, rect.width() - 2, rect.height());
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        NumEdit1->setDecimals(column == Quantity ? 3 : 2);
        NumEdit1->setValue(m_cells->cell(column, row));
    }
    paintEditor(NumP, NumEdit1, column);
    hideUnfocused(EditP);
    NumP->show();
    NumP->raise();
}

void ItemCellEditors::fitTextEditor()
{
    const QRect rect = panelRect(m_textColumn, m_textRow);
    const int textWidth = QFontMetrics(m_grid->font()).horizontalAdvance(Edit1->text());
    if (textWidth > rect.width() - 2) {
        const bool atEnd = Edit1->cursorPosition() == Edit1->text().size();
        EditP->setGeometry(rect.left(), rect.top(), textWidth + 22, rect.height());
        Edit1->setGeometry(1, 0, textWidth + 20, rect.height());
        if (atEnd)
            Edit1->end(false);
    } else {
        EditP->setGeometry(rect);
        Edit1->setGeometry(1, 0, rect.width() - 2, rect.height());
    }
}

void ItemCellEditors::followCellGeometry()
{
    if (EditP->isVisible())
        fitTextEditor();
    if (NumP->isVisible()) {
        const QRect rect = panelRect(m_numberColumn, m_numberRow);
        NumP->setGeometry(rect);
        NumEdit1->setGeometry(1, 0, rect.width() - 2, rect.height());
    }
}

void ItemCellEditors::editCurrentCell()
{
    const int column = m_grid->col();
    const int row = m_grid->row();
    if (isNumberColumn(column)) {
        INP_NUMERIC(column, row);
        NumEdit1->setFocus(Qt::OtherFocusReason);
    } else if (isTextColumn(column)) {
        INP_EDIT(row);
        Edit1->setFocus(Qt::OtherFocusReason);
    }
}

void ItemCellEditors::moveTo(int column, int row)
{
    {
        const QScopedValueRollback<bool> moving(m_moving, true);
        m_grid->setCurrentCell(column, qBound(1, row, lastRow()));
    }
    editCurrentCell();
}

void ItemCellEditors::onCurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The computed columns 金額, 原価計 and the rate can never become current; a click there
    // leaves the current cell where it was.
    if (current.isValid() && (current.column() > CostPrice || current.column() < Category)) {
        const QModelIndex back = m_lastCurrent.isValid() ? QModelIndex(m_lastCurrent) : previous;
        const int row = current.row();
        const QScopedValueRollback<bool> moving(m_moving, true);
        if (back.isValid() && back.column() >= Category && back.column() <= CostPrice)
            m_grid->setCurrentCell(back.column(), back.row());
        else
            m_grid->setCurrentCell(CostPrice, row);
        return;
    }
    m_lastCurrent = current;
    // The first current cell of the grid is no move.
    if (previous.isValid() && current != previous)
        m_browsing = true;
    if (!m_moving && current.isValid() && isEditing())
        editCurrentCell();
}

void ItemCellEditors::onTextChanged(const QString &text)
{
    if (m_placing)
        return;
    // Text cells are written at once but do not change any amount, so no recalculation.
    m_cells->setCell(m_textColumn, m_textRow, text);
    fitTextEditor();
    paintEditor(EditP, Edit1, m_textColumn);
}

void ItemCellEditors::onNumberChanged(const QString &value)
{
    if (m_placing)
        return;
    m_cells->setCell(m_numberColumn, m_numberRow, value);
    if (recalculate)
        recalculate();
}

bool ItemCellEditors::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == Edit1)
            return handleTextEditorKey(key);
        if (watched == NumEdit1)
            return handleNumberEditorKey(key);
        if (watched == m_grid)
            return handleGridKey(key);
    }
    if (watched == m_grid && event->type() == QEvent::FocusIn)
        editCurrentCell();
    // A click on a cell ends with the editor of its column on it; a click that reached the
    // viewport through an editor's panel is the editor's own.
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (!m_grid->viewport()->childAt(position))
            editCurrentCell();
    }
    return QObject::eventFilter(watched, event);
}

void ItemCellEditors::moveVertically(int key, int column)
{
    const int row = m_grid->row();
    int target = row;
    switch (key) {
    case Qt::Key_Up:
        target = row - 1;
        break;
    case Qt::Key_Down:
        target = row + 1;
        break;
    case Qt::Key_PageUp:
        target = row - pageRows;
        break;
    case Qt::Key_PageDown:
        target = row + pageRows;
        break;
    default:
        return;
    }
    moveTo(column, target);
}

bool ItemCellEditors::handleTextEditorKey(QKeyEvent *event)
{
    if (!isPlain(event))
        return false;
    const int column = m_textColumn;
    const int row = m_textRow;
    const bool atEnd = Edit1->cursorPosition() == Edit1->text().size();
    const bool atStart = Edit1->cursorPosition() == 0;
    switch (event->key()) {
    case Qt::Key_Right:
        if (!atEnd)
            return false;
        [[fallthrough]];
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (column == ItemName)
            moveTo(isSizeColumnShown() ? Size : Quantity, row);
        else
            moveTo(column + 1, row);
        return true;
    case Qt::Key_Left:
        if (!atStart)
            return false;
        if (column == Category) {
            if (row > 1)
                moveTo(CostPrice, row - 1);
        } else if (column == Size) {
            moveTo(ItemName, row);
        } else {
            moveTo(column - 1, row);
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        moveVertically(event->key(), column);
        return true;
    default:
        return false;
    }
}

bool ItemCellEditors::handleNumberEditorKey(QKeyEvent *event)
{
    if (!isPlain(event))
        return false;
    const int column = m_numberColumn;
    const int row = m_numberRow;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        m_cells->setCell(column, row, NumEdit1->value());
        if (column == CostPrice)
            moveFromCostPrice(isEnter(event));
        else
            moveTo(column + 1, row);
        return true;
    case Qt::Key_Left:
        m_cells->setCell(column, row, NumEdit1->value());
        if (column == Quantity)
            moveTo(isSizeColumnShown() ? Size : ItemName, row);
        else
            moveTo(column - 1, row);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        moveVertically(event->key(), column);
        return true;
    case Qt::Key_Delete: {
        {
            const QScopedValueRollback<bool> placing(m_placing, true);
            NumEdit1->setValue(QString());
        }
        m_cells->setCell(column, row, QString());
        if (recalculate)
            recalculate();
        return true;
    }
    default:
        // Backspace and typing belong to the number box; its change writes the cell.
        return false;
    }
}

void ItemCellEditors::moveFromCostPrice(bool appendOnLastRow)
{
    const int row = m_numberRow;
    const bool onLastRow = row == lastRow();
    if (onLastRow && appendOnLastRow)
        appendNumberedRow();
    {
        const QScopedValueRollback<bool> moving(m_moving, true);
        if (!onLastRow || appendOnLastRow)
            m_grid->setCurrentCell(Category, row + 1);
    }
    if (returnToPartsCatalogue && returnToPartsCatalogue())
        return;
    editCurrentCell();
}

void ItemCellEditors::appendNumberedRow()
{
    const int row = m_cells->rows();
    m_cells->setRowCount(row + 1);
    m_cells->setCell(Number, row, QString::number(row));
}

bool ItemCellEditors::isColumnShown(int column) const
{
    if (column == Size)
        return isSizeColumnShown();
    return !m_grid->isColumnHidden(column);
}

// The nearest shown editable column in a direction (-1 left, +1 right); the column itself
// when there is none.
int ItemCellEditors::nextShownColumn(int column, int direction) const
{
    for (int next = column + direction; next >= Category && next <= CostPrice; next += direction) {
        if (isColumnShown(next))
            return next;
    }
    return column;
}

bool ItemCellEditors::handleGridKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Control:
        m_browsing = false;
        return false;
    case Qt::Key_Escape:
        m_browsing = true;
        return false;
    default:
        break;
    }
    if (!isPlain(event))
        return false;
    const int column = m_grid->col();
    const int row = m_grid->row();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterInGrid(column, row);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // The browse state skips the hidden columns (the tax-exempt mark, 形状・寸法 when it
        // is not shown). The edit state moves one column, but it too never lands on a hidden
        // column: an editor there would take typing into a cell nobody can see, and a "1"
        // typed into the hidden mark would silently make the row tax-exempt.
        moveTo(nextShownColumn(column, event->key() == Qt::Key_Left ? -1 : 1), row);
        return true;
    default:
        return false;
    }
}

void ItemCellEditors::enterInGrid(int column, int row)
{
    if (column == CostPrice || column == Rate) {
        if (row == lastRow())
            appendNumberedRow();
        moveTo(Category, row + 1);
        return;
    }
    moveTo(nextShownColumn(column, 1), row);
}

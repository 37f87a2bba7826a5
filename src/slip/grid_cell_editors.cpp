#include "slip/grid_cell_editors.h"

#include "slip/grid_wheel.h"
#include "slip/string_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTableView>

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

void makeBorderless(QLineEdit *edit)
{
    edit->setFrame(false);
    edit->setAutoFillBackground(true);
}

QFrame *makePanel(QWidget *viewport, const QString &name)
{
    auto *panel = new QFrame(viewport);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
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

GridCellEditors::GridCellEditors(QTableView *view, StringGrid *cells, GridEditorTable table,
                                 const GridEditorNames &names)
    : QObject(view)
    , m_view(view)
    , m_cells(cells)
    , m_table(std::move(table))
    // The panels live on the grid's viewport, so they scroll with the cell they cover.
    , m_textPanel(makePanel(view->viewport(), names.textPanel))
    , m_textEdit(new CellTextEdit(m_textPanel))
    , m_numberPanel(makePanel(view->viewport(), names.numberPanel))
    , m_numberEdit(new CellNumEdit(m_numberPanel))
    , m_columnTextColours(qMax(int(m_table.columns.size()), cells->columns()), QColor(Qt::black))
{
    m_textEdit->setObjectName(names.textEdit);
    m_textEdit->setFont(view->font());
    m_numberEdit->setObjectName(names.numberEdit);
    m_numberEdit->setFont(view->font());

    // The window sees the editors' keys before the editors do.
    m_textEdit->installEventFilter(this);
    m_numberEdit->installEventFilter(this);
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);

    connect(m_textEdit, &QLineEdit::textChanged, this, &GridCellEditors::onTextChanged);
    connect(m_numberEdit, &NumEdit::valueChanged, this, &GridCellEditors::onNumberChanged);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &GridCellEditors::onCurrentChanged);

    wheel = new GridWheel(this);
    // A column or row resized under an editor takes the editor along.
    for (QHeaderView *header : {view->horizontalHeader(), view->verticalHeader()})
        connect(header, &QHeaderView::sectionResized, this, &GridCellEditors::followCellGeometry);
}

int GridCellEditors::currentColumn() const
{
    return m_view->currentIndex().isValid() ? m_view->currentIndex().column() : 1;
}

int GridCellEditors::currentRow() const
{
    return m_view->currentIndex().isValid() ? m_view->currentIndex().row() : 1;
}

void GridCellEditors::setCurrentCell(int column, int row)
{
    const QModelIndex target =
        m_cells->index(qBound(1, row, lastRow()), qBound(1, column, m_cells->columns() - 1));
    m_view->setCurrentIndex(target);
    m_view->scrollTo(target);
}

void GridCellEditors::setEditMode(bool on)
{
    m_editMode = on;
    if (!on) {
        m_textPanel->hide();
        m_numberPanel->hide();
    }
}

void GridCellEditors::setFocusColour(const QColor &colour)
{
    m_focusColour = colour;
}

void GridCellEditors::setColumnTextColour(int column, const QColor &colour)
{
    if (column >= 1 && column < m_columnTextColours.size())
        m_columnTextColours[column] = colour;
}

int GridCellEditors::lastRow() const
{
    return m_cells->rows() - 1;
}

bool GridCellEditors::isColumnShown(int column) const
{
    return !m_view->isColumnHidden(column);
}

bool GridCellEditors::hasFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus == m_textEdit || focus == m_numberEdit || focus == m_view;
}

bool GridCellEditors::isPlainKey(const QKeyEvent *event)
{
    // The keypad's flag is not a modifier a user chose.
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QRect GridCellEditors::panelRect(int column, int row) const
{
    // One pixel inside the cell at its top left, as wide as the cell.
    const QRect cell = m_view->visualRect(m_cells->index(row, column));
    return QRect(cell.left() + 1, cell.top() + 1, cell.width(), qMax(1, cell.height() - 2));
}

void GridCellEditors::paintEditor(QFrame *panel, QWidget *editor, int column)
{
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Window, m_focusColour);
    palette.setColor(QPalette::Base, m_focusColour);
    palette.setColor(QPalette::Text, m_columnTextColours.value(column, Qt::black));
    editor->setPalette(palette);
    QPalette panelPalette = panel->palette();
    panelPalette.setColor(QPalette::Window, m_focusColour);
    panel->setPalette(panelPalette);
}

void GridCellEditors::hideUnfocused(QFrame *panel)
{
    // Hiding the focused editor would pass the focus on along the chain, and the grid takes
    // that as a Tab and moves its current cell. The focused editor hides itself when the
    // other one takes the focus.
    if (!panel->isAncestorOf(QApplication::focusWidget()))
        panel->hide();
}

void GridCellEditors::placeTextEditor(int row)
{
    const int column = currentColumn();
    const GridEditorColumn &spec = m_table.column(column);
    m_textColumn = column;
    m_textRow = row;
    m_textPanel->setGeometry(panelRect(column, row));
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        m_textEdit->setText(m_cells->cell(column, row));
    }
    fitTextEditor();
    m_textEdit->end(false);
    m_textEdit->setAttribute(Qt::WA_InputMethodEnabled, spec.inputMethod != InputMethod::off);
    m_textEdit->setInputMethodHints(spec.inputMethod == InputMethod::closed ? Qt::ImhPreferLatin
                                                                            : Qt::ImhNone);
    if (spec.selectAllOnEntry)
        m_textEdit->selectAll();
    paintEditor(m_textPanel, m_textEdit, column);
    hideUnfocused(m_numberPanel);
    m_textPanel->show();
    m_textPanel->raise();
}

void GridCellEditors::placeNumberEditor(int column, int row)
{
    m_numberColumn = column;
    m_numberRow = row;
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        m_numberEdit->setDecimals(m_table.column(column).decimals);
        m_numberEdit->setValue(m_cells->cell(column, row));
    }
    fitNumberEditor();
    paintEditor(m_numberPanel, m_numberEdit, column);
    hideUnfocused(m_textPanel);
    m_numberPanel->show();
    m_numberPanel->raise();
}

void GridCellEditors::fitTextEditor()
{
    const QRect rect = panelRect(m_textColumn, m_textRow);
    const int textWidth = QFontMetrics(m_view->font()).horizontalAdvance(m_textEdit->text());
    if (textWidth > rect.width() - 2) {
        const bool atEnd = m_textEdit->cursorPosition() == m_textEdit->text().size();
        m_textPanel->setGeometry(rect.left(), rect.top(), textWidth + 22, rect.height());
        m_textEdit->setGeometry(1, 0, textWidth + 20, rect.height());
        if (atEnd)
            m_textEdit->end(false);
    } else {
        m_textPanel->setGeometry(rect);
        m_textEdit->setGeometry(1, 0, rect.width() - 2, rect.height());
    }
}

void GridCellEditors::fitNumberEditor()
{
    const QRect rect = panelRect(m_numberColumn, m_numberRow);
    m_numberPanel->setGeometry(rect);
    m_numberEdit->setGeometry(1, 0, rect.width() - 2, rect.height());
}

void GridCellEditors::followCellGeometry()
{
    if (m_textPanel->isVisible())
        fitTextEditor();
    if (m_numberPanel->isVisible())
        fitNumberEditor();
}

void GridCellEditors::editCurrentCell()
{
    if (!m_editMode)
        return;
    const int column = currentColumn();
    const int row = currentRow();
    switch (editorOf(column)) {
    case CellEditor::number:
        placeNumberEditor(column, row);
        m_numberEdit->setFocus(Qt::OtherFocusReason);
        break;
    case CellEditor::text:
        placeTextEditor(row);
        m_textEdit->setFocus(Qt::OtherFocusReason);
        break;
    case CellEditor::none:
        break;
    }
}

void GridCellEditors::moveTo(int column, int row)
{
    {
        const QScopedValueRollback<bool> moving(m_moving, true);
        setCurrentCell(column, row);
    }
    editCurrentCell();
}

void GridCellEditors::onCurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // A column without an editor (a computed one, the numbers) can never become current; a
    // click there leaves the current cell where it was.
    if (current.isValid() && editorOf(current.column()) == CellEditor::none) {
        const QModelIndex back = m_lastCurrent.isValid() ? QModelIndex(m_lastCurrent) : previous;
        const int row = current.row();
        const QScopedValueRollback<bool> moving(m_moving, true);
        if (back.isValid() && editorOf(back.column()) != CellEditor::none)
            setCurrentCell(back.column(), back.row());
        else
            setCurrentCell(m_table.lastColumn, row);
        return;
    }
    m_lastCurrent = current;
    if (!m_moving && current.isValid() && hasFocus())
        editCurrentCell();
}

void GridCellEditors::onTextChanged(const QString &text)
{
    if (m_placing)
        return;
    // Text cells are written at once but do not change any amount, so no recalculation.
    m_cells->setCell(m_textColumn, m_textRow, text);
    fitTextEditor();
    paintEditor(m_textPanel, m_textEdit, m_textColumn);
}

void GridCellEditors::onNumberChanged(const QString &value)
{
    if (m_placing)
        return;
    m_cells->setCell(m_numberColumn, m_numberRow, value);
    numberEdited(m_numberColumn, m_numberRow);
}

bool GridCellEditors::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_textEdit)
            return handleTextEditorKey(key);
        if (watched == m_numberEdit)
            return handleNumberEditorKey(key);
        if (watched == m_view)
            return gridKey(key);
    }
    if (watched == m_view && event->type() == QEvent::FocusIn)
        editCurrentCell();
    // A click on a cell ends with the editor of its column on it; a click that reached the
    // viewport through an editor's panel is the editor's own.
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (!m_view->viewport()->childAt(position))
            editCurrentCell();
    }
    return QObject::eventFilter(watched, event);
}

bool GridCellEditors::gridKey(QKeyEvent *)
{
    return false;
}

bool GridCellEditors::moveVertically(int key, int column)
{
    const int row = currentRow();
    switch (key) {
    case Qt::Key_Up:
        moveTo(column, row - 1);
        return true;
    case Qt::Key_Down:
        moveTo(column, row + 1);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // A grid without page moves still keeps the key from the grid view's own paging.
        if (m_table.pageRows > 0)
            moveTo(column, row + (key == Qt::Key_PageUp ? -m_table.pageRows : m_table.pageRows));
        return true;
    default:
        return false;
    }
}

// The column a key leads to from a column, passing on from columns that are not shown.
int GridCellEditors::moveTarget(int column, int GridEditorColumn::*key) const
{
    int target = m_table.column(column).*key;
    for (std::size_t passed = 0;
         target >= 0 && !isColumnShown(target) && passed < m_table.columns.size(); ++passed)
        target = m_table.column(target).*key;
    return target;
}

void GridCellEditors::go(int target, int row, bool enter)
{
    switch (target) {
    case GridMove::stay:
        return;
    case GridMove::nextRow:
        advanceRow(row, enter);
        if (!rowEndLeft())
            editCurrentCell();
        return;
    case GridMove::previousRow:
        if (row > 1)
            moveTo(m_table.lastColumn, row - 1);
        return;
    default:
        moveTo(target, row);
    }
}

bool GridCellEditors::handleTextEditorKey(QKeyEvent *event)
{
    if (!isPlainKey(event))
        return false;
    const int column = m_textColumn;
    const int row = m_textRow;
    const bool atEnd = m_textEdit->cursorPosition() == m_textEdit->text().size();
    const bool atStart = m_textEdit->cursorPosition() == 0;
    switch (event->key()) {
    case Qt::Key_Right:
        if (!atEnd)
            return false;
        go(moveTarget(column, &GridEditorColumn::right), row, false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        go(moveTarget(column, &GridEditorColumn::enter), row, true);
        return true;
    case Qt::Key_Left:
        if (!atStart)
            return false;
        go(moveTarget(column, &GridEditorColumn::left), row, false);
        return true;
    default:
        return moveVertically(event->key(), column);
    }
}

bool GridCellEditors::handleNumberEditorKey(QKeyEvent *event)
{
    if (!isPlainKey(event))
        return false;
    const int column = m_numberColumn;
    const int row = m_numberRow;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        m_cells->setCell(column, row, m_numberEdit->value());
        go(moveTarget(column, isEnter(event) ? &GridEditorColumn::enter : &GridEditorColumn::right),
           row, isEnter(event));
        return true;
    case Qt::Key_Left:
        m_cells->setCell(column, row, m_numberEdit->value());
        go(moveTarget(column, &GridEditorColumn::left), row, false);
        return true;
    case Qt::Key_Delete: {
        {
            const QScopedValueRollback<bool> placing(m_placing, true);
            m_numberEdit->setValue(QString());
        }
        m_cells->setCell(column, row, QString());
        numberEdited(column, row);
        return true;
    }
    default:
        // Backspace and typing belong to the number box; its change writes the cell.
        return moveVertically(event->key(), column);
    }
}

void GridCellEditors::advanceRow(int row, bool appendOnLastRow)
{
    const bool onLastRow = row == lastRow();
    if (onLastRow && appendOnLastRow)
        appendNumberedRow();
    const QScopedValueRollback<bool> moving(m_moving, true);
    if (!onLastRow || appendOnLastRow)
        setCurrentCell(m_table.firstColumn, row + 1);
}

void GridCellEditors::appendNumberedRow()
{
    const int row = m_cells->rows();
    m_cells->setRowCount(row + 1);
    m_cells->setCell(0, row, QString::number(row));
}

int GridCellEditors::nearestShownColumn(int column, int direction) const
{
    for (int next = column + direction; editorOf(next) != CellEditor::none; next += direction) {
        if (isColumnShown(next))
            return next;
    }
    return column;
}

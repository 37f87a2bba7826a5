#pragma once

#include "slip/grid_editor_table.h"
#include "slip/numeric_edit.h"

#include <QColor>
#include <QFrame>
#include <QLineEdit>
#include <QModelIndex>
#include <QVector>

class GridWheel;
class QKeyEvent;
class QTableView;
class StringGrid;

// The borderless text editor laid over a text cell (Edit1, Edit2, Edit3). It gives up its
// panel as soon as it loses the focus to another control.
class CellTextEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CellTextEdit(QWidget *panel);

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

// The borderless number editor laid over a quantity or price cell (NumEdit1, NumEdit2).
class CellNumEdit : public NumEdit
{
    Q_OBJECT
public:
    explicit CellNumEdit(QWidget *panel);

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

// The object names of a grid's editors and their panels, as the window exposes them.
struct GridEditorNames
{
    QString textPanel;
    QString textEdit;
    QString numberPanel;
    QString numberEdit;
};

// Typing in a string grid goes into one of two editors laid over the current cell, a text
// editor and a number editor, each on a panel of its own; the grid itself never edits. This
// controller owns both, places the one the table names for the current column, writes what is
// typed through to the cells and gives the editors' keys their meaning of moving the current
// cell by the table. A grid class derives from it for what is its own: what a number edit
// means, the keys of the grid itself, and where the window decides.
class GridCellEditors : public QObject
{
    Q_OBJECT
public:
    GridCellEditors(QTableView *view, StringGrid *cells, GridEditorTable table,
                    const GridEditorNames &names);

    QFrame *textPanel() const { return m_textPanel; }
    CellTextEdit *textEdit() const { return m_textEdit; }
    QFrame *numberPanel() const { return m_numberPanel; }
    CellNumEdit *numberEdit() const { return m_numberEdit; }
    // The wheel that steps the grid's rows by the table's rule.
    GridWheel *wheel = nullptr;

    QTableView *view() const { return m_view; }
    const GridEditorTable &table() const { return m_table; }
    CellEditor editorOf(int column) const { return m_table.column(column).editor; }

    // The current cell; (1, 1) is the first cell below the titles.
    int currentColumn() const;
    int currentRow() const;

    // Places the text editor on the current cell, which is in the given row (INP_EDIT).
    void placeTextEditor(int row);
    // Places the number editor on the current cell with the column's decimals (INP_NUMERIC).
    void placeNumberEditor(int column, int row);
    // Places the editor that serves the current column and gives it the focus.
    void editCurrentCell();
    // Makes (column, row) current (clamped to the rows below the titles) and edits it.
    void moveTo(int column, int row);

    // Grids that are browsed until an edit mode is switched on keep their editors down while
    // it is off. On from the start.
    void setEditMode(bool on);
    bool isEditMode() const { return m_editMode; }

    void setFocusColour(const QColor &colour);
    // The text colour of each column from 1 on.
    void setColumnTextColour(int column, const QColor &colour);

    // Whether the grid or one of its editors has the focus.
    bool hasFocus() const;
    // Whether the wheel is left to another grid where the table's rule would step this one.
    virtual bool wheelLeftToOtherGrid() const { return false; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    // After the number editor changed the cell it is on (typed, pasted, emptied by Delete).
    virtual void numberEdited(int column, int row) = 0;
    // Whether a column is shown; by default the grid's own hidden state.
    virtual bool isColumnShown(int column) const;
    // After Enter or Right in an editor went past the end of a row. True when the focus went
    // elsewhere; otherwise the editor of the new current cell comes up.
    virtual bool rowEndLeft() { return false; }
    // A key the grid itself received while it has the focus; true when it is used up.
    virtual bool gridKey(QKeyEvent *event);

    // Navigation keys only count without Shift, Ctrl or Alt.
    static bool isPlainKey(const QKeyEvent *event);
    // The nearest shown column with an editor in a direction (-1 left, +1 right), not past a
    // column without one; the column itself when there is none.
    int nearestShownColumn(int column, int direction) const;
    // Makes the first column of the next row current. On the last row a numbered row is
    // appended first when appendOnLastRow is set; otherwise the current cell stays.
    void advanceRow(int row, bool appendOnLastRow);
    int lastRow() const;

private:
    bool handleTextEditorKey(QKeyEvent *event);
    bool handleNumberEditorKey(QKeyEvent *event);
    int moveTarget(int column, int GridEditorColumn::*key) const;
    void go(int target, int row, bool enter);
    bool moveVertically(int key, int column);
    void appendNumberedRow();
    void setCurrentCell(int column, int row);
    void onCurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void onTextChanged(const QString &text);
    void onNumberChanged(const QString &value);
    void fitTextEditor();
    void fitNumberEditor();
    void followCellGeometry();
    void hideUnfocused(QFrame *panel);
    void paintEditor(QFrame *panel, QWidget *editor, int column);
    QRect panelRect(int column, int row) const;

    QTableView *m_view;
    StringGrid *m_cells;
    const GridEditorTable m_table;
    QFrame *m_textPanel;
    CellTextEdit *m_textEdit;
    QFrame *m_numberPanel;
    CellNumEdit *m_numberEdit;
    QColor m_focusColour{Qt::yellow};
    QVector<QColor> m_columnTextColours;
    // The cell each editor was placed on; typing writes there.
    int m_textColumn = 0;
    int m_textRow = 0;
    int m_numberColumn = 0;
    int m_numberRow = 0;
    // Placing an editor sets its text from the cell; that is not an edit to write back.
    bool m_placing = false;
    bool m_moving = false;
    bool m_editMode = true;
    QPersistentModelIndex m_lastCurrent;
};

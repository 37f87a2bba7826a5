#pragma once

#include "slip/numeric_edit.h"

#include <QColor>
#include <QFrame>
#include <QLineEdit>
#include <QModelIndex>
#include <QPointer>
#include <QVector>

#include <functional>

class ItemGridView;
class ItemGridWheel;
class StringGrid;

// The text editor laid over a text cell of the item grid (Edit1). It gives up its panel as
// soon as it loses the focus to another control.
class CellTextEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CellTextEdit(QWidget *panel);

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

// The number editor laid over a quantity or price cell (NumEdit1).
class CellNumEdit : public NumEdit
{
    Q_OBJECT
public:
    explicit CellNumEdit(QWidget *panel);

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

// Typing in the item grid SG1 always goes into one of two editors laid over the current
// cell: the text editor for 類, 品名, the tax-exempt mark, 形状・寸法 and 単位, the number
// editor for 数量, 単価 and 原単価. The grid itself never edits. This class owns both editors
// and their panels, places them, writes what is typed through to the cells and gives the
// editors' keys their meaning of moving the current cell.
//
// The main window creates one for SG1, sets the hooks below and exposes the widgets by their
// names (EditP, Edit1, NumP, NumEdit1).
class ItemCellEditors : public QObject
{
    Q_OBJECT
public:
    // Item columns of the grid.
    enum Column {
        Number = 0,
        Category = 1,    // 類
        ItemName = 2,    // 品名
        TaxExempt = 3,   // "1" when the row is not taxable
        Size = 4,        // 形状・寸法
        Quantity = 5,    // 数量
        Unit = 6,        // 単位
        UnitPrice = 7,   // 単価
        CostPrice = 8,   // 原単価
        Amount = 9,      // 金額
        CostAmount = 10, // 原価計
        Rate = 11,
    };
    // Page Up and Page Down move this many rows, a screenful of the grid.
    static constexpr int pageRows = 23;

    explicit ItemCellEditors(ItemGridView *grid);

    QFrame *EditP = nullptr;
    CellTextEdit *Edit1 = nullptr;
    QFrame *NumP = nullptr;
    CellNumEdit *NumEdit1 = nullptr;
    // The wheel over the grid steps its rows; its hook tells when another grid takes it.
    ItemGridWheel *wheel = nullptr;

    ItemGridView *grid() const { return m_grid; }

    // Runs the slip's recalculation after the number editor changed a cell, and after the
    // grid emptied a cell it could not show as a number.
    std::function<void()> recalculate;
    // Whether 形状・寸法 is shown; by default read from the grid's column 4.
    std::function<bool()> sizeColumnShown;
    // Called after Enter or Right left 原単価. When the parts catalogue is open it brings its
    // grid back, focuses it and returns true; otherwise the item grid keeps the focus.
    std::function<bool()> returnToPartsCatalogue;

    // Places the text editor on the current cell, which is in the given row.
    void INP_EDIT(int row);
    // Places the number editor on the current cell: 3 decimals for the quantity, else 2.
    void INP_NUMERIC(int column, int row);
    // Places the editor that serves the current column and gives it the focus.
    void editCurrentCell();
    // Makes (column, row) current (clamped to the item rows) and edits it.
    void moveTo(int column, int row);

    void setFocusColor(const QColor &color);
    // The text colour of each item column (index 1 to 11).
    void setColumnTextColor(int column, const QColor &color);

    static bool isTextColumn(int column);
    static bool isNumberColumn(int column);

    // The grid's own state for Left and Right while it has the focus itself: the edit state
    // after start-up and Ctrl, the browse state after Escape and after every move of the
    // current cell.
    bool isBrowsing() const { return m_browsing; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleTextEditorKey(QKeyEvent *event);
    bool handleNumberEditorKey(QKeyEvent *event);
    bool handleGridKey(QKeyEvent *event);
    void enterInGrid(int column, int row);
    int nextShownColumn(int column, int direction) const;
    bool isColumnShown(int column) const;
    void moveVertically(int key, int column);
    void moveFromCostPrice(bool appendOnLastRow);
    void appendNumberedRow();
    void onCurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void onTextChanged(const QString &text);
    void onNumberChanged(const QString &value);
    void fitTextEditor();
    void followCellGeometry();
    void hideUnfocused(QFrame *panel);
    void paintEditor(QFrame *panel, QWidget *editor, int column);
    QRect panelRect(int column, int row) const;
    bool isSizeColumnShown() const;
    bool isEditing() const;
    int lastRow() const;

    ItemGridView *m_grid;
    StringGrid *m_cells;
    QColor m_focusColor{Qt::yellow};
    QVector<QColor> m_columnTextColors;
    // The cell each editor was placed on; typing writes there.
    int m_textColumn = 0;
    int m_textRow = 0;
    int m_numberColumn = 0;
    int m_numberRow = 0;
    // Placing an editor sets its text from the cell; that is not an edit to write back.
    bool m_placing = false;
    bool m_moving = false;
    bool m_browsing = false;
    QPersistentModelIndex m_lastCurrent;
};

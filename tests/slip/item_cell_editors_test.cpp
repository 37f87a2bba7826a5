#include "slip/item_cell_editors.h"

#include "slip/item_grid_view.h"
#include "slip/string_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Col = ItemCellEditors::Column;

enum class Editor { Text, Number };

// The item grid of a fresh slip: 30 numbered rows, the widths the main window starts with,
// the tax-exempt column hidden.
class ItemCellEditorsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(1000, 500);
        m_cells = new StringGrid(12, 31, m_window.get());
        for (int row = 1; row <= 30; ++row)
            m_cells->setCell(0, row, QString::number(row));
        m_view = new ItemGridView(m_cells, m_window.get());
        m_view->setGeometry(0, 0, 980, 480);
        const int widths[] = {25, 50, 305, -1, 210, 60, 40, 80, 80, 90, 90, 50};
        for (int column = 0; column < 12; ++column)
            m_view->setColWidth(column, widths[column]);
        m_editors = new ItemCellEditors(m_view);
        m_editors->recalculate = [this] { ++m_recalculations; };
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    void showSize(bool shown) { m_view->setColWidth(Col::Size, shown ? 210 : -1); }

    void start(int column, int row)
    {
        m_editors->moveTo(column, row);
        ASSERT_EQ(m_view->col(), column);
        ASSERT_EQ(m_view->row(), row);
    }

    QWidget *focused() const { return QApplication::focusWidget(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), key, modifiers);
    }

    // Types text character by character, as the input method delivers it.
    void type(const QString &text)
    {
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }

    // Which editor is up and focused, or fails.
    Editor editorShown() const
    {
        if (m_editors->EditP->isVisible() && focused() == m_editors->Edit1)
            return Editor::Text;
        if (m_editors->NumP->isVisible() && focused() == m_editors->NumEdit1)
            return Editor::Number;
        ADD_FAILURE() << "no editor has the focus";
        return Editor::Text;
    }

    std::unique_ptr<QWidget> m_window;
    StringGrid *m_cells = nullptr;
    ItemGridView *m_view = nullptr;
    ItemCellEditors *m_editors = nullptr;
    int m_recalculations = 0;
};

TEST_F(ItemCellEditorsTest, KeysMoveTheCurrentCell)
{
    struct Case
    {
        const char *name;
        bool sizeShown;
        int column;
        int row;
        Qt::Key key;
        int toColumn;
        int toRow;
        Editor editor;
    } const cases[] = {
        {"enter in 類", true, Col::Category, 3, Qt::Key_Return, Col::ItemName, 3, Editor::Text},
        {"enter in 品名, size shown", true, Col::ItemName, 3, Qt::Key_Return, Col::Size, 3,
         Editor::Text},
        {"enter in 品名, size hidden", false, Col::ItemName, 3, Qt::Key_Return, Col::Quantity, 3,
         Editor::Number},
        {"right at the end of 品名", false, Col::ItemName, 3, Qt::Key_Right, Col::Quantity, 3,
         Editor::Number},
        {"keypad enter in 形状", true, Col::Size, 3, Qt::Key_Enter, Col::Quantity, 3,
         Editor::Number},
        {"enter in 単位", true, Col::Unit, 3, Qt::Key_Return, Col::UnitPrice, 3, Editor::Number},
        {"left at the start of 品名", true, Col::ItemName, 3, Qt::Key_Left, Col::Category, 3,
         Editor::Text},
        {"left at the start of 形状", true, Col::Size, 3, Qt::Key_Left, Col::ItemName, 3,
         Editor::Text},
        {"left at the start of 単位", true, Col::Unit, 3, Qt::Key_Left, Col::Quantity, 3,
         Editor::Number},
        {"left at the start of 類", true, Col::Category, 5, Qt::Key_Left, Col::CostPrice, 4,
         Editor::Number},
        {"left at the start of 類 in row 1", true, Col::Category, 1, Qt::Key_Left, Col::Category, 1,
         Editor::Text},
        {"up in text", true, Col::ItemName, 3, Qt::Key_Up, Col::ItemName, 2, Editor::Text},
        {"up in row 1", true, Col::ItemName, 1, Qt::Key_Up, Col::ItemName, 1, Editor::Text},
        {"down in text", true, Col::Unit, 3, Qt::Key_Down, Col::Unit, 4, Editor::Text},
        {"down in the last row", true, Col::Unit, 30, Qt::Key_Down, Col::Unit, 30, Editor::Text},
        {"page down", true, Col::ItemName, 1, Qt::Key_PageDown, Col::ItemName, 24, Editor::Text},
        {"page down clamped", true, Col::ItemName, 20, Qt::Key_PageDown, Col::ItemName, 30,
         Editor::Text},
        {"page up clamped", true, Col::ItemName, 10, Qt::Key_PageUp, Col::ItemName, 1,
         Editor::Text},
        {"enter in 数量", true, Col::Quantity, 3, Qt::Key_Return, Col::Unit, 3, Editor::Text},
        {"right in 単価", true, Col::UnitPrice, 3, Qt::Key_Right, Col::CostPrice, 3,
         Editor::Number},
        {"enter in 原単価", true, Col::CostPrice, 3, Qt::Key_Return, Col::Category, 4,
         Editor::Text},
        {"right in 原単価", true, Col::CostPrice, 3, Qt::Key_Right, Col::Category, 4, Editor::Text},
        {"left in 原単価", true, Col::CostPrice, 3, Qt::Key_Left, Col::UnitPrice, 3,
         Editor::Number},
        {"left in 単価", true, Col::UnitPrice, 3, Qt::Key_Left, Col::Unit, 3, Editor::Text},
        {"left in 数量, size shown", true, Col::Quantity, 3, Qt::Key_Left, Col::Size, 3,
         Editor::Text},
        {"left in 数量, size hidden", false, Col::Quantity, 3, Qt::Key_Left, Col::ItemName, 3,
         Editor::Text},
        {"up in numbers", true, Col::UnitPrice, 3, Qt::Key_Up, Col::UnitPrice, 2, Editor::Number},
        {"page down in numbers", true, Col::Quantity, 10, Qt::Key_PageDown, Col::Quantity, 30,
         Editor::Number},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        showSize(c.sizeShown);
        m_cells->setCell(c.column, c.row, QString());
        start(c.column, c.row);
        press(c.key);
        EXPECT_EQ(m_view->col(), c.toColumn);
        EXPECT_EQ(m_view->row(), c.toRow);
        EXPECT_EQ(editorShown(), c.editor);
        EXPECT_EQ(m_cells->rows(), 31);
    }
}

TEST_F(ItemCellEditorsTest, LeftAndRightInsideTheTextMoveTheCaret)
{
    m_cells->setCell(Col::ItemName, 2, QStringLiteral("ボルト"));
    start(Col::ItemName, 2);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 3);
    press(Qt::Key_Left);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 2);
    press(Qt::Key_Right);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 3);
    EXPECT_EQ(m_view->col(), Col::ItemName);
    press(Qt::Key_Right);
    EXPECT_EQ(m_view->col(), Col::Size);
}

TEST_F(ItemCellEditorsTest, EnterInCostPriceOnTheLastRowAppendsANumberedRowRightDoesNot)
{
    start(Col::CostPrice, 30);
    press(Qt::Key_Right);
    EXPECT_EQ(m_cells->rows(), 31);
    EXPECT_EQ(m_view->col(), Col::CostPrice);
    EXPECT_EQ(m_view->row(), 30);
    EXPECT_EQ(editorShown(), Editor::Number);

    press(Qt::Key_Return);
    ASSERT_EQ(m_cells->rows(), 32);
    EXPECT_EQ(m_cells->cell(0, 31), QStringLiteral("31"));
    EXPECT_EQ(m_view->col(), Col::Category);
    EXPECT_EQ(m_view->row(), 31);
    EXPECT_EQ(editorShown(), Editor::Text);
}

TEST_F(ItemCellEditorsTest, LeavingCostPriceReturnsToAnOpenPartsCatalogue)
{
    auto *partsGrid = new QWidget(m_window.get());
    partsGrid->setFocusPolicy(Qt::StrongFocus);
    partsGrid->show();
    m_editors->returnToPartsCatalogue = [partsGrid] {
        partsGrid->setFocus();
        return true;
    };
    start(Col::CostPrice, 3);
    press(Qt::Key_Return);
    EXPECT_EQ(m_view->row(), 4);
    EXPECT_EQ(focused(), partsGrid);
    EXPECT_FALSE(m_editors->NumP->isVisible());
    EXPECT_FALSE(m_editors->EditP->isVisible());
}

TEST_F(ItemCellEditorsTest, NumberEditorWritesThroughAndRecalculatesOnEveryKey)
{
    m_cells->setCell(Col::Quantity, 2, QStringLiteral("7"));
    start(Col::Quantity, 2);
    EXPECT_EQ(m_recalculations, 0) << "entering a cell is not an edit";

    struct Step
    {
        const char *keys;
        Qt::Key key;
        const char *cell;
    } const steps[] = {
        {"1", Qt::Key_unknown, "1"},     {"2", Qt::Key_unknown, "12"},
        {".", Qt::Key_unknown, "12."},   {"5", Qt::Key_unknown, "12.5"},
        {"-", Qt::Key_unknown, "-12.5"}, {"-", Qt::Key_unknown, "12.5"},
        {"5", Qt::Key_unknown, "12.55"}, {"", Qt::Key_Backspace, "12.5"},
        {"", Qt::Key_Delete, ""},
    };
    int expectedRecalculations = 0;
    for (const Step &step : steps) {
        SCOPED_TRACE(step.cell);
        if (step.key == Qt::Key_unknown)
            QTest::keyClicks(focused(), QString::fromLatin1(step.keys));
        else
            press(step.key);
        EXPECT_EQ(m_cells->cell(Col::Quantity, 2), QString::fromLatin1(step.cell));
        EXPECT_EQ(m_recalculations, ++expectedRecalculations);
    }
    // A fourth decimal is refused: neither the cell nor the slip changes.
    QTest::keyClicks(focused(), QStringLiteral("1.2345"));
    EXPECT_EQ(m_cells->cell(Col::Quantity, 2), QStringLiteral("1.234"));
}

TEST_F(ItemCellEditorsTest, PastingFullWidthTextIntoAFreshPriceCell)
{
    m_cells->setCell(Col::UnitPrice, 4, QStringLiteral("980"));
    start(Col::UnitPrice, 4);
    QGuiApplication::clipboard()->setText(QStringLiteral("１２，３４５．６７８"));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_cells->cell(Col::UnitPrice, 4), QStringLiteral("12345.67"));
    EXPECT_EQ(m_editors->NumEdit1->text(), QStringLiteral("12,345.67"));
}

TEST_F(ItemCellEditorsTest, TextEditorWritesThroughWithoutRecalculatingAndWidens)
{
    start(Col::Unit, 6);
    const QRect cell = m_view->visualRect(m_cells->index(6, Col::Unit));
    EXPECT_EQ(m_editors->EditP->geometry().topLeft(), cell.topLeft() + QPoint(1, 1));
    EXPECT_EQ(m_editors->EditP->width(), cell.width());
    EXPECT_EQ(m_editors->Edit1->width(), cell.width() - 2);

    const QString text = QStringLiteral("ダース入りケース");
    type(text);
    EXPECT_EQ(m_cells->cell(Col::Unit, 6), text);
    EXPECT_EQ(m_recalculations, 0);
    const int textWidth = QFontMetrics(m_view->font()).horizontalAdvance(text);
    ASSERT_GT(textWidth, cell.width());
    EXPECT_EQ(m_editors->EditP->width(), textWidth + 22);
    EXPECT_EQ(m_editors->Edit1->width(), textWidth + 20);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), text.size());

    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("本"));
    EXPECT_EQ(m_cells->cell(Col::Unit, 6), QStringLiteral("本"));
    EXPECT_EQ(m_editors->EditP->width(), cell.width());
}

TEST_F(ItemCellEditorsTest, CategoryIsEnteredSelectedOtherTextColumnsAtTheEnd)
{
    m_cells->setCell(Col::Category, 2, QStringLiteral("A1"));
    m_cells->setCell(Col::ItemName, 2, QStringLiteral("ボルト"));
    start(Col::Category, 2);
    EXPECT_EQ(m_editors->Edit1->selectedText(), QStringLiteral("A1"));
    EXPECT_FALSE(m_editors->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    press(Qt::Key_Return);
    EXPECT_FALSE(m_editors->Edit1->hasSelectedText());
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 3);
    EXPECT_TRUE(m_editors->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(ItemCellEditorsTest, ComputedColumnsNeverBecomeCurrent)
{
    start(Col::UnitPrice, 3);
    for (int column : {int(Col::Amount), int(Col::CostAmount), int(Col::Rate)}) {
        SCOPED_TRACE(column);
        m_view->setCurrentCell(column, 5);
        EXPECT_EQ(m_view->col(), Col::UnitPrice);
        EXPECT_EQ(m_view->row(), 3);
    }
}

TEST_F(ItemCellEditorsTest, MovingTheCurrentCellWhileEditingBringsTheEditorAlong)
{
    start(Col::ItemName, 3);
    // A row command moving the current cell, as the mouse or the row commands do.
    m_view->setCurrentCell(Col::UnitPrice, 8);
    EXPECT_EQ(editorShown(), Editor::Number);
    const QRect cell = m_view->visualRect(m_cells->index(8, Col::UnitPrice));
    EXPECT_EQ(m_editors->NumP->geometry().topLeft(), cell.topLeft() + QPoint(1, 1));
    EXPECT_FALSE(m_editors->EditP->isVisible());
}

TEST_F(ItemCellEditorsTest, AnEditorThatLosesTheFocusHidesItsPanel)
{
    auto *other = new QLineEdit(m_window.get());
    other->show();
    for (int column : {int(Col::ItemName), int(Col::Quantity)}) {
        SCOPED_TRACE(column);
        start(column, 2);
        other->setFocus();
        EXPECT_FALSE(m_editors->EditP->isVisible());
        EXPECT_FALSE(m_editors->NumP->isVisible());
        // Coming back to the grid brings the editor back.
        m_view->setFocus();
        EXPECT_EQ(editorShown(), column == Col::Quantity ? Editor::Number : Editor::Text);
    }
}

} // namespace

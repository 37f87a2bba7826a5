#include "slip/item_cell_editors.h"

#include "slip/grid_wheel.h"
#include "slip/item_cell_look.h"
#include "slip/item_columns.h"
#include "slip/item_grid_host.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"
#include "support/typing.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace Col = ItemColumn;

enum class Editor { Text, Number };

// The window as the item grid's editors see it: 形状・寸法 is shown when its column is, the
// parts catalogue and the other grids are there when a test puts them there.
class FakeItemGridHost : public ItemGridHost
{
public:
    const ItemGridView *view = nullptr;
    int recalculations = 0;
    QWidget *partsGrid = nullptr;
    bool partsGridFocused = false;

    void recalculate() override { ++recalculations; }
    bool sizeColumnShown() const override { return !view->isColumnHidden(Col::shape); }
    bool returnToPartsCatalogue() override
    {
        if (!partsGrid)
            return false;
        partsGrid->setFocus();
        return true;
    }
    bool otherGridHasFocus() const override { return partsGridFocused; }
};

// The item grid of a fresh slip: 30 numbered rows, the widths the main window starts with,
// the tax-exempt column hidden.
class ItemCellEditorsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(1000, 500);
        m_cells = new StringGrid(Col::count, 31, m_window.get());
        for (int row = 1; row <= 30; ++row)
            m_cells->setCell(Col::number, row, QString::number(row));
        m_view = new ItemGridView(m_cells, m_window.get());
        m_view->setGeometry(0, 0, 980, 480);
        const int widths[] = {25, 50, 305, -1, 210, 60, 40, 80, 80, 90, 90, 50};
        for (int column = Col::number; column < Col::count; ++column)
            m_view->setColWidth(column, widths[column]);
        m_host.view = m_view;
        m_editors = new ItemCellEditors(m_view, m_host);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    void showSize(bool shown) { m_view->setColWidth(Col::shape, shown ? 210 : -1); }

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

    // Declared first: it outlives the window and the editors on it.
    FakeItemGridHost m_host;
    std::unique_ptr<QWidget> m_window;
    StringGrid *m_cells = nullptr;
    ItemGridView *m_view = nullptr;
    ItemCellEditors *m_editors = nullptr;
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
        {"enter in 類", true, Col::category, 3, Qt::Key_Return, Col::name, 3, Editor::Text},
        {"enter in 品名, size shown", true, Col::name, 3, Qt::Key_Return, Col::shape, 3,
         Editor::Text},
        {"enter in 品名, size hidden", false, Col::name, 3, Qt::Key_Return, Col::quantity, 3,
         Editor::Number},
        {"right at the end of 品名", false, Col::name, 3, Qt::Key_Right, Col::quantity, 3,
         Editor::Number},
        {"keypad enter in 形状", true, Col::shape, 3, Qt::Key_Enter, Col::quantity, 3,
         Editor::Number},
        {"enter in 単位", true, Col::unit, 3, Qt::Key_Return, Col::unitPrice, 3, Editor::Number},
        {"left at the start of 品名", true, Col::name, 3, Qt::Key_Left, Col::category, 3,
         Editor::Text},
        {"left at the start of 形状", true, Col::shape, 3, Qt::Key_Left, Col::name, 3,
         Editor::Text},
        {"left at the start of 単位", true, Col::unit, 3, Qt::Key_Left, Col::quantity, 3,
         Editor::Number},
        {"left at the start of 類", true, Col::category, 5, Qt::Key_Left, Col::costPrice, 4,
         Editor::Number},
        {"left at the start of 類 in row 1", true, Col::category, 1, Qt::Key_Left, Col::category, 1,
         Editor::Text},
        {"up in text", true, Col::name, 3, Qt::Key_Up, Col::name, 2, Editor::Text},
        {"up in row 1", true, Col::name, 1, Qt::Key_Up, Col::name, 1, Editor::Text},
        {"down in text", true, Col::unit, 3, Qt::Key_Down, Col::unit, 4, Editor::Text},
        {"down in the last row", true, Col::unit, 30, Qt::Key_Down, Col::unit, 30, Editor::Text},
        {"page down", true, Col::name, 1, Qt::Key_PageDown, Col::name, 24, Editor::Text},
        {"page down clamped", true, Col::name, 20, Qt::Key_PageDown, Col::name, 30, Editor::Text},
        {"page up clamped", true, Col::name, 10, Qt::Key_PageUp, Col::name, 1, Editor::Text},
        {"enter in 数量", true, Col::quantity, 3, Qt::Key_Return, Col::unit, 3, Editor::Text},
        {"right in 単価", true, Col::unitPrice, 3, Qt::Key_Right, Col::costPrice, 3,
         Editor::Number},
        {"enter in 原単価", true, Col::costPrice, 3, Qt::Key_Return, Col::category, 4,
         Editor::Text},
        {"right in 原単価", true, Col::costPrice, 3, Qt::Key_Right, Col::category, 4, Editor::Text},
        {"left in 原単価", true, Col::costPrice, 3, Qt::Key_Left, Col::unitPrice, 3,
         Editor::Number},
        {"left in 単価", true, Col::unitPrice, 3, Qt::Key_Left, Col::unit, 3, Editor::Text},
        {"left in 数量, size shown", true, Col::quantity, 3, Qt::Key_Left, Col::shape, 3,
         Editor::Text},
        {"left in 数量, size hidden", false, Col::quantity, 3, Qt::Key_Left, Col::name, 3,
         Editor::Text},
        {"up in numbers", true, Col::unitPrice, 3, Qt::Key_Up, Col::unitPrice, 2, Editor::Number},
        {"page down in numbers", true, Col::quantity, 10, Qt::Key_PageDown, Col::quantity, 30,
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
    m_cells->setCell(Col::name, 2, QStringLiteral("ボルト"));
    start(Col::name, 2);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 3);
    press(Qt::Key_Left);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 2);
    press(Qt::Key_Right);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 3);
    EXPECT_EQ(m_view->col(), Col::name);
    press(Qt::Key_Right);
    EXPECT_EQ(m_view->col(), Col::shape);
}

TEST_F(ItemCellEditorsTest, EnterInCostPriceOnTheLastRowAppendsANumberedRowRightDoesNot)
{
    start(Col::costPrice, 30);
    press(Qt::Key_Right);
    EXPECT_EQ(m_cells->rows(), 31);
    EXPECT_EQ(m_view->col(), Col::costPrice);
    EXPECT_EQ(m_view->row(), 30);
    EXPECT_EQ(editorShown(), Editor::Number);

    press(Qt::Key_Return);
    ASSERT_EQ(m_cells->rows(), 32);
    EXPECT_EQ(m_cells->cell(Col::number, 31), QStringLiteral("31"));
    EXPECT_EQ(m_view->col(), Col::category);
    EXPECT_EQ(m_view->row(), 31);
    EXPECT_EQ(editorShown(), Editor::Text);
}

TEST_F(ItemCellEditorsTest, LeavingCostPriceReturnsToAnOpenPartsCatalogue)
{
    auto *partsGrid = new QWidget(m_window.get());
    partsGrid->setFocusPolicy(Qt::StrongFocus);
    partsGrid->show();
    m_host.partsGrid = partsGrid;
    start(Col::costPrice, 3);
    press(Qt::Key_Return);
    EXPECT_EQ(m_view->row(), 4);
    EXPECT_EQ(focused(), partsGrid);
    EXPECT_FALSE(m_editors->NumP->isVisible());
    EXPECT_FALSE(m_editors->EditP->isVisible());
}

TEST_F(ItemCellEditorsTest, NumberEditorWritesThroughAndRecalculatesOnEveryKey)
{
    m_cells->setCell(Col::quantity, 2, QStringLiteral("7"));
    start(Col::quantity, 2);
    EXPECT_EQ(m_host.recalculations, 0) << "entering a cell is not an edit";

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
        EXPECT_EQ(m_cells->cell(Col::quantity, 2), QString::fromLatin1(step.cell));
        EXPECT_EQ(m_host.recalculations, ++expectedRecalculations);
    }
    // A fourth decimal is refused: neither the cell nor the slip changes.
    QTest::keyClicks(focused(), QStringLiteral("1.2345"));
    EXPECT_EQ(m_cells->cell(Col::quantity, 2), QStringLiteral("1.234"));
}

TEST_F(ItemCellEditorsTest, PastingFullWidthTextIntoAFreshPriceCell)
{
    m_cells->setCell(Col::unitPrice, 4, QStringLiteral("980"));
    start(Col::unitPrice, 4);
    QGuiApplication::clipboard()->setText(QStringLiteral("１２，３４５．６７８"));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_cells->cell(Col::unitPrice, 4), QStringLiteral("12345.67"));
    EXPECT_EQ(m_editors->NumEdit1->text(), QStringLiteral("12,345.67"));
}

TEST_F(ItemCellEditorsTest, TextEditorWritesThroughWithoutRecalculatingAndWidens)
{
    start(Col::unit, 6);
    const QRect cell = m_view->visualRect(m_cells->index(6, Col::unit));
    EXPECT_EQ(m_editors->EditP->geometry().topLeft(), cell.topLeft() + QPoint(1, 1));
    EXPECT_EQ(m_editors->EditP->width(), cell.width());
    EXPECT_EQ(m_editors->Edit1->width(), cell.width() - 2);

    const QString text = QStringLiteral("ダース入りケース");
    type(text);
    EXPECT_EQ(m_cells->cell(Col::unit, 6), text);
    EXPECT_EQ(m_host.recalculations, 0);
    const int textWidth = QFontMetrics(m_view->font()).horizontalAdvance(text);
    ASSERT_GT(textWidth, cell.width());
    EXPECT_EQ(m_editors->EditP->width(), textWidth + 22);
    EXPECT_EQ(m_editors->Edit1->width(), textWidth + 20);
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), text.size());

    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("本"));
    EXPECT_EQ(m_cells->cell(Col::unit, 6), QStringLiteral("本"));
    EXPECT_EQ(m_editors->EditP->width(), cell.width());
}

TEST_F(ItemCellEditorsTest, CategoryIsEnteredSelectedOtherTextColumnsAtTheEnd)
{
    m_cells->setCell(Col::category, 2, QStringLiteral("A1"));
    m_cells->setCell(Col::name, 2, QStringLiteral("ボルト"));
    start(Col::category, 2);
    EXPECT_EQ(m_editors->Edit1->selectedText(), QStringLiteral("A1"));
    EXPECT_FALSE(m_editors->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    press(Qt::Key_Return);
    EXPECT_FALSE(m_editors->Edit1->hasSelectedText());
    EXPECT_EQ(m_editors->Edit1->cursorPosition(), 3);
    EXPECT_TRUE(m_editors->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(ItemCellEditorsTest, ComputedColumnsNeverBecomeCurrent)
{
    start(Col::unitPrice, 3);
    for (int column : {int(Col::amount), int(Col::costAmount), int(Col::rate)}) {
        SCOPED_TRACE(column);
        m_view->setCurrentCell(column, 5);
        EXPECT_EQ(m_view->col(), Col::unitPrice);
        EXPECT_EQ(m_view->row(), 3);
    }
}

TEST_F(ItemCellEditorsTest, MovingTheCurrentCellWhileEditingBringsTheEditorAlong)
{
    start(Col::name, 3);
    // A row command moving the current cell, as the mouse or the row commands do.
    m_view->setCurrentCell(Col::unitPrice, 8);
    EXPECT_EQ(editorShown(), Editor::Number);
    const QRect cell = m_view->visualRect(m_cells->index(8, Col::unitPrice));
    EXPECT_EQ(m_editors->NumP->geometry().topLeft(), cell.topLeft() + QPoint(1, 1));
    EXPECT_FALSE(m_editors->EditP->isVisible());
}

TEST_F(ItemCellEditorsTest, ResizingTheColumnTakesTheEditorAlong)
{
    for (int column : {int(Col::unit), int(Col::unitPrice)}) {
        SCOPED_TRACE(column);
        start(column, 4);
        m_view->setColWidth(Col::quantity, 95);
        m_view->setColWidth(column, 70);
        const QRect cell = m_view->visualRect(m_cells->index(4, column));
        QFrame *panel = column == Col::unit ? m_editors->EditP : m_editors->NumP;
        EXPECT_EQ(panel->geometry().topLeft(), cell.topLeft() + QPoint(1, 1));
        EXPECT_EQ(panel->width(), cell.width());
        m_view->setColWidth(Col::quantity, 60);
    }
}

TEST_F(ItemCellEditorsTest, AnEditorThatLosesTheFocusHidesItsPanel)
{
    auto *other = new QLineEdit(m_window.get());
    other->show();
    for (int column : {int(Col::name), int(Col::quantity)}) {
        SCOPED_TRACE(column);
        start(column, 2);
        other->setFocus();
        EXPECT_FALSE(m_editors->EditP->isVisible());
        EXPECT_FALSE(m_editors->NumP->isVisible());
        // Coming back to the grid brings the editor back.
        m_view->setFocus();
        EXPECT_EQ(editorShown(), column == Col::quantity ? Editor::Number : Editor::Text);
    }
}

TEST_F(ItemCellEditorsTest, KeysOfTheGridItselfSkipHiddenColumns)
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
    } const cases[] = {
        {"enter in 類", true, Col::category, 3, Qt::Key_Return, Col::name, 3},
        {"enter in 品名 passes the hidden mark", true, Col::name, 3, Qt::Key_Return, Col::shape, 3},
        {"enter in 品名, size hidden", false, Col::name, 3, Qt::Key_Enter, Col::quantity, 3},
        {"enter in 単価", true, Col::unitPrice, 3, Qt::Key_Return, Col::costPrice, 3},
        {"enter in 原単価", true, Col::costPrice, 3, Qt::Key_Return, Col::category, 4},
        {"left from 形状", true, Col::shape, 3, Qt::Key_Left, Col::name, 3},
        {"left from 数量, size shown", true, Col::quantity, 3, Qt::Key_Left, Col::shape, 3},
        {"left from 数量, size hidden", false, Col::quantity, 3, Qt::Key_Left, Col::name, 3},
        {"left from 類 stays", true, Col::category, 3, Qt::Key_Left, Col::category, 3},
        {"right from 品名, size shown", true, Col::name, 3, Qt::Key_Right, Col::shape, 3},
        {"right from 品名, size hidden", false, Col::name, 3, Qt::Key_Right, Col::quantity, 3},
        {"right from 単位", true, Col::unit, 3, Qt::Key_Right, Col::unitPrice, 3},
        {"right from 原単価 stays", true, Col::costPrice, 3, Qt::Key_Right, Col::costPrice, 3},
    };
    for (const Case &c : cases) {
        for (const bool browsing : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (browsing ? ", browsing" : ", editing"));
            showSize(c.sizeShown);
            m_view->setCurrentCell(c.column, c.row);
            // Ctrl puts the grid into the edit state, Escape back into the browse state.
            QTest::keyClick(m_view, browsing ? Qt::Key_Escape : Qt::Key_Control);
            ASSERT_EQ(m_editors->isBrowsing(), browsing);
            QTest::keyClick(m_view, c.key);
            EXPECT_EQ(m_view->col(), c.toColumn);
            EXPECT_EQ(m_view->row(), c.toRow);
            EXPECT_EQ(editorShown(), m_editors->editorOf(c.toColumn) == CellEditor::number
                                         ? Editor::Number
                                         : Editor::Text);
            EXPECT_EQ(m_cells->rows(), 31);
        }
    }
}

TEST_F(ItemCellEditorsTest, EveryMoveOfTheCurrentCellEndsTheEditState)
{
    EXPECT_FALSE(m_editors->isBrowsing());
    m_view->setCurrentCell(Col::name, 2);
    EXPECT_TRUE(m_editors->isBrowsing());
    QTest::keyClick(m_view, Qt::Key_Control);
    EXPECT_FALSE(m_editors->isBrowsing());
    QTest::keyClick(m_view, Qt::Key_Return);
    EXPECT_TRUE(m_editors->isBrowsing());
}

TEST_F(ItemCellEditorsTest, EnterInTheGridOnTheLastRowAppendsANumberedRow)
{
    m_view->setCurrentCell(Col::costPrice, 30);
    QTest::keyClick(m_view, Qt::Key_Return);
    ASSERT_EQ(m_cells->rows(), 32);
    EXPECT_EQ(m_cells->cell(Col::number, 31), QStringLiteral("31"));
    EXPECT_EQ(m_view->col(), Col::category);
    EXPECT_EQ(m_view->row(), 31);
    EXPECT_EQ(editorShown(), Editor::Text);
}

TEST_F(ItemCellEditorsTest, TheWheelOverTheGridStepsRowsAndBringsTheEditor)
{
    struct Case
    {
        const char *name;
        int column;
        int row;
        QList<int> deltas;
        int toRow;
        Editor editor;
    } const cases[] = {
        {"toward the user", Col::quantity, 3, {-120}, 4, Editor::Number},
        {"away from the user", Col::name, 3, {120}, 2, Editor::Text},
        {"three notches", Col::unitPrice, 3, {-120, -120, -120}, 6, Editor::Number},
        {"not above row 1", Col::name, 1, {120}, 1, Editor::Text},
        {"not below the last row", Col::costPrice, 30, {-120}, 30, Editor::Number},
        {"half notches add up", Col::unit, 3, {-60, -60}, 4, Editor::Text},
        {"a fine turn alone does not step", Col::unit, 3, {-40}, 3, Editor::Text},
    };
    for (const Case &c : cases) {
        for (QWidget *over :
             {static_cast<QWidget *>(m_view->viewport()), static_cast<QWidget *>(m_view)}) {
            SCOPED_TRACE(c.name);
            // A fresh wheel each time, so no part of a notch carries over.
            delete m_editors->wheel;
            m_editors->wheel = new GridWheel(m_editors);
            start(c.column, c.row);
            for (int delta : c.deltas)
                turnWheel(over, delta);
            EXPECT_EQ(m_view->col(), c.column);
            EXPECT_EQ(m_view->row(), c.toRow);
            EXPECT_EQ(editorShown(), c.editor);
        }
    }
    // Over the editor itself the wheel steps as well.
    start(Col::quantity, 3);
    turnWheel(m_editors->NumEdit1, -120);
    EXPECT_EQ(m_view->row(), 4);
    EXPECT_EQ(editorShown(), Editor::Number);
}

TEST_F(ItemCellEditorsTest, TheWheelOverAComboBoxChangesNothing)
{
    auto *Tanto = new QComboBox(m_window.get());
    Tanto->setEditable(true);
    Tanto->addItems({QStringLiteral("山田"), QStringLiteral("佐藤"), QStringLiteral("鈴木")});
    Tanto->setCurrentIndex(1);
    Tanto->setGeometry(0, 485, 120, 14);
    Tanto->show();
    start(Col::name, 5);
    for (QWidget *over :
         {static_cast<QWidget *>(Tanto), static_cast<QWidget *>(Tanto->lineEdit())}) {
        for (int delta : {-120, 120}) {
            turnWheel(over, delta);
            EXPECT_EQ(Tanto->currentIndex(), 1);
            EXPECT_EQ(Tanto->currentText(), QStringLiteral("佐藤"));
            EXPECT_EQ(m_view->row(), 5);
        }
    }
}

TEST_F(ItemCellEditorsTest, TheWheelIsLeftToAnotherGridThatHasTheFocus)
{
    m_host.partsGridFocused = true;
    start(Col::name, 5);
    turnWheel(m_view->viewport(), -120);
    EXPECT_EQ(m_view->row(), 5);
    m_host.partsGridFocused = false;
    turnWheel(m_view->viewport(), -120);
    EXPECT_EQ(m_view->row(), 6);
}

TEST_F(ItemCellEditorsTest, AnUnformattableNumberIsEmptiedAfterThePaintAndTheSlipRecalculated)
{
    m_cells->setCell(Col::quantity, 2, QStringLiteral("2x"));
    m_cells->setCell(Col::unitPrice, 2, QStringLiteral("500"));
    m_cells->setCell(Col::costPrice, 2, QStringLiteral("300"));
    m_cells->setCell(Col::amount, 2, QStringLiteral("1000"));
    m_cells->setCell(Col::costAmount, 2, QStringLiteral("600"));
    m_view->grab();
    EXPECT_EQ(m_cells->cell(Col::quantity, 2), QStringLiteral("2x")) << "not while painting";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(m_cells->rowCells(2).mid(Col::quantity, 6).join(u'|'), QStringLiteral("||500|300||"));
    EXPECT_EQ(m_host.recalculations, 1);
    m_view->grab();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(m_host.recalculations, 1);
}

TEST_F(ItemCellEditorsTest, TheGridPaintsItsCellsWithTheCellLook)
{
    m_view->setStripeColour(QColor(0x11, 0x22, 0x33));
    m_cells->setCell(Col::exemptMark, 3, QStringLiteral("1"));
    m_view->setCurrentCell(Col::unit, 5);
    // With the focus elsewhere the editor is gone and the selected cell shows.
    auto *other = new QLineEdit(m_window.get());
    other->show();
    other->setFocus();
    ASSERT_FALSE(m_editors->EditP->isVisible());
    const QImage image = m_view->viewport()->grab().toImage();
    // The left end of the 単位 cell, away from its centred text.
    const auto backgroundAt = [&](int row) {
        const QRect cell = m_view->visualRect(m_cells->index(row, Col::unit));
        return image.pixelColor(cell.left() + 2, cell.center().y());
    };
    EXPECT_EQ(backgroundAt(1), QColor(Qt::white));
    EXPECT_EQ(backgroundAt(2), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(backgroundAt(3), ItemCellPalette::exemptRow);
    EXPECT_EQ(backgroundAt(5), ItemCellPalette::selected);
}

} // namespace

#include "slip/item_cell_editors.h"

#include "slip/item_cell_look.h"
#include "slip/item_grid_view.h"
#include "slip/item_grid_wheel.h"
#include "slip/string_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
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

    // A turn of the mouse wheel over a widget, as the mouse delivers it.
    static void turnWheel(QWidget *over, int delta)
    {
        const QPointF at(over->width() / 2.0, over->height() / 2.0);
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
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

TEST_F(ItemCellEditorsTest, ResizingTheColumnTakesTheEditorAlong)
{
    for (int column : {int(Col::Unit), int(Col::UnitPrice)}) {
        SCOPED_TRACE(column);
        start(column, 4);
        m_view->setColWidth(Col::Quantity, 95);
        m_view->setColWidth(column, 70);
        const QRect cell = m_view->visualRect(m_cells->index(4, column));
        QFrame *panel = column == Col::Unit ? m_editors->EditP : m_editors->NumP;
        EXPECT_EQ(panel->geometry().topLeft(), cell.topLeft() + QPoint(1, 1));
        EXPECT_EQ(panel->width(), cell.width());
        m_view->setColWidth(Col::Quantity, 60);
    }
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
        {"enter in 類", true, Col::Category, 3, Qt::Key_Return, Col::ItemName, 3},
        {"enter in 品名 passes the hidden mark", true, Col::ItemName, 3, Qt::Key_Return, Col::Size,
         3},
        {"enter in 品名, size hidden", false, Col::ItemName, 3, Qt::Key_Enter, Col::Quantity, 3},
        {"enter in 単価", true, Col::UnitPrice, 3, Qt::Key_Return, Col::CostPrice, 3},
        {"enter in 原単価", true, Col::CostPrice, 3, Qt::Key_Return, Col::Category, 4},
        {"left from 形状", true, Col::Size, 3, Qt::Key_Left, Col::ItemName, 3},
        {"left from 数量, size shown", true, Col::Quantity, 3, Qt::Key_Left, Col::Size, 3},
        {"left from 数量, size hidden", false, Col::Quantity, 3, Qt::Key_Left, Col::ItemName, 3},
        {"left from 類 stays", true, Col::Category, 3, Qt::Key_Left, Col::Category, 3},
        {"right from 品名, size shown", true, Col::ItemName, 3, Qt::Key_Right, Col::Size, 3},
        {"right from 品名, size hidden", false, Col::ItemName, 3, Qt::Key_Right, Col::Quantity, 3},
        {"right from 単位", true, Col::Unit, 3, Qt::Key_Right, Col::UnitPrice, 3},
        {"right from 原単価 stays", true, Col::CostPrice, 3, Qt::Key_Right, Col::CostPrice, 3},
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
            EXPECT_EQ(editorShown(),
                      ItemCellEditors::isNumberColumn(c.toColumn) ? Editor::Number : Editor::Text);
            EXPECT_EQ(m_cells->rows(), 31);
        }
    }
}

TEST_F(ItemCellEditorsTest, EveryMoveOfTheCurrentCellEndsTheEditState)
{
    EXPECT_FALSE(m_editors->isBrowsing());
    m_view->setCurrentCell(Col::ItemName, 2);
    EXPECT_TRUE(m_editors->isBrowsing());
    QTest::keyClick(m_view, Qt::Key_Control);
    EXPECT_FALSE(m_editors->isBrowsing());
    QTest::keyClick(m_view, Qt::Key_Return);
    EXPECT_TRUE(m_editors->isBrowsing());
}

TEST_F(ItemCellEditorsTest, EnterInTheGridOnTheLastRowAppendsANumberedRow)
{
    m_view->setCurrentCell(Col::CostPrice, 30);
    QTest::keyClick(m_view, Qt::Key_Return);
    ASSERT_EQ(m_cells->rows(), 32);
    EXPECT_EQ(m_cells->cell(0, 31), QStringLiteral("31"));
    EXPECT_EQ(m_view->col(), Col::Category);
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
        {"toward the user", Col::Quantity, 3, {-120}, 4, Editor::Number},
        {"away from the user", Col::ItemName, 3, {120}, 2, Editor::Text},
        {"three notches", Col::UnitPrice, 3, {-120, -120, -120}, 6, Editor::Number},
        {"not above row 1", Col::ItemName, 1, {120}, 1, Editor::Text},
        {"not below the last row", Col::CostPrice, 30, {-120}, 30, Editor::Number},
        {"half notches add up", Col::Unit, 3, {-60, -60}, 4, Editor::Text},
        {"a fine turn alone does not step", Col::Unit, 3, {-40}, 3, Editor::Text},
    };
    for (const Case &c : cases) {
        for (QWidget *over :
             {static_cast<QWidget *>(m_view->viewport()), static_cast<QWidget *>(m_view)}) {
            SCOPED_TRACE(c.name);
            // A fresh wheel each time, so no part of a notch carries over.
            delete m_editors->wheel;
            m_editors->wheel = new ItemGridWheel(m_editors);
            start(c.column, c.row);
            for (int delta : c.deltas)
                turnWheel(over, delta);
            EXPECT_EQ(m_view->col(), c.column);
            EXPECT_EQ(m_view->row(), c.toRow);
            EXPECT_EQ(editorShown(), c.editor);
        }
    }
    // Over the editor itself the wheel steps as well.
    start(Col::Quantity, 3);
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
    start(Col::ItemName, 5);
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
    bool partsGridFocused = true;
    m_editors->wheel->otherGridHasFocus = [&partsGridFocused] { return partsGridFocused; };
    start(Col::ItemName, 5);
    turnWheel(m_view->viewport(), -120);
    EXPECT_EQ(m_view->row(), 5);
    partsGridFocused = false;
    turnWheel(m_view->viewport(), -120);
    EXPECT_EQ(m_view->row(), 6);
}

TEST_F(ItemCellEditorsTest, AnUnformattableNumberIsEmptiedAfterThePaintAndTheSlipRecalculated)
{
    m_cells->setCell(Col::Quantity, 2, QStringLiteral("2x"));
    m_cells->setCell(Col::UnitPrice, 2, QStringLiteral("500"));
    m_cells->setCell(Col::CostPrice, 2, QStringLiteral("300"));
    m_cells->setCell(Col::Amount, 2, QStringLiteral("1000"));
    m_cells->setCell(Col::CostAmount, 2, QStringLiteral("600"));
    m_view->grab();
    EXPECT_EQ(m_cells->cell(Col::Quantity, 2), QStringLiteral("2x")) << "not while painting";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(m_cells->rowCells(2).mid(5, 6).join(u'|'), QStringLiteral("||500|300||"));
    EXPECT_EQ(m_recalculations, 1);
    m_view->grab();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(m_recalculations, 1);
}

TEST_F(ItemCellEditorsTest, TheGridPaintsItsCellsWithTheCellLook)
{
    m_view->setStripeColor(QColor(0x11, 0x22, 0x33));
    m_cells->setCell(Col::TaxExempt, 3, QStringLiteral("1"));
    m_view->setCurrentCell(Col::Unit, 5);
    // With the focus elsewhere the editor is gone and the selected cell shows.
    auto *other = new QLineEdit(m_window.get());
    other->show();
    other->setFocus();
    ASSERT_FALSE(m_editors->EditP->isVisible());
    const QImage image = m_view->viewport()->grab().toImage();
    // The left end of the 単位 cell, away from its centred text.
    const auto backgroundAt = [&](int row) {
        const QRect cell = m_view->visualRect(m_cells->index(row, Col::Unit));
        return image.pixelColor(cell.left() + 2, cell.center().y());
    };
    EXPECT_EQ(backgroundAt(1), QColor(Qt::white));
    EXPECT_EQ(backgroundAt(2), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(backgroundAt(3), ItemCellPalette::exemptRow);
    EXPECT_EQ(backgroundAt(5), ItemCellPalette::selected);
}

} // namespace

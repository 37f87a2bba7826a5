#include "slip/grid_cell_editors.h"

#include "master/customer_cell_editors.h"
#include "master/customer_columns.h"
#include "slip/string_grid.h"
#include "support/typing.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace Col = CustomerColumn;

class CustomerEditors : public GridCellEditors
{
public:
    CustomerEditors(QTableView *view, StringGrid *cells)
        // The customer list's table shows that a grid other than the item grid is a table
        // and a few lines.
        : GridCellEditors(view, cells, CustomerCellEditors::customerTable(),
                          {QStringLiteral("EditP3"), QStringLiteral("Edit3"), QString(), QString()})
    {}

protected:
    void numberEdited(int, int) override { ADD_FAILURE() << "the customer grid has no numbers"; }
};

// A customer grid of 23 numbered rows on a plain table view.
class GridCellEditorsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(1000, 500);
        m_cells = new StringGrid(Col::count, 24, m_window.get());
        for (int row = 1; row <= 23; ++row)
            m_cells->setCell(Col::number, row, QString::number(row));
        m_view = new QTableView(m_window.get());
        m_view->setModel(m_cells);
        m_view->setGeometry(0, 0, 980, 460);
        m_view->setColumnHidden(Col::honorific, true);
        m_view->setColumnHidden(Col::mark, true);
        m_editors = new CustomerEditors(m_view, m_cells);
        m_other = new QLineEdit(m_window.get());
        m_other->setGeometry(0, 470, 200, 20);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    void start(int column, int row)
    {
        m_editors->moveTo(column, row);
        ASSERT_EQ(m_editors->currentColumn(), column);
        ASSERT_EQ(m_editors->currentRow(), row);
    }

    QWidget *focused() const { return QApplication::focusWidget(); }
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    bool editorUp() const
    {
        return m_editors->textPanel()->isVisible() && focused() == m_editors->textEdit();
    }

    std::unique_ptr<QWidget> m_window;
    StringGrid *m_cells = nullptr;
    QTableView *m_view = nullptr;
    CustomerEditors *m_editors = nullptr;
    QLineEdit *m_other = nullptr;
};

TEST_F(GridCellEditorsTest, TheEditorsTakeTheirNames)
{
    EXPECT_EQ(m_editors->textPanel()->objectName(), QStringLiteral("EditP3"));
    EXPECT_EQ(m_editors->textEdit()->objectName(), QStringLiteral("Edit3"));
}

TEST_F(GridCellEditorsTest, KeysMoveByTheTable)
{
    struct Case
    {
        const char *name;
        int column;
        int row;
        Qt::Key key;
        int toColumn;
        int toRow;
    } const cases[] = {
        {"enter in 顧客名", Col::name, 3, Qt::Key_Return, Col::name2, 3},
        {"enter in 住所", Col::address1, 3, Qt::Key_Return, Col::address2, 3},
        {"enter in 住所２ goes to the next row", Col::address2, 3, Qt::Key_Return, Col::name, 4},
        {"enter in tel goes to the next row", Col::telephone, 3, Qt::Key_Enter, Col::name, 4},
        {"right in 住所", Col::address1, 3, Qt::Key_Right, Col::address2, 3},
        {"right in 住所２ stays", Col::address2, 3, Qt::Key_Right, Col::address2, 3},
        {"left in tel", Col::telephone, 3, Qt::Key_Left, Col::address2, 3},
        {"left in 顧客名 stays", Col::name, 3, Qt::Key_Left, Col::name, 3},
        {"down", Col::postalCode, 3, Qt::Key_Down, Col::postalCode, 4},
        {"up in row 1", Col::name, 1, Qt::Key_Up, Col::name, 1},
        {"no page keys", Col::name, 3, Qt::Key_PageDown, Col::name, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        start(c.column, c.row);
        press(c.key);
        EXPECT_EQ(m_editors->currentColumn(), c.toColumn);
        EXPECT_EQ(m_editors->currentRow(), c.toRow);
        EXPECT_TRUE(editorUp());
        EXPECT_EQ(m_cells->rows(), 24);
    }
}

TEST_F(GridCellEditorsTest, EnterAtTheRowEndOfTheLastRowAppendsANumberedRowRightDoesNot)
{
    start(Col::telephone, 23);
    press(Qt::Key_Right);
    EXPECT_EQ(m_cells->rows(), 24);
    press(Qt::Key_Return);
    ASSERT_EQ(m_cells->rows(), 25);
    EXPECT_EQ(m_cells->cell(Col::number, 24), QStringLiteral("24"));
    EXPECT_EQ(m_editors->currentColumn(), Col::name);
    EXPECT_EQ(m_editors->currentRow(), 24);
    EXPECT_TRUE(editorUp());
}

TEST_F(GridCellEditorsTest, TheInputMethodAndTheSelectionFollowTheColumn)
{
    for (int column : {int(Col::name), int(Col::postalCode), int(Col::telephone)})
        m_cells->setCell(column, 2, QStringLiteral("123"));
    QLineEdit *edit = m_editors->textEdit();

    start(Col::postalCode, 2);
    EXPECT_FALSE(edit->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("123"));

    start(Col::telephone, 2);
    EXPECT_TRUE(edit->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_EQ(edit->inputMethodHints(), Qt::ImhPreferLatin);
    EXPECT_FALSE(edit->hasSelectedText());

    start(Col::name, 2);
    EXPECT_TRUE(edit->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_EQ(edit->inputMethodHints(), Qt::ImhNone);
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(GridCellEditorsTest, WithEditModeOffTheGridIsBrowsedWithoutEditors)
{
    start(Col::name, 2);
    m_editors->setEditMode(false);
    EXPECT_FALSE(m_editors->textPanel()->isVisible());
    m_view->setFocus();
    m_view->setCurrentIndex(m_cells->index(5, Col::address1));
    EXPECT_FALSE(m_editors->textPanel()->isVisible());
    EXPECT_EQ(focused(), m_view);

    m_editors->setEditMode(true);
    m_other->setFocus();
    m_view->setFocus();
    EXPECT_TRUE(editorUp());
    EXPECT_EQ(m_editors->currentRow(), 5);
}

TEST_F(GridCellEditorsTest, TheWheelStepsTheGridWhileItIsEditedWhereverItTurns)
{
    m_other->show();
    start(Col::name, 3);
    turnWheel(m_other, -120);
    EXPECT_EQ(m_editors->currentRow(), 4);
    EXPECT_TRUE(editorUp());

    // Browsing, the wheel is left to the control under the mouse.
    m_editors->setEditMode(false);
    m_view->setFocus();
    turnWheel(m_view->viewport(), -120);
    EXPECT_EQ(m_editors->currentRow(), 4);
}

} // namespace

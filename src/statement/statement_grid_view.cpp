#include "statement/statement_grid_view.h"

#include "statement/statement.h"
#include "statement/statement_cell_look.h"

StatementGridView::StatementGridView(Statement &statement, QWidget *parent)
    : LookGridView(
          &statement.grid(),
          [this, &statement](int column, int row, bool selected) {
              return statementCellLook(statement.grid(), column, row, selected, m_colours);
          },
          parent)
{
    setObjectName(QStringLiteral("SG0"));
    setGeometry(20, 184, 979, 464);
    setColumnWidths({25, 80, 80, -1, 256, 118, 50, 40, 60, 60, 70, 70, 39});
    hide();
}

void StatementGridView::setColumnTextColours(const ItemCellColours &colours)
{
    m_colours = colours;
    viewport()->update();
}

#pragma once

#include "statement/look_grid_view.h"

class Statement;

// The statement grid SG0: laid over the item grid while statement mode lasts, read-only,
// its columns sized by the user.
class StatementGridView : public LookGridView
{
    Q_OBJECT
public:
    StatementGridView(Statement &statement, QWidget *parent = nullptr);

    // The text colours of the item grid's columns, which the statement's columns take.
    void setColumnTextColours(const ItemCellColours &colours);

private:
    ItemCellColours m_colours;
};

#pragma once

#include "slip/grid_cell_editors.h"

class PartsGridView;

// The parts grid's editors Edit2 (on EditP2) and NumEdit2 (on NumP2): down while the grid is
// browsed, laid over the current cell in parts edit mode. A price or quantity edit recomputes
// the row's rate. The grid's own keys outside editing pick the part (Enter, Space, the input
// method's key) or close the catalogue (Escape); the catalogue acts on those signals.
class PartsCellEditors : public GridCellEditors
{
    Q_OBJECT
public:
    explicit PartsCellEditors(PartsGridView *grid);

    static GridEditorTable partsTable();

    QFrame *const EditP2;
    CellTextEdit *const Edit2;
    QFrame *const NumP2;
    CellNumEdit *const NumEdit2;

    // Whether 形状・寸法 is shown follows the Sunpou check box of the window.
    bool sizeColumnShown = true;

signals:
    // Enter, Space or the input method's key while the grid is browsed. closed is set by the
    // receiver when the pick hid the catalogue; Enter then moves no further.
    void pickRequested(bool &closed);
    void closeRequested();

protected:
    void numberEdited(int column, int row) override;
    bool isColumnShown(int column) const override;
    bool gridKey(QKeyEvent *event) override;

private:
    void enterInGrid(int column, int row);

    StringGrid *m_cells;
};

#pragma once

#include <QObject>

class GridCellEditors;
class QWheelEvent;
class QWidget;

// A grid's part of the window-wide mouse wheel handling. It watches the wheel over every
// control of the grid's window:
// - over a combo box the wheel does nothing, so a turn meant for a grid never changes a
//   choice such as 入力者名;
// - where the grid's table says the wheel is the grid's (over the grid, its cells, headers and
//   in-cell editors; or anywhere while the grid is being edited), each notch toward the user
//   makes the next row current and each notch away the previous one, and the editor of the
//   current column comes along;
// - anything else is left to the control under the mouse.
class GridWheel : public QObject
{
    Q_OBJECT
public:
    // One notch of a mouse wheel; finer wheels and touchpads report parts of it.
    static constexpr int notch = 120;

    explicit GridWheel(GridCellEditors *editors);
    ~GridWheel() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleWheel(QWidget *target, const QWheelEvent *event);
    bool isGridsTurn(const QWidget *target) const;
    void step(int rows);

    GridCellEditors *m_editors;
    // Parts of a notch not yet turned into a row step.
    int m_remainder = 0;
};

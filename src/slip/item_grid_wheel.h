#pragma once

#include <QObject>

#include <functional>

class ItemCellEditors;
class QWheelEvent;
class QWidget;

// The item grid's part of the window-wide mouse wheel handling. It watches the wheel over
// every control of the grid's window:
// - over a combo box the wheel does nothing, so a turn meant for the grid never changes a
//   choice such as 入力者名;
// - over the item grid, its cells, headers and in-cell editors, each notch toward the user
//   makes the next row current and each notch away the previous one, and the editor of the
//   current column comes along;
// - anything else is left to the control under the mouse.
class ItemGridWheel : public QObject
{
    Q_OBJECT
public:
    // One notch of a mouse wheel; finer wheels and touchpads report parts of it.
    static constexpr int notch = 120;

    explicit ItemGridWheel(ItemCellEditors *editors);
    ~ItemGridWheel() override;

    // True while a control of another grid (the parts grid, its editors, the customer
    // grid's editor) has the focus; that grid is stepped instead and the wheel is left to it.
    std::function<bool()> otherGridHasFocus;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleWheel(QWidget *target, const QWheelEvent *event);
    bool isOverItemGrid(const QWidget *target) const;
    void step(int rows);

    ItemCellEditors *m_editors;
    // Parts of a notch not yet turned into a row step.
    int m_remainder = 0;
};

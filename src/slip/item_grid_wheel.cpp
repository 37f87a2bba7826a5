#include "slip/item_grid_wheel.h"

#include "slip/item_cell_editors.h"
#include "slip/item_grid_view.h"

#include <QApplication>
#include <QComboBox>
#include <QWheelEvent>

ItemGridWheel::ItemGridWheel(ItemCellEditors *editors)
    : QObject(editors)
    , m_editors(editors)
{
    // The wheel goes to the control under the mouse, not to the focused one, so only a
    // filter over the whole application sees every turn in the window.
    qApp->installEventFilter(this);
}

ItemGridWheel::~ItemGridWheel()
{
    qApp->removeEventFilter(this);
}

bool ItemGridWheel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && watched->isWidgetType())
        return handleWheel(static_cast<QWidget *>(watched), static_cast<QWheelEvent *>(event));
    return QObject::eventFilter(watched, event);
}

bool ItemGridWheel::handleWheel(QWidget *target, const QWheelEvent *event)
{
    const ItemGridView *grid = m_editors->grid();
    if (target->window() != grid->window())
        return false;
    for (const QWidget *widget = target; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QComboBox *>(widget))
            return true;
        if (widget->isWindow())
            break;
    }
    if (!isOverItemGrid(target) || (otherGridHasFocus && otherGridHasFocus()))
        return false;

    // A sideways tilt has no vertical part and steps nothing.
    m_remainder += event->angleDelta().y();
    int rows = 0;
    while (m_remainder >= notch) {
        m_remainder -= notch;
        --rows;
    }
    while (m_remainder <= -notch) {
        m_remainder += notch;
        ++rows;
    }
    if (rows != 0)
        step(rows);
    return true;
}

bool ItemGridWheel::isOverItemGrid(const QWidget *target) const
{
    const ItemGridView *grid = m_editors->grid();
    return target == grid || grid->isAncestorOf(target);
}

void ItemGridWheel::step(int rows)
{
    const ItemGridView *grid = m_editors->grid();
    m_editors->moveTo(grid->col(), grid->row() + rows);
}

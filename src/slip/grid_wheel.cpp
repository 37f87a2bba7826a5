#include "slip/grid_wheel.h"

#include "slip/grid_cell_editors.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <QWheelEvent>

GridWheel::GridWheel(GridCellEditors *editors)
    : QObject(editors)
    , m_editors(editors)
{
    // The wheel goes to the control under the mouse, not to the focused one, so only a
    // filter over the whole application sees every turn in the window.
    qApp->installEventFilter(this);
}

GridWheel::~GridWheel()
{
    qApp->removeEventFilter(this);
}

bool GridWheel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && watched->isWidgetType())
        return handleWheel(static_cast<QWidget *>(watched), static_cast<QWheelEvent *>(event));
    return QObject::eventFilter(watched, event);
}

bool GridWheel::handleWheel(QWidget *target, const QWheelEvent *event)
{
    if (target->window() != m_editors->view()->window())
        return false;
    for (const QWidget *widget = target; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QComboBox *>(widget))
            return true;
        if (widget->isWindow())
            break;
    }
    if (!isGridsTurn(target))
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

bool GridWheel::isGridsTurn(const QWidget *target) const
{
    switch (m_editors->table().wheel) {
    case GridWheelRule::overGrid: {
        const QTableView *grid = m_editors->view();
        return (target == grid || grid->isAncestorOf(target)) && !m_editors->wheelLeftToOtherGrid();
    }
    case GridWheelRule::whileEditing:
        return m_editors->hasFocus() &&
               (m_editors->textPanel()->isVisible() || m_editors->numberPanel()->isVisible());
    }
    return false;
}

void GridWheel::step(int rows)
{
    m_editors->moveTo(m_editors->currentColumn(), m_editors->currentRow() + rows);
}

#include "click_label.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A button pressed here and released elsewhere is no click on the label.
    if (!rect().contains(event->position().toPoint())) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit released(event->button());
}

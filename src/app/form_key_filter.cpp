#include "form_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

FormKeyFilter::FormKeyFilter(QWidget *window, Handler handler)
    : m_window(window)
    , m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

FormKeyFilter::~FormKeyFilter()
{
    qApp->removeEventFilter(this);
}

bool FormKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget != QApplication::focusWidget() || widget->window() != m_window)
        return false;
    return m_handler(widget, static_cast<QKeyEvent *>(event));
}

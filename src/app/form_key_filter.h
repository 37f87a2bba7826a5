#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

// Hands every key pressed in a window's controls to the window before the control sees it,
// once per key. It watches the whole application because key events go straight to the
// focused control, and it passes on only the event addressed to the focused control: a key
// the control ignores travels on to its parents and must not be handled again there.
class FormKeyFilter : public QObject
{
public:
    // The handler returns true when it consumed the key.
    using Handler = std::function<bool(QWidget *target, QKeyEvent *event)>;

    FormKeyFilter(QWidget *window, Handler handler);
    ~FormKeyFilter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_handler;
};

#pragma once

#include <QLabel>

// A label that acts on a click: releasing a mouse button over it, as the command strip and
// the folder label of the window do.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void released(Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

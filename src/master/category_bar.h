#pragma once

#include <QFrame>
#include <QVector>

class QToolButton;

// One of the two category bars over the parts grid (BUMON_Bar with BUMON_BTN1..20, BUHIN_Bar
// with BUHIN_BTN1..20). The bar floats: dragging it with the left button moves it. Its 20
// buttons are arranged by one of three layouts; the mode buttons placed on it stand at the
// right end.
class CategoryBar : public QFrame
{
    Q_OBJECT
public:
    static constexpr int buttonCount = 20;
    static constexpr int height = 52;

    CategoryBar(const QString &name, const QString &buttonPrefix, QWidget *parent);

    QToolButton *button(int number) const { return m_buttons.value(number - 1); }
    void setCaptions(const QStringList &captions);
    void clearCaptions();

    // Mode buttons shown at the bar's right end, one per line.
    void addModeButton(QToolButton *button);

    // Layout 0: 997 wide, 20 buttons; 1: 632 wide, 12 buttons; 2: 715 wide, 14 buttons.
    // The bar keeps its right edge at rightEdge.
    void applyLayout(int layout, int rightEdge);

    void setColour(const QColor &colour);

signals:
    void chosen(int number);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QVector<QToolButton *> m_buttons;
    QVector<QToolButton *> m_modeButtons;
    QPoint m_pressedAt;
};

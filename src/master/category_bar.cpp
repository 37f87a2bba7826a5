#include "master/category_bar.h"

#include "settings/screen_settings.h"

#include <QMouseEvent>
#include <QToolButton>

namespace {

constexpr int kButtonWidth = 95;
constexpr int kButtonHeight = 24;
constexpr int kModeButtonWidth = 24;

struct BarLayout
{
    int perLine;
    int firstLeft;
    int modeLeft;
};

BarLayout barLayout(int layout)
{
    switch (layout) {
    case 0:
        return {10, 11, 969};
    case 1:
        return {6, 20, 632 - 30};
    default:
        return {7, 20, 715 - 25};
    }
}

} // namespace

CategoryBar::CategoryBar(const QString &name, const QString &buttonPrefix, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    for (int number = 1; number <= buttonCount; ++number) {
        auto *button = new QToolButton(this);
        button->setObjectName(buttonPrefix + QString::number(number));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, number] { emit chosen(number); });
        m_buttons.append(button);
    }
    hide();
}

void CategoryBar::setCaptions(const QStringList &captions)
{
    for (int index = 0; index < buttonCount; ++index)
        m_buttons.at(index)->setText(captions.value(index));
}

void CategoryBar::clearCaptions()
{
    setCaptions({});
}

void CategoryBar::addModeButton(QToolButton *button)
{
    button->setParent(this);
    button->setFocusPolicy(Qt::NoFocus);
    m_modeButtons.append(button);
}

void CategoryBar::applyLayout(int layout, int rightEdge)
{
    const BarLayout spec = barLayout(layout);
    const int width = ScreenSettings::categoryBarWidth(layout);
    setGeometry(rightEdge - width, y(), width, height);
    for (int index = 0; index < buttonCount; ++index) {
        QToolButton *button = m_buttons.at(index);
        const bool shown = index < 2 * spec.perLine;
        button->setVisible(shown);
        if (!shown)
            continue;
        const int line = index / spec.perLine;
        const int place = index % spec.perLine;
        button->setGeometry(spec.firstLeft + place * kButtonWidth, 2 + line * kButtonHeight,
                            kButtonWidth, kButtonHeight);
    }
    for (int index = 0; index < m_modeButtons.size(); ++index)
        m_modeButtons.at(index)->setGeometry(spec.modeLeft, 2 + index * kButtonHeight,
                                             kModeButtonWidth, kButtonHeight);
}

void CategoryBar::setColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void CategoryBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressedAt = event->position().toPoint();
    QFrame::mousePressEvent(event);
}

void CategoryBar::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton) {
        move(pos() + event->position().toPoint() - m_pressedAt);
        raise();
    }
    QFrame::mouseMoveEvent(event);
}

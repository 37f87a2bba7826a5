#include "settings_controls.h"

#include "settings_file.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

UpDown::UpDown(const QString &name, int minimum, int maximum, Unit unit, QWidget *parent)
    : QSpinBox(parent)
    , m_unit(unit)
{
    setObjectName(name);
    setRange(minimum, maximum);
    setAlignment(Qt::AlignCenter);
    lineEdit()->setReadOnly(true);
    setFixedWidth(64);
}

void UpDown::setFieldName(const QString &name)
{
    lineEdit()->setObjectName(name);
}

QString UpDown::textFromValue(int value) const
{
    if (m_unit == Unit::Whole)
        return QString::number(value);
    return QString::number(value * 0.1, 'f', 1);
}

ColourSwatch::ColourSwatch(const QString &name, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFixedSize(40, 20);
    setFrameShape(QFrame::Box);
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setColourValue(int value)
{
    m_value = value;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), colourFromValue(m_value));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFrame::paintEvent(event);
}

void ColourSwatch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QFrame::mousePressEvent(event);
}

RadioGroup::RadioGroup(const QString &name, const QString &title, const QStringList &items,
                       QWidget *parent)
    : QGroupBox(title, parent)
    , m_buttons(new QButtonGroup(this))
{
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    int id = 0;
    for (const QString &item : items) {
        auto *button = new QRadioButton(item, this);
        m_buttons->addButton(button, id++);
        layout->addWidget(button);
    }
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    m_buttons->setExclusive(false);
    for (QAbstractButton *button : m_buttons->buttons())
        button->setChecked(false);
    m_buttons->setExclusive(true);
}

int RadioGroup::itemCount() const
{
    return int(m_buttons->buttons().size());
}

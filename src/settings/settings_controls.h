#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QSpinBox>

class QButtonGroup;

// A position or size of the settings dialog: changed only with its up-down buttons (or the
// arrow keys), its number field is read-only. A tenths control holds whole tenths of a
// millimetre and shows them as millimetres with one decimal.
class UpDown : public QSpinBox
{
public:
    enum class Unit { Whole, Tenths };

    UpDown(const QString &name, int minimum, int maximum, Unit unit, QWidget *parent);
    // The number field beside the buttons, by its own name (CenterEdit14 for UpDown31).
    void setFieldName(const QString &name);

protected:
    QString textFromValue(int value) const override;

private:
    Unit m_unit;
};

// A shape filled with a stored colour (0x00BBGGRR); a press on it may choose another.
class ColourSwatch : public QFrame
{
    Q_OBJECT
public:
    ColourSwatch(const QString &name, QWidget *parent);
    int colourValue() const { return m_value; }
    void setColourValue(int value);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_value = 0;
};

// A titled group of radio buttons with one index, -1 while none is chosen.
class RadioGroup : public QGroupBox
{
public:
    RadioGroup(const QString &name, const QString &title, const QStringList &items,
               QWidget *parent);
    int itemIndex() const;
    void setItemIndex(int index);
    int itemCount() const;

private:
    QButtonGroup *m_buttons;
};

#include "choice_list_box.h"

#include "master/choice_lists.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr ColourValue white = 16777215;

} // namespace

ChoiceListBox::ChoiceListBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    // Enter moves to the next field; it must not slip the typed text into the list.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setBackground(white);
}

void ChoiceListBox::setFocusColour(ColourValue colour)
{
    m_focusColour = colour;
    if (hasFocus())
        setBackground(colour);
}

ColourValue ChoiceListBox::backgroundColour() const
{
    return m_background;
}

QStringList ChoiceListBox::items() const
{
    QStringList list;
    list.reserve(count());
    for (int i = 0; i < count(); ++i)
        list.append(itemText(i));
    return list;
}

void ChoiceListBox::loadItems(const QStringList &items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(QString());
}

void ChoiceListBox::addTypedText()
{
    const QString text = currentText();
    if (text.isEmpty())
        return;
    // Inserting at the top would shift the selection; the typed text must stay as it is.
    const int selected = currentIndex();
    insertItem(0, text);
    setCurrentIndex(selected < 0 ? -1 : selected + 1);
    setEditText(text);
}

void ChoiceListBox::deleteSelectedItem()
{
    QStringList list = items();
    int selected = currentIndex();
    const QString text = currentText();
    const int removed = selected;
    if (!ChoiceLists::deleteChoice(list, selected, text))
        return;
    removeItem(removed);
    setCurrentIndex(-1);
    setEditText(text);
}

void ChoiceListBox::focusInEvent(QFocusEvent *event)
{
    setBackground(m_focusColour);
    QComboBox::focusInEvent(event);
}

void ChoiceListBox::focusOutEvent(QFocusEvent *event)
{
    setBackground(white);
    QComboBox::focusOutEvent(event);
}

void ChoiceListBox::keyPressEvent(QKeyEvent *event)
{
    // Up and Down would step through the list and silently replace the text the user
    // typed; in these boxes they do nothing.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ChoiceListBox::setBackground(ColourValue colour)
{
    m_background = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, toQColor(colour));
    setPalette(palette);
    if (QLineEdit *edit = lineEdit())
        edit->setPalette(palette);
}

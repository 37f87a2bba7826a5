#pragma once

#include "settings/display_colours.h"

#include <QComboBox>
#include <QStringList>

// An editable header field with a user-kept drop-down list (`KEISYOU`, `Tanto`, and the
// hidden `Nouki`, `Basyo`, `Kigen`). The user may type any text; the list changes only
// through 追加 and 削除. While it has the focus the box takes the focus colour, which is how
// the shared right-click menu finds the box it serves.
class ChoiceListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceListBox(QWidget *parent = nullptr);

    void setFocusColour(ColourValue colour);
    // The background the box shows now: the focus colour while focused, else white.
    ColourValue backgroundColour() const;

    QStringList items() const;
    // Replaces the items and clears the text, as loading a list file does.
    void loadItems(const QStringList &items);

    // 追加 and 削除 on this box (see ChoiceLists::addChoice and deleteChoice).
    void addTypedText();
    void deleteSelectedItem();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setBackground(ColourValue colour);

    ColourValue m_focusColour = DisplayColours().focus;
    ColourValue m_background = 16777215;
};

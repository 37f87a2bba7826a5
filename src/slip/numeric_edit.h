#pragma once

#include <QLineEdit>

// The numeric edit box used for quantities, prices, rates and rounding amounts.
//
// It holds a plain numeric value (an optional leading "-", digits, at most one ".") and shows
// it right-aligned with thousands separators. Typing only ever appends at the end: digits
// within the integer and decimal limits, "." once, "-" toggles the sign, Backspace and Delete
// remove the last character. The caret cannot be moved. When the box takes the focus its whole
// text is selected and the first digit, "." or "-" replaces it.
//
// Text from outside (setValue, a paste, a cell value) is cleaned: full-width digits, "－" and
// "．" become half-width, commas are dropped, scanning stops at the first character that does
// not fit, surplus decimals are cut and an integer part longer than the limit empties it.
//
// Refused keys are swallowed silently: users type fast into these boxes and a beep on every
// stray letter is noise.
class NumEdit : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int defaultIntegerDigits = 9;

    explicit NumEdit(QWidget *parent = nullptr);

    // The plain value without separators ("-1234.5"); may be "", "-" or end in ".".
    QString value() const { return m_value; }
    // Cleans the text and shows it; emits valueChanged when the value changes.
    void setValue(const QString &text);

    int decimals() const { return m_decimals; }
    // Also cuts decimals of the current value beyond the new limit.
    void setDecimals(int decimals);
    int integerDigits() const { return m_integerDigits; }
    void setIntegerDigits(int digits);

    // A box of its own (not a grid's editor) selects its whole text on every click, so that
    // the value typed next replaces it.
    void setSelectAllOnClick(bool on) { m_selectAllOnClick = on; }

    // True while the whole (non-empty) text is selected, the state in which the next key
    // replaces it.
    bool isWholeTextSelected() const;

    // Clipboard operations on the value (commas are never copied).
    void copyToClipboard() const;
    void cutToClipboard();
    // Pasted text replaces a whole selection and is otherwise appended; either way it is
    // cleaned like any text from outside.
    void pasteFromClipboard();

    // The cleaning of text from outside, as described above.
    static QString clean(const QString &text, int integerDigits, int decimals);
    // The value with thousands separators in its integer part.
    static QString grouped(const QString &value);

signals:
    // After every change of the value (typed, pasted, set from outside).
    void valueChanged(const QString &value);
    // Enter, Up, Down, Page Up, Page Down, Left and Right (without Shift) after the box has
    // done its own part (ending a selection). A grid editor built on this box moves the
    // current cell in response.
    void navigationKey(int key);

protected:
    // Called first for every key press. An editor that gives a key a meaning of its own
    // (moving between cells, clearing the cell) returns true to stop the box's own handling.
    virtual bool interceptKey(QKeyEvent *event);

    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Replaces the value with an already clean one and shows it with the caret at the end.
    void applyValue(const QString &value);
    // Appends a typed character when it fits; anything else is refused silently.
    void typeCharacter(QChar character);
    void removeLastCharacter();
    void onTextChanged(const QString &text);

    QString m_value;
    int m_decimals = 0;
    int m_integerDigits = defaultIntegerDigits;
    // The mouse press that brought the focus selects all instead of placing the caret.
    bool m_focusedByMouse = false;
    bool m_selectAllOnClick = false;
};

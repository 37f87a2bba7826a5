#include "slip/numeric_edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

// Full-width digits and signs arrive from pasted Japanese text and from cells typed with the
// input method on; they mean the same as their half-width forms.
QChar halfWidth(QChar character)
{
    const char16_t code = character.unicode();
    if (code >= u'０' && code <= u'９')
        return QChar(u'0' + (code - u'０'));
    if (code == u'－')
        return QLatin1Char('-');
    if (code == u'．')
        return QLatin1Char('.');
    return character;
}

bool isComma(QChar character)
{
    return character == QLatin1Char(',') || character == QChar(u'，');
}

int integerDigitCount(const QString &value)
{
    const int dot = value.indexOf(QLatin1Char('.'));
    const int end = dot < 0 ? int(value.size()) : dot;
    return value.startsWith(QLatin1Char('-')) ? end - 1 : end;
}

int decimalDigitCount(const QString &value)
{
    const int dot = value.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : int(value.size()) - dot - 1;
}

// Drops leading zeros of the integer part ("007" -> "7", "-00" -> "-0") and gives a bare
// decimal point its zero (".5" -> "0.5").
QString withoutLeadingZeros(const QString &value)
{
    const bool negative = value.startsWith(QLatin1Char('-'));
    QString digits = negative ? value.mid(1) : value;
    int zeros = 0;
    while (zeros < digits.size() && digits.at(zeros) == QLatin1Char('0'))
        ++zeros;
    digits.remove(0, zeros);
    if ((zeros > 0 && digits.isEmpty()) || digits.startsWith(QLatin1Char('.')))
        digits.prepend(QLatin1Char('0'));
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace

NumEdit::NumEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Numbers are typed with the input method off; a composing input method would bypass
    // the append-only rules.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setDragEnabled(false);
    // Whoever changes the text through the plain line-edit interface still gets it cleaned.
    connect(this, &QLineEdit::textChanged, this, &NumEdit::onTextChanged);
}

void NumEdit::setValue(const QString &text)
{
    applyValue(clean(text, m_integerDigits, m_decimals));
}

void NumEdit::setDecimals(int decimals)
{
    m_decimals = qMax(0, decimals);
    applyValue(clean(m_value, m_integerDigits, m_decimals));
}

void NumEdit::setIntegerDigits(int digits)
{
    m_integerDigits = qMax(1, digits);
    applyValue(clean(m_value, m_integerDigits, m_decimals));
}

bool NumEdit::isWholeTextSelected() const
{
    return !text().isEmpty() && selectionStart() == 0 && selectedText().size() == text().size();
}

QString NumEdit::clean(const QString &text, int integerDigits, int decimals)
{
    QString value;
    for (const QChar original : text) {
        if (isComma(original))
            continue;
        const QChar character = halfWidth(original);
        if (character.isDigit() && character.unicode() < 128)
            value.append(character);
        else if (character == QLatin1Char('-') && value.isEmpty())
            value.append(character);
        else if (character == QLatin1Char('.') && !value.contains(QLatin1Char('.')))
            value.append(character);
        else
            break;
    }
    const int dot = value.indexOf(QLatin1Char('.'));
    if (dot >= 0 && decimals == 0)
        value.truncate(dot);
    else if (dot >= 0 && decimalDigitCount(value) > decimals)
        value.truncate(dot + 1 + decimals);
    value = withoutLeadingZeros(value);
    if (integerDigitCount(value) > integerDigits)
        return QString();
    return value;
}

QString NumEdit::grouped(const QString &value)
{
    const bool negative = value.startsWith(QLatin1Char('-'));
    const int dot = value.indexOf(QLatin1Char('.'));
    const int integerStart = negative ? 1 : 0;
    const int integerEnd = dot < 0 ? int(value.size()) : dot;
    QString integerPart = value.mid(integerStart, integerEnd - integerStart);
    for (int position = int(integerPart.size()) - 3; position > 0; position -= 3)
        integerPart.insert(position, QLatin1Char(','));
    return value.left(integerStart) + integerPart + value.mid(integerEnd);
}

void NumEdit::copyToClipboard() const
{
    if (!hasSelectedText())
        return;
    QString copied = selectedText();
    copied.remove(QLatin1Char(','));
    QGuiApplication::clipboard()->setText(copied);
}

void NumEdit::cutToClipboard()
{
    if (!hasSelectedText())
        return;
    copyToClipboard();
    QString rest = text();
    rest.remove(selectionStart(), selectedText().size());
    applyValue(clean(rest, m_integerDigits, m_decimals));
    deselect();
    end(false);
}

void NumEdit::pasteFromClipboard()
{
    const QString pasted = QGuiApplication::clipboard()->text();
    const QString base = isWholeTextSelected() ? QString() : m_value;
    applyValue(clean(base + pasted, m_integerDigits, m_decimals));
    deselect();
    end(false);
}

bool NumEdit::interceptKey(QKeyEvent *)
{
    return false;
}

void NumEdit::keyPressEvent(QKeyEvent *event)
{
    if (interceptKey(event)) {
        event->accept();
        return;
    }
    event->accept();
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cutToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFromClipboard();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }

    const int key = event->key();
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (shift) {
            selectAll();
            return;
        }
        deselect();
        end(false);
        emit navigationKey(key);
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        deselect();
        end(false);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        deselect();
        end(false);
        emit navigationKey(key);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit navigationKey(key);
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (isWholeTextSelected())
            applyValue(QString());
        else
            removeLastCharacter();
        deselect();
        end(false);
        return;
    default:
        break;
    }

    const Qt::KeyboardModifiers commandModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString typed = event->text();
    if ((event->modifiers() & commandModifiers) || typed.size() != 1 || !typed.at(0).isPrint()) {
        // Escape, function keys and shortcuts belong to the window.
        event->ignore();
        return;
    }
    typeCharacter(typed.at(0));
}

void NumEdit::typeCharacter(QChar original)
{
    const QChar character = halfWidth(original);
    const bool replace = isWholeTextSelected();
    const QString base = replace ? QString() : m_value;

    QString candidate;
    if (character.isDigit() && character.unicode() < 128) {
        candidate = base + character;
    } else if (character == QLatin1Char('.')) {
        if (m_decimals == 0 || base.contains(QLatin1Char('.')))
            return;
        candidate = base + character;
    } else if (character == QLatin1Char('-')) {
        if (base.startsWith(QLatin1Char('-')))
            candidate = base.mid(1);
        else
            candidate = QLatin1Char('-') + base;
    } else {
        return;
    }

    candidate = withoutLeadingZeros(candidate);
    if (integerDigitCount(candidate) > m_integerDigits || decimalDigitCount(candidate) > m_decimals)
        return;
    applyValue(candidate);
    deselect();
    end(false);
}

void NumEdit::removeLastCharacter()
{
    QString value = m_value;
    value.chop(1);
    if (value.endsWith(QLatin1Char('.')))
        value.chop(1);
    applyValue(value);
}

void NumEdit::applyValue(const QString &value)
{
    const QString shown = grouped(value);
    if (value == m_value && text() == shown)
        return;
    m_value = value;
    if (text() != shown)
        setText(shown);
    emit valueChanged(m_value);
}

void NumEdit::onTextChanged(const QString &text)
{
    if (text != grouped(m_value))
        applyValue(clean(text, m_integerDigits, m_decimals));
}

void NumEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from the context menu keeps whatever the user had selected.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    selectAll();
    m_focusedByMouse = event->reason() == Qt::MouseFocusReason;
}

void NumEdit::mousePressEvent(QMouseEvent *event)
{
    // The caret always stays at the end: a click only ends a selection, except the click that
    // brought the focus, which keeps the whole text selected for replacing.
    if (event->button() == Qt::LeftButton) {
        if (m_focusedByMouse || m_selectAllOnClick) {
            selectAll();
        } else {
            deselect();
            end(false);
        }
    }
    m_focusedByMouse = false;
    event->accept();
}

void NumEdit::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void NumEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // Swallowed so that a middle click does not paste the X11 selection past the rules.
    event->accept();
}

void NumEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    selectAll();
    event->accept();
}

void NumEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The line edit's own menu would edit the text behind the rules; this one goes through
    // the same operations as the keys.
    QMenu menu(this);
    QAction *cut = menu.addAction(QStringLiteral("切り取り(&T)"), this, &NumEdit::cutToClipboard);
    QAction *copy = menu.addAction(QStringLiteral("コピー(&C)"), this, &NumEdit::copyToClipboard);
    QAction *paste =
        menu.addAction(QStringLiteral("貼り付け(&P)"), this, &NumEdit::pasteFromClipboard);
    menu.addSeparator();
    QAction *all = menu.addAction(QStringLiteral("すべて選択(&A)"), this, &QLineEdit::selectAll);
    cut->setEnabled(hasSelectedText());
    copy->setEnabled(hasSelectedText());
    paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    all->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void NumEdit::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
}

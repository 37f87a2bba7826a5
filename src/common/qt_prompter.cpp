#include "qt_prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

QString caption()
{
    return QApplication::applicationDisplayName();
}

// Message texts carry Windows line ends; a message box wants plain new lines.
QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

void QtPrompter::information(const QString &text)
{
    QMessageBox::information(owner(), caption(), displayText(text));
}

bool QtPrompter::question(const QString &text)
{
    QMessageBox box(QMessageBox::Information, caption(), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::warning(const QString &text)
{
    QMessageBox::warning(owner(), caption(), displayText(text));
}

std::optional<QString> QtPrompter::input(const QString &title, const QString &prompt,
                                         const QString &initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), title, displayText(prompt), QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QColor> QtPrompter::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, owner());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QFont> QtPrompter::chooseFont(const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, owner());
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QString> QtPrompter::chooseOpenFile(const QString &title, const QString &dir,
                                                  const QString &filter)
{
    const QString file = QFileDialog::getOpenFileName(owner(), title, dir, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> QtPrompter::chooseSaveFile(const QString &title, const QString &dir,
                                                  const QString &filter)
{
    const QString file = QFileDialog::getSaveFileName(owner(), title, dir, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

void QtPrompter::beep()
{
    QApplication::beep();
}

void QtPrompter::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

#include "qt_prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

// Every box of the program, the report of an unexpected error included, says whose it is,
// even one shown before or without the application's names being set.
QString caption()
{
    return QStringLiteral("MIRAVO");
}

// Message texts carry Windows line ends; a message box wants plain new lines.
QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// The buttons read the words the messages refer to (「いいえ」を選ぶと...), with no
// mnemonics, whatever translations Qt has.
void nameButtons(QMessageBox &box)
{
    const struct
    {
        QMessageBox::StandardButton button;
        const char16_t *text;
    } names[] = {
        {QMessageBox::Yes, u"はい"},
        {QMessageBox::No, u"いいえ"},
        {QMessageBox::Ok, u"OK"},
        {QMessageBox::Cancel, u"キャンセル"},
    };
    for (const auto &name : names) {
        if (QAbstractButton *button = box.button(name.button))
            button->setText(QString::fromUtf16(name.text));
    }
}

void showMessage(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, caption(), displayText(text), QMessageBox::Ok, owner());
    nameButtons(box);
    box.exec();
}

} // namespace

void QtPrompter::information(const QString &text)
{
    showMessage(QMessageBox::Information, text);
}

bool QtPrompter::question(const QString &text)
{
    QMessageBox box(QMessageBox::Information, caption(), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::Yes);
    nameButtons(box);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::warning(const QString &text)
{
    showMessage(QMessageBox::Warning, text);
}

std::optional<QString> QtPrompter::input(const QString &title, const QString &prompt,
                                         const QString &initial)
{
    QInputDialog box(owner());
    box.setWindowTitle(title);
    box.setLabelText(displayText(prompt));
    box.setTextValue(initial);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("キャンセル"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

std::optional<QColor> QtPrompter::chooseColour(const QColor &initial)
{
    const QColor colour = QColorDialog::getColor(initial, owner());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
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

std::optional<QStringList> QtPrompter::chooseOpenFiles(const QString &title, const QString &dir,
                                                       const QString &filter,
                                                       const QString &selected)
{
    QFileDialog dialog(owner(), title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (!selected.isEmpty())
        dialog.selectFile(selected);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles();
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

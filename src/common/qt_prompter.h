#pragma once

#include "prompter.h"

class QWidget;

// The desktop prompter: Qt's message boxes, input dialog and choosers.
class QtPrompter final : public Prompter
{
public:
    void information(const QString &text) override;
    bool question(const QString &text) override;
    void warning(const QString &text) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &initial) override;
    std::optional<QColor> chooseColour(const QColor &initial) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    std::optional<QString> chooseOpenFile(const QString &caption, const QString &dir,
                                          const QString &filter) override;
    std::optional<QStringList> chooseOpenFiles(const QString &caption, const QString &dir,
                                               const QString &filter,
                                               const QString &selected) override;
    std::optional<QString> chooseSaveFile(const QString &caption, const QString &dir,
                                          const QString &filter) override;
    void beep() override;
    void setBusy(bool busy) override;
};

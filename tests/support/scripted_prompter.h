#pragma once

#include "common/prompter.h"

#include <QQueue>
#include <QStringList>

// A prompter for tests: records every text it is shown (with its kind) and plays back the
// answers queued beforehand. A question, input box or chooser with no queued answer fails
// the test (and is answered No or cancelled); so does an answer still queued when the
// prompter goes away.
class ScriptedPrompter final : public Prompter
{
public:
    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // "info: text", "question: text", "warning: text", "input: prompt", "beep", ...
    QStringList log;
    QQueue<bool> answers;
    QQueue<std::optional<QString>> inputs;
    QQueue<std::optional<QString>> files;
    // Answers of the several-files chooser.
    QQueue<std::optional<QStringList>> fileLists;
    QQueue<std::optional<QColor>> colours;
    QQueue<std::optional<QFont>> fonts;
    // What the colour and font choosers were opened with, in order.
    QList<QColor> colourPresets;
    QList<QFont> fontPresets;

    // The logged texts of one kind ("info", "question", "warning"), in order.
    QStringList texts(const QString &kind) const;
    int beeps() const;

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

private:
    Prompter *m_previous = nullptr;
};

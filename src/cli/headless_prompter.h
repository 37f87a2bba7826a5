#pragma once

#include "common/prompter.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The prompter of the headless commands: nobody is there to answer, so every question is
// answered Yes (the command line already said what to do), input boxes are answered from
// the command line's options or else cancelled, choosers are cancelled, and every message is kept
// so that the command can turn a refusal of the core into an error on standard error. Installs
// itself for its lifetime.
class HeadlessPrompter final : public Prompter
{
public:
    enum class Kind { Information, Question, Warning };

    struct Message
    {
        Kind kind;
        QString text;
    };

    HeadlessPrompter();
    ~HeadlessPrompter() override;
    HeadlessPrompter(const HeadlessPrompter &) = delete;
    HeadlessPrompter &operator=(const HeadlessPrompter &) = delete;

    QList<Message> messages;
    // Questions the command line answered No to; every other question is answered Yes.
    QStringList answeredNo;
    // Answers of input boxes by their caption; a box without one is cancelled.
    QHash<QString, QString> inputAnswers;

    // The first message of a kind, empty when there is none.
    QString first(Kind kind) const;
    bool contains(const QString &text) const;

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
    void beep() override {}
    void setBusy(bool) override {}

private:
    Prompter *m_previous = nullptr;
};

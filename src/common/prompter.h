#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

// Every message box, question, input box, chooser, beep and busy cursor of the program goes
// through the current Prompter. The desktop program installs one that shows Qt dialogs;
// tests install a scripted one that records each text and plays back answers.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // Information message with an OK button.
    virtual void information(const QString &text) = 0;
    // Information message with Yes and No buttons; true for Yes.
    virtual bool question(const QString &text) = 0;
    // Warning message with an OK button.
    virtual void warning(const QString &text) = 0;
    // Input box; nothing when cancelled.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt,
                                         const QString &initial) = 0;
    virtual std::optional<QColor> chooseColour(const QColor &initial) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
    // File choosers; nothing when cancelled. filter is in Qt's "Name (*.ext)" form.
    virtual std::optional<QString> chooseOpenFile(const QString &caption, const QString &dir,
                                                  const QString &filter) = 0;
    // Several files of one folder; selected (a file of it) is chosen when the dialog opens.
    virtual std::optional<QStringList> chooseOpenFiles(const QString &caption, const QString &dir,
                                                       const QString &filter,
                                                       const QString &selected) = 0;
    virtual std::optional<QString> chooseSaveFile(const QString &caption, const QString &dir,
                                                  const QString &filter) = 0;
    virtual void beep() = 0;
    // The hourglass cursor on (true) or back to normal (false).
    virtual void setBusy(bool busy) = 0;
};

// A prompter that shows nothing: questions get the answer it was made with, every input box
// and chooser is cancelled.
class SilentPrompter final : public Prompter
{
public:
    explicit SilentPrompter(bool answer = false);

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
    bool m_answer;
};

// The prompter in use. There is always one: until a real one is installed, a silent one
// answers No/cancel to everything.
Prompter &prompter();

// Installs a prompter (not owned) and returns the one it replaces.
Prompter *setPrompter(Prompter *replacement);

// Keeps the hourglass cursor up for the lifetime of the object.
class BusyCursor
{
public:
    BusyCursor() { prompter().setBusy(true); }
    ~BusyCursor() { prompter().setBusy(false); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

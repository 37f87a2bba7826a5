#include "scripted_prompter.h"

ScriptedPrompter::ScriptedPrompter()
    : m_previous(setPrompter(this))
{}

ScriptedPrompter::~ScriptedPrompter()
{
    setPrompter(m_previous);
}

QStringList ScriptedPrompter::texts(const QString &kind) const
{
    const QString prefix = kind + QStringLiteral(": ");
    QStringList found;
    for (const QString &entry : log)
        if (entry.startsWith(prefix))
            found.append(entry.mid(prefix.size()));
    return found;
}

int ScriptedPrompter::beeps() const
{
    return int(log.count(QStringLiteral("beep")));
}

void ScriptedPrompter::information(const QString &text)
{
    log.append(QStringLiteral("info: ") + text);
}

bool ScriptedPrompter::question(const QString &text)
{
    log.append(QStringLiteral("question: ") + text);
    return answers.isEmpty() ? false : answers.dequeue();
}

void ScriptedPrompter::warning(const QString &text)
{
    log.append(QStringLiteral("warning: ") + text);
}

std::optional<QString> ScriptedPrompter::input(const QString &caption, const QString &prompt,
                                               const QString &initial)
{
    log.append(QStringLiteral("input: %1|%2|%3").arg(caption, prompt, initial));
    return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
}

std::optional<QColor> ScriptedPrompter::chooseColor(const QColor &)
{
    log.append(QStringLiteral("color"));
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

std::optional<QFont> ScriptedPrompter::chooseFont(const QFont &)
{
    log.append(QStringLiteral("font"));
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

std::optional<QString> ScriptedPrompter::chooseOpenFile(const QString &caption, const QString &,
                                                        const QString &)
{
    log.append(QStringLiteral("open: ") + caption);
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

std::optional<QString> ScriptedPrompter::chooseSaveFile(const QString &caption, const QString &,
                                                        const QString &)
{
    log.append(QStringLiteral("save: ") + caption);
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

void ScriptedPrompter::beep()
{
    log.append(QStringLiteral("beep"));
}

void ScriptedPrompter::setBusy(bool) {}

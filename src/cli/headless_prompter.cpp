#include "headless_prompter.h"

HeadlessPrompter::HeadlessPrompter()
    : m_previous(setPrompter(this))
{}

HeadlessPrompter::~HeadlessPrompter()
{
    setPrompter(m_previous);
}

QString HeadlessPrompter::first(Kind kind) const
{
    for (const Message &message : messages) {
        if (message.kind == kind)
            return message.text;
    }
    return QString();
}

bool HeadlessPrompter::contains(const QString &text) const
{
    for (const Message &message : messages) {
        if (message.text == text)
            return true;
    }
    return false;
}

void HeadlessPrompter::information(const QString &text)
{
    messages.append({Kind::Information, text});
}

bool HeadlessPrompter::question(const QString &text)
{
    messages.append({Kind::Question, text});
    return !answeredNo.contains(text);
}

void HeadlessPrompter::warning(const QString &text)
{
    messages.append({Kind::Warning, text});
}

std::optional<QString> HeadlessPrompter::input(const QString &caption, const QString &,
                                               const QString &)
{
    const auto answer = inputAnswers.constFind(caption);
    if (answer == inputAnswers.constEnd())
        return std::nullopt;
    return *answer;
}

std::optional<QColor> HeadlessPrompter::chooseColour(const QColor &)
{
    return std::nullopt;
}

std::optional<QFont> HeadlessPrompter::chooseFont(const QFont &)
{
    return std::nullopt;
}

std::optional<QString> HeadlessPrompter::chooseOpenFile(const QString &, const QString &,
                                                        const QString &)
{
    return std::nullopt;
}

std::optional<QStringList> HeadlessPrompter::chooseOpenFiles(const QString &, const QString &,
                                                             const QString &, const QString &)
{
    return std::nullopt;
}

std::optional<QString> HeadlessPrompter::chooseSaveFile(const QString &, const QString &,
                                                        const QString &)
{
    return std::nullopt;
}

#include "prompter.h"

SilentPrompter::SilentPrompter(bool answer)
    : m_answer(answer)
{}

void SilentPrompter::information(const QString &) {}

bool SilentPrompter::question(const QString &)
{
    return m_answer;
}

void SilentPrompter::warning(const QString &) {}

std::optional<QString> SilentPrompter::input(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

std::optional<QColor> SilentPrompter::chooseColour(const QColor &)
{
    return std::nullopt;
}

std::optional<QFont> SilentPrompter::chooseFont(const QFont &)
{
    return std::nullopt;
}

std::optional<QString> SilentPrompter::chooseOpenFile(const QString &, const QString &,
                                                      const QString &)
{
    return std::nullopt;
}

std::optional<QStringList> SilentPrompter::chooseOpenFiles(const QString &, const QString &,
                                                           const QString &, const QString &)
{
    return std::nullopt;
}

std::optional<QString> SilentPrompter::chooseSaveFile(const QString &, const QString &,
                                                      const QString &)
{
    return std::nullopt;
}

void SilentPrompter::beep() {}

void SilentPrompter::setBusy(bool) {}

namespace {

Prompter *&current()
{
    static SilentPrompter silent;
    static Prompter *instance = &silent;
    return instance;
}

} // namespace

Prompter &prompter()
{
    return *current();
}

Prompter *setPrompter(Prompter *replacement)
{
    Prompter *previous = current();
    if (replacement)
        current() = replacement;
    return previous;
}

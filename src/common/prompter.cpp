#include "prompter.h"

namespace {

class SilentPrompter final : public Prompter
{
public:
    void information(const QString &) override {}
    bool question(const QString &) override { return false; }
    void warning(const QString &) override {}
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QString> chooseOpenFile(const QString &, const QString &,
                                          const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> chooseSaveFile(const QString &, const QString &,
                                          const QString &) override
    {
        return std::nullopt;
    }
    void beep() override {}
    void setBusy(bool) override {}
};

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

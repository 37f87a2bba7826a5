#include "scripted_prompter.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A prompt the test did not script is a fault of the test or of the code: the real user
// would have been asked something nobody expected.
template<typename Answer>
Answer nextAnswer(QQueue<Answer> &queue, const QString &entry, Answer unscripted)
{
    if (queue.isEmpty()) {
        ADD_FAILURE() << "unscripted " << entry.toStdString();
        return unscripted;
    }
    return queue.dequeue();
}

template<typename Answer> void expectUsed(const QQueue<Answer> &queue, const char *what)
{
    EXPECT_TRUE(queue.isEmpty()) << queue.size() << " scripted " << what << " left unused";
}

} // namespace

ScriptedPrompter::ScriptedPrompter()
    : m_previous(setPrompter(this))
{}

ScriptedPrompter::~ScriptedPrompter()
{
    setPrompter(m_previous);
    expectUsed(answers, "answers");
    expectUsed(inputs, "inputs");
    expectUsed(files, "files");
    expectUsed(fileLists, "file lists");
    expectUsed(colours, "colours");
    expectUsed(fonts, "fonts");
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
    return nextAnswer(answers, log.last(), false);
}

void ScriptedPrompter::warning(const QString &text)
{
    log.append(QStringLiteral("warning: ") + text);
}

std::optional<QString> ScriptedPrompter::input(const QString &caption, const QString &prompt,
                                               const QString &initial)
{
    log.append(QStringLiteral("input: %1|%2|%3").arg(caption, prompt, initial));
    return nextAnswer(inputs, log.last(), std::optional<QString>());
}

std::optional<QColor> ScriptedPrompter::chooseColour(const QColor &initial)
{
    colourPresets.append(initial);
    log.append(QStringLiteral("color"));
    return nextAnswer(colours, log.last(), std::optional<QColor>());
}

std::optional<QFont> ScriptedPrompter::chooseFont(const QFont &initial)
{
    fontPresets.append(initial);
    log.append(QStringLiteral("font"));
    return nextAnswer(fonts, log.last(), std::optional<QFont>());
}

std::optional<QString> ScriptedPrompter::chooseOpenFile(const QString &caption, const QString &,
                                                        const QString &)
{
    log.append(QStringLiteral("open: ") + caption);
    return nextAnswer(files, log.last(), std::optional<QString>());
}

std::optional<QStringList> ScriptedPrompter::chooseOpenFiles(const QString &caption,
                                                             const QString &, const QString &,
                                                             const QString &selected)
{
    log.append(QStringLiteral("open files: ") + caption + QLatin1Char('|') +
               QFileInfo(selected).fileName());
    return nextAnswer(fileLists, log.last(), std::optional<QStringList>());
}

std::optional<QString> ScriptedPrompter::chooseSaveFile(const QString &caption, const QString &,
                                                        const QString &)
{
    log.append(QStringLiteral("save: ") + caption);
    return nextAnswer(files, log.last(), std::optional<QString>());
}

void ScriptedPrompter::beep()
{
    log.append(QStringLiteral("beep"));
}

void ScriptedPrompter::setBusy(bool) {}

#include "support/scripted_prompter.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// The scripted prompter holds every test to the dialogs it expects: a question nobody
// scripted, or an answer nobody asked for, is a failure rather than a silent No.
TEST(ScriptedPrompter, AnUnscriptedPromptFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            EXPECT_FALSE(prompter.question(QStringLiteral("白紙に戻します。")));
        },
        "unscripted question: 白紙に戻します。");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            EXPECT_FALSE(prompter.chooseColour(Qt::red).has_value());
        },
        "unscripted color");
}

TEST(ScriptedPrompter, AnAnswerLeftUnusedFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.answers << true << false;
            EXPECT_TRUE(prompter.question(QStringLiteral("終了します。")));
        },
        "1 scripted answers left unused");
}

#pragma once

#include "app/miravo_window.h"
#include "support/scripted_prompter.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The main window as the user gets it: shown and active. What start-up told the prompter
// (the beeps of the missing column width sets) is not part of what a test looks at.
inline std::unique_ptr<TMIRAVO> showMainWindow(ScriptedPrompter &prompter)
{
    auto window = std::make_unique<TMIRAVO>();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    prompter.log.clear();
    return window;
}

#pragma once

#include <QString>

class QWidget;

// Types text into a widget one character at a time, as key presses carrying the
// character. Unlike QTest::keyClicks it takes any character, not only ASCII.
void typeText(QWidget *widget, const QString &text);

#pragma once

#include <QString>

class QWidget;

// Types text into a widget one character at a time, as key presses carrying the
// character. Unlike QTest::keyClicks it takes any character, not only ASCII.
void typeText(QWidget *widget, const QString &text);

// A turn of the mouse wheel over the middle of a widget, as the mouse delivers it; delta is
// in eighths of a degree, 120 a notch, negative toward the user.
void turnWheel(QWidget *over, int delta);

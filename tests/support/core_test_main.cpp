#include "common/japanese.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// The core draws pages and measures text, which needs fonts and so a GUI application, but
// never a widget.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("MIRAVO"));
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

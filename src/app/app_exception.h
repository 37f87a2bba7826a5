#pragma once

#include <QApplication>

#include <exception>

// Reports an error that no code of the program caught: a plain message naming what failed
// (for a file, its name and the system's reason). The program then goes on.
void AppException(const std::exception &error);

// The application object of the desktop program: an exception that escapes an event
// handler ends that handler only, never the program.
class MiravoApplication : public QApplication
{
public:
    MiravoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

#include "app_exception.h"

#include "common/miravo_error.h"
#include "common/prompter.h"

void AppException(const std::exception &error)
{
    const auto *known = dynamic_cast<const MiravoError *>(&error);
    prompter().warning(known ? known->message() : QString::fromLocal8Bit(error.what()));
}

MiravoApplication::MiravoApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{}

bool MiravoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        AppException(error);
    }
    return false;
}

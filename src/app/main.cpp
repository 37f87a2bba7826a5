#include "app_exception.h"
#include "common/japanese.h"
#include "common/program_dir.h"
#include "common/qt_prompter.h"
#include "miravo_window.h"

int main(int argc, char **argv)
{
    MiravoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MIRAVO"));
    QApplication::setApplicationDisplayName(QStringLiteral("MIRAVO"));
    QApplication::setApplicationVersion(QStringLiteral(MIRAVO_VERSION));
    installFontSubstitutions();

    QtPrompter dialogs;
    setPrompter(&dialogs);

    QStringList arguments = QApplication::arguments();
    applyHomeArgument(arguments);
    arguments.removeFirst();

    TMIRAVO window(arguments);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}

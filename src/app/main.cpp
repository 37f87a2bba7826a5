#include "app_exception.h"
#include "common/japanese.h"
#include "common/program_dir.h"
#include "common/qt_prompter.h"
#include "miravo_window.h"
#include "preview/preview_window.h"
#include "print/print_preview.h"

int main(int argc, char **argv)
{
    MiravoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MIRAVO"));
    QApplication::setApplicationDisplayName(QStringLiteral("MIRAVO"));
    QApplication::setApplicationVersion(QStringLiteral(MIRAVO_VERSION));
    // The desktop finds our entry, and with it the icon, under this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("miravo"));
    installFontSubstitutions();
    // Without them the dialogs still work, in English.
    installJapaneseQtTranslations();

    QtPrompter dialogs;
    setPrompter(&dialogs);

    QStringList arguments = QApplication::arguments();
    applyHomeArgument(arguments);
    arguments.removeFirst();

    TMIRAVO window(arguments);
    // The preview window exists, hidden, for the whole run (this also makes its MetaFile
    // folder); each preview command shows a fresh one.
    const TPrintPreview noPages;
    const TPREV preview(noPages);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}

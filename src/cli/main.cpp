#include "common/program_dir.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char usage[] =
    "Usage: miravo-cli [--home DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Headless commands over MIRAVO's slip files and settings.\n"
    "\n"
    "Options:\n"
    "  --home DIR   use DIR as the program directory (settings and list files)\n"
    "  --help       show this text\n"
    "  --version    show the version\n";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("miravo-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MIRAVO_VERSION));
    QStringList arguments = QCoreApplication::arguments();
    applyHomeArgument(arguments);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() < 2 || arguments.at(1) == QLatin1String("--help")) {
        out << usage;
        return arguments.size() < 2 ? 1 : 0;
    }
    if (arguments.at(1) == QLatin1String("--version")) {
        out << "miravo-cli " << MIRAVO_VERSION << "\n";
        return 0;
    }
    err << "miravo-cli: unknown command '" << arguments.at(1) << "'\n" << usage;
    return 1;
}

#include "calc_command.h"
#include "cli_arguments.h"
#include "cli_errors.h"
#include "cli_output.h"
#include "document_command.h"
#include "render_command.h"
#include "save_command.h"
#include "search_command.h"
#include "statement_command.h"

#include "common/japanese.h"
#include "common/miravo_error.h"
#include "common/program_dir.h"

#include <QGuiApplication>

namespace {

enum ExitStatus { success = 0, usageFailure = 1, inputFailure = 2 };

// Standard error carries the commands' own messages only: scripts read its one line. Qt's
// remarks about the environment (no runtime folder on a server, font cache notes) are not
// about the slip; critical failures still come through.
void keepQtRemarksOffStandardError(QtMsgType type, const QMessageLogContext &context,
                                   const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    printError(qFormatLogMessage(type, context, message));
}

int runCommand(const CommandLine &line)
{
    switch (line.command) {
    case CliCommand::Help:
        writeOut(usageText().toUtf8());
        return success;
    case CliCommand::Version:
        printLine(QStringLiteral("miravo-cli ") + QStringLiteral(MIRAVO_VERSION));
        return success;
    case CliCommand::Calc:
        return runCalc(line.file);
    case CliCommand::Save:
        return runSave(line.file, line.outDir);
    case CliCommand::Render:
        return runRender(line.file, line.render);
    case CliCommand::Statement:
        return runStatement(line.statement, line.render);
    case CliCommand::Export:
        return runExport(line.file, line.textFile);
    case CliCommand::Receipt:
        return runReceipt(line.file, line.document, line.render);
    case CliCommand::Envelope:
        return runEnvelope(line.file, line.document, line.render);
    case CliCommand::Search:
        return runSearch(line.search);
    }
    return usageFailure;
}

} // namespace

int main(int argc, char **argv)
{
    // Nothing is ever shown: pages are drawn into images and PDF files, so no display is
    // needed, on a desktop or on a server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepQtRemarksOffStandardError);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("miravo-cli"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MIRAVO_VERSION));
    installFontSubstitutions();

    QStringList arguments = QGuiApplication::arguments();
    applyHomeArgument(arguments);
    arguments.removeFirst();

    CommandLine line;
    try {
        line = parseCommandLine(arguments);
        return runCommand(line);
    } catch (const UsageError &error) {
        printError(error.message());
        printError(QStringLiteral("try 'miravo-cli --help'"));
        return usageFailure;
    } catch (const InputError &error) {
        printError(error.text());
        return inputFailure;
    } catch (const MiravoError &error) {
        // Unexpected failures of the core still come from the file being worked on.
        printError(InputError(line.file, error.message()).text());
        return inputFailure;
    }
}

#include "statement_command.h"

#include "a4_printer.h"
#include "cli_arguments.h"
#include "cli_errors.h"
#include "cli_output.h"
#include "headless_prompter.h"
#include "opened_slip.h"
#include "render_command.h"

#include "common/miravo_error.h"
#include "print/page_blocks.h"
#include "print/statement_layouts.h"
#include "settings/print_ini.h"
#include "slip/calculation.h"
#include "slip/slip_header.h"
#include "statement/statement.h"
#include "statement/statement_receipt_values.h"
#include "statement/text_export.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject statementJson(const Statement &statement)
{
    QJsonArray rows;
    for (int row = 1; row <= statement.lastUsedRow(); ++row)
        rows.append(QJsonArray::fromStringList(statement.grid().rowCells(row)));
    QJsonObject panels;
    for (int panel = 2; panel <= 6; ++panel)
        panels.insert(QString::number(panel), statement.panel(panel));
    return {
        {QStringLiteral("rows"), rows},
        {QStringLiteral("totals"),
         QJsonObject{{QStringLiteral("net"), statement.compiledNet.toString()},
                     {QStringLiteral("tax"), statement.compiledTax.toString()},
                     {QStringLiteral("amountSum"), statement.amountSum.toString()},
                     {QStringLiteral("taxSum"), statement.taxSum.toString()},
                     {QStringLiteral("costSum"), statement.costSum.toString()},
                     {QStringLiteral("inclusive"), statement.inclusive}}},
        {QStringLiteral("panels"), panels},
        {QStringLiteral("TOTALKIN"), statement.TOTALKIN},
    };
}

void writeTextExport(const QString &path, const QStringList &lines)
{
    try {
        TextExport::write(path, lines);
    } catch (const IoError &error) {
        throw InputError(error.fileName(), ioReason(error));
    }
    printLine(QDir::toNativeSeparators(path));
}

// The messages the compilation showed: a missing file is reported and skipped.
void printNotes(const HeadlessPrompter &messages)
{
    for (const HeadlessPrompter::Message &message : messages.messages)
        printError(QStringLiteral("note: ") + oneLine(message.text));
}

// The statement pages of --form: the preview of the form, its questions answered from the
// options, written as render writes its pages.
int drawStatementPages(const StatementOptions &options, const RenderOptions &output,
                       Statement &statement, const SlipHeader &header)
{
    HeadlessPrompter messages;
    messages.inputAnswers.insert(StatementText::issueDateCaption(), options.issueDate);
    const std::pair<QString, const std::optional<QString> &> answers[] = {
        {StatementText::periodCaption(), options.period},
        {StatementText::payDateCaption(), options.payDate},
        {StatementText::previousCaption(), options.previous},
        {StatementText::receivedCaption(), options.received},
    };
    for (const auto &[caption, answer] : answers) {
        if (answer)
            messages.inputAnswers.insert(caption, *answer);
    }

    SlipPrintJob job;
    job.header = header;
    job.logo = loadLogoPicture();
    job.taxRates = TaxRates::fromPrintIni();
    job.qualified = QualifiedInvoice::fromPrintIni();
    job.statement = statementReceiptValues(statement);
    job.statementRows = &statement.grid();
    A4Printer printer;
    TPrintPreview preview;
    PrintRunState state;
    const bool drawn = options.form == 2 ? PP_PRINT36_MEISAI_2(job, printer, preview, state)
                                         : PP_PRINT36_MEISAI(job, printer, preview, state);
    return writeRenderedPages(options.files.first(), preview, drawn, output, messages);
}

} // namespace

int runStatement(const StatementOptions &options, const RenderOptions &output)
{
    HeadlessPrompter messages;
    SlipHeader header;
    Statement statement;
    try {
        applyStartupChoices(header);
        statement.takeTaxSettings(CalcSettings::fromPrintIni().rounding);
        statement.setTitles();
        statement.compile(options.files, header);
    } catch (const StatementFileError &error) {
        throw InputError(error.path(), error.reason(), error.line());
    } catch (const IoError &error) {
        throw InputError(error.fileName(), ioReason(error));
    }
    printNotes(messages);
    messages.messages.clear();
    if (options.lumpTax && !statement.addLumpTax())
        throw InputError(options.files.last(), messages.first(HeadlessPrompter::Kind::Information));

    if (options.form != 0)
        return drawStatementPages(options, output, statement, header);
    if (options.textFile.isEmpty()) {
        writeOut(QJsonDocument(statementJson(statement)).toJson(QJsonDocument::Compact) + '\n');
        return 0;
    }
    writeTextExport(options.textFile,
                    TextExport::lines(TextExport::Kind::Statement, header, 0, statement.grid()));
    return 0;
}

int runExport(const QString &file, const QString &textFile)
{
    HeadlessPrompter messages;
    OpenedSlip slip(file, messages);
    // The title row as the window shows it, with the names PRINT.INI gives the columns.
    slip.slip.items().setRowCells(0, PrintIni::itemGridTitles(slip.slip.calc.settings.profitRate));
    writeTextExport(textFile, TextExport::lines(TextExport::Kind::Slip, slip.slip.header,
                                                slip.slip.consumptionTax(), slip.slip.items()));
    return 0;
}

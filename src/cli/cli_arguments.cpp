#include "cli_arguments.h"

#include "cli_errors.h"

#include "files/slip_search.h"

#include <QSet>

namespace {

const char usage[] =
    "Usage: miravo-cli [--home DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Headless commands over MIRAVO's slip files, with the settings of the program directory\n"
    "(PRINT.INI, SET2.INI, SEIKYUU.INI, BANGO.INI, ...).\n"
    "\n"
    "Commands:\n"
    "  calc FILE\n"
    "      Open the slip file FILE (.419 or .321) as the window does, recalculate it with\n"
    "      the rounding mode, zero-print flag and rate display of PRINT.INI, and print one\n"
    "      JSON object: header (fields by control name, taxMode 0/1/2), rows (the 12 cells\n"
    "      of every item row), totals (item, taxable, cost), TOTALKIN and panels (status\n"
    "      bar panels 2 to 6). calc, save and render also open estimate data files (.MRV,\n"
    "      .115) as new slips; an estimate calculated with another tax mode or rounding\n"
    "      method than the slip gets a note on standard error.\n"
    "  save FILE OUTDIR\n"
    "      Open and recalculate FILE, then save it into the folder OUTDIR under the name\n"
    "      the save command builds (era date, number, title). An existing file of that name\n"
    "      is replaced. Prints the path written.\n"
    "  render FILE --layout 5|7|24|36 --kinds DIGITS [--a5] [--date-none]\n"
    "         (--pdf OUT.pdf | --png DIR [--dpi N] | --wmf DIR | --jpeg DIR) [--ops OUT.json]\n"
    "      Draw FILE with the preview of the 5-, 7-, 24- or 36-row slip layout for the kinds\n"
    "      given as digits (1 納品書, 2 請求書, 3 受領書, 4 伝票控, 5 発注書, 6 見積依頼書;\n"
    "      e.g. 124) on A4 portrait pages of a 600 dpi virtual printer, and write the pages:\n"
    "      one PDF; or PNG pages NAME-1.png, ... (default 150 dpi); or the page export's\n"
    "      NAME-1.WMF, ... or NAME-1.jpg, ..., NAME being the slip file's name without its\n"
    "      extension. Prints the paths written. --a5 prints one 5- or 7-row slip image per\n"
    "      sheet (the 24- and 36-row slips always have a sheet each), --date-none leaves\n"
    "      the dates out. --ops writes the drawing operations of every page as JSON (device\n"
    "      pixels, colours as 0xBBGGRR).\n"
    "  statement FILE... [--lump-tax] (--json | --txt OUT)\n"
    "      Compile the slip files, in the order given, into an itemized statement as\n"
    "      明細読込み does: each slip's items, then its consumption tax (exclusive by the\n"
    "      rounding mode of PRINT.INI, inclusive truncated, none when exempt). --lump-tax\n"
    "      adds one exclusive tax for the whole statement (refused when a slip brought a tax\n"
    "      row). --json prints one JSON object: rows (the 13 cells of every statement row up\n"
    "      to the last one used), totals (net, tax, amountSum, taxSum, costSum, inclusive),\n"
    "      panels (status bar panels 2 to 6) and TOTALKIN; --txt writes the statement's text\n"
    "      export to OUT. A missing file is skipped with a note.\n"
    "  statement FILE... [--lump-tax] --form 1|2 --issue-date D [--period P] [--pay-date D]\n"
    "         [--previous N --received N]\n"
    "         (--pdf OUT.pdf | --png DIR [--dpi N] | --wmf DIR | --jpeg DIR) [--ops OUT.json]\n"
    "      Compile the files as above and draw the itemized statement (合計請求明細書) in\n"
    "      form 1 or form 2 with its preview: a statement page and a copy (控) page for\n"
    "      every block of rows. The options answer the questions of a statement run: the\n"
    "      issue date (2026/12/11 or 令和8年12月11日, full-width digits allowed), the billing\n"
    "      period (first to last slip date when not given), the payment date (empty when\n"
    "      not given) and, on form 2, the previous billing and the amount received, whose\n"
    "      difference prints as the carried-over balance. Pages, names and --ops as for\n"
    "      render, named after the first FILE.\n"
    "  export FILE OUT.txt\n"
    "      Open and recalculate FILE as calc does and write its text export: the header block\n"
    "      and every item row, each cell followed by a tab (Shift_JIS, CR LF).\n"
    "  receipt FILE [--small] [--for TEXT] [--date-none]\n"
    "          (--pdf OUT.pdf | --png DIR [--dpi N]) [--ops OUT.json]\n"
    "      Draw the receipt (領収証) of FILE's total with the preview of the receipt layout:\n"
    "      the receipt and its copy (控), or with --small the small receipt with its stub.\n"
    "      --for gives the 但し書き, --date-none leaves the date out. Pages, names and --ops\n"
    "      as for render; receipts are not written as WMF or JPEG.\n"
    "  envelope FILE [--long] [--window] (--pdf OUT.pdf | --png DIR [--dpi N]) [--ops OUT.json]\n"
    "      Draw the envelope of FILE's customer on a 角形2号 envelope fed sideways, or with\n"
    "      --long on a 長形3号 envelope. Without a customer name and address the envelope\n"
    "      may be a window envelope: --window answers Yes (only the company block, further\n"
    "      left), otherwise the answer is No. Output as for receipt.\n"
    "  search DIR TERM... | search DIR --name TEXT\n"
    "      Print the full path of every slip file of the folder DIR (.419, .321, .MRV,\n"
    "      .115) that holds all the TERMs (at most five, each anywhere in the file,\n"
    "      case-sensitive), one per line, newest first: the order in which the window's\n"
    "      検索 and 次検索 visit them. With --name, the files whose full path holds TEXT\n"
    "      instead. Nothing is printed when no file matches.\n"
    "\n"
    "Options:\n"
    "  --home DIR   use DIR as the program directory (settings and list files)\n"
    "  --help       show this text\n"
    "  --version    show the version\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 input error (a message on standard error names\n"
    "the file and, where it applies, the line).\n";

// The options a command knows: those that take a value and the flags.
struct KnownOptions
{
    QSet<QString> values;
    QSet<QString> flags;
};

const KnownOptions renderOptions = {
    {QStringLiteral("--layout"), QStringLiteral("--kinds"), QStringLiteral("--pdf"),
     QStringLiteral("--png"), QStringLiteral("--dpi"), QStringLiteral("--wmf"),
     QStringLiteral("--jpeg"), QStringLiteral("--ops")},
    {QStringLiteral("--a5"), QStringLiteral("--date-none")},
};
const KnownOptions statementOptions = {
    {QStringLiteral("--txt"), QStringLiteral("--form"), QStringLiteral("--issue-date"),
     QStringLiteral("--period"), QStringLiteral("--pay-date"), QStringLiteral("--previous"),
     QStringLiteral("--received"), QStringLiteral("--pdf"), QStringLiteral("--png"),
     QStringLiteral("--dpi"), QStringLiteral("--wmf"), QStringLiteral("--jpeg"),
     QStringLiteral("--ops")},
    {QStringLiteral("--lump-tax"), QStringLiteral("--json")},
};
const KnownOptions documentOptions = {
    {QStringLiteral("--pdf"), QStringLiteral("--png"), QStringLiteral("--dpi"),
     QStringLiteral("--wmf"), QStringLiteral("--jpeg"), QStringLiteral("--ops"),
     QStringLiteral("--for")},
    {QStringLiteral("--date-none"), QStringLiteral("--small"), QStringLiteral("--long"),
     QStringLiteral("--window")},
};
const KnownOptions searchOptions = {
    {QStringLiteral("--name")},
    {},
};

struct SplitArguments
{
    QStringList positional;
    QList<std::pair<QString, QString>> options; // in order; flags with an empty value
};

// Commands without options still read every known one, so that the error names the option
// the command does not take.
KnownOptions anyCommandOptions()
{
    return {renderOptions.values + statementOptions.values + documentOptions.values +
                searchOptions.values,
            renderOptions.flags + statementOptions.flags + documentOptions.flags};
}

SplitArguments splitArguments(const QStringList &arguments, const KnownOptions &known)
{
    SplitArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--")) || argument == QLatin1String("--")) {
            split.positional << argument;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (known.flags.contains(name)) {
            if (equals >= 0)
                throw UsageError(QStringLiteral("option %1 takes no value").arg(name));
            split.options.append({name, QString()});
        } else if (known.values.contains(name)) {
            if (equals >= 0) {
                split.options.append({name, argument.mid(equals + 1)});
            } else if (i + 1 < arguments.size()) {
                split.options.append({name, arguments.at(++i)});
            } else {
                throw UsageError(QStringLiteral("option %1 needs a value").arg(name));
            }
        } else {
            throw UsageError(QStringLiteral("unknown option '%1'").arg(argument));
        }
    }
    return split;
}

void expectPositional(const QString &command, const QStringList &positional, qsizetype count,
                      const char *names)
{
    if (positional.size() != count)
        throw UsageError(QStringLiteral("%1 takes %2").arg(command, QString::fromUtf8(names)));
    for (const QString &argument : positional) {
        if (argument.isEmpty())
            throw UsageError(QStringLiteral("%1: empty file name").arg(command));
    }
}

void refuseOptions(const QString &command, const SplitArguments &split)
{
    if (!split.options.isEmpty())
        throw UsageError(
            QStringLiteral("%1 takes no option %2").arg(command, split.options.first().first));
}

int readLayout(const QString &value)
{
    for (const char *rows : {"5", "7", "24", "36"}) {
        if (value == QLatin1String(rows))
            return value.toInt();
    }
    throw UsageError(QStringLiteral("unknown layout '%1' (5, 7, 24 or 36)").arg(value));
}

QString readKinds(const QString &value)
{
    if (value.isEmpty())
        throw UsageError(QStringLiteral("--kinds needs at least one slip kind (digits 1 to 6)"));
    QString seen;
    for (const QChar c : value) {
        if (c < QLatin1Char('1') || c > QLatin1Char('6'))
            throw UsageError(
                QStringLiteral("--kinds '%1': slip kinds are digits 1 to 6").arg(value));
        if (seen.contains(c))
            throw UsageError(QStringLiteral("--kinds '%1': kind %2 given twice").arg(value, c));
        seen += c;
    }
    return value;
}

int readDpi(const QString &value)
{
    bool ok = false;
    const int dpi = value.toInt(&ok);
    // Beyond the 600 dpi of the recording printer a page image only grows, it gains nothing.
    if (!ok || dpi < 10 || dpi > 1200)
        throw UsageError(QStringLiteral("--dpi '%1': a whole number from 10 to 1200").arg(value));
    return dpi;
}

// The output options every drawing command shares; false for another option.
struct OutputReading
{
    RenderOptions &options;
    int outputs = 0;
    bool dpiGiven = false;

    bool read(const QString &name, const QString &value)
    {
        if (name == QLatin1String("--dpi")) {
            options.dpi = readDpi(value);
            dpiGiven = true;
            return true;
        }
        if (name == QLatin1String("--ops")) {
            if (value.isEmpty())
                throw UsageError(QStringLiteral("--ops needs a file name"));
            options.opsFile = value;
            return true;
        }
        PageOutput output;
        if (name == QLatin1String("--pdf"))
            output = PageOutput::Pdf;
        else if (name == QLatin1String("--png"))
            output = PageOutput::Png;
        else if (name == QLatin1String("--wmf"))
            output = PageOutput::Wmf;
        else if (name == QLatin1String("--jpeg"))
            output = PageOutput::Jpeg;
        else
            return false;
        if (value.isEmpty())
            throw UsageError(QStringLiteral("%1 needs a file or folder name").arg(name));
        options.output = output;
        options.target = value;
        ++outputs;
        return true;
    }

    void check(const QString &command, const QString &choices) const
    {
        if (outputs != 1)
            throw UsageError(QStringLiteral("%1 needs exactly one of %2").arg(command, choices));
        if (dpiGiven && options.output != PageOutput::Png)
            throw UsageError(QStringLiteral("--dpi applies to --png only"));
    }
};

void refuseRepeats(const SplitArguments &split)
{
    QSet<QString> given;
    for (const auto &option : split.options) {
        if (given.contains(option.first))
            throw UsageError(QStringLiteral("option %1 given twice").arg(option.first));
        given.insert(option.first);
    }
}

[[noreturn]] void refuseOption(const QString &command, const QString &name)
{
    throw UsageError(QStringLiteral("%1 takes no option %2").arg(command, name));
}

RenderOptions readRenderOptions(const SplitArguments &split)
{
    RenderOptions options;
    OutputReading output{options};
    bool layoutGiven = false;
    bool kindsGiven = false;
    refuseRepeats(split);
    for (const auto &[name, value] : split.options) {
        if (name == QLatin1String("--layout")) {
            options.layout = readLayout(value);
            layoutGiven = true;
        } else if (name == QLatin1String("--kinds")) {
            options.kinds = readKinds(value);
            kindsGiven = true;
        } else if (name == QLatin1String("--a5")) {
            options.a5 = true;
        } else if (name == QLatin1String("--date-none")) {
            options.dateNone = true;
        } else if (!output.read(name, value)) {
            refuseOption(QStringLiteral("render"), name);
        }
    }
    if (!layoutGiven)
        throw UsageError(QStringLiteral("render needs --layout 5|7|24|36"));
    if (!kindsGiven)
        throw UsageError(QStringLiteral("render needs --kinds DIGITS"));
    output.check(QStringLiteral("render"), QStringLiteral("--pdf, --png, --wmf, --jpeg"));
    return options;
}

// The answers of a statement run's questions; false for another option.
bool readStatementAnswer(StatementOptions &options, const QString &name, const QString &value)
{
    if (name == QLatin1String("--issue-date"))
        options.issueDate = value;
    else if (name == QLatin1String("--period"))
        options.period = value;
    else if (name == QLatin1String("--pay-date"))
        options.payDate = value;
    else if (name == QLatin1String("--previous"))
        options.previous = value;
    else if (name == QLatin1String("--received"))
        options.received = value;
    else
        return false;
    return true;
}

void checkStatementPages(const StatementOptions &options, const OutputReading &output, bool json)
{
    if (json || !options.textFile.isEmpty())
        throw UsageError(
            QStringLiteral("statement --form draws pages: it takes no --json or --txt"));
    output.check(QStringLiteral("statement --form"), QStringLiteral("--pdf, --png, --wmf, --jpeg"));
    if (options.issueDate.isEmpty())
        throw UsageError(QStringLiteral("statement --form needs --issue-date D"));
    if (options.previous.has_value() != options.received.has_value())
        throw UsageError(QStringLiteral("--previous and --received are given together"));
    if (options.previous && options.form != 2)
        throw UsageError(
            QStringLiteral("--previous and --received apply to form 2 (--form 2) only"));
}

StatementOptions readStatementOptions(const SplitArguments &split, RenderOptions &pages)
{
    StatementOptions options;
    if (split.positional.isEmpty())
        throw UsageError(QStringLiteral("statement takes one or more slip files"));
    for (const QString &file : split.positional) {
        if (file.isEmpty())
            throw UsageError(QStringLiteral("statement: empty file name"));
    }
    options.files = split.positional;
    refuseRepeats(split);
    OutputReading output{pages};
    bool json = false;
    QString pageOption; // the first option that only pages take
    for (const auto &[name, value] : split.options) {
        if (name == QLatin1String("--lump-tax")) {
            options.lumpTax = true;
        } else if (name == QLatin1String("--json")) {
            json = true;
        } else if (name == QLatin1String("--txt")) {
            if (value.isEmpty())
                throw UsageError(QStringLiteral("--txt needs a file name"));
            options.textFile = value;
        } else if (name == QLatin1String("--form")) {
            if (value != QLatin1String("1") && value != QLatin1String("2"))
                throw UsageError(QStringLiteral("unknown statement form '%1' (1 or 2)").arg(value));
            options.form = value.toInt();
        } else {
            if (!readStatementAnswer(options, name, value))
                output.read(name, value);
            if (pageOption.isEmpty())
                pageOption = name;
        }
    }
    if (options.form != 0) {
        checkStatementPages(options, output, json);
        return options;
    }
    if (!pageOption.isEmpty())
        throw UsageError(
            QStringLiteral("%1 applies to statement pages only (--form 1|2)").arg(pageOption));
    if (json == !options.textFile.isEmpty())
        throw UsageError(
            QStringLiteral("statement needs exactly one of --json, --txt OUT, --form 1|2"));
    return options;
}

// receipt and envelope: their own flags and the PDF or PNG output.
void readDocumentOptions(const QString &command, const SplitArguments &split, CommandLine &line)
{
    const bool receipt = command == QLatin1String("receipt");
    OutputReading output{line.render};
    refuseRepeats(split);
    for (const auto &[name, value] : split.options) {
        if (receipt && name == QLatin1String("--small"))
            line.document.small = true;
        else if (receipt && name == QLatin1String("--for"))
            line.document.forText = value;
        else if (receipt && name == QLatin1String("--date-none"))
            line.document.dateNone = true;
        else if (!receipt && name == QLatin1String("--long"))
            line.document.longNo3 = true;
        else if (!receipt && name == QLatin1String("--window"))
            line.document.window = true;
        else if (!output.read(name, value))
            refuseOption(command, name);
    }
    output.check(command, QStringLiteral("--pdf, --png"));
    if (line.render.output == PageOutput::Wmf || line.render.output == PageOutput::Jpeg)
        throw UsageError(
            QStringLiteral("%1: receipts and envelopes are not written as WMF or JPEG pages")
                .arg(command));
}

SearchOptions readSearchOptions(const SplitArguments &split)
{
    SearchOptions options;
    for (const auto &[name, value] : split.options) {
        if (name != QLatin1String("--name"))
            throw UsageError(QStringLiteral("search takes no option %1").arg(name));
        if (!options.name.isEmpty())
            throw UsageError(QStringLiteral("option --name given twice"));
        if (value.isEmpty())
            throw UsageError(QStringLiteral("--name needs a text"));
        options.name = value;
    }
    if (split.positional.isEmpty() || split.positional.first().isEmpty())
        throw UsageError(QStringLiteral("search takes a folder: search DIR TERM..."));
    options.folder = split.positional.first();
    options.terms = split.positional.mid(1);
    if (!options.name.isEmpty() && !options.terms.isEmpty())
        throw UsageError(QStringLiteral("search takes terms or --name TEXT, not both"));
    if (options.name.isEmpty() && options.terms.isEmpty())
        throw UsageError(QStringLiteral("search needs at least one term or --name TEXT"));
    if (options.terms.size() > SlipSearch::maxTerms)
        throw UsageError(QStringLiteral("search takes at most %1 terms").arg(SlipSearch::maxTerms));
    return options;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    if (arguments.isEmpty())
        throw UsageError(QStringLiteral("no command given"));
    const QString command = arguments.first();
    const SplitArguments split = [&] {
        if (command == QLatin1String("--help") || command == QLatin1String("--version"))
            return SplitArguments{arguments.mid(1), {}};
        if (command == QLatin1String("statement"))
            return splitArguments(arguments.mid(1), statementOptions);
        if (command == QLatin1String("receipt") || command == QLatin1String("envelope"))
            return splitArguments(arguments.mid(1), documentOptions);
        return splitArguments(arguments.mid(1), anyCommandOptions());
    }();

    if (command == QLatin1String("--help") || command == QLatin1String("--version")) {
        if (!split.positional.isEmpty())
            throw UsageError(QStringLiteral("%1 takes no arguments").arg(command));
        line.command = command == QLatin1String("--help") ? CliCommand::Help : CliCommand::Version;
    } else if (command == QLatin1String("calc")) {
        refuseOptions(command, split);
        expectPositional(command, split.positional, 1, "one slip file: calc FILE");
        line.command = CliCommand::Calc;
        line.file = split.positional.at(0);
    } else if (command == QLatin1String("save")) {
        refuseOptions(command, split);
        expectPositional(command, split.positional, 2,
                         "a slip file and a folder: save FILE OUTDIR");
        line.command = CliCommand::Save;
        line.file = split.positional.at(0);
        line.outDir = split.positional.at(1);
    } else if (command == QLatin1String("render")) {
        expectPositional(command, split.positional, 1, "one slip file: render FILE --layout ...");
        line.command = CliCommand::Render;
        line.file = split.positional.at(0);
        line.render = readRenderOptions(split);
    } else if (command == QLatin1String("statement")) {
        line.command = CliCommand::Statement;
        line.statement = readStatementOptions(split, line.render);
    } else if (command == QLatin1String("export")) {
        refuseOptions(command, split);
        expectPositional(command, split.positional, 2,
                         "a slip file and a text file: export FILE OUT");
        line.command = CliCommand::Export;
        line.file = split.positional.at(0);
        line.textFile = split.positional.at(1);
    } else if (command == QLatin1String("receipt") || command == QLatin1String("envelope")) {
        expectPositional(command, split.positional, 1, "one slip file");
        line.command =
            command == QLatin1String("receipt") ? CliCommand::Receipt : CliCommand::Envelope;
        line.file = split.positional.at(0);
        readDocumentOptions(command, split, line);
    } else if (command == QLatin1String("search")) {
        line.command = CliCommand::Search;
        line.search = readSearchOptions(split);
    } else {
        throw UsageError(QStringLiteral("unknown command '%1'").arg(command));
    }
    return line;
}

QString usageText()
{
    return QString::fromUtf8(usage);
}

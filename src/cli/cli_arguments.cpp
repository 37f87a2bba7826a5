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
    "  render FILE --layout 5|7 --kinds DIGITS [--a5] [--date-none]\n"
    "         (--pdf OUT.pdf | --png DIR [--dpi N] | --wmf DIR | --jpeg DIR) [--ops OUT.json]\n"
    "      Draw FILE with the preview of the 5-row or 7-row slip layout for the slip kinds\n"
    "      given as digits (1 納品書, 2 請求書, 3 受領書, 4 伝票控, 5 発注書, 6 見積依頼書;\n"
    "      e.g. 124) on A4 portrait pages of a 600 dpi virtual printer, and write the pages:\n"
    "      one PDF; or PNG pages NAME-1.png, ... (default 150 dpi); or the page export's\n"
    "      NAME-1.WMF, ... or NAME-1.jpg, ..., NAME being the slip file's name without its\n"
    "      extension. Prints the paths written. --a5 prints one slip image per sheet,\n"
    "      --date-none leaves the dates out. --ops writes the drawing operations of every\n"
    "      page as JSON (device pixels, colours as 0xBBGGRR). The 24-row and 36-row layouts\n"
    "      are not available yet.\n"
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

// Options of render that take a value.
const QSet<QString> valueOptions = {
    QStringLiteral("--layout"), QStringLiteral("--kinds"), QStringLiteral("--pdf"),
    QStringLiteral("--png"),    QStringLiteral("--dpi"),   QStringLiteral("--wmf"),
    QStringLiteral("--jpeg"),   QStringLiteral("--ops"),   QStringLiteral("--name"),
};
const QSet<QString> flagOptions = {QStringLiteral("--a5"), QStringLiteral("--date-none")};

struct SplitArguments
{
    QStringList positional;
    QList<std::pair<QString, QString>> options; // in order; flags with an empty value
};

SplitArguments splitArguments(const QStringList &arguments)
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
        if (flagOptions.contains(name)) {
            if (equals >= 0)
                throw UsageError(QStringLiteral("option %1 takes no value").arg(name));
            split.options.append({name, QString()});
        } else if (valueOptions.contains(name)) {
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
    if (value == QLatin1String("5") || value == QLatin1String("7"))
        return value.toInt();
    if (value == QLatin1String("24") || value == QLatin1String("36"))
        throw UsageError(
            QStringLiteral("the %1-row slip layout (--layout %1) is not available yet").arg(value));
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

RenderOptions readRenderOptions(const SplitArguments &split)
{
    RenderOptions options;
    bool layoutGiven = false;
    bool kindsGiven = false;
    bool dpiGiven = false;
    int outputs = 0;
    QSet<QString> given;
    for (const auto &[name, value] : split.options) {
        if (name == QLatin1String("--name"))
            throw UsageError(QStringLiteral("render takes no option --name"));
        if (given.contains(name))
            throw UsageError(QStringLiteral("option %1 given twice").arg(name));
        given.insert(name);
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
        } else if (name == QLatin1String("--dpi")) {
            options.dpi = readDpi(value);
            dpiGiven = true;
        } else if (name == QLatin1String("--ops")) {
            if (value.isEmpty())
                throw UsageError(QStringLiteral("--ops needs a file name"));
            options.opsFile = value;
        } else {
            const PageOutput output = name == QLatin1String("--pdf")   ? PageOutput::Pdf
                                      : name == QLatin1String("--png") ? PageOutput::Png
                                      : name == QLatin1String("--wmf") ? PageOutput::Wmf
                                                                       : PageOutput::Jpeg;
            if (value.isEmpty())
                throw UsageError(QStringLiteral("%1 needs a file or folder name").arg(name));
            options.output = output;
            options.target = value;
            ++outputs;
        }
    }
    if (!layoutGiven)
        throw UsageError(QStringLiteral("render needs --layout 5|7|24|36"));
    if (!kindsGiven)
        throw UsageError(QStringLiteral("render needs --kinds DIGITS"));
    if (outputs != 1)
        throw UsageError(QStringLiteral("render needs exactly one of --pdf, --png, --wmf, --jpeg"));
    if (dpiGiven && options.output != PageOutput::Png)
        throw UsageError(QStringLiteral("--dpi applies to --png only"));
    return options;
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
        return splitArguments(arguments.mid(1));
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

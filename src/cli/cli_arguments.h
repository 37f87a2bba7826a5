#pragma once

#include "search_command.h"
#include "statement_command.h"

#include <QString>
#include <QStringList>

enum class CliCommand {
    Help,
    Version,
    Calc,
    Save,
    Render,
    Statement,
    Export,
    Receipt,
    Envelope,
    Search
};

enum class PageOutput { Pdf, Png, Wmf, Jpeg };

struct RenderOptions
{
    int layout = 5;        // rows per slip image: 5, 7, 24 or 36
    QString kinds;         // slip kinds as digits 1 to 6, each once ("124")
    bool a5 = false;       // one slip image per sheet (the Ａ5用紙 box)
    bool dateNone = false; // print without date values (the 日付なし box)
    PageOutput output = PageOutput::Pdf;
    QString target;  // the PDF file, or the folder of the page files
    int dpi = 150;   // PNG pages only
    QString opsFile; // where the recorded operations go as JSON; empty for none
};

// What receipt and envelope take besides the output (their output options are those of
// render, PDF and PNG only).
struct DocumentOptions
{
    bool small = false;    // receipt: the small receipt
    QString forText;       // receipt: the 但し書き
    bool dateNone = false; // receipt: print without the date
    bool longNo3 = false;  // envelope: the long No. 3 envelope
    bool window = false;   // envelope: answer Yes to the window-envelope question
};

struct CommandLine
{
    CliCommand command = CliCommand::Help;
    QString file;     // the slip file
    QString outDir;   // save: the folder to save into
    QString textFile; // export: the text file to write
    RenderOptions render;
    StatementOptions statement;
    DocumentOptions document;
    SearchOptions search;
};

// Reads the arguments after the program name (and after --home was taken out). Throws
// UsageError naming what is wrong.
CommandLine parseCommandLine(const QStringList &arguments);

// The text of --help.
QString usageText();

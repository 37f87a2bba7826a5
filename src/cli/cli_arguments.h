#pragma once

#include "search_command.h"

#include <QString>
#include <QStringList>

enum class CliCommand { Help, Version, Calc, Save, Render, Search };

enum class PageOutput { Pdf, Png, Wmf, Jpeg };

struct RenderOptions
{
    int layout = 5;        // rows per slip image: 5 or 7
    QString kinds;         // slip kinds as digits 1 to 6, each once ("124")
    bool a5 = false;       // one slip image per sheet (the Ａ5用紙 box)
    bool dateNone = false; // print without date values (the 日付なし box)
    PageOutput output = PageOutput::Pdf;
    QString target;  // the PDF file, or the folder of the page files
    int dpi = 150;   // PNG pages only
    QString opsFile; // where the recorded operations go as JSON; empty for none
};

struct CommandLine
{
    CliCommand command = CliCommand::Help;
    QString file;   // the slip file
    QString outDir; // save: the folder to save into
    RenderOptions render;
    SearchOptions search;
};

// Reads the arguments after the program name (and after --home was taken out). Throws
// UsageError naming what is wrong.
CommandLine parseCommandLine(const QStringList &arguments);

// The text of --help.
QString usageText();

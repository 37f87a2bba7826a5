#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct RenderOptions;

struct StatementOptions
{
    QStringList files;    // the slip files, in the order they are compiled
    bool lumpTax = false; // add one exclusive tax for the whole statement
    QString textFile;     // write the text export here; empty: print JSON (or draw pages)

    // Pages: the statement form (1 or 2; 0 for no pages) and the answers to the questions a
    // statement run asks; a question without an answer takes what the window offers.
    int form = 0;
    QString issueDate;
    std::optional<QString> period;
    std::optional<QString> payDate;
    std::optional<QString> previous; // form 2 only, given together with received
    std::optional<QString> received;
};

// statement FILE... [--lump-tax] (--json | --txt OUT): compiles the slip files into an
// itemized statement as 明細読込み does, with the rounding mode of PRINT.INI, and prints it
// as JSON or writes its text export. A missing file is a note, as the window only says so;
// a file that cannot be compiled, and a lump tax the window would refuse, throw InputError.
//
// With --form 1|2 it draws the statement and copy pages instead, with the preview of the
// form (answering its questions from the options), and writes them as render does
// (output: the page options of render).
int runStatement(const StatementOptions &options, const RenderOptions &output);

// export FILE OUT: the text export of one slip, opened and recalculated as calc does.
int runExport(const QString &file, const QString &textFile);

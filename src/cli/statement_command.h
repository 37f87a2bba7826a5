#pragma once

#include <QString>
#include <QStringList>

struct StatementOptions
{
    QStringList files;    // the slip files, in the order they are compiled
    bool lumpTax = false; // add one exclusive tax for the whole statement
    QString textFile;     // write the text export here; empty: print JSON
};

// statement FILE... [--lump-tax] (--json | --txt OUT): compiles the slip files into an
// itemized statement as 明細読込み does, with the rounding mode of PRINT.INI, and prints it
// as JSON or writes its text export. A missing file is a note, as the window only says so;
// a file that cannot be compiled, and a lump tax the window would refuse, throw InputError.
int runStatement(const StatementOptions &options);

// export FILE OUT: the text export of one slip, opened and recalculated as calc does.
int runExport(const QString &file, const QString &textFile);

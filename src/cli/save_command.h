#pragma once

#include <QString>

// save FILE OUTDIR: opens and recalculates FILE and saves it into OUTDIR with the save command
// of the window, answering its questions with Yes; prints the path written. The refusals of
// the save command are input errors with its own message. Throws InputError.
int runSave(const QString &file, const QString &outDir);

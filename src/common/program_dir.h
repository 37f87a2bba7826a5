#pragma once

#include <QString>

// The folder that holds every settings and list file. Chosen once: $MIRAVO_HOME when set
// (or --home DIR, which sets it), else the executable's folder when we may write there,
// else ~/.local/share/miravo (created). The text ends with a '/'.
QString programDir();

// Fixes the program directory (used by --home and by tests). An empty text forgets it,
// so the next programDir() decides again.
void setProgramDir(const QString &dir);

// Reads "--home DIR" or "--home=DIR" from the arguments, applies it and removes it.
void applyHomeArgument(QStringList &arguments);

// programDir() + name.
QString programFile(const QString &name);

// The folder an installed program keeps its own documents in (the manual and its
// screenshots): share/miravo beside the bin folder of the executable.
QString installedDataDir();

// A document of the program (the manual) may sit in the program directory, where the user
// can replace it, next to the executable of a build or a copied program, or in the installed
// data folder; the first of those that holds it, in that order. Empty when none does.
QString locateProgramDocument(const QString &name, const QString &executableDir,
                              const QString &dataDir);

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

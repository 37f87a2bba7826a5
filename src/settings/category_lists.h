#pragma once

#include <QString>
#include <QStringList>

// The names of the parts catalogue's categories: BUMON0.LST holds the twenty major
// categories, BUMON1.LST to BUMON20.LST the twenty minor categories of each.
namespace CategoryLists {

inline constexpr int maxNames = 20;
inline constexpr int majorList = 0;
inline constexpr int lastMinorList = 20;

// "BUMON0.LST" .. "BUMON20.LST".
QString fileName(int list);

// The first twenty names of the list; none when its file is missing.
QStringList read(int list);

// Writes the first twenty names into the list's file, replacing it whole. Throws IoError.
void write(int list, const QStringList &names);

} // namespace CategoryLists

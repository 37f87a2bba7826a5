#include "category_lists.h"

#include "common/program_dir.h"
#include "common/text_file.h"

#include <QFileInfo>

namespace CategoryLists {

QString fileName(int list)
{
    return QStringLiteral("BUMON%1.LST").arg(list);
}

QStringList read(int list)
{
    const QString path = programFile(fileName(list));
    if (!QFileInfo::exists(path))
        return {};
    return TextFile::readLines(path).mid(0, maxNames);
}

void write(int list, const QStringList &names)
{
    TextFile::writeLines(programFile(fileName(list)), names.mid(0, maxNames));
}

} // namespace CategoryLists

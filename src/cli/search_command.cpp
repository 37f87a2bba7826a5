#include "search_command.h"

#include "cli_errors.h"
#include "cli_output.h"

#include "common/miravo_error.h"
#include "files/slip_folder.h"
#include "files/slip_search.h"

#include <QDir>
#include <QFileInfo>

int runSearch(const SearchOptions &options)
{
    if (!QFileInfo(options.folder).isDir())
        throw InputError(options.folder, QStringLiteral("not a folder"));
    const QDir folder(QFileInfo(options.folder).absoluteFilePath());
    QStringList paths;
    for (const QString &name : SlipFolder::slipFiles(folder.path()))
        paths.append(folder.filePath(name));

    QList<int> hits;
    try {
        hits = options.name.isEmpty()
                   ? SlipSearch::allContentHits(paths, SlipSearch::Terms(options.terms))
                   : SlipSearch::allNameHits(paths, options.name);
    } catch (const IoError &error) {
        throw InputError(error.fileName(), ioReason(error));
    }
    for (const int index : hits)
        printLine(QDir::toNativeSeparators(paths.at(index)));
    return 0;
}

#include "slip_commands.h"

#include "common/file_name_check.h"

#include <QFileInfo>
#include <QStorageInfo>

bool isReadOnlyOrOpticalVolume(const QString &folder)
{
    const QStorageInfo volume(folder);
    if (!volume.isValid())
        return false;
    if (volume.isReadOnly())
        return true;
    const QByteArray type = volume.fileSystemType().toLower();
    return type == "iso9660" || type == "udf" || type == "cdfs";
}

SlipField FNAME_CHECK(const SlipHeader &header)
{
    // Both boxes end up in the file name; the first offending one gets the focus, and the
    // message is shown once.
    if (FNAME_CHECK(header.Bangou))
        return SlipField::Bangou;
    if (FNAME_CHECK(header.TITLE))
        return SlipField::TITLE;
    return SlipField::None;
}

bool isEstimateFile(const QString &path)
{
    return path.contains(QLatin1String(".MRV"), Qt::CaseInsensitive) ||
           QFileInfo(path).suffix().compare(QLatin1String("115"), Qt::CaseInsensitive) == 0;
}

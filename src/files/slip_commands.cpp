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
    // Only the file's own extension counts: a folder such as "見積.MRV" may well hold
    // ordinary slips, and those must open as slips.
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("MRV"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("115"), Qt::CaseInsensitive) == 0;
}

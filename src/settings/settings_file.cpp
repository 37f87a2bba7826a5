#include "settings_file.h"

#include "common/program_dir.h"
#include "common/sjis.h"
#include "common/text_file.h"

#include <QFileInfo>
#include <QStringList>

namespace {

constexpr int maxValueBytes = 200;

} // namespace

QString INI_IN(const QString &fileName, const QString &key)
{
    const QString path = programFile(fileName);
    if (!QFileInfo::exists(path))
        return {};
    const QByteArray keyBytes = Sjis::encode(key);
    for (const QByteArray &line : TextFile::readByteLines(path)) {
        const qsizetype at = line.indexOf(keyBytes);
        if (at >= 0)
            return Sjis::decode(Sjis::leftBytes(line.mid(at + keyBytes.size()), maxValueBytes));
    }
    return {};
}

int iniInteger(const QString &fileName, const QString &key, int defaultValue)
{
    bool ok = false;
    const int value = INI_IN(fileName, key).toInt(&ok);
    return ok ? value : defaultValue;
}

bool iniFlag(const QString &fileName, const QString &key)
{
    return INI_IN(fileName, key) == QLatin1String("1");
}

QColor colourFromValue(qint64 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

int colourValue(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor iniColour(const QString &fileName, const QString &key, int defaultValue)
{
    bool ok = false;
    const qint64 value = INI_IN(fileName, key).toLongLong(&ok);
    return colourFromValue(ok ? value : defaultValue);
}

void writeSettingsFile(const QString &fileName, const SettingsLines &lines)
{
    QStringList text;
    text.reserve(lines.size());
    for (const SettingsLine &line : lines)
        text.append(line.first + line.second);
    TextFile::writeLines(programFile(fileName), text);
}

#include "column_widths.h"

#include "common/program_dir.h"
#include "common/prompter.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "settings/settings_file.h"

#include <QFileInfo>
#include <QString>

namespace ColumnWidths {

namespace {

struct WidthKey
{
    const char *key;
    int column;
    int fallback; // used when the stored text is not a number
};

// In the order the files list them.
const QList<WidthKey> itemGridKeys = {
    {"[分類幅]=", 1, 20},    {"[品名幅]=", 2, 305},   {"[寸法幅]=", 4, 210},  {"[数量幅]=", 5, 50},
    {"[単位幅]=", 6, 40},    {"[単価幅]=", 7, 60},    {"[原単価幅]=", 8, 60}, {"[金額幅]=", 9, 70},
    {"[原価計幅]=", 10, 70}, {"[原価率幅]=", 11, 39},
};

const QList<WidthKey> partsGridKeys = {
    {"[品名幅]=", 2, 225}, {"[寸法幅]=", 4, 180},  {"[単位幅]=", 6, 35},
    {"[単価幅]=", 7, 60},  {"[原単価幅]=", 8, 60}, {"[原価率幅]=", 11, 39},
};

constexpr int sunpouColumn = 4;
// The width files have always kept three characters per width: "-1" and every width the
// window can show fit.
constexpr int widthBytes = 3;

QString itemSetFile(int set)
{
    return QStringLiteral("SEL_WIDTH%1.INI").arg(set == 1 ? 1 : 2);
}

const QString partsSetFile = QStringLiteral("SEL_WIDTH3.INI");

void ensureColumns(QList<int> &widths)
{
    while (widths.size() < columnCount)
        widths.append(0);
}

void writeSet(const QString &fileName, const QList<WidthKey> &keys, const QList<int> &widths)
{
    SettingsLines lines;
    for (const WidthKey &k : keys)
        lines.append({QString::fromUtf8(k.key), QString::number(widths.value(k.column))});
    writeSettingsFile(fileName, lines);
}

// Reads a width file into the widths; false when the file does not exist.
bool readSet(const QString &fileName, const QList<WidthKey> &keys, QList<int> &widths)
{
    const QString path = programFile(fileName);
    if (!QFileInfo::exists(path))
        return false;
    ensureColumns(widths);
    for (const QByteArray &line : TextFile::readByteLines(path)) {
        const qsizetype equals = line.indexOf('=');
        for (const WidthKey &k : keys) {
            if (!line.contains(Sjis::encode(QString::fromUtf8(k.key))))
                continue;
            const QString text = Sjis::decode(Sjis::leftBytes(line.mid(equals + 1), widthBytes));
            if (text.isEmpty())
                continue;
            bool ok = false;
            const int width = text.toInt(&ok);
            widths[k.column] = ok ? width : k.fallback;
        }
    }
    return true;
}

bool sunpouShown(const QList<int> &widths)
{
    return widths.value(sunpouColumn) != -1;
}

bool saveSet(const QString &question, const QString &fileName, const QList<WidthKey> &keys,
             const QList<int> &widths)
{
    if (!prompter().question(question))
        return false;
    writeSet(fileName, keys, widths);
    prompter().information(QStringLiteral("登録しました。"));
    return true;
}

} // namespace

QList<int> itemGridDefaults(bool sunpou)
{
    return {25, 20, sunpou ? 305 : 516, -1, sunpou ? 210 : -1, 50, 40, 60, 60, 70, 70, 39};
}

QList<int> partsGridDefaults(bool sunpou)
{
    return {25, -1, sunpou ? 225 : 466, -1, sunpou ? 180 : -1, -1, 35, 60, 60, -1, -1, 39};
}

bool resetItemGrid(QList<int> &widths, bool sunpou)
{
    if (!prompter().question(QStringLiteral("セルサイズを既定値に戻します。\r\nよろしいですか？")))
        return false;
    widths = itemGridDefaults(sunpou);
    return true;
}

bool resetPartsGrid(QList<int> &widths, bool sunpou)
{
    if (!prompter().question(
            QStringLiteral("部品セルサイズを既定値に戻します。\r\nよろしいですか？")))
        return false;
    widths = partsGridDefaults(sunpou);
    return true;
}

bool saveItemGridSet(int set, const QList<int> &widths)
{
    const QString question =
        set == 1
            ? QStringLiteral("現在表示のセル幅設定をセル幅設定１に保存します。\r\nよろしいですか？")
            : QStringLiteral(
                  "現在表示のセル幅設定をセル幅設定２に保存します。\r\nよろしいですか？");
    return saveSet(question, itemSetFile(set), itemGridKeys, widths);
}

bool loadItemGridSet(int set, QList<int> &widths, bool &sunpou, LoadMode mode)
{
    if (mode == LoadMode::Command) {
        const QString question =
            set == 1 ? QStringLiteral("セル幅設定１を読み込みます。\r\nよろしいですか？")
                     : QStringLiteral("セル幅設定２を読み込みます。\r\nよろしいですか？");
        if (!prompter().question(question))
            return false;
    }
    if (!readSet(itemSetFile(set), itemGridKeys, widths)) {
        if (set == 1)
            prompter().information(QStringLiteral("セル幅設定１ファイルがありません。\r\n"));
        else
            prompter().beep();
    }
    sunpou = sunpouShown(widths);
    return true;
}

bool savePartsGridSet(const QList<int> &widths)
{
    return saveSet(QStringLiteral("現在表示の部品セル幅設定を保存します。\r\nよろしいですか？"),
                   partsSetFile, partsGridKeys, widths);
}

bool loadPartsGridSet(QList<int> &widths, bool &sunpou, LoadMode mode)
{
    prompter().beep();
    if (mode == LoadMode::Command &&
        !prompter().question(
            QStringLiteral("部品グリッドセル幅設定を読み込みます。\r\nよろしいですか？")))
        return false;
    if (!readSet(partsSetFile, partsGridKeys, widths))
        prompter().beep();
    sunpou = sunpouShown(widths);
    return true;
}

} // namespace ColumnWidths

#include "folder_registry.h"

#include "common/prompter.h"
#include "common/sjis.h"
#include "settings/settings_file.h"
#include "slip_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kFile = QStringLiteral("FOLDER.INI");

QString nameKey(int row)
{
    return QStringLiteral("[フォルダ名%1]=").arg(row);
}

QString pathKey(int row)
{
    return QStringLiteral("[フォルダ%1]=").arg(row);
}

} // namespace

FolderRegistry::FolderRegistry()
    : m_entries(kRows)
{}

bool FolderRegistry::isRegistered(int row) const
{
    return row > 0 && row < kRows && !m_entries.at(row).path.isEmpty();
}

std::optional<QString> FolderRegistry::doubleClick(int row, const QString &currentFolder)
{
    if (row <= 0 || row >= kRows)
        return std::nullopt;
    if (isRegistered(row))
        return m_entries.at(row).path;

    prompter().information(
        QStringLiteral("フォルダの開いている場所を登録します。。\r\n\r\n"
                       "フォーカスがあっても開いてなければそのフォルダは登録されません。\r\n\r\n"
                       "また、開いていてもフォーカスがないフォルダも登録できません。"));
    if (Sjis::byteLength(currentFolder) <= 3 || QDir(currentFolder).isRoot()) {
        prompter().information(QStringLiteral("[ ") + QDir::toNativeSeparators(currentFolder) +
                               QStringLiteral(" ]は登録できません。\r\n"));
        return std::nullopt;
    }
    Entry &entry = m_entries[row];
    entry.path = currentFolder;
    entry.name =
        row == 1 ? QStringLiteral("一般フォルダ") : SlipFolder::lastComponent(currentFolder);
    save();
    return std::nullopt;
}

bool FolderRegistry::clear(int row)
{
    if (row <= 0 || row >= kRows || m_entries.at(row).name.isEmpty())
        return false;
    if (!prompter().question(QStringLiteral("[ ") + m_entries.at(row).name +
                             QStringLiteral(" ]をクリアします。\r\n")))
        return false;
    m_entries[row] = Entry{};
    save();
    return true;
}

std::optional<int> FolderRegistry::rowForCustomer(const QString &customerName) const
{
    for (int row = 1; row < kRows; ++row) {
        const QString &name = m_entries.at(row).name;
        if (!name.isEmpty() && isRegistered(row) && customerName.contains(name))
            return row;
    }
    if (isRegistered(1))
        return 1;
    return std::nullopt;
}

void FolderRegistry::load()
{
    for (int row = 1; row < kRows; ++row) {
        m_entries[row].name = INI_IN(kFile, nameKey(row));
        m_entries[row].path = INI_IN(kFile, pathKey(row));
    }
}

void FolderRegistry::save() const
{
    SettingsLines lines;
    for (int row = 1; row < kRows; ++row) {
        lines.append({nameKey(row), m_entries.at(row).name});
        lines.append({pathKey(row), m_entries.at(row).path});
    }
    writeSettingsFile(kFile, lines);
}

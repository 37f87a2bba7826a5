#include "slip_folder.h"

#include "common/prompter.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <vector>

namespace SlipFolder {

namespace {

QStringList filesMatching(const QString &folder, const QStringList &patterns)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    dir.setNameFilters(patterns);
    // Without QDir::CaseSensitive the patterns match names in any case.
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    sortFileNames(names);
    return names;
}

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

void sortFileNames(QStringList &names)
{
    // The Japanese collation puts 平 before 令, so era names sort in their historical order;
    // numeric mode makes 平成9年 come before 平成10年.
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // A folder of some years holds thousands of slips: each name's sort key is made once
    // rather than at every comparison.
    std::vector<std::pair<QCollatorSortKey, QString>> keyed;
    keyed.reserve(size_t(names.size()));
    for (const QString &name : std::as_const(names))
        keyed.emplace_back(collator.sortKey(name), name);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    for (qsizetype index = 0; index < names.size(); ++index)
        names[index] = keyed[size_t(index)].second;
}

QStringList slipFiles(const QString &folder)
{
    return filesMatching(folder, {QStringLiteral("*.321"), QStringLiteral("*.419"),
                                  QStringLiteral("*.MRV"), QStringLiteral("*.115")});
}

QStringList statementFiles(const QString &folder)
{
    return filesMatching(folder, {QStringLiteral("*.419"), QStringLiteral("*.418")});
}

QString lastComponent(const QString &path)
{
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    return trimmed.mid(trimmed.lastIndexOf(QLatin1Char('/')) + 1);
}

int pageTo(Page page, int position, int count)
{
    switch (page) {
    case Page::First:
        return 0;
    case Page::Last:
        return count - 1;
    case Page::Next:
        if (position + 1 > count - 1) {
            prompter().information(QStringLiteral("最後です。"));
            return count - 1;
        }
        return position + 1;
    case Page::Previous:
        if (position - 1 < 0) {
            prompter().information(QStringLiteral("先頭です。"));
            return 0;
        }
        return qMin(position - 1, count - 1);
    }
    return position;
}

bool deleteSlipFile(const QString &path)
{
    if (!prompter().question(QDir::toNativeSeparators(path) +
                             QStringLiteral("を削除します。\r\nよろしいですか？")))
        return false;
    if (QFile::remove(path))
        return true;
    prompter().information(QStringLiteral("ファイルを削除できませんでした。"));
    return false;
}

std::optional<QString> createFolder(const QString &current, const QString &name)
{
    if (name.isEmpty())
        return std::nullopt;
    const QString path = withSeparator(current) + name;
    if (QFileInfo::exists(path)) {
        prompter().information(QStringLiteral("そのフォルダはすでに存在します。\r\n"));
        return std::nullopt;
    }
    if (!prompter().question(QDir::toNativeSeparators(path) +
                             QStringLiteral("フォルダを作成します。\r\n\r\nよろしいですか？")))
        return std::nullopt;
    if (!QDir().mkpath(path)) {
        prompter().information(QStringLiteral("フォルダの作成ができませんでした。\r\n"));
        return std::nullopt;
    }
    prompter().beep();
    return QDir::cleanPath(path);
}

std::optional<QString> deleteFolder(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty()) {
        prompter().information(QStringLiteral(
            "フォルダにファイルがあります。\r\n\r\nすべて削除してから再度実行してください"));
        return std::nullopt;
    }
    if (!prompter().question(QStringLiteral("[ ") + QDir::toNativeSeparators(folder) +
                             QStringLiteral(" ]を削除します。")))
        return std::nullopt;
    QString path = QDir::cleanPath(folder);
    const int separator = path.lastIndexOf(QLatin1Char('/'));
    const QString parent = separator <= 0 ? QStringLiteral("/") : path.left(separator);
    if (!QDir(parent).rmdir(lastComponent(path)))
        prompter().information(QStringLiteral("削除できませんでした。"));
    return parent;
}

} // namespace SlipFolder

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The saved slips of a folder and the folder operations of the file browser. Messages go
// through the prompter; nothing here knows about windows.
namespace SlipFolder {

// Names (without folder) of the slip files of a folder: *.321, *.419, *.MRV and *.115 in any
// case, sorted so that the list is in date order, newest last (digit runs by their value,
// 令和 after 平成, case ignored).
QStringList slipFiles(const QString &folder);

// Names of the files an itemized statement is made from: *.419 and *.418, same order.
QStringList statementFiles(const QString &folder);

// Sorts file names in the file browser's order.
void sortFileNames(QStringList &names);

// The text after the last path separator, found character by character.
QString lastComponent(const QString &path);

// The paging buttons. Each gives the new browse position for a list of count files, showing
// "最後です。" or "先頭です。" when it runs past an end.
enum class Page { First, Previous, Next, Last };
int pageTo(Page page, int position, int count);

// ファイル削除 of the file at path: asks, deletes; true when the file is gone.
bool deleteSlipFile(const QString &path);

// ﾌｫﾙﾀﾞの新規作成: the new current folder, or nothing.
std::optional<QString> createFolder(const QString &current, const QString &name);

// フォルダ削除 of the folder that was opened: refused while it holds any file; the new current
// folder (its parent) when the user agreed, whether or not the removal worked.
std::optional<QString> deleteFolder(const QString &folder);

} // namespace SlipFolder

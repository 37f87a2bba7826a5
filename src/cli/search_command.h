#pragma once

#include <QString>
#include <QStringList>

struct SearchOptions
{
    QString folder;
    QStringList terms; // the content terms, at most five; empty ones take no part
    QString name;      // --name: the file-name search instead
};

// search DIR TERM... | search DIR --name TEXT: prints the full path of every slip file of
// DIR that holds all terms (or whose path holds the text), newest first, as the window's
// 検索 and then 次検索 visit them. Nothing printed when none matches. Throws InputError.
int runSearch(const SearchOptions &options);

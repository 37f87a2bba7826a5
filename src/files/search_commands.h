#pragma once

#include "slip_search.h"

#include <QString>
#include <QStringList>

// What the search commands need of the window: the slip file list with its selection,
// loading a file as a double click does, the two status texts, pending events and the
// cancel flag that Escape and 閉じる set.
class SearchHost
{
public:
    virtual ~SearchHost() = default;

    // Full paths of the slip file list, in its order.
    virtual QStringList slipFilePaths() const = 0;
    virtual int selectedSlipFile() const = 0;
    virtual void selectSlipFile(int index) = 0;
    // Re-reads the slip file list from the current folder.
    virtual void refreshSlipFiles() = 0;
    // Loads the file at index of the list, exactly as a double click on it does.
    virtual void openSlipFile(int index) = 0;
    // FileText of the content search, repainted at once; Label29 of the file-name search.
    virtual void setFileText(const QString &text) = 0;
    virtual void setLabel29(const QString &text) = 0;
    virtual void processPendingEvents() = 0;
    virtual bool cancelRequested() const = 0;
    virtual void setCancelRequested(bool requested) = 0;
};

// Where a search starts: 検索 from the last file, 次検索 from the one before the selected
// file towards the first, 前検索 from the one after it towards the last.
enum class SearchStart { Search, Next, Previous };

namespace SearchCommands {

// KENSAKU, the content search of 検索 (SpeedButton58), 次検索 (SpeedButton59) and 前検索
// (SpeedButton31) with the terms K_1 to K_5: preconditions, hourglass, each file selected
// as it is tested, progress between files, cancelling, loading a hit, the status text, the
// end messages and the beeps.
SlipSearch::Walk KENSAKU(SearchStart start, const QStringList &terms, SearchHost &host);

// >>検索 (SpeedButton32), > 次検索 (SpeedButton33), < 前検索 (SpeedButton34) with the text of
// FN_FIND, which must occur in a file's full path.
SlipSearch::Walk fileNameSearch(SearchStart start, const QString &text, SearchHost &host);

// The number of files as "###,###" writes it: grouped by thousands, nothing for 0.
QString groupedCount(int count);

} // namespace SearchCommands

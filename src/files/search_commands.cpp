#include "search_commands.h"

#include "common/japanese.h"
#include "common/prompter.h"

namespace SearchCommands {

namespace {

using SlipSearch::Direction;
using SlipSearch::Walk;

const QString noMore = QStringLiteral("これ以上ありません。");

QString positionText(int index, int count, const char *totalName)
{
    return QStringLiteral("現在ﾌｧｲﾙ№[ ") + QString::number(index + 1) + QStringLiteral(" ] / ") +
           QString::fromUtf8(totalName) + QStringLiteral("[ ") + QString::number(count) +
           QStringLiteral(" ]件");
}

// The content search between files: the visited file stays selected, the progress shows,
// and Escape or 閉じる pressed meanwhile stop the walk.
class ContentProgress final : public SlipSearch::Progress
{
public:
    ContentProgress(SearchHost &host, int count)
        : m_host(host)
        , m_count(count)
    {}

    void visiting(int index) override { m_host.selectSlipFile(index); }

    bool goOn(int index) override
    {
        m_host.setFileText(positionText(index, m_count, "見積総数"));
        m_host.processPendingEvents();
        if (!m_host.cancelRequested())
            return true;
        m_host.setCancelRequested(false);
        return false;
    }

private:
    SearchHost &m_host;
    int m_count;
};

class NameProgress final : public SlipSearch::Progress
{
public:
    explicit NameProgress(SearchHost &host)
        : m_host(host)
    {}
    void visiting(int index) override { m_host.selectSlipFile(index); }
    bool goOn(int) override { return true; }

private:
    SearchHost &m_host;
};

} // namespace

QString groupedCount(int count)
{
    return count == 0 ? QString() : japaneseLocale().toString(count);
}

Walk KENSAKU(SearchStart start, const QStringList &terms, SearchHost &host)
{
    if (start != SearchStart::Search)
        prompter().beep();
    const SlipSearch::Terms searched(terms);
    if (searched.isEmpty())
        return {};
    const QStringList paths = host.slipFilePaths();
    const int count = int(paths.size());
    const int selected = host.selectedSlipFile();

    int first = count - 1;
    Direction direction = Direction::TowardsFirst;
    switch (start) {
    case SearchStart::Search:
        if (count == 0)
            return {};
        break;
    case SearchStart::Next:
        if (selected < 1) {
            prompter().information(QStringLiteral("これ以上はありません。"));
            return {};
        }
        first = selected - 1;
        break;
    case SearchStart::Previous:
        if (selected >= count - 1) {
            prompter().information(QStringLiteral("これ以上はありません。"));
            return {};
        }
        first = selected + 1;
        direction = Direction::TowardsLast;
        break;
    }

    host.setCancelRequested(false);
    Walk found;
    {
        const BusyCursor busy;
        ContentProgress progress(host, count);
        found = SlipSearch::findContent(paths, searched, first, direction, progress);
    }
    switch (found.end) {
    case Walk::End::Hit:
        host.openSlipFile(found.index);
        host.setFileText(positionText(found.index, count,
                                      start == SearchStart::Previous ? "見積総数" : "データ総数"));
        prompter().beep();
        break;
    case Walk::End::Cancelled:
        prompter().information(QStringLiteral("検索を中止しました。"));
        break;
    case Walk::End::Exhausted:
        prompter().information(start == SearchStart::Previous
                                   ? noMore
                                   : QStringLiteral("該当するデータはありません。"));
        break;
    }
    return found;
}

Walk fileNameSearch(SearchStart start, const QString &text, SearchHost &host)
{
    if (text.isEmpty())
        return {};
    if (host.slipFilePaths().isEmpty()) {
        prompter().beep();
        prompter().information(QStringLiteral("ファイルがありません。"));
        return {};
    }
    if (start == SearchStart::Search)
        host.refreshSlipFiles();
    const QStringList paths = host.slipFilePaths();
    const int count = int(paths.size());
    const int selected = host.selectedSlipFile();

    int first = count - 1;
    Direction direction = Direction::TowardsFirst;
    if (start == SearchStart::Next) {
        first = selected - 1;
    } else if (start == SearchStart::Previous) {
        first = selected + 1;
        direction = Direction::TowardsLast;
    }
    if (start != SearchStart::Search && (first < 0 || first >= count)) {
        prompter().beep();
        prompter().information(noMore);
        return {};
    }

    // Nothing here lets events run: the file-name search always goes to its end.
    host.setCancelRequested(false);
    NameProgress progress(host);
    const Walk found = SlipSearch::findName(paths, text, first, direction, progress);
    if (found.end == Walk::End::Hit) {
        host.openSlipFile(found.index);
        prompter().beep();
        host.setLabel29(QStringLiteral("[ ") + QString::number(found.index + 1) +
                        QStringLiteral(" / ") + groupedCount(count) + QStringLiteral(" ]"));
    } else if (start == SearchStart::Search) {
        host.setLabel29(QStringLiteral("[  / ") + groupedCount(count) + QStringLiteral(" ]"));
        prompter().beep();
        prompter().information(QStringLiteral("見つかりませんでした。"));
    } else {
        host.selectSlipFile(selected);
        prompter().beep();
        prompter().information(noMore);
    }
    return found;
}

} // namespace SearchCommands

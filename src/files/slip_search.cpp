#include "slip_search.h"

#include "common/miravo_error.h"
#include "common/sjis.h"

#include <QFile>

#include <cstring>
#include <functional>

namespace SlipSearch {

namespace {

// A slip file is a few kilobytes: one piece is usually the whole file.
constexpr qint64 pieceSize = 64 * 1024;

class SilentProgress final : public Progress
{
public:
    void visiting(int) override {}
    bool goOn(int) override { return true; }
};

Walk walk(int count, int first, Direction direction, Progress &progress, bool askToGoOn,
          const std::function<bool(int)> &isHit)
{
    const int step = direction == Direction::TowardsFirst ? -1 : 1;
    Walk result;
    for (int index = first; index >= 0 && index < count; index += step) {
        progress.visiting(index);
        if (isHit(index)) {
            result.end = Walk::End::Hit;
            result.index = index;
            return result;
        }
        if (askToGoOn && !progress.goOn(index)) {
            result.end = Walk::End::Cancelled;
            result.index = index;
            return result;
        }
    }
    return result;
}

QList<int> allHits(int count, const std::function<Walk(int first, Progress &)> &find)
{
    QList<int> hits;
    SilentProgress progress;
    for (int first = count - 1;;) {
        const Walk found = find(first, progress);
        if (found.end != Walk::End::Hit)
            return hits;
        hits.append(found.index);
        first = found.index - 1;
    }
}

} // namespace

Terms::Terms(const QStringList &texts)
{
    for (const QString &text : texts) {
        if (text.isEmpty())
            continue;
        QByteArray bytes = Sjis::encode(text);
        // The encoder writes "?" for what CP932 cannot hold.
        if (bytes.count('?') > text.count(QLatin1Char('?')))
            m_unmatchable = true;
        m_terms.push_back(std::move(bytes));
    }
}

bool startsCharacter(QByteArrayView line, qsizetype at)
{
    // A line starts on a boundary (a line feed is never the second byte of a character);
    // from there every lead byte takes the byte after it along.
    qsizetype position = 0;
    while (position < at) {
        const bool pair = Sjis::isLeadByte(uchar(line[position])) && position + 1 < line.size();
        position += pair ? 2 : 1;
    }
    return position == at;
}

int Terms::markFound(QByteArrayView lines, std::vector<bool> &found, int missing) const
{
    const char *const begin = lines.data();
    const size_t size = size_t(lines.size());
    for (size_t term = 0; term < m_terms.size() && missing > 0; ++term) {
        if (found[term])
            continue;
        const QByteArray &bytes = m_terms[term];
        size_t from = 0;
        while (from < size) {
            const void *hit = memmem(begin + from, size - from, bytes.constData(), bytes.size());
            if (!hit)
                break;
            const qsizetype at = static_cast<const char *>(hit) - begin;
            const void *lineFeed = at > 0 ? memrchr(begin, '\n', size_t(at)) : nullptr;
            const qsizetype lineStart =
                lineFeed ? static_cast<const char *>(lineFeed) - begin + 1 : 0;
            if (startsCharacter(lines.sliced(lineStart), at - lineStart)) {
                found[term] = true;
                --missing;
                break;
            }
            from = size_t(at) + 1;
        }
    }
    return missing;
}

bool Terms::foundInText(QByteArrayView text) const
{
    if (m_terms.empty() || m_unmatchable)
        return false;
    std::vector<bool> found(m_terms.size(), false);
    return markFound(text, found, count()) == 0;
}

bool Terms::foundIn(const QString &path) const
{
    if (m_terms.empty() || m_unmatchable)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(path, file.errorString());
    std::vector<bool> found(m_terms.size(), false);
    int missing = count();
    // Terms never hold a line end, so each piece is searched up to its last line feed and
    // the unfinished line goes on with the next piece.
    QByteArray rest;
    while (missing > 0) {
        QByteArray piece = file.read(pieceSize);
        if (file.error() != QFileDevice::NoError)
            throw IoError(path, file.errorString());
        if (piece.isEmpty())
            return markFound(rest, found, missing) == 0;
        if (!rest.isEmpty())
            piece.prepend(rest);
        const qsizetype lastLineFeed = piece.lastIndexOf('\n');
        missing = markFound(QByteArrayView(piece).first(lastLineFeed + 1), found, missing);
        rest = piece.sliced(lastLineFeed + 1);
    }
    return true;
}

Walk findContent(const QStringList &paths, const Terms &terms, int first, Direction direction,
                 Progress &progress)
{
    if (terms.isEmpty())
        return {};
    return walk(int(paths.size()), first, direction, progress, true,
                [&](int index) { return terms.foundIn(paths.at(index)); });
}

Walk findName(const QStringList &paths, const QString &text, int first, Direction direction,
              Progress &progress)
{
    if (text.isEmpty())
        return {};
    return walk(int(paths.size()), first, direction, progress, false,
                [&](int index) { return paths.at(index).contains(text); });
}

QList<int> allContentHits(const QStringList &paths, const Terms &terms)
{
    return allHits(int(paths.size()), [&](int first, Progress &progress) {
        return findContent(paths, terms, first, Direction::TowardsFirst, progress);
    });
}

QList<int> allNameHits(const QStringList &paths, const QString &text)
{
    return allHits(int(paths.size()), [&](int first, Progress &progress) {
        return findName(paths, text, first, Direction::TowardsFirst, progress);
    });
}

} // namespace SlipSearch

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The search over the saved slips of a folder, without any window: the terms of a content
// search, and the walk through the slip file list (in its date order, from either end)
// that the search panel and miravo-cli share.
namespace SlipSearch {

inline constexpr int maxTerms = 5;

// Up to five texts that must all occur in a file, each on its own anywhere in it (on one
// line or on different lines). Empty texts take no part. Matching is case-sensitive and
// by whole characters: the CP932 bytes of a term count only where they start on a
// character boundary of the file's text, so the second byte of one double-byte character
// and the first of the next never spell a term.
class Terms
{
public:
    explicit Terms(const QStringList &texts);

    bool isEmpty() const { return m_terms.empty(); }
    int count() const { return int(m_terms.size()); }

    // Reads the file in pieces and stops as soon as every term was found. Throws IoError
    // when the file cannot be opened or read.
    bool foundIn(const QString &path) const;
    // The same over text already in memory (a whole file).
    bool foundInText(QByteArrayView text) const;

private:
    // Marks the terms found in whole lines of text; returns how many are still missing.
    int markFound(QByteArrayView lines, std::vector<bool> &found, int missing) const;

    std::vector<QByteArray> m_terms;
    // A term holds a character that CP932 cannot write: no slip file can contain it.
    bool m_unmatchable = false;
};

// True when the byte at offset at of a line of CP932 text starts a character.
bool startsCharacter(QByteArrayView line, qsizetype at);

enum class Direction { TowardsFirst, TowardsLast };

// What the walk reports while it runs: the window selects each file it tests and, between
// files, shows the progress, lets pending events run and answers whether to go on.
class Progress
{
public:
    virtual ~Progress() = default;
    // The file at index is about to be tested.
    virtual void visiting(int index) = 0;
    // The file at index was no hit; false stops the walk (the user cancelled).
    virtual bool goOn(int index) = 0;
};

struct Walk
{
    enum class End { Hit, Exhausted, Cancelled };
    End end = End::Exhausted;
    int index = -1; // the hit, or the last file visited before cancelling
};

// Tests paths[first], then the files towards the first or the last entry, until one holds
// every term. An empty term list finds nothing.
Walk findContent(const QStringList &paths, const Terms &terms, int first, Direction direction,
                 Progress &progress);

// The same for the file-name search: text must occur in the full path. It always runs to
// its end: goOn is not asked.
Walk findName(const QStringList &paths, const QString &text, int first, Direction direction,
              Progress &progress);

// Every hit, newest first: the order in which 検索 and then 次検索 again and again visit
// them.
QList<int> allContentHits(const QStringList &paths, const Terms &terms);
QList<int> allNameHits(const QStringList &paths, const QString &text);

} // namespace SlipSearch

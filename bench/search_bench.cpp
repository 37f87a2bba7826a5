#include "common/sjis.h"
#include "files/slip_folder.h"
#include "files/slip_search.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int slipCount = 10000;
// One slip in a hundred holds the term.
constexpr int hitEvery = 100;

// A folder of saved slips the size of a few years of work: 43-line files of about 1.5 KB
// with thirty item rows, a few of them filled, and the term in only a few files.
class SlipFolderFixture
{
public:
    SlipFolderFixture()
    {
        const QByteArray termFile = Sjis::encode(term) + '\n';
        QFile pattern(m_dir.filePath(QStringLiteral("term.txt")));
        pattern.open(QIODevice::WriteOnly);
        pattern.write(termFile);
        QDir().mkpath(folder());
        for (int number = 1; number <= slipCount; ++number) {
            QStringList lines = {QStringLiteral("株式会社山田商店%1").arg(number % 97),
                                 QStringLiteral("東京都千代田区丸の内%1丁目").arg(number % 9),
                                 QStringLiteral("塔屋工事ビル%1階").arg(number % 30),
                                 QStringLiteral("100-0005"),
                                 QStringLiteral("45748.%1").arg(number),
                                 QStringLiteral("営業部"),
                                 QStringLiteral("工事一式"),
                                 QStringLiteral("御中"),
                                 QString(),
                                 QStringLiteral("0"),
                                 QStringLiteral("1250"),
                                 QStringLiteral("佐藤"),
                                 QString::number(number)};
            for (int row = 1; row <= 30; ++row) {
                if (row <= 6)
                    lines << QStringLiteral("%1,,六角ボルトM%2,,ステンレス,%3,本,%4,%5,,,")
                                 .arg(row)
                                 .arg(row + 5)
                                 .arg(number % 50 + 1)
                                 .arg(120 + row)
                                 .arg(80 + row);
                else
                    lines << QStringLiteral("%1,,,,,,,,,,,").arg(row);
            }
            if (number % hitEvery == 0)
                lines[18] = QStringLiteral("7,,") + term + QStringLiteral(",,,1,台,5000,4000,,,");
            QFile file(QDir(folder()).filePath(
                QStringLiteral("令和7年04月01日【%1】工事.419").arg(number, 5, 10, QChar(u'0'))));
            file.open(QIODevice::WriteOnly);
            file.write(Sjis::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        }
    }

    QString folder() const { return m_dir.filePath(QStringLiteral("slips")); }
    QString termFile() const { return m_dir.filePath(QStringLiteral("term.txt")); }

    const QString term = QStringLiteral("特注ラック");

private:
    QTemporaryDir m_dir;
};

SlipFolderFixture &fixture()
{
    static SlipFolderFixture instance;
    return instance;
}

// What the search command does: list the folder in date order, then test every file.
void ContentSearch(benchmark::State &state)
{
    SlipFolderFixture &slips = fixture();
    const SlipSearch::Terms terms({slips.term});
    qsizetype hits = 0;
    for (auto _ : state) {
        QStringList paths;
        const QDir folder(slips.folder());
        for (const QString &name : SlipFolder::slipFiles(slips.folder()))
            paths << folder.filePath(name);
        hits = SlipSearch::allContentHits(paths, terms).size();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = double(hits);
}

// The walk alone, over a list already made (the window's case: the file list is shown).
void ContentSearchListed(benchmark::State &state)
{
    SlipFolderFixture &slips = fixture();
    const SlipSearch::Terms terms({slips.term});
    QStringList paths;
    const QDir folder(slips.folder());
    for (const QString &name : SlipFolder::slipFiles(slips.folder()))
        paths << folder.filePath(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(SlipSearch::allContentHits(paths, terms).size());
}

// grep over the same files, byte-wise, with the same term in CP932.
void GrepLF(benchmark::State &state)
{
    SlipFolderFixture &slips = fixture();
    const QByteArray command = "LC_ALL=C grep -rlF -f '" + QFile::encodeName(slips.termFile()) +
                               "' '" + QFile::encodeName(slips.folder()) + "' > /dev/null";
    for (auto _ : state) {
        const int status = std::system(command.constData());
        benchmark::DoNotOptimize(status);
    }
}

} // namespace

// Wall-clock time: grep runs in a child process whose CPU time the benchmark does not see.
BENCHMARK(ContentSearch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ContentSearchListed)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepLF)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

#include "fuzz_support.h"

#include "common/sjis.h"
#include "master/customer_columns.h"
#include "master/customer_list.h"
#include "slip/string_grid.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

namespace {

QList<CustomerRecord> namedRecords(const StringGrid &grid)
{
    QList<CustomerRecord> records;
    for (int row = 1; row < grid.rows(); ++row) {
        if (!grid.cell(CustomerColumn::name, row).isEmpty())
            records << CustomerList::record(grid, row);
    }
    return records;
}

QString describe(const QList<CustomerRecord> &records)
{
    QStringList lines;
    for (const CustomerRecord &r : records)
        lines << QStringList{r.NAME1, r.NAME2, r.YUBIN, r.ADD1, r.ADD_2, r.Tel, r.KEISYOU}.join(
            u'|');
    return lines.join(u'\n');
}

} // namespace

// Any pair of customer files loads into a numbered grid of at least 24 rows, and what is
// written back from it loads as the same customers, every field kept.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input holds KOKYAKU.LST, then a NUL, then KOKYAKU2.LST (missing without the NUL).
    const QByteArray input = fuzzBytes(data, size);
    const qsizetype split = input.indexOf('\0');
    writeFuzzFile(CustomerList::namesFileName(), split < 0 ? input : input.left(split));
    QFile::remove(fuzzProgramDir() + u'/' + CustomerList::recordsFileName());
    if (split >= 0)
        writeFuzzFile(CustomerList::recordsFileName(), input.mid(split + 1));

    StringGrid grid(CustomerColumn::count, CustomerList::startRows);
    CustomerList::prepare(grid);
    KOKYAKU_YOMIKOMI(grid);
    FUZZ_CHECK(grid.rows() >= CustomerList::startRows, QString::number(grid.rows()));
    for (int row = 1; row < grid.rows(); ++row)
        FUZZ_CHECK(grid.cell(CustomerColumn::number, row) == QString::number(row),
                   QString::number(row));

    const QList<CustomerRecord> loaded = namedRecords(grid);
    if (loaded.isEmpty())
        return 0;
    KOKYAKU_KAKIDASI(grid);
    StringGrid again(CustomerColumn::count, CustomerList::startRows);
    CustomerList::prepare(again);
    KOKYAKU_YOMIKOMI(again);
    QList<CustomerRecord> expected;
    const auto cp932 = [](const QString &text) { return Sjis::decode(Sjis::encode(text)); };
    for (const CustomerRecord &r : loaded)
        expected << CustomerRecord{cp932(r.NAME1), cp932(r.NAME2), cp932(r.YUBIN),  cp932(r.ADD1),
                                   cp932(r.ADD_2), cp932(r.Tel),   cp932(r.KEISYOU)};
    const QList<CustomerRecord> reloaded = namedRecords(again);
    FUZZ_CHECK(reloaded == expected,
               describe(expected) + QStringLiteral("\n--\n") + describe(reloaded));
    return 0;
}

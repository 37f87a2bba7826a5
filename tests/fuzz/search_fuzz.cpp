#include "fuzz_support.h"

#include "common/miravo_error.h"
#include "common/sjis.h"
#include "files/estimate_file.h"
#include "files/slip_search.h"
#include "slip/slip.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// The readers of the search: any bytes import as an estimate into a blank slip, and over
// valid CP932 text a term matches exactly where the decoded text holds it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray bytes = fuzzBytes(data + 2, size - 2);
    const QString path = writeFuzzFile(data[0] % 2 ? QStringLiteral("令和7年04月01日【1】t.115")
                                                   : QStringLiteral("令和7年04月01日【1】t.MRV"),
                                       bytes);
    Slip slip;
    try {
        EstimateFile::read(path, slip.header, slip.items());
    } catch (const IoError &) {
        fuzzFailure("a readable file reads", path);
    }
    FUZZ_CHECK(slip.items().columnCount() == Slip::itemColumns, path);
    FUZZ_CHECK(slip.header.TITLE == QStringLiteral("t"), slip.header.TITLE);

    const QString text = Sjis::decode(bytes);
    if (Sjis::encode(text) != bytes)
        return 0;
    const QString term = text.mid(data[1] % qMax(qsizetype(1), text.size()), 1 + data[0] % 4);
    if (term.isEmpty() || term.contains(QLatin1Char('\n')) || term.contains(QLatin1Char('\r')))
        return 0;
    const SlipSearch::Terms terms({term});
    FUZZ_CHECK(terms.foundInText(bytes), term);
    FUZZ_CHECK(terms.foundIn(path), term);
    return 0;
}

#include "fuzz_support.h"

#include "common/miravo_error.h"
#include "files/slip_file.h"
#include "slip/slip.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// Any file under a slip's name opens into a blank slip: the header fields and at most 12
// fields per item row, the grid grown to hold the rows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const bool legacy = size > 0 && data[0] % 2 == 1;
    const QString path = writeFuzzFile(legacy ? QStringLiteral("令和7年04月01日【1】t.321")
                                              : QStringLiteral("令和7年04月01日【1】t.419"),
                                       fuzzBytes(data, size));
    Slip slip;
    try {
        SlipFile::read(path, slip.header, slip.items());
    } catch (const IoError &) {
        fuzzFailure("a readable file reads", path);
    }
    FUZZ_CHECK(slip.items().columnCount() == Slip::itemColumns, path);
    FUZZ_CHECK(slip.header.TITLE == QStringLiteral("t"), slip.header.TITLE);
    return 0;
}

#include "fuzz_support.h"

#include "common/comma_text.h"
#include "common/sjis.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// The cells of any line written back as a line read as the same cells: item rows and list
// files keep what the user typed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = Sjis::decode(fuzzBytes(data, size));
    const QStringList cells = CommaText::split(line);
    const QString joined = CommaText::join(cells);
    FUZZ_CHECK(CommaText::split(joined) == cells, line + u'\n' + joined);
    FUZZ_CHECK(CommaText::join(CommaText::split(joined)) == joined, joined);
    return 0;
}

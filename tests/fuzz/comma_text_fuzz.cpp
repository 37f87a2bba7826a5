#include "fuzz_support.h"

#include "common/comma_text.h"
#include "common/sjis.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

namespace {

// Empty cells at the end of a row carry nothing: a row is read into a grid of its own width,
// where missing cells are empty ("a," and "a" are the same row).
QStringList withoutTrailingEmpty(QStringList cells)
{
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

} // namespace

// The cells of any line written back as a line read as the same cells: item rows keep what
// the user typed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = Sjis::decode(fuzzBytes(data, size));
    const QStringList cells = CommaText::split(line);
    const QString joined = CommaText::join(cells);
    FUZZ_CHECK(withoutTrailingEmpty(CommaText::split(joined)) == withoutTrailingEmpty(cells),
               line + u'\n' + joined);
    // Written again, the row gives the same line.
    const QString row = CommaText::join(withoutTrailingEmpty(cells));
    FUZZ_CHECK(CommaText::join(withoutTrailingEmpty(CommaText::split(row))) == row, row);
    return 0;
}

#include "fuzz_support.h"

#include "slip/slip_header.h"
#include "statement/statement.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// Any file under a slip's name compiles into a statement or is refused by name and line,
// and the grid keeps its 13 columns and at least its 30 rows, whatever the lump tax and the
// row deletion make of it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path =
        writeFuzzFile(QStringLiteral("令和7年04月01日【1】t.419"), fuzzBytes(data, size));
    SlipHeader header;
    Statement statement;
    statement.rounding = RoundingMode(size % 3);
    try {
        statement.compile({path, path}, header);
        statement.addLumpTax();
        statement.deleteRow(1);
    } catch (const StatementFileError &error) {
        FUZZ_CHECK(error.path() == path && error.line() >= 5, error.message());
    } catch (const OverflowError &) {
        // Amounts beyond the money range are reported, not wrapped.
    }
    const StringGrid &grid = statement.grid();
    FUZZ_CHECK(grid.columns() == StatementColumn::count, path);
    FUZZ_CHECK(grid.rows() >= Statement::blankRows + 1, path);
    return 0;
}

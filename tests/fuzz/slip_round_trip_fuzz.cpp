#include "fuzz_support.h"

#include "common/miravo_error.h"
#include "common/sjis.h"
#include "files/slip_file.h"
#include "slip/slip.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// Opened, recalculated and saved, a slip reads back as the slip that was saved: whatever an
// old or damaged file held, saving it again loses nothing of what the window showed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("令和7年04月01日【1】t.419");
    const QString path = writeFuzzFile(name, fuzzBytes(data, size));
    Slip slip;
    SlipFile::read(path, slip.header, slip.items());
    qint64 tax = 0;
    try {
        slip.recalculate();
        tax = slip.consumptionTax();
    } catch (const MiravoError &) {
        // An amount too large for the money type is reported, never undefined.
        return 0;
    }
    // What CP932 cannot hold (an invalid byte read as U+FFFD) is saved as "?".
    QStringList saved;
    for (const QString &line : SlipFile::lines(slip.header, slip.items(), tax))
        saved.append(Sjis::decode(Sjis::encode(line)));
    const QString copy = QStringLiteral("copy/") + name;
    QDir(fuzzProgramDir()).mkpath(QStringLiteral("copy"));
    SlipFile::write(QDir(fuzzProgramDir()).filePath(copy), slip.header, slip.items(), tax);

    Slip reread;
    SlipFile::read(QDir(fuzzProgramDir()).filePath(copy), reread.header, reread.items());
    const QStringList again = SlipFile::lines(reread.header, reread.items(), tax);
    FUZZ_CHECK(again == saved, saved.join(u'\n') + QStringLiteral("\n--\n") + again.join(u'\n'));
    return 0;
}

#include "fuzz_support.h"

#include "common/sjis.h"
#include "master/choice_lists.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// A list file of any content loads as its lines, and the loaded list written back loads as
// the same list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString fileName = QStringLiteral("FUZZLIST.DAT");
    writeFuzzFile(fileName, fuzzBytes(data, size));
    const std::optional<QStringList> items = COMBO_YOMIKOMI(fileName);
    FUZZ_CHECK(items.has_value(), fileName);
    for (const QString &item : *items)
        FUZZ_CHECK(!item.contains(u'\n'), item);
    COMBO_KAKIDASI(*items, fileName);
    const std::optional<QStringList> again = COMBO_YOMIKOMI(fileName);
    QStringList expected;
    for (const QString &item : *items)
        expected.append(Sjis::decode(Sjis::encode(item)));
    FUZZ_CHECK(again == expected, items->join(u'|') + u'\n' + again->join(u'|'));
    return 0;
}

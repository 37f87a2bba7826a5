#include "fuzz_support.h"

#include "common/miravo_error.h"
#include "common/sjis.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// A settings file of any content: the first byte picks how much of the input is the key,
// the rest is the file. INI_IN cuts its value to 200 bytes; the typed readers fall back to
// their defaults or refuse with the program's own error, and what is written reads back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t keyLength = qMin(size_t(data[0] % 16), size - 1);
    const QString key = Sjis::decode(fuzzBytes(data + 1, keyLength));
    const QByteArray file = fuzzBytes(data + 1 + keyLength, size - 1 - keyLength);
    const QString fileName = QStringLiteral("FUZZ.INI");
    writeFuzzFile(fileName, file);
    try {
        const QString value = INI_IN(fileName, key);
        FUZZ_CHECK(Sjis::byteLength(value) <= 200, value);
        iniInteger(fileName, key, 7);
        iniFlag(fileName, key);
        iniColour(fileName, key, 0x123456);
    } catch (const MiravoError &) {
    }

    // A value without line breaks written under a key that holds "=" reads back as written.
    const QString value = Sjis::leftBytes(Sjis::decode(file).remove(u'\r').remove(u'\n'), 200);
    const QString writtenKey = QStringLiteral("[FUZZ]=");
    writeSettingsFile(fileName, {{writtenKey, value}});
    const QString readBack = INI_IN(fileName, writtenKey);
    FUZZ_CHECK(readBack == Sjis::decode(Sjis::encode(value)), value + u'\n' + readBack);
    return 0;
}

#include "fuzz_support.h"

#include "common/sjis.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

// The codec and its byte limits: decoding never fails, what was decoded encodes to bytes that
// decode to the same text, plain ASCII and control bytes stand for themselves, and a cut
// respects its limit, is a start of the text and never splits a character.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = Sjis::decode(bytes);
    if (!text.contains(QChar::ReplacementCharacter))
        FUZZ_CHECK(Sjis::decode(Sjis::encode(text)) == text, text);
    bool ascii = true;
    for (const char byte : bytes)
        ascii = ascii && uchar(byte) < 0x80;
    if (ascii) {
        FUZZ_CHECK(text == QString::fromLatin1(bytes), text);
        FUZZ_CHECK(Sjis::encode(text) == bytes, text);
    }
    FUZZ_CHECK(Sjis::byteLength(text) == Sjis::encode(text).size(), text);

    const int limit = size > 0 ? data[0] % 64 : 0;
    const QString left = Sjis::leftBytes(text, limit);
    FUZZ_CHECK(text.startsWith(left), text);
    FUZZ_CHECK(Sjis::byteLength(left) <= limit, left);
    const QByteArray leftRaw = Sjis::leftBytes(bytes, limit);
    FUZZ_CHECK(bytes.startsWith(leftRaw) && leftRaw.size() <= limit, QString::number(limit));

    // The input as UTF-16 units, lone surrogates and all, as a paste could bring them.
    const QString units(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QString unitsLeft = Sjis::leftBytes(units, limit);
    FUZZ_CHECK(units.startsWith(unitsLeft) && Sjis::byteLength(unitsLeft) <= limit, units);
    const bool cutInsidePair = !unitsLeft.isEmpty() && unitsLeft.size() < units.size() &&
                               unitsLeft.back().isHighSurrogate() &&
                               units.at(unitsLeft.size()).isLowSurrogate();
    FUZZ_CHECK(!cutInsidePair, units);
    return 0;
}

#include "sjis.h"

#include <unicode/ucnv.h>

#include <memory>

namespace {

struct ConverterCloser
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};

using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's "windows-31j" is Microsoft's code page 932 table.
Converter openConverter()
{
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open("windows-31j", &status));
    if (U_FAILURE(status) || !converter)
        qFatal("The Shift_JIS (CP932) converter of ICU is not available");
    ucnv_setFallback(converter.get(), true);
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    return converter;
}

UConverter *converter()
{
    static thread_local Converter instance = openConverter();
    ucnv_reset(instance.get());
    return instance.get();
}

// ICU's table swaps some control codes (0x1A, 0x1C and 0x7F come out as U+001C, U+007F and
// U+001A). Control codes are the same in Shift_JIS as in ASCII and never the second byte
// of a double-byte character, so they bypass the table in both directions.
bool isControl(unsigned code)
{
    return code < 0x20 || code == 0x7F;
}

QString decodeWithTable(const char *bytes, int size)
{
    if (size == 0)
        return {};
    QString out(size * 2 + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter(), reinterpret_cast<UChar *>(out.data()),
                                         out.size(), bytes, size, &status);
    if (U_FAILURE(status))
        return QString::fromLatin1(bytes, size);
    out.truncate(length);
    return out;
}

QByteArray encodeWithTable(const QChar *text, int size)
{
    if (size == 0)
        return {};
    QByteArray out(size * 2 + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_fromUChars(converter(), out.data(), out.size(),
                                           reinterpret_cast<const UChar *>(text), size, &status);
    if (U_FAILURE(status))
        return QString(text, size).toLatin1();
    out.truncate(length);
    return out;
}

} // namespace

namespace Sjis {

QString decode(const QByteArray &bytes)
{
    QString out;
    int start = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        if (!isControl(byte))
            continue;
        out += decodeWithTable(bytes.constData() + start, i - start);
        out += QChar(byte);
        start = i + 1;
    }
    if (start == 0)
        return decodeWithTable(bytes.constData(), int(bytes.size()));
    out += decodeWithTable(bytes.constData() + start, int(bytes.size()) - start);
    return out;
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const char16_t code = text.at(i).unicode();
        if (!isControl(code))
            continue;
        out += encodeWithTable(text.constData() + start, i - start);
        out += char(code);
        start = i + 1;
    }
    if (start == 0)
        return encodeWithTable(text.constData(), int(text.size()));
    out += encodeWithTable(text.constData() + start, int(text.size()) - start);
    return out;
}

int byteLength(const QString &text)
{
    return encode(text).size();
}

QString leftBytes(const QString &text, int maxBytes)
{
    if (maxBytes <= 0)
        return {};
    int used = 0;
    int end = 0;
    while (end < text.size()) {
        // A surrogate pair is one character; a lone high surrogate is one of its own, so the
        // pair that may follow it stays whole.
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() &&
                          text.at(end + 1).isLowSurrogate();
        const int step = pair ? 2 : 1;
        const int bytes = byteLength(text.mid(end, step));
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        end += step;
    }
    return text.left(end);
}

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

QByteArray leftBytes(const QByteArray &bytes, int maxBytes)
{
    if (maxBytes <= 0)
        return {};
    int end = 0;
    while (end < bytes.size()) {
        const int step = isLeadByte(static_cast<unsigned char>(bytes.at(end))) ? 2 : 1;
        if (end + step > maxBytes)
            break;
        end += step;
    }
    return bytes.left(qMin(end, int(bytes.size())));
}

} // namespace Sjis

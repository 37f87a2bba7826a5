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

} // namespace

namespace Sjis {

QString decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    QString out(bytes.size() * 2 + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter(), reinterpret_cast<UChar *>(out.data()), out.size(),
                      bytes.constData(), bytes.size(), &status);
    if (U_FAILURE(status))
        return QString::fromLatin1(bytes);
    out.truncate(length);
    return out;
}

QByteArray encode(const QString &text)
{
    if (text.isEmpty())
        return {};
    QByteArray out(text.size() * 2 + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter(), out.data(), out.size(),
                        reinterpret_cast<const UChar *>(text.constData()), text.size(), &status);
    if (U_FAILURE(status))
        return text.toLatin1();
    out.truncate(length);
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
        // A surrogate pair is one character.
        const int step = (text.at(end).isHighSurrogate() && end + 1 < text.size()) ? 2 : 1;
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

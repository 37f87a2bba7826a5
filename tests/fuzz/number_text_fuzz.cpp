#include "fuzz_support.h"

#include "common/decimal_text.h"
#include "common/miravo_error.h"
#include "slip/money.h"
#include "slip/number_format.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

namespace {

bool allDigits(const QString &text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

// Money and decimal texts: a number is taken digit by digit, its shortest text reads back
// as the same amount, and the display forms never fail on what the parser accepted.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<DecimalText> parts = DecimalText::split(text);
    if (parts) {
        FUZZ_CHECK(allDigits(parts->integerDigits) && allDigits(parts->fractionDigits), text);
        FUZZ_CHECK(!parts->integerDigits.isEmpty() || !parts->fractionDigits.isEmpty(), text);
    }
    try {
        const Money money = Money::parse(text);
        FUZZ_CHECK(parts.has_value(), text);
        FUZZ_CHECK(Money::parse(money.toString()) == money,
                   text + QStringLiteral(" -> ") + money.toString());
        FUZZ_CHECK(!formatN(money).isEmpty(), text);
        FUZZ_CHECK(!formatN(money.toLongDouble()).isEmpty(), text);
    } catch (const MiravoError &) {
        // ConversionError and OverflowError are the reported ways to refuse a text.
    }
    for (const int decimals : {2, 3}) {
        try {
            const QString shown = STR_COMMA(text, decimals);
            FUZZ_CHECK(parts.has_value() || text.isEmpty(), text);
            FUZZ_CHECK(!shown.isEmpty() || text.isEmpty(), text);
        } catch (const ConversionError &) {
            FUZZ_CHECK(!parts.has_value(), text);
        }
    }
    try {
        CENTERPAR(text);
    } catch (const ConversionError &) {
        FUZZ_CHECK(!parts.has_value(), text);
    }
    return 0;
}

#include "print_ini.h"

#include "common/decimal_text.h"
#include "settings_file.h"

#include <cmath>
#include <limits>
#include <optional>

namespace PrintIni {

namespace {

QString file()
{
    return QString::fromLatin1(fileName);
}

KeyInfo text_(const char *key, const char *absent = "")
{
    return {QString::fromUtf8(key), Form::Text, QString::fromUtf8(absent)};
}

KeyInfo font_(const char *key)
{
    return {QString::fromUtf8(key), Form::FontName, QString()};
}

KeyInfo integer_(const char *key, const char *absent = "0")
{
    return {QString::fromUtf8(key), Form::Integer, QString::fromUtf8(absent)};
}

KeyInfo tenths_(const char *key)
{
    return {QString::fromUtf8(key), Form::Tenths, QStringLiteral("0")};
}

KeyInfo colour_(const char *key, const char *absent)
{
    return {QString::fromUtf8(key), Form::Colour, QString::fromUtf8(absent)};
}

KeyInfo flag_(const char *key, const char *absent = "0")
{
    return {QString::fromUtf8(key), Form::Flag, QString::fromUtf8(absent)};
}

KeyInfo word_(const char *key, const char *absent)
{
    return {QString::fromUtf8(key), Form::WordFlag, QString::fromUtf8(absent)};
}

KeyInfo earlierName(KeyInfo info)
{
    info.written = false;
    return info;
}

// One printed line of the company block: text, position, size and font.
void addCompanyLine(QList<KeyInfo> &keys, const char *name, const char *size)
{
    const QString base = QString::fromUtf8(name);
    const auto key = [&](const char *suffix) {
        return QStringLiteral("[%1%2]=").arg(base, QString::fromUtf8(suffix)).toUtf8();
    };
    keys.append(text_(key("").constData()));
    keys.append(integer_(key("LEFT").constData()));
    keys.append(integer_(key("TOP").constData()));
    keys.append(integer_(key("SIZE").constData(), size));
    keys.append(font_(key("FONT").constData()));
}

QList<KeyInfo> buildCatalogue()
{
    QList<KeyInfo> keys;

    // Company block.
    keys.append(text_("[設定名]="));
    addCompanyLine(keys, "TEXT1", "6");
    addCompanyLine(keys, "TEXT2", "6");
    addCompanyLine(keys, "社名", "15");
    addCompanyLine(keys, "支店", "9");
    addCompanyLine(keys, "〒", "9");
    addCompanyLine(keys, "住所", "9");
    addCompanyLine(keys, "住所2", "9");
    addCompanyLine(keys, "tel", "9");
    addCompanyLine(keys, "fax", "9");
    keys.append(text_("[ロゴ]="));
    keys.append(integer_("[ロゴLEFT]="));
    keys.append(integer_("[ロゴTOP]="));

    // Overall print positions, and the earlier names of the vertical ones.
    for (const char *key :
         {"[5/7xBase]=", "[5/7yBase1]=", "[5/7yBase2]=", "[24/36xBase]=", "[24/36yBase]=",
          "[明細xBase]=", "[明細yBase]=", "[領収証xBase]=", "[領収証yBase1]=", "[領収証yBase2]="})
        keys.append(integer_(key));
    keys.append(earlierName(integer_("[1枚目位置]=", "")));
    keys.append(earlierName(integer_("[2枚目位置]=", "")));

    // Item names, slip titles and bank transfer.
    keys.append(text_("[品名の変更]="));
    keys.append(text_("[形状]="));
    keys.append(integer_("[形状幅]="));
    keys.append(integer_("[形状幅2]="));
    for (const char *key :
         {"[数量]=", "[単位]=", "[単価]=", "[金額]=", "[納品書]=", "[請求書]=", "[受領書]=",
          "[伝票控]=", "[注文書]=", "[見積依頼書]=", "[合計明細請求書]=", "[合計明細請求書控え]=",
          "[振込先]=", "[口座番号]=", "[名義]=", "[振込先2]=", "[口座番号2]=", "[名義2]="})
        keys.append(text_(key));
    keys.append(earlierName(text_("[振込先TOP]=")));
    keys.append(earlierName(text_("[口座番号TOP]=")));
    keys.append(earlierName(text_("[名義TOP]=")));
    keys.append(earlierName(font_("[振込先FONT]=")));

    // Fonts and colours.
    keys.append(font_("[固定文字ﾌｫﾝﾄFONT]="));
    keys.append(text_("[固定fontSize]="));
    keys.append(font_("[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]="));
    keys.append(integer_("[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=", ""));
    keys.append(font_("[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]="));
    keys.append(integer_("[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=", ""));
    keys.append(integer_("[顧客名SIZE]=", "9"));
    keys.append(colour_("[DATA色]=", "0"));
    keys.append(colour_("[請求書色]=", "8388608"));
    keys.append(colour_("[納品書色]=", "32768"));
    keys.append(colour_("[受領書色]=", "4227327"));
    keys.append(colour_("[伝票控色]=", "0"));
    keys.append(colour_("[発注書色]=", "8388608"));
    keys.append(colour_("[見積依頼書色]=", "32768"));
    keys.append(colour_("[領収証色]=", "16711680"));
    keys.append(colour_("[領収証控色]=", "32768"));
    keys.append(colour_("[請求明細書色]=", "8388608"));
    keys.append(colour_("[請求明細控色]=", "0"));

    // Lines, address frame and envelopes. The dialog's proposal for a missing frame width
    // is the width printing uses for it, inside the control's range of 0 to 20.
    keys.append(integer_("[枠太さ]=", "8"));
    keys.append(integer_("[角丸]=", "30"));
    keys.append(tenths_("[切取位置]="));
    keys.append(flag_("[パンチ穴線]=", "1"));
    keys.append(tenths_("[パンチ穴位置]="));
    keys.append(tenths_("[パンチ穴位置2]="));
    keys.append(tenths_("[パンチ穴位置3]="));
    keys.append(word_("[住所枠印刷]=", "有り"));
    keys.append(flag_("[住所枠窓付き封筒用]="));
    keys.append(integer_("[住所枠x位置]=", "4"));
    keys.append(integer_("[明細請求書住所枠x位置]=", "6"));
    keys.append(integer_("[住所枠y位置]=", "-5"));
    keys.append(integer_("[住所文字y位置]=", "-3"));
    keys.append(word_("[封筒自社名]=", "印刷する"));
    keys.append(integer_("[封筒宛先x位置]="));
    keys.append(integer_("[封筒宛先y位置]="));
    keys.append(integer_("[封筒自社名x位置]="));
    keys.append(integer_("[封筒自社名y位置]="));
    keys.append(colour_("[封筒自社名色]=", "16711680"));
    keys.append(flag_("[封筒長形３号]="));

    // Tax display, receipts and options.
    keys.append(word_("[敬称]=", "様"));
    keys.append(flag_("[年号印刷]="));
    keys.append(integer_("[端数処理]="));
    keys.append(flag_("[ゼロ印字]="));
    keys.append(flag_("[領収証小]="));
    keys.append(flag_("[クロス模様]="));
    keys.append(flag_("[領収証控え模様なし]="));
    keys.append(colour_("[模様色]=", "16777196"));
    keys.append(integer_("[s領収証y位置]="));
    keys.append(text_("[領収証BMP]="));
    for (const char *key : {"[内税表示]=", "[かっこ]=", "[下記]=", "[下記明細]=", "[A5縦]=",
                            "[A5横]=", "[利益率]=", "[書式２号]=", "[自動フォルダチェンジ]="})
        keys.append(flag_(key));
    return keys;
}

QList<OrderEntry> buildKeyOrder()
{
    QList<OrderEntry> order;
    const auto add = [&](int group, std::initializer_list<const char *> keys,
                         bool onlyWhenOn = false) {
        for (const char *key : keys)
            order.append({QString::fromUtf8(key), group, onlyWhenOn});
    };
    add(1, {"[設定名]=", "[TEXT1]=", "[TEXT1LEFT]=", "[TEXT1TOP]=", "[TEXT1SIZE]=", "[TEXT1FONT]=",
            "[TEXT2]=", "[TEXT2LEFT]=", "[TEXT2TOP]=", "[TEXT2SIZE]=", "[TEXT2FONT]="});
    for (const char *line : {"社名", "支店", "〒", "住所", "住所2", "tel", "fax"}) {
        for (const char *suffix : {"", "LEFT", "TOP", "SIZE", "FONT"}) {
            const QString key =
                QStringLiteral("[%1%2]=").arg(QString::fromUtf8(line), QString::fromUtf8(suffix));
            order.append({key, 2, false});
        }
    }
    add(3, {"[切取位置]=", "[敬称]="});
    add(4,
        {"[請求書色]=", "[納品書色]=", "[受領書色]=", "[伝票控色]=", "[発注書色]=",
         "[見積依頼書色]=", "[領収証色]=", "[領収証控色]=", "[請求明細書色]=", "[請求明細控色]="});
    add(5, {"[ロゴ]=", "[ロゴLEFT]=", "[ロゴTOP]=", "[品名の変更]=", "[形状]=", "[形状幅]=",
            "[形状幅2]="});
    add(6,
        {"[5/7xBase]=", "[5/7yBase1]=", "[5/7yBase2]=", "[24/36xBase]=", "[24/36yBase]=",
         "[明細xBase]=", "[明細yBase]=", "[領収証xBase]=", "[領収証yBase1]=", "[領収証yBase2]="});
    add(7, {"[枠太さ]=", "[角丸]=", "[住所枠印刷]=", "[住所枠窓付き封筒用]=", "[住所枠x位置]=",
            "[明細請求書住所枠x位置]=", "[住所枠y位置]=", "[住所文字y位置]="});
    add(8, {"[ゼロ印字]=", "[年号印刷]=", "[端数処理]="});
    add(9, {"[封筒自社名]=", "[封筒宛先x位置]=", "[封筒宛先y位置]=", "[封筒自社名x位置]=",
            "[封筒自社名y位置]=", "[封筒自社名色]="});
    add(10, {"[パンチ穴線]="}, true);
    add(10, {"[パンチ穴位置]=", "[パンチ穴位置2]=", "[パンチ穴位置3]="});
    add(11, {"[DATA色]=", "[固定文字ﾌｫﾝﾄFONT]=", "[固定fontSize]=", "[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]=",
             "[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=", "[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]=", "[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=", "[顧客名SIZE]="});
    add(12, {"[振込先]=", "[口座番号]=", "[名義]=", "[振込先2]=", "[口座番号2]=", "[名義2]="});
    add(13, {"[s領収証y位置]="});
    add(13, {"[領収証小]=", "[クロス模様]=", "[領収証控え模様なし]="}, true);
    add(13, {"[模様色]=", "[領収証色]=", "[領収証BMP]="});
    add(14,
        {"[数量]=", "[単位]=", "[単価]=", "[金額]=", "[納品書]=", "[請求書]=", "[受領書]=",
         "[伝票控]=", "[注文書]=", "[見積依頼書]=", "[合計明細請求書]=", "[合計明細請求書控え]="});
    add(15,
        {"[内税表示]=", "[かっこ]=", "[下記]=", "[下記明細]=", "[A5縦]=", "[A5横]=", "[利益率]="},
        true);
    add(16, {"[書式２号]=", "[自動フォルダチェンジ]=", "[封筒長形３号]="}, true);
    return order;
}

// Cuts a decimal text to whole tenths without going through binary fractions, so that
// every value the writer produced ("2.3") comes back exactly (23, not 22).
std::optional<int> decimalTenths(const QString &value)
{
    const std::optional<DecimalText> parts = DecimalText::split(value);
    if (!parts)
        return std::nullopt;
    bool ok = true;
    const qint64 whole = parts->integerDigits.isEmpty() ? 0 : parts->integerDigits.toLongLong(&ok);
    if (!ok || whole > std::numeric_limits<int>::max() / 10)
        return std::nullopt;
    const QString &decimals = parts->fractionDigits;
    const int firstDecimal = decimals.isEmpty() ? 0 : decimals.at(0).digitValue();
    const qint64 magnitude = whole * 10 + firstDecimal;
    if (magnitude > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(parts->negative ? -magnitude : magnitude);
}

} // namespace

const QList<KeyInfo> &catalogue()
{
    static const QList<KeyInfo> keys = buildCatalogue();
    return keys;
}

const KeyInfo *find(const QString &key)
{
    for (const KeyInfo &info : catalogue()) {
        if (info.key == key)
            return &info;
    }
    return nullptr;
}

const QList<OrderEntry> &keyOrder()
{
    static const QList<OrderEntry> order = buildKeyOrder();
    return order;
}

QString text(const QString &key)
{
    return INI_IN(file(), key);
}

int integer(const QString &key, int defaultValue)
{
    return iniInteger(file(), key, defaultValue);
}

int tenths(const QString &key)
{
    const QString value = text(key);
    if (const std::optional<int> exact = decimalTenths(value))
        return *exact;
    // Exponent forms and the like: a number all the same, cut toward zero.
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > std::numeric_limits<int>::max() / 10)
        return 0;
    return int(std::trunc(number * 10));
}

double fraction(const QString &key)
{
    bool ok = false;
    const double number = text(key).trimmed().toDouble(&ok);
    return ok && std::isfinite(number) ? number : 0.0;
}

QColor colour(const QString &key, int defaultValue)
{
    return iniColor(file(), key, defaultValue);
}

bool flag(const QString &key)
{
    return iniFlag(file(), key);
}

bool wordFlag(const QString &key, const QString &offWord)
{
    return text(key) != offWord;
}

QString tenthsText(int tenths)
{
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(tenths);
    if (magnitude % 10 == 0)
        return sign + QString::number(magnitude / 10);
    return sign + QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
}

Modes modes()
{
    Modes modes;
    modes.zeroPrint = flag(QStringLiteral("[ゼロ印字]="));
    const QString rounding = text(QStringLiteral("[端数処理]="));
    modes.roundingMode = rounding == QLatin1String("1")   ? 1
                         : rounding == QLatin1String("2") ? 2
                                                          : 0;
    modes.profitRates = flag(QStringLiteral("[利益率]="));
    modes.logoPath = text(QStringLiteral("[ロゴ]="));
    return modes;
}

SlipKindCaptions slipKindCaptions()
{
    const auto caption = [](const char *key, const char *design) {
        const QString value = text(QString::fromUtf8(key));
        return value.isEmpty() ? QString::fromUtf8(design) : value;
    };
    return {
        caption("[納品書]=", "納品書"), caption("[請求書]=", "請求書"),
        caption("[受領書]=", "受領書"), caption("[伝票控]=", "伝票控"),
        caption("[注文書]=", "発注書"), caption("[見積依頼書]=", "見積依頼書"),
    };
}

QStringList itemGridTitles(bool profitRates)
{
    const auto replaced = [](const char *key, const char *design) {
        const QString value = text(QString::fromUtf8(key));
        return value.isEmpty() ? QString::fromUtf8(design) : value;
    };
    return {
        QStringLiteral("№"),
        QStringLiteral("類"),
        replaced("[品名の変更]=", "品名"),
        QString(),
        replaced("[形状]=", "形状・寸法"),
        replaced("[数量]=", "数量"),
        replaced("[単位]=", "単位"),
        replaced("[単価]=", "単価"),
        QStringLiteral("原単価"),
        replaced("[金額]=", "金額"),
        QStringLiteral("原価計"),
        profitRates ? QStringLiteral("利益率") : QStringLiteral("原価率"),
    };
}

} // namespace PrintIni

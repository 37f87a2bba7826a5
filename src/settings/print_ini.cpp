#include "print_ini.h"

#include "common/decimal_text.h"
#include "settings_file.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace PrintIni {

namespace {

QString file()
{
    return QString::fromLatin1(fileName);
}

QString fromView(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

QList<KeyInfo> buildCatalogue()
{
    QList<KeyInfo> keys;
    for (const KeySpec &spec : Spec::entries)
        keys.append({fromView(spec.key), spec.form, fromView(spec.absent), spec.written,
                     spec.printDefault, spec.range, spec.limits, fromView(spec.onWord),
                     fromView(spec.offWord), fromView(spec.control), spec.loaded,
                     spec.invertedControl, spec.loadOnlyTurnsOn});
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
    // After everything a reader of the earlier key order knows, and only when set: a file
    // committed without them is the file it always was.
    add(17, {"[消費税率]=", "[軽減税率]=", "[適格請求書]=", "[登録番号]="}, true);
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
    return iniColour(file(), key, defaultValue);
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

QString Key::name() const
{
    return fromView(spec().key);
}

QString Key::text() const
{
    return PrintIni::text(name());
}

double NumberKey::decimal() const
{
    const Range held = limits();
    const double perUnit = spec().form == Form::Tenths ? 10.0 : 1.0;
    return std::clamp(fraction(name()), held.min / perUnit, held.max / perUnit);
}

int IntegerKey::value() const
{
    return std::clamp(integer(name(), m_printDefault), limits().min, limits().max);
}

int TenthsKey::tenths() const
{
    return std::clamp(PrintIni::tenths(name()), limits().min, limits().max);
}

QColor ColourKey::value() const
{
    return colour(name(), spec().printDefault);
}

bool FlagKey::on() const
{
    return flag(name());
}

bool WordFlagKey::on() const
{
    const QString value = text();
    if (value == fromView(spec().onWord))
        return true;
    if (value == fromView(spec().offWord))
        return false;
    return spec().absent == spec().onWord;
}

Modes modes()
{
    Modes modes;
    modes.zeroPrint = zeroPrint.on();
    const QString rounding = roundingMode.text();
    modes.roundingMode = rounding == QLatin1String("1")   ? 1
                         : rounding == QLatin1String("2") ? 2
                                                          : 0;
    modes.profitRates = profitRates.on();
    modes.logoPath = logoPath.value();
    return modes;
}

QString TextKey::valueOr(const QString &design) const
{
    const QString value = text();
    return value.isEmpty() ? design : value;
}

namespace {

QString replaced(const TextKey &key, const char *design)
{
    return key.valueOr(QString::fromUtf8(design));
}

} // namespace

SlipKindCaptions slipKindCaptions()
{
    return {
        replaced(deliveryNoteTitle, "納品書"),  replaced(invoiceTitle, "請求書"),
        replaced(goodsReceiptTitle, "受領書"),  replaced(fileCopyTitle, "伝票控"),
        replaced(purchaseOrderTitle, "発注書"), replaced(quotationRequestTitle, "見積依頼書"),
    };
}

QStringList itemGridTitles(bool profitRates)
{
    return {
        QStringLiteral("№"),
        QStringLiteral("類"),
        replaced(itemNameTitle, "品名"),
        QString(),
        replaced(shapeTitle, "形状・寸法"),
        replaced(quantityTitle, "数量"),
        replaced(unitTitle, "単位"),
        replaced(unitPriceTitle, "単価"),
        QStringLiteral("原単価"),
        replaced(amountTitle, "金額"),
        QStringLiteral("原価計"),
        profitRates ? QStringLiteral("利益率") : QStringLiteral("原価率"),
    };
}

} // namespace PrintIni

#pragma once

// The PRINT.INI key catalogue: every key the program knows, once, with its value form,
// what the settings dialog proposes when it is missing, the value printing takes for a
// missing or unreadable value and, where the dialog's control gives one, its range. The
// order is the catalogue's (company block, positions, titles, fonts and colours, lines and
// frames, options); the order the commit writes is keyOrder() of print_ini.h.
//
// The typed keys of print_ini.h (PrintIni::frameWidth and the like) are looked up in this
// table at compile time: a key that is not here, or one of another form, does not compile.

#include <optional>
#include <string_view>

namespace PrintIni {

// How a value is written and read back.
enum class Form {
    Text,     // free text, written as typed
    FontName, // a font face name
    Integer,  // decimal: millimetres, points, pixels, indices
    Tenths,   // millimetres with one decimal ("2.5"), held as whole tenths
    Colour,   // decimal 0x00BBGGRR
    Flag,     // "1" on; "0" or a missing line off
    WordFlag, // one of two words ("有り"/"無し", "印刷する"/"印刷しない", "御中"/"様")
};

// The values a number key may hold, as the settings dialog's control allows them: the
// number itself for Integer keys, whole tenths for Tenths keys.
struct Range
{
    int min = 0;
    int max = 0;
};

struct KeySpec
{
    std::u16string_view key; // "[社名SIZE]=", brackets and "=" included
    Form form = Form::Text;
    std::u16string_view absent; // what the dialog shows for a missing or empty value
    int printDefault = 0;       // Integer, Colour: what printing takes for a missing or bad value
    std::optional<Range> range;
    // Integer, Tenths: the values printing works with. Every read is clamped to them before
    // any arithmetic, so a hand-edited "2147483647" or "1e308" cannot overflow a position.
    // The dialog's range where the catalogue states one, else a range wide enough for any
    // real page.
    Range limits;
    std::u16string_view onWord; // WordFlag: the two words written
    std::u16string_view offWord;
    bool written = true; // false for earlier names the dialog still reads but never writes
};

namespace Spec {

inline constexpr Range points{1, 100};
inline constexpr Range millimetres{-5000, 5000};
inline constexpr Range smallMillimetres{-300, 300};
inline constexpr Range tenthsRange{-300, 300};
// No page is larger than 5 m, nor a pen or a corner wider than 300 pixels on it.
inline constexpr Range anyMillimetres = millimetres;

constexpr KeySpec entryOf(std::u16string_view key, Form form, std::u16string_view absent)
{
    KeySpec spec;
    spec.key = key;
    spec.form = form;
    spec.absent = absent;
    return spec;
}

constexpr KeySpec text(std::u16string_view key, std::u16string_view absent = u"")
{
    return entryOf(key, Form::Text, absent);
}

constexpr KeySpec font(std::u16string_view key)
{
    return entryOf(key, Form::FontName, u"");
}

// absent is the dialog's text; printDefault what printing uses for a missing value. Without
// a range of its own a value is held to limits.
constexpr KeySpec integer(std::u16string_view key, std::u16string_view absent, int printDefault,
                          std::optional<Range> range = std::nullopt, Range limits = anyMillimetres)
{
    KeySpec spec = entryOf(key, Form::Integer, absent);
    spec.printDefault = printDefault;
    spec.range = range;
    spec.limits = range ? *range : limits;
    return spec;
}

// A font size the dialog gives no range for; printing holds it to sizes a font has.
constexpr KeySpec pointsWithoutRange(std::u16string_view key, int printDefault)
{
    return integer(key, u"", printDefault, std::nullopt, points);
}

constexpr KeySpec position(std::u16string_view key, Range range = millimetres)
{
    return integer(key, u"0", 0, range);
}

constexpr KeySpec tenths(std::u16string_view key)
{
    KeySpec spec = entryOf(key, Form::Tenths, u"0");
    spec.range = tenthsRange;
    spec.limits = tenthsRange;
    return spec;
}

// absent: the default value's decimal text, which the dialog shows too.
constexpr KeySpec colour(std::u16string_view key, std::u16string_view absent, int printDefault)
{
    KeySpec spec = entryOf(key, Form::Colour, absent);
    spec.printDefault = printDefault;
    return spec;
}

constexpr KeySpec flag(std::u16string_view key, std::u16string_view absent = u"0")
{
    return entryOf(key, Form::Flag, absent);
}

// A word flag is on for onWord, off for offWord; a missing or other value reads as absent
// does.
constexpr KeySpec word(std::u16string_view key, std::u16string_view onWord,
                       std::u16string_view offWord, std::u16string_view absent)
{
    KeySpec spec = entryOf(key, Form::WordFlag, absent);
    spec.onWord = onWord;
    spec.offWord = offWord;
    return spec;
}

constexpr KeySpec earlierName(KeySpec spec)
{
    spec.written = false;
    return spec;
}

inline constexpr KeySpec entries[] = {
    // Company block: for each printed line its text, position, size and font.
    text(u"[設定名]="),
    text(u"[TEXT1]="),
    position(u"[TEXT1LEFT]="),
    position(u"[TEXT1TOP]="),
    integer(u"[TEXT1SIZE]=", u"6", 6, points),
    font(u"[TEXT1FONT]="),
    text(u"[TEXT2]="),
    position(u"[TEXT2LEFT]="),
    position(u"[TEXT2TOP]="),
    integer(u"[TEXT2SIZE]=", u"6", 6, points),
    font(u"[TEXT2FONT]="),
    text(u"[社名]="),
    position(u"[社名LEFT]="),
    position(u"[社名TOP]="),
    integer(u"[社名SIZE]=", u"15", 15, points),
    font(u"[社名FONT]="),
    // The smaller lines print at 11 points when their size is missing; the dialog
    // proposes 9.
    text(u"[支店]="),
    position(u"[支店LEFT]="),
    position(u"[支店TOP]="),
    integer(u"[支店SIZE]=", u"9", 11, points),
    font(u"[支店FONT]="),
    text(u"[〒]="),
    position(u"[〒LEFT]="),
    position(u"[〒TOP]="),
    integer(u"[〒SIZE]=", u"9", 11, points),
    font(u"[〒FONT]="),
    text(u"[住所]="),
    position(u"[住所LEFT]="),
    position(u"[住所TOP]="),
    integer(u"[住所SIZE]=", u"9", 11, points),
    font(u"[住所FONT]="),
    text(u"[住所2]="),
    position(u"[住所2LEFT]="),
    position(u"[住所2TOP]="),
    integer(u"[住所2SIZE]=", u"9", 11, points),
    font(u"[住所2FONT]="),
    text(u"[tel]="),
    position(u"[telLEFT]="),
    position(u"[telTOP]="),
    integer(u"[telSIZE]=", u"9", 11, points),
    font(u"[telFONT]="),
    text(u"[fax]="),
    position(u"[faxLEFT]="),
    position(u"[faxTOP]="),
    integer(u"[faxSIZE]=", u"9", 11, points),
    font(u"[faxFONT]="),
    text(u"[ロゴ]="),
    position(u"[ロゴLEFT]="),
    position(u"[ロゴTOP]="),

    // Overall print positions, and the earlier names of the vertical ones.
    position(u"[5/7xBase]="),
    position(u"[5/7yBase1]="),
    position(u"[5/7yBase2]="),
    position(u"[24/36xBase]="),
    position(u"[24/36yBase]="),
    position(u"[明細xBase]="),
    position(u"[明細yBase]="),
    position(u"[領収証xBase]="),
    position(u"[領収証yBase1]="),
    position(u"[領収証yBase2]="),
    earlierName(integer(u"[1枚目位置]=", u"", 0, millimetres)),
    earlierName(integer(u"[2枚目位置]=", u"", 0, millimetres)),

    // Item names, slip titles and bank transfer.
    text(u"[品名の変更]="),
    text(u"[形状]="),
    position(u"[形状幅]="),
    integer(u"[形状幅2]=", u"0", 0),
    text(u"[数量]="),
    text(u"[単位]="),
    text(u"[単価]="),
    text(u"[金額]="),
    text(u"[納品書]="),
    text(u"[請求書]="),
    text(u"[受領書]="),
    text(u"[伝票控]="),
    text(u"[注文書]="),
    text(u"[見積依頼書]="),
    text(u"[合計明細請求書]="),
    text(u"[合計明細請求書控え]="),
    text(u"[振込先]="),
    text(u"[口座番号]="),
    text(u"[名義]="),
    text(u"[振込先2]="),
    text(u"[口座番号2]="),
    text(u"[名義2]="),
    earlierName(text(u"[振込先TOP]=")),
    earlierName(text(u"[口座番号TOP]=")),
    earlierName(text(u"[名義TOP]=")),
    // Never written by the dialog; printing uses it when present.
    earlierName(font(u"[振込先FONT]=")),

    // Fonts and colours. The data sizes have no dialog proposal; the slip number block
    // prints numbers at 11 points when the size is missing (dataNumberSizeOfSlipNumber).
    font(u"[固定文字ﾌｫﾝﾄFONT]="),
    text(u"[固定fontSize]="),
    font(u"[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]="),
    pointsWithoutRange(u"[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=", 10),
    font(u"[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]="),
    pointsWithoutRange(u"[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=", 12),
    integer(u"[顧客名SIZE]=", u"9", 10, points),
    colour(u"[DATA色]=", u"0", 0),
    colour(u"[請求書色]=", u"8388608", 8388608),
    colour(u"[納品書色]=", u"32768", 32768),
    colour(u"[受領書色]=", u"4227327", 4227327),
    colour(u"[伝票控色]=", u"0", 0),
    colour(u"[発注書色]=", u"8388608", 8388608),
    colour(u"[見積依頼書色]=", u"32768", 32768),
    colour(u"[領収証色]=", u"16711680", 16711680),
    colour(u"[領収証控色]=", u"32768", 32768),
    colour(u"[請求明細書色]=", u"8388608", 8388608),
    colour(u"[請求明細控色]=", u"0", 0),

    // Lines, address frame and envelopes. The dialog's proposal for a missing frame width
    // is the width printing uses for it, inside the control's range of 0 to 20.
    integer(u"[枠太さ]=", u"8", 8, Range{0, 20}),
    integer(u"[角丸]=", u"30", 30, Range{0, 300}),
    tenths(u"[切取位置]="),
    flag(u"[パンチ穴線]=", u"1"),
    tenths(u"[パンチ穴位置]="),
    tenths(u"[パンチ穴位置2]="),
    tenths(u"[パンチ穴位置3]="),
    word(u"[住所枠印刷]=", u"有り", u"無し", u"有り"),
    flag(u"[住所枠窓付き封筒用]="),
    // The window-envelope offsets move nothing when missing: 4, 6, -5 and -3 are only what
    // the dialog proposes for a new file, and a hand-written file that switches the mode on
    // without the positions must not shift the frame and the address.
    integer(u"[住所枠x位置]=", u"4", 0, smallMillimetres),
    integer(u"[明細請求書住所枠x位置]=", u"6", 0),
    integer(u"[住所枠y位置]=", u"-5", 0),
    integer(u"[住所文字y位置]=", u"-3", 0),
    word(u"[封筒自社名]=", u"印刷する", u"印刷しない", u"印刷する"),
    position(u"[封筒宛先x位置]=", smallMillimetres),
    position(u"[封筒宛先y位置]=", smallMillimetres),
    integer(u"[封筒自社名x位置]=", u"0", 0),
    integer(u"[封筒自社名y位置]=", u"0", 0),
    colour(u"[封筒自社名色]=", u"16711680", 16711680),
    flag(u"[封筒長形３号]="),

    // Tax display, receipts and options.
    word(u"[敬称]=", u"御中", u"様", u"様"),
    flag(u"[年号印刷]="),
    integer(u"[端数処理]=", u"0", 0, Range{0, 2}),
    flag(u"[ゼロ印字]="),
    flag(u"[領収証小]="),
    flag(u"[クロス模様]="),
    flag(u"[領収証控え模様なし]="),
    colour(u"[模様色]=", u"16777196", 16777196),
    position(u"[s領収証y位置]=", Range{0, 300}),
    text(u"[領収証BMP]="),
    flag(u"[内税表示]="),
    flag(u"[かっこ]="),
    flag(u"[下記]="),
    flag(u"[下記明細]="),
    flag(u"[A5縦]="),
    flag(u"[A5横]="),
    flag(u"[利益率]="),
    flag(u"[書式２号]="),
    flag(u"[自動フォルダチェンジ]="),
};

// The entry of key, checked to be of form; used by the typed keys at compile time.
consteval const KeySpec &entry(std::u16string_view key, Form form)
{
    for (const KeySpec &spec : entries) {
        if (spec.key == key) {
            if (spec.form != form)
                throw "the key is of another form in the catalogue";
            return spec;
        }
    }
    throw "the key is not in the catalogue";
}

} // namespace Spec

} // namespace PrintIni

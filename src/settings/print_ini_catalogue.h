#pragma once

// The PRINT.INI key catalogue: every key the program knows, once, with its value form,
// what the settings dialog proposes when it is missing, the value printing takes for a
// missing or unreadable value and, where the dialog's control gives one, its range. The
// order is the catalogue's (company block, positions, titles, fonts and colours, lines and
// frames, options, qualified invoices); the order the commit writes is keyOrder() of print_ini.h.
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
    // The settings dialog's control that shows and edits the value (its object name); empty
    // for a key no control holds.
    std::u16string_view control;
    // The key is written from the control of another key and never loaded into it: the
    // address lines print in the face of the postal code line, the second free line in that
    // of the first.
    bool loaded = true;
    // Flag: a check box that shows the key ticked when the value is off ("西暦印字する" for
    // "[年号印刷]=": the box is on for Western years, the key for era years).
    bool invertedControl = false;
    // Flag: loading ticks the box for "1" and otherwise leaves it as it was, so a box the
    // form starts ticked stays ticked for a file without the line.
    bool loadOnlyTurnsOn = false;

    constexpr KeySpec shownIn(std::u16string_view name) const
    {
        KeySpec spec = *this;
        spec.control = name;
        return spec;
    }
    constexpr KeySpec writtenFrom(std::u16string_view name) const
    {
        KeySpec spec = shownIn(name);
        spec.loaded = false;
        return spec;
    }
    constexpr KeySpec inverted() const
    {
        KeySpec spec = *this;
        spec.invertedControl = true;
        return spec;
    }
    constexpr KeySpec onlyTurnedOnByLoading() const
    {
        KeySpec spec = *this;
        spec.loadOnlyTurnsOn = true;
        return spec;
    }
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
    text(u"[設定名]=").shownIn(u"SET_NAME"),
    text(u"[TEXT1]=").shownIn(u"TEXT1"),
    position(u"[TEXT1LEFT]=").shownIn(u"UpDown27"),
    position(u"[TEXT1TOP]=").shownIn(u"UpDown28"),
    integer(u"[TEXT1SIZE]=", u"6", 6, points).shownIn(u"UpDown10"),
    font(u"[TEXT1FONT]=").shownIn(u"TXT1_FONT"),
    text(u"[TEXT2]=").shownIn(u"TEXT2"),
    position(u"[TEXT2LEFT]=").shownIn(u"UpDown25"),
    position(u"[TEXT2TOP]=").shownIn(u"UpDown26"),
    integer(u"[TEXT2SIZE]=", u"6", 6, points).shownIn(u"UpDown11"),
    font(u"[TEXT2FONT]=").writtenFrom(u"TXT1_FONT"),
    text(u"[社名]=").shownIn(u"K_NAME"),
    position(u"[社名LEFT]=").shownIn(u"UpDown2"),
    position(u"[社名TOP]=").shownIn(u"UpDown3"),
    integer(u"[社名SIZE]=", u"15", 15, points).shownIn(u"UpDown18"),
    font(u"[社名FONT]=").shownIn(u"K_NAME_FONT"),
    // The smaller lines print at 11 points when their size is missing; the dialog
    // proposes 9.
    text(u"[支店]=").shownIn(u"siten"),
    position(u"[支店LEFT]=").shownIn(u"UpDown4"),
    position(u"[支店TOP]=").shownIn(u"UpDown5"),
    integer(u"[支店SIZE]=", u"9", 11, points).shownIn(u"UpDown19"),
    font(u"[支店FONT]=").shownIn(u"SITEN_FONT"),
    text(u"[〒]=").shownIn(u"ubin"),
    position(u"[〒LEFT]=").shownIn(u"UpDown12"),
    position(u"[〒TOP]=").shownIn(u"UpDown13"),
    integer(u"[〒SIZE]=", u"9", 11, points).shownIn(u"UpDown41"),
    font(u"[〒FONT]=").shownIn(u"UBIN_FONT"),
    text(u"[住所]=").shownIn(u"add1"),
    position(u"[住所LEFT]=").shownIn(u"UpDown6"),
    position(u"[住所TOP]=").shownIn(u"UpDown7"),
    integer(u"[住所SIZE]=", u"9", 11, points).shownIn(u"UpDown42"),
    font(u"[住所FONT]=").writtenFrom(u"UBIN_FONT"),
    text(u"[住所2]=").shownIn(u"add2"),
    position(u"[住所2LEFT]=").shownIn(u"UpDown8"),
    position(u"[住所2TOP]=").shownIn(u"UpDown9"),
    integer(u"[住所2SIZE]=", u"9", 11, points).shownIn(u"UpDown53"),
    font(u"[住所2FONT]=").writtenFrom(u"UBIN_FONT"),
    text(u"[tel]=").shownIn(u"tel"),
    position(u"[telLEFT]=").shownIn(u"UpDown14"),
    position(u"[telTOP]=").shownIn(u"UpDown15"),
    integer(u"[telSIZE]=", u"9", 11, points).shownIn(u"UpDown54"),
    font(u"[telFONT]=").writtenFrom(u"UBIN_FONT"),
    text(u"[fax]=").shownIn(u"fax"),
    position(u"[faxLEFT]=").shownIn(u"UpDown16"),
    position(u"[faxTOP]=").shownIn(u"UpDown17"),
    integer(u"[faxSIZE]=", u"9", 11, points).shownIn(u"UpDown55"),
    font(u"[faxFONT]=").writtenFrom(u"UBIN_FONT"),
    text(u"[ロゴ]=").shownIn(u"LOGO_NAME"),
    position(u"[ロゴLEFT]=").shownIn(u"UpDown29"),
    position(u"[ロゴTOP]=").shownIn(u"UpDown30"),

    // Overall print positions, and the earlier names of the vertical ones.
    position(u"[5/7xBase]=").shownIn(u"UpDown35"),
    position(u"[5/7yBase1]=").shownIn(u"UpDown59"),
    position(u"[5/7yBase2]=").shownIn(u"UpDown68"),
    position(u"[24/36xBase]=").shownIn(u"UpDown57"),
    position(u"[24/36yBase]=").shownIn(u"UpDown60"),
    position(u"[明細xBase]=").shownIn(u"UpDown58"),
    position(u"[明細yBase]=").shownIn(u"UpDown61"),
    position(u"[領収証xBase]=").shownIn(u"UpDown1"),
    position(u"[領収証yBase1]=").shownIn(u"UpDown34"),
    position(u"[領収証yBase2]=").shownIn(u"UpDown22"),
    earlierName(integer(u"[1枚目位置]=", u"", 0, millimetres)),
    earlierName(integer(u"[2枚目位置]=", u"", 0, millimetres)),

    // Item names, slip titles and bank transfer.
    text(u"[品名の変更]=").shownIn(u"HINMEI"),
    text(u"[形状]=").shownIn(u"SUNPOU"),
    position(u"[形状幅]=").shownIn(u"UpDown20"),
    integer(u"[形状幅2]=", u"0", 0).shownIn(u"UpDown43"),
    text(u"[数量]=").shownIn(u"KAZU_TXT"),
    text(u"[単位]=").shownIn(u"TANI_TXT"),
    text(u"[単価]=").shownIn(u"TANKA_TXT"),
    text(u"[金額]=").shownIn(u"KIN_TXT"),
    text(u"[納品書]=").shownIn(u"NOHIN_TXT"),
    text(u"[請求書]=").shownIn(u"SEQ_TXT"),
    text(u"[受領書]=").shownIn(u"JURYO_TXT"),
    text(u"[伝票控]=").shownIn(u"HIKAE_TXT"),
    text(u"[注文書]=").shownIn(u"CYUMON_TXT"),
    text(u"[見積依頼書]=").shownIn(u"IRAI_TXT"),
    text(u"[合計明細請求書]=").shownIn(u"MEISAI_TXT"),
    text(u"[合計明細請求書控え]=").shownIn(u"MEISAI_H_TXT"),
    text(u"[振込先]=").shownIn(u"KINYUU"),
    text(u"[口座番号]=").shownIn(u"KOUZA"),
    text(u"[名義]=").shownIn(u"MEIGI"),
    text(u"[振込先2]=").shownIn(u"KINYUU2"),
    text(u"[口座番号2]=").shownIn(u"KOUZA2"),
    text(u"[名義2]=").shownIn(u"MEIGI2"),
    earlierName(text(u"[振込先TOP]=")),
    earlierName(text(u"[口座番号TOP]=")),
    earlierName(text(u"[名義TOP]=")),
    // Never written by the dialog; printing uses it when present.
    earlierName(font(u"[振込先FONT]=")),

    // Fonts and colours. The data sizes have no dialog proposal; the slip number block
    // prints numbers at 11 points when the size is missing (dataNumberSizeOfSlipNumber).
    font(u"[固定文字ﾌｫﾝﾄFONT]=").shownIn(u"KOTEI_FONT"),
    text(u"[固定fontSize]=").shownIn(u"KOTEI_SIZE"),
    font(u"[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]=").shownIn(u"DATA_FONT"),
    pointsWithoutRange(u"[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=", 10).shownIn(u"DATA_SIZE"),
    font(u"[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]=").shownIn(u"SUUTI_FONT"),
    pointsWithoutRange(u"[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=", 12).shownIn(u"SUUTI_SIZE"),
    integer(u"[顧客名SIZE]=", u"9", 10, points).shownIn(u"UpDown65"),
    colour(u"[DATA色]=", u"0", 0).shownIn(u"DATA_IRO"),
    colour(u"[請求書色]=", u"8388608", 8388608).shownIn(u"SEQ_IRO"),
    colour(u"[納品書色]=", u"32768", 32768).shownIn(u"NOHIN_IRO"),
    colour(u"[受領書色]=", u"4227327", 4227327).shownIn(u"JURYO_IRO"),
    colour(u"[伝票控色]=", u"0", 0).shownIn(u"HIKAE_IRO"),
    colour(u"[発注書色]=", u"8388608", 8388608).shownIn(u"CYUMON_IRO"),
    colour(u"[見積依頼書色]=", u"32768", 32768).shownIn(u"IRAI_IRO"),
    colour(u"[領収証色]=", u"16711680", 16711680).shownIn(u"RYOSYUU_IRO"),
    colour(u"[領収証控色]=", u"32768", 32768).shownIn(u"RYOSYUU_H_IRO"),
    colour(u"[請求明細書色]=", u"8388608", 8388608).shownIn(u"MEISAI_IRO"),
    colour(u"[請求明細控色]=", u"0", 0).shownIn(u"MEISAI_H_IRO"),

    // Lines, address frame and envelopes. The dialog's proposal for a missing frame width
    // is the width printing uses for it, inside the control's range of 0 to 20.
    integer(u"[枠太さ]=", u"8", 8, Range{0, 20}).shownIn(u"UpDown21"),
    integer(u"[角丸]=", u"30", 30, Range{0, 300}).shownIn(u"UpDown24"),
    tenths(u"[切取位置]=").shownIn(u"UpDown31"),
    flag(u"[パンチ穴線]=", u"1").shownIn(u"PANCH_CHK").onlyTurnedOnByLoading(),
    tenths(u"[パンチ穴位置]=").shownIn(u"UpDown32"),
    tenths(u"[パンチ穴位置2]=").shownIn(u"UpDown52"),
    tenths(u"[パンチ穴位置3]=").shownIn(u"UpDown56"),
    word(u"[住所枠印刷]=", u"有り", u"無し", u"有り").shownIn(u"JUSYO_WAKU_CHK"),
    flag(u"[住所枠窓付き封筒用]=").shownIn(u"MADO_CHK").onlyTurnedOnByLoading(),
    // The window-envelope offsets move nothing when missing: 4, 6, -5 and -3 are only what
    // the dialog proposes for a new file, and a hand-written file that switches the mode on
    // without the positions must not shift the frame and the address.
    integer(u"[住所枠x位置]=", u"4", 0, smallMillimetres).shownIn(u"UpDown62"),
    integer(u"[明細請求書住所枠x位置]=", u"6", 0).shownIn(u"UpDown36"),
    integer(u"[住所枠y位置]=", u"-5", 0).shownIn(u"UpDown63"),
    integer(u"[住所文字y位置]=", u"-3", 0).shownIn(u"UpDown64"),
    word(u"[封筒自社名]=", u"印刷する", u"印刷しない", u"印刷する").shownIn(u"JISYA_CHK"),
    position(u"[封筒宛先x位置]=", smallMillimetres).shownIn(u"UpDown38"),
    position(u"[封筒宛先y位置]=", smallMillimetres).shownIn(u"UpDown37"),
    integer(u"[封筒自社名x位置]=", u"0", 0).shownIn(u"UpDown66"),
    integer(u"[封筒自社名y位置]=", u"0", 0).shownIn(u"UpDown67"),
    colour(u"[封筒自社名色]=", u"16711680", 16711680).shownIn(u"JISYA_COLOR"),
    flag(u"[封筒長形３号]=").shownIn(u"SANGOU").onlyTurnedOnByLoading(),

    // Tax display, receipts and options.
    word(u"[敬称]=", u"御中", u"様", u"様").shownIn(u"keisyou"),
    flag(u"[年号印刷]=").shownIn(u"HEISEI").inverted(),
    integer(u"[端数処理]=", u"0", 0, Range{0, 2}).shownIn(u"KIRISUTE"),
    flag(u"[ゼロ印字]=").shownIn(u"ZERO_CHK"),
    flag(u"[領収証小]=").shownIn(u"SMALL_RYO_CHK"),
    flag(u"[クロス模様]=").shownIn(u"CROSS_CHK").onlyTurnedOnByLoading(),
    flag(u"[領収証控え模様なし]=").shownIn(u"RYO_HIKAE_CHK").onlyTurnedOnByLoading(),
    colour(u"[模様色]=", u"16777196", 16777196).shownIn(u"RYO_COLOR"),
    position(u"[s領収証y位置]=", Range{0, 300}).shownIn(u"UpDown33"),
    text(u"[領収証BMP]=").shownIn(u"MOYOU_FILE"),
    flag(u"[内税表示]=").shownIn(u"UTI_HYOUJI_CHK").onlyTurnedOnByLoading(),
    flag(u"[かっこ]=").shownIn(u"KATKO_CHK").onlyTurnedOnByLoading(),
    flag(u"[下記]=").shownIn(u"KAKI_CHK").onlyTurnedOnByLoading(),
    flag(u"[下記明細]=").shownIn(u"KAKI_MEI_CHK").onlyTurnedOnByLoading(),
    flag(u"[A5縦]=").shownIn(u"A5_TATE_CHK").onlyTurnedOnByLoading(),
    flag(u"[A5横]=").shownIn(u"A5_YOKO_CHK").onlyTurnedOnByLoading(),
    flag(u"[利益率]=").shownIn(u"RIEKI_CHK").onlyTurnedOnByLoading(),
    flag(u"[書式２号]=").shownIn(u"SYOSIKI2").onlyTurnedOnByLoading(),
    flag(u"[自動フォルダチェンジ]=").shownIn(u"FORDA_CHG").onlyTurnedOnByLoading(),

    // Qualified invoices: the two consumption tax rates in percent (empty for 5 and 8), the
    // per-rate block on the printed pages and the issuer's registration number.
    integer(u"[消費税率]=", u"", 5, Range{1, 99}).shownIn(u"ZEIRITU"),
    integer(u"[軽減税率]=", u"", 8, Range{1, 99}).shownIn(u"KEIGEN_ZEIRITU"),
    flag(u"[適格請求書]=").shownIn(u"TEKIKAKU_CHK"),
    text(u"[登録番号]=").shownIn(u"TOUROKU_BANGOU"),
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

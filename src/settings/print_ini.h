#pragma once

#include "print_ini_catalogue.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>

// PRINT.INI: the company block, replacement titles, colours, fonts, print positions and
// options. Many readers look keys up one by one; exactly one writer (the commit of the print
// settings dialog) produces the whole file in the fixed key order below.
namespace PrintIni {

inline constexpr const char *fileName = "PRINT.INI";

struct KeyInfo
{
    QString key; // "[社名SIZE]=", brackets and "=" included
    Form form;
    QString absent;             // what the settings dialog shows for a missing or empty value
    bool written = true;        // false for earlier names the dialog still reads but never writes
    int printDefault = 0;       // Integer, Colour: what printing takes for a missing or bad value
    std::optional<Range> range; // Integer: the value; Tenths: whole tenths
    Range limits;               // Integer, Tenths: what every read is clamped to
    QString onWord;             // WordFlag: the two words written
    QString offWord;
    QString control;    // the settings dialog's control; empty for none
    bool loaded = true; // false: written from another key's control, never loaded
    bool invertedControl = false;
    bool loadOnlyTurnsOn = false;
};

// Every key the program knows, in the order of the catalogue (print_ini_catalogue.h).
const QList<KeyInfo> &catalogue();

// The catalogue entry of a key; nullptr for a key PRINT.INI does not have.
const KeyInfo *find(const QString &key);

// One line of the file as the commit writes it.
struct OrderEntry
{
    QString key;
    int group;               // 1 to 17; group 16 is written after the backup copy is removed
    bool onlyWhenOn = false; // a flag left out of the file while it is off, a value while empty
};

// The fixed order of the file's lines. "[領収証色]=" stands in it twice.
const QList<OrderEntry> &keyOrder();

// Readers over INI_IN("PRINT.INI", key) for a key given as text. Printing reads its keys
// through the typed keys below, which take their defaults from the catalogue.
QString text(const QString &key);
// A decimal integer; defaultValue when empty or not a number.
int integer(const QString &key, int defaultValue);
// A one-decimal millimetre value as whole tenths, cut toward zero ("-1.5" → -15,
// "0.25" → 2); 0 when empty or not a number.
int tenths(const QString &key);
// The same value as a number (0 when empty or not a number).
double fraction(const QString &key);
QColor colour(const QString &key, int defaultValue);
// True when the value is exactly "1".
bool flag(const QString &key);
// True unless the value is exactly offWord: "[住所枠印刷]=" is on unless it says "無し".
bool wordFlag(const QString &key, const QString &offWord);

// Tenths as the writer puts them: the shortest decimal form ("2", "-1.5", "0.2").
QString tenthsText(int tenths);

// Typed keys. Each names one catalogue entry, checked at compile time to exist with the
// key's form, and reads it with the entry's default for printing:
//   PrintIni::frameWidth.value()        // "[枠太さ]=", 8 when missing or not a number
//   PrintIni::cutPosition.decimal()     // "[切取位置]=" as a decimal number of millimetres
//   PrintIni::addressFrame.on()         // "[住所枠印刷]=" unless it says "無し"
class Key
{
public:
    QString name() const; // "[枠太さ]="
    QString text() const; // the value as stored; empty when missing
    constexpr const KeySpec &spec() const { return *m_spec; }

protected:
    consteval Key(std::u16string_view key, Form form)
        : m_spec(&Spec::entry(key, form))
    {}

private:
    const KeySpec *m_spec;
};

class TextKey : public Key
{
public:
    template<std::size_t N>
    consteval TextKey(const char16_t (&key)[N])
        : Key({key, N - 1}, Form::Text)
    {}
    QString value() const { return text(); }
    // The value, or a design text of the reader's when it is empty: titles replace the
    // design ones only where PRINT.INI holds one, and the design differs per use ("数量" in
    // the item grid, "数 量" on slips).
    QString valueOr(const QString &design) const;
};

// A face name; empty when not set (a layout then keeps the face in effect).
class FontKey : public Key
{
public:
    template<std::size_t N>
    consteval FontKey(const char16_t (&key)[N])
        : Key({key, N - 1}, Form::FontName)
    {}
    QString face() const { return text(); }
};

// Keys that hold a number of millimetres, points or pixels.
class NumberKey : public Key
{
public:
    // The value as a decimal number; 0 when empty or not a number. Positions that may
    // hold a fraction ("[5/7yBase1]=", "[形状幅]=", "[切取位置]=") are read this way.
    // Clamped to the limits, in millimetres.
    double decimal() const;
    // The values the dialog allows, where the catalogue knows them.
    std::optional<Range> range() const { return spec().range; }
    // What every read is clamped to: the number itself for Integer keys, whole tenths for
    // Tenths keys.
    constexpr Range limits() const { return spec().limits; }

protected:
    consteval NumberKey(std::u16string_view key, Form form)
        : Key(key, form)
    {}
};

class IntegerKey : public NumberKey
{
public:
    template<std::size_t N>
    consteval IntegerKey(const char16_t (&key)[N])
        : NumberKey({key, N - 1}, Form::Integer)
        , m_printDefault(spec().printDefault)
    {}
    // The value as a decimal integer; the printing default when empty or not a number.
    // Clamped to the limits.
    int value() const;
    int printDefault() const { return m_printDefault; }
    // The same key with another printing default, for a block the print Parts give its
    // own default (declared next to the key below, never at a call site).
    constexpr IntegerKey withPrintDefault(int printDefault) const
    {
        IntegerKey key = *this;
        key.m_printDefault = printDefault;
        return key;
    }

private:
    int m_printDefault;
};

class TenthsKey : public NumberKey
{
public:
    template<std::size_t N>
    consteval TenthsKey(const char16_t (&key)[N])
        : NumberKey({key, N - 1}, Form::Tenths)
    {}
    // Whole tenths as tenths() reads them, clamped to the limits.
    int tenths() const;
};

class ColourKey : public Key
{
public:
    template<std::size_t N>
    consteval ColourKey(const char16_t (&key)[N])
        : Key({key, N - 1}, Form::Colour)
    {}
    // The colour; the printing default when empty or not a number.
    QColor value() const;
};

class FlagKey : public Key
{
public:
    template<std::size_t N>
    consteval FlagKey(const char16_t (&key)[N])
        : Key({key, N - 1}, Form::Flag)
    {}
    // True when the value is exactly "1".
    bool on() const;
};

class WordFlagKey : public Key
{
public:
    template<std::size_t N>
    consteval WordFlagKey(const char16_t (&key)[N])
        : Key({key, N - 1}, Form::WordFlag)
    {}
    // On for the on-word, off for the off-word; any other value reads as a missing one.
    bool on() const;
};

// The five keys of one printed line of the company block.
struct CompanyLineKeys
{
    TextKey text;
    IntegerKey left;
    IntegerKey top;
    IntegerKey size;
    FontKey font;
};

// Company block.
inline constexpr TextKey settingName{u"[設定名]="};
inline constexpr CompanyLineKeys freeLine1{u"[TEXT1]=", u"[TEXT1LEFT]=", u"[TEXT1TOP]=",
                                           u"[TEXT1SIZE]=", u"[TEXT1FONT]="};
inline constexpr CompanyLineKeys freeLine2{u"[TEXT2]=", u"[TEXT2LEFT]=", u"[TEXT2TOP]=",
                                           u"[TEXT2SIZE]=", u"[TEXT2FONT]="};
inline constexpr CompanyLineKeys companyName{u"[社名]=", u"[社名LEFT]=", u"[社名TOP]=",
                                             u"[社名SIZE]=", u"[社名FONT]="};
inline constexpr CompanyLineKeys branchLine{u"[支店]=", u"[支店LEFT]=", u"[支店TOP]=",
                                            u"[支店SIZE]=", u"[支店FONT]="};
inline constexpr CompanyLineKeys postalLine{u"[〒]=", u"[〒LEFT]=", u"[〒TOP]=", u"[〒SIZE]=",
                                            u"[〒FONT]="};
inline constexpr CompanyLineKeys addressLine{u"[住所]=", u"[住所LEFT]=", u"[住所TOP]=",
                                             u"[住所SIZE]=", u"[住所FONT]="};
inline constexpr CompanyLineKeys address2Line{u"[住所2]=", u"[住所2LEFT]=", u"[住所2TOP]=",
                                              u"[住所2SIZE]=", u"[住所2FONT]="};
inline constexpr CompanyLineKeys telLine{u"[tel]=", u"[telLEFT]=", u"[telTOP]=", u"[telSIZE]=",
                                         u"[telFONT]="};
inline constexpr CompanyLineKeys faxLine{u"[fax]=", u"[faxLEFT]=", u"[faxTOP]=", u"[faxSIZE]=",
                                         u"[faxFONT]="};
inline constexpr TextKey logoPath{u"[ロゴ]="};
inline constexpr IntegerKey logoLeft{u"[ロゴLEFT]="};
inline constexpr IntegerKey logoTop{u"[ロゴTOP]="};

// Overall print positions.
inline constexpr IntegerKey slipBaseX{u"[5/7xBase]="};
inline constexpr IntegerKey slipBaseY1{u"[5/7yBase1]="};
inline constexpr IntegerKey slipBaseY2{u"[5/7yBase2]="};
inline constexpr IntegerKey longSlipBaseX{u"[24/36xBase]="};
inline constexpr IntegerKey longSlipBaseY{u"[24/36yBase]="};
inline constexpr IntegerKey statementBaseX{u"[明細xBase]="};
inline constexpr IntegerKey statementBaseY{u"[明細yBase]="};
inline constexpr IntegerKey receiptBaseX{u"[領収証xBase]="};
inline constexpr IntegerKey receiptBaseY1{u"[領収証yBase1]="};
inline constexpr IntegerKey receiptBaseY2{u"[領収証yBase2]="};

// Item names, slip titles and bank transfer.
inline constexpr TextKey itemNameTitle{u"[品名の変更]="};
inline constexpr TextKey shapeTitle{u"[形状]="};
inline constexpr IntegerKey shapeWidth{u"[形状幅]="};
inline constexpr IntegerKey statementShapeWidth{u"[形状幅2]="};
inline constexpr TextKey quantityTitle{u"[数量]="};
inline constexpr TextKey unitTitle{u"[単位]="};
inline constexpr TextKey unitPriceTitle{u"[単価]="};
inline constexpr TextKey amountTitle{u"[金額]="};
inline constexpr TextKey deliveryNoteTitle{u"[納品書]="};
inline constexpr TextKey invoiceTitle{u"[請求書]="};
inline constexpr TextKey goodsReceiptTitle{u"[受領書]="};
inline constexpr TextKey fileCopyTitle{u"[伝票控]="};
inline constexpr TextKey purchaseOrderTitle{u"[注文書]="};
inline constexpr TextKey quotationRequestTitle{u"[見積依頼書]="};
inline constexpr TextKey statementTitle{u"[合計明細請求書]="};
inline constexpr TextKey statementCopyTitle{u"[合計明細請求書控え]="};
inline constexpr TextKey bank1{u"[振込先]="};
inline constexpr TextKey account1{u"[口座番号]="};
inline constexpr TextKey holder1{u"[名義]="};
inline constexpr TextKey bank2{u"[振込先2]="};
inline constexpr TextKey account2{u"[口座番号2]="};
inline constexpr TextKey holder2{u"[名義2]="};
inline constexpr FontKey bankFont{u"[振込先FONT]="};

// Fonts and colours.
inline constexpr FontKey fixedFont{u"[固定文字ﾌｫﾝﾄFONT]="};
inline constexpr FontKey dataTextFont{u"[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]="};
inline constexpr IntegerKey dataTextSize{u"[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]="};
inline constexpr FontKey dataNumberFont{u"[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]="};
inline constexpr IntegerKey dataNumberSize{u"[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]="};
// The slip number block prints the number at 11 points when the size is missing;
// the item rows at 12.
inline constexpr IntegerKey dataNumberSizeOfSlipNumber = dataNumberSize.withPrintDefault(11);
inline constexpr IntegerKey customerSize{u"[顧客名SIZE]="};
inline constexpr ColourKey dataColour{u"[DATA色]="};
inline constexpr ColourKey invoiceColour{u"[請求書色]="};
inline constexpr ColourKey deliveryNoteColour{u"[納品書色]="};
inline constexpr ColourKey goodsReceiptColour{u"[受領書色]="};
inline constexpr ColourKey fileCopyColour{u"[伝票控色]="};
inline constexpr ColourKey purchaseOrderColour{u"[発注書色]="};
inline constexpr ColourKey quotationRequestColour{u"[見積依頼書色]="};
inline constexpr ColourKey receiptColour{u"[領収証色]="};
inline constexpr ColourKey receiptCopyColour{u"[領収証控色]="};
inline constexpr ColourKey statementColour{u"[請求明細書色]="};
inline constexpr ColourKey statementCopyColour{u"[請求明細控色]="};

// Lines, address frame and envelopes.
inline constexpr IntegerKey frameWidth{u"[枠太さ]="};
inline constexpr IntegerKey cornerSize{u"[角丸]="};
inline constexpr TenthsKey cutPosition{u"[切取位置]="};
inline constexpr FlagKey punchGuide{u"[パンチ穴線]="};
inline constexpr TenthsKey punchPosition1{u"[パンチ穴位置]="};
inline constexpr TenthsKey punchPosition2{u"[パンチ穴位置2]="};
inline constexpr TenthsKey punchPosition3{u"[パンチ穴位置3]="};
inline constexpr WordFlagKey addressFrame{u"[住所枠印刷]="};
inline constexpr FlagKey windowEnvelope{u"[住所枠窓付き封筒用]="};
inline constexpr IntegerKey addressFrameX{u"[住所枠x位置]="};
inline constexpr IntegerKey statementAddressFrameX{u"[明細請求書住所枠x位置]="};
inline constexpr IntegerKey addressFrameY{u"[住所枠y位置]="};
inline constexpr IntegerKey addressTextY{u"[住所文字y位置]="};
inline constexpr WordFlagKey envelopeCompany{u"[封筒自社名]="};
inline constexpr IntegerKey envelopeAddressX{u"[封筒宛先x位置]="};
inline constexpr IntegerKey envelopeAddressY{u"[封筒宛先y位置]="};
inline constexpr IntegerKey envelopeCompanyX{u"[封筒自社名x位置]="};
inline constexpr IntegerKey envelopeCompanyY{u"[封筒自社名y位置]="};
inline constexpr ColourKey envelopeCompanyColour{u"[封筒自社名色]="};
inline constexpr FlagKey longEnvelope{u"[封筒長形３号]="};

// Tax display, receipts and options.
inline constexpr WordFlagKey honorificGochuu{u"[敬称]="};
inline constexpr FlagKey eraYears{u"[年号印刷]="};
inline constexpr IntegerKey roundingMode{u"[端数処理]="};
inline constexpr FlagKey zeroPrint{u"[ゼロ印字]="};
inline constexpr FlagKey smallReceipt{u"[領収証小]="};
inline constexpr FlagKey crossPattern{u"[クロス模様]="};
inline constexpr FlagKey noPatternOnReceiptCopy{u"[領収証控え模様なし]="};
inline constexpr ColourKey patternColour{u"[模様色]="};
inline constexpr IntegerKey smallReceiptY{u"[s領収証y位置]="};
inline constexpr TextKey receiptBitmap{u"[領収証BMP]="};
inline constexpr FlagKey inclusiveTaxLabel{u"[内税表示]="};
inline constexpr FlagKey inclusiveTaxParentheses{u"[かっこ]="};
inline constexpr FlagKey noLeadSentence{u"[下記]="};
inline constexpr FlagKey noStatementLeadSentence{u"[下記明細]="};
inline constexpr FlagKey a5Upright{u"[A5縦]="};
inline constexpr FlagKey a5Sideways{u"[A5横]="};
inline constexpr FlagKey profitRates{u"[利益率]="};
inline constexpr FlagKey statementForm2{u"[書式２号]="};
inline constexpr FlagKey autoFolderChange{u"[自動フォルダチェンジ]="};

// Qualified invoices.
inline constexpr IntegerKey standardTaxRate{u"[消費税率]="};
inline constexpr IntegerKey reducedTaxRate{u"[軽減税率]="};
inline constexpr FlagKey qualifiedInvoice{u"[適格請求書]="};
inline constexpr TextKey registrationNumber{u"[登録番号]="};

// The program-wide modes the main window takes from PRINT.INI at start-up and again after
// the settings dialog closes.
struct Modes
{
    bool zeroPrint = false;   // "[ゼロ印字]=1"
    int roundingMode = 0;     // "[端数処理]=": 1 round up, 2 round half up, else truncate
    bool profitRates = false; // "[利益率]=1"
    QString logoPath;         // "[ロゴ]="
};
Modes modes();

// Captions of the six slip-kind check boxes: the design caption unless PRINT.INI holds a
// replacement.
struct SlipKindCaptions
{
    QString NOUHIN;
    QString SEIKYUU;
    QString JURYOU;
    QString HIKAE;
    QString HATYUU;
    QString IRAI;
};
SlipKindCaptions slipKindCaptions();

// The twelve titles of the item grid: design titles with the replacements of PRINT.INI;
// column 3 (the tax-exempt mark) has none; column 11 reads 利益率 or 原価率.
QStringList itemGridTitles(bool profitRates);

} // namespace PrintIni

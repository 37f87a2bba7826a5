#include "print_settings.h"

#include "common/program_dir.h"
#include "print_ini.h"
#include "settings_file.h"

#include <QFileInfo>

#include <utility>

namespace PrintSettings {

namespace {

// Files of earlier versions that held single settings before PRINT.INI did.
const QString madoIni = QStringLiteral("MADO.INI");
const QString longSlipMarginIni = QStringLiteral("24GYO_YOHAKU.INI");
const QString statementMarginIni = QStringLiteral("MEISAI_YOHAKU.INI");
const QString shapeWidthPrn = QStringLiteral("KEIJO.PRN");
const QString smallReceiptPrn = QStringLiteral("RSMALL.PRN");
const QString crossPatternPrn = QStringLiteral("MOYOU.PRN");
const QString receiptCopyPrn = QStringLiteral("RHIKAE.PRN");
const QString zeroPrn = QStringLiteral("ZERO.PRN");

bool exists(const QString &fileName)
{
    return QFileInfo::exists(programFile(fileName));
}

bool isInteger(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

void loadKey(Values &values, const PrintIni::KeyInfo &info)
{
    using PrintIni::Form;
    const QString value = PrintIni::text(info.key);
    switch (info.form) {
    case Form::Text:
    case Form::FontName:
        values.setText(info.key, value.isEmpty() ? info.absent : value);
        break;
    case Form::Integer: {
        bool ok = false;
        const int number = value.toInt(&ok);
        values.setText(info.key, ok ? QString::number(number) : info.absent);
        break;
    }
    case Form::Colour: {
        bool ok = false;
        const qint64 number = value.toLongLong(&ok);
        values.setText(info.key, ok ? QString::number(number) : info.absent);
        break;
    }
    case Form::Tenths:
        values.setNumber(info.key, PrintIni::tenths(info.key));
        break;
    case Form::Flag:
        if (value == QLatin1String("1"))
            values.setOn(info.key, true);
        else if (!info.loadOnlyTurnsOn)
            values.setOn(info.key, false);
        break;
    case Form::WordFlag:
        values.setOn(info.key, value == info.onWord    ? true
                               : value == info.offWord ? false
                                                       : info.absent == info.onWord);
        break;
    }
}

// "[1枚目位置]=" and "[2枚目位置]=" held the vertical positions before the keys of each
// layout did: for the 5- and 7-row slips the earlier name wins when it holds a value, the
// other two take it only when their own key has none.
void takeOverEarlierPositions(Values &values)
{
    const QString first = PrintIni::text(QStringLiteral("[1枚目位置]="));
    const QString second = PrintIni::text(QStringLiteral("[2枚目位置]="));
    const int firstValue = first.toInt();
    if (!first.isEmpty())
        values.setNumber(PrintIni::slipBaseY1.name(), firstValue);
    if (!second.isEmpty())
        values.setNumber(PrintIni::slipBaseY2.name(), second.toInt());
    for (const PrintIni::IntegerKey &key : {PrintIni::longSlipBaseY, PrintIni::statementBaseY}) {
        if (!isInteger(key.text()))
            values.setNumber(key.name(), firstValue);
    }
}

// The second bank account was once written under "TOP" names.
void takeOverEarlierBankLines(Values &values)
{
    const std::pair<QString, const char *> lines[] = {
        {PrintIni::bank2.name(), "[振込先TOP]="},
        {PrintIni::account2.name(), "[口座番号TOP]="},
        {PrintIni::holder2.name(), "[名義TOP]="},
    };
    for (const auto &[key, earlier] : lines) {
        if (PrintIni::text(key).isEmpty())
            values.setText(key, PrintIni::text(QString::fromUtf8(earlier)));
    }
}

// A carry-over file that exists wins over the key it replaced, until a commit deletes it.
void takeOverCarryOverFiles(Values &values)
{
    if (exists(madoIni)) {
        values.setNumber(PrintIni::slipBaseX.name(), 2);
        values.setOn(PrintIni::windowEnvelope.name(), true);
    }
    if (exists(longSlipMarginIni))
        values.setNumber(PrintIni::longSlipBaseX.name(), 2);
    if (exists(statementMarginIni))
        values.setNumber(PrintIni::statementBaseX.name(),
                         iniInteger(statementMarginIni, QStringLiteral("[明細余白調整値]="), 0));
    if (exists(shapeWidthPrn)) {
        values.setNumber(PrintIni::shapeWidth.name(),
                         iniInteger(shapeWidthPrn, PrintIni::shapeWidth.name(), 0));
        values.setNumber(PrintIni::statementShapeWidth.name(),
                         iniInteger(shapeWidthPrn, PrintIni::statementShapeWidth.name(), 0));
    }
    if (exists(smallReceiptPrn))
        values.setNumber(PrintIni::smallReceiptY.name(),
                         iniInteger(smallReceiptPrn, QStringLiteral("[垂直位置]="), 0));
    if (exists(receiptCopyPrn)) {
        values.setOn(PrintIni::noPatternOnReceiptCopy.name(), true);
        const PrintIni::KeyInfo *pattern = PrintIni::find(PrintIni::patternColour.name());
        values.setNumber(pattern->key,
                         iniInteger(smallReceiptPrn, pattern->key, pattern->absent.toInt()));
    }
    if (exists(crossPatternPrn))
        values.setOn(PrintIni::crossPattern.name(), true);
}

// Keys written from another key's control hold what that control holds.
void shareControls(Values &values)
{
    for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
        if (info.loaded)
            continue;
        for (const PrintIni::KeyInfo &source : PrintIni::catalogue()) {
            if (source.loaded && source.control == info.control)
                values.setText(info.key, values.text(source.key));
        }
    }
}

QString titleOr(const Values &values, const PrintIni::TextKey &key, const char *standard)
{
    const QString title = values.text(key.name());
    return title.isEmpty() ? QString::fromUtf8(standard) : title;
}

struct ReplaceableTitle
{
    int column;
    const PrintIni::TextKey &key;
    const char *standard;
};

const ReplaceableTitle columnTitles[] = {
    {5, PrintIni::quantityTitle, "数量"},
    {6, PrintIni::unitTitle, "単位"},
    {7, PrintIni::unitPriceTitle, "単価"},
    {9, PrintIni::amountTitle, "金額"},
};

struct SlipKindTitle
{
    const char *box;
    const PrintIni::TextKey &key;
    const char *standard;
};

const SlipKindTitle slipKindTitles[] = {
    {"NOUHIN", PrintIni::deliveryNoteTitle, "納品書"},
    {"SEIKYUU", PrintIni::invoiceTitle, "請求書"},
    {"JURYOU", PrintIni::goodsReceiptTitle, "受領書"},
    {"HIKAE", PrintIni::fileCopyTitle, "伝票控"},
    {"HATYUU", PrintIni::purchaseOrderTitle, "発注書"},
    {"IRAI", PrintIni::quotationRequestTitle, "見積依頼書"},
};

} // namespace

QString Values::text(const QString &key) const
{
    return m_values.value(key);
}

void Values::setText(const QString &key, const QString &value)
{
    m_values.insert(key, value);
}

int Values::number(const QString &key) const
{
    return m_values.value(key).toInt();
}

void Values::setNumber(const QString &key, int value)
{
    m_values.insert(key, QString::number(value));
}

bool Values::on(const QString &key) const
{
    return m_values.value(key) == QLatin1String("1");
}

void Values::setOn(const QString &key, bool on)
{
    m_values.insert(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

Values designState()
{
    using PrintIni::Form;
    Values values;
    for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
        switch (info.form) {
        case Form::Flag:
            values.setOn(info.key, info.absent == QLatin1String("1"));
            break;
        case Form::WordFlag:
            values.setOn(info.key, info.absent == info.onWord);
            break;
        default:
            values.setText(info.key, info.absent);
            break;
        }
    }
    return values;
}

void YOMIKOMI(Values &values)
{
    for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
        if (info.loaded && info.written)
            loadKey(values, info);
    }
    takeOverEarlierPositions(values);
    takeOverEarlierBankLines(values);
    takeOverCarryOverFiles(values);
    shareControls(values);
}

void ALL_CLEAR(Values &values)
{
    // These four keep what the user had: the restored file decides them only when it has
    // them switched on.
    const QString kept[] = {PrintIni::noStatementLeadSentence.name(),
                            PrintIni::statementForm2.name(), PrintIni::autoFolderChange.name(),
                            PrintIni::longEnvelope.name()};
    Values cleared = designState();
    for (const QString &key : kept)
        cleared.setOn(key, values.on(key));
    for (const PrintIni::FlagKey &key :
         {PrintIni::punchGuide, PrintIni::inclusiveTaxLabel, PrintIni::inclusiveTaxParentheses,
          PrintIni::noPatternOnReceiptCopy})
        cleared.setOn(key.name(), true);
    for (const PrintIni::FlagKey &key :
         {PrintIni::windowEnvelope, PrintIni::noLeadSentence, PrintIni::a5Upright,
          PrintIni::a5Sideways, PrintIni::profitRates, PrintIni::crossPattern})
        cleared.setOn(key.name(), false);
    values = cleared;
}

QStringList fileLines(const Values &values)
{
    using PrintIni::Form;
    QStringList lines;
    for (const PrintIni::OrderEntry &entry : PrintIni::keyOrder()) {
        const PrintIni::KeyInfo &info = *PrintIni::find(entry.key);
        QString value;
        switch (info.form) {
        case Form::Tenths:
            value = PrintIni::tenthsText(values.number(info.key));
            break;
        case Form::Flag:
            if (entry.onlyWhenOn && !values.on(info.key))
                continue;
            value = values.on(info.key) ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case Form::WordFlag:
            value = values.on(info.key) ? info.onWord : info.offWord;
            break;
        default:
            value = values.text(info.key);
            if (entry.onlyWhenOn && value.isEmpty())
                continue;
            break;
        }
        lines.append(info.key + value);
    }
    return lines;
}

QStringList retiredCarryOverFiles()
{
    return {madoIni,
            longSlipMarginIni,
            statementMarginIni,
            shapeWidthPrn,
            QStringLiteral("SEIKYUU.INI"),
            zeroPrn,
            smallReceiptPrn,
            crossPatternPrn,
            receiptCopyPrn};
}

MainWindowCaptions captionsAfterLoading(const Values &values)
{
    MainWindowCaptions captions;
    for (const ReplaceableTitle &title : columnTitles)
        captions.itemGridTitles.insert(title.column, titleOr(values, title.key, title.standard));
    captions.itemGridTitles.insert(11, values.on(PrintIni::profitRates.name())
                                           ? QStringLiteral("利益率")
                                           : QStringLiteral("原価率"));
    for (const SlipKindTitle &kind : slipKindTitles) {
        const bool keepsCaption =
            &kind.key == &PrintIni::purchaseOrderTitle && values.text(kind.key.name()).isEmpty();
        if (!keepsCaption)
            captions.slipKindCaptions.insert(QString::fromUtf8(kind.box),
                                             titleOr(values, kind.key, kind.standard));
    }
    return captions;
}

MainWindowCaptions captionsAfterCommit(const Values &values)
{
    MainWindowCaptions captions;
    for (const ReplaceableTitle &title : columnTitles) {
        const QString given = values.text(title.key.name());
        if (!given.isEmpty())
            captions.itemGridTitles.insert(title.column, given);
    }
    for (const SlipKindTitle &kind : slipKindTitles)
        captions.slipKindCaptions.insert(QString::fromUtf8(kind.box),
                                         titleOr(values, kind.key, kind.standard));
    return captions;
}

} // namespace PrintSettings

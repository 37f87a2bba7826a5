#include "print_framework.h"

#include "common/prompter.h"
#include "print_numbers.h"
#include "settings/print_ini.h"
#include "settings/settings_file.h"
#include "slip/calculation.h"
#include "slip/number_format.h"
#include "slip/slip_arithmetic.h"
#include "slip/string_grid.h"

#include <cmath>

namespace {

struct KindSettings
{
    QString defaultTitle;
    const PrintIni::TextKey &title;
    const PrintIni::ColourKey &colour;
};

KindSettings kindSettings(int kind)
{
    switch (kind) {
    case 1:
        return {QStringLiteral("納　品　書"), PrintIni::deliveryNoteTitle,
                PrintIni::deliveryNoteColour};
    case 2:
        return {QStringLiteral("請　求　書"), PrintIni::invoiceTitle, PrintIni::invoiceColour};
    case 3:
        return {QStringLiteral("受　領　書"), PrintIni::goodsReceiptTitle,
                PrintIni::goodsReceiptColour};
    case 4:
        return {QStringLiteral("伝　票　控"), PrintIni::fileCopyTitle, PrintIni::fileCopyColour};
    case 5:
        return {QString(), PrintIni::purchaseOrderTitle, PrintIni::purchaseOrderColour};
    default:
        return {QString(), PrintIni::quotationRequestTitle, PrintIni::quotationRequestColour};
    }
}

} // namespace

QString slipKindTitle(int kind, const SlipKindCaptions &captions)
{
    const KindSettings settings = kindSettings(kind);
    const QString title = settings.title.value();
    if (!title.isEmpty())
        return title;
    if (kind == 5)
        return captions.hatyuu;
    if (kind == 6)
        return captions.irai;
    return settings.defaultTitle;
}

QColor slipKindColour(int kind)
{
    const KindSettings settings = kindSettings(kind);
    return settings.colour.value();
}

QString slipKindList(const SlipHeader &header)
{
    QString list;
    const bool checked[] = {header.NOUHIN, header.SEIKYUU, header.JURYOU,
                            header.HIKAE,  header.HATYUU,  header.IRAI};
    for (int i = 0; i < 6; ++i) {
        if (checked[i])
            list += QString::number(i + 1);
    }
    return list;
}

AmountColumns amountColumns(int kind)
{
    // The order form shows the purchase side of the slip: cost prices and cost amounts.
    if (kind >= 1 && kind <= 4)
        return {ItemColumn::unitPrice, ItemColumn::amount};
    if (kind == 5)
        return {ItemColumn::costPrice, ItemColumn::costAmount};
    return {};
}

std::vector<SlipImage> slipImages(const QString &kindList, int rowCount, int lastUsedRow,
                                  int rowsPerSlip)
{
    std::vector<SlipImage> images;
    if (kindList.isEmpty())
        return images;
    int current = 1;
    int page = 1;
    QString remaining = kindList;
    while (rowCount - 1 >= current) {
        images.push_back({remaining[0].digitValue(), current, page});
        remaining.remove(0, 1);
        if (remaining.isEmpty())
            remaining = kindList;
        if (remaining == kindList) {
            ++page;
            current += rowsPerSlip;
            if (lastUsedRow < current || rowCount - 1 < current)
                break;
        }
    }
    return images;
}

QString pagedSlipNumber(const QString &number, int pageNumber)
{
    if (pageNumber <= 1)
        return number;
    return number + QStringLiteral("-") + QString::number(pageNumber);
}

void PageSums::add(Money amount, const QString &mark)
{
    const LineRate rate = lineRateOf(mark);
    total += amount;
    if (rate != LineRate::Exempt)
        taxable += amount;
    byRate.add(rate, amount);
}

RateSums PageSums::rateSums() const
{
    RateSums sums = byRate;
    sums.standard = taxable - byRate.reduced;
    return sums;
}

TotalsBox totalsBox(TaxMode mode, int kind, const PageSums &sums, const TotalsOptions &options)
{
    const QString yenMark = QStringLiteral("\\");
    const bool negative = sums.total < Money();
    // A page with a negative total prints its values unjustified, each negative one as "▲"
    // and its absolute value.
    auto justified = [&](Money v) {
        return negative ? markedYen(v) : formatN(v).rightJustified(10, u' ');
    };
    auto last = [&](Money v) { return yenMark + markedYen(v); };
    const auto tax = [&] {
        return Money::fromYen(totalTax(taxByRate(
            sums.rateSums(), mode, roundingModeFromSetting(options.roundingMode), options.rates)));
    };

    TotalsBox box;
    switch (mode) {
    case TaxMode::Exclusive: {
        const Money t = tax();
        box.line1 = justified(sums.total);
        box.line2 = markedYen(t);
        box.line3 = last(sums.total + t);
        break;
    }
    case TaxMode::Inclusive: {
        const Money t = tax();
        box.line1 = justified(sums.total - t);
        box.line2 = justified(t);
        if (options.kakko && kind >= 1 && kind <= 4) {
            box.line2 = negative ? QStringLiteral("(") + box.line2 + QStringLiteral(")")
                                 : QStringLiteral("(") + box.line2 + QStringLiteral(" )");
        }
        box.line3 = last(sums.total);
        break;
    }
    case TaxMode::Exempt:
        box.line1 = last(sums.total);
        break;
    }
    return box;
}

QualifiedInvoice QualifiedInvoice::fromPrintIni()
{
    return {PrintIni::qualifiedInvoice.on(), PrintIni::registrationNumber.value().trimmed()};
}

QString QualifiedInvoice::registrationLine() const
{
    if (!on || registrationNumber.isEmpty())
        return QString();
    return QStringLiteral("登録番号 ") + registrationNumber;
}

bool QualifiedInvoice::coversKind(int kind) const
{
    return on && kind >= 1 && kind <= 4;
}

QString reducedRateNote()
{
    return QStringLiteral("※は軽減税率対象");
}

QStringList perRateLines(TaxMode mode, const RateSums &sums, const TotalsOptions &options)
{
    return perRateLines(
        mode, taxByRate(sums, mode, roundingModeFromSetting(options.roundingMode), options.rates));
}

QStringList perRateLines(TaxMode mode, const QList<RateTax> &byRate)
{
    QStringList lines;
    const QString taxLabel =
        mode == TaxMode::Inclusive ? QStringLiteral(" 内消費税 ¥") : QStringLiteral(" 消費税 ¥");
    for (const RateTax &entry : byRate)
        lines.append(ratePercentText(entry.rate) + QStringLiteral("対象 ¥") +
                     markedYen(entry.taxable) + taxLabel + markedYen(Money::fromYen(entry.tax)));
    return lines;
}

int lastUsedRow(const StringGrid &items)
{
    for (int row = items.rows() - 1; row >= 1; --row) {
        for (int column = 1; column < items.columns(); ++column) {
            if (!items.cell(column, row).isEmpty())
                return row;
        }
    }
    return 0;
}

QString slipConfirmation(TaxMode mode, int rows)
{
    const QString layout = QStringLiteral("伝票(%1行)を印刷します。").arg(rows);
    if (mode == TaxMode::Exempt)
        return QStringLiteral("非課税") + layout;
    if (mode == TaxMode::Inclusive)
        return QStringLiteral("内税") + layout;
    return layout;
}

PrinterChoice::PrinterChoice(const QString &fileName)
    : fileName(fileName)
{}

PrinterChoice PrinterChoice::longEnvelope()
{
    PrinterChoice choice(QStringLiteral("PRINTF.INI"));
    choice.orientKey = QStringLiteral("[封筒ORIENT]=");
    choice.printerKey = QStringLiteral("[封筒PRINTER]=");
    choice.paperKey = QStringLiteral("[封筒PAPER]=");
    return choice;
}

QString printerChoiceFile(bool a5Mode)
{
    return a5Mode ? QStringLiteral("PRINT7.INI") : QStringLiteral("PRINT24.INI");
}

void applyPrinterChoice(PrinterDevice &printer, const PrinterChoice &choice)
{
    // A printer, paper or orientation remembered for another machine or an earlier
    // printer set-up is skipped; the setup dialog then shows what is in effect.
    try {
        printer.setPrinterIndex(iniInteger(choice.fileName, choice.printerKey, -1));
    } catch (const MiravoError &) {
    }
    try {
        printer.setPaperIndex(iniInteger(choice.fileName, choice.paperKey, -1));
    } catch (const MiravoError &) {
    }
    try {
        printer.setLandscape(INI_IN(choice.fileName, choice.orientKey) == QLatin1String("1"));
    } catch (const MiravoError &) {
    }
}

void writePrinterChoice(const PrinterDevice &printer, const PrinterChoice &choice)
{
    writeSettingsFile(
        choice.fileName,
        {{choice.orientKey, printer.landscape() ? QStringLiteral("1") : QStringLiteral("0")},
         {choice.printerKey, QString::number(printer.printerIndex())},
         {choice.paperKey, QString::number(printer.paperIndex())}});
}

std::optional<PrinterMetrics> setUpPrinter(PrinterDevice &printer, const PrinterChoice &choice,
                                           bool writeChoice)
{
    applyPrinterChoice(printer, choice);
    return confirmPrinterSetup(printer, writeChoice ? &choice : nullptr);
}

std::optional<PrinterMetrics> confirmPrinterSetup(PrinterDevice &printer,
                                                  const PrinterChoice *writeBack)
{
    printer.applySettings();
    if (!printer.runSetupDialog())
        return std::nullopt;
    const PrinterMetrics metrics = printer.metrics();
    if (printer.supportsColour())
        printer.setColour(true);
    printer.applySettings();
    if (writeBack && printer.remembersChoice())
        writePrinterChoice(printer, *writeBack);
    return metrics;
}

namespace {

// The printer choice file of the mode, the setup dialog and the scales of the page.
std::optional<PreparedRun> setUpSlipPrinter(PrinterDevice &printer, bool a5Mode)
{
    const std::optional<PrinterMetrics> metrics = setUpPrinter(printer, printerChoiceFile(a5Mode));
    if (!metrics)
        return std::nullopt;
    PreparedRun run;
    run.a5Mode = a5Mode;
    run.metrics = *metrics;
    run.scale = layoutScale(run.metrics.pageWidth, run.metrics.pageHeight, a5Mode);
    return run;
}

} // namespace

std::optional<PreparedRun> prepareSlipRun(PrinterDevice &printer, SlipHeader &header)
{
    const bool a5Mode = PrintIni::a5Upright.on() || PrintIni::a5Sideways.on();
    if (PrintIni::a5Upright.on()) {
        printer.setLandscape(true);
        prompter().information(
            QStringLiteral("プリンタの用紙設定を「A5」　印刷の向きを「横」に設定して下さい。"));
    } else {
        printer.setLandscape(false);
    }
    std::optional<PreparedRun> run = setUpSlipPrinter(printer, a5Mode);
    if (run && a5Mode)
        header.A5 = true;
    return run;
}

std::optional<PreparedRun> prepareA4SlipRun(PrinterDevice &printer)
{
    printer.setLandscape(false);
    return setUpSlipPrinter(printer, false);
}

std::optional<PreparedRun> prepareSlipPrinter(PrinterDevice &printer, SlipHeader &header,
                                              PrintRunState &state)
{
    std::optional<PreparedRun> run = prepareSlipRun(printer, header);
    if (run)
        state.previewCancelled = false;
    return run;
}

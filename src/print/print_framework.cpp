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
    QString titleKey;
    QString colorKey;
    int defaultColor;
};

KindSettings kindSettings(int kind)
{
    switch (kind) {
    case 1:
        return {QStringLiteral("納　品　書"), QStringLiteral("[納品書]="),
                QStringLiteral("[納品書色]="), 32768};
    case 2:
        return {QStringLiteral("請　求　書"), QStringLiteral("[請求書]="),
                QStringLiteral("[請求書色]="), 8388608};
    case 3:
        return {QStringLiteral("受　領　書"), QStringLiteral("[受領書]="),
                QStringLiteral("[受領書色]="), 4227327};
    case 4:
        return {QStringLiteral("伝　票　控"), QStringLiteral("[伝票控]="),
                QStringLiteral("[伝票控色]="), 0};
    case 5:
        return {QString(), QStringLiteral("[注文書]="), QStringLiteral("[発注書色]="), 8388608};
    default:
        return {QString(), QStringLiteral("[見積依頼書]="), QStringLiteral("[見積依頼書色]="),
                32768};
    }
}

} // namespace

LayoutScale layoutScale(int pageWidth, int pageHeight, bool a5Mode)
{
    LayoutScale scale;
    scale.H = float(pageWidth) / float(layoutUnitsAcross);
    scale.V = float(pageHeight) / float(a5Mode ? layoutUnitsDownA5 : layoutUnitsDown);
    return scale;
}

int Placement::x(double units) const
{
    return int(std::trunc(units * double(scale.H) + xo));
}

int Placement::y(double units) const
{
    return int(std::trunc(units * double(scale.V) + yo));
}

int wholeMmOffset(const QString &key, float scale)
{
    return int(std::trunc(PrintIni::integer(key, 0) * 14.0 * double(scale)));
}

int decimalMmOffset(const QString &key, float scale)
{
    return int(std::trunc(PrintIni::fraction(key) * 14.0 * double(scale)));
}

FrameSettings readFrameSettings()
{
    FrameSettings frame;
    frame.corner = PrintIni::integer(QStringLiteral("[角丸]="), 30);
    frame.width = PrintIni::integer(QStringLiteral("[枠太さ]="), 8);
    return frame;
}

QString slipKindTitle(int kind, const SlipKindCaptions &captions)
{
    const KindSettings settings = kindSettings(kind);
    const QString title = PrintIni::text(settings.titleKey);
    if (!title.isEmpty())
        return title;
    if (kind == 5)
        return captions.hatyuu;
    if (kind == 6)
        return captions.irai;
    return settings.defaultTitle;
}

QColor slipKindColor(int kind)
{
    const KindSettings settings = kindSettings(kind);
    return PrintIni::colour(settings.colorKey, settings.defaultColor);
}

QColor dataColor()
{
    return PrintIni::colour(QStringLiteral("[DATA色]="), 0);
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

    TotalsBox box;
    switch (mode) {
    case TaxMode::Exclusive: {
        const Money tax = Money::fromYen(
            exclusiveTax(sums.taxable, roundingModeFromSetting(options.roundingMode)));
        box.line1 = justified(sums.total);
        box.line2 = markedYen(tax);
        box.line3 = last(sums.total + tax);
        break;
    }
    case TaxMode::Inclusive: {
        const Money tax = Money::fromYen(inclusiveTax(sums.taxable));
        box.line1 = justified(sums.total - tax);
        box.line2 = justified(tax);
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

int shrinkToFit(PrintCanvas &canvas, const QString &text, int width)
{
    while (canvas.textWidth(text) > width && canvas.font().points > 2)
        canvas.setFontPoints(canvas.font().points - 1);
    return canvas.font().points;
}

std::pair<QString, QString> splitTwoLines(const PrintCanvas &canvas, const QString &text, int width)
{
    qsizetype count = 0;
    while (count < text.size() && canvas.textWidth(text.left(count + 1)) <= width)
        ++count;
    return {text.left(count), text.mid(count, 100)};
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

QString printerChoiceFile(bool a5Mode)
{
    return a5Mode ? QStringLiteral("PRINT7.INI") : QStringLiteral("PRINT24.INI");
}

void applyPrinterChoice(PrinterDevice &printer, const QString &fileName)
{
    // A printer, paper or orientation remembered for another machine or an earlier
    // printer set-up is skipped; the setup dialog then shows what is in effect.
    try {
        printer.setPrinterIndex(iniInteger(fileName, QStringLiteral("[PRINTER]="), -1));
    } catch (const MiravoError &) {
    }
    try {
        printer.setPaperIndex(iniInteger(fileName, QStringLiteral("[PAPER]="), -1));
    } catch (const MiravoError &) {
    }
    try {
        printer.setLandscape(INI_IN(fileName, QStringLiteral("[ORIENT]=")) == QLatin1String("1"));
    } catch (const MiravoError &) {
    }
}

void writePrinterChoice(const PrinterDevice &printer, const QString &fileName)
{
    writeSettingsFile(fileName,
                      {{QStringLiteral("[ORIENT]="),
                        printer.landscape() ? QStringLiteral("1") : QStringLiteral("0")},
                       {QStringLiteral("[PRINTER]="), QString::number(printer.printerIndex())},
                       {QStringLiteral("[PAPER]="), QString::number(printer.paperIndex())}});
}

std::optional<PreparedRun> prepareSlipPrinter(PrinterDevice &printer, SlipHeader &header,
                                              PrintRunState &state)
{
    PreparedRun run;
    run.a5Mode =
        PrintIni::flag(QStringLiteral("[A5縦]=")) || PrintIni::flag(QStringLiteral("[A5横]="));
    if (PrintIni::flag(QStringLiteral("[A5縦]="))) {
        printer.setLandscape(true);
        prompter().information(
            QStringLiteral("プリンタの用紙設定を「A5」　印刷の向きを「横」に設定して下さい。"));
    } else {
        printer.setLandscape(false);
    }
    const QString choiceFile = printerChoiceFile(run.a5Mode);
    applyPrinterChoice(printer, choiceFile);
    printer.applySettings();
    if (!printer.runSetupDialog())
        return std::nullopt;
    run.metrics = printer.metrics();
    run.scale = layoutScale(run.metrics.pageWidth, run.metrics.pageHeight, run.a5Mode);
    if (run.a5Mode)
        header.A5 = true;
    if (printer.supportsColor())
        printer.setColor(true);
    printer.applySettings();
    writePrinterChoice(printer, choiceFile);
    state.previewCancelled = false;
    return run;
}

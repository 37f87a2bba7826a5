// The receipt and the small receipt.
#include "receipt_layouts.h"

#include "common/era_date.h"
#include "common/prompter.h"
#include "layout_registry.h"
#include "page_blocks.h"
#include "settings/print_ini.h"
#include "slip/calculation.h"
#include "slip/number_format.h"
#include "slip/slip_arithmetic.h"

#include <cmath>

namespace {

const QString mincho = QStringLiteral("ＭＳ 明朝");
const QString proportionalMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString dotDash = QStringLiteral(".-");

QString justified10(Money value)
{
    return formatN(value).rightJustified(10, u' ');
}

ReceiptAmounts slipAmounts(const SlipPrintJob &job)
{
    const SlipTotals totals = itemTotals(*job.items);
    const Money T = totals.item;
    const RoundingMode rounding = roundingModeFromSetting(job.roundingMode);
    ReceiptAmounts texts;
    if (job.header.taxMode == TaxMode::Exclusive) {
        const Money tax =
            Money::fromYen(consumptionTax(totals, TaxMode::Exclusive, rounding, job.taxRates));
        texts.amount = formatN(T + tax);
        texts.net = formatN(T);
        texts.tax = formatN(tax);
    } else {
        // An exempt slip's breakdown shows the tax an inclusive one would hold.
        const Money t =
            Money::fromYen(consumptionTax(totals, TaxMode::Inclusive, rounding, job.taxRates));
        texts.amount = formatN(T);
        texts.net = justified10(T - t);
        texts.tax = justified10(t);
    }
    if (job.qualified.on)
        texts.perRate = perRateLines(job.header.taxMode, totals.byRate,
                                     {job.roundingMode, false, job.taxRates});
    return texts;
}

void setFont(PrintCanvas &canvas, const QString &face, int points, const QColor &colour)
{
    canvas.setFontFace(face);
    canvas.setFontBold(false);
    canvas.setFontPoints(points);
    canvas.setFontColour(colour);
}

// The receipt settings a run reads once.
struct ReceiptSettings
{
    PreparedRun run;
    FrameSettings frame;
    QString patternFile; // an existing "[領収証BMP]=" file, else empty
    bool cross = false;
    bool plainCopy = false;
    QColor patternColour;
    bool eraYears = false;
};

ReceiptSettings readReceiptSettings(const PreparedRun &run)
{
    ReceiptSettings s;
    s.run = run;
    s.frame = readFrameSettings();
    s.patternFile = existingPictureFile(PrintIni::receiptBitmap.value());
    s.cross = PrintIni::crossPattern.on();
    s.plainCopy = PrintIni::noPatternOnReceiptCopy.on();
    s.patternColour = PrintIni::patternColour.value();
    s.eraYears = PrintIni::eraYears.on();
    return s;
}

// The background of a receipt image: the pattern bitmap (unless the cross hatching is
// chosen), else the hatching, else white. A copy that is to stay plain is white.
CanvasBrush backgroundBrush(const ReceiptSettings &s, bool patterned)
{
    CanvasBrush brush;
    if (!patterned)
        return brush;
    if (!s.patternFile.isEmpty() && !s.cross) {
        QImage pattern;
        if (pattern.load(s.patternFile)) {
            brush.style = CanvasBrushStyle::Bitmap;
            brush.pattern = pattern;
        }
        return brush;
    }
    if (s.cross) {
        brush.style = CanvasBrushStyle::DiagonalCross;
        brush.colour = s.patternColour;
    }
    return brush;
}

// Positions of the date line of a receipt, layout units.
struct DateLinePlaces
{
    int y;
    int era, yearLabel, monthLabel, dayLabel, received;
    int year, eraYear, month2, month1, day2, day1;
};

// Positions of the breakdown (内訳): labels at x, values ending at valueRight.
struct BreakdownPlaces
{
    int x;
    int headY, netY, taxY;
    int valueRight;
};

class ReceiptDrawer
{
public:
    ReceiptDrawer(PrintCanvas &canvas, const Placement &place, const ReceiptSettings &s,
                  const QColor &colour, const SlipPrintJob &job, const ReceiptAmounts &amounts,
                  const QString &proviso)
        : m_p(canvas, place, s.frame, colour)
        , m_canvas(canvas)
        , m_s(s)
        , m_colour(colour)
        , m_job(job)
        , m_amounts(amounts)
        , m_proviso(proviso)
    {}

    // The receipt image, or its copy.
    void drawImage(bool copy)
    {
        m_canvas.setPen({m_colour, m_s.frame.width, CanvasPenStyle::Solid});
        m_canvas.setBrush(backgroundBrush(m_s, !copy || !m_s.plainCopy));
        m_p.frameBox(250, 270, 2700, 1790);
        m_canvas.setBrush(CanvasBrush());

        setFont(m_canvas, mincho, 20, m_colour);
        if (copy) {
            m_p.text(1000, 400, QStringLiteral("領"));
            m_p.text(1300, 400, QStringLiteral("収"));
            m_p.text(1600, 400, QStringLiteral("証"));
            m_p.text(1750, 400, QStringLiteral("(控)"));
        } else {
            m_p.text(1135, 400, QStringLiteral("領"));
            m_p.text(1425, 400, QStringLiteral("収"));
            m_p.text(1715, 400, QStringLiteral("証"));
        }

        drawCustomerAndAmount({400, 620, 710, 1800, 0, 800, 800});

        setFont(m_canvas, mincho, 11, m_colour);
        m_p.text(2100, 370, QStringLiteral("№ "));
        m_canvas.setFontColour(Qt::black);
        m_p.text(2200, 370, m_job.header.Bangou);
        m_p.line(2100, 430, 2550, 430);

        m_canvas.setFontColour(m_colour);
        m_p.text(620, 970, QStringLiteral("但し"));
        setFont(m_canvas, proportionalMincho, 11, Qt::black);
        m_p.text(800, 970, m_proviso);
        m_p.useKindPen(3);
        m_p.line(600, 1040, 2000, 1040);

        drawDateLine({1080, 600, 800, 950, 1090, 1200, 680, 730, 890, 910, 1030, 1060});
        drawBreakdown({620, 1400, 1460, 1520, 1100});

        m_canvas.setFontColour(m_colour);
        Placement shifted = m_p.place();
        shifted.shiftX = -140;
        shifted.shiftY = 930;
        CompanyBlockGeometry g;
        g.registrationLine = m_job.qualified.registrationLine();
        drawCompanyLines(m_canvas, shifted, m_job.logo, g);
    }

    // The small receipt: stub and main part on one strip. D is the printer's physical top
    // offset in pixels, which the frame's bottom edge is raised by.
    void drawSmall(int D)
    {
        // Only the pattern bitmap gets a frame; the hatching and the white background do not.
        const bool bitmapPattern = !m_s.patternFile.isEmpty() && !m_s.cross;
        m_canvas.setPen(
            {bitmapPattern ? m_colour : QColor(Qt::white), m_s.frame.width, CanvasPenStyle::Solid});
        m_canvas.setBrush(backgroundBrush(m_s, true));
        m_p.frameBox(820, 0, 2878, 1355 - D);
        m_canvas.setBrush(CanvasBrush());
        m_p.useDottedPen(Qt::black);
        m_p.line(770, 0, 770, 1350);

        const int nameY = drawSmallCompany();
        drawStub(nameY);
        drawSmallMain();

        m_p.useDottedPen(Qt::black);
        m_p.line(0, 1355, 200, 1355);
        m_p.line(2678, 1355, 2878, 1355);
    }

private:
    QString customer() const
    {
        return m_job.header.NAME1 + QStringLiteral("   ") + m_job.header.KEISYOU;
    }

    QString amountLine() const { return QStringLiteral("￥") + m_amounts.amount + dotDash; }

    bool exempt() const { return m_job.header.taxMode == TaxMode::Exempt; }

    // Where a receipt names its customer, over a dotted line, and the amount received.
    struct CustomerPlaces
    {
        int x, y;
        int lineY, lineEnd;
        int fitWidth; // pixels the name is fitted into; 0 leaves it at 15 points
        int amountX, amountY;
    };

    void drawCustomerAndAmount(const CustomerPlaces &at)
    {
        setFont(m_canvas, proportionalMincho, 15, Qt::black);
        if (at.fitWidth > 0)
            shrinkToFit(m_canvas, customer(), at.fitWidth);
        m_p.text(at.x, at.y, customer());
        m_canvas.setPen({m_colour, 1, CanvasPenStyle::Dotted});
        m_p.line(at.x, at.lineY, at.lineEnd, at.lineY);
        m_canvas.setFontPoints(20);
        if (!isZeroAmountText(m_amounts.amount))
            m_p.text(at.amountX, at.amountY, amountLine());
    }

    void drawDateLine(const DateLinePlaces &at)
    {
        const QDate date = m_job.header.DTP1.date();
        setFont(m_canvas, mincho, 11, m_colour);
        if (m_s.eraYears)
            m_p.text(at.era, at.y, japaneseEra(date).era);
        m_p.text(at.yearLabel, at.y, QStringLiteral("年"));
        m_p.text(at.monthLabel, at.y, QStringLiteral("月"));
        m_p.text(at.dayLabel, at.y, QStringLiteral("日"));
        m_p.text(at.received, at.y, QStringLiteral("上記正に領収いたしました"));
        if (m_job.header.DATE_CHECK || !date.isValid())
            return;
        m_canvas.setFontColour(Qt::black);
        if (m_s.eraYears)
            m_p.text(at.eraYear, at.y, QString::number(japaneseEra(date).year));
        else
            m_p.text(at.year, at.y, QString::number(date.year()).rightJustified(4, u'0'));
        m_p.text(date.month() >= 10 ? at.month2 : at.month1, at.y, QString::number(date.month()));
        m_p.text(date.day() >= 10 ? at.day2 : at.day1, at.y, QString::number(date.day()));
    }

    // A value that ends, without its ".-", where a text of placedBy's width would end.
    void valueAt(int right, int y, const QString &value, const QString &placedBy)
    {
        m_canvas.textOut(m_p.x(right) - m_canvas.textWidth(placedBy), m_p.y(y), value);
    }

    void drawBreakdown(const BreakdownPlaces &at)
    {
        setFont(m_canvas, mincho, 10, m_colour);
        m_p.text(at.x, at.headY, QStringLiteral("<内　訳>"));
        m_p.text(at.x, at.netY, QStringLiteral("税抜金額"));
        m_p.text(at.x, at.taxY, QStringLiteral("消費税額"));
        setFont(m_canvas, proportionalMincho, 10, Qt::black);
        if (exempt()) {
            if (!isZeroAmountText(m_amounts.amount))
                valueAt(at.valueRight, at.netY, m_amounts.amount + dotDash, m_amounts.net);
            valueAt(at.valueRight, at.taxY, QStringLiteral("非課税"), m_amounts.tax);
            return;
        }
        if (!isZeroAmountText(m_amounts.net))
            valueAt(at.valueRight, at.netY, m_amounts.net + dotDash, m_amounts.net);
        if (!isZeroAmountText(m_amounts.tax))
            valueAt(at.valueRight, at.taxY, m_amounts.tax + dotDash, m_amounts.tax);
        m_canvas.setFontPoints(9);
        int y = at.taxY;
        for (const QString &line : m_amounts.perRate) {
            y += 60;
            m_p.text(at.x, y, line);
        }
    }

    // The company block of the small receipt: name and address lines only, moved down into
    // the strip and left of the main part's frame.
    int drawSmallCompany()
    {
        CompanyBlockGeometry g;
        g.baseX = 1900;
        g.logoY.reset();
        g.freeLine1Y.reset();
        g.freeLine2Y.reset();
        g.nameY = -90;
        g.branchY = -10;
        g.postalY = 50;
        g.addressY = 110;
        g.address2Y = 170;
        g.telY = 230;
        g.faxY.reset();
        g.registrationLine = m_job.qualified.registrationLine();
        g.registrationY = 290;
        g.registrationRight = 2800;
        Placement shifted = m_p.place();
        shifted.shiftX = -140;
        shifted.shiftY = 930;
        m_canvas.setFontColour(m_colour);
        return drawCompanyLines(m_canvas, shifted, QImage(), g);
    }

    void drawStub(int companyNameY)
    {
        const int left = m_p.x(0);
        const int right = m_p.x(800);
        const int fullWidth = int(800 * m_p.H());
        const auto centred = [&](int y, const QString &text) {
            m_p.centreText(left, right, m_p.y(y), text);
        };
        setFont(m_canvas, mincho, 12, m_colour);
        centred(130, QStringLiteral("領　収　証(控)"));
        m_canvas.setFontPoints(9);
        centred(220, QStringLiteral("№ ") + m_job.header.Bangou);
        if (!m_job.header.NAME1.isEmpty()) {
            setFont(m_canvas, proportionalMincho, 9, Qt::black);
            shrinkToFit(m_canvas, customer(), fullWidth);
            centred(320, customer());
        }
        setFont(m_canvas, proportionalMincho, 12, Qt::black);
        if (!isZeroAmountText(m_amounts.amount))
            centred(470, amountLine());
        m_canvas.setFontPoints(7);
        shrinkToFit(m_canvas, m_proviso, int(770 * m_p.H()));
        centred(620, m_proviso);
        m_canvas.setFontPoints(9);
        const QDate date = m_job.header.DTP1.date();
        if (!m_job.header.DATE_CHECK && date.isValid()) {
            if (m_s.eraYears) {
                const EraYear era = japaneseEra(date);
                centred(710, era.era + QStringLiteral(" %1年 %2月 %3日")
                                           .arg(era.year)
                                           .arg(date.month())
                                           .arg(date.day()));
            } else {
                centred(710, QStringLiteral("%1年 %2月 %3日")
                                 .arg(date.year())
                                 .arg(date.month())
                                 .arg(date.day()));
            }
        }
        drawStubBreakdown(left, right);

        const PrintIni::CompanyLineKeys &name = PrintIni::companyName;
        m_canvas.setFontFace(QStringLiteral("ＭＳ ゴシック"));
        applyFontKey(m_canvas, name.font);
        m_canvas.setFontBold(true);
        m_canvas.setFontColour(m_colour);
        m_canvas.setFontPoints(10);
        shrinkToFit(m_canvas, name.text.value(), fullWidth);
        m_p.centreText(left, right, companyNameY, name.text.value());
        m_canvas.setFontBold(false);
    }

    void drawStubBreakdown(int left, int right)
    {
        const QString netLabel = QStringLiteral("税抜金額  ");
        const QString taxLabel = QStringLiteral("消費税額  ");
        m_canvas.setFontPoints(9);
        if (exempt()) {
            if (!isZeroAmountText(m_amounts.amount))
                valueAt(300, 1060, netLabel + m_amounts.amount + dotDash, m_amounts.net);
            valueAt(300, 1120, QStringLiteral("非課税"), m_amounts.tax);
            return;
        }
        const int x = left + (right - left - m_canvas.textWidth(netLabel + m_amounts.net)) / 2;
        if (!isZeroAmountText(m_amounts.net))
            m_canvas.textOut(x, m_p.y(1060), netLabel + m_amounts.net + dotDash);
        if (!isZeroAmountText(m_amounts.tax))
            m_canvas.textOut(x, m_p.y(1120), taxLabel + m_amounts.tax + dotDash);
    }

    void drawSmallMain()
    {
        setFont(m_canvas, mincho, 20, m_colour);
        m_p.text(1485, 130, QStringLiteral("領"));
        m_p.text(1775, 130, QStringLiteral("収"));
        m_p.text(2065, 130, QStringLiteral("証"));

        m_canvas.setFontPoints(11);
        m_p.text(2300, 100, QStringLiteral("№ "));
        m_canvas.setFontColour(Qt::black);
        m_p.text(2400, 100, m_job.header.Bangou);
        m_canvas.setPen({m_colour, 1, CanvasPenStyle::Dotted});
        m_p.line(2300, 160, 2750, 160);

        drawCustomerAndAmount({950, 320, 410, 2350, int(1400 * m_p.H()), 1200, 470});

        setFont(m_canvas, mincho, 11, m_colour);
        m_p.text(970, 620, QStringLiteral("但し"));
        setFont(m_canvas, proportionalMincho, 11, Qt::black);
        shrinkToFit(m_canvas, m_proviso, int(1200 * m_p.H()));
        m_p.text(1150, 620, m_proviso);
        m_p.useKindPen(2);
        m_p.line(950, 690, 2350, 690);

        drawDateLine({710, 960, 1170, 1300, 1430, 1520, 1040, 1100, 1240, 1260, 1370, 1400});
        drawBreakdown({970, 1000, 1060, 1120, 1400});
    }

    LayoutPainter m_p;
    PrintCanvas &m_canvas;
    const ReceiptSettings &m_s;
    QColor m_colour;
    const SlipPrintJob &m_job;
    const ReceiptAmounts &m_amounts;
    const QString &m_proviso;
};

// What both receipts share: the question, the 但し書き and the amounts.
class ReceiptLayoutBase : public Layout
{
public:
    ReceiptLayoutBase(SlipPrintJob &job, PrintRunState &state, const QString &name)
        : m_job(job)
        , m_state(state)
        , m_name(name)
    {}

    QString confirmation() const override
    {
        const QString head = m_name + QStringLiteral("を印刷します。\r\n");
        if (m_job.header.DATE_CHECK)
            return head + QStringLiteral("日付なし");
        return head + m_job.header.DTP1.date().toString(QStringLiteral("yyyy/MM/dd")) +
               QStringLiteral("日付け");
    }

    bool askBeforeSetup() override
    {
        // A cancelled box keeps the text it offered.
        const std::optional<QString> answer =
            prompter().input(QStringLiteral("但し書き"),
                             QStringLiteral("但し書き入力してください。"), m_state.receiptProviso);
        if (answer)
            m_state.receiptProviso = *answer;
        return true;
    }

    void plan(const PreparedRun &run) override
    {
        m_settings = readReceiptSettings(run);
        m_amounts = receiptAmounts(m_job);
    }

protected:
    ReceiptDrawer drawer(PrintCanvas &canvas, const Placement &place, const QColor &colour)
    {
        return ReceiptDrawer(canvas, place, m_settings, colour, m_job, m_amounts,
                             m_state.receiptProviso);
    }

    SlipPrintJob &m_job;
    PrintRunState &m_state;
    ReceiptSettings m_settings;
    ReceiptAmounts m_amounts;

private:
    QString m_name;
};

class ReceiptLayout final : public ReceiptLayoutBase
{
public:
    ReceiptLayout(SlipPrintJob &job, PrintRunState &state)
        : ReceiptLayoutBase(job, state, QStringLiteral("領収証"))
    {}

    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind target) override
    {
        PreparedRun run;
        run.a5Mode = PrintIni::a5Upright.on() || PrintIni::a5Sideways.on();
        if (PrintIni::a5Upright.on()) {
            printer.setLandscape(true);
            prompter().information(QStringLiteral(
                "プリンタ用紙設定を「Ａ５」　印刷の向き「横」に設定して下さい。\r\n"));
        } else {
            printer.setLandscape(false);
        }
        // Only the printed receipt remembers the printer; outside A5 mode the dialog starts
        // from the printer as it is.
        const PrinterChoice choice(printerChoiceFile(run.a5Mode));
        const PrinterChoice *writeBack = target == TargetKind::Printer ? &choice : nullptr;
        if (run.a5Mode)
            applyPrinterChoice(printer, choice);
        const std::optional<PrinterMetrics> metrics = confirmPrinterSetup(printer, writeBack);
        if (!metrics)
            return std::nullopt;
        run.metrics = *metrics;
        run.scale = layoutScale(run.metrics.pageWidth, run.metrics.pageHeight, run.a5Mode);
        if (run.a5Mode)
            m_job.header.A5 = true;
        return run;
    }

    void plan(const PreparedRun &run) override
    {
        ReceiptLayoutBase::plan(run);
        const float H = run.scale.H;
        const float V = run.scale.V;
        m_xo = wholeMmOffset(PrintIni::receiptBaseX, H);
        m_yo1 = decimalMmOffset(PrintIni::receiptBaseY1, V);
        m_yo2 = int(std::trunc(2010 * double(V) + decimalMmOffset(PrintIni::receiptBaseY2, V)));
        m_cut = decimalMmOffset(PrintIni::cutPosition, V);
        m_copyOnSecondSheet = m_job.header.A5;
    }

    int pageCount() const override { return m_copyOnSecondSheet ? 2 : 1; }

    void drawPage(PrintCanvas &canvas, int page) override
    {
        const LayoutScale scale = m_settings.run.scale;
        if (page == 1) {
            drawCopy(canvas, {scale, m_xo, m_yo1});
            return;
        }
        drawer(canvas, {scale, m_xo, m_yo1}, PrintIni::receiptColour.value()).drawImage(false);
        if (m_copyOnSecondSheet)
            return;
        drawCutMarks(canvas, scale);
        drawCopy(canvas, {scale, m_xo, m_yo2});
    }

private:
    void drawCopy(PrintCanvas &canvas, const Placement &place)
    {
        drawer(canvas, place, PrintIni::receiptCopyColour.value()).drawImage(true);
    }

    void drawCutMarks(PrintCanvas &canvas, const LayoutScale &scale)
    {
        canvas.setPen({Qt::black, 1, CanvasPenStyle::Dotted});
        const int y = int(std::trunc(2033 * double(scale.V) + m_cut));
        const Placement sheet{scale, m_xo, 0};
        canvas.moveTo(sheet.x(0), y);
        canvas.lineTo(sheet.x(200), y);
        canvas.moveTo(sheet.x(2678), y);
        canvas.lineTo(sheet.x(2878), y);
    }

    int m_xo = 0;
    int m_yo1 = 0;
    int m_yo2 = 0;
    int m_cut = 0;
    bool m_copyOnSecondSheet = false;
};

class SmallReceiptLayout final : public ReceiptLayoutBase
{
public:
    SmallReceiptLayout(SlipPrintJob &job, PrintRunState &state)
        : ReceiptLayoutBase(job, state, QStringLiteral("領収証(スモール)"))
    {}

    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind) override
    {
        const std::optional<PrinterMetrics> metrics =
            setUpPrinter(printer, PrinterChoice(printerChoiceFile(false)));
        if (!metrics)
            return std::nullopt;
        PreparedRun run;
        run.metrics = *metrics;
        run.scale = layoutScale(run.metrics.pageWidth, run.metrics.pageHeight, false);
        return run;
    }

    void plan(const PreparedRun &run) override
    {
        ReceiptLayoutBase::plan(run);
        m_yo = decimalMmOffset(PrintIni::smallReceiptY, run.scale.V);
    }

    int pageCount() const override { return 1; }

    void drawPage(PrintCanvas &canvas, int) override
    {
        const Placement place{m_settings.run.scale, 0, m_yo};
        drawer(canvas, place, PrintIni::receiptColour.value())
            .drawSmall(m_settings.run.metrics.offsetY);
    }

private:
    int m_yo = 0;
};

bool runReceipt(LayoutId id, SlipPrintJob &job, const PrintTarget &target, PrintRunState &state)
{
    return runLayoutOf(id, {job, state}, target);
}

} // namespace

ReceiptAmounts receiptAmounts(const SlipPrintJob &job)
{
    ReceiptAmounts texts = slipAmounts(job);
    if (!job.statement)
        return texts;
    const StatementReceiptValues &s = *job.statement;
    texts.amount = justified10(s.amountSum + s.taxSum);
    if (s.inclusiveTax)
        texts.net = justified10(s.compiledNet);
    else if (s.taxSum != Money())
        texts.net = justified10(s.amountSum);
    texts.tax = justified10(s.inclusiveTax ? s.compiledTax : s.taxSum);
    return texts;
}

bool isZeroAmountText(const QString &text)
{
    const QString value = text.trimmed();
    return value.isEmpty() || value == QStringLiteral("0");
}

bool PRINT_RYOSYUU(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runReceipt(LayoutId::Receipt, job, PrinterTarget{printer}, state);
}

bool PP_PRINT_RYOSYUU(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                      PrintRunState &state)
{
    return runReceipt(LayoutId::Receipt, job, PreviewTarget{printer, preview}, state);
}

bool PRINT_RYOSYUU_S(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runReceipt(LayoutId::SmallReceipt, job, PrinterTarget{printer}, state);
}

bool PP_PRINT_RYOSYUU_S(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                        PrintRunState &state)
{
    return runReceipt(LayoutId::SmallReceipt, job, PreviewTarget{printer, preview}, state);
}

std::unique_ptr<Layout> makeReceiptLayout(const LayoutInput &input)
{
    return std::make_unique<ReceiptLayout>(input.job, input.state);
}

std::unique_ptr<Layout> makeSmallReceiptLayout(const LayoutInput &input)
{
    return std::make_unique<SmallReceiptLayout>(input.job, input.state);
}

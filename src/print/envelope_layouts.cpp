// The ordinary envelope and the long No. 3 envelope.
#include "envelope_layouts.h"

#include "common/prompter.h"
#include "layout_registry.h"
#include "page_blocks.h"
#include "settings/print_ini.h"

#include <cmath>

namespace {

int cut(double value)
{
    return int(std::trunc(value));
}

// What both envelopes share: the window-envelope question and the address font.
class EnvelopeLayoutBase : public Layout
{
public:
    explicit EnvelopeLayoutBase(SlipPrintJob &job)
        : m_job(job)
    {}

    bool askBeforeSetup() override
    {
        askWindowEnvelope();
        return true;
    }

    void plan(const PreparedRun &run) override { m_run = run; }
    int pageCount() const override { return 1; }

protected:
    void askWindowEnvelope()
    {
        const SlipHeader &h = m_job.header;
        m_window = h.NAME1.isEmpty() && h.ADD1.isEmpty() &&
                   prompter().question(EnvelopeText::windowQuestion());
    }

    static void useAddressFont(PrintCanvas &canvas)
    {
        canvas.setFontFace(QStringLiteral("ＭＳ 明朝"));
        canvas.setFontPoints(14);
        canvas.setFontBold(false);
        canvas.setFontColour(Qt::black);
    }

    // The company block at its origin, unless "[封筒自社名]=" says "印刷しない".
    void drawCompany(PrintCanvas &canvas, const Placement &origin,
                     const CompanyBlockGeometry &geometry) const
    {
        if (!PrintIni::envelopeCompany.on())
            return;
        canvas.setFontColour(PrintIni::envelopeCompanyColour.value());
        drawCompanyLines(canvas, origin, m_job.logo, geometry);
    }

    static QString postalLine(const SlipHeader &h) { return QStringLiteral("〒") + h.YUBIN; }

    // The honorific follows the last name after a full-width space.
    static QString withHonorific(const QString &name, const SlipHeader &h)
    {
        return name + QStringLiteral("　") + h.KEISYOU;
    }

    SlipPrintJob &m_job;
    PreparedRun m_run;
    bool m_window = false;
};

class EnvelopeLayout final : public EnvelopeLayoutBase
{
public:
    using EnvelopeLayoutBase::EnvelopeLayoutBase;

    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind) override
    {
        printer.setLandscape(true);
        const std::optional<PrinterMetrics> metrics = confirmPrinterSetup(printer, nullptr);
        if (!metrics)
            return std::nullopt;
        PreparedRun run;
        run.metrics = *metrics;
        // The layout-unit grid turned sideways: 4066 across, 2878 down.
        run.scale.H = float(run.metrics.pageWidth) / float(layoutUnitsDown);
        run.scale.V = float(run.metrics.pageHeight) / float(layoutUnitsAcross);
        return run;
    }

    void drawPage(PrintCanvas &canvas, int) override
    {
        const double He = m_run.scale.H;
        const double Ve = m_run.scale.V;
        useAddressFont(canvas);
        if (!m_window) {
            const Placement address{m_run.scale,
                                    cut((PrintIni::envelopeAddressX.value() * 14 - 56) * He),
                                    cut(PrintIni::envelopeAddressY.value() * 14 * Ve)};
            drawAddress(canvas, address);
        }
        // A window envelope shows the address through its window; the company block moves
        // left into the space the printed address would have taken.
        const int xc =
            cut((770 + PrintIni::envelopeCompanyX.value() * 14 - (m_window ? 420 : 0)) * He);
        const int yc = cut(PrintIni::envelopeCompanyY.value() * 14 * Ve) + cut(1960 * Ve);
        CompanyBlockGeometry g;
        g.freeLine1Y.reset();
        g.freeLine2Y.reset();
        g.nameFace.clear();
        g.faxY.reset();
        drawCompany(canvas, {m_run.scale, xc, yc}, g);
    }

private:
    void drawAddress(PrintCanvas &canvas, const Placement &p) const
    {
        const SlipHeader &h = m_job.header;
        const auto out = [&](int x, int y, const QString &text) {
            canvas.textOut(p.x(x), p.y(y), text);
        };
        if (!h.YUBIN.isEmpty())
            out(850, 1410, postalLine(h));
        out(850, 1500, h.ADD1);
        out(900, 1600, h.ADD_2);
        if (!h.NAME2.isEmpty()) {
            out(850, 1720, h.NAME1);
            out(900, 1840, withHonorific(h.NAME2, h));
        } else if (!h.NAME1.isEmpty()) {
            out(850, 1680, withHonorific(h.NAME1, h));
        }
    }
};

class LongEnvelopeLayout final : public EnvelopeLayoutBase
{
public:
    using EnvelopeLayoutBase::EnvelopeLayoutBase;

    bool askBeforeSetup() override
    {
        prompter().information(EnvelopeText::longEnvelopePaper());
        askWindowEnvelope();
        return true;
    }

    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind) override
    {
        const PrinterChoice choice = PrinterChoice::longEnvelope();
        applyPrinterChoice(printer, choice);
        printer.applySettings();
        printer.setLandscape(true);
        const std::optional<PrinterMetrics> metrics = confirmPrinterSetup(printer, &choice);
        if (!metrics)
            return std::nullopt;
        PreparedRun run;
        run.metrics = *metrics;
        // Tenths of a millimetre.
        run.scale.H = float(run.metrics.dpiX) / 254.0f;
        run.scale.V = float(run.metrics.dpiY) / 254.0f;
        return run;
    }

    void drawPage(PrintCanvas &canvas, int) override
    {
        const double sx = m_run.scale.H;
        const double sy = m_run.scale.V;
        const int addressY = cut(PrintIni::envelopeAddressY.value() * 10 * sy);
        // The address stands 4 mm left of the position the key gives.
        const int ox = cut(PrintIni::envelopeAddressX.value() * 10 * sx + cut(-40 * sx));
        const int oy = addressY;
        useAddressFont(canvas);
        if (!m_window)
            drawAddress(canvas, {m_run.scale, ox, oy});

        // The company block keeps the address's x offset but not its y offset.
        const int cx = cut(PrintIni::envelopeCompanyX.value() * 10 * sx + ox) +
                       cut((m_window ? 300 : 550) * sx);
        const int cy =
            cut(PrintIni::envelopeCompanyY.value() * 10 * sy + oy + cut(450 * sy)) - addressY;
        // The slip's company block converted to tenths of a millimetre (layout units / 1.4).
        CompanyBlockGeometry g;
        g.baseX = 1214.2857;
        g.keyUnits = 10;
        g.logoY = 142.8571;
        g.freeLine1Y = 200;
        g.freeLine2Y = 228.5714;
        g.nameY = 257.1429;
        g.branchY = 314.2857;
        g.postalY = 357.1429;
        g.addressY = 400;
        g.address2Y = 442.8571;
        g.telY = 485.7143;
        g.faxY = 528.5714;
        drawCompany(canvas, {m_run.scale, cx, cy}, g);
    }

private:
    // Each line 2 mm under the one before.
    void drawAddress(PrintCanvas &canvas, const Placement &p) const
    {
        const SlipHeader &h = m_job.header;
        const int gap = cut(20 * m_run.scale.V);
        const auto out = [&](int x, int y, const QString &text) {
            canvas.textOut(p.x(x), y, text);
        };
        const int y1 = cut(200 * m_run.scale.V) + p.yo;
        const QString postal = postalLine(h);
        if (!h.YUBIN.isEmpty())
            out(400, y1, postal);
        const int y2 = y1 + canvas.textHeight(postal) + gap;
        out(400, y2, h.ADD1);
        const int y3 = y2 + canvas.textHeight(h.ADD1) + gap;
        out(450, y3, h.ADD_2);
        const int y4 = y3 + canvas.textHeight(h.ADD_2) + gap;
        if (!h.NAME2.isEmpty()) {
            out(400, y4, h.NAME1);
            const int y5 = y4 + canvas.textHeight(h.NAME1) + gap;
            out(450, y5, withHonorific(h.NAME2, h));
        } else if (!h.NAME1.isEmpty()) {
            out(400, y4, withHonorific(h.NAME1, h));
        }
    }
};

bool runEnvelope(LayoutId id, SlipPrintJob &job, const PrintTarget &target, PrintRunState &state)
{
    return runLayoutOf(id, {job, state}, target);
}

} // namespace

bool FUUTOU(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runEnvelope(LayoutId::Envelope, job, PrinterTarget{printer}, state);
}

bool FUUTOU_PP(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
               PrintRunState &state)
{
    return runEnvelope(LayoutId::Envelope, job, PreviewTarget{printer, preview}, state);
}

bool FUUTOU3(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runEnvelope(LayoutId::LongEnvelope, job, PrinterTarget{printer}, state);
}

bool FUUTOU3_PP(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state)
{
    return runEnvelope(LayoutId::LongEnvelope, job, PreviewTarget{printer, preview}, state);
}

std::unique_ptr<Layout> makeEnvelopeLayout(const LayoutInput &input)
{
    return std::make_unique<EnvelopeLayout>(input.job);
}

std::unique_ptr<Layout> makeLongEnvelopeLayout(const LayoutInput &input)
{
    return std::make_unique<LongEnvelopeLayout>(input.job);
}

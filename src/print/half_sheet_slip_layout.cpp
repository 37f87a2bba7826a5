// The 5-row and 7-row slip layouts: half-sheet images, two on an A4 sheet one
// above the other, or one per sheet.
#include "layout_registry.h"
#include "page_blocks.h"
#include "settings/print_ini.h"
#include "settings/settings_file.h"
#include "slip/string_grid.h"
#include "slip_item_table.h"

#include <cmath>

namespace {

// What distinguishes the 7-row slip from the 5-row slip.
struct SlipGeometry
{
    ItemTableGeometry table;
    int lowerOffsetUnits = 1950;
    bool sevenRows = false;
};

const SlipGeometry fiveRows{{830, 1550, 5}, 1950, false};
const SlipGeometry sevenRows{{830, 1790, 7}, 2010, true};

// Settings read once per run.
struct LayoutSettings
{
    PreparedRun run;
    int xo = 0;
    int yo1 = 0;
    int yo2 = 0;
    int cut = 0;
    ShapeColumn shape;
    FrameSettings frame;
    bool oneSlipPerSheet = false;
    bool bankKeysSet = false;
    bool kakko = false;
    bool inclusiveLabel = false;
    bool punchGuide = false;
    int punch1 = 0;
    int punch2 = 0;
};

LayoutSettings readLayoutSettings(const PreparedRun &run, const SlipGeometry &geometry,
                                  const SlipHeader &header)
{
    const float H = run.scale.H;
    const float V = run.scale.V;
    LayoutSettings s;
    s.run = run;
    s.xo = wholeMmOffset(PrintIni::slipBaseX, H);
    s.yo1 = decimalMmOffset(PrintIni::slipBaseY1, V);
    s.yo2 = int(std::trunc(geometry.lowerOffsetUnits * double(V))) +
            decimalMmOffset(PrintIni::slipBaseY2, V);
    s.cut = decimalMmOffset(PrintIni::cutPosition, V);
    s.shape = readShapeColumn(H);
    s.frame = readFrameSettings();
    s.oneSlipPerSheet = header.A5;
    s.bankKeysSet = !PrintIni::bank1.value().isEmpty() || !PrintIni::holder1.value().isEmpty();
    s.kakko = PrintIni::inclusiveTaxParentheses.on();
    s.inclusiveLabel = PrintIni::inclusiveTaxLabel.on();
    s.punchGuide = PrintIni::punchGuide.on();
    s.punch1 = decimalMmOffset(PrintIni::punchPosition1, V);
    s.punch2 = decimalMmOffset(PrintIni::punchPosition2, V);
    return s;
}

Placement imagePlacement(const LayoutSettings &s, bool lower)
{
    return {s.run.scale, s.xo, lower ? s.yo2 : s.yo1};
}

class SlipImageDrawer
{
public:
    SlipImageDrawer(PrintCanvas &canvas, const SlipPrintJob &job, const LayoutSettings &s,
                    const SlipGeometry &geometry, const SlipImage &image, bool lower)
        : m_p(canvas, imagePlacement(s, lower), s.frame, slipKindColour(image.kind))
        , m_table(m_p, job, image.kind, geometry.table, s.shape)
        , m_canvas(canvas)
        , m_job(job)
        , m_s(s)
        , m_geometry(geometry)
        , m_image(image)
        , m_lower(lower)
        , m_kind(image.kind)
        , m_exemptTotals(job.header.taxMode == TaxMode::Exempt && image.kind < 6)
    {
        // The stamp boxes and bank lines move up where a one-slip sheet has room.
        m_s2 = s.oneSlipPerSheet && (m_kind == 2 || m_kind == 4) && s.bankKeysSet ? 120 : 0;
    }

    void draw()
    {
        drawBlocks();
        m_table.drawLines();
        m_table.drawColumnTitles();
        if (m_geometry.sevenRows) {
            m_table.drawTotalsStrip(inclusiveLabel());
        } else {
            drawTotalsLabels();
            drawTotalsBoxes();
            drawStampBoxes();
        }
        m_sums = m_table.drawRows(m_image.firstRow);
        if (!m_geometry.sevenRows)
            drawTotalsArea();
        drawTotalsValues();
        drawQualifiedInvoiceLines();
        drawBank();
        drawOrderNote();
        drawPunchGuide();
        if (!m_lower && !m_s.oneSlipPerSheet)
            drawCutMarks();
    }

private:
    double V() const { return m_p.V(); }

    void drawBlocks()
    {
        SlipPageInfo page = slipPageInfo(m_job, m_image);
        page.numberLabelPoints = m_lower ? 10 : 11;
        page.leadY = 770;
        drawSlipPageBlocks(m_p, page);
    }

    bool inclusiveLabel() const
    {
        return m_job.header.taxMode == TaxMode::Inclusive && m_s.inclusiveLabel;
    }

    void drawTotalsLabels()
    {
        if (m_kind == 3)
            return;
        m_p.useKindFont(11);
        if (m_exemptTotals) {
            m_p.text(2100, 1590, QStringLiteral("合計金額"));
            return;
        }
        m_p.text(2100, 1590, QStringLiteral("税抜合計"));
        m_p.text(2100, 1710,
                 inclusiveLabel() ? QStringLiteral("内税額") : QStringLiteral("消費税額"));
        m_p.text(2100, 1830, QStringLiteral("税込合計"));
    }

    void drawTotalsBoxes()
    {
        m_canvas.setFontColour(dataColour());
        m_canvas.setPenWidth(m_s.frame.width);
        if (m_kind == 3)
            return;
        m_p.frameBox(2340, 1550, 2700, 1670);
        if (!m_exemptTotals) {
            m_p.frameBox(2340, 1670, 2700, 1790);
            m_p.frameBox(2340, 1790, 2700, 1910);
        }
    }

    void drawStampBoxes()
    {
        m_canvas.setPenWidth(2);
        m_p.frameBox(1380, 1710 - m_s2, 1580, 1910 - m_s2);
        m_p.frameBox(1620, 1710 - m_s2, 1820, 1910 - m_s2);
    }

    void drawTotalsArea()
    {
        m_p.useDottedPen();
        m_p.frameBox(250, 1580, 1300, 1910 - m_s2);
    }

    void drawTotalsValues()
    {
        const std::optional<TotalsBox> values = m_table.printedTotals(m_sums, m_s.kakko);
        if (!values)
            return;
        if (m_geometry.sevenRows) {
            m_table.drawTotalsStripValues(*values);
            return;
        }
        m_p.useNumberFont();
        m_p.rightAligned(2670, m_p.y(1580), values->line1);
        m_p.rightAligned(2670, m_p.y(1700), values->line2);
        m_p.rightAligned(2670, m_p.y(1820), values->line3);
    }

    // The lines of a qualified invoice: the total and the tax of each rate, and the note on
    // the "※" of reduced-rate items. The 5-row slip writes them into the dotted area left of
    // the stamp boxes, the 7-row slip under its totals strip.
    void drawQualifiedInvoiceLines()
    {
        const bool note = m_table.printsReducedRateNote(m_image.firstRow);
        const QStringList lines = m_table.qualifiedRateLines(m_sums);
        if (!note && lines.isEmpty())
            return;
        m_p.useDataTextFont();
        m_canvas.setFontPoints(9);
        if (m_geometry.sevenRows) {
            int y = 1920;
            for (const QString &line : lines) {
                m_p.rightAligned(2670, m_p.y(y), line);
                y += 50;
            }
            if (note)
                m_p.text(1340, 1920, reducedRateNote());
            return;
        }
        int y = 1600;
        for (const QString &line : lines) {
            m_p.text(280, y, line);
            y += 60;
        }
        if (note)
            m_p.text(280, y, reducedRateNote());
    }

    void drawBank()
    {
        if (m_kind != 2 && m_kind != 4)
            return;
        if (m_geometry.sevenRows)
            drawBankBlock(m_p, 250, 1795);
        else
            drawBankBlock(m_p, 260, m_s.oneSlipPerSheet ? 1805 : 1920);
    }

    void drawOrderNote()
    {
        if (!m_geometry.sevenRows || m_kind != 5)
            return;
        useFixedFont(m_canvas, 11);
        m_canvas.setFontColour(slipKindColour(5));
        m_p.text(250, 1820, INI_IN(QStringLiteral("HATTYU.INI"), QStringLiteral("[発注書]=")));
    }

    void drawPunchGuide()
    {
        if (!m_s.punchGuide)
            return;
        const int pageHeight = m_s.run.metrics.pageHeight;
        int y = 0;
        if (m_lower)
            y = int(std::trunc(pageHeight * 3.0 / 4)) + m_s.punch2;
        else
            y = int(std::trunc(pageHeight / (m_s.run.a5Mode ? 2.0 : 4.0))) + m_s.punch1;
        m_p.punchGuide(y);
    }

    void drawCutMarks()
    {
        m_p.useDottedPen();
        const int y = int(std::trunc(2033 * V() + m_s.cut));
        m_canvas.moveTo(m_p.x(0), y);
        m_canvas.lineTo(m_p.x(200), y);
        m_canvas.moveTo(m_p.x(2678), y);
        m_canvas.lineTo(m_p.x(2878), y);
    }

    LayoutPainter m_p;
    SlipItemTable m_table;
    PrintCanvas &m_canvas;
    const SlipPrintJob &m_job;
    const LayoutSettings &m_s;
    const SlipGeometry &m_geometry;
    const SlipImage &m_image;
    bool m_lower;
    int m_kind;
    bool m_exemptTotals;
    int m_s2 = 0;
    PageSums m_sums;
};

// One sheet: the upper image, and the lower one when two share the sheet.
struct Sheet
{
    SlipImage upper;
    std::optional<SlipImage> lower;
};

class HalfSheetSlipLayout final : public Layout
{
public:
    HalfSheetSlipLayout(SlipPrintJob &job, const SlipGeometry &geometry)
        : m_job(job)
        , m_geometry(geometry)
    {}

    QString confirmation() const override
    {
        return slipConfirmation(m_job.header.taxMode, m_geometry.table.rows);
    }

    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind) override
    {
        return prepareSlipRun(printer, m_job.header);
    }

    void plan(const PreparedRun &run) override
    {
        m_settings = readLayoutSettings(run, m_geometry, m_job.header);
        const std::vector<SlipImage> images =
            slipImages(slipKindList(m_job.header), m_job.items->rows(), m_job.lastUsedRow,
                       m_geometry.table.rows);
        m_sheets.clear();
        for (size_t i = 0; i < images.size(); ++i) {
            Sheet sheet{images[i], std::nullopt};
            if (!m_settings.oneSlipPerSheet && i + 1 < images.size())
                sheet.lower = images[++i];
            m_sheets.push_back(sheet);
        }
    }

    int pageCount() const override { return int(m_sheets.size()); }

    void drawPage(PrintCanvas &canvas, int page) override
    {
        const Sheet &sheet = m_sheets.at(size_t(page));
        SlipImageDrawer(canvas, m_job, m_settings, m_geometry, sheet.upper, false).draw();
        if (sheet.lower)
            SlipImageDrawer(canvas, m_job, m_settings, m_geometry, *sheet.lower, true).draw();
    }

private:
    SlipPrintJob &m_job;
    const SlipGeometry &m_geometry;
    LayoutSettings m_settings;
    std::vector<Sheet> m_sheets;
};

} // namespace

std::unique_ptr<Layout> makeFiveRowSlipLayout(const LayoutInput &input)
{
    return std::make_unique<HalfSheetSlipLayout>(input.job, fiveRows);
}

std::unique_ptr<Layout> makeSevenRowSlipLayout(const LayoutInput &input)
{
    return std::make_unique<HalfSheetSlipLayout>(input.job, sevenRows);
}

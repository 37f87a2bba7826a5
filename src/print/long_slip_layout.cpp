// The 24-row and 36-row slip layouts: one slip image per A4 sheet with a long item table.
#include "layout_registry.h"
#include "page_blocks.h"
#include "settings/print_ini.h"
#include "settings/settings_file.h"
#include "slip/string_grid.h"
#include "slip_item_table.h"

#include <QStringView>

#include <algorithm>
#include <cmath>

namespace {

// What distinguishes the 36-row slip from the 24-row slip: the table and the file of an
// earlier version that says how far the body stands below the header.
struct LongSlipGeometry
{
    ItemTableGeometry table;
    QStringView marginFile;
    QStringView marginKey;
};

const LongSlipGeometry rows24{
    {850, 3850, 24, 120, 8, 15, 65, false}, u"24GYO_YOHAKU.INI", u"[24行伝票余白調整値]="};
const LongSlipGeometry rows36{
    {850, 3850, 36, 80, 6, 7, 42, true}, u"36GYO_YOHAKU.INI", u"[36行伝票余白調整値]="};

// The body (lead sentence, table, totals, bank lines) stands 4 mm below the header blocks,
// or as many whole millimetres as the margin file says. A value that is no number leaves
// the 4 mm; one beyond any page is held to the page positions' limits.
int bodyOffset(const LongSlipGeometry &geometry, float V, int yo)
{
    bool isNumber = false;
    const int mm =
        INI_IN(geometry.marginFile.toString(), geometry.marginKey.toString()).toInt(&isNumber);
    const PrintIni::Range limits = PrintIni::Spec::millimetres;
    const double units = isNumber ? std::clamp(mm, limits.min, limits.max) * 14.0 : 56.0;
    return int(std::trunc(units * double(V))) + yo;
}

// Settings read once per run.
struct LongSlipSettings
{
    PreparedRun run;
    int xo = 0;
    int yo = 0; // the header blocks; scaled with the horizontal scale, as the key always was
    int yb = 0; // the body
    ShapeColumn shape;
    FrameSettings frame;
    bool kakko = false;
    bool inclusiveLabel = false;
    bool punchGuide = false;
    int punchY = 0; // device y of the punch guide
};

LongSlipSettings readLongSlipSettings(const PreparedRun &run, const LongSlipGeometry &geometry)
{
    const float H = run.scale.H;
    const float V = run.scale.V;
    LongSlipSettings s;
    s.run = run;
    s.xo = wholeMmOffset(PrintIni::longSlipBaseX, H);
    s.yo = wholeMmOffset(PrintIni::longSlipBaseY, H);
    s.yb = bodyOffset(geometry, V, s.yo);
    s.shape = readShapeColumn(H);
    s.frame = readFrameSettings();
    s.kakko = PrintIni::inclusiveTaxParentheses.on();
    s.inclusiveLabel = PrintIni::inclusiveTaxLabel.on();
    s.punchGuide = PrintIni::punchGuide.on();
    s.punchY = int(std::trunc(run.metrics.pageHeight / 2.0)) +
               decimalMmOffset(PrintIni::punchPosition3, V);
    return s;
}

class LongSlipImageDrawer
{
public:
    LongSlipImageDrawer(PrintCanvas &canvas, const SlipPrintJob &job, const LongSlipSettings &s,
                        const LongSlipGeometry &geometry, const SlipImage &image)
        : m_header(canvas, {s.run.scale, s.xo, s.yo}, s.frame, slipKindColour(image.kind))
        , m_body(canvas, {s.run.scale, s.xo, s.yb}, s.frame, slipKindColour(image.kind))
        , m_table(m_body, job, image.kind, geometry.table, s.shape)
        , m_job(job)
        , m_s(s)
        , m_image(image)
    {}

    void draw()
    {
        SlipPageInfo page = slipPageInfo(m_job, m_image);
        page.numberLabelPoints = 10;
        page.leadY = 780;
        drawSlipHeaderBlocks(m_header, page);
        drawLeadSentence(m_body, page);
        m_table.drawLines();
        m_table.drawColumnTitles();
        m_table.drawTotalsStrip(m_job.header.taxMode == TaxMode::Inclusive && m_s.inclusiveLabel);
        const PageSums sums = m_table.drawRows(m_image.firstRow);
        if (const std::optional<TotalsBox> values = m_table.printedTotals(sums, m_s.kakko))
            m_table.drawTotalsStripValues(*values);
        drawQualifiedInvoiceLine(sums);
        if (m_image.kind == 2 || m_image.kind == 4)
            drawBankBlock(m_body, 250, 3860);
        if (m_s.punchGuide)
            m_body.punchGuide(m_s.punchY);
    }

private:
    // A qualified invoice's note and the total and tax of each rate, in one small line right
    // under the totals strip: the bank lines take the space left of the strip, and the page
    // ends little below it.
    void drawQualifiedInvoiceLine(const PageSums &sums)
    {
        QStringList parts;
        if (m_table.printsReducedRateNote(m_image.firstRow))
            parts << reducedRateNote();
        parts << m_table.qualifiedRateLines(sums);
        if (parts.isEmpty())
            return;
        m_body.useDataTextFont();
        m_body.canvas().setFontPoints(7);
        m_body.rightAligned(2670, m_body.y(3972), parts.join(QStringLiteral("　")));
    }

    LayoutPainter m_header;
    LayoutPainter m_body;
    SlipItemTable m_table;
    const SlipPrintJob &m_job;
    const LongSlipSettings &m_s;
    const SlipImage &m_image;
};

class LongSlipLayout final : public Layout
{
public:
    LongSlipLayout(SlipPrintJob &job, const LongSlipGeometry &geometry)
        : m_job(job)
        , m_geometry(geometry)
    {}

    QString confirmation() const override
    {
        return slipConfirmation(m_job.header.taxMode, m_geometry.table.rows);
    }

    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind) override
    {
        return prepareA4SlipRun(printer);
    }

    void plan(const PreparedRun &run) override
    {
        m_settings = readLongSlipSettings(run, m_geometry);
        m_images = slipImages(slipKindList(m_job.header), m_job.items->rows(), m_job.lastUsedRow,
                              m_geometry.table.rows);
    }

    int pageCount() const override { return int(m_images.size()); }

    void drawPage(PrintCanvas &canvas, int page) override
    {
        LongSlipImageDrawer(canvas, m_job, m_settings, m_geometry, m_images.at(size_t(page)))
            .draw();
    }

private:
    SlipPrintJob &m_job;
    const LongSlipGeometry &m_geometry;
    LongSlipSettings m_settings;
    std::vector<SlipImage> m_images;
};

} // namespace

std::unique_ptr<Layout> makeSlip24RowsLayout(const LayoutInput &input)
{
    return std::make_unique<LongSlipLayout>(input.job, rows24);
}

std::unique_ptr<Layout> makeSlip36RowsLayout(const LayoutInput &input)
{
    return std::make_unique<LongSlipLayout>(input.job, rows36);
}

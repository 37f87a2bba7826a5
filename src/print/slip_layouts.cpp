#include "slip_layouts.h"

#include "common/prompter.h"
#include "page_blocks.h"
#include "print_numbers.h"
#include "settings/print_ini.h"
#include "settings/settings_file.h"
#include "slip/calculation.h"
#include "slip/string_grid.h"

#include <cmath>

namespace {

// What distinguishes the 7-row slip from the 5-row slip.
struct SlipGeometry
{
    int rows = 5;
    int tableBottom = 1550;
    int lowerOffsetUnits = 1950;
    bool sevenRows = false;
};

const SlipGeometry fiveRows{5, 1550, 1950, false};
const SlipGeometry sevenRows{7, 1790, 2010, true};

// Settings read once per run.
struct LayoutSettings
{
    PreparedRun run;
    int xo = 0;
    int yo1 = 0;
    int yo2 = 0;
    int cut = 0;
    int SHW = 0;
    int nameRight = 1600; // layout units
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
    s.xo = wholeMmOffset(QStringLiteral("[5/7xBase]="), H);
    s.yo1 = decimalMmOffset(QStringLiteral("[5/7yBase1]="), V);
    s.yo2 = int(std::trunc(geometry.lowerOffsetUnits * double(V))) +
            decimalMmOffset(QStringLiteral("[5/7yBase2]="), V);
    s.cut = decimalMmOffset(QStringLiteral("[切取位置]="), V);
    s.SHW = decimalMmOffset(QStringLiteral("[形状幅]="), H);
    s.nameRight = 1600 - int(std::trunc(PrintIni::fraction(QStringLiteral("[形状幅]=")) * 14));
    s.frame = readFrameSettings();
    s.oneSlipPerSheet = header.A5;
    s.bankKeysSet = !PrintIni::text(QStringLiteral("[振込先]=")).isEmpty() ||
                    !PrintIni::text(QStringLiteral("[名義]=")).isEmpty();
    s.kakko = PrintIni::flag(QStringLiteral("[かっこ]="));
    s.inclusiveLabel = PrintIni::flag(QStringLiteral("[内税表示]="));
    s.punchGuide = PrintIni::flag(QStringLiteral("[パンチ穴線]="));
    s.punch1 = decimalMmOffset(QStringLiteral("[パンチ穴位置]="), V);
    s.punch2 = decimalMmOffset(QStringLiteral("[パンチ穴位置2]="), V);
    return s;
}

class SlipImageDrawer
{
public:
    SlipImageDrawer(PrintCanvas &canvas, const SlipPrintJob &job, const LayoutSettings &s,
                    const SlipGeometry &geometry, const SlipImage &image, bool lower)
        : m_canvas(canvas)
        , m_job(job)
        , m_s(s)
        , m_geometry(geometry)
        , m_image(image)
        , m_lower(lower)
        , m_kind(image.kind)
        , m_kindColor(slipKindColor(image.kind))
        , m_exemptTotals(job.header.taxMode == TaxMode::Exempt && image.kind < 6)
    {
        m_place.scale = s.run.scale;
        m_place.xo = s.xo;
        m_place.yo = lower ? s.yo2 : s.yo1;
        // The stamp boxes and bank lines move up where a one-slip sheet has room.
        m_s2 = s.oneSlipPerSheet && (m_kind == 2 || m_kind == 4) && s.bankKeysSet ? 120 : 0;
    }

    void draw()
    {
        drawBlocks();
        drawTable();
        drawColumnTitles();
        if (m_geometry.sevenRows) {
            drawTotalsStrip();
        } else {
            drawTotalsLabels();
            drawTotalsBoxes();
            drawStampBoxes();
        }
        drawItemRows();
        if (!m_geometry.sevenRows)
            drawTotalsArea();
        drawTotalsValues();
        drawBank();
        drawOrderNote();
        drawPunchGuide();
        if (!m_lower && !m_s.oneSlipPerSheet)
            drawCutMarks();
    }

private:
    double H() const { return m_s.run.scale.H; }
    double V() const { return m_s.run.scale.V; }

    void line(int x1, int y1, int x2, int y2)
    {
        m_canvas.moveTo(m_place.x(x1), m_place.y(y1));
        m_canvas.lineTo(m_place.x(x2), m_place.y(y2));
    }

    void box(int x1, int y1, int x2, int y2)
    {
        m_canvas.roundRect(m_place.x(x1), m_place.y(y1), m_place.x(x2), m_place.y(y2),
                           m_s.frame.corner, m_s.frame.corner);
    }

    // The y in layout units that centres a text of height h in a 120-unit band.
    int centredY(int bandTop, int h) const
    {
        return bandTop + int(std::trunc(std::trunc((120 * V() - h) / 2) / V()));
    }

    void centreText(int left, int right, int y, const QString &text)
    {
        const int w = m_canvas.textWidth(text);
        m_canvas.textOut(left + (right - left - w) / 2, y, text);
    }

    void rightAligned(int rightEdge, int y, const QString &text)
    {
        if (!text.isEmpty())
            m_canvas.textOut(m_place.x(rightEdge) - m_canvas.textWidth(text), y, text);
    }

    void useFixedFont(int points)
    {
        m_canvas.setFontFace(fixedFontFace());
        m_canvas.setFontBold(false);
        m_canvas.setFontPoints(points);
    }

    void useNumberFont()
    {
        applyFontKey(m_canvas, QStringLiteral("[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]="));
        m_canvas.setFontBold(false);
        m_canvas.setFontPoints(PrintIni::integer(QStringLiteral("[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]="), 12));
        m_canvas.setFontColor(dataColor());
    }

    void useDataTextFont()
    {
        applyFontKey(m_canvas, QStringLiteral("[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]="));
        m_canvas.setFontBold(false);
        m_canvas.setFontPoints(PrintIni::integer(QStringLiteral("[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]="), 10));
        m_canvas.setFontColor(dataColor());
    }

    void drawBlocks()
    {
        SlipPageInfo page;
        page.header = &m_job.header;
        page.kind = m_kind;
        page.title = slipKindTitle(m_kind, m_job.captions);
        page.kindColor = m_kindColor;
        page.pageNumber = m_image.pageNumber;
        page.place = m_place;
        page.numberLabelPoints = m_lower ? 10 : 11;
        page.leadY = 770;
        page.logo = m_job.logo;
        page.captions = m_job.captions;
        page.frame = m_s.frame;
        drawSlipPageBlocks(m_canvas, page);
    }

    void drawTable()
    {
        const int bottom = m_geometry.tableBottom;
        m_canvas.setPen({m_kindColor, m_s.frame.width, CanvasPenStyle::Solid});
        box(250, 830, 2700, bottom);
        for (int i = 0; i < m_geometry.rows; ++i) {
            const int y = 950 + 120 * i;
            m_canvas.setPenWidth(i == 0 ? m_s.frame.width : 2);
            if (m_kind == 3) {
                // The receipt copy keeps the right part free for the stamp.
                if (i == 0)
                    line(250, y, 2700, y);
                line(250, y, 2000, y);
            } else {
                line(250, y, 2700, y);
            }
        }
        if (m_s.SHW > 0) {
            m_canvas.setPen({m_kindColor, 1, CanvasPenStyle::Dotted});
            const int x = int(std::trunc(1600 * H() - m_s.SHW + m_place.xo));
            m_canvas.moveTo(x, m_place.y(830));
            m_canvas.lineTo(x, m_place.y(bottom));
            m_canvas.setPen({m_kindColor, m_s.frame.width, CanvasPenStyle::Solid});
        }
        for (int x : {1600, 1854, 2000, 2340}) {
            if (x == 2340 && m_kind == 3)
                continue;
            line(x, 830, x, bottom);
        }
    }

    QString titleOr(const char *key, const char *fallback) const
    {
        const QString text = PrintIni::text(QString::fromUtf8(key));
        return text.isEmpty() ? QString::fromUtf8(fallback) : text;
    }

    void drawColumnTitles()
    {
        m_canvas.setFontColor(m_kindColor);
        useFixedFont(11);
        const int y = m_place.y(centredY(830, m_canvas.textHeight(QStringLiteral("請求書"))));
        const Placement &p = m_place;
        const int nameRight = m_s.SHW > 0 ? p.x(1600) - m_s.SHW : p.x(1600);
        QString name = PrintIni::text(QStringLiteral("[品名の変更]="));
        if (name.isEmpty())
            name = m_s.SHW > 0 ? QStringLiteral("品　　 　　　名")
                               : QStringLiteral("品　　  　　　　　名");
        centreText(p.x(250), nameRight, y, name);
        if (m_s.SHW > 0)
            centreText(p.x(1600) - m_s.SHW, p.x(1600), y, titleOr("[形状]=", "形状・寸法"));
        centreText(p.x(1600), p.x(1854), y, titleOr("[数量]=", "数 量"));
        centreText(p.x(1854), p.x(2000), y, titleOr("[単位]=", "単位"));
        if (m_kind == 3) {
            centreText(p.x(2000), p.x(2700), y, QStringLiteral("受　領　印"));
        } else {
            centreText(p.x(2000), p.x(2340), y, titleOr("[単価]=", "単　価"));
            centreText(p.x(2340), p.x(2700), y, titleOr("[金額]=", "金　額"));
        }
    }

    QString taxLineLabel() const
    {
        return m_job.header.taxMode == TaxMode::Inclusive && m_s.inclusiveLabel
                   ? QStringLiteral("内税額")
                   : QStringLiteral("消費税額");
    }

    void drawTotalsLabels()
    {
        if (m_kind == 3)
            return;
        m_canvas.setFontColor(m_kindColor);
        useFixedFont(11);
        const Placement &p = m_place;
        if (m_exemptTotals) {
            m_canvas.textOut(p.x(2100), p.y(1590), QStringLiteral("合計金額"));
            return;
        }
        m_canvas.textOut(p.x(2100), p.y(1590), QStringLiteral("税抜合計"));
        m_canvas.textOut(p.x(2100), p.y(1710), taxLineLabel());
        m_canvas.textOut(p.x(2100), p.y(1830), QStringLiteral("税込合計"));
    }

    void drawTotalsBoxes()
    {
        m_canvas.setFontColor(dataColor());
        m_canvas.setPenWidth(m_s.frame.width);
        if (m_kind == 3)
            return;
        box(2340, 1550, 2700, 1670);
        if (!m_exemptTotals) {
            box(2340, 1670, 2700, 1790);
            box(2340, 1790, 2700, 1910);
        }
    }

    void drawStampBoxes()
    {
        m_canvas.setPenWidth(2);
        box(1380, 1710 - m_s2, 1580, 1910 - m_s2);
        box(1620, 1710 - m_s2, 1820, 1910 - m_s2);
    }

    // Two characters one above the other, as the narrow strip boxes take them.
    void stackedLabel(int x, const QString &top, const QString &bottom)
    {
        m_canvas.textOut(m_place.x(x), m_place.y(1798), top);
        m_canvas.textOut(m_place.x(x), m_place.y(1848), bottom);
    }

    void drawTotalsStrip()
    {
        if (m_kind == 3)
            return;
        m_canvas.setPenWidth(m_s.frame.width);
        if (!m_exemptTotals) {
            box(1340, 1790, 1440, 1910);
            box(1440, 1790, 1790, 1910);
            box(1790, 1790, 1890, 1910);
            box(1890, 1790, 2240, 1910);
        }
        box(2240, 1790, 2340, 1910);
        box(2340, 1790, 2700, 1910);
        m_canvas.setFontColor(m_kindColor);
        useFixedFont(11);
        if (m_exemptTotals) {
            stackedLabel(2260, QStringLiteral("合"), QStringLiteral("計"));
            return;
        }
        stackedLabel(1360, QStringLiteral("税"), QStringLiteral("抜"));
        if (m_job.header.taxMode == TaxMode::Inclusive && m_s.inclusiveLabel)
            stackedLabel(1810, QStringLiteral("内"), QStringLiteral("税"));
        else
            stackedLabel(1810, QStringLiteral("税"), QStringLiteral("額"));
        stackedLabel(2260, QStringLiteral("税"), QStringLiteral("込"));
    }

    // Fits a text into width pixels; below the minimum it goes into two lines at the
    // minimum size. Draws at x within the band.
    void drawFitted(const QString &text, int x, int bandTop, int width, int minimum)
    {
        const int fitted = shrinkToFit(m_canvas, text, width);
        if (minimum <= 0 || fitted >= minimum) {
            m_canvas.textOut(x, m_place.y(centredY(bandTop, m_canvas.textHeight(text))), text);
            return;
        }
        m_canvas.setFontPoints(minimum);
        const auto [first, second] = splitTwoLines(m_canvas, text, width);
        m_canvas.textOut(x, m_place.y(bandTop + 15), first);
        m_canvas.textOut(x, m_place.y(bandTop + 65), second);
    }

    void drawItemName(const QString &cellText, const QString &shape, int bandTop)
    {
        m_canvas.setFontFace(QStringLiteral("ＭＳＰ ゴシック"));
        useDataTextFont();
        const int available = !shape.isEmpty() && m_job.header.Sunpou ? m_s.nameRight - 250 : 1350;
        // Leading full-width spaces indent the name by their printed width.
        QString name = cellText;
        int indent = 0;
        while (name.startsWith(QStringLiteral("　"))) {
            indent += m_canvas.textWidth(QStringLiteral("　"));
            name.remove(0, 1);
        }
        const int width = int(std::trunc((available - 30) * H())) - indent;
        const int x = int(std::trunc(260 * H() + m_place.xo)) + indent;
        drawFitted(name, x, bandTop, width, 8);
    }

    void drawItemRows()
    {
        const StringGrid &items = *m_job.items;
        const AmountColumns columns = amountColumns(m_kind);
        for (int i = 0; i < m_geometry.rows; ++i) {
            const int row = m_image.firstRow + i;
            if (row > items.rows() - 1)
                break;
            const int bandTop = 950 + 120 * i;
            const QString shape = items.cell(ItemColumn::shape, row);
            drawItemName(items.cell(ItemColumn::name, row), shape, bandTop);

            if (m_s.SHW > 0 && m_job.header.Sunpou) {
                useDataTextFont();
                const int x = int(std::trunc(1610 * H() - m_s.SHW + m_place.xo));
                drawFitted(shape, x, bandTop, int(std::trunc(m_s.SHW - 20 * H())), 8);
            }

            useNumberFont();
            const QString quantity = formatQuantityCell(items.cell(ItemColumn::quantity, row));
            rightAligned(1834, m_place.y(centredY(bandTop, m_canvas.textHeight(quantity))),
                         quantity);

            useDataTextFont();
            const QString unit = items.cell(ItemColumn::unit, row);
            shrinkToFit(m_canvas, unit, int(std::trunc(140 * H())));
            centreText(m_place.x(1854), m_place.x(2000),
                       m_place.y(centredY(bandTop, m_canvas.textHeight(unit))), unit);

            if (m_kind == 3 || columns.price < 0)
                continue;
            useNumberFont();
            const QString price = formatPriceCell(items.cell(columns.price, row));
            const int y = m_place.y(centredY(bandTop, m_canvas.textHeight(price)));
            rightAligned(2320, y, price);
            const QString amountCell = items.cell(columns.amount, row);
            rightAligned(2670, y, formatAmountCell(amountCell));
            if (const std::optional<Money> amount = parseCellAmount(amountCell)) {
                m_sums.total += *amount;
                if (items.cell(ItemColumn::exemptMark, row) != QStringLiteral("1"))
                    m_sums.taxable += *amount;
            }
        }
    }

    void drawTotalsArea()
    {
        m_canvas.setPen({m_canvas.pen().color, 1, CanvasPenStyle::Dotted});
        box(250, 1580, 1300, 1910 - m_s2);
    }

    void drawTotalsValues()
    {
        if (m_kind == 3 || m_kind == 6)
            return;
        if (m_sums.total == Money() && !m_job.zeroPrint)
            return;
        const TotalsBox values =
            totalsBox(m_job.header.taxMode, m_kind, m_sums, {m_job.roundingMode, m_s.kakko});
        useNumberFont();
        if (m_geometry.sevenRows) {
            const int y = m_place.y(1820);
            if (m_job.header.taxMode == TaxMode::Exempt) {
                rightAligned(2670, y, values.line1);
                return;
            }
            rightAligned(1760, y, values.line1);
            rightAligned(2210, y, values.line2);
            rightAligned(2670, y, values.line3);
            return;
        }
        rightAligned(2670, m_place.y(1580), values.line1);
        rightAligned(2670, m_place.y(1700), values.line2);
        rightAligned(2670, m_place.y(1820), values.line3);
    }

    void drawBank()
    {
        if (m_kind != 2 && m_kind != 4)
            return;
        if (m_geometry.sevenRows)
            drawBankBlock(m_canvas, m_place, 250, 1795, m_kindColor);
        else
            drawBankBlock(m_canvas, m_place, 260, m_s.oneSlipPerSheet ? 1805 : 1920, m_kindColor);
    }

    void drawOrderNote()
    {
        if (!m_geometry.sevenRows || m_kind != 5)
            return;
        useFixedFont(11);
        m_canvas.setFontColor(slipKindColor(5));
        m_canvas.textOut(m_place.x(250), m_place.y(1820),
                         INI_IN(QStringLiteral("HATTYU.INI"), QStringLiteral("[発注書]=")));
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
        m_canvas.setPen({Qt::black, 1, CanvasPenStyle::Dotted});
        m_canvas.moveTo(0, y);
        m_canvas.lineTo(int(std::trunc(110 * H())), y);
    }

    void drawCutMarks()
    {
        m_canvas.setPen({m_canvas.pen().color, 1, CanvasPenStyle::Dotted});
        const int y = int(std::trunc(2033 * V() + m_s.cut));
        m_canvas.moveTo(m_place.x(0), y);
        m_canvas.lineTo(m_place.x(200), y);
        m_canvas.moveTo(m_place.x(2678), y);
        m_canvas.lineTo(m_place.x(2878), y);
    }

    PrintCanvas &m_canvas;
    const SlipPrintJob &m_job;
    const LayoutSettings &m_s;
    const SlipGeometry &m_geometry;
    const SlipImage &m_image;
    bool m_lower;
    int m_kind;
    QColor m_kindColor;
    bool m_exemptTotals;
    Placement m_place;
    int m_s2 = 0;
    PageSums m_sums;
};

QString confirmationText(TaxMode mode, int rows)
{
    const QString layout = QStringLiteral("伝票(%1行)を印刷します。").arg(rows);
    if (mode == TaxMode::Exempt)
        return QStringLiteral("非課税") + layout;
    if (mode == TaxMode::Inclusive)
        return QStringLiteral("内税") + layout;
    return layout;
}

bool runHalfSheetSlip(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview *preview,
                      PrintRunState &state, const SlipGeometry &geometry)
{
    if (!preview && !prompter().question(confirmationText(job.header.taxMode, geometry.rows)))
        return false;
    const std::optional<PreparedRun> run = prepareSlipPrinter(printer, job.header, state);
    if (!run)
        return false;
    BusyCursor busy;
    PrintDocument &target = preview ? static_cast<PrintDocument &>(*preview) : printer;
    if (preview)
        preview->setPrinterMetrics(run->metrics);
    const LayoutSettings settings = readLayoutSettings(*run, geometry, job.header);
    const std::vector<SlipImage> images =
        slipImages(slipKindList(job.header), job.items->rows(), job.lastUsedRow, geometry.rows);

    target.beginDocument();
    for (size_t i = 0; i < images.size(); ++i) {
        if (i > 0)
            target.newPage();
        SlipImageDrawer(target.pageCanvas(), job, settings, geometry, images[i], false).draw();
        if (!settings.oneSlipPerSheet && i + 1 < images.size()) {
            ++i;
            SlipImageDrawer(target.pageCanvas(), job, settings, geometry, images[i], true).draw();
        }
    }
    target.endDocument();
    return true;
}

bool runLayoutChoice(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview *preview,
                     PrintRunState &state)
{
    switch (job.header.PRN_S) {
    case 0:
        return preview ? PP_PRINTA4(job, printer, *preview, state) : PRINTA4(job, printer, state);
    case 1:
        return preview ? PP_PRINT7(job, printer, *preview, state) : PRINT7(job, printer, state);
    default:
        return false;
    }
}

bool checkSlipKinds(const SlipPrintJob &job)
{
    if (!slipKindList(job.header).isEmpty())
        return true;
    prompter().information(QStringLiteral("伝票の種類の指定がありません。"));
    return false;
}

} // namespace

bool PRINTA4(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runHalfSheetSlip(job, printer, nullptr, state, fiveRows);
}

bool PP_PRINTA4(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state)
{
    return runHalfSheetSlip(job, printer, &preview, state, fiveRows);
}

bool PRINT7(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runHalfSheetSlip(job, printer, nullptr, state, sevenRows);
}

bool PP_PRINT7(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
               PrintRunState &state)
{
    return runHalfSheetSlip(job, printer, &preview, state, sevenRows);
}

bool printSlip(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    if (!checkSlipKinds(job))
        return false;
    job.lastUsedRow = lastUsedRow(*job.items);
    return runLayoutChoice(job, printer, nullptr, state);
}

bool previewSlip(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                 PrintRunState &state)
{
    state.previewCancelled = true;
    const QString honorific = job.header.KEISYOU;
    if (honorific.isEmpty() || honorific == QStringLiteral(" ") ||
        honorific == QStringLiteral("　"))
        prompter().information(QStringLiteral("敬称がありません。\r\n"));
    if (!checkSlipKinds(job))
        return false;
    job.lastUsedRow = lastUsedRow(*job.items);
    runLayoutChoice(job, printer, &preview, state);
    return !state.previewCancelled;
}

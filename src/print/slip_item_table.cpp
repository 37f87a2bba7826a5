#include "slip_item_table.h"

#include "print_numbers.h"
#include "slip/calculation.h"
#include "slip/string_grid.h"

#include <cmath>

ShapeColumn readShapeColumn(float H)
{
    ShapeColumn shape;
    shape.SHW = decimalMmOffset(PrintIni::shapeWidth, H);
    shape.nameRight = 1600 - int(std::trunc(PrintIni::shapeWidth.decimal() * 14));
    return shape;
}

SlipItemTable::SlipItemTable(LayoutPainter &painter, const SlipPrintJob &job, int kind,
                             const ItemTableGeometry &geometry, const ShapeColumn &shape)
    : m_p(painter)
    , m_job(job)
    , m_kind(kind)
    , m_geometry(geometry)
    , m_shape(shape)
{}

void SlipItemTable::drawLines()
{
    PrintCanvas &canvas = m_p.canvas();
    const int top = m_geometry.top;
    const int bottom = m_geometry.bottom;
    m_p.useFramePen();
    m_p.frameBox(250, top, 2700, bottom);
    for (int i = 0; i < m_geometry.rows; ++i) {
        const int y = headerBottom() + m_geometry.rowPitch * i;
        if (i == 0)
            canvas.setPenWidth(m_p.frame().width);
        else if (m_geometry.dottedRowLines)
            m_p.useDottedPen(m_p.kindColour());
        else
            canvas.setPenWidth(2);
        if (m_kind == 3) {
            // The receipt copy keeps the right part free for the stamp.
            if (i == 0)
                m_p.line(250, y, 2700, y);
            m_p.line(250, y, 2000, y);
        } else {
            m_p.line(250, y, 2700, y);
        }
    }
    if (m_shape.SHW > 0) {
        m_p.useDottedPen(m_p.kindColour());
        const int x = int(std::trunc(1600 * m_p.H() - m_shape.SHW + m_p.place().xo));
        canvas.moveTo(x, m_p.y(top));
        canvas.lineTo(x, m_p.y(bottom));
        m_p.useFramePen();
    }
    if (m_geometry.dottedRowLines)
        m_p.useKindPen(2);
    for (int x : {1600, 1854, 2000, 2340}) {
        if (x == 2340 && m_kind == 3)
            continue;
        m_p.line(x, top, x, bottom);
    }
}

void SlipItemTable::drawColumnTitles()
{
    const int SHW = m_shape.SHW;
    m_p.useKindFont(11);
    const int y =
        m_p.y(m_p.centredY(m_geometry.top, m_p.canvas().textHeight(QStringLiteral("請求書"))));
    drawNameAndShapeTitles(m_p, y, 250, 1600, SHW);
    m_p.centreText(m_p.x(1600), m_p.x(1854), y,
                   PrintIni::quantityTitle.valueOr(QStringLiteral("数 量")));
    m_p.centreText(m_p.x(1854), m_p.x(2000), y,
                   PrintIni::unitTitle.valueOr(QStringLiteral("単位")));
    if (m_kind == 3) {
        m_p.centreText(m_p.x(2000), m_p.x(2700), y, QStringLiteral("受　領　印"));
    } else {
        m_p.centreText(m_p.x(2000), m_p.x(2340), y,
                       PrintIni::unitPriceTitle.valueOr(QStringLiteral("単　価")));
        m_p.centreText(m_p.x(2340), m_p.x(2700), y,
                       PrintIni::amountTitle.valueOr(QStringLiteral("金　額")));
    }
}

void drawNameAndShapeTitles(LayoutPainter &painter, int y, int left, int right, int SHW)
{
    const int nameRight = SHW > 0 ? painter.x(right) - SHW : painter.x(right);
    const QString name = PrintIni::itemNameTitle.valueOr(
        SHW > 0 ? QStringLiteral("品　　 　　　名") : QStringLiteral("品　　  　　　　　名"));
    painter.centreText(painter.x(left), nameRight, y, name);
    if (SHW <= 0)
        return;
    // A narrow shape column shrinks its title rather than letting it run into the quantity
    // title; the titles after it keep their size.
    PrintCanvas &canvas = painter.canvas();
    const int points = canvas.font().points;
    const QString shape = PrintIni::shapeTitle.valueOr(QStringLiteral("形状・寸法"));
    shrinkToFit(canvas, shape, SHW);
    const QString fitted = painter.fittedToEdge(shape, SHW);
    if (!fitted.isEmpty())
        painter.centreText(nameRight, painter.x(right), y, fitted);
    canvas.setFontPoints(points);
}

void drawItemNameText(LayoutPainter &painter, const QString &cellText, int left, int right,
                      const RowBand &band, int minimumPoints)
{
    PrintCanvas &canvas = painter.canvas();
    canvas.setFontFace(QStringLiteral("ＭＳＰ ゴシック"));
    painter.useDataTextFont();
    // Leading full-width spaces indent the name by their printed width.
    QString name = cellText;
    int indent = 0;
    while (name.startsWith(QStringLiteral("　"))) {
        indent += canvas.textWidth(QStringLiteral("　"));
        name.remove(0, 1);
    }
    const int width = int(std::trunc((right - left) * painter.H())) - indent;
    const int x = int(std::trunc(left * painter.H() + painter.place().xo)) + indent;
    painter.drawFitted(name, x, band, width, minimumPoints);
}

void SlipItemTable::drawItemName(const QString &cellText, const QString &shape, const RowBand &band)
{
    // The name ends 20 units before its column does: before the shape column when the row
    // has a shape to show, else before the quantity column.
    const int columnEnd = !shape.isEmpty() && m_job.header.Sunpou ? m_shape.nameRight : 1600;
    drawItemNameText(m_p, cellText, 260, columnEnd - 20, band, m_geometry.minimumPoints);
}

QString SlipItemTable::itemName(int row) const
{
    const StringGrid &items = *m_job.items;
    const QString name = items.cell(ItemColumn::name, row);
    if (m_job.qualified.coversKind(m_kind) &&
        lineRateOf(items.cell(ItemColumn::exemptMark, row)) == LineRate::Reduced)
        return name + reducedRateItemMark;
    return name;
}

bool SlipItemTable::printsReducedRateNote(int firstRow) const
{
    if (!m_job.qualified.coversKind(m_kind))
        return false;
    const StringGrid &items = *m_job.items;
    for (int row = firstRow; row < firstRow + m_geometry.rows && row < items.rows(); ++row) {
        if (lineRateOf(items.cell(ItemColumn::exemptMark, row)) == LineRate::Reduced &&
            !items.cell(ItemColumn::amount, row).isEmpty())
            return true;
    }
    return false;
}

PageSums SlipItemTable::drawRows(int firstRow)
{
    PrintCanvas &canvas = m_p.canvas();
    const double H = m_p.H();
    const StringGrid &items = *m_job.items;
    const AmountColumns columns = amountColumns(m_kind);
    PageSums sums;
    for (int i = 0; i < m_geometry.rows; ++i) {
        const int row = firstRow + i;
        if (row > items.rows() - 1)
            break;
        const RowBand band{headerBottom() + m_geometry.rowPitch * i, m_geometry.rowPitch,
                           m_geometry.firstLine, m_geometry.secondLine};
        const QString shape = items.cell(ItemColumn::shape, row);
        drawItemName(itemName(row), shape, band);

        if (m_shape.SHW > 0 && m_job.header.Sunpou) {
            m_p.useDataTextFont();
            const int x = int(std::trunc(1610 * H - m_shape.SHW + m_p.place().xo));
            m_p.drawFitted(shape, x, band, int(std::trunc(m_shape.SHW - 20 * H)),
                           m_geometry.minimumPoints);
        }

        m_p.useNumberFont();
        const QString quantity = formatQuantityCell(items.cell(ItemColumn::quantity, row));
        m_p.rightAligned(1834, m_p.y(m_p.centredY(band, canvas.textHeight(quantity))), quantity);

        m_p.useDataTextFont();
        const QString unit = items.cell(ItemColumn::unit, row);
        shrinkToFit(canvas, unit, int(std::trunc(140 * H)));
        m_p.centreText(m_p.x(1854), m_p.x(2000), m_p.y(m_p.centredY(band, canvas.textHeight(unit))),
                       unit);

        if (m_kind == 3 || columns.price < 0)
            continue;
        m_p.useNumberFont();
        const QString price = formatPriceCell(items.cell(columns.price, row));
        const int y = m_p.y(m_p.centredY(band, canvas.textHeight(price)));
        m_p.rightAligned(2320, y, price);
        const QString amountCell = items.cell(columns.amount, row);
        m_p.rightAligned(2670, y, formatAmountCell(amountCell));
        if (const std::optional<Money> amount = parseCellAmount(amountCell))
            sums.add(*amount, items.cell(ItemColumn::exemptMark, row));
    }
    return sums;
}

bool SlipItemTable::exemptTotals() const
{
    return m_job.header.taxMode == TaxMode::Exempt && m_kind < 6;
}

void SlipItemTable::stackedLabel(int x, const QString &top, const QString &bottom)
{
    m_p.text(x, m_geometry.bottom + 8, top);
    m_p.text(x, m_geometry.bottom + 58, bottom);
}

void SlipItemTable::drawTotalsStrip(bool inclusiveLabel)
{
    if (m_kind == 3)
        return;
    const int top = m_geometry.bottom;
    const int bottom = top + 120;
    m_p.canvas().setPenWidth(m_p.frame().width);
    if (!exemptTotals()) {
        m_p.frameBox(1340, top, 1440, bottom);
        m_p.frameBox(1440, top, 1790, bottom);
        m_p.frameBox(1790, top, 1890, bottom);
        m_p.frameBox(1890, top, 2240, bottom);
    }
    m_p.frameBox(2240, top, 2340, bottom);
    m_p.frameBox(2340, top, 2700, bottom);
    m_p.useKindFont(11);
    if (exemptTotals()) {
        stackedLabel(2260, QStringLiteral("合"), QStringLiteral("計"));
        return;
    }
    stackedLabel(1360, QStringLiteral("税"), QStringLiteral("抜"));
    if (inclusiveLabel)
        stackedLabel(1810, QStringLiteral("内"), QStringLiteral("税"));
    else
        stackedLabel(1810, QStringLiteral("税"), QStringLiteral("額"));
    stackedLabel(2260, QStringLiteral("税"), QStringLiteral("込"));
}

void SlipItemTable::drawTotalsStripValues(const TotalsBox &values)
{
    m_p.useNumberFont();
    const int y = m_p.y(m_geometry.bottom + 30);
    if (m_job.header.taxMode == TaxMode::Exempt) {
        m_p.rightAligned(2670, y, values.line1);
        return;
    }
    m_p.rightAligned(1760, y, values.line1);
    m_p.rightAligned(2210, y, values.line2);
    m_p.rightAligned(2670, y, values.line3);
}

bool SlipItemTable::printsTotals(const PageSums &sums) const
{
    if (m_kind == 3 || m_kind == 6)
        return false;
    return sums.total != Money() || m_job.zeroPrint;
}

TotalsOptions SlipItemTable::totalsOptions(bool kakko) const
{
    return {m_job.roundingMode, kakko, m_job.taxRates};
}

std::optional<TotalsBox> SlipItemTable::printedTotals(const PageSums &sums, bool kakko) const
{
    if (!printsTotals(sums))
        return std::nullopt;
    return totalsBox(m_job.header.taxMode, m_kind, sums, totalsOptions(kakko));
}

QStringList SlipItemTable::qualifiedRateLines(const PageSums &sums) const
{
    if (!m_job.qualified.coversKind(m_kind) || !printsTotals(sums))
        return {};
    // The per-rate lines need no parentheses option.
    return perRateLines(m_job.header.taxMode, sums.rateSums(), totalsOptions(false));
}

// The itemized statement layouts, forms 1 and 2.
#include "statement_layouts.h"

#include "common/clock.h"
#include "common/era_date.h"
#include "common/japanese.h"
#include "common/prompter.h"
#include "layout_registry.h"
#include "page_blocks.h"
#include "print_numbers.h"
#include "settings/print_ini.h"
#include "settings/settings_file.h"
#include "slip/number_format.h"
#include "slip/string_grid.h"
#include "slip_item_table.h"
#include "statement/statement_columns.h"

#include <algorithm>
#include <cmath>
#include <vector>

QString halfWidthNormalized(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'０' && c <= u'９')
            result += QChar(u'0' + (c.unicode() - u'０'));
        else if (c == u'－' || c == u'ー')
            result += u'-';
        else if (c == u'。')
            result += u'.';
        else if (c == u'／')
            result += u'/';
        else if (c != u',' && c != u'、')
            result += c;
    }
    return result;
}

std::optional<QDate> statementIssueDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale = japaneseLocale();
    for (const char *form : {"yyyy/M/d", "yyyy-M-d", "yyyy年M月d日"}) {
        const QDate date = locale.toDate(trimmed, QString::fromUtf8(form));
        if (date.isValid())
            return date;
    }
    return parseEraDate(trimmed);
}

int statementRowsOnPage(bool form2, int pageNumber)
{
    if (!form2)
        return 34;
    return pageNumber <= 1 ? 31 : 41;
}

int statementPageTotal(bool form2, int lastRow)
{
    const int first = statementRowsOnPage(form2, 1);
    const int later = statementRowsOnPage(form2, 2);
    if (lastRow <= first)
        return 1;
    return 1 + (lastRow - first + later - 1) / later;
}

namespace {

namespace Col = StatementColumn;

const QString kindCycle = QStringLiteral("12");

struct StatementAmount
{
    Money value;
    bool justified = true; // "%10.n"; the billing total as "%0.n"
};

// "%10.n", or unjustified; a negative amount as "▲" and its absolute value.
QString amountText(const StatementAmount &amount)
{
    if (amount.value < Money() || !amount.justified)
        return markedYen(amount.value);
    return formatN(amount.value).rightJustified(10, u' ');
}

// The last row whose date cell is filled; 0 when none is.
int lastDatedRow(const StringGrid &rows)
{
    for (int row = rows.rows() - 1; row >= 1; --row) {
        if (!rows.cell(Col::date, row).isEmpty())
            return row;
    }
    return 0;
}

QDate cellDate(const QString &cell)
{
    return QDate::fromString(cell, QStringLiteral("yyyy/MM/dd"));
}

// A date of the billing period: as stored, or as an era date when eras are printed.
QString periodDate(const QString &cell, bool eraYears)
{
    const QDate date = cellDate(cell);
    if (!eraYears || !date.isValid())
        return cell;
    return eraDateText(date);
}

// The date column of a row: "yy/MM/dd", or the era and its year before "/MM/dd".
QString rowDate(const QString &cell, bool eraYears)
{
    const QDate date = cellDate(cell);
    if (!date.isValid())
        return cell;
    if (!eraYears)
        return date.toString(QStringLiteral("yy/MM/dd"));
    const EraYear era = japaneseEra(date);
    return era.era + QString::number(era.year) + date.toString(QStringLiteral("/MM/dd"));
}

// An input box of the run. Its cancel button leaves the offered text, as the input box of
// the desktop does; the answer is normalized to half-width.
QString ask(const QString &caption, const QString &initial)
{
    const QString prompt = caption + QStringLiteral("を入力してください。");
    return halfWidthNormalized(prompter().input(caption, prompt, initial).value_or(initial));
}

// A whole number typed for the previous billing or the amount received: nothing when left
// empty, 0 when it is not a number.
std::optional<qint64> askAmount(const QString &caption)
{
    const QString text = ask(caption, QString()).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? value : 0;
}

// One image of the run: the statement (kind 1) or its copy (kind 2) of a page.
struct StatementImage
{
    int kind = 1;
    int pageNumber = 1;
    int firstRow = 1;
};

// What a run asked and worked out before the pages.
struct StatementValues
{
    QString issueDate;
    QString period;
    QString payDate;
    std::optional<qint64> previous;
    std::optional<qint64> received;
    Money purchases;
    Money tax;
    // A qualified invoice's total and tax of each rate; empty while the block is off.
    QStringList rateLines;
    // A qualified invoice with reduced-rate items marks them with "※" and explains the mark.
    bool marksReducedItems = false;
    int pageTotal = 1;
};

// The settings a run reads once.
struct StatementSettings
{
    PreparedRun run;
    bool form2 = false;
    int xo = 0;
    int yo = 0;
    int laterPageShift = 0; // pages after the first of a kind stand this much lower
    int bodyShift = 0;      // form 1: the body below the company block moves down
    FrameSettings frame;
    int SHW = 0;
    int nameRight = 1720;
    bool eraYears = false;
    bool windowEnvelope = false;
    WindowEnvelopeOffsets window;
};

StatementSettings readStatementSettings(const PreparedRun &run, bool form2)
{
    const float H = run.scale.H;
    const float V = run.scale.V;
    StatementSettings s;
    s.run = run;
    s.form2 = form2;
    // Both offsets of the statement follow the vertical scale.
    s.xo = wholeMmOffset(PrintIni::statementBaseX, V);
    s.yo = wholeMmOffset(PrintIni::statementBaseY, V);
    s.laterPageShift = int(std::trunc(42 * double(V)));
    if (!form2) {
        const QString margin =
            INI_IN(QStringLiteral("MEISAI_YOHAKU.INI"), QStringLiteral("[明細余白調整値]="));
        bool ok = false;
        const int mm = margin.trimmed().toInt(&ok);
        s.bodyShift = ok ? int(std::trunc(mm * 14.0 * double(V))) : int(std::trunc(84 * double(V)));
    }
    s.frame = readFrameSettings();
    s.SHW = decimalMmOffset(PrintIni::statementShapeWidth, H);
    s.nameRight = 1720 - int(std::trunc(PrintIni::statementShapeWidth.decimal() * 14));
    s.eraYears = PrintIni::eraYears.on();
    s.windowEnvelope = PrintIni::windowEnvelope.on();
    s.window = windowEnvelopeOffsets(run.scale);
    if (s.windowEnvelope && form2)
        s.window.WX = wholeMmOffset(PrintIni::statementAddressFrameX, H);
    return s;
}

QString kindTitle(int kind)
{
    return kind == 1 ? PrintIni::statementTitle.valueOr(QStringLiteral("合計請求明細書"))
                     : PrintIni::statementCopyTitle.valueOr(QStringLiteral("合計請求明細書(控)"));
}

bool kindTitleFromKey(int kind)
{
    return !(kind == 1 ? PrintIni::statementTitle : PrintIni::statementCopyTitle).value().isEmpty();
}

QColor kindColour(int kind)
{
    return kind == 1 ? PrintIni::statementColour.value() : PrintIni::statementCopyColour.value();
}

// One cell of an information or summary box: its label in the upper band, its value in the
// lower one, centred, or an amount ending 20 units before the cell's right edge.
struct BoxCell
{
    QString label;
    QString value;
    bool amount = false;
};

class StatementImageDrawer
{
public:
    StatementImageDrawer(PrintCanvas &canvas, const SlipPrintJob &job, const StringGrid &rows,
                         const StatementSettings &s, const StatementValues &values,
                         const StatementImage &image)
        : m_page(canvas, pagePlacement(s, image), s.frame, kindColour(image.kind))
        , m_body(canvas, bodyPlacement(s, image), s.frame, kindColour(image.kind))
        , m_canvas(canvas)
        , m_job(job)
        , m_rows(rows)
        , m_s(s)
        , m_values(values)
        , m_image(image)
    {}

    void draw()
    {
        if (m_s.form2 && m_image.pageNumber > 1) {
            drawContinuationPage();
            return;
        }
        drawHeaderBlocks();
        drawLeadSentence();
        if (m_s.form2) {
            drawBox(m_body, 850, 1030, {180, 970, 1170, 1670},
                    {{QStringLiteral("ご 請 求 対 象 期 間"), m_values.period},
                     {QStringLiteral("ページ"), pageText()},
                     {QStringLiteral("お支払日"), m_values.payDate}});
            drawStampBoxes();
            drawSummaryBox();
            drawDetailTable(1310, 31);
        } else {
            drawBox(m_body, 850, 1030, {180, 970, 1170, 1570, 1970, 2370, 2770},
                    {{QStringLiteral("請 求 対 象 期 間"), m_values.period},
                     {QStringLiteral("ページ"), pageText()},
                     {QStringLiteral("お支払日"), m_values.payDate},
                     {QStringLiteral("税抜き金額"), amountText({m_values.purchases}), true},
                     {QStringLiteral("消費税額"), amountText({m_values.tax}), true},
                     {QStringLiteral("今回御請求額"),
                      amountText({m_values.purchases + m_values.tax, false}), true}});
            drawDetailTable(1070, 34);
        }
        const int bankEnd = drawBankFooter();
        if (m_image.pageNumber == 1) {
            drawRateLines(bankEnd);
            drawReducedRateNote();
        }
    }

private:
    static Placement pagePlacement(const StatementSettings &s, const StatementImage &image)
    {
        const int yo = s.yo + (image.pageNumber > 1 ? s.laterPageShift : 0);
        return {s.run.scale, s.xo, yo};
    }

    static Placement bodyPlacement(const StatementSettings &s, const StatementImage &image)
    {
        Placement place = pagePlacement(s, image);
        place.yo += s.bodyShift;
        return place;
    }

    double H() const { return m_page.H(); }

    QString pageText() const
    {
        return QString::number(m_image.pageNumber) + QStringLiteral("/") +
               QString::number(m_values.pageTotal);
    }

    SlipPageInfo pageInfo() const
    {
        SlipPageInfo page;
        page.header = &m_job.header;
        page.kind = m_image.kind;
        page.title = kindTitle(m_image.kind);
        page.pageNumber = m_image.pageNumber;
        page.numberLabelPoints = 10;
        page.numberLabel = QStringLiteral("請求№");
        page.logo = m_job.logo;
        page.captions = m_job.captions;
        return page;
    }

    void drawHeaderBlocks()
    {
        const SlipPageInfo page = pageInfo();
        drawTitle(page.title);
        drawAddressFrame(m_page, m_s.window);
        // The number and date stand 70 units further right than on a slip.
        Placement numberPlace = m_page.place();
        numberPlace.shiftX = 70;
        LayoutPainter numberPainter(m_canvas, numberPlace, m_s.frame, m_page.kindColour());
        drawSlipNumberBlock(numberPainter, page);
        drawCustomerBlock(m_page, page, m_s.window);
        m_canvas.setFontColour(m_page.kindColour());
        CompanyBlockGeometry company;
        company.textBaseX = 1720;
        company.registrationLine = m_job.qualified.registrationLine();
        drawCompanyLines(m_canvas, m_page.place(), m_job.logo, company);
    }

    void drawTitle(const QString &title)
    {
        m_page.useKindFont(17);
        m_canvas.setFontBold(true);
        const int xo = m_page.place().xo;
        if (!m_s.windowEnvelope) {
            const int w = m_canvas.textWidth(title);
            const int x = int(std::trunc((1310 * H() - w) / 2 + 180 * H() + xo));
            m_canvas.textOut(x, m_page.y(157), title);
            return;
        }
        // The envelope's window leaves the header's right part free for the title.
        m_canvas.setFontPoints(14);
        if (kindTitleFromKey(m_image.kind))
            m_page.centreText(m_page.x(1490) + m_s.window.WX, m_page.x(2250), m_page.y(125), title);
        else
            m_page.text(1630, 125, title);
    }

    void drawLeadSentence()
    {
        if (PrintIni::noLeadSentence.on() || PrintIni::noStatementLeadSentence.on())
            return;
        m_body.useKindFont(9);
        m_body.text(180, 780,
                    QStringLiteral("毎度ありがとうございます。下記の通りご請求申し上げます。"));
    }

    // The note on the "※" of reduced-rate items, at the right end of the lead sentence's line.
    void drawReducedRateNote()
    {
        if (!m_values.marksReducedItems)
            return;
        m_body.useKindFont(9);
        m_body.rightAligned(2770, m_body.y(780), reducedRateNote());
    }

    // The item name as printed: "※" after a reduced-rate item of a qualified invoice.
    QString itemName(int row) const
    {
        const QString name = m_rows.cell(Col::name, row);
        if (m_values.marksReducedItems &&
            lineRateOf(m_rows.cell(Col::exemptMark, row)) == LineRate::Reduced)
            return name + reducedRateItemMark;
        return name;
    }

    // A rounded box split into a label band and a value band, with a column line at every
    // inner edge.
    void drawBox(LayoutPainter &p, int top, int bottom, const std::vector<int> &edges,
                 const std::vector<BoxCell> &cells)
    {
        const int middle = (top + bottom) / 2;
        p.useFramePen();
        p.frameBox(edges.front(), top, edges.back(), bottom);
        p.line(edges.front(), middle, edges.back(), middle);
        for (size_t i = 1; i + 1 < edges.size(); ++i)
            p.line(edges[i], top, edges[i], bottom);

        p.useKindFont(10);
        for (size_t i = 0; i < cells.size(); ++i) {
            const QString &label = cells[i].label;
            const int y = p.y(p.centredY(top, m_canvas.textHeight(label), middle - top));
            p.centreText(p.x(edges[i]), p.x(edges[i + 1]), y, label);
        }
        for (size_t i = 0; i < cells.size(); ++i) {
            const BoxCell &cell = cells[i];
            p.useNumberFont();
            shrinkToFit(m_canvas, cell.value,
                        int(std::trunc((edges[i + 1] - edges[i] - 40) * H())));
            const int y = p.y(p.centredY(middle, m_canvas.textHeight(cell.value), bottom - middle));
            if (cell.amount)
                p.rightAligned(edges[i + 1] - 20, y, cell.value);
            else
                p.centreText(p.x(edges[i]), p.x(edges[i + 1]), y, cell.value);
        }
    }

    void drawStampBoxes()
    {
        m_body.useFramePen();
        m_body.frameBox(1894, 820, 2575, 1040);
        m_body.line(2121, 820, 2121, 1040);
        m_body.line(2348, 820, 2348, 1040);
    }

    void drawSummaryBox()
    {
        const bool entered = m_values.previous || m_values.received;
        const Money previous = Money::fromYen(m_values.previous.value_or(0));
        const Money received = Money::fromYen(m_values.received.value_or(0));
        const Money carried = previous - received;
        const Money billing = (entered ? carried : Money()) + m_values.purchases + m_values.tax;
        auto entry = [](const std::optional<qint64> &yen) {
            return yen ? amountText({Money::fromYen(*yen)}) : QString();
        };
        drawBox(m_body, 1090, 1270, {180, 610, 1040, 1470, 1900, 2330, 2770},
                {{QStringLiteral("前回ご請求額"), entry(m_values.previous), true},
                 {QStringLiteral("ご入金額"), entry(m_values.received), true},
                 {QStringLiteral("繰 越 額"), entered ? amountText({carried}) : QString(), true},
                 {QStringLiteral("今回ご購入額"), amountText({m_values.purchases}), true},
                 {QStringLiteral("消費税額"), amountText({m_values.tax}), true},
                 {QStringLiteral("今回ご請求額"), amountText({billing, false}), true}});
    }

    bool shapeShown() const { return m_s.SHW > 0 && m_job.header.Sunpou; }

    void drawDetailTable(int top, int rows)
    {
        LayoutPainter &p = m_body;
        const int headerBottom = top + 100;
        p.useFramePen();
        p.frameBox(180, top, 2770, 3890);
        for (int i = 0; i < rows; ++i) {
            if (i == 0)
                p.useFramePen();
            else
                p.useDottedPen(p.kindColour());
            const int y = headerBottom + 80 * i;
            p.line(180, y, 2770, y);
        }
        if (shapeShown()) {
            p.useDottedPen(p.kindColour());
            const int x = int(std::trunc(1720 * H() - m_s.SHW + p.place().xo));
            m_canvas.moveTo(x, p.y(top));
            m_canvas.lineTo(x, p.y(3890));
        }
        p.useKindPen(2);
        for (int x : {400, 630, 1720, 1954, 2110, 2440})
            p.line(x, top, x, 3890);
        drawColumnTitles(top);
        drawRows(headerBottom, rows);
    }

    void drawColumnTitles(int top)
    {
        LayoutPainter &p = m_body;
        p.useKindFont(10);
        const int y = p.y(p.centredY(top, m_canvas.textHeight(QStringLiteral("請求書")), 100));
        p.centreText(p.x(180), p.x(400), y, QStringLiteral("日付"));
        p.centreText(p.x(400), p.x(620), y, QStringLiteral("伝票№"));
        drawNameAndShapeTitles(p, y, 630, 1720, m_s.SHW);
        p.centreText(p.x(1720), p.x(1954), y,
                     PrintIni::quantityTitle.valueOr(QStringLiteral("数 量")));
        p.centreText(p.x(1954), p.x(2110), y, PrintIni::unitTitle.valueOr(QStringLiteral("単位")));
        p.centreText(p.x(2110), p.x(2440), y,
                     PrintIni::unitPriceTitle.valueOr(QStringLiteral("単　価")));
        p.centreText(p.x(2440), p.x(2770), y,
                     PrintIni::amountTitle.valueOr(QStringLiteral("金　額")));
    }

    // A text shrunk to fit between two x and centred there, in the band.
    void fittedCentred(const QString &text, int left, int right, const RowBand &band)
    {
        LayoutPainter &p = m_body;
        shrinkToFit(m_canvas, text, int(std::trunc((right - left) * H())));
        p.centreText(p.x(left), p.x(right), p.y(p.centredY(band, m_canvas.textHeight(text))), text);
    }

    void drawRows(int firstBandTop, int rows)
    {
        LayoutPainter &p = m_body;
        for (int i = 0; i < rows; ++i) {
            const int row = m_image.firstRow + i;
            // The statement ends at the first row without a date.
            if (row > m_rows.rows() - 1 || m_rows.cell(Col::date, row).isEmpty())
                break;
            const RowBand band{firstBandTop + 80 * i, 80, 7, 42};
            // The date and number take the face of the item names unless the number font
            // names one, on the first row as on the others.
            m_canvas.setFontFace(QStringLiteral("ＭＳＰ ゴシック"));
            p.useNumberFont();
            fittedCentred(rowDate(m_rows.cell(Col::date, row), m_s.eraYears), 185, 395, band);
            p.useNumberFont();
            fittedCentred(m_rows.cell(Col::slipNumber, row), 405, 615, band);

            const QString shape = m_rows.cell(Col::shape, row);
            const int nameEnd = !shape.isEmpty() && m_job.header.Sunpou ? m_s.nameRight : 1720;
            drawItemNameText(p, itemName(row), 640, nameEnd - 20, band, 6);
            if (shapeShown()) {
                p.useDataTextFont();
                const int x = int(std::trunc(1730 * H() - m_s.SHW + p.place().xo));
                p.drawFitted(shape, x, band, int(std::trunc(m_s.SHW - 20 * H())), 6);
            }

            p.useNumberFont();
            const QString quantity = formatQuantityCell(m_rows.cell(Col::quantity, row));
            p.rightAligned(1940, p.y(p.centredY(band, m_canvas.textHeight(quantity))), quantity);
            p.useDataTextFont();
            const QString unit = m_rows.cell(Col::unit, row);
            shrinkToFit(m_canvas, unit, int(std::trunc(140 * H())));
            p.centreText(p.x(1954), p.x(2100), p.y(p.centredY(band, m_canvas.textHeight(unit))),
                         unit);
            p.useNumberFont();
            const QString price = formatPriceCell(m_rows.cell(Col::unitPrice, row));
            const int y = p.y(p.centredY(band, m_canvas.textHeight(price)));
            p.rightAligned(2420, y, price);
            p.rightAligned(2750, y, formatAmountCell(m_rows.cell(Col::amount, row)));
        }
    }

    // The bank lines below the table; returns the x where the longer one ends.
    int drawBankFooter()
    {
        const QString bank1 = PrintIni::bank1.value();
        const QString account1 = PrintIni::account1.value();
        const QString holder1 = PrintIni::holder1.value();
        const QString bank2 = PrintIni::bank2.value();
        const QString account2 = PrintIni::account2.value();
        const QString holder2 = PrintIni::holder2.value();
        const QString gap = QStringLiteral("　　　");
        const QString line1 = bank1 + QStringLiteral("　") + account1 + gap + holder1;
        const QString line2 = bank2 + QStringLiteral("　") + account2 + gap + holder2;

        m_body.useKindFont(bank2.isEmpty() ? 9 : 8);
        const int x = m_body.x(180);
        const int y = m_body.y(3900);
        int end = x;
        if (!bank1.isEmpty() || !account1.isEmpty() || !holder1.isEmpty()) {
            m_canvas.textOut(x, y, line1);
            end = std::max(end, x + m_canvas.textWidth(line1));
        }
        if (!bank2.isEmpty() || !account2.isEmpty() || !holder2.isEmpty()) {
            m_canvas.textOut(x, y + m_canvas.textHeight(line1), line2);
            end = std::max(end, x + m_canvas.textWidth(line2));
        }
        return end;
    }

    // Right of the bank lines, below the table: the lines of the rates side by side when
    // they fit there, else one below the other in 8 points, as two bank lines are, so that
    // the second stays on the paper.
    void drawRateLines(int bankEnd)
    {
        if (m_values.rateLines.isEmpty())
            return;
        m_body.useKindFont(9);
        const QString gap = QStringLiteral("　");
        const QString joined = m_values.rateLines.join(gap);
        const bool fits =
            m_body.x(2770) - m_canvas.textWidth(joined) >= bankEnd + m_canvas.textWidth(gap);
        const QStringList lines = fits ? QStringList{joined} : m_values.rateLines;
        if (lines.size() > 1)
            m_body.useKindFont(8);
        int y = m_body.y(3900);
        for (const QString &line : lines) {
            m_body.rightAligned(2770, y, line);
            y += m_canvas.textHeight(line);
        }
    }

    // Form 2 after its first page: the customer in one line, the box of period, page,
    // payment date, number and issue date, and a taller table.
    void drawContinuationPage()
    {
        LayoutPainter &p = m_page;
        const SlipHeader &header = m_job.header;
        m_canvas.setFontFace(QStringLiteral("ＭＳ Ｐゴシック"));
        applyFontKey(m_canvas, PrintIni::dataTextFont);
        m_canvas.setFontBold(false);
        m_canvas.setFontPoints(14);
        m_canvas.setFontColour(dataColour());
        p.text(200, 160,
               header.NAME1 + QStringLiteral(" ") + header.NAME2 + QStringLiteral(" ") +
                   header.KEISYOU);

        drawBox(p, 250, 430, {180, 970, 1170, 1670, 2170, 2770},
                {{QStringLiteral("ご 請 求 対 象 期 間"), m_values.period},
                 {QStringLiteral("ページ"), pageText()},
                 {QStringLiteral("お支払日"), m_values.payDate},
                 {QStringLiteral("請 求 №"),
                  header.Bangou + QStringLiteral("-") + QString::number(m_image.pageNumber)},
                 {QStringLiteral("請求日付"), m_values.issueDate}});
        drawDetailTable(510, 41);

        const QString company = PrintIni::companyName.text.value();
        if (company.isEmpty())
            return;
        p.useKindFont(12);
        p.centreText(p.x(200), p.x(2790), p.y(3900), company);
    }

    LayoutPainter m_page;
    LayoutPainter m_body;
    PrintCanvas &m_canvas;
    const SlipPrintJob &m_job;
    const StringGrid &m_rows;
    const StatementSettings &m_s;
    const StatementValues &m_values;
    const StatementImage &m_image;
};

class StatementLayout final : public Layout
{
public:
    StatementLayout(SlipPrintJob &job, PrintRunState &state, bool form2)
        : m_job(job)
        , m_state(state)
        , m_form2(form2)
    {}

    bool askBeforeSetup() override
    {
        const StringGrid &rows = statementRows();
        const int last = lastDatedRow(rows);
        const bool eraYears = PrintIni::eraYears.on();
        m_values.pageTotal = statementPageTotal(m_form2, last);
        const QString defaultPeriod = periodDate(rows.cell(Col::date, 1), eraYears) +
                                      QStringLiteral("～") +
                                      periodDate(rows.cell(Col::date, last), eraYears);

        StatementAnswers &answers = m_state.statement;
        const QDate today = Clock::today();
        QString issueOffer = answers.issueDate;
        if (issueOffer.isEmpty())
            issueOffer =
                eraYears ? eraDateText(today) : today.toString(QStringLiteral("yyyy/MM/dd"));
        answers.issueDate = ask(StatementText::issueDateCaption(), issueOffer);
        const std::optional<QDate> issued = statementIssueDate(answers.issueDate);
        if (!issued) {
            prompter().information(StatementText::invalidIssueDate());
            return false;
        }
        m_job.header.DTP1 = QDateTime(*issued, m_job.header.DTP1.time());

        answers.period = ask(StatementText::periodCaption(), defaultPeriod);
        QString payOffer = answers.payDate;
        if (payOffer.isEmpty() && eraYears)
            payOffer = japaneseEra(today).era + QStringLiteral("年月日");
        answers.payDate = ask(StatementText::payDateCaption(), payOffer);
        if (m_form2) {
            answers.previous = askAmount(StatementText::previousCaption());
            answers.received = askAmount(StatementText::receivedCaption());
        }
        m_values.issueDate = answers.issueDate;
        m_values.period = answers.period;
        m_values.payDate = answers.payDate;
        m_values.previous = m_form2 ? answers.previous : std::nullopt;
        m_values.received = m_form2 ? answers.received : std::nullopt;
        if (m_job.statement) {
            m_values.purchases = m_job.statement->amountSum;
            m_values.tax = m_job.statement->taxSum;
            if (m_job.qualified.on)
                m_values.rateLines = perRateLines(TaxMode::Exclusive, m_job.statement->byRate);
        }
        m_values.marksReducedItems = m_job.qualified.on && holdsReducedItems();
        return true;
    }

    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind) override
    {
        // The standard setup dialog, portrait, without a remembered printer choice.
        printer.setLandscape(false);
        const std::optional<PrinterMetrics> metrics = confirmPrinterSetup(printer, nullptr);
        if (!metrics)
            return std::nullopt;
        PreparedRun run;
        run.metrics = *metrics;
        run.scale = layoutScale(metrics->pageWidth, metrics->pageHeight, false);
        return run;
    }

    void plan(const PreparedRun &run) override
    {
        m_settings = readStatementSettings(run, m_form2);
        m_images.clear();
        const StringGrid &rows = statementRows();
        int current = 1;
        int page = 0;
        QString remaining = kindCycle;
        while (true) {
            const int kind = remaining[0].digitValue();
            if (kind == 1)
                ++page;
            m_images.push_back({kind, page, current});
            remaining.remove(0, 1);
            if (!remaining.isEmpty())
                continue;
            remaining = kindCycle;
            current += statementRowsOnPage(m_form2, page);
            if (current > rows.rows() - 1 || rows.cell(Col::date, current).isEmpty())
                break;
        }
    }

    int pageCount() const override { return int(m_images.size()); }

    void drawPage(PrintCanvas &canvas, int page) override
    {
        StatementImageDrawer(canvas, m_job, statementRows(), m_settings, m_values,
                             m_images.at(size_t(page)))
            .draw();
    }

private:
    const StringGrid &statementRows() const
    {
        return m_job.statementRows ? *m_job.statementRows : m_noRows;
    }

    // Whether a statement row, up to the first without a date, is a reduced-rate item.
    bool holdsReducedItems() const
    {
        const StringGrid &rows = statementRows();
        for (int row = 1; row < rows.rows() && !rows.cell(StatementColumn::date, row).isEmpty();
             ++row) {
            if (lineRateOf(rows.cell(StatementColumn::exemptMark, row)) == LineRate::Reduced)
                return true;
        }
        return false;
    }

    SlipPrintJob &m_job;
    PrintRunState &m_state;
    bool m_form2;
    StringGrid m_noRows{StatementColumn::count, 1};
    StatementValues m_values;
    StatementSettings m_settings;
    std::vector<StatementImage> m_images;
};

} // namespace

std::unique_ptr<Layout> makeStatementForm1Layout(const LayoutInput &input)
{
    return std::make_unique<StatementLayout>(input.job, input.state, false);
}

std::unique_ptr<Layout> makeStatementForm2Layout(const LayoutInput &input)
{
    return std::make_unique<StatementLayout>(input.job, input.state, true);
}

bool PRINT36_MEISAI(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runLayoutOf(LayoutId::StatementForm1, {job, state}, PrinterTarget{printer});
}

bool PP_PRINT36_MEISAI(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                       PrintRunState &state)
{
    return runLayoutOf(LayoutId::StatementForm1, {job, state}, PreviewTarget{printer, preview});
}

bool PRINT36_MEISAI_2(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runLayoutOf(LayoutId::StatementForm2, {job, state}, PrinterTarget{printer});
}

bool PP_PRINT36_MEISAI_2(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                         PrintRunState &state)
{
    return runLayoutOf(LayoutId::StatementForm2, {job, state}, PreviewTarget{printer, preview});
}

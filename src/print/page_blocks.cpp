#include "page_blocks.h"

#include "common/era_date.h"
#include "common/sjis.h"
#include "settings/print_ini.h"

#include <QFileInfo>

#include <cmath>

namespace {

int roundOff(double value)
{
    return int(value >= 0 ? std::trunc(value + 0.5) : std::trunc(value - 0.5));
}

} // namespace

SlipPageInfo slipPageInfo(const SlipPrintJob &job, const SlipImage &image)
{
    SlipPageInfo page;
    page.header = &job.header;
    page.kind = image.kind;
    page.title = slipKindTitle(image.kind, job.captions);
    page.pageNumber = image.pageNumber;
    page.logo = job.logo;
    page.captions = job.captions;
    if (job.qualified.coversKind(image.kind))
        page.registrationLine = job.qualified.registrationLine();
    return page;
}

QImage loadLogoPicture()
{
    const QString file = existingPictureFile(PrintIni::logoPath.value());
    QImage logo;
    if (file.isEmpty() || !logo.load(file))
        return {};
    return logo;
}

QString existingPictureFile(const QString &path)
{
    if (path.isEmpty())
        return {};
    for (const QString &candidate : {path, QString(path).replace(u'\\', u'/')}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

WindowEnvelopeOffsets windowEnvelopeOffsets(const LayoutScale &scale)
{
    WindowEnvelopeOffsets w;
    if (!PrintIni::windowEnvelope.on())
        return w;
    w.WX = wholeMmOffset(PrintIni::addressFrameX, scale.H);
    // A positive value raises the frame's top.
    w.WY = int(std::trunc(PrintIni::addressFrameY.value() * -14.0 * double(scale.V)));
    w.WT = wholeMmOffset(PrintIni::addressTextY, scale.V);
    return w;
}

void drawSlipPageBlocks(LayoutPainter &painter, const SlipPageInfo &page)
{
    drawSlipHeaderBlocks(painter, page);
    drawLeadSentence(painter, page);
}

void drawSlipHeaderBlocks(LayoutPainter &painter, const SlipPageInfo &page)
{
    const WindowEnvelopeOffsets w = windowEnvelopeOffsets(painter.place().scale);
    drawTitle(painter, page, w);
    drawAddressFrame(painter, w);
    drawSlipNumberBlock(painter, page);
    drawCustomerBlock(painter, page, w);
    drawCompanyBlock(painter, page);
}

void drawTitle(LayoutPainter &painter, const SlipPageInfo &page, const WindowEnvelopeOffsets &w)
{
    PrintCanvas &canvas = painter.canvas();
    painter.useKindFont(18);
    const double H = painter.H();
    const int xo = painter.place().xo;
    const int width = canvas.textWidth(page.title);
    if (PrintIni::windowEnvelope.on()) {
        // Centred over the part of the header the envelope window leaves free.
        const int x = int(std::trunc((690 * H - w.WX - width) / 2 + 1490 * H + w.WX + xo));
        canvas.textOut(x, painter.y(110), page.title);
    } else {
        const int x = int(std::trunc((1240 * H - width) / 2 + 250 * H + xo));
        canvas.textOut(x, painter.y(137), page.title);
    }
}

void drawAddressFrame(LayoutPainter &painter, const WindowEnvelopeOffsets &w)
{
    painter.useFramePen();
    if (!PrintIni::addressFrame.on())
        return;
    if (w.WY != 0) {
        const int corner = painter.frame().corner;
        painter.canvas().roundRect(painter.x(250) + w.WX, painter.y(274) + w.WY,
                                   painter.x(1490) + w.WX, painter.y(760), corner, corner);
    } else {
        painter.frameBox(250, 274, 1490, 760);
    }
}

void drawSlipNumberBlock(LayoutPainter &painter, const SlipPageInfo &page)
{
    PrintCanvas &canvas = painter.canvas();
    const SlipHeader &header = *page.header;
    const QDate date = header.DTP1.date();
    const bool eraYears = PrintIni::eraYears.on();

    painter.useKindFont(page.numberLabelPoints);
    painter.text(2180, 137, page.numberLabel);
    if (eraYears)
        painter.text(2090, 220, japaneseEra(date).era);
    painter.text(2300, 220, QStringLiteral("年"));
    painter.text(2450, 220, QStringLiteral("月"));
    painter.text(2600, 220, QStringLiteral("日"));

    canvas.setFontColour(dataColour());
    applyFontKey(canvas, PrintIni::dataNumberFont);
    canvas.setFontPoints(PrintIni::dataNumberSizeOfSlipNumber.value());
    painter.text(2360, 137, pagedSlipNumber(header.Bangou, page.pageNumber));
    if (header.DATE_CHECK || !date.isValid())
        return;
    if (eraYears)
        painter.text(2230, 220, QString::number(japaneseEra(date).year));
    else
        painter.text(2180, 220, QString::number(date.year()).rightJustified(4, u'0'));
    const int month = date.month();
    painter.text(month >= 10 ? 2390 : 2410, 220, QString::number(month));
    const int day = date.day();
    painter.text(day >= 10 ? 2540 : 2560, 220, QString::number(day));
}

void drawCustomerBlock(LayoutPainter &painter, const SlipPageInfo &page,
                       const WindowEnvelopeOffsets &w)
{
    PrintCanvas &canvas = painter.canvas();
    const SlipHeader &header = *page.header;
    applyFontKey(canvas, PrintIni::dataTextFont);
    canvas.setFontPoints(PrintIni::customerSize.value());
    canvas.setFontColour(dataColour());
    auto out = [&](int x, int y, const QString &text) {
        canvas.textOut(painter.x(x) + w.WX, painter.y(y) + w.WT, text);
    };
    if (!header.YUBIN.isEmpty()) {
        // A code typed with its own mark (longer than "123-4567") is printed as typed.
        out(300, 340,
            Sjis::byteLength(header.YUBIN) > 8 ? header.YUBIN
                                               : QStringLiteral("〒") + header.YUBIN);
    }
    const QString honorific = QStringLiteral("   ") + header.KEISYOU;
    if (!header.NAME2.isEmpty()) {
        out(300, 410, header.ADD1);
        out(320, 480, header.ADD_2);
        out(320, 550, header.NAME1);
        out(320, 620, header.NAME2 + honorific);
    } else {
        out(300, 430, header.ADD1);
        out(320, 510, header.ADD_2);
        out(320, 590, header.NAME1 + honorific);
    }
}

void drawFreeLines(PrintCanvas &canvas, const QString &text1, int x1, int y1, const QString &text2,
                   int x2, int y2)
{
    const int width1 = canvas.textWidth(text1);
    const int width2 = canvas.textWidth(text2);
    if (width1 == width2) {
        canvas.textOut(x1, y1, text1);
        canvas.textOut(x2, y2, text2);
        return;
    }
    const bool firstWider = width1 > width2;
    const QString &narrow = firstWider ? text2 : text1;
    const int narrowX = firstWider ? x2 : x1;
    const int narrowY = firstWider ? y2 : y1;
    if (firstWider)
        canvas.textOut(x1, y1, text1);
    else
        canvas.textOut(x2, y2, text2);
    if (narrow.isEmpty())
        return;
    const int wide = std::max(width1, width2);
    const int c = canvas.textWidth(QStringLiteral("御"));
    const qsizetype n = narrow.size();
    const int pitch = n > 1 ? roundOff(double(wide - c) / double(n - 1)) : 0;
    if (n <= 1 || pitch <= c) {
        // Too many characters to spread at a full-width pitch: the line is printed as it
        // is rather than left off the page.
        canvas.textOut(narrowX, narrowY, narrow);
        return;
    }
    for (qsizetype i = 0; i < n; ++i)
        canvas.textOut(narrowX + pitch * int(i), narrowY, narrow.mid(i, 1));
}

void drawCompanyBlock(LayoutPainter &painter, const SlipPageInfo &page)
{
    painter.canvas().setFontColour(painter.kindColour());
    CompanyBlockGeometry geometry;
    geometry.registrationLine = page.registrationLine;
    drawCompanyLines(painter.canvas(), painter.place(), page.logo, geometry);
}

int drawCompanyLines(PrintCanvas &canvas, const Placement &p, const QImage &logo,
                     const CompanyBlockGeometry &g)
{
    const auto keyOffset = [&](const PrintIni::IntegerKey &key) {
        return key.value() * g.keyUnits;
    };
    if (g.logoY && !logo.isNull()) {
        canvas.drawBitmap(p.x(keyOffset(PrintIni::logoLeft) + g.baseX),
                          p.y(keyOffset(PrintIni::logoTop) + *g.logoY), logo);
    }

    if (g.freeLine1Y && g.freeLine2Y) {
        const PrintIni::CompanyLineKeys &free1 = PrintIni::freeLine1;
        const PrintIni::CompanyLineKeys &free2 = PrintIni::freeLine2;
        canvas.setFontFace(QStringLiteral("ＭＳ ゴシック"));
        applyFontKey(canvas, free1.font);
        canvas.setFontBold(false);
        canvas.setFontPoints(free1.size.value());
        drawFreeLines(canvas, free1.text.value(), p.x(keyOffset(free1.left) + g.baseX),
                      p.y(keyOffset(free1.top) + *g.freeLine1Y), free2.text.value(),
                      p.x(keyOffset(free2.left) + g.baseX),
                      p.y(keyOffset(free2.top) + *g.freeLine2Y));
    }

    const PrintIni::CompanyLineKeys &name = PrintIni::companyName;
    if (!g.nameFace.isEmpty())
        canvas.setFontFace(g.nameFace);
    applyFontKey(canvas, name.font);
    canvas.setFontBold(true);
    canvas.setFontPoints(name.size.value());
    const double textX = g.textBaseX.value_or(g.baseX);
    const int nameY = p.y(keyOffset(name.top) + g.nameY);
    canvas.textOut(p.x(keyOffset(name.left) + textX), nameY, name.text.value());

    canvas.setFontBold(false);
    canvas.setFontFace(QStringLiteral("ＭＳ ゴシック"));
    const struct
    {
        const PrintIni::CompanyLineKeys &keys;
        std::optional<double> baseY;
        double baseX;
    } lines[] = {
        {PrintIni::branchLine, g.branchY, textX},   {PrintIni::postalLine, g.postalY, textX},
        {PrintIni::addressLine, g.addressY, textX}, {PrintIni::address2Line, g.address2Y, textX},
        {PrintIni::telLine, g.telY, textX},         {PrintIni::faxLine, g.faxY, g.baseX}};
    for (const auto &line : lines) {
        if (!line.baseY)
            continue;
        canvas.setFontPoints(line.keys.size.value());
        applyFontKey(canvas, line.keys.font);
        canvas.textOut(p.x(keyOffset(line.keys.left) + line.baseX),
                       p.y(keyOffset(line.keys.top) + *line.baseY), line.keys.text.value());
    }
    if (!g.registrationLine.isEmpty()) {
        canvas.setFontFace(QStringLiteral("ＭＳ ゴシック"));
        canvas.setFontPoints(9);
        canvas.textOut(p.x(g.registrationRight) - canvas.textWidth(g.registrationLine),
                       p.y(g.registrationY), g.registrationLine);
    }
    return nameY;
}

QString leadSentence(int kind, const SlipKindCaptions &captions)
{
    switch (kind) {
    case 1:
    case 4:
        return QStringLiteral("下記の通り納品申し上げます。");
    case 2:
        return QStringLiteral("下記の通り請求申し上げます。");
    case 3:
        return QStringLiteral("下記の通り納品致しました。");
    case 5:
        if (captions.hatyuu == QStringLiteral("発　注　書") ||
            captions.hatyuu == QStringLiteral("発注書") ||
            captions.hatyuu == QStringLiteral("発 注 書"))
            return QStringLiteral("下記の通り発注いたします。");
        if (captions.hatyuu == QStringLiteral("注　文　書") ||
            captions.hatyuu == QStringLiteral("注文書") ||
            captions.hatyuu == QStringLiteral("注 文 書"))
            return QStringLiteral("下記の通り注文いたします。");
        return {};
    case 6:
        if (captions.irai == QStringLiteral("見積依頼書") ||
            captions.irai == QStringLiteral("見積り依頼書") ||
            captions.irai == QStringLiteral("見 積 依 頼 書"))
            return QStringLiteral("下記項目の見積をお願い致します。");
        return {};
    default:
        return {};
    }
}

void drawLeadSentence(LayoutPainter &painter, const SlipPageInfo &page)
{
    if (PrintIni::noLeadSentence.on())
        return;
    const QString sentence = leadSentence(page.kind, page.captions);
    if (sentence.isEmpty())
        return;
    PrintCanvas &canvas = painter.canvas();
    useFixedFont(canvas, 9);
    canvas.setFontColour(painter.kindColour());
    painter.text(300, page.leadY, sentence);
}

void drawBankBlock(LayoutPainter &painter, int x, int y)
{
    PrintCanvas &canvas = painter.canvas();
    const QString bank1 = PrintIni::bank1.value();
    const QString bank2 = PrintIni::bank2.value();
    const QString holder1 = PrintIni::holder1.value();
    const QString holder2 = PrintIni::holder2.value();
    const QString line1 = bank1 + QStringLiteral("　") + PrintIni::account1.value();
    const QString line2 = bank2 + QStringLiteral("　") + PrintIni::account2.value();

    canvas.setFontPoints(9);
    canvas.setFontColour(painter.kindColour());
    applyFontKey(canvas, PrintIni::bankFont);
    const int bytes = Sjis::byteLength(line1);
    if (bytes > 70)
        canvas.setFontPoints(7);
    else if (bytes > 59)
        canvas.setFontPoints(8);
    const int limit = int(1080 * painter.H());
    for (const QString &line : {line1, holder1, line2, holder2}) {
        if (canvas.textWidth(line) > limit) {
            canvas.setFontPoints(canvas.font().points - 1);
            break;
        }
    }
    if (!holder2.isEmpty() && !bank2.isEmpty())
        canvas.setFontPoints(6);

    const int h = canvas.textHeight(QStringLiteral("振"));
    const int left = painter.x(x);
    const int top = painter.y(y);
    canvas.textOut(left, top, line1);
    if (!holder2.isEmpty()) {
        canvas.textOut(left, top + h, holder1);
        canvas.textOut(left, top + 2 * h, line2);
        canvas.textOut(left, top + 3 * h, holder2);
    } else if (!bank2.isEmpty()) {
        canvas.textOut(left, top + h, line2);
        canvas.textOut(left, top + 2 * h, holder1);
    } else {
        canvas.textOut(left, top + h, holder1);
    }
}

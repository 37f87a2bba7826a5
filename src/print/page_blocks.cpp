#include "page_blocks.h"

#include "common/era_date.h"
#include "common/sjis.h"
#include "settings/print_ini.h"

#include <QFileInfo>

#include <cmath>

namespace {

QString key(const QString &name, const char *suffix)
{
    return QStringLiteral("[") + name + QString::fromUtf8(suffix) + QStringLiteral("]=");
}

// Company-block positions: the key's millimetres × 14 added to the base in layout units.
int companyOffset(const QString &positionKey)
{
    return PrintIni::integer(positionKey, 0) * 14;
}

int roundOff(double value)
{
    return int(value >= 0 ? std::trunc(value + 0.5) : std::trunc(value - 0.5));
}

} // namespace

QImage loadLogoPicture()
{
    const QString path = PrintIni::text(QStringLiteral("[ロゴ]="));
    if (path.isEmpty())
        return {};
    for (const QString &candidate : {path, QString(path).replace(u'\\', u'/')}) {
        if (QFileInfo::exists(candidate)) {
            QImage logo;
            if (logo.load(candidate))
                return logo;
        }
    }
    return {};
}

WindowEnvelopeOffsets windowEnvelopeOffsets(const LayoutScale &scale)
{
    WindowEnvelopeOffsets w;
    if (!PrintIni::flag(QStringLiteral("[住所枠窓付き封筒用]=")))
        return w;
    w.WX = int(std::trunc(PrintIni::integer(QStringLiteral("[住所枠x位置]="), 4) * 14.0 *
                          double(scale.H)));
    // A positive value raises the frame's top.
    w.WY = int(std::trunc(PrintIni::integer(QStringLiteral("[住所枠y位置]="), -5) * -14.0 *
                          double(scale.V)));
    w.WT = int(std::trunc(PrintIni::integer(QStringLiteral("[住所文字y位置]="), -3) * 14.0 *
                          double(scale.V)));
    return w;
}

QString fixedFontFace()
{
    const QString face = PrintIni::text(QStringLiteral("[固定文字ﾌｫﾝﾄFONT]="));
    return face.isEmpty() ? QStringLiteral("ＭＳ ゴシック") : face;
}

void applyFontKey(PrintCanvas &canvas, const QString &fontKey)
{
    const QString face = PrintIni::text(fontKey);
    if (!face.isEmpty())
        canvas.setFontFace(face);
}

void drawSlipPageBlocks(PrintCanvas &canvas, const SlipPageInfo &page)
{
    const WindowEnvelopeOffsets w = windowEnvelopeOffsets(page.place.scale);
    drawTitle(canvas, page, w);
    drawAddressFrame(canvas, page, w);
    drawSlipNumberBlock(canvas, page);
    drawCustomerBlock(canvas, page, w);
    drawCompanyBlock(canvas, page);
    drawLeadSentence(canvas, page);
}

void drawTitle(PrintCanvas &canvas, const SlipPageInfo &page, const WindowEnvelopeOffsets &w)
{
    canvas.setFontFace(fixedFontFace());
    canvas.setFontBold(false);
    canvas.setFontPoints(18);
    canvas.setFontColor(page.kindColor);
    const double H = page.place.scale.H;
    const int width = canvas.textWidth(page.title);
    if (PrintIni::flag(QStringLiteral("[住所枠窓付き封筒用]="))) {
        // Centred over the part of the header the envelope window leaves free.
        const int x =
            int(std::trunc((690 * H - w.WX - width) / 2 + 1490 * H + w.WX + page.place.xo));
        canvas.textOut(x, page.place.y(110), page.title);
    } else {
        const int x = int(std::trunc((1240 * H - width) / 2 + 250 * H + page.place.xo));
        canvas.textOut(x, page.place.y(137), page.title);
    }
}

void drawAddressFrame(PrintCanvas &canvas, const SlipPageInfo &page, const WindowEnvelopeOffsets &w)
{
    canvas.setPen({page.kindColor, page.frame.width, CanvasPenStyle::Solid});
    if (!PrintIni::wordFlag(QStringLiteral("[住所枠印刷]="), QStringLiteral("無し")))
        return;
    const Placement &p = page.place;
    if (w.WY != 0) {
        canvas.roundRect(p.x(250) + w.WX, p.y(274) + w.WY, p.x(1490) + w.WX, p.y(760),
                         page.frame.corner, page.frame.corner);
    } else {
        canvas.roundRect(p.x(250), p.y(274), p.x(1490), p.y(760), page.frame.corner,
                         page.frame.corner);
    }
}

void drawSlipNumberBlock(PrintCanvas &canvas, const SlipPageInfo &page)
{
    const Placement &p = page.place;
    const SlipHeader &header = *page.header;
    const QDate date = header.DTP1.date();
    const bool eraYears = PrintIni::flag(QStringLiteral("[年号印刷]="));

    canvas.setFontColor(page.kindColor);
    canvas.setFontFace(fixedFontFace());
    canvas.setFontBold(false);
    canvas.setFontPoints(page.numberLabelPoints);
    canvas.textOut(p.x(2180), p.y(137), QStringLiteral("伝票№"));
    if (eraYears)
        canvas.textOut(p.x(2090), p.y(220), japaneseEra(date).era);
    canvas.textOut(p.x(2300), p.y(220), QStringLiteral("年"));
    canvas.textOut(p.x(2450), p.y(220), QStringLiteral("月"));
    canvas.textOut(p.x(2600), p.y(220), QStringLiteral("日"));

    canvas.setFontColor(dataColor());
    applyFontKey(canvas, QStringLiteral("[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]="));
    canvas.setFontPoints(PrintIni::integer(QStringLiteral("[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]="), 11));
    canvas.textOut(p.x(2360), p.y(137), pagedSlipNumber(header.Bangou, page.pageNumber));
    if (header.DATE_CHECK || !date.isValid())
        return;
    if (eraYears)
        canvas.textOut(p.x(2230), p.y(220), QString::number(japaneseEra(date).year));
    else
        canvas.textOut(p.x(2180), p.y(220), QString::number(date.year()).rightJustified(4, u'0'));
    const int month = date.month();
    canvas.textOut(p.x(month >= 10 ? 2390 : 2410), p.y(220), QString::number(month));
    const int day = date.day();
    canvas.textOut(p.x(day >= 10 ? 2540 : 2560), p.y(220), QString::number(day));
}

void drawCustomerBlock(PrintCanvas &canvas, const SlipPageInfo &page,
                       const WindowEnvelopeOffsets &w)
{
    const SlipHeader &header = *page.header;
    applyFontKey(canvas, QStringLiteral("[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]="));
    canvas.setFontPoints(PrintIni::integer(QStringLiteral("[顧客名SIZE]="), 10));
    canvas.setFontColor(dataColor());
    auto out = [&](int x, int y, const QString &text) {
        canvas.textOut(page.place.x(x) + w.WX, page.place.y(y) + w.WT, text);
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

void drawCompanyBlock(PrintCanvas &canvas, const SlipPageInfo &page)
{
    const Placement &p = page.place;
    canvas.setFontColor(page.kindColor);
    if (!page.logo.isNull()) {
        canvas.drawBitmap(p.x(companyOffset(QStringLiteral("[ロゴLEFT]=")) + 1700),
                          p.y(companyOffset(QStringLiteral("[ロゴTOP]=")) + 200), page.logo);
    }

    canvas.setFontFace(QStringLiteral("ＭＳ ゴシック"));
    applyFontKey(canvas, QStringLiteral("[TEXT1FONT]="));
    canvas.setFontBold(false);
    canvas.setFontPoints(PrintIni::integer(QStringLiteral("[TEXT1SIZE]="), 6));
    drawFreeLines(canvas, PrintIni::text(QStringLiteral("[TEXT1]=")),
                  p.x(companyOffset(QStringLiteral("[TEXT1LEFT]=")) + 1700),
                  p.y(companyOffset(QStringLiteral("[TEXT1TOP]=")) + 280),
                  PrintIni::text(QStringLiteral("[TEXT2]=")),
                  p.x(companyOffset(QStringLiteral("[TEXT2LEFT]=")) + 1700),
                  p.y(companyOffset(QStringLiteral("[TEXT2TOP]=")) + 320));

    canvas.setFontFace(QStringLiteral("ＭＳ ゴシック"));
    applyFontKey(canvas, QStringLiteral("[社名FONT]="));
    canvas.setFontBold(true);
    canvas.setFontPoints(PrintIni::integer(QStringLiteral("[社名SIZE]="), 15));
    canvas.textOut(p.x(companyOffset(QStringLiteral("[社名LEFT]=")) + 1700),
                   p.y(companyOffset(QStringLiteral("[社名TOP]=")) + 360),
                   PrintIni::text(QStringLiteral("[社名]=")));

    canvas.setFontBold(false);
    canvas.setFontFace(QStringLiteral("ＭＳ ゴシック"));
    const struct
    {
        const char *name;
        int baseY;
    } lines[] = {{"支店", 440},  {"〒", 500},  {"住所", 560},
                 {"住所2", 620}, {"tel", 680}, {"fax", 740}};
    for (const auto &line : lines) {
        const QString name = QString::fromUtf8(line.name);
        canvas.setFontPoints(PrintIni::integer(key(name, "SIZE"), 11));
        applyFontKey(canvas, key(name, "FONT"));
        canvas.textOut(p.x(companyOffset(key(name, "LEFT")) + 1700),
                       p.y(companyOffset(key(name, "TOP")) + line.baseY),
                       PrintIni::text(key(name, "")));
    }
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

void drawLeadSentence(PrintCanvas &canvas, const SlipPageInfo &page)
{
    if (PrintIni::flag(QStringLiteral("[下記]=")))
        return;
    const QString sentence = leadSentence(page.kind, page.captions);
    if (sentence.isEmpty())
        return;
    canvas.setFontFace(fixedFontFace());
    canvas.setFontBold(false);
    canvas.setFontPoints(9);
    canvas.setFontColor(page.kindColor);
    canvas.textOut(page.place.x(300), page.place.y(page.leadY), sentence);
}

void drawBankBlock(PrintCanvas &canvas, const Placement &place, int x, int y,
                   const QColor &kindColor)
{
    const QString bank1 = PrintIni::text(QStringLiteral("[振込先]="));
    const QString bank2 = PrintIni::text(QStringLiteral("[振込先2]="));
    const QString holder1 = PrintIni::text(QStringLiteral("[名義]="));
    const QString holder2 = PrintIni::text(QStringLiteral("[名義2]="));
    const QString line1 =
        bank1 + QStringLiteral("　") + PrintIni::text(QStringLiteral("[口座番号]="));
    const QString line2 =
        bank2 + QStringLiteral("　") + PrintIni::text(QStringLiteral("[口座番号2]="));

    canvas.setFontPoints(9);
    canvas.setFontColor(kindColor);
    applyFontKey(canvas, QStringLiteral("[振込先FONT]="));
    const int bytes = Sjis::byteLength(line1);
    if (bytes > 70)
        canvas.setFontPoints(7);
    else if (bytes > 59)
        canvas.setFontPoints(8);
    const int limit = int(1080 * double(place.scale.H));
    for (const QString &line : {line1, holder1, line2, holder2}) {
        if (canvas.textWidth(line) > limit) {
            canvas.setFontPoints(canvas.font().points - 1);
            break;
        }
    }
    if (!holder2.isEmpty() && !bank2.isEmpty())
        canvas.setFontPoints(6);

    const int h = canvas.textHeight(QStringLiteral("振"));
    const int left = place.x(x);
    const int top = place.y(y);
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

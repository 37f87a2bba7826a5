#include "wmf_writer.h"

#include "common/sjis.h"
#include "common/text_file.h"
#include "settings/settings_file.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Record functions of the Windows Metafile format.
enum RecordFunction : quint16 {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_RESTOREDC = 0x0127,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_RECTANGLE = 0x041B,
    META_TEXTOUT = 0x0521,
    META_ROUNDRECT = 0x061C,
    META_STRETCHDIB = 0x0F43,
};

constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr int unitsPerInch = 96;
// Metafile coordinates are 16-bit; pages of very fine printers are scaled down to fit.
constexpr int coordinateLimit = 32000;

constexpr quint16 MM_ANISOTROPIC = 8;
constexpr quint16 TRANSPARENT = 1;
constexpr quint16 TA_BASELINE = 24;
constexpr quint16 PS_SOLID = 0;
constexpr quint16 PS_DOT = 2;
constexpr quint16 PS_NULL = 5;
// Square line ends and sharp corners, as the printer and the preview draw them.
constexpr quint16 PS_ENDCAP_FLAT = 0x0200;
constexpr quint16 PS_JOIN_MITER = 0x2000;
constexpr quint16 BS_SOLID = 0;
constexpr quint16 BS_HATCHED = 2;
constexpr quint16 BS_DIBPATTERNPT = 6;
constexpr quint16 HS_DIAGCROSS = 5;
constexpr quint16 DIB_RGB_COLORS = 0;
constexpr quint32 SRCCOPY = 0x00CC0020;
constexpr quint8 SHIFTJIS_CHARSET = 128;
constexpr int faceNameBytes = 32;

class ByteWriter
{
public:
    void u8(quint8 value) { m_bytes.append(char(value)); }
    void u16(quint16 value)
    {
        u8(quint8(value & 0xFF));
        u8(quint8(value >> 8));
    }
    void i16(int value) { u16(quint16(qint16(value))); }
    void u32(quint32 value)
    {
        u16(quint16(value & 0xFFFF));
        u16(quint16(value >> 16));
    }
    void i32(qint32 value) { u32(quint32(value)); }
    void bytes(const QByteArray &data) { m_bytes.append(data); }
    // Records are made of 16-bit words: odd byte strings get a zero byte.
    void padToWord()
    {
        if (m_bytes.size() % 2 != 0)
            u8(0);
    }
    const QByteArray &data() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// A COLORREF is the 0x00BBGGRR value the settings files hold.
quint32 colourRef(const QColor &colour)
{
    return quint32(colourValue(colour));
}

// A bottom-up 24-bit device-independent bitmap. Transparent parts of the image show white,
// the colour of the sheet they are drawn on.
QByteArray deviceIndependentBitmap(const QImage &image)
{
    QImage rgb(image.size(), QImage::Format_RGB888);
    rgb.fill(Qt::white);
    {
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    }
    const int width = rgb.width();
    const int height = rgb.height();
    const int stride = (width * 3 + 3) & ~3;
    ByteWriter dib;
    dib.u32(40); // BITMAPINFOHEADER
    dib.i32(width);
    dib.i32(height);
    dib.u16(1);  // planes
    dib.u16(24); // bits per pixel
    dib.u32(0);  // BI_RGB
    dib.u32(quint32(stride * height));
    dib.i32(0);
    dib.i32(0);
    dib.u32(0);
    dib.u32(0);
    for (int y = height - 1; y >= 0; --y) {
        const uchar *line = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            dib.u8(line[x * 3 + 2]);
            dib.u8(line[x * 3 + 1]);
            dib.u8(line[x * 3]);
        }
        for (int pad = width * 3; pad < stride; ++pad)
            dib.u8(0);
    }
    return dib.data();
}

// The pen as it goes on paper: dotted pens are one pixel wide, solid pens at least one.
struct PenKey
{
    bool null = false;
    CanvasPen pen;
    bool operator==(const PenKey &) const = default;
};

struct BrushKey
{
    CanvasBrush brush;
    bool operator==(const BrushKey &other) const { return brush == other.brush; }
};

class MetafileBuilder
{
public:
    explicit MetafileBuilder(const PrinterMetrics &metrics);

    void drawPage(const RecordedPage &page);
    QByteArray finish();

private:
    int unit(int value) const { return int(std::lround(double(value) / m_divisor)); }
    int clamped(int value) const { return std::clamp(unit(value), -32767, 32767); }
    void record(quint16 function, const ByteWriter &params);
    void record(quint16 function, std::initializer_list<int> words);

    int createObject(quint16 function, const ByteWriter &params);
    void replaceObject(std::optional<int> &current, quint16 function, const ByteWriter &params);
    void usePen(const PenKey &pen);
    void useBrush(const CanvasBrush &brush);
    void useFont(const CanvasFont &font);
    void useTextColour(const QColor &colour);

    void drawBackground();
    void drawOp(const CanvasOp &op);
    void textOut(const CanvasOp &op);
    void stretchDib(int x, int y, const QImage &image);

    PrinterMetrics m_metrics;
    double m_divisor = 1.0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    QByteArray m_records;
    quint32 m_maxRecordWords = 0;
    std::vector<bool> m_objectTable;

    std::optional<int> m_penObject;
    std::optional<PenKey> m_pen;
    std::optional<int> m_brushObject;
    std::optional<CanvasBrush> m_brush;
    std::optional<int> m_fontObject;
    std::optional<CanvasFont> m_font;
    std::optional<QColor> m_textColour;
};

MetafileBuilder::MetafileBuilder(const PrinterMetrics &metrics)
    : m_metrics(metrics)
{
    const int largest = std::max(metrics.physicalWidth, metrics.physicalHeight) + 1;
    if (largest > coordinateLimit)
        m_divisor = double(largest) / coordinateLimit;
    m_offsetX = metrics.offsetX;
    m_offsetY = metrics.offsetY;

    record(META_SETMAPMODE, {MM_ANISOTROPIC});
    record(META_SETWINDOWORG, {0, 0});
    record(META_SETWINDOWEXT, {unit(metrics.physicalHeight), unit(metrics.physicalWidth)});
    // Everything selected from here on is unselected again by the matching restore, so
    // that the objects can be deleted before the end.
    record(META_SAVEDC, {});
    record(META_SETBKMODE, {TRANSPARENT});
    // Text is placed by its baseline, which this program computes with the same fonts the
    // page was measured with.
    record(META_SETTEXTALIGN, {TA_BASELINE});
    drawBackground();
}

void MetafileBuilder::record(quint16 function, const ByteWriter &params)
{
    Q_ASSERT(params.data().size() % 2 == 0);
    const quint32 words = 3 + quint32(params.data().size() / 2);
    m_maxRecordWords = std::max(m_maxRecordWords, words);
    ByteWriter head;
    head.u32(words);
    head.u16(function);
    m_records.append(head.data());
    m_records.append(params.data());
}

void MetafileBuilder::record(quint16 function, std::initializer_list<int> words)
{
    ByteWriter params;
    for (const int word : words)
        params.i16(word);
    record(function, params);
}

int MetafileBuilder::createObject(quint16 function, const ByteWriter &params)
{
    // A new object takes the lowest free slot of the player's object table.
    auto free = std::find(m_objectTable.begin(), m_objectTable.end(), false);
    const int index = int(free - m_objectTable.begin());
    if (free == m_objectTable.end())
        m_objectTable.push_back(true);
    else
        *free = true;
    record(function, params);
    return index;
}

void MetafileBuilder::replaceObject(std::optional<int> &current, quint16 function,
                                    const ByteWriter &params)
{
    const int created = createObject(function, params);
    record(META_SELECTOBJECT, {created});
    if (current) {
        record(META_DELETEOBJECT, {*current});
        m_objectTable[size_t(*current)] = false;
    }
    current = created;
}

void MetafileBuilder::usePen(const PenKey &pen)
{
    if (m_pen == pen)
        return;
    ByteWriter params;
    const bool dotted = pen.pen.style == CanvasPenStyle::Dotted;
    if (pen.null)
        params.u16(PS_NULL);
    else if (dotted)
        params.u16(PS_DOT);
    else
        params.u16(PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER);
    params.i16(dotted || pen.null ? 1 : std::max(1, unit(std::max(1, pen.pen.width))));
    params.i16(0);
    params.u32(colourRef(pen.pen.colour));
    replaceObject(m_penObject, META_CREATEPENINDIRECT, params);
    m_pen = pen;
}

void MetafileBuilder::useBrush(const CanvasBrush &brush)
{
    if (m_brush == brush)
        return;
    ByteWriter params;
    quint16 function = META_CREATEBRUSHINDIRECT;
    if (brush.style == CanvasBrushStyle::Bitmap && !brush.pattern.isNull()) {
        function = META_DIBCREATEPATTERNBRUSH;
        params.u16(BS_DIBPATTERNPT);
        params.u16(DIB_RGB_COLORS);
        params.bytes(deviceIndependentBitmap(brush.pattern));
    } else {
        const bool hatched = brush.style == CanvasBrushStyle::DiagonalCross;
        params.u16(hatched ? BS_HATCHED : BS_SOLID);
        params.u32(
            colourRef(brush.style == CanvasBrushStyle::Bitmap ? QColor(Qt::white) : brush.colour));
        params.u16(hatched ? HS_DIAGCROSS : 0);
    }
    replaceObject(m_brushObject, function, params);
    m_brush = brush;
}

void MetafileBuilder::useFont(const CanvasFont &font)
{
    // The colour is not part of the font object: text colour is a setting of its own.
    CanvasFont shape = font;
    shape.colour = QColor();
    if (m_font == shape)
        return;
    ByteWriter params;
    // A negative height asks for the character height without the internal leading: the
    // em size, which is how points turn into pixels everywhere in this program.
    params.i16(-std::max(1, unit(fontPixelSize(font.points, m_metrics.dpiY))));
    params.i16(0); // width: the face's own proportions
    params.i16(0); // escapement
    params.i16(0); // orientation
    params.i16(font.bold ? 700 : 400);
    params.u8(0); // italic
    params.u8(0); // underline
    params.u8(0); // strike-out
    params.u8(SHIFTJIS_CHARSET);
    params.u8(0); // output precision: default
    params.u8(0); // clip precision: default
    params.u8(0); // quality: default
    params.u8(0); // pitch and family: default
    QByteArray face = Sjis::leftBytes(Sjis::encode(font.face), faceNameBytes - 1);
    face.append(QByteArray(faceNameBytes - face.size(), '\0'));
    params.bytes(face);
    replaceObject(m_fontObject, META_CREATEFONTINDIRECT, params);
    m_font = shape;
}

void MetafileBuilder::useTextColour(const QColor &colour)
{
    if (m_textColour == colour)
        return;
    ByteWriter params;
    params.u32(colourRef(colour));
    record(META_SETTEXTCOLOR, params);
    m_textColour = colour;
}

void MetafileBuilder::drawBackground()
{
    PenKey none;
    none.null = true;
    none.pen.colour = Qt::white;
    usePen(none);
    CanvasBrush white;
    white.colour = Qt::white;
    white.style = CanvasBrushStyle::Solid;
    useBrush(white);
    // Without an outline a rectangle leaves out its right and bottom edge: one more pixel
    // each way covers the whole sheet and nothing beyond it, so readers that size the
    // picture by what it draws see the sheet.
    record(META_RECTANGLE,
           {clamped(m_metrics.physicalHeight + 1), clamped(m_metrics.physicalWidth + 1), 0, 0});
}

void MetafileBuilder::drawPage(const RecordedPage &page)
{
    for (const CanvasOp &op : page.ops)
        drawOp(op);
}

void MetafileBuilder::drawOp(const CanvasOp &op)
{
    const int x = clamped(op.x + m_offsetX);
    const int y = clamped(op.y + m_offsetY);
    switch (op.kind) {
    case CanvasOpKind::Text:
        textOut(op);
        break;
    case CanvasOpKind::MoveTo:
        record(META_MOVETO, {y, x});
        break;
    case CanvasOpKind::LineTo:
        usePen({false, op.pen});
        record(META_LINETO, {y, x});
        break;
    case CanvasOpKind::RoundRect:
        usePen({false, op.pen});
        useBrush(op.brush);
        record(META_ROUNDRECT, {unit(op.cornerHeight), unit(op.cornerWidth),
                                clamped(op.y2 + m_offsetY), clamped(op.x2 + m_offsetX), y, x});
        break;
    case CanvasOpKind::Bitmap:
        stretchDib(op.x + m_offsetX, op.y + m_offsetY, op.bitmap);
        break;
    }
}

void MetafileBuilder::textOut(const CanvasOp &op)
{
    if (op.text.isEmpty())
        return;
    useFont(op.font);
    useTextColour(op.font.colour);
    const QByteArray text = Sjis::leftBytes(Sjis::encode(op.text), 0x7FFF);
    ByteWriter params;
    params.i16(int(text.size()));
    params.bytes(text);
    params.padToWord();
    params.i16(clamped(op.y + m_offsetY + fontAscent(op.font, m_metrics.dpiY)));
    params.i16(clamped(op.x + m_offsetX));
    record(META_TEXTOUT, params);
}

void MetafileBuilder::stretchDib(int x, int y, const QImage &image)
{
    if (image.isNull())
        return;
    // Drawn at the bitmap's own pixel size on the page, like every other canvas does.
    ByteWriter params;
    params.u32(SRCCOPY);
    params.u16(DIB_RGB_COLORS);
    params.i16(image.height()); // source height, width, y, x
    params.i16(image.width());
    params.i16(0);
    params.i16(0);
    params.i16(unit(image.height())); // destination height, width, y, x
    params.i16(unit(image.width()));
    params.i16(clamped(y));
    params.i16(clamped(x));
    params.bytes(deviceIndependentBitmap(image));
    record(META_STRETCHDIB, params);
}

QByteArray MetafileBuilder::finish()
{
    record(META_RESTOREDC, {-1});
    for (std::optional<int> *object : {&m_penObject, &m_brushObject, &m_fontObject}) {
        if (*object) {
            record(META_DELETEOBJECT, {**object});
            m_objectTable[size_t(**object)] = false;
            object->reset();
        }
    }
    record(META_EOF, {});

    const QSize box = exportPictureSize(m_metrics);
    ByteWriter file;
    file.u32(placeableKey);
    file.u16(0); // handle, always 0 on disk
    file.i16(0);
    file.i16(0);
    file.i16(box.width());
    file.i16(box.height());
    file.u16(unitsPerInch);
    file.u32(0);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= quint16(quint8(file.data()[i]) | quint8(file.data()[i + 1]) << 8);
    file.u16(checksum);

    constexpr quint32 headerWords = 9;
    file.u16(1); // a metafile on disk
    file.u16(headerWords);
    file.u16(0x0300);
    file.u32(headerWords + quint32(m_records.size() / 2));
    file.u16(quint16(m_objectTable.size()));
    file.u32(m_maxRecordWords);
    file.u16(0);
    file.bytes(m_records);
    return file.data();
}

} // namespace

QSize exportPictureSize(const PrinterMetrics &metrics)
{
    const auto screen = [](int pixels, int dpi) {
        return dpi > 0 ? int(std::lround(double(pixels) * unitsPerInch / dpi)) : pixels;
    };
    return QSize(screen(metrics.physicalWidth, metrics.dpiX),
                 screen(metrics.physicalHeight, metrics.dpiY));
}

QByteArray placeableMetafile(const RecordedPage &page)
{
    MetafileBuilder builder(page.metrics);
    builder.drawPage(page);
    return builder.finish();
}

void writePlaceableMetafile(const QString &path, const RecordedPage &page)
{
    TextFile::writeBytes(path, placeableMetafile(page));
}

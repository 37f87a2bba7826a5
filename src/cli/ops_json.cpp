#include "ops_json.h"

#include <QJsonObject>

#include <optional>

namespace {

QJsonObject textJson(const CanvasOp &op)
{
    return {
        {QStringLiteral("kind"), QStringLiteral("text")},
        {QStringLiteral("x"), op.x},
        {QStringLiteral("y"), op.y},
        {QStringLiteral("text"), op.text},
        {QStringLiteral("face"), op.font.face},
        {QStringLiteral("points"), op.font.points},
        {QStringLiteral("bold"), op.font.bold},
        {QStringLiteral("color"), colourValueText(op.font.colour)},
    };
}

QJsonObject pointJson(const char *kind, const CanvasOp &op)
{
    return {
        {QStringLiteral("kind"), QLatin1String(kind)},
        {QStringLiteral("x"), op.x},
        {QStringLiteral("y"), op.y},
    };
}

QJsonObject roundRectJson(const CanvasOp &op)
{
    return {
        {QStringLiteral("kind"), QStringLiteral("roundRect")},
        {QStringLiteral("x1"), op.x},
        {QStringLiteral("y1"), op.y},
        {QStringLiteral("x2"), op.x2},
        {QStringLiteral("y2"), op.y2},
        {QStringLiteral("cornerWidth"), op.cornerWidth},
        {QStringLiteral("cornerHeight"), op.cornerHeight},
    };
}

QJsonObject bitmapJson(const CanvasOp &op)
{
    return {
        {QStringLiteral("kind"), QStringLiteral("bitmap")},
        {QStringLiteral("x"), op.x},
        {QStringLiteral("y"), op.y},
        {QStringLiteral("width"), op.bitmap.width()},
        {QStringLiteral("height"), op.bitmap.height()},
    };
}

QJsonObject penJson(const CanvasPen &pen)
{
    return {
        {QStringLiteral("kind"), QStringLiteral("pen")},
        {QStringLiteral("color"), colourValueText(pen.colour)},
        {QStringLiteral("width"), pen.width},
        {QStringLiteral("style"),
         pen.style == CanvasPenStyle::Dotted ? QStringLiteral("dotted") : QStringLiteral("solid")},
    };
}

QString brushStyleName(CanvasBrushStyle style)
{
    switch (style) {
    case CanvasBrushStyle::DiagonalCross:
        return QStringLiteral("diagonalCross");
    case CanvasBrushStyle::Bitmap:
        return QStringLiteral("bitmap");
    case CanvasBrushStyle::Solid:
        break;
    }
    return QStringLiteral("solid");
}

QJsonObject brushJson(const CanvasBrush &brush)
{
    return {
        {QStringLiteral("kind"), QStringLiteral("brush")},
        {QStringLiteral("color"), colourValueText(brush.colour)},
        {QStringLiteral("style"), brushStyleName(brush.style)},
    };
}

} // namespace

QString colourValueText(const QColor &colour)
{
    const QRgb rgb = colour.rgb();
    const uint value = uint(qBlue(rgb)) << 16 | uint(qGreen(rgb)) << 8 | uint(qRed(rgb));
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(6, u'0');
}

QJsonArray pageJson(const RecordedPage &page)
{
    QJsonArray ops;
    std::optional<CanvasPen> pen;
    std::optional<CanvasBrush> brush;
    const auto usePen = [&](const CanvasOp &op) {
        if (pen != op.pen) {
            pen = op.pen;
            ops.append(penJson(op.pen));
        }
    };
    for (const CanvasOp &op : page.ops) {
        switch (op.kind) {
        case CanvasOpKind::Text:
            ops.append(textJson(op));
            break;
        case CanvasOpKind::MoveTo:
            ops.append(pointJson("moveTo", op));
            break;
        case CanvasOpKind::LineTo:
            usePen(op);
            ops.append(pointJson("lineTo", op));
            break;
        case CanvasOpKind::RoundRect:
            usePen(op);
            if (brush != op.brush) {
                brush = op.brush;
                ops.append(brushJson(op.brush));
            }
            ops.append(roundRectJson(op));
            break;
        case CanvasOpKind::Bitmap:
            ops.append(bitmapJson(op));
            break;
        }
    }
    return ops;
}

QJsonArray pagesJson(const TPrintPreview &pages)
{
    QJsonArray result;
    for (int index = 0; index < pages.PageCount(); ++index)
        result.append(pageJson(pages.page(index)));
    return result;
}

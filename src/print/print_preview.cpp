#include "print_preview.h"

#include "painter_canvas.h"

#include <QPainter>

#include <cmath>

PrinterMetrics a4Metrics600()
{
    // 210 × 297 mm at 600 dpi.
    PrinterMetrics metrics;
    metrics.pageWidth = 4961;
    metrics.pageHeight = 7016;
    metrics.dpiX = 600;
    metrics.dpiY = 600;
    metrics.physicalWidth = 4961;
    metrics.physicalHeight = 7016;
    return metrics;
}

std::vector<const CanvasOp *> RecordedPage::texts() const
{
    std::vector<const CanvasOp *> result;
    for (const CanvasOp &op : ops) {
        if (op.kind == CanvasOpKind::Text)
            result.push_back(&op);
    }
    return result;
}

const CanvasOp *RecordedPage::findText(const QString &text) const
{
    for (const CanvasOp &op : ops) {
        if (op.kind == CanvasOpKind::Text && op.text == text)
            return &op;
    }
    return nullptr;
}

void replayPage(const RecordedPage &page, PrintCanvas &target)
{
    for (const CanvasOp &op : page.ops) {
        target.setFont(op.font);
        target.setPen(op.pen);
        target.setBrush(op.brush);
        switch (op.kind) {
        case CanvasOpKind::Text:
            target.textOut(op.x, op.y, op.text);
            break;
        case CanvasOpKind::MoveTo:
            target.moveTo(op.x, op.y);
            break;
        case CanvasOpKind::LineTo:
            target.lineTo(op.x, op.y);
            break;
        case CanvasOpKind::RoundRect:
            target.roundRect(op.x, op.y, op.x2, op.y2, op.cornerWidth, op.cornerHeight);
            break;
        case CanvasOpKind::Bitmap:
            target.drawBitmap(op.x, op.y, op.bitmap);
            break;
        }
    }
}

QImage renderPageImage(const RecordedPage &page, double scale)
{
    const PrinterMetrics &m = page.metrics;
    QImage image(int(std::lround(m.pageWidth * scale)), int(std::lround(m.pageHeight * scale)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    PainterCanvas canvas(painter, m.pageWidth, m.pageHeight, m.dpiX, m.dpiY);
    replayPage(page, canvas);
    return image;
}

RecordingCanvas::RecordingCanvas(RecordedPage &page)
    : m_page(page)
{}

CanvasOp &RecordingCanvas::append(CanvasOpKind kind, int x, int y)
{
    CanvasOp &op = m_page.ops.emplace_back();
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.font = font();
    op.pen = pen();
    op.brush = brush();
    return op;
}

void RecordingCanvas::textOut(int x, int y, const QString &text)
{
    append(CanvasOpKind::Text, x, y).text = text;
}

void RecordingCanvas::moveTo(int x, int y)
{
    append(CanvasOpKind::MoveTo, x, y);
}

void RecordingCanvas::lineTo(int x, int y)
{
    append(CanvasOpKind::LineTo, x, y);
}

void RecordingCanvas::roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    CanvasOp &op = append(CanvasOpKind::RoundRect, x1, y1);
    op.x2 = x2;
    op.y2 = y2;
    op.cornerWidth = cornerWidth;
    op.cornerHeight = cornerHeight;
}

void RecordingCanvas::drawBitmap(int x, int y, const QImage &bitmap)
{
    append(CanvasOpKind::Bitmap, x, y).bitmap = bitmap;
}

TPrintPreview::TPrintPreview()
    : m_metrics(a4Metrics600())
{}

TPrintPreview::~TPrintPreview() = default;

void TPrintPreview::BeginDoc()
{
    if (m_printing)
        throw EPrintPreviewError(QStringLiteral("TPrintPreview: BeginDoc: Already Printing"));
    m_pages.clear();
    m_canvas.reset();
    m_printing = true;
    startPage();
}

void TPrintPreview::NewPage()
{
    if (!m_printing)
        throw EPrintPreviewError(QStringLiteral("TPrintPreview.NewPage: not Printing"));
    startPage();
}

void TPrintPreview::startPage()
{
    auto page = std::make_unique<RecordedPage>();
    page->metrics = m_metrics;
    auto canvas = std::make_unique<RecordingCanvas>(*page);
    // A fresh page starts at 9 points; a following page carries on with the font, pen and
    // brush the layout left on the page before, as layouts rely on.
    CanvasFont startFont;
    startFont.points = 9;
    canvas->setFont(startFont);
    if (m_canvas) {
        canvas->setFont(m_canvas->font());
        canvas->setPen(m_canvas->pen());
        canvas->setBrush(m_canvas->brush());
    }
    m_pages.push_back(std::move(page));
    m_canvas = std::move(canvas);
}

void TPrintPreview::EndDoc()
{
    if (!m_printing)
        throw EPrintPreviewError(QStringLiteral("TPrintPreview.EndDoc: not Printing"));
    m_canvas.reset();
    m_printing = false;
}

PrintCanvas &TPrintPreview::Canvas()
{
    if (!m_printing || !m_canvas)
        throw EPrintPreviewError(QStringLiteral("TPrintPreview.GetCanvas: not Printing"));
    return *m_canvas;
}

const RecordedPage &TPrintPreview::page(int index) const
{
    if (m_printing)
        throw EPrintPreviewError(
            QStringLiteral("TPrinterPreview.GetPage: Pages cannot be used when printing"));
    if (index < 0 || index >= PageCount())
        throw EPrintPreviewError(QStringLiteral("TPrinterCanvas.GetPage: Index is out of Range"));
    return *m_pages[size_t(index)];
}

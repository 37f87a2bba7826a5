#pragma once

#include "common/miravo_error.h"
#include "print_canvas.h"

#include <memory>
#include <vector>

// Page metrics of a printer in its device pixels: the printable page a layout draws on,
// the resolution, the whole sheet and where the printable area sits on it.
struct PrinterMetrics
{
    int pageWidth = 0;
    int pageHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;
    int offsetY = 0;

    bool operator==(const PrinterMetrics &) const = default;
};

// A4 at 600 dpi with no unprintable margin: the printer tests and headless runs use.
PrinterMetrics a4Metrics600();

enum class CanvasOpKind { Text, MoveTo, LineTo, RoundRect, Bitmap };

// One drawing call as a layout made it, with the canvas state in effect at that moment, so
// a page can be replayed onto any canvas or walked by an exporter without tracking state.
// Coordinates are device pixels of the recording printer.
struct CanvasOp
{
    CanvasOpKind kind = CanvasOpKind::MoveTo;
    int x = 0;
    int y = 0;
    int x2 = 0; // RoundRect: the opposite corner
    int y2 = 0;
    int cornerWidth = 0;
    int cornerHeight = 0;
    QString text;  // Text
    QImage bitmap; // Bitmap
    CanvasFont font;
    CanvasPen pen;
    CanvasBrush brush;
};

struct RecordedPage
{
    PrinterMetrics metrics;
    std::vector<CanvasOp> ops;

    // The text operations only, in drawing order: what most checks look at.
    std::vector<const CanvasOp *> texts() const;
    // The first text operation with exactly this text, or nullptr.
    const CanvasOp *findText(const QString &text) const;
};

// Draws a recorded page onto another canvas call by call. The page is never changed; a
// caller that needs another scale sets it on the target's painter.
void replayPage(const RecordedPage &page, PrintCanvas &target);

// The page as a white image of its page size times scale (0.25 shows a 600 dpi page at
// 150 dpi).
QImage renderPageImage(const RecordedPage &page, double scale);

// A canvas that appends every call to a page instead of drawing.
class RecordingCanvas final : public PrintCanvas
{
public:
    explicit RecordingCanvas(RecordedPage &page);

    int pageWidth() const override { return m_page.metrics.pageWidth; }
    int pageHeight() const override { return m_page.metrics.pageHeight; }
    int dpiX() const override { return m_page.metrics.dpiX; }
    int dpiY() const override { return m_page.metrics.dpiY; }

    void textOut(int x, int y, const QString &text) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) override;
    void drawBitmap(int x, int y, const QImage &bitmap) override;

private:
    CanvasOp &append(CanvasOpKind kind, int x, int y);

    RecordedPage &m_page;
};

class EPrintPreviewError : public MiravoError
{
public:
    using MiravoError::MiravoError;
};

// The preview recorder: a document whose pages are kept as display lists recorded with
// the current printer's metrics, for the preview window, page export and tests.
class TPrintPreview final : public PrintDocument
{
public:
    TPrintPreview();
    ~TPrintPreview() override;

    // The printer that pages are recorded for; taken by the next page that starts.
    void setPrinterMetrics(const PrinterMetrics &metrics) { m_metrics = metrics; }
    const PrinterMetrics &printerMetrics() const { return m_metrics; }

    void BeginDoc();
    void NewPage();
    void EndDoc();
    PrintCanvas &Canvas();
    const RecordedPage &page(int index) const;
    int PageCount() const { return int(m_pages.size()); }
    bool printing() const { return m_printing; }

    void beginDocument() override { BeginDoc(); }
    void newPage() override { NewPage(); }
    void endDocument() override { EndDoc(); }
    PrintCanvas &pageCanvas() override { return Canvas(); }

private:
    void startPage();

    PrinterMetrics m_metrics;
    std::vector<std::unique_ptr<RecordedPage>> m_pages;
    std::unique_ptr<RecordingCanvas> m_canvas;
    bool m_printing = false;
};

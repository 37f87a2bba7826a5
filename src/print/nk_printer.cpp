#include "nk_printer.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace {

QStringList installedPrinters()
{
    QStringList names;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters()) {
        if (!info.isNull() && !info.printerName().isEmpty())
            names << info.printerName();
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

// The sizes offered for the PDF entry: those the slips, receipts and envelopes use.
QList<QPageSize> pdfPapers()
{
    return {QPageSize(QPageSize::A4),
            QPageSize(QPageSize::A5),
            QPageSize(QPageSize::B5),
            QPageSize(QPageSize::B4),
            QPageSize(QPageSize::A3),
            QPageSize(QPageSize::Letter),
            QPageSize(QPageSize::EnvelopeChou3),
            QPageSize(QPageSize::EnvelopeKaku2)};
}

} // namespace

TNkPrinter::TNkPrinter(QWidget *dialogParent)
    : m_dialogParent(dialogParent)
{
    m_printer.setDocName(QString());
    m_printer.setFullPage(false);
    if (installedPrinters().isEmpty())
        selectPdfEntry();
}

TNkPrinter::~TNkPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

QString TNkPrinter::pdfPrinterName()
{
    return QStringLiteral("PDF ファイル");
}

void TNkPrinter::setPdfFileName(const QString &fileName)
{
    m_pdfFileName = fileName;
    if (isPdfEntry())
        m_printer.setOutputFileName(fileName);
}

bool TNkPrinter::isPdfEntry() const
{
    return m_printer.outputFormat() == QPrinter::PdfFormat;
}

void TNkPrinter::selectPdfEntry()
{
    // An empty output file name would switch QPrinter back to the native format.
    if (!m_pdfFileName.isEmpty())
        m_printer.setOutputFileName(m_pdfFileName);
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QStringList TNkPrinter::printerNames() const
{
    return installedPrinters() << pdfPrinterName();
}

int TNkPrinter::printerIndex() const
{
    const QStringList names = printerNames();
    if (isPdfEntry())
        return int(names.size()) - 1;
    return int(names.indexOf(m_printer.printerName()));
}

void TNkPrinter::setPrinterIndex(int index)
{
    if (index == -1)
        return;
    const QStringList names = printerNames();
    if (index < 0 || index >= names.size())
        throw PrinterError(PrinterErrorText::badPrinterIndex());
    if (index == names.size() - 1) {
        selectPdfEntry();
        return;
    }
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    m_printer.setPrinterName(names[index]);
}

QList<QPageSize> TNkPrinter::papers() const
{
    if (isPdfEntry())
        return pdfPapers();
    const QList<QPageSize> sizes = QPrinterInfo(m_printer).supportedPageSizes();
    return sizes.isEmpty() ? pdfPapers() : sizes;
}

QStringList TNkPrinter::paperNames() const
{
    QStringList names;
    for (const QPageSize &size : papers())
        names << size.name();
    return names;
}

int TNkPrinter::paperIndex() const
{
    const QList<QPageSize> sizes = papers();
    const QPageSize current = m_printer.pageLayout().pageSize();
    for (int i = 0; i < sizes.size(); ++i) {
        if (sizes[i].isEquivalentTo(current))
            return i;
    }
    throw PrinterError(PrinterErrorText::paperIndexUnknown());
}

void TNkPrinter::setPaperIndex(int index)
{
    if (index == -1)
        return;
    const QList<QPageSize> sizes = papers();
    if (index < 0 || index >= sizes.size())
        throw PrinterError(PrinterErrorText::badPaperIndex());
    m_printer.setPageSize(sizes[index]);
}

bool TNkPrinter::landscape() const
{
    return m_printer.pageLayout().orientation() == QPageLayout::Landscape;
}

void TNkPrinter::setLandscape(bool landscape)
{
    m_printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool TNkPrinter::supportsColour() const
{
    if (isPdfEntry())
        return true;
    return QPrinterInfo(m_printer).supportedColorModes().contains(QPrinter::Color);
}

void TNkPrinter::setColour(bool colour)
{
    m_printer.setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
}

bool TNkPrinter::runSetupDialog()
{
    if (m_unattended)
        return true;
    QPrintDialog dialog(&m_printer, m_dialogParent);
    dialog.setObjectName(QStringLiteral("NkPrinterSetupDialog1"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted && isPdfEntry())
        m_pdfFileName = m_printer.outputFileName();
    return accepted;
}

PrinterMetrics TNkPrinter::metrics() const
{
    const int dpi = m_printer.resolution();
    const QPageLayout layout = m_printer.pageLayout();
    const QRect paper = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    PrinterMetrics metrics;
    metrics.pageWidth = printable.width();
    metrics.pageHeight = printable.height();
    metrics.dpiX = dpi;
    metrics.dpiY = dpi;
    metrics.physicalWidth = paper.width();
    metrics.physicalHeight = paper.height();
    metrics.offsetX = printable.left() - paper.left();
    metrics.offsetY = printable.top() - paper.top();
    return metrics;
}

void TNkPrinter::beginDocument()
{
    if (isPdfEntry() && m_printer.outputFileName().isEmpty())
        throw PrinterError(QStringLiteral("PDF ファイルの保存先が指定されていません。"));
    m_printer.setDocName(QString());
    if (!m_painter.begin(&m_printer))
        throw PrinterError(QStringLiteral("印刷を開始できませんでした。\r\n%1")
                               .arg(printerNames().value(printerIndex())));
    const PrinterMetrics page = metrics();
    m_canvas = std::make_unique<PainterCanvas>(m_painter, page.pageWidth, page.pageHeight,
                                               page.dpiX, page.dpiY);
}

void TNkPrinter::newPage()
{
    // Like the recorder, the next page keeps the font, pen and brush of the page before.
    m_printer.newPage();
}

void TNkPrinter::endDocument()
{
    m_canvas.reset();
    if (m_painter.isActive())
        m_painter.end();
}

PrintCanvas &TNkPrinter::pageCanvas()
{
    if (!m_canvas)
        throw PrinterError(QStringLiteral("TNkPrinter: not Printing"));
    return *m_canvas;
}

#include "printer_device.h"

#include <cmath>

VirtualPrinter::VirtualPrinter()
    : VirtualPrinter(
          {Model{QStringLiteral("Virtual"),
                 {QPageSize(QPageSize::A4), QPageSize(QPageSize::A5), QPageSize(QPageSize::B5)},
                 true}},
          600)
{}

VirtualPrinter::VirtualPrinter(QList<Model> printers, int dpi)
    : m_printers(std::move(printers))
    , m_dpi(dpi)
    , m_job(std::make_unique<TPrintPreview>())
{}

VirtualPrinter::~VirtualPrinter() = default;

QStringList VirtualPrinter::printerNames() const
{
    if (m_printers.isEmpty())
        throw PrinterError(PrinterErrorText::noPrinter());
    QStringList names;
    for (const Model &model : m_printers)
        names << model.name;
    return names;
}

void VirtualPrinter::setPrinterIndex(int index)
{
    if (index == -1)
        return;
    if (index < 0 || index >= printerNames().size())
        throw PrinterError(PrinterErrorText::badPrinterIndex());
    if (index != m_printer) {
        m_printer = index;
        m_paper = 0;
    }
}

QStringList VirtualPrinter::paperNames() const
{
    QStringList names;
    for (const QPageSize &size : m_printers.value(m_printer).papers)
        names << size.name();
    return names;
}

void VirtualPrinter::setPaperIndex(int index)
{
    if (index == -1)
        return;
    if (index < 0 || index >= paperNames().size())
        throw PrinterError(PrinterErrorText::badPaperIndex());
    m_paper = index;
}

bool VirtualPrinter::supportsColour() const
{
    return m_printers.value(m_printer).colour;
}

bool VirtualPrinter::runSetupDialog()
{
    ++setupDialogRuns;
    return setupAccepted;
}

PrinterMetrics VirtualPrinter::metrics() const
{
    const QList<QPageSize> papers = m_printers.value(m_printer).papers;
    const QPageSize size = papers.isEmpty() ? QPageSize(QPageSize::A4) : papers.value(m_paper);
    return sheetMetrics(size, m_landscape, m_dpi);
}

void VirtualPrinter::beginDocument()
{
    ++m_jobsStarted;
    m_job = std::make_unique<TPrintPreview>();
    m_job->setPrinterMetrics(metrics());
    m_job->BeginDoc();
}

void VirtualPrinter::newPage()
{
    m_job->NewPage();
}

void VirtualPrinter::endDocument()
{
    m_job->EndDoc();
}

PrintCanvas &VirtualPrinter::pageCanvas()
{
    return m_job->Canvas();
}

PrinterMetrics sheetMetrics(const QPageSize &size, bool landscape, int dpi)
{
    const QSizeF mm = size.size(QPageSize::Millimeter);
    int width = int(std::lround(mm.width() * dpi / 25.4));
    int height = int(std::lround(mm.height() * dpi / 25.4));
    if (landscape)
        std::swap(width, height);
    PrinterMetrics metrics;
    metrics.pageWidth = width;
    metrics.pageHeight = height;
    metrics.physicalWidth = width;
    metrics.physicalHeight = height;
    metrics.dpiX = dpi;
    metrics.dpiY = dpi;
    return metrics;
}

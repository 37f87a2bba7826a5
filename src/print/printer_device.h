#pragma once

#include "print_preview.h"

#include <QPageSize>
#include <QStringList>

#include <memory>

// The printer wrapper's failures, with the texts the users have always seen.
class PrinterError : public MiravoError
{
public:
    using MiravoError::MiravoError;
};

namespace PrinterErrorText {
inline QString noPrinter()
{
    return QStringLiteral("TNkPrinter.CheckNoPrinter: No Printer");
}
inline QString badPrinterIndex()
{
    return QStringLiteral("TNkPrinter.SetIndex: Index is out of Range");
}
inline QString badPaperIndex()
{
    return QStringLiteral("TNkPrinter:SetPaperSizeIndex: No such PaperSize Index");
}
inline QString paperIndexUnknown()
{
    return QStringLiteral("TNkPrinter.GetPaperSizeIndex: Cannot Get Paper Index");
}
} // namespace PrinterErrorText

// The printer as the print framework drives it: a list of usable printers addressed by
// index, the paper sizes of the selected printer addressed by index, orientation, colour,
// the setup dialog, page metrics and a print job. The desktop implementation is TNkPrinter
// (Qt's printer support); VirtualPrinter stands in for it in tests and headless runs.
class PrinterDevice : public PrintDocument
{
public:
    // Usable printers in a stable order. Throws PrinterError (no printer) when empty.
    virtual QStringList printerNames() const = 0;
    virtual int printerIndex() const = 0;
    // -1 keeps the default printer; an index outside the list throws PrinterError.
    virtual void setPrinterIndex(int index) = 0;

    virtual QStringList paperNames() const = 0;
    // Throws PrinterError when the current paper is none of the listed ones.
    virtual int paperIndex() const = 0;
    // Throws PrinterError for an index outside the list (-1 keeps the current paper).
    virtual void setPaperIndex(int index) = 0;

    virtual bool landscape() const = 0;
    virtual void setLandscape(bool landscape) = 0;
    virtual bool supportsColour() const = 0;
    virtual void setColour(bool colour) = 0;

    // Makes pending settings take effect (a no-op where they apply at once).
    virtual void applySettings() = 0;
    // The printer setup dialog; true when the user confirmed it. The wrapper reads the
    // printer's settings back afterwards.
    virtual bool runSetupDialog() = 0;

    virtual PrinterMetrics metrics() const = 0;

    // Whether a print run remembers this printer in the printer choice files. A printer
    // that is no choice of the user's (the headless commands' virtual one) must not replace
    // what the desktop prints on.
    virtual bool remembersChoice() const { return true; }
};

// A printer that exists only in memory. Its pages are recorded like preview pages, so
// tests can look at what a print run drew.
class VirtualPrinter final : public PrinterDevice
{
public:
    struct Model
    {
        QString name;
        QList<QPageSize> papers;
        bool colour = true;
    };

    // One colour printer "Virtual" with A4, A5 and B5 at 600 dpi, A4 selected.
    VirtualPrinter();
    VirtualPrinter(QList<Model> printers, int dpi);
    ~VirtualPrinter() override;

    // What runSetupDialog answers; how often it ran.
    bool setupAccepted = true;
    int setupDialogRuns = 0;
    bool colourEnabled() const { return m_colour; }

    // The job printed last (or being printed).
    const TPrintPreview &job() const { return *m_job; }
    int jobsStarted() const { return m_jobsStarted; }

    QStringList printerNames() const override;
    int printerIndex() const override { return m_printer; }
    void setPrinterIndex(int index) override;
    QStringList paperNames() const override;
    int paperIndex() const override { return m_paper; }
    void setPaperIndex(int index) override;
    bool landscape() const override { return m_landscape; }
    void setLandscape(bool landscape) override { m_landscape = landscape; }
    bool supportsColour() const override;
    void setColour(bool colour) override { m_colour = colour; }
    void applySettings() override {}
    bool runSetupDialog() override;
    PrinterMetrics metrics() const override;

    void beginDocument() override;
    void newPage() override;
    void endDocument() override;
    PrintCanvas &pageCanvas() override;

private:
    QList<Model> m_printers;
    int m_dpi;
    int m_printer = 0;
    int m_paper = 0;
    bool m_landscape = false;
    bool m_colour = false;
    int m_jobsStarted = 0;
    std::unique_ptr<TPrintPreview> m_job;
};

// Page metrics of a whole sheet of the given size at dpi, printable everywhere.
PrinterMetrics sheetMetrics(const QPageSize &size, bool landscape, int dpi);

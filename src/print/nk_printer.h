#pragma once

#include "print/painter_canvas.h"
#include "print/printer_device.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

class QWidget;

// The desktop printer: Qt's printer support over CUPS. Printers are the installed queues
// in name order, followed by one entry that writes a PDF file, so that a machine without
// printers can still print. The setup dialog is Qt's print dialog (NkPrinterSetupDialog1).
class TNkPrinter final : public PrinterDevice
{
public:
    explicit TNkPrinter(QWidget *dialogParent = nullptr);
    ~TNkPrinter() override;

    // The name of the PDF entry in the printer list.
    static QString pdfPrinterName();

    // Where the PDF entry writes; set before printing without the dialog (the command
    // line, tests). The dialog lets the user choose it.
    void setPdfFileName(const QString &fileName);
    QPrinter &printer() { return m_printer; }

    // Without a user (the command line, tests): the setup dialog is not shown and counts
    // as confirmed with the settings in effect.
    void setUnattended(bool unattended) { m_unattended = unattended; }

    QStringList printerNames() const override;
    int printerIndex() const override;
    void setPrinterIndex(int index) override;
    QStringList paperNames() const override;
    int paperIndex() const override;
    void setPaperIndex(int index) override;
    bool landscape() const override;
    void setLandscape(bool landscape) override;
    bool supportsColour() const override;
    void setColour(bool colour) override;
    void applySettings() override {}
    bool runSetupDialog() override;
    PrinterMetrics metrics() const override;

    void beginDocument() override;
    void newPage() override;
    void endDocument() override;
    PrintCanvas &pageCanvas() override;

private:
    bool isPdfEntry() const;
    QList<QPageSize> papers() const;
    void selectPdfEntry();

    QWidget *m_dialogParent;
    QPrinter m_printer{QPrinter::HighResolution};
    QString m_pdfFileName;
    bool m_unattended = false;
    QPainter m_painter;
    std::unique_ptr<PainterCanvas> m_canvas;
};

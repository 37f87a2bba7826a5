#pragma once

#include "print/printer_device.h"

// The printer of the headless commands: one colour printer with A4 paper only, 600 dpi, the
// whole sheet printable, and always portrait. The print preparation may ask for landscape
// (for A5 paper fed upright, or from a remembered choice); a page drawn without a desktop
// has no one to turn the paper, so the sheet stays A4 portrait.
class A4Printer final : public PrinterDevice
{
public:
    A4Printer();

    QStringList printerNames() const override { return m_printer.printerNames(); }
    int printerIndex() const override { return m_printer.printerIndex(); }
    void setPrinterIndex(int index) override { m_printer.setPrinterIndex(index); }
    QStringList paperNames() const override { return m_printer.paperNames(); }
    int paperIndex() const override { return m_printer.paperIndex(); }
    void setPaperIndex(int index) override { m_printer.setPaperIndex(index); }
    bool landscape() const override { return false; }
    void setLandscape(bool) override {}
    bool supportsColour() const override { return m_printer.supportsColour(); }
    void setColour(bool colour) override { m_printer.setColour(colour); }
    void applySettings() override {}
    bool runSetupDialog() override { return true; }
    PrinterMetrics metrics() const override { return m_printer.metrics(); }
    bool remembersChoice() const override { return false; }

    void beginDocument() override { m_printer.beginDocument(); }
    void newPage() override { m_printer.newPage(); }
    void endDocument() override { m_printer.endDocument(); }
    PrintCanvas &pageCanvas() override { return m_printer.pageCanvas(); }

private:
    VirtualPrinter m_printer;
};

#pragma once

#include "print/printer_device.h"

#include <QPageSize>

// The printer of the headless commands: one colour printer with one paper, 600 dpi, the whole
// sheet printable. A slip page stays portrait: the print preparation may ask for landscape
// (for A5 paper fed upright, or from a remembered choice), but a page drawn without a desktop
// has no one to turn the paper. An envelope is drawn on its own paper fed sideways, which the
// envelope printer follows.
class HeadlessPrinter : public PrinterDevice
{
public:
    HeadlessPrinter(const QPageSize &paper, bool followsOrientation);

    QStringList printerNames() const override { return m_printer.printerNames(); }
    int printerIndex() const override { return m_printer.printerIndex(); }
    void setPrinterIndex(int index) override { m_printer.setPrinterIndex(index); }
    QStringList paperNames() const override { return m_printer.paperNames(); }
    int paperIndex() const override { return m_printer.paperIndex(); }
    void setPaperIndex(int index) override { m_printer.setPaperIndex(index); }
    bool landscape() const override { return m_followsOrientation && m_printer.landscape(); }
    void setLandscape(bool landscape) override
    {
        if (m_followsOrientation)
            m_printer.setLandscape(landscape);
    }
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
    bool m_followsOrientation;
};

// A4 portrait: slips and receipts.
class A4Printer final : public HeadlessPrinter
{
public:
    A4Printer()
        : HeadlessPrinter(QPageSize(QPageSize::A4), false)
    {}
};

// An envelope fed sideways: 角形2号 for the ordinary envelope, 長形3号 for the long one.
class EnvelopePrinter final : public HeadlessPrinter
{
public:
    explicit EnvelopePrinter(bool longNo3)
        : HeadlessPrinter(QPageSize(longNo3 ? QPageSize::EnvelopeChou3 : QPageSize::EnvelopeKaku2),
                          true)
    {}
};

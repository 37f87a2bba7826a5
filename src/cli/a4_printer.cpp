#include "a4_printer.h"

namespace {

constexpr int printerDpi = 600;

} // namespace

A4Printer::A4Printer()
    : m_printer(
          {VirtualPrinter::Model{QStringLiteral("Virtual"), {QPageSize(QPageSize::A4)}, true}},
          printerDpi)
{}

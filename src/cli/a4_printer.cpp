#include "a4_printer.h"

namespace {

constexpr int printerDpi = 600;

} // namespace

HeadlessPrinter::HeadlessPrinter(const QPageSize &paper, bool followsOrientation)
    : m_printer({VirtualPrinter::Model{QStringLiteral("Virtual"), {paper}, true}}, printerDpi)
    , m_followsOrientation(followsOrientation)
{}

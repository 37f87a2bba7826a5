#include "layout_runner.h"

#include "common/prompter.h"

TargetKind targetKind(const PrintTarget &target)
{
    return std::holds_alternative<PreviewTarget>(target) ? TargetKind::Preview
                                                         : TargetKind::Printer;
}

PrinterDevice &targetPrinter(const PrintTarget &target)
{
    return std::visit([](const auto &t) -> PrinterDevice & { return t.printer; }, target);
}

namespace {

// The document the pages go to, made ready for the prepared printer.
PrintDocument &targetDocument(const PrintTarget &target, const PrinterMetrics &metrics)
{
    if (const PreviewTarget *preview = std::get_if<PreviewTarget>(&target)) {
        preview->recorder.setPrinterMetrics(metrics);
        return preview->recorder;
    }
    return std::get<PrinterTarget>(target).printer;
}

} // namespace

bool runLayout(Layout &layout, const PrintTarget &target, PrintRunState &state)
{
    const TargetKind kind = targetKind(target);
    if (kind == TargetKind::Printer) {
        const QString question = layout.confirmation();
        if (!question.isEmpty() && !prompter().question(question))
            return false;
    }
    if (!layout.askBeforeSetup())
        return false;
    const std::optional<PreparedRun> run = layout.preparePrinter(targetPrinter(target), kind);
    if (!run)
        return false;
    state.previewCancelled = false;
    BusyCursor busy;
    PrintDocument &document = targetDocument(target, run->metrics);
    layout.plan(*run);

    document.beginDocument();
    for (int page = 0; page < layout.pageCount(); ++page) {
        if (page > 0)
            document.newPage();
        layout.drawPage(document.pageCanvas(), page);
    }
    document.endDocument();
    return true;
}

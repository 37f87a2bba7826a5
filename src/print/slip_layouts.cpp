#include "slip_layouts.h"

#include "common/prompter.h"
#include "layout_runner.h"

namespace {

bool runSlipLayout(LayoutId id, SlipPrintJob &job, const PrintTarget &target, PrintRunState &state)
{
    const std::unique_ptr<Layout> layout = makeLayout(id, {job, state});
    return layout && runLayout(*layout, target, state);
}

// The layout of PRN_S is built: otherwise says so.
bool checkLayoutChoice(const SlipPrintJob &job)
{
    if (layoutAvailable(job.header.PRN_S))
        return true;
    prompter().information(slipLayoutUnavailableText(job.header.PRN_S));
    return false;
}

bool checkSlipKinds(const SlipPrintJob &job)
{
    if (!slipKindList(job.header).isEmpty())
        return true;
    prompter().information(QStringLiteral("伝票の種類の指定がありません。"));
    return false;
}

bool runLayoutChoice(SlipPrintJob &job, const PrintTarget &target, PrintRunState &state)
{
    job.lastUsedRow = lastUsedRow(*job.items);
    return runSlipLayout(*slipLayoutId(job.header.PRN_S), job, target, state);
}

} // namespace

bool PRINTA4(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runSlipLayout(LayoutId::FiveRowSlip, job, PrinterTarget{printer}, state);
}

bool PP_PRINTA4(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state)
{
    return runSlipLayout(LayoutId::FiveRowSlip, job, PreviewTarget{printer, preview}, state);
}

bool PRINT7(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runSlipLayout(LayoutId::SevenRowSlip, job, PrinterTarget{printer}, state);
}

bool PP_PRINT7(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
               PrintRunState &state)
{
    return runSlipLayout(LayoutId::SevenRowSlip, job, PreviewTarget{printer, preview}, state);
}

bool PRINT24(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runSlipLayout(LayoutId::Slip24Rows, job, PrinterTarget{printer}, state);
}

bool PP_PRINT24(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state)
{
    return runSlipLayout(LayoutId::Slip24Rows, job, PreviewTarget{printer, preview}, state);
}

bool PRINT36(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    return runSlipLayout(LayoutId::Slip36Rows, job, PrinterTarget{printer}, state);
}

bool PP_PRINT36(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                PrintRunState &state)
{
    return runSlipLayout(LayoutId::Slip36Rows, job, PreviewTarget{printer, preview}, state);
}

QString slipLayoutUnavailableText(int prnS)
{
    const int rows[] = {5, 7, 24, 36};
    if (prnS < 0 || prnS > 3)
        return QStringLiteral("伝票の書式の指定がありません。");
    return QStringLiteral("伝票(%1行)の印刷はまだできません。").arg(rows[prnS]);
}

bool printSlip(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state)
{
    if (!checkLayoutChoice(job) || !checkSlipKinds(job))
        return false;
    return runLayoutChoice(job, PrinterTarget{printer}, state);
}

bool previewSlip(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                 PrintRunState &state)
{
    state.previewCancelled = true;
    if (!checkLayoutChoice(job))
        return false;
    const QString honorific = job.header.KEISYOU;
    if (honorific.isEmpty() || honorific == QStringLiteral(" ") ||
        honorific == QStringLiteral("　"))
        prompter().information(QStringLiteral("敬称がありません。\r\n"));
    if (!checkSlipKinds(job))
        return false;
    runLayoutChoice(job, PreviewTarget{printer, preview}, state);
    return !state.previewCancelled;
}

#include "print/layout_registry.h"
#include "print/layout_runner.h"
#include "print/slip_layouts.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

namespace {

// A layout that writes its page number on each page and logs the runner's calls.
class CountingLayout final : public Layout
{
public:
    QStringList calls;
    QString question = QStringLiteral("印刷しますか？");
    bool proceed = true;
    bool setupConfirmed = true;
    int pages = 3;
    std::optional<TargetKind> preparedFor;

    QString confirmation() const override { return question; }
    bool askBeforeSetup() override
    {
        calls << "ask";
        return proceed;
    }
    std::optional<PreparedRun> preparePrinter(PrinterDevice &printer, TargetKind target) override
    {
        calls << "prepare";
        preparedFor = target;
        if (!setupConfirmed)
            return std::nullopt;
        PreparedRun run;
        run.metrics = printer.metrics();
        return run;
    }
    void plan(const PreparedRun &) override { calls << "plan"; }
    int pageCount() const override { return pages; }
    void drawPage(PrintCanvas &canvas, int page) override
    {
        calls << QStringLiteral("page %1").arg(page);
        canvas.textOut(10, 10, QString::number(page));
    }
};

TEST(LayoutRunner, PrinterRunsAskFirstAndDrawEveryPage)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    PrintRunState state{true};
    CountingLayout layout;

    // No to the question: nothing else happens.
    prompts.answers.enqueue(false);
    EXPECT_FALSE(runLayout(layout, PrinterTarget{printer}, state));
    EXPECT_EQ(prompts.texts(QStringLiteral("question")), QStringList({"印刷しますか？"}));
    EXPECT_TRUE(layout.calls.isEmpty());
    EXPECT_TRUE(state.previewCancelled);

    prompts.answers.enqueue(true);
    EXPECT_TRUE(runLayout(layout, PrinterTarget{printer}, state));
    EXPECT_EQ(layout.calls, QStringList({"ask", "prepare", "plan", "page 0", "page 1", "page 2"}));
    EXPECT_EQ(layout.preparedFor, TargetKind::Printer);
    EXPECT_FALSE(state.previewCancelled);
    ASSERT_EQ(printer.job().PageCount(), 3);
    for (int page = 0; page < 3; ++page)
        EXPECT_NE(printer.job().page(page).findText(QString::number(page)), nullptr);
}

TEST(LayoutRunner, PreviewRunsAskNothingAndRecordWithThePrintersMetrics)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    TPrintPreview preview;
    PrintRunState state{true};
    CountingLayout layout;
    layout.pages = 2;

    EXPECT_TRUE(runLayout(layout, PreviewTarget{printer, preview}, state));
    EXPECT_TRUE(prompts.texts(QStringLiteral("question")).isEmpty());
    EXPECT_EQ(layout.preparedFor, TargetKind::Preview);
    EXPECT_FALSE(state.previewCancelled);
    ASSERT_EQ(preview.PageCount(), 2);
    EXPECT_EQ(preview.page(1).metrics, printer.metrics());
    EXPECT_EQ(printer.jobsStarted(), 0);
}

TEST(LayoutRunner, RefusedQuestionsAndCancelledSetupDrawNothing)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    TPrintPreview preview;
    PrintRunState state{true};

    CountingLayout refused;
    refused.proceed = false;
    EXPECT_FALSE(runLayout(refused, PreviewTarget{printer, preview}, state));
    EXPECT_EQ(refused.calls, QStringList({"ask"}));

    CountingLayout cancelled;
    cancelled.setupConfirmed = false;
    EXPECT_FALSE(runLayout(cancelled, PreviewTarget{printer, preview}, state));
    EXPECT_EQ(cancelled.calls, QStringList({"ask", "prepare"}));
    EXPECT_TRUE(state.previewCancelled);
    EXPECT_EQ(preview.PageCount(), 0);
}

TEST(LayoutRegistry, SlipLayoutChoices)
{
    EXPECT_EQ(slipLayoutId(0), LayoutId::FiveRowSlip);
    EXPECT_EQ(slipLayoutId(1), LayoutId::SevenRowSlip);
    EXPECT_EQ(slipLayoutId(2), LayoutId::Slip24Rows);
    EXPECT_EQ(slipLayoutId(3), LayoutId::Slip36Rows);
    EXPECT_EQ(slipLayoutId(4), std::nullopt);
    for (int prnS : {0, 1, 2, 3})
        EXPECT_TRUE(layoutAvailable(prnS)) << prnS;
    EXPECT_FALSE(layoutAvailable(-1));
    EXPECT_FALSE(layoutAvailable(4));
    EXPECT_TRUE(layoutAvailable(LayoutId::FiveRowSlip));
    EXPECT_TRUE(layoutAvailable(LayoutId::Receipt));
    EXPECT_TRUE(layoutAvailable(LayoutId::StatementForm1));

    SlipPrintJob job;
    PrintRunState state;
    EXPECT_NE(makeLayout(LayoutId::SevenRowSlip, {job, state}), nullptr);
    EXPECT_NE(makeLayout(LayoutId::Envelope, {job, state}), nullptr);
    EXPECT_NE(makeLayout(LayoutId::StatementForm2, {job, state}), nullptr);
}

TEST(LayoutRegistry, CommandsRefuseALayoutChoiceThatNamesNoLayout)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    TPrintPreview preview;
    PrintRunState state;
    StringGrid items(12, 31);
    SlipPrintJob job;
    job.items = &items;
    job.header.NOUHIN = true;
    job.header.KEISYOU = QStringLiteral("様");
    for (int prnS : {-1, 4}) {
        SCOPED_TRACE(prnS);
        prompts.log.clear();
        job.header.PRN_S = prnS;
        EXPECT_FALSE(printSlip(job, printer, state));
        EXPECT_FALSE(previewSlip(job, printer, preview, state));
        EXPECT_TRUE(state.previewCancelled) << "no preview window opens";
        const QString text = slipLayoutUnavailableText(prnS);
        EXPECT_EQ(prompts.texts(QStringLiteral("info")), QStringList({text, text}));
        EXPECT_TRUE(prompts.texts(QStringLiteral("question")).isEmpty());
        EXPECT_EQ(printer.setupDialogRuns, 0);
        EXPECT_EQ(printer.jobsStarted(), 0);
    }
    EXPECT_EQ(slipLayoutUnavailableText(4), QStringLiteral("伝票の書式の指定がありません。"));
}

} // namespace

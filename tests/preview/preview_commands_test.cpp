#include "preview/preview_commands.h"
#include "print/printer_device.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

TEST(PreviewCommands, ModeIsReceiptThenEnvelopeThenStatementThenSlip)
{
    const struct
    {
        bool receipt;
        bool envelope;
        bool statement;
        PreviewMode expected;
    } cases[] = {
        {true, true, true, PreviewMode::Receipt},
        {false, true, true, PreviewMode::Envelope},
        {false, false, true, PreviewMode::Statement},
        {false, false, false, PreviewMode::Slip},
    };
    for (const auto &c : cases)
        EXPECT_EQ(previewMode(c.receipt, c.envelope, c.statement), c.expected);
}

TEST(PreviewCommands, HonorificIsMissingWhenEmptyOrOneBlank)
{
    EXPECT_TRUE(isMissingHonorific(""));
    EXPECT_TRUE(isMissingHonorific(" "));
    EXPECT_TRUE(isMissingHonorific("　"));
    EXPECT_FALSE(isMissingHonorific("  "));
    EXPECT_FALSE(isMissingHonorific("様"));
}

// The main window's steps, recording what ran.
class PrintSteps
{
public:
    QString honorific = QStringLiteral("様");
    bool kindChecked = true;
    QStringList calls;

    PreviewPrintSteps steps()
    {
        PreviewPrintSteps s;
        s.honorific = [this] { return honorific; };
        s.printReceipt = [this](bool small) { calls << (small ? "small receipt" : "receipt"); };
        s.forgetReceiptProviso = [this] { calls << "forget proviso"; };
        s.printEnvelope = [this](bool no3) { calls << (no3 ? "envelope no3" : "envelope"); };
        s.printStatement = [this](bool no2) { calls << (no2 ? "statement 2" : "statement"); };
        s.advanceSlipNumber = [this] { calls << "advance number"; };
        s.recalculate = [this] { calls << "recalculate"; };
        s.anySlipKindChecked = [this] { return kindChecked; };
        s.printSlip = [this] { calls << "slip"; };
        return s;
    }
};

class PrintFromPreviewTest : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedPrompter prompter;
    PrintSteps main;
};

TEST_F(PrintFromPreviewTest, SlipModeRecalculatesChecksTheKindsAndPrints)
{
    printFromPreview(PreviewMode::Slip, main.steps());
    EXPECT_EQ(main.calls, (QStringList{"recalculate", "slip"}));
    EXPECT_TRUE(prompter.log.isEmpty());

    main.calls.clear();
    main.kindChecked = false;
    printFromPreview(PreviewMode::Slip, main.steps());
    EXPECT_EQ(main.calls, (QStringList{"recalculate"}));
    EXPECT_EQ(prompter.log, (QStringList{"info: 伝票の種類の指定がありません。"}));
}

TEST_F(PrintFromPreviewTest, ReceiptPrintsTheSizeThePreviewShowedAndForgetsTheProviso)
{
    dir.writeLines("PRINT.INI", {"[領収証小]=1"});
    main.honorific = QStringLiteral("　");
    printFromPreview(PreviewMode::Receipt, main.steps());
    EXPECT_EQ(main.calls, (QStringList{"small receipt", "forget proviso"}));
    EXPECT_EQ(prompter.log,
              (QStringList{"info: 敬称がありません。白紙領収証の場合は続けてください。"}));

    main.calls.clear();
    dir.writeLines("PRINT.INI", {"[領収証小]=0"});
    main.honorific = QStringLiteral("様");
    printFromPreview(PreviewMode::Receipt, main.steps());
    EXPECT_EQ(main.calls, (QStringList{"receipt", "forget proviso"}));
}

TEST_F(PrintFromPreviewTest, EnvelopePrintsOnlyAfterYes)
{
    dir.writeLines("PRINT.INI", {"[封筒長形３号]=1"});
    main.honorific = QString();
    prompter.answers << false << true;
    printFromPreview(PreviewMode::Envelope, main.steps());
    EXPECT_TRUE(main.calls.isEmpty());
    main.honorific = QStringLiteral("御中");
    printFromPreview(PreviewMode::Envelope, main.steps());
    EXPECT_EQ(main.calls, (QStringList{"envelope no3"}));
    EXPECT_EQ(prompter.log,
              (QStringList{"info: 敬称がありません。\r\n", "question: 封筒に宛名を印字します。\r\n",
                           "question: 封筒に宛名を印字します。\r\n"}));
}

TEST_F(PrintFromPreviewTest, StatementPrintsAdvancesTheNumberAndReminds)
{
    dir.writeLines("PRINT.INI", {"[書式２号]=1"});
    printFromPreview(PreviewMode::Statement, main.steps());
    EXPECT_EQ(main.calls, (QStringList{"statement 2", "advance number"}));
    EXPECT_EQ(prompter.log,
              (QStringList{"info: 提出前に納品書の控えと必ず照合してください。\r\n"}));
}

// The preview command with a page producer that behaves as the layouts do: it clears the
// cancelled flag only when the printer setup dialog is confirmed.
class SlipPreviewTest : public ::testing::Test
{
protected:
    SlipPreviewSteps steps()
    {
        SlipPreviewSteps s;
        s.statementShown = [this] { return statementShown; };
        s.previewStatement = [this](bool no2) {
            calls << (no2 ? "statement 2 preview" : "statement preview");
            produce();
        };
        s.honorific = [this] { return honorific; };
        s.recalculate = [this] { calls << "recalculate"; };
        s.anySlipKindChecked = [this] { return kindChecked; };
        s.findLastUsedRow = [this] { calls << "last row"; };
        s.previewSlip = [this] {
            calls << "slip preview";
            produce();
        };
        s.openPreviewWindow = [this] { calls << "open window"; };
        return s;
    }

    void produce()
    {
        if (printer.runSetupDialog())
            cancelled = false;
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    VirtualPrinter printer;
    bool cancelled = false;
    bool statementShown = false;
    bool kindChecked = true;
    QString honorific = QStringLiteral("様");
    QStringList calls;
};

TEST_F(SlipPreviewTest, ConfirmedSetupOpensTheWindow)
{
    runSlipPreview(cancelled, steps());
    EXPECT_EQ(calls, (QStringList{"recalculate", "last row", "slip preview", "open window"}));
    EXPECT_FALSE(cancelled);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(SlipPreviewTest, CancelledSetupOpensNoWindow)
{
    printer.setupAccepted = false;
    runSlipPreview(cancelled, steps());
    EXPECT_EQ(calls, (QStringList{"recalculate", "last row", "slip preview"}));
    EXPECT_TRUE(cancelled);

    calls.clear();
    statementShown = true;
    runSlipPreview(cancelled, steps());
    EXPECT_EQ(calls, (QStringList{"statement preview"}));
    EXPECT_EQ(printer.setupDialogRuns, 2);
}

TEST_F(SlipPreviewTest, MissingHonorificOnlyRemindsAndMissingKindStops)
{
    honorific = QStringLiteral(" ");
    kindChecked = false;
    runSlipPreview(cancelled, steps());
    EXPECT_EQ(calls, (QStringList{"recalculate"}));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(prompter.log, (QStringList{"info: 敬称がありません。\r\n",
                                         "info: 伝票の種類の指定がありません。"}));
}

TEST_F(SlipPreviewTest, StatementShownPreviewsTheChosenFormWithoutSlipChecks)
{
    dir.writeLines("PRINT.INI", {"[書式２号]=1"});
    statementShown = true;
    honorific = QString();
    runSlipPreview(cancelled, steps());
    EXPECT_EQ(calls, (QStringList{"statement 2 preview", "open window"}));
    EXPECT_TRUE(prompter.log.isEmpty());
}

} // namespace

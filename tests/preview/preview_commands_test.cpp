#include "preview/preview_commands.h"
#include "print/printer_device.h"
#include "print/slip_layouts.h"
#include "slip/string_grid.h"
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

// The main window as the preview commands see it, recording what ran.
class RecordingHost : public PreviewHost
{
public:
    QString honorificText = QStringLiteral("様");
    bool statementShownFlag = false;
    QStringList calls;

    QString honorific() const override { return honorificText; }
    void recalculate() override { calls << "recalculate"; }
    void printReceipt(bool small) override { calls << (small ? "small receipt" : "receipt"); }
    void forgetReceiptProviso() override { calls << "forget proviso"; }
    void printEnvelope(bool no3) override { calls << (no3 ? "envelope no3" : "envelope"); }
    bool statementPrinted = true;
    bool printStatement(bool no2) override
    {
        calls << (no2 ? "statement 2" : "statement");
        return statementPrinted;
    }
    void advanceSlipNumber() override { calls << "advance number"; }
    void processPendingEvents() override {}
    void printSlip() override { calls << "slip"; }
    bool statementShown() const override { return statementShownFlag; }
    void previewStatement(bool no2) override
    {
        calls << (no2 ? "statement 2 preview" : "statement preview");
    }
    void previewSlip() override { calls << "slip preview"; }
    void openPreviewWindow() override { calls << "open window"; }
    // The twins clear the flag as a confirmed printer setup does, unless told otherwise.
    bool *previewCancelled = nullptr;
    bool setupConfirmed = true;
    void previewReceipt(bool small) override
    {
        calls << (small ? "small receipt preview" : "receipt preview");
        if (previewCancelled && setupConfirmed)
            *previewCancelled = false;
    }
    void previewEnvelope(bool no3) override
    {
        calls << (no3 ? "envelope no3 preview" : "envelope preview");
        if (previewCancelled && setupConfirmed)
            *previewCancelled = false;
    }
    void openPreviewWindowFor(PreviewMode mode) override
    {
        calls << (mode == PreviewMode::Receipt ? "open receipt window" : "open envelope window");
    }
};

class PrintFromPreviewTest : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedPrompter prompter;
    RecordingHost main;
};

TEST_F(PrintFromPreviewTest, SlipModeRecalculatesThenPrints)
{
    printFromPreview(PreviewMode::Slip, main);
    EXPECT_EQ(main.calls, (QStringList{"recalculate", "slip"}));
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(PrintFromPreviewTest, ReceiptPrintsTheSizeThePreviewShowedAndForgetsTheProviso)
{
    dir.writeLines("PRINT.INI", {"[領収証小]=1"});
    main.honorificText = QStringLiteral("　");
    printFromPreview(PreviewMode::Receipt, main);
    EXPECT_EQ(main.calls, (QStringList{"small receipt", "forget proviso"}));
    EXPECT_EQ(prompter.log,
              (QStringList{"info: 敬称がありません。白紙領収証の場合は続けてください。"}));

    main.calls.clear();
    dir.writeLines("PRINT.INI", {"[領収証小]=0"});
    main.honorificText = QStringLiteral("様");
    printFromPreview(PreviewMode::Receipt, main);
    EXPECT_EQ(main.calls, (QStringList{"receipt", "forget proviso"}));
}

TEST_F(PrintFromPreviewTest, EnvelopePrintsOnlyAfterYes)
{
    dir.writeLines("PRINT.INI", {"[封筒長形３号]=1"});
    main.honorificText = QString();
    prompter.answers << false << true;
    printFromPreview(PreviewMode::Envelope, main);
    EXPECT_TRUE(main.calls.isEmpty());
    main.honorificText = QStringLiteral("御中");
    printFromPreview(PreviewMode::Envelope, main);
    EXPECT_EQ(main.calls, (QStringList{"envelope no3"}));
    EXPECT_EQ(prompter.log,
              (QStringList{"info: 敬称がありません。\r\n", "question: 封筒に宛名を印字します。\r\n",
                           "question: 封筒に宛名を印字します。\r\n"}));
}

TEST_F(PrintFromPreviewTest, ReceiptAndEnvelopeButtonsPrintAfterTheirChecks)
{
    dir.writeLines("PRINT.INI", {"[領収証小]=1", "[封筒長形３号]=1"});
    main.honorificText = QString();
    runReceiptPrint(main);
    // The toolbar's receipt keeps the 但し書き for the next run.
    EXPECT_EQ(main.calls, (QStringList{"small receipt"}));
    prompter.answers << false << true;
    runEnvelopePrint(main);
    runEnvelopePrint(main);
    EXPECT_EQ(main.calls, (QStringList{"small receipt", "envelope no3"}));
    EXPECT_EQ(
        prompter.log,
        (QStringList{"info: 敬称がありません。白紙領収証の場合は続けてください。",
                     "info: 敬称がありません。\r\n", "question: 封筒に宛名を印字します。\r\n",
                     "info: 敬称がありません。\r\n", "question: 封筒に宛名を印字します。\r\n"}));
}

TEST_F(PrintFromPreviewTest, ReceiptAndEnvelopePreviewsOpenTheirModeOnlyAfterASetup)
{
    bool cancelled = false;
    main.previewCancelled = &cancelled;
    main.honorificText = QString();
    runReceiptPreview(cancelled, main);
    runEnvelopePreview(cancelled, main);
    // The previews neither remind of the honorific nor ask.
    EXPECT_TRUE(prompter.log.isEmpty());
    EXPECT_EQ(main.calls, (QStringList{"receipt preview", "open receipt window", "envelope preview",
                                       "open envelope window"}));

    main.calls.clear();
    main.setupConfirmed = false;
    runReceiptPreview(cancelled, main);
    runEnvelopePreview(cancelled, main);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(main.calls, (QStringList{"receipt preview", "envelope preview"}));
}

TEST_F(PrintFromPreviewTest, StatementPrintsAdvancesTheNumberAndReminds)
{
    dir.writeLines("PRINT.INI", {"[書式２号]=1"});
    printFromPreview(PreviewMode::Statement, main);
    EXPECT_EQ(main.calls, (QStringList{"statement 2", "advance number"}));
    EXPECT_EQ(prompter.log,
              (QStringList{"info: 提出前に納品書の控えと必ず照合してください。\r\n"}));

    // A run that stopped before printing (a wrong issue date, a cancelled printer dialog)
    // keeps the number and does not remind.
    main.calls.clear();
    prompter.log.clear();
    main.statementPrinted = false;
    printFromPreview(PreviewMode::Statement, main);
    EXPECT_EQ(main.calls, (QStringList{"statement 2"}));
    EXPECT_TRUE(prompter.log.isEmpty());
}

// A slip of two kinds and three items, as the main window hands it to the layouts.
class SlipPreviewTest : public ::testing::Test
{
protected:
    SlipPreviewTest()
    {
        job.items = &items;
        job.header.NAME1 = QStringLiteral("山田商店");
        job.header.KEISYOU = QStringLiteral("様");
        job.header.Bangou = QStringLiteral("1024");
        job.header.DTP1 = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
        job.header.NOUHIN = job.header.SEIKYUU = true;
        for (int row = 1; row <= 3; ++row) {
            items.setCell(2, row, QStringLiteral("品物%1").arg(row));
            items.setCell(9, row, QStringLiteral("1000"));
        }
    }

    // The main window's steps around the real slip preview of the print framework.
    class Host : public RecordingHost
    {
    public:
        explicit Host(SlipPreviewTest &test)
            : m_test(test)
        {}
        bool statementShown() const override { return m_test.statementShown; }
        void previewStatement(bool no2) override
        {
            RecordingHost::previewStatement(no2);
            // The statement layouts clear the flag the same way once their setup is done.
            if (m_test.printer.runSetupDialog())
                m_test.state.previewCancelled = false;
        }
        void previewSlip() override
        {
            ::previewSlip(m_test.job, m_test.printer, m_test.preview, m_test.state);
        }

    private:
        SlipPreviewTest &m_test;
    };

    void runPreview()
    {
        Host host(*this);
        runSlipPreview(state.previewCancelled, host);
        calls << host.calls;
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    StringGrid items{12, 31};
    SlipPrintJob job;
    VirtualPrinter printer;
    TPrintPreview preview;
    PrintRunState state;
    bool statementShown = false;
    QStringList calls;
};

TEST_F(SlipPreviewTest, ConfirmedSetupRecordsTheSlipAndOpensTheWindow)
{
    runPreview();
    EXPECT_EQ(calls, (QStringList{"recalculate", "open window"}));
    EXPECT_FALSE(state.previewCancelled);
    // Two kinds of the 5-row slip share one sheet.
    EXPECT_EQ(preview.PageCount(), 1);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(SlipPreviewTest, CancelledSetupOpensNoWindow)
{
    printer.setupAccepted = false;
    runPreview();
    EXPECT_EQ(calls, (QStringList{"recalculate"}));
    EXPECT_TRUE(state.previewCancelled);
    EXPECT_EQ(preview.PageCount(), 0);

    calls.clear();
    statementShown = true;
    runPreview();
    EXPECT_EQ(calls, (QStringList{"statement preview"}));
    EXPECT_EQ(printer.setupDialogRuns, 2);
}

TEST_F(SlipPreviewTest, MissingHonorificOnlyRemindsAndMissingKindStops)
{
    job.header.KEISYOU = QStringLiteral(" ");
    job.header.NOUHIN = job.header.SEIKYUU = false;
    runPreview();
    EXPECT_EQ(calls, (QStringList{"recalculate"}));
    EXPECT_TRUE(state.previewCancelled);
    EXPECT_EQ(printer.setupDialogRuns, 0);
    EXPECT_EQ(prompter.log, (QStringList{"info: 敬称がありません。\r\n",
                                         "info: 伝票の種類の指定がありません。"}));
}

TEST_F(SlipPreviewTest, StatementShownPreviewsTheChosenFormWithoutSlipChecks)
{
    dir.writeLines("PRINT.INI", {"[書式２号]=1"});
    statementShown = true;
    job.header.KEISYOU.clear();
    runPreview();
    EXPECT_EQ(calls, (QStringList{"statement 2 preview", "open window"}));
    EXPECT_TRUE(prompter.log.isEmpty());
}

} // namespace

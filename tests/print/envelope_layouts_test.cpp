#include "print/envelope_layouts.h"
#include "print/layout_painter.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString companyName = QStringLiteral("株式会社ミラボ");

class EnvelopeLayoutTest : public ::testing::Test
{
protected:
    EnvelopeLayoutTest()
    {
        job.items = &items;
        job.header.YUBIN = QStringLiteral("100-0001");
        job.header.ADD1 = QStringLiteral("東京都千代田区1-1");
        job.header.NAME1 = QStringLiteral("山田商店");
        job.header.KEISYOU = QStringLiteral("様");
        setPrintIni({});
    }

    void setPrintIni(const QStringList &lines)
    {
        dir.writeLines(QStringLiteral("PRINT.INI"),
                       QStringList{"[社名]=株式会社ミラボ", "[支店]=東京支店"} + lines);
    }

    void record(bool longNo3)
    {
        const bool drawn = longNo3 ? FUUTOU3_PP(job, printer, preview, state)
                                   : FUUTOU_PP(job, printer, preview, state);
        ASSERT_TRUE(drawn);
        ASSERT_EQ(preview.PageCount(), 1);
    }

    const CanvasOp *text(const QString &t) const { return preview.page(0).findText(t); }
    // The texts that show something (empty company lines are drawn too).
    QStringList texts() const
    {
        QStringList all;
        for (const CanvasOp *op : preview.page(0).texts()) {
            if (!op->text.isEmpty())
                all << op->text;
        }
        return all;
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    VirtualPrinter printer;
    TPrintPreview preview;
    StringGrid items{12, 31};
    SlipPrintJob job;
    PrintRunState state;
};

TEST_F(EnvelopeLayoutTest, AddressStandsOnTheSidewaysGridWithTheHonorificAfterAFullWidthSpace)
{
    // A customer name: no window question (the strict prompter would fail on one).
    record(false);
    const PrinterMetrics &m = preview.page(0).metrics;
    EXPECT_GT(m.pageWidth, m.pageHeight);
    const double He = float(m.pageWidth) / 4066.0f;
    const double Ve = float(m.pageHeight) / 2878.0f;
    const int xo = int(std::trunc(-56 * He));
    const CanvasOp *name = text(QStringLiteral("山田商店　様"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, int(std::trunc(850 * He + xo)));
    EXPECT_EQ(name->y, int(std::trunc(1680 * Ve)));
    EXPECT_EQ(name->font.face, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(name->font.points, 14);
    EXPECT_NE(text(QStringLiteral("〒100-0001")), nullptr);
    const CanvasOp *company = text(companyName);
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->font.colour, QColor(Qt::blue));
    EXPECT_TRUE(company->font.bold);
    EXPECT_EQ(company->y, int(std::trunc(360 * Ve + std::trunc(1960 * Ve))));
}

TEST_F(EnvelopeLayoutTest, SecondNameTakesTheHonorificAndTheFirstStandsAlone)
{
    job.header.NAME2 = QStringLiteral("営業部");
    for (bool longNo3 : {false, true}) {
        SCOPED_TRACE(longNo3);
        record(longNo3);
        const CanvasOp *first = text(QStringLiteral("山田商店"));
        const CanvasOp *second = text(QStringLiteral("営業部　様"));
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        EXPECT_LT(first->y, second->y);
        EXPECT_FALSE(texts().contains(QStringLiteral("山田商店　様")));
    }
}

TEST_F(EnvelopeLayoutTest, WindowEnvelopePrintsTheCompanyBlockAloneFurtherLeft)
{
    job.header.NAME1.clear();
    job.header.ADD1.clear();
    const QString question = QStringLiteral("question: ") + EnvelopeText::windowQuestion();
    for (bool longNo3 : {false, true}) {
        SCOPED_TRACE(longNo3);
        prompts.answers << false;
        record(longNo3);
        const int ordinaryX = text(companyName)->x;
        EXPECT_NE(text(QStringLiteral("〒100-0001")), nullptr);
        EXPECT_TRUE(prompts.log.contains(question));

        prompts.answers << true;
        record(longNo3);
        EXPECT_EQ(texts(), (QStringList{companyName, QStringLiteral("東京支店")}));
        // 420 layout units on the ordinary envelope, 25 mm on the long one.
        const PrinterMetrics &m = preview.page(0).metrics;
        const double He = float(m.pageWidth) / 4066.0f;
        const double sx = float(m.dpiX) / 254.0f;
        const int shift = longNo3 ? int(std::trunc(550 * sx)) - int(std::trunc(300 * sx))
                                  : int(std::trunc(770 * He)) - int(std::trunc(350 * He));
        EXPECT_EQ(ordinaryX - text(companyName)->x, shift);
    }
}

TEST_F(EnvelopeLayoutTest, CompanyBlockLeftOffPrintsTheAddressOnly)
{
    setPrintIni({"[封筒自社名]=印刷しない"});
    for (bool longNo3 : {false, true}) {
        record(longNo3);
        EXPECT_EQ(texts(), (QStringList{"〒100-0001", "東京都千代田区1-1", "山田商店　様"}));
    }
}

TEST_F(EnvelopeLayoutTest, LongEnvelopeRemembersItsPrinterAfterAPreviewToo)
{
    dir.writeLines(QStringLiteral("PRINTF.INI"),
                   {"[封筒ORIENT]=0", "[封筒PRINTER]=7", "[封筒PAPER]=2"});
    record(true);
    EXPECT_EQ(prompts.log,
              (QStringList{QStringLiteral("info: ") + EnvelopeText::longEnvelopePaper()}));
    // Printer 7 does not exist; the paper and the landscape the run set are kept.
    EXPECT_EQ(dir.readLines(QStringLiteral("PRINTF.INI")),
              (QStringList{"[封筒ORIENT]=1", "[封筒PRINTER]=0", "[封筒PAPER]=2"}));

    // A cancelled setup leaves the file and draws nothing.
    dir.writeLines(QStringLiteral("PRINTF.INI"), {"[封筒PAPER]=1"});
    printer.setupAccepted = false;
    EXPECT_FALSE(FUUTOU3_PP(job, printer, preview, state));
    EXPECT_EQ(dir.readLines(QStringLiteral("PRINTF.INI")), (QStringList{"[封筒PAPER]=1"}));
}

} // namespace

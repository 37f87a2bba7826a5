#include "print/envelope_layouts.h"
#include "print/nk_printer.h"
#include "print/receipt_layouts.h"
#include "print/slip_layouts.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

// Printing through Qt's printer support: straight into a PDF file, and through a real CUPS
// queue of the cups-pdf driver (scripts/cups-pdf-queue sets it up).

namespace {

const QString cupsQueue = QStringLiteral("MIRAVO_PDF");

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        if (exitCode)
            *exitCode = -1;
        return QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
    }
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

int pdfPageCount(const QString &file)
{
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

class RealPrintingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
        job.items = &items;
        job.header.Bangou = QStringLiteral("1024");
        job.header.NAME1 = QStringLiteral("山田商店");
        job.header.KEISYOU = QStringLiteral("様");
        job.header.DTP1 = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
        job.header.NOUHIN = job.header.SEIKYUU = job.header.HIKAE = true;
        for (int row = 1; row <= 12; ++row) {
            items.setCell(2, row, QStringLiteral("品目%1").arg(row));
            items.setCell(5, row, QStringLiteral("1"));
            items.setCell(7, row, QStringLiteral("100"));
            items.setCell(9, row, QStringLiteral("100"));
        }
        printer.setUnattended(true);
        prompts.answers.enqueue(true);
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    StringGrid items{12, 31};
    SlipPrintJob job;
    PrintRunState state;
    TNkPrinter printer;
};

// Kinds 1, 2 and 4 over twelve rows: nine slip images, two a sheet.
constexpr int nineImageSheets = 5;

TEST_F(RealPrintingTest, NineImageSlipPrintsToAPdfFile)
{
    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("slip.pdf"));
    printer.setPrinterIndex(int(printer.printerNames().size()) - 1);
    EXPECT_EQ(printer.printerNames().last(), TNkPrinter::pdfPrinterName());
    printer.setPdfFileName(file);
    ASSERT_TRUE(printSlip(job, printer, state));
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(pdfPageCount(file), nineImageSheets);
    const QString text = run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("1024-3"))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("品目12")));
    EXPECT_EQ(dir.readLines(QStringLiteral("PRINT24.INI")).value(1),
              QStringLiteral("[PRINTER]=%1").arg(printer.printerNames().size() - 1));
}

// Selects the cups-pdf queue; false (with the reason) when there is none to print to.
bool selectCupsQueue(TNkPrinter &printer, QString &reason)
{
    const QString script =
        QDir::cleanPath(QStringLiteral(MIRAVO_FIXTURES "/../../scripts/cups-pdf-queue"));
    int exitCode = 0;
    const QString setup = run(script, {cupsQueue}, &exitCode);
    if (exitCode != 0) {
        reason = QStringLiteral("no CUPS queue to print to: ") + setup.trimmed();
        return false;
    }
    const int index = int(printer.printerNames().indexOf(cupsQueue));
    if (index < 0) {
        reason = QStringLiteral("CUPS has the queue but Qt does not list it");
        return false;
    }
    printer.setPrinterIndex(index);
    return true;
}

// Runs a print and waits for the PDF cups-pdf writes into ~/PDF of the printing user; its
// page count, or -1 when none came.
int cupsPdfPages(const std::function<bool()> &print)
{
    const QDir outDir(QDir::homePath() + QStringLiteral("/PDF"));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    if (!print())
        return -1;
    QString produced;
    for (int wait = 0; wait < 120 && produced.isEmpty(); ++wait) {
        QThread::msleep(500);
        for (const QFileInfo &info :
             outDir.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
            if (info.lastModified() >= started && info.size() > 0) {
                QThread::msleep(500); // let cups-pdf finish writing
                produced = info.absoluteFilePath();
                break;
            }
        }
    }
    if (produced.isEmpty())
        return -1;
    const int pages = pdfPageCount(produced);
    QFile::remove(produced);
    return pages;
}

TEST_F(RealPrintingTest, NineImageSlipPrintsThroughACupsPdfQueue)
{
    QString reason;
    if (!selectCupsQueue(printer, reason))
        GTEST_SKIP() << reason.toStdString();
    EXPECT_EQ(cupsPdfPages([&] { return printSlip(job, printer, state); }), nineImageSheets);
}

TEST_F(RealPrintingTest, ReceiptsAndEnvelopesPrintThroughACupsPdfQueue)
{
    QString reason;
    if (!selectCupsQueue(printer, reason))
        GTEST_SKIP() << reason.toStdString();
    // The receipt and its copy share a sheet, or take one each with A5 ticked.
    prompts.inputs << QStringLiteral("お品代として");
    EXPECT_EQ(cupsPdfPages([&] { return PRINT_RYOSYUU(job, printer, state); }), 1);
    job.header.A5 = true;
    prompts.answers << true;
    prompts.inputs << std::nullopt;
    EXPECT_EQ(cupsPdfPages([&] { return PRINT_RYOSYUU(job, printer, state); }), 2);
    prompts.answers << true;
    prompts.inputs << std::nullopt;
    EXPECT_EQ(cupsPdfPages([&] { return PRINT_RYOSYUU_S(job, printer, state); }), 1);
    EXPECT_EQ(cupsPdfPages([&] { return FUUTOU(job, printer, state); }), 1);
    EXPECT_EQ(cupsPdfPages([&] { return FUUTOU3(job, printer, state); }), 1);
    EXPECT_TRUE(dir.exists(QStringLiteral("PRINTF.INI")));
}

} // namespace

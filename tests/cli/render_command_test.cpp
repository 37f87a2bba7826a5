#include "cli_run.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString baseName = QStringLiteral("令和7年04月01日【10023】山田商店");

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(runTool(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

// The fixture with its three used rows followed by more items, each of them used.
QString slipWithRows(const TempProgramDir &home, int rows)
{
    QStringList lines = fixtureLines().mid(0, 13);
    for (int row = 1; row <= rows; ++row)
        lines << QStringLiteral("%1,,品物%1,,,1,個,100,50,,,").arg(row);
    return writeSlip(home.path(), baseName + QStringLiteral(".419"), lines);
}

QStringList render(const QString &slip, const QStringList &options)
{
    return QStringList{QStringLiteral("render"), slip} + options;
}

TEST(RenderCommand, WritesOnePdfWithAPageForEverySheet)
{
    struct Case
    {
        const char *name;
        int rows;
        QStringList options;
        int pages;
    };
    // Two slip images share an A4 sheet, one per sheet with --a5; a block of rows that does
    // not fit one image goes on to the next image of the same kind.
    const Case cases[] = {
        {"one kind", 3, {"--layout", "5", "--kinds", "1"}, 1},
        {"two kinds", 3, {"--layout", "5", "--kinds", "12"}, 1},
        {"three kinds", 3, {"--layout", "5", "--kinds", "124"}, 2},
        {"three kinds, a5", 3, {"--layout", "5", "--kinds", "124", "--a5"}, 3},
        {"12 rows in 5-row images", 12, {"--layout", "5", "--kinds", "1"}, 2},
        {"12 rows in 7-row images", 12, {"--layout", "7", "--kinds", "1"}, 1},
        {"30 rows in 24-row images", 30, {"--layout", "24", "--kinds", "12"}, 4},
        {"30 rows in 36-row images, --a5 changes nothing",
         30,
         {"--layout", "36", "--kinds", "12", "--a5"},
         2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramDir home;
        const QString pdf = home.path() + QStringLiteral("pages/slip.pdf");
        const CliRun run =
            runCli(home, render(slipWithRows(home, c.rows), c.options + QStringList{"--pdf", pdf}));
        ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
        EXPECT_EQ(run.outText(), pdf + u'\n');
        EXPECT_EQ(pdfPages(pdf), c.pages);
    }
}

TEST(RenderCommand, PdfHoldsTheSlipsTexts)
{
    TempProgramDir home;
    const QString pdf = home.path() + QStringLiteral("slip.pdf");
    const CliRun run =
        runCli(home, render(fixtureSlip(), {"--layout", "5", "--kinds", "12", "--pdf", pdf}));
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    // Titles are spaced out ("納　品　書"): compare without blanks.
    const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                             .remove(QRegularExpression(QStringLiteral("\\s")));
    for (const char *expected : {"山田商店", "納品書", "ボルト", "1,200", "伝票№10023",
                                 "下記の通り納品申し上げます。", "下記の通り請求申し上げます。"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST(RenderCommand, OpsListTheDrawingOfEveryPageInDevicePixels)
{
    TempProgramDir home;
    const QString ops = home.path() + QStringLiteral("ops.json");
    const QString pdf = home.path() + QStringLiteral("slip.pdf");
    const CliRun run = runCli(home, render(fixtureSlip(), {"--layout", "5", "--kinds", "124",
                                                           "--pdf", pdf, "--ops", ops}));
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    QFile file(ops);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray pages = QJsonDocument::fromJson(file.readAll()).array();
    ASSERT_EQ(pages.size(), 2);

    QStringList kinds;
    int names = 0;
    for (const QJsonValue &value : pages.at(0).toArray()) {
        const QJsonObject op = value.toObject();
        kinds << op.value(u"kind").toString();
        if (op.value(u"kind").toString() != u"text" || op.value(u"text").toString() != u"山田商店")
            continue;
        ++names;
        EXPECT_GT(op.value(u"points").toInt(), 0);
        EXPECT_TRUE(op.value(u"face").isString());
        EXPECT_TRUE(op.value(u"bold").isBool());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^0x[0-9A-F]{6}$"))
                        .match(op.value(u"color").toString())
                        .hasMatch());
        // Inside an A4 sheet at 600 dpi.
        EXPECT_GE(op.value(u"x").toInt(), 0);
        EXPECT_LT(op.value(u"x").toInt(), 4961);
        EXPECT_GE(op.value(u"y").toInt(), 0);
        EXPECT_LT(op.value(u"y").toInt(), 7016);
    }
    EXPECT_EQ(names, 2) << "the customer on both slip images of the sheet";
    for (const char *kind : {"pen", "moveTo", "lineTo", "roundRect", "brush"})
        EXPECT_TRUE(kinds.contains(QLatin1String(kind))) << kind;
    // A pen is set before the first line is drawn.
    EXPECT_LT(kinds.indexOf(QStringLiteral("pen")), kinds.indexOf(QStringLiteral("lineTo")));
}

TEST(RenderCommand, DateNoneLeavesTheDateOut)
{
    TempProgramDir home;
    const auto textCount = [&](const QStringList &extra) {
        const QString ops = home.path() + QStringLiteral("ops.json");
        const CliRun run =
            runCli(home, render(fixtureSlip(), QStringList{"--layout", "5", "--kinds", "1", "--pdf",
                                                           home.path() + "a.pdf", "--ops", ops} +
                                                   extra));
        EXPECT_EQ(run.exitCode, 0);
        QFile file(ops);
        file.open(QIODevice::ReadOnly);
        int texts = 0;
        for (const QJsonValue &op : QJsonDocument::fromJson(file.readAll()).array().at(0).toArray())
            texts += op.toObject().value(u"kind").toString() == u"text";
        return texts;
    };
    // Year, month and day of the one slip image.
    EXPECT_EQ(textCount({}) - textCount({"--date-none"}), 3);
}

TEST(RenderCommand, WritesPageFilesNamedAfterTheSlipFile)
{
    TempProgramDir home;
    const QString dir = home.path() + QStringLiteral("pages");
    const QStringList kinds = {"--layout", "5", "--kinds", "124"};
    struct Case
    {
        const char *name;
        QStringList options;
        QString firstFile;
        QByteArray magic;
    };
    const Case cases[] = {
        {"png", {"--png", dir + "/png"}, dir + "/png/" + baseName + "-1.png", "\x89PNG"},
        {"wmf",
         {"--wmf", dir + "/wmf"},
         dir + "/wmf/" + baseName + "-1.WMF",
         QByteArray("\xD7\xCD\xC6\x9A", 4)},
        {"jpeg", {"--jpeg", dir + "/jpg"}, dir + "/jpg/" + baseName + "-1.jpg", "\xFF\xD8\xFF"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(home, render(fixtureSlip(), kinds + c.options));
        ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
        const QStringList written = run.outText().split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(written.size(), 2);
        EXPECT_EQ(written.at(0), c.firstFile);
        EXPECT_EQ(written.at(1), QString(c.firstFile).replace(QStringLiteral("-1."), "-2."));
        QFile file(c.firstFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(c.magic.size()) == c.magic);
    }
}

TEST(RenderCommand, PngPagesHaveTheAskedResolution)
{
    TempProgramDir home;
    struct Case
    {
        QStringList dpi;
        QSize size;
    };
    const Case cases[] = {{{}, {1240, 1754}}, {{"--dpi", "300"}, {2481, 3508}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dpi.join(u' ').toStdString());
        const QString dir = home.path() + QStringLiteral("png");
        const CliRun run = runCli(
            home, render(fixtureSlip(),
                         QStringList{"--layout", "7", "--kinds", "1", "--png", dir} + c.dpi));
        ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
        const QImage page(dir + u'/' + baseName + QStringLiteral("-1.png"));
        EXPECT_EQ(page.size(), c.size);
    }
}

// The virtual printer is no choice of the user's: the remembered printer stays as it was.
TEST(RenderCommand, LeavesThePrinterChoiceFilesAlone)
{
    TempProgramDir home;
    home.writeLines(
        QStringLiteral("PRINT24.INI"),
        {QStringLiteral("[ORIENT]=0"), QStringLiteral("[PRINTER]=3"), QStringLiteral("[PAPER]=7")});
    const QByteArray before = home.readBytes(QStringLiteral("PRINT24.INI"));
    const CliRun run = runCli(home, render(fixtureSlip(), {"--layout", "5", "--kinds", "1", "--pdf",
                                                           home.path() + "a.pdf"}));
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(home.readBytes(QStringLiteral("PRINT24.INI")), before);
    EXPECT_FALSE(home.exists(QStringLiteral("PRINT7.INI")));
}

// Not even written and put back: a kill in between would leave the desktop's choice changed.
// strace lists every file the program creates or renames.
TEST(RenderCommand, NeverWritesThePrinterChoiceFiles)
{
    if (!straceWorks())
        GTEST_SKIP() << "strace cannot trace here: the writes of the program cannot be seen";

    TempProgramDir home;
    home.writeLines(QStringLiteral("PRINT24.INI"), {QStringLiteral("[PRINTER]=3")});
    const QString trace = home.file(QStringLiteral("trace.txt"));
    QProcess process;
    process.start(QStringLiteral("strace"),
                  QStringList{"-f", "-o", trace, "-e", "trace=openat,rename,renameat,renameat2",
                              QStringLiteral(MIRAVO_CLI), "--home", home.path()} +
                      render(fixtureSlip(),
                             {"--layout", "5", "--kinds", "1", "--pdf", home.path() + "a.pdf"}));
    ASSERT_TRUE(process.waitForFinished(300000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QFile log(trace);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    for (const QByteArray &line : log.readAll().split('\n')) {
        const bool choiceFile = line.contains("PRINT24.INI") || line.contains("PRINT7.INI");
        EXPECT_FALSE(choiceFile && (line.contains("O_CREAT") || line.contains("rename")))
            << line.toStdString();
    }
}

TEST(RenderCommand, RemindersOfTheLayoutAreNotesAndErrorsStopIt)
{
    TempProgramDir home;
    QStringList noHonorific = fixtureLines();
    noHonorific[7] = QString();
    const QString slip = writeSlip(home.path(), baseName + QStringLiteral(".419"), noHonorific);
    const QString pdf = home.path() + QStringLiteral("a.pdf");
    CliRun run = runCli(home, render(slip, {"--layout", "5", "--kinds", "1", "--pdf", pdf}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errText(), QStringLiteral("miravo-cli: note: ") + slip +
                                 QStringLiteral(": 敬称がありません。\n"));
    EXPECT_EQ(pdfPages(pdf), 1);

    run = runCli(home,
                 render(home.path() + "none.419", {"--layout", "5", "--kinds", "1", "--pdf", pdf}));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.errText(), QStringLiteral("miravo-cli: ") + home.path() +
                                 QStringLiteral("none.419: no such file\n"));
}

} // namespace

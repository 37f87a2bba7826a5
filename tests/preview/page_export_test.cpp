#include "preview/page_export.h"
#include "sample_pages.h"

#include "common/clock.h"
#include "common/file_name_check.h"
#include "common/miravo_error.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString refused = QStringLiteral("info: このWMFは作成できません。\r\n\r\n");
const QString askWmf = QStringLiteral("question: メール添付用のメタファイルを出力します。");
const QString askJpeg = QStringLiteral("question: メール添付用のＪＰＧファイルを出力します。");
const QString askPdf = QStringLiteral("question: メール添付用のPDFファイルを出力します。");
const QString finished = QStringLiteral("info: 終了しました。");
const QString forbidden = QStringLiteral("info: 登録ファイル名に使用できない文字が含まれています。"
                                         "\r\n\r\n\\ / : . ; * ? \" < > |");

QString inputLog(const QString &proposal)
{
    return QStringLiteral("input: 保存ファイル名指定|ファイル名を入力して下さい。\r\n"
                          "すでにあるファイル名と重複しないようにして下さい。|") +
           proposal;
}

// The preview window as the export sees it: a log of what it was asked to do.
class RecordingView final : public PageExportView
{
public:
    QStringList log;
    QList<QSize> shown;

    void repaintPicture() override { log.append(QStringLiteral("repaint")); }
    void clearPicture() override { log.append(QStringLiteral("clear")); }
    void showPicture(const QImage &picture) override
    {
        log.append(QStringLiteral("show"));
        shown.append(picture.size());
    }
    void zoomIn() override { log.append(QStringLiteral("zoom in")); }
    void zoomOut() override { log.append(QStringLiteral("zoom out")); }
    void showLastPage() override { log.append(QStringLiteral("last")); }
    void showFirstPage() override { log.append(QStringLiteral("first")); }
    void processPendingEvents() override { log.append(QStringLiteral("events")); }
};

// Queues the answers to the question and the names typed into the input box.
void script(ScriptedPrompter &prompts, const QList<bool> &answers,
            const QList<std::optional<QString>> &inputs)
{
    prompts.answers.clear();
    prompts.inputs.clear();
    for (const bool answer : answers)
        prompts.answers.enqueue(answer);
    for (const std::optional<QString> &input : inputs)
        prompts.inputs.enqueue(input);
}

class PageExport : public ::testing::Test
{
protected:
    PageExport() { Clock::setFixedNow(QDateTime(QDate(2005, 4, 1), QTime(9, 30))); }
    ~PageExport() override { Clock::setFixedNow(QDateTime()); }

    QStringList run(PageExportFormat format, int pageCount = 2, bool receipt = false)
    {
        TPrintPreview preview;
        if (pageCount > 0)
            recordSampleSlip(preview, pageCount);
        PageExportRequest request;
        request.format = format;
        request.receiptOrEnvelopePreview = receipt;
        request.fileTitle = m_title;
        return exportPreviewPages(request, preview, view);
    }

    QStringList exported() const
    {
        return QDir(home.file(QStringLiteral("MetaFile"))).entryList(QDir::Files, QDir::Name);
    }

    TempProgramDir home;
    ScriptedPrompter prompts;
    RecordingView view;
    QString m_title = QStringLiteral("山田商店dmy");
};

TEST_F(PageExport, WritesOnePictureFilePerPageUnderTheConfirmedName)
{
    const struct
    {
        const char *name;
        PageExportFormat format;
        QString question;
        QStringList files;
    } cases[] = {
        {"WMF", PageExportFormat::Wmf, askWmf, {"見積-1.WMF", "見積-2.WMF"}},
        {"JPEG", PageExportFormat::Jpeg, askJpeg, {"見積-1.jpg", "見積-2.jpg"}},
        {"PDF", PageExportFormat::Pdf, askPdf, {"見積.pdf"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(home.file(QStringLiteral("MetaFile"))).removeRecursively();
        prompts.log.clear();
        view.log.clear();
        script(prompts, {true}, {QStringLiteral("見積")});

        const QStringList written = run(c.format);

        // The title follows the date literally: its letters are not date codes.
        EXPECT_EQ(prompts.log,
                  (QStringList{c.question, inputLog(QStringLiteral("2005年04月01日山田商店dmy")),
                               finished}));
        EXPECT_EQ(exported(), c.files);
        QStringList expectedPaths;
        for (const QString &file : c.files)
            expectedPaths.append(home.file(QStringLiteral("MetaFile/") + file));
        EXPECT_EQ(written, expectedPaths);
        for (const QString &path : written)
            EXPECT_GT(QFile(path).size(), 100) << path.toStdString();
        EXPECT_EQ(view.log, (QStringList{"repaint", "clear", "show", "clear", "show", "last",
                                         "first", "events"}));
        EXPECT_EQ(view.shown.last(), QSize(794, 1123)) << "the sheet at screen size";
    }
}

TEST_F(PageExport, ReceiptsAndEnvelopesGoOutAsPdfButNotAsPictures)
{
    for (PageExportFormat format : {PageExportFormat::Wmf, PageExportFormat::Jpeg}) {
        prompts.log.clear();
        EXPECT_TRUE(run(format, 1, true).isEmpty());
        EXPECT_EQ(prompts.log, (QStringList{refused}));
    }
    prompts.log.clear();
    script(prompts, {true}, {QStringLiteral("領収証")});
    EXPECT_EQ(run(PageExportFormat::Pdf, 1, true).size(), 1);
    EXPECT_EQ(exported(), (QStringList{"領収証.pdf"}));
}

TEST_F(PageExport, StopsWithoutWritingWhenRefusedCancelledOrTheNameIsBad)
{
    const struct
    {
        const char *name;
        bool receipt;
        QList<bool> answers;
        QList<std::optional<QString>> inputs;
        QStringList log;
        QStringList viewLog;
    } cases[] = {
        {"receipt or envelope preview", true, {true}, {QStringLiteral("B")}, {refused}, {}},
        {"question answered No", false, {false}, {QStringLiteral("B")}, {askWmf}, {}},
        {"input box cancelled",
         false,
         {true},
         {std::nullopt},
         {askWmf, inputLog(QStringLiteral("2005年04月01日山田商店dmy"))},
         {}},
        {"empty name",
         false,
         {true},
         {QString()},
         {askWmf, inputLog(QStringLiteral("2005年04月01日山田商店dmy")),
          QStringLiteral("info: ファイル名の指定がありません。\r\n\r\n中止しました。")},
         {"repaint"}},
        {"extension typed",
         false,
         {true},
         {QStringLiteral("見積.WMF")},
         {askWmf, inputLog(QStringLiteral("2005年04月01日山田商店dmy")), forbidden},
         {"repaint"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompts.log.clear();
        view.log.clear();
        script(prompts, c.answers, c.inputs);
        EXPECT_TRUE(run(PageExportFormat::Wmf, 2, c.receipt).isEmpty());
        EXPECT_EQ(prompts.log, c.log);
        EXPECT_EQ(view.log, c.viewLog);
        EXPECT_TRUE(exported().isEmpty());
    }
}

TEST(FileNameCheck, RefusesTheElevenCharactersButNotTheirLookAlikes)
{
    ScriptedPrompter prompts;
    const struct
    {
        QString name;
        bool refused;
    } cases[] = {
        {QStringLiteral("a\\b"), true},
        {QStringLiteral("a/b"), true},
        {QStringLiteral("a:b"), true},
        {QStringLiteral("a.b"), true},
        {QStringLiteral("a;b"), true},
        {QStringLiteral("a*b"), true},
        {QStringLiteral("a?b"), true},
        {QStringLiteral("a\"b"), true},
        {QStringLiteral("a<b"), true},
        {QStringLiteral("a>b"), true},
        {QStringLiteral("a|b"), true},
        // Full-width forms are other characters.
        {QStringLiteral("Ａ＼Ｂ／Ｃ：．；＊？＂＜＞｜"), false},
        // Second Shift_JIS byte 0x5C (ソ, 表, 能) or 0x7C (ポ is 0x83 0x7C): still accepted.
        {QStringLiteral("ソフト表示能力ポ"), false},
        {QStringLiteral("2005年04月01日 山田 商店"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        prompts.log.clear();
        EXPECT_EQ(FNAME_CHECK(c.name), c.refused);
        EXPECT_EQ(prompts.log, c.refused ? QStringList{forbidden} : QStringList{});
    }
}

TEST_F(PageExport, AcceptedNamesAreUsedAsTyped)
{
    const struct
    {
        QString name;
        QStringList files;
    } cases[] = {
        // Second Shift_JIS bytes 0x5C: characters, not separators.
        {QStringLiteral("ソフト表示"), {"ソフト表示-1.jpg", "ソフト表示-2.jpg"}},
        // A percent sign is an ordinary character of a file name.
        {QStringLiteral("値引%1"), {"値引%1-1.jpg", "値引%1-2.jpg"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        QDir(home.file(QStringLiteral("MetaFile"))).removeRecursively();
        script(prompts, {true}, {c.name});
        run(PageExportFormat::Jpeg);
        EXPECT_EQ(exported(), c.files);
    }
}

TEST_F(PageExport, ASecondSmallerExportOverwritesPageByPageAndLeavesTheRest)
{
    script(prompts, {true, true}, {QStringLiteral("B"), QStringLiteral("B")});
    run(PageExportFormat::Wmf, 2);
    const QString first = home.file(QStringLiteral("MetaFile/B-1.WMF"));
    const QString second = home.file(QStringLiteral("MetaFile/B-2.WMF"));
    QFile::resize(first, 0);
    QFile::resize(second, 0);

    run(PageExportFormat::Wmf, 1);
    EXPECT_EQ(exported(), (QStringList{"B-1.WMF", "B-2.WMF"}));
    EXPECT_GT(QFile(first).size(), 0) << "overwritten";
    EXPECT_EQ(QFile(second).size(), 0) << "left as it was";
}

TEST_F(PageExport, RestoresTheDisplayAfterwards)
{
    const struct
    {
        const char *name;
        int pages;
        QStringList tail;
    } cases[] = {
        // One page is redrawn by zooming in and out: at the largest zoom that leaves it one
        // step smaller, which the window's own zoom rules take care of.
        {"one page", 1, {"zoom in", "zoom out", "last", "first", "events"}},
        {"two pages", 2, {"last", "first", "events"}},
        {"no pages", 0, {"last", "first", "events"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        view.log.clear();
        prompts.log.clear();
        script(prompts, {true}, {QStringLiteral("B")});
        run(PageExportFormat::Wmf, c.pages);
        EXPECT_EQ(view.log.mid(view.log.size() - c.tail.size()), c.tail);
        EXPECT_EQ(view.log.count(QStringLiteral("show")), c.pages);
        EXPECT_EQ(prompts.log.last(), finished);
    }
}

TEST_F(PageExport, AFolderThatCannotBeMadeIsReportedAndTheDisplayStillRestored)
{
    // A file named MetaFile stands where the folder should be.
    home.writeBytes(QStringLiteral("MetaFile"), "x");
    script(prompts, {true}, {QStringLiteral("B")});
    EXPECT_THROW(run(PageExportFormat::Wmf), IoError);
    EXPECT_EQ(view.log.mid(view.log.size() - 2), (QStringList{"last", "first"}));
    EXPECT_FALSE(prompts.log.contains(finished));
}

} // namespace

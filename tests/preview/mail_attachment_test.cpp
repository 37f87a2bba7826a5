#include "preview/mail_attachment.h"
#include "sample_pages.h"

#include "common/clock.h"
#include "preview/page_export.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_program.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString nameInput(const QString &title)
{
    return QStringLiteral("input: 保存ファイル名指定|ファイル名を入力して下さい。\r\n"
                          "すでにあるファイル名と重複しないようにして下さい。|2005年04月01日") +
           title;
}

// The files of an xdg-email command line.
QStringList attachments(const QStringList &arguments)
{
    QStringList files;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "--attach")
            files.append(arguments[i + 1]);
    return files;
}

QString warning(const QString &reason, const QString &folder)
{
    return QStringLiteral("warning: メールソフトを起動できませんでした。\r\n") + reason +
           QStringLiteral("\r\n添付するファイルは次のフォルダにあります。\r\n") + folder;
}

class MailAttachment : public ::testing::Test
{
protected:
    MailAttachment() { Clock::setFixedNow(QDateTime(QDate(2005, 4, 1), QTime(9, 30))); }
    ~MailAttachment() override { Clock::setFixedNow(QDateTime()); }

    QString metaFile(const QString &name) const
    {
        return home.file(QStringLiteral("MetaFile/") + name);
    }

    TempProgramDir home;
    ScriptedPrompter prompts;
    PageExportView view;
};

} // namespace

TEST_F(MailAttachment, SendsThePdfWithThePickedFilesOrSaysWhereTheyAre)
{
    QDir().mkpath(metaFile(QString()));
    QFile extra(metaFile(QStringLiteral("地図 1.jpg")));
    ASSERT_TRUE(extra.open(QIODevice::WriteOnly));
    extra.close();
    const QString pdf = metaFile(QStringLiteral("B.pdf"));
    const QString folder = QDir::cleanPath(metaFile(QString()));

    enum class XdgEmail { Succeeds, Fails, Missing };
    const struct
    {
        const char *name;
        QString title;
        std::optional<QString> baseName;
        std::optional<QStringList> picked;
        XdgEmail xdgEmail;
        QStringList arguments; // empty: not run
        QString message;
    } cases[] = {
        {"the PDF alone",
         "見積",
         "B",
         QStringList{pdf},
         XdgEmail::Succeeds,
         {"--utf8", "--attach", pdf, "--subject", "見積"},
         {}},
        {"a further file, the PDF first",
         "見積",
         "B",
         QStringList{extra.fileName(), pdf},
         XdgEmail::Succeeds,
         {"--utf8", "--attach", pdf, "--attach", extra.fileName(), "--subject", "見積"},
         {}},
        {"no subject without a title",
         "",
         "B",
         QStringList{pdf},
         XdgEmail::Succeeds,
         {"--utf8", "--attach", pdf},
         {}},
        {"cancelled pick", "見積", "B", std::nullopt, XdgEmail::Succeeds, {}, {}},
        {"xdg-email fails",
         "見積",
         "B",
         QStringList{pdf},
         XdgEmail::Fails,
         {"--utf8", "--attach", pdf, "--subject", "見積"},
         warning("xdg-email が終了コード 3 で終了しました。\r\n", folder)},
        {"no xdg-email",
         "見積",
         "B",
         QStringList{pdf},
         XdgEmail::Missing,
         {},
         warning("xdg-email（xdg-utils）が見つかりません。\r\n", folder)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(pdf);
        prompts.log.clear();
        prompts.inputs << c.baseName;
        prompts.fileLists << c.picked;
        const auto xdgEmail =
            c.xdgEmail == XdgEmail::Missing
                ? std::make_unique<StandInProgram>("xdg-email", StandInProgram::Missing{})
                : std::make_unique<StandInProgram>("xdg-email",
                                                   c.xdgEmail == XdgEmail::Fails ? 3 : 0);
        TPrintPreview pages;
        recordSampleSlip(pages, 2);

        const QStringList handed = attachPreviewPages(c.title, pages, view);

        QStringList expectedLog{nameInput(c.title), "open files: 添付|B.pdf"};
        if (!c.message.isEmpty())
            expectedLog << c.message;
        EXPECT_EQ(prompts.log, expectedLog);
        EXPECT_TRUE(QFile::exists(pdf)) << "the PDF stays in the folder";
        EXPECT_GT(QFile(pdf).size(), 1000);
        EXPECT_EQ(xdgEmail->arguments(), c.arguments);
        EXPECT_EQ(handed, c.message.isEmpty() ? attachments(c.arguments) : QStringList());
    }
}

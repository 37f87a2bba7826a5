#include "settings/print_ini.h"
#include "settings/settings_commit.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "support/write_failure.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace PrintSettings;

namespace {

const QString kRegistered = QStringLiteral("登録しました。");
const QString kRestoreQuestion =
    QStringLiteral("設定ファイルの登録に失敗した可能性があります。\r\n前回の設定を復旧します。"
                   "\r\n\r\n但し、現在の入力中の設定はクリアされます。\r\n復旧を実行する");

// The dialog as the commit sees it: its values, and what it was told.
class FakeDialog final : public CommitHost
{
public:
    FakeDialog()
        : current(designState())
    {
        YOMIKOMI(current);
    }

    Values values() const override { return current; }
    void setValues(const Values &values) override { current = values; }
    void titlesCommitted(const MainWindowCaptions &captions) override
    {
        committedCaptions.append(captions);
    }
    void saveOpenCategoryList() override { ++categorySaves; }

    Values current;
    QList<MainWindowCaptions> committedCaptions;
    int categorySaves = 0;
};

Values loaded()
{
    Values values = designState();
    YOMIKOMI(values);
    return values;
}

class SettingsCommitTest : public ::testing::Test
{
protected:
    // Commits after answering Yes to the confirmation.
    CommitOutcome commit(FakeDialog &dialog)
    {
        prompter.answers << true;
        return TOUROKU(dialog);
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
};

} // namespace

TEST_F(SettingsCommitTest, AskingNoWritesNothing)
{
    FakeDialog dialog;
    dialog.current.setText(PrintIni::settingName.name(), "事務所プリンタ");
    prompter.answers << false;
    EXPECT_EQ(TOUROKU(dialog), CommitOutcome::Cancelled);
    EXPECT_EQ(prompter.texts("question"),
              QStringList{"設定を登録します。\r\n\r\n設定名「 事務所プリンタ 」\r\n\r\n"});
    EXPECT_FALSE(dir.exists("PRINT.INI"));
    EXPECT_FALSE(dir.exists("PRINT.BAK"));
}

TEST_F(SettingsCommitTest, AFirstCommitWithoutPrintIniSucceeds)
{
    FakeDialog dialog;
    dialog.current.setText(PrintIni::companyName.text.name(), "山田商事株式会社");
    EXPECT_EQ(commit(dialog), CommitOutcome::Committed);
    // No copy to make, and no copy to delete afterwards.
    EXPECT_EQ(prompter.beeps(), 2);
    EXPECT_EQ(prompter.texts("info"), QStringList{kRegistered});
    EXPECT_FALSE(dir.exists("PRINT.BAK"));
    EXPECT_EQ(PrintIni::companyName.text.value(), "山田商事株式会社");
    EXPECT_EQ(dialog.categorySaves, 1);
}

TEST_F(SettingsCommitTest, LoadingAndCommittingWithoutChangesReproducesTheFile)
{
    FakeDialog first;
    Values &v = first.current;
    v.setText(PrintIni::companyName.text.name(), "山田商事株式会社");
    // The dialog writes the face of the postal line for every address line.
    for (const PrintIni::CompanyLineKeys &line :
         {PrintIni::postalLine, PrintIni::addressLine, PrintIni::address2Line, PrintIni::telLine,
          PrintIni::faxLine})
        v.setText(line.font.name(), "ＭＳ 明朝");
    v.setNumber(PrintIni::cutPosition.name(), -15);
    v.setNumber(PrintIni::punchPosition1.name(), 2);
    v.setOn(PrintIni::honorificGochuu.name(), true);
    v.setOn(PrintIni::inclusiveTaxLabel.name(), true);
    v.setOn(PrintIni::statementForm2.name(), true);
    v.setText(PrintIni::invoiceColour.name(), "16777215");
    ASSERT_EQ(commit(first), CommitOutcome::Committed);
    const QByteArray written = dir.readBytes("PRINT.INI");
    const QStringList lines = dir.readLines("PRINT.INI");
    EXPECT_TRUE(lines.contains("[切取位置]=-1.5"));
    EXPECT_EQ(lines.last(), "[書式２号]=1");

    FakeDialog second;
    ASSERT_EQ(commit(second), CommitOutcome::Committed);
    EXPECT_EQ(dir.readBytes("PRINT.INI"), written);
}

TEST_F(SettingsCommitTest, CarryOverFilesWinUntilACommitRetiresThem)
{
    dir.writeLines("PRINT.INI", {"[形状幅]=20", "[5/7xBase]=0"});
    dir.writeLines("KEIJO.PRN", {"[形状幅]=15", "[形状幅2]=12"});
    dir.writeLines("MADO.INI", {});
    for (const char *kept : {"36GYO_YOHAKU.INI", "HATTYU.INI"})
        dir.writeLines(kept, {"[発注書]=納期厳守"});
    for (const char *retired : {"24GYO_YOHAKU.INI", "MEISAI_YOHAKU.INI", "SEIKYUU.INI", "ZERO.PRN",
                                "RSMALL.PRN", "MOYOU.PRN", "RHIKAE.PRN"})
        dir.writeLines(retired, {});

    FakeDialog dialog;
    EXPECT_EQ(dialog.current.number(PrintIni::shapeWidth.name()), 15);
    EXPECT_EQ(dialog.current.number(PrintIni::statementShapeWidth.name()), 12);
    EXPECT_EQ(dialog.current.number(PrintIni::slipBaseX.name()), 2);
    EXPECT_TRUE(dialog.current.on(PrintIni::windowEnvelope.name()));
    EXPECT_TRUE(dialog.current.on(PrintIni::crossPattern.name()));
    EXPECT_TRUE(dialog.current.on(PrintIni::noPatternOnReceiptCopy.name()));
    ASSERT_EQ(commit(dialog), CommitOutcome::Committed);

    EXPECT_EQ(PrintIni::shapeWidth.value(), 15);
    EXPECT_EQ(PrintIni::slipBaseX.value(), 2);
    EXPECT_TRUE(PrintIni::windowEnvelope.on());
    for (const QString &retired : retiredCarryOverFiles())
        EXPECT_FALSE(dir.exists(retired)) << retired.toStdString();
    EXPECT_TRUE(dir.exists("36GYO_YOHAKU.INI"));
    EXPECT_TRUE(dir.exists("HATTYU.INI"));
    // From now on PRINT.INI alone decides.
    EXPECT_EQ(loaded(), dialog.current);
}

TEST_F(SettingsCommitTest, AFailedWriteKeepsTheFileAndOffersTheRestore)
{
    FakeDialog earlier;
    earlier.current.setText(PrintIni::companyName.text.name(), "旧社名");
    ASSERT_EQ(commit(earlier), CommitOutcome::Committed);
    const QByteArray before = dir.readBytes("PRINT.INI");
    prompter.log.clear();

    FakeDialog dialog;
    dialog.current.setText(PrintIni::companyName.text.name(), "新しい社名の株式会社");
    dialog.current.setOn(PrintIni::inclusiveTaxLabel.name(), false);
    prompter.answers << true << true; // commit, then restore
    {
        // The copy of the earlier file fits, the longer new file does not.
        const FileSizeLimit limit(rlim_t(before.size()));
        EXPECT_EQ(TOUROKU(dialog), CommitOutcome::Failed);
    }
    EXPECT_EQ(dir.readBytes("PRINT.INI"), before);
    EXPECT_EQ(prompter.texts("question").last(), kRestoreQuestion);
    EXPECT_FALSE(prompter.texts("info").contains(kRegistered));
    EXPECT_EQ(prompter.texts("info"), QStringList{"読込みました。"});
    EXPECT_TRUE(dialog.committedCaptions.isEmpty());
    // The restored file comes back into the dialog, over the restore baseline: the tax label
    // box stays ticked although the file does not switch it on.
    EXPECT_EQ(dialog.current.text(PrintIni::companyName.text.name()), "旧社名");
    EXPECT_TRUE(dialog.current.on(PrintIni::inclusiveTaxLabel.name()));
    EXPECT_TRUE(dir.exists("PRINT.BAK"));

    prompter.answers << true;
    ASSERT_EQ(TOUROKU(dialog), CommitOutcome::Committed);
    EXPECT_TRUE(PrintIni::inclusiveTaxLabel.on());
}

TEST_F(SettingsCommitTest, ACompleteWriteIsASuccessEvenWhenTheBackupStays)
{
    dir.writeLines("PRINT.INI", {"[社名]=旧社名"});
    // A folder by that name can be neither replaced by the copy nor removed.
    ASSERT_TRUE(QDir(dir.path()).mkpath("PRINT.BAK/keep"));
    FakeDialog dialog;
    dialog.current.setText(PrintIni::companyName.text.name(), "新社名");
    EXPECT_EQ(commit(dialog), CommitOutcome::Committed);
    EXPECT_EQ(PrintIni::companyName.text.value(), "新社名");
    EXPECT_EQ(prompter.texts("question").size(), 1);
    EXPECT_EQ(prompter.texts("info"),
              QStringList{"登録しました。\r\n\r\n前回の設定の控え（PRINT.BAK）は削除できませんでし"
                          "た。"});
}

TEST_F(SettingsCommitTest, ARestoreWithoutBackupSaysSo)
{
    FakeDialog dialog;
    prompter.answers << true << true;
    {
        const FileSizeLimit limit(10);
        EXPECT_EQ(TOUROKU(dialog), CommitOutcome::Failed);
    }
    EXPECT_FALSE(dir.exists("PRINT.INI"));
    EXPECT_EQ(prompter.texts("info"), QStringList{"復旧できませんでした。"});
}

TEST_F(SettingsCommitTest, CommittedTitlesReachTheMainWindowWhereGiven)
{
    FakeDialog dialog;
    dialog.current.setText(PrintIni::quantityTitle.name(), "個数");
    dialog.current.setText(PrintIni::invoiceTitle.name(), "御請求書");
    ASSERT_EQ(commit(dialog), CommitOutcome::Committed);
    ASSERT_EQ(dialog.committedCaptions.size(), 1);
    const MainWindowCaptions &captions = dialog.committedCaptions.first();
    EXPECT_EQ(captions.itemGridTitles, (QMap<int, QString>{{5, "個数"}}));
    EXPECT_EQ(captions.slipKindCaptions.value("SEIKYUU"), "御請求書");
    EXPECT_EQ(captions.slipKindCaptions.value("HATYUU"), "発注書");

    // Loading gives every column its word, and leaves 発注書 alone without a title.
    const MainWindowCaptions afterLoading = captionsAfterLoading(loaded());
    EXPECT_EQ(
        afterLoading.itemGridTitles,
        (QMap<int, QString>{{5, "個数"}, {6, "単位"}, {7, "単価"}, {9, "金額"}, {11, "原価率"}}));
    EXPECT_FALSE(afterLoading.slipKindCaptions.contains("HATYUU"));
}

TEST(PrintSettingsLoading, EarlierNamesAndDesignStates)
{
    TempProgramDir dir;
    dir.writeLines("PRINT.INI", {"[1枚目位置]=12", "[振込先TOP]=旧銀行", "[口座番号TOP]=普通 1",
                                 "[口座番号2]=当座 2", "[切取位置]=0.25", "[パンチ穴位置]=-0.25",
                                 "[敬称]=", "[年号印刷]=1", "[DATA色]=abc"});
    const Values values = loaded();
    EXPECT_EQ(values.number(PrintIni::slipBaseY1.name()), 12);
    EXPECT_EQ(values.number(PrintIni::longSlipBaseY.name()), 12);
    EXPECT_EQ(values.number(PrintIni::statementBaseY.name()), 12);
    EXPECT_EQ(values.text(PrintIni::bank2.name()), "旧銀行");
    EXPECT_EQ(values.text(PrintIni::account2.name()), "当座 2");
    EXPECT_EQ(values.number(PrintIni::cutPosition.name()), 2);
    EXPECT_EQ(values.number(PrintIni::punchPosition1.name()), -2);
    EXPECT_FALSE(values.on(PrintIni::honorificGochuu.name()));
    EXPECT_TRUE(values.on(PrintIni::eraYears.name()));
    EXPECT_EQ(values.text(PrintIni::dataColour.name()), "0");
    // Without its line the punch guide stays ticked, and the commit writes it.
    EXPECT_TRUE(values.on(PrintIni::punchGuide.name()));

    const QStringList lines = fileLines(values);
    EXPECT_TRUE(lines.contains("[パンチ穴線]=1"));
    EXPECT_TRUE(lines.contains("[5/7yBase1]=12"));
    EXPECT_TRUE(lines.contains("[切取位置]=0.2"));
    EXPECT_TRUE(lines.contains("[敬称]=様"));
    EXPECT_FALSE(lines.join("").contains("1枚目位置"));
}

TEST_F(SettingsCommitTest, QualifiedInvoiceKeysFollowEveryEarlierKeyOnlyWhenSet)
{
    FakeDialog dialog;
    ASSERT_EQ(commit(dialog), CommitOutcome::Committed);
    const QStringList plain = dir.readLines("PRINT.INI");
    for (const char *key : {"[消費税率]=", "[軽減税率]=", "[適格請求書]=", "[登録番号]="})
        EXPECT_FALSE(plain.join('\n').contains(QString::fromUtf8(key))) << key;

    dialog.current.setText(PrintIni::standardTaxRate.name(), "10");
    dialog.current.setText(PrintIni::reducedTaxRate.name(), "8");
    dialog.current.setOn(PrintIni::qualifiedInvoice.name(), true);
    dialog.current.setText(PrintIni::registrationNumber.name(), "T1234567890123");
    ASSERT_EQ(commit(dialog), CommitOutcome::Committed);
    const QStringList lines = dir.readLines("PRINT.INI");
    EXPECT_EQ(lines.mid(0, plain.size()), plain);
    EXPECT_EQ(lines.mid(plain.size()),
              QStringList({"[消費税率]=10", "[軽減税率]=8", "[適格請求書]=1",
                           "[登録番号]=T1234567890123"}));
}

TEST_F(SettingsCommitTest, TheRegistrationNumberIsTAndThirteenDigits)
{
    const QString message = QStringLiteral("登録番号は「T」に続けて13桁の数字で入力してください。"
                                           "\r\n（例：T1234567890123）");
    struct Case
    {
        const char *typed;
        bool qualified;
        const char *written; // nullptr: refused with the message, nothing written
    } const cases[] = {
        {"T1234567890123", true, "T1234567890123"},
        // Typed through the input method: full-width letter and digits, spaces around.
        {"　Ｔ１２３４５６７８９０１２３ ", true, "T1234567890123"},
        {"t1234567890123", false, "T1234567890123"},
        {"T123456789012", true, nullptr},
        {"T12345678901234", true, nullptr},
        {"1234567890123", true, nullptr},
        {"12345678901234", true, nullptr},
        {"T1234-567890123", true, nullptr},
        {"T123456789012A", true, nullptr},
        // The per-rate block needs the number; without it the field may stay empty.
        {"", true, nullptr},
        {"", false, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        TempProgramDir caseDir;
        ScriptedPrompter casePrompter;
        FakeDialog dialog;
        dialog.current.setOn(PrintIni::qualifiedInvoice.name(), c.qualified);
        dialog.current.setText(PrintIni::registrationNumber.name(), QString::fromUtf8(c.typed));
        if (!c.written) {
            EXPECT_EQ(TOUROKU(dialog), CommitOutcome::Cancelled);
            EXPECT_EQ(casePrompter.log, QStringList{"warning: " + message});
            EXPECT_FALSE(caseDir.exists("PRINT.INI"));
            continue;
        }
        casePrompter.answers << true;
        ASSERT_EQ(TOUROKU(dialog), CommitOutcome::Committed);
        EXPECT_EQ(PrintIni::registrationNumber.text(), QString::fromUtf8(c.written));
    }
}

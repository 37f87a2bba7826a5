#include "common/clock.h"
#include "settings/category_name_editor.h"
#include "settings/print_ini.h"
#include "settings/settings_controls.h"
#include "settings/settings_dialog.h"
#include "settings/settings_dialog_host.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The main window as the dialog sees it.
class FakeMainWindow final : public SettingsDialogHost
{
public:
    QPoint hostPosition() const override { return {40, 30}; }
    void setHostShown(bool on) override { shown = on; }
    void setZeroPrint(bool on) override { zeroPrint = on; }
    void applyCaptions(const PrintSettings::MainWindowCaptions &given) override
    {
        captions.append(given);
    }

    bool shown = true;
    bool zeroPrint = false;
    QList<PrintSettings::MainWindowCaptions> captions;
};

class SettingsDialogTest : public ::testing::Test
{
protected:
    SettingsDialogTest() { Clock::setFixedNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    ~SettingsDialogTest() override { Clock::setFixedNow({}); }

    // The dialog as the user gets it: created, shown and active.
    std::unique_ptr<TSetHanyou> open()
    {
        auto dialog = std::make_unique<TSetHanyou>(mainWindow);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    template<typename T> static T *control(const TSetHanyou &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    FakeMainWindow mainWindow;
};

} // namespace

TEST_F(SettingsDialogTest, EveryKeyOfTheCatalogueHasItsControl)
{
    TSetHanyou dialog(mainWindow);
    for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
        SCOPED_TRACE(info.key.toStdString());
        EXPECT_EQ(info.written, !info.control.isEmpty());
        if (!info.control.isEmpty())
            EXPECT_NE(dialog.findChild<QWidget *>(info.control), nullptr);
    }
}

TEST_F(SettingsDialogTest, OpeningShowsTheFileOverTheMainWindowsPlace)
{
    dir.writeLines("PRINT.INI",
                   {"[社名]=山田商事株式会社", "[切取位置]=-1.5", "[年号印刷]=1", "[ゼロ印字]=1",
                    "[敬称]=御中", "[端数処理]=7", "[数量]=個数", "[注文書]=注文書"});
    const auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), "各種設定");
    EXPECT_FALSE(mainWindow.shown);
    EXPECT_EQ(dialog->pos(), QPoint(40, 30));
    EXPECT_EQ(dialog->size(), QSize(1024, 740));
    EXPECT_EQ(dialog->StatusBar1Panel2->text(), "2026/12/10 (木曜日)");
    EXPECT_EQ(dialog->PageControl1->currentIndex(), 0);
    EXPECT_EQ(control<QLineEdit>(*dialog, "K_NAME")->text(), "山田商事株式会社");
    EXPECT_EQ(control<UpDown>(*dialog, "UpDown31")->value(), -15);
    EXPECT_EQ(control<QLineEdit>(*dialog, "CenterEdit14")->text(), "-1.5");
    EXPECT_FALSE(control<QCheckBox>(*dialog, "HEISEI")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(*dialog, "PANCH_CHK")->isChecked());
    EXPECT_EQ(control<RadioGroup>(*dialog, "keisyou")->itemIndex(), 0);
    EXPECT_EQ(control<RadioGroup>(*dialog, "KIRISUTE")->itemIndex(), 0);
    EXPECT_TRUE(mainWindow.zeroPrint);
    ASSERT_FALSE(mainWindow.captions.isEmpty());
    EXPECT_EQ(mainWindow.captions.first().itemGridTitles.value(5), "個数");
    EXPECT_EQ(mainWindow.captions.first().slipKindCaptions.value("HATYUU"), "注文書");

    dialog->close();
    EXPECT_TRUE(mainWindow.shown);
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join('|').toStdString();
    EXPECT_FALSE(dir.exists("PRINT.INI.tmp"));
}

TEST_F(SettingsDialogTest, OpeningKeepsTwentyMajorCategoriesAndCreatesAMissingList)
{
    QStringList names;
    for (int i = 1; i <= 25; ++i)
        names << QStringLiteral("分類%1").arg(i);
    dir.writeLines("BUMON0.LST", names);
    {
        const auto dialog = open();
        EXPECT_EQ(dir.readLines("BUMON0.LST"), names.mid(0, 20));
        EXPECT_EQ(dialog->categories->BUMON[0]->text(), "分類1");
        EXPECT_EQ(dialog->categories->BUMON[19]->text(), "分類20");
        EXPECT_TRUE(dialog->categories->SpeedButton2->isChecked());
        EXPECT_EQ(dialog->categories->state(), 0);
    }
    QFile::remove(dir.file("BUMON0.LST"));
    const auto dialog = open();
    EXPECT_TRUE(dir.exists("BUMON0.LST"));
    EXPECT_TRUE(dir.readBytes("BUMON0.LST").isEmpty());
    EXPECT_TRUE(dialog->categories->BUMON[0]->text().isEmpty());
}

TEST_F(SettingsDialogTest, TheCategoryEditorSavesTheListItLeaves)
{
    const auto dialog = open();
    CategoryNameEditor &editor = *dialog->categories;
    editor.BUMON_MEMO->setPlainText("ボルト類\nナット類\n");
    editor.BUMONClick(2);
    EXPECT_EQ(dir.readLines("BUMON0.LST"), (QStringList{"ボルト類", "ナット類"}));
    EXPECT_EQ(editor.BUMON[1]->text(), "ナット類");
    EXPECT_EQ(editor.state(), 2);
    editor.BUMON_MEMO->setPlainText("六角ナット\n蝶ナット");
    editor.SpeedButton3Click();
    EXPECT_EQ(dir.readLines("BUMON2.LST"), (QStringList{"六角ナット", "蝶ナット"}));
    EXPECT_TRUE(editor.BUMON_MEMO->isHidden());
    EXPECT_EQ(editor.state(), CategoryNameEditor::noList);

    // A commit saves the list that is open.
    editor.BUMONClick(1);
    editor.BUMON_MEMO->setPlainText("M6ボルト");
    prompter.answers << true;
    dialog->SpeedButton16Click();
    EXPECT_EQ(dir.readLines("BUMON1.LST"), QStringList{"M6ボルト"});
    EXPECT_EQ(editor.state(), 0);
}

TEST_F(SettingsDialogTest, ClosingAndAnsweringNoWritesNothing)
{
    const auto dialog = open();
    control<QLineEdit>(*dialog, "K_NAME")->setText("新社名");
    prompter.answers << false;
    dialog->SpeedButton4Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(mainWindow.shown);
    EXPECT_FALSE(dir.exists("PRINT.INI"));
    EXPECT_EQ(prompter.texts("question").size(), 1);
}

TEST_F(SettingsDialogTest, AWhiteSwatchOpensBlackAndWhiteIsStored)
{
    dir.writeLines("PRINT.INI", {"[請求書色]=16777215"});
    const auto dialog = open();
    auto *swatch = control<ColourSwatch>(*dialog, "SEQ_IRO");
    EXPECT_EQ(swatch->colourValue(), 16777215);
    prompter.answers << true;
    prompter.colours << QColor(Qt::white);
    QTest::mouseClick(control<QToolButton>(*dialog, "SpeedButton6"), Qt::LeftButton);
    EXPECT_EQ(prompter.texts("question"), QStringList{"印刷時の請求書の色を設定します。\r\n\r\n"});
    EXPECT_EQ(prompter.colourPresets, QList<QColor>{QColor(Qt::black)});
    EXPECT_EQ(swatch->colourValue(), 16777215);

    prompter.answers << true;
    dialog->SpeedButton16Click();
    EXPECT_EQ(PrintIni::invoiceColour.text(), "16777215");
}

TEST_F(SettingsDialogTest, TheSwatchesOfTheEnvelopeAndThePatternAskThemselves)
{
    const auto dialog = open();
    auto *swatch = control<ColourSwatch>(*dialog, "JISYA_COLOR");
    EXPECT_EQ(swatch->colourValue(), 16711680);
    prompter.answers << true;
    prompter.colours << QColor(0x00, 0x80, 0x00);
    QTest::mouseClick(control<QLabel>(*dialog, "JISYA_COLOR_LABEL"), Qt::LeftButton);
    EXPECT_EQ(prompter.texts("question"), QStringList{"封筒自社名の色を設定します。\r\n\r\n"});
    EXPECT_EQ(swatch->colourValue(), 32768);

    // Answering No leaves the swatch alone.
    prompter.answers << false;
    QTest::mouseClick(control<ColourSwatch>(*dialog, "RYO_COLOR"), Qt::LeftButton);
    EXPECT_EQ(prompter.texts("question").last(), "領収証の色を設定します。\r\n\r\n");
    EXPECT_EQ(control<ColourSwatch>(*dialog, "RYO_COLOR")->colourValue(), 16777196);
}

TEST_F(SettingsDialogTest, FontsArePresetToTheirFaceAndSize)
{
    dir.writeLines("PRINT.INI", {"[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]=ＭＳ 明朝", "[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=11",
                                 "[〒FONT]=ＭＳ ゴシック"});
    const auto dialog = open();
    prompter.fonts << QFont("IPAPGothic", 14) << QFont("IPAMincho", 9);
    QTest::mouseClick(control<QToolButton>(*dialog, "DATA_BTN"), Qt::LeftButton);
    ASSERT_EQ(prompter.fontPresets.size(), 1);
    EXPECT_EQ(prompter.fontPresets.at(0).family(), "ＭＳ 明朝");
    EXPECT_EQ(prompter.fontPresets.at(0).pointSize(), 11);
    EXPECT_EQ(control<QLineEdit>(*dialog, "DATA_FONT")->text(), "IPAPGothic");
    EXPECT_EQ(control<QLineEdit>(*dialog, "DATA_SIZE")->text(), "14");

    // A face field of the company block sets the face alone, for every line it prints.
    QTest::mouseClick(control<QLineEdit>(*dialog, "UBIN_FONT"), Qt::LeftButton);
    EXPECT_EQ(prompter.fontPresets.at(1).family(), "ＭＳ ゴシック");
    prompter.answers << true;
    dialog->SpeedButton16Click();
    EXPECT_EQ(PrintIni::telLine.font.face(), "IPAMincho");
    EXPECT_EQ(PrintIni::addressLine.size.text(), "9");
}

TEST_F(SettingsDialogTest, PictureFieldsChooseAFileAndLabelsSwitchThePictureOff)
{
    const auto dialog = open();
    auto *logo = control<QLineEdit>(*dialog, "LOGO_NAME");
    prompter.files << QStringLiteral("/home/shop/ロゴ/yamada-logo.png");
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_EQ(logo->text(), "/home/shop/ロゴ/yamada-logo.png");

    prompter.answers << false << true;
    QTest::mouseClick(control<QLabel>(*dialog, "Label91"), Qt::LeftButton);
    EXPECT_FALSE(logo->text().isEmpty());
    QTest::mouseClick(control<QFrame>(*dialog, "Shape15"), Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_TRUE(logo->text().isEmpty());
    EXPECT_EQ(prompter.texts("question"), (QStringList{"ロゴマークを印刷しないようにします。",
                                                       "ロゴマークを印刷しないようにします。"}));
}

TEST_F(SettingsDialogTest, EnterMovesOnAndTheFocusShowsYellow)
{
    const auto dialog = open();
    auto *name = control<QLineEdit>(*dialog, "K_NAME");
    name->setFocus();
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(Qt::yellow));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), name);
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(SettingsDialogTest, TheTwoA5FeedsExcludeEachOther)
{
    const auto dialog = open();
    auto *upright = control<QCheckBox>(*dialog, "A5_TATE_CHK");
    auto *sideways = control<QCheckBox>(*dialog, "A5_YOKO_CHK");
    upright->setChecked(true);
    sideways->setChecked(true);
    EXPECT_FALSE(upright->isChecked());
    upright->setChecked(true);
    EXPECT_FALSE(sideways->isChecked());
}

// Every page filled with a realistic company, checked for controls that do not fit, and
// saved as a picture: into a temporary folder, or into MIRAVO_SCREENSHOT_DIR when it is set
// (docs/screenshots of the repository).
TEST_F(SettingsDialogTest, EveryPageFitsTheWindow)
{
    dir.writeLines("PRINT.INI", {"[設定名]=事務所 EPSON LP-S180",
                                 "[TEXT1]=ミラボ工業株式会社 特約販売店",
                                 "[TEXT2]=確かな品質と迅速な納品でお応えします",
                                 "[社名]=株式会社 山田商事",
                                 "[社名SIZE]=16",
                                 "[社名FONT]=ＭＳ 明朝",
                                 "[支店]=大阪営業所",
                                 "[〒]=〒530-0001",
                                 "[住所]=大阪府大阪市北区梅田1丁目2番3号",
                                 "[住所2]=梅田第一ビル 5階",
                                 "[tel]=TEL 06-1234-5678 FAX 06-1234-5679",
                                 "[fax]=info@yamada-shoji.example.jp",
                                 "[ロゴ]=yamada.bmp",
                                 "[形状]=寸法",
                                 "[形状幅]=30",
                                 "[振込先]=大日本銀行 梅田支店",
                                 "[口座番号]=普通 1234567",
                                 "[名義]=カ）ヤマダショウジ",
                                 "[振込先2]=ゆうちょ銀行 〇四八支店",
                                 "[口座番号2]=当座 0123456",
                                 "[名義2]=株式会社 山田商事",
                                 "[固定文字ﾌｫﾝﾄFONT]=ＭＳ 明朝",
                                 "[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]=ＭＳ ゴシック",
                                 "[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=10",
                                 "[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]=ＭＳ ゴシック",
                                 "[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=11",
                                 "[切取位置]=2.5",
                                 "[敬称]=御中",
                                 "[端数処理]=2",
                                 "[内税表示]=1",
                                 "[領収証BMP]=moyou.bmp"});
    dir.writeLines("BUMON0.LST", {"ボルト・ナット", "ワッシャー", "配管部材", "電線・ケーブル",
                                  "工具", "塗料", "接着剤", "安全用品"});
    const QString outDir = qEnvironmentVariableIsSet("MIRAVO_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("MIRAVO_SCREENSHOT_DIR")
                               : QString();
    const char *const pages[] = {"company", "titles", "categories", "fonts", "lines", "options"};
    const auto dialog = open();
    EXPECT_EQ(dialog->size(), QSize(1024, 740));
    for (int page = 0; page < 6; ++page) {
        SCOPED_TRACE(pages[page]);
        dialog->PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        const QRect inside = dialog->rect();
        for (QWidget *child : dialog->PageControl1->widget(page)->findChildren<QWidget *>()) {
            if (!child->isVisible() || child->objectName() == "qt_spinbox_lineedit")
                continue;
            const QRect at(child->mapTo(dialog.get(), QPoint(0, 0)), child->size());
            EXPECT_TRUE(inside.contains(at))
                << child->metaObject()->className() << " " << child->objectName().toStdString();
            if (qobject_cast<QLabel *>(child) || qobject_cast<QCheckBox *>(child)) {
                const auto *label = qobject_cast<QLabel *>(child);
                if (!(label && label->wordWrap()))
                    EXPECT_GE(child->width(), child->sizeHint().width())
                        << child->metaObject()->className() << " "
                        << (label ? label->text().toStdString()
                                  : static_cast<QCheckBox *>(child)->text().toStdString());
            }
        }
        if (!outDir.isEmpty())
            dialog->grab().save(QStringLiteral("%1/settings-%2.png").arg(outDir, pages[page]));
    }
}

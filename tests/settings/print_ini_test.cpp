#include "settings/print_ini.h"
#include "support/temp_program_dir.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace PrintIni;

TEST(PrintIniCatalogue, KeyOrderWritesEveryKnownKeyOnce)
{
    QSet<QString> ordered;
    int colourOfReceipt = 0;
    int previousGroup = 1;
    for (const OrderEntry &entry : keyOrder()) {
        SCOPED_TRACE(entry.key.toStdString());
        const KeyInfo *info = find(entry.key);
        ASSERT_NE(info, nullptr);
        EXPECT_TRUE(info->written);
        EXPECT_GE(entry.group, previousGroup);
        previousGroup = entry.group;
        // Only flags, and the qualified-invoice values after every earlier key, are left out.
        if (entry.onlyWhenOn && entry.group < 17) {
            EXPECT_EQ(info->form, Form::Flag);
        }
        if (entry.key == QStringLiteral("[領収証色]=")) {
            ++colourOfReceipt;
        } else {
            EXPECT_FALSE(ordered.contains(entry.key));
        }
        ordered.insert(entry.key);
    }
    EXPECT_EQ(colourOfReceipt, 2);
    EXPECT_EQ(keyOrder().size(), 143);
    EXPECT_EQ(keyOrder().first().key, QStringLiteral("[設定名]="));
    EXPECT_EQ(keyOrder().at(138).key, QStringLiteral("[封筒長形３号]="));
    QStringList appended;
    for (const OrderEntry &entry : keyOrder().mid(139)) {
        EXPECT_TRUE(entry.onlyWhenOn);
        appended << entry.key;
    }
    EXPECT_EQ(appended,
              QStringList({"[消費税率]=", "[軽減税率]=", "[適格請求書]=", "[登録番号]="}));

    QSet<QString> known;
    for (const KeyInfo &info : catalogue()) {
        SCOPED_TRACE(info.key.toStdString());
        EXPECT_FALSE(known.contains(info.key));
        known.insert(info.key);
        EXPECT_EQ(ordered.contains(info.key), info.written);
    }
    EXPECT_EQ(find(QStringLiteral("[1枚目位置]="))->written, false);
    EXPECT_EQ(find(QStringLiteral("[無い]=")), nullptr);
}

TEST(PrintIniCatalogue, DialogDefaults)
{
    struct Case
    {
        const char *key;
        Form form;
        const char *absent;
    } const cases[] = {
        {"[社名SIZE]=", Form::Integer, "15"},        {"[TEXT1SIZE]=", Form::Integer, "6"},
        {"[faxSIZE]=", Form::Integer, "9"},          {"[請求書色]=", Form::Colour, "8388608"},
        {"[受領書色]=", Form::Colour, "4227327"},    {"[模様色]=", Form::Colour, "16777196"},
        {"[パンチ穴線]=", Form::Flag, "1"},          {"[切取位置]=", Form::Tenths, "0"},
        {"[住所枠y位置]=", Form::Integer, "-5"},     {"[住所枠印刷]=", Form::WordFlag, "有り"},
        {"[敬称]=", Form::WordFlag, "様"},           {"[角丸]=", Form::Integer, "30"},
        {"[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]=", Form::FontName, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        const KeyInfo *info = find(QString::fromUtf8(c.key));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->form, c.form);
        EXPECT_EQ(info->absent, QString::fromUtf8(c.absent));
    }
}

TEST(PrintIniReaders, TypedValues)
{
    TempProgramDir dir;
    dir.writeLines("PRINT.INI", {
                                    "[a]=-1.5",
                                    "[b]=0.25",
                                    "[c]=-0.25",
                                    "[d]=2.3",
                                    "[e]=abc",
                                    "[f]=1e1",
                                    "[g]=7",
                                    "[請求書色]=8388608",
                                    "[納品書色]=x",
                                    "[住所枠印刷]=無し",
                                    "[封筒自社名]=",
                                    "[ゼロ印字]=1",
                                });
    struct Case
    {
        const char *key;
        int tenths;
    } const cases[] = {{"[a]=", -15}, {"[b]=", 2},   {"[c]=", -2}, {"[d]=", 23},
                       {"[e]=", 0},   {"[f]=", 100}, {"[g]=", 70}, {"[無]=", 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(tenths(QString::fromUtf8(c.key)), c.tenths);
    }
    EXPECT_DOUBLE_EQ(fraction("[a]="), -1.5);
    EXPECT_DOUBLE_EQ(fraction("[e]="), 0.0);
    EXPECT_EQ(integer("[g]=", 3), 7);
    EXPECT_EQ(integer("[e]=", 3), 3);

    EXPECT_EQ(colour("[請求書色]=", 0), QColor(0, 0, 128));
    EXPECT_EQ(colour("[納品書色]=", 32768), QColor(0, 128, 0));
    EXPECT_EQ(colour("[無]=", 4227327), QColor(255, 128, 64));

    EXPECT_FALSE(wordFlag("[住所枠印刷]=", "無し"));
    EXPECT_TRUE(wordFlag("[封筒自社名]=", "印刷しない"));
    EXPECT_TRUE(flag("[ゼロ印字]="));
    EXPECT_FALSE(flag("[下記]="));
}

TEST(PrintIniReaders, TenthsTextIsShortestAndReadsBack)
{
    struct Case
    {
        int tenths;
        const char *text;
    } const cases[] = {{0, "0"}, {20, "2"}, {-15, "-1.5"}, {2, "0.2"}, {-2, "-0.2"}, {23, "2.3"}};
    TempProgramDir dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tenthsText(c.tenths), QString::fromUtf8(c.text));
        dir.writeLines("PRINT.INI", {"[切取位置]=" + tenthsText(c.tenths)});
        EXPECT_EQ(tenths("[切取位置]="), c.tenths);
    }
}

TEST(PrintIniStartup, DesignTitlesWithoutAFile)
{
    TempProgramDir dir;
    EXPECT_EQ(itemGridTitles(false),
              (QStringList{"№", "類", "品名", "", "形状・寸法", "数量", "単位", "単価", "原単価",
                           "金額", "原価計", "原価率"}));
    EXPECT_EQ(itemGridTitles(true).at(11), "利益率");
    const SlipKindCaptions captions = slipKindCaptions();
    EXPECT_EQ(captions.NOUHIN, "納品書");
    EXPECT_EQ(captions.HATYUU, "発注書");
    EXPECT_EQ(captions.IRAI, "見積依頼書");
    const Modes m = modes();
    EXPECT_FALSE(m.zeroPrint);
    EXPECT_EQ(m.roundingMode, 0);
    EXPECT_FALSE(m.profitRates);
}

TEST(PrintIniStartup, ReplacementsFromTheFile)
{
    TempProgramDir dir;
    dir.writeLines("PRINT.INI", {"[品名の変更]=明細", "[数量]=", "[単価]=価格", "[注文書]=注文書",
                                 "[請求書]=御請求書", "[端数処理]=2", "[利益率]=1", "[ゼロ印字]=0",
                                 "[ロゴ]=/tmp/logo.bmp"});
    const QStringList titles = itemGridTitles(true);
    EXPECT_EQ(titles.at(2), "明細");
    EXPECT_EQ(titles.at(5), "数量");
    EXPECT_EQ(titles.at(7), "価格");
    const SlipKindCaptions captions = slipKindCaptions();
    EXPECT_EQ(captions.HATYUU, "注文書");
    EXPECT_EQ(captions.SEIKYUU, "御請求書");
    EXPECT_EQ(captions.JURYOU, "受領書");
    const Modes m = modes();
    EXPECT_EQ(m.roundingMode, 2);
    EXPECT_TRUE(m.profitRates);
    EXPECT_FALSE(m.zeroPrint);
    EXPECT_EQ(m.logoPath, "/tmp/logo.bmp");

    dir.writeLines("PRINT.INI", {"[端数処理]=3"});
    EXPECT_EQ(modes().roundingMode, 0);
}

TEST(PrintIniTypedKeys, DefaultsForPrintingComeFromTheCatalogue)
{
    TempProgramDir dir;
    EXPECT_EQ(frameWidth.value(), 8);
    EXPECT_EQ(cornerSize.value(), 30);
    EXPECT_EQ(customerSize.value(), 10) << "the dialog proposes 9, printing uses 10";
    EXPECT_EQ(find(QStringLiteral("[顧客名SIZE]="))->absent, QStringLiteral("9"));
    EXPECT_EQ(find(QStringLiteral("[顧客名SIZE]="))->printDefault, 10);
    EXPECT_EQ(branchLine.size.value(), 11);
    EXPECT_EQ(companyName.size.value(), 15);
    EXPECT_EQ(freeLine1.size.value(), 6);
    EXPECT_EQ(addressFrameY.value(), 0) << "the dialog proposes -5, printing shifts nothing";
    EXPECT_EQ(find(QStringLiteral("[住所枠y位置]="))->absent, QStringLiteral("-5"));
    EXPECT_EQ(dataNumberSize.value(), 12);
    EXPECT_EQ(dataNumberSizeOfSlipNumber.value(), 11);
    EXPECT_EQ(invoiceColour.value(), QColor(0, 0, 128));
    EXPECT_TRUE(addressFrame.on());
    EXPECT_TRUE(envelopeCompany.on());
    EXPECT_FALSE(honorificGochuu.on());
    EXPECT_FALSE(punchGuide.on()) << "printing draws no punch guide without the line";
    EXPECT_DOUBLE_EQ(cutPosition.decimal(), 0.0);
    EXPECT_EQ(bank1.value(), QString());

    dir.writeLines("PRINT.INI", {"[枠太さ]=3", "[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=14", "[住所枠印刷]=無し",
                                 "[封筒自社名]=印刷しない", "[敬称]=御中", "[切取位置]=-1.5",
                                 "[5/7yBase1]=2.5", "[角丸]=x", "[請求書色]=255", "[振込先]=銀行"});
    EXPECT_EQ(frameWidth.value(), 3);
    EXPECT_EQ(cornerSize.value(), 30) << "not a number";
    EXPECT_EQ(dataNumberSize.value(), 14);
    EXPECT_EQ(dataNumberSizeOfSlipNumber.value(), 14);
    EXPECT_FALSE(addressFrame.on());
    EXPECT_FALSE(envelopeCompany.on());
    EXPECT_TRUE(honorificGochuu.on());
    EXPECT_EQ(cutPosition.tenths(), -15);
    EXPECT_DOUBLE_EQ(cutPosition.decimal(), -1.5);
    EXPECT_DOUBLE_EQ(slipBaseY1.decimal(), 2.5);
    EXPECT_EQ(invoiceColour.value(), QColor(255, 0, 0));
    EXPECT_EQ(bank1.value(), QStringLiteral("銀行"));
    EXPECT_EQ(frameWidth.name(), QStringLiteral("[枠太さ]="));
}

TEST(PrintIniTypedKeys, RangesOfTheDialogsControls)
{
    ASSERT_TRUE(frameWidth.range());
    EXPECT_EQ(frameWidth.range()->min, 0);
    EXPECT_EQ(frameWidth.range()->max, 20);
    EXPECT_EQ(cutPosition.range()->min, -300) << "tenths";
    EXPECT_EQ(companyName.size.range()->max, 100);
    EXPECT_EQ(slipBaseX.range()->max, 5000);
    EXPECT_FALSE(dataTextSize.range()) << "the catalogue knows none";
    for (const KeyInfo &info : catalogue()) {
        SCOPED_TRACE(info.key.toStdString());
        if (info.range) {
            EXPECT_TRUE(info.form == Form::Integer || info.form == Form::Tenths);
            EXPECT_LE(info.range->min, info.printDefault);
            EXPECT_GE(info.range->max, info.printDefault);
        }
    }
}

TEST(PrintIniTypedKeys, NumbersAreHeldToTheirLimits)
{
    TempProgramDir dir;
    dir.writeLines("PRINT.INI",
                   {"[枠太さ]=2147483647", "[TEXT1LEFT]=-2147483648", "[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=6000",
                    "[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=0", "[形状幅]=1e308", "[5/7yBase1]=-1e308",
                    "[切取位置]=99999", "[パンチ穴位置]=-1e308", "[住所枠y位置]=99999"});
    EXPECT_EQ(frameWidth.value(), 20);
    EXPECT_EQ(freeLine1.left.value(), -5000);
    EXPECT_EQ(dataTextSize.value(), 100);
    EXPECT_EQ(dataNumberSize.value(), 1);
    EXPECT_EQ(dataNumberSizeOfSlipNumber.value(), 1);
    EXPECT_DOUBLE_EQ(shapeWidth.decimal(), 5000.0);
    EXPECT_DOUBLE_EQ(slipBaseY1.decimal(), -5000.0);
    EXPECT_EQ(cutPosition.tenths(), 300);
    EXPECT_DOUBLE_EQ(cutPosition.decimal(), 30.0) << "tenths limits, in millimetres";
    EXPECT_EQ(punchPosition1.tenths(), 0) << "not a number a tenths key can hold";
    EXPECT_DOUBLE_EQ(punchPosition1.decimal(), -30.0);
    EXPECT_EQ(addressFrameY.value(), 5000) << "no range of its own: any real page";
    for (const KeyInfo &info : catalogue()) {
        SCOPED_TRACE(info.key.toStdString());
        if (info.form == Form::Integer || info.form == Form::Tenths) {
            EXPECT_LT(info.limits.min, info.limits.max);
            EXPECT_LE(info.limits.max, 5000) << "× 14 × a scale must stay far from int's end";
        }
    }
}

// The recorded operations of the slip layouts, compared byte for byte with the
// golden files of tests/fixtures/golden (written before the layouts moved onto the layout
// driver). MIRAVO_UPDATE_GOLDEN=1 writes them anew; see support/golden_ops.h.
#include "cli/ops_json.h"
#include "print/slip_layouts.h"
#include "realistic_slip.h"
#include "slip/string_grid.h"
#include "support/golden_ops.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

enum class Target { Preview, Printer };

struct GoldenCase
{
    const char *name;
    int layout = 0; // PRN_S
    std::function<void(TempProgramDir &, SlipPrintJob &, StringGrid &)> fill;
    Target target = Target::Preview;
    // The golden file when not the case's own: a printer run draws what its preview does.
    const char *golden = nullptr;
};

void checkKinds(SlipHeader &h, std::initializer_list<bool *> kinds)
{
    h.NOUHIN = h.SEIKYUU = h.JURYOU = h.HIKAE = h.HATYUU = h.IRAI = false;
    for (bool *kind : kinds)
        *kind = true;
}

// Records one case into the preview recorder or the virtual printer's job and returns the
// pages as --ops JSON.
QJsonArray recordCase(const GoldenCase &c)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    StringGrid items(12, 31);
    SlipPrintJob job;
    job.items = &items;
    c.fill(dir, job, items);
    job.header.PRN_S = c.layout;
    VirtualPrinter printer;
    PrintRunState state;
    if (c.target == Target::Printer) {
        prompts.answers.enqueue(true);
        EXPECT_TRUE(printSlip(job, printer, state));
        return pagesJson(printer.job());
    }
    TPrintPreview preview;
    EXPECT_TRUE(previewSlip(job, printer, preview, state));
    return pagesJson(preview);
}

void appendPrintIni(TempProgramDir &dir, const QStringList &lines)
{
    dir.writeLines(QStringLiteral("PRINT.INI"), dir.readLines(QStringLiteral("PRINT.INI")) + lines);
}

void realistic(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    fillRealisticSlip(dir, job, items);
}

// A5 mode as the screenshots run it: A5 upright, the A5 paper remembered in PRINT7.INI.
void realisticA5(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    fillRealisticSlip(dir, job, items);
    appendPrintIni(dir, {QStringLiteral("[A5縦]=1")});
    dir.writeLines(
        QStringLiteral("PRINT7.INI"),
        {QStringLiteral("[ORIENT]=1"), QStringLiteral("[PRINTER]=0"), QStringLiteral("[PAPER]=1")});
}

// One slip per A4 sheet (the Ａ5用紙 box without A5 mode): the bank lines and stamp boxes
// of 請求書 and 伝票控 move up.
void realisticOnePerSheet(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    fillRealisticSlip(dir, job, items);
    job.header.A5 = true;
    checkKinds(job.header, {&job.header.SEIKYUU, &job.header.HIKAE});
}

void realisticInclusive(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    fillRealisticSlip(dir, job, items);
    appendPrintIni(dir, {QStringLiteral("[かっこ]=1"), QStringLiteral("[内税表示]=1")});
    job.header.taxMode = TaxMode::Inclusive;
    checkKinds(job.header, {&job.header.NOUHIN, &job.header.SEIKYUU, &job.header.HATYUU});
}

void realisticExempt(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    fillRealisticSlip(dir, job, items);
    job.header.taxMode = TaxMode::Exempt;
    job.zeroPrint = true;
    job.roundingMode = 2;
    checkKinds(job.header, {&job.header.SEIKYUU, &job.header.JURYOU, &job.header.IRAI});
}

// Thirty rows on 請求書: two 24-row images, one 36-row image.
void realisticLong(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    fillRealisticLongSlip(dir, job, items);
    checkKinds(job.header, {&job.header.SEIKYUU});
}

void setRow(StringGrid &items, int row, const QStringList &cells)
{
    // 品名, mark, 形状, 数量, 単位, 単価, 原単価, 金額, 原価計
    items.setCell(0, row, QString::number(row));
    for (int i = 0; i < cells.size(); ++i)
        items.setCell(2 + i, row, cells.at(i));
}

void optionRows(StringGrid &items)
{
    setRow(items, 1, {"　　字下げ品名", "", "W300", "2", "個", "1500", "900", "3000", "1800"});
    setRow(items, 2,
           {"ステンレス製六角ボルト・ナット・ワッシャー・スプリングワッシャー組立済みセット"
            "（長尺タイプ）特注品につき返品不可",
            "", "M12×長さ120ミリメートル（特注品）", "10", "セット", "380", "250", "3800", "2500"});
    setRow(items, 3, {"返品", "1", "", "-3", "個", "1500", "900", "-4500", "-2700"});
    setRow(items, 4, {"非課税の手数料", "1", "", "1", "式", "500", "", "500", ""});
    setRow(items, 6, {"六行目", "", "", "1.25", "kg", "33.335", "20", "42", "25"});
}

// Window envelope, era years, a shape column, offsets of every kind, replaced titles,
// fonts and colours, four bank lines, inclusive tax with parentheses.
void optionsWindowEnvelope(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    dir.writeLines(QStringLiteral("PRINT.INI"), {"[社名]=テスト商会",
                                                 "[社名LEFT]=-3",
                                                 "[社名SIZE]=13",
                                                 "[社名FONT]=ＭＳ 明朝",
                                                 "[支店]=本店",
                                                 "[支店SIZE]=8",
                                                 "[〒FONT]=ＭＳ 明朝",
                                                 "[住所]=東京都千代田区1-1",
                                                 "[tel]=TEL 03-0000-0000",
                                                 "[faxTOP]=1",
                                                 "[TEXT1]=短い行",
                                                 "[TEXT2]=こちらの行は長い行です",
                                                 "[TEXT1SIZE]=7",
                                                 "[TEXT1FONT]=ＭＳ Ｐゴシック",
                                                 "[5/7xBase]=3",
                                                 "[5/7yBase1]=1.5",
                                                 "[5/7yBase2]=-2",
                                                 "[切取位置]=2.5",
                                                 "[形状幅]=20.5",
                                                 "[品名の変更]=品目",
                                                 "[形状]=寸法",
                                                 "[数量]=数",
                                                 "[単位]=単",
                                                 "[単価]=価格",
                                                 "[金額]=小計",
                                                 "[納品書]=御納品書",
                                                 "[請求書]=御請求書",
                                                 "[受領書]=受領証",
                                                 "[伝票控]=控",
                                                 "[注文書]=注文書",
                                                 "[見積依頼書]=見積依頼",
                                                 "[振込先]=三井住友銀行 新宿支店",
                                                 "[口座番号]=普通 1234567",
                                                 "[名義]=テストショウカイ",
                                                 "[振込先2]=ゆうちょ銀行",
                                                 "[口座番号2]=00120-1-234",
                                                 "[名義2]=テストタロウ",
                                                 "[振込先FONT]=ＭＳ Ｐ明朝",
                                                 "[固定文字ﾌｫﾝﾄFONT]=ＭＳ Ｐゴシック",
                                                 "[ﾃﾞｰﾀ文字ﾌｫﾝﾄFONT]=ＭＳ 明朝",
                                                 "[ﾃﾞｰﾀ文字ﾌｫﾝﾄSIZE]=9",
                                                 "[ﾃﾞｰﾀ数値ﾌｫﾝﾄFONT]=ＭＳ Ｐ明朝",
                                                 "[ﾃﾞｰﾀ数値ﾌｫﾝﾄSIZE]=10",
                                                 "[顧客名SIZE]=12",
                                                 "[DATA色]=4210752",
                                                 "[請求書色]=255",
                                                 "[納品書色]=65280",
                                                 "[受領書色]=x",
                                                 "[枠太さ]=5",
                                                 "[角丸]=12",
                                                 "[住所枠窓付き封筒用]=1",
                                                 "[住所枠x位置]=3",
                                                 "[住所枠y位置]=2",
                                                 "[住所文字y位置]=-1",
                                                 "[年号印刷]=1",
                                                 "[かっこ]=1",
                                                 "[内税表示]=1",
                                                 "[パンチ穴線]=1",
                                                 "[パンチ穴位置]=1.5",
                                                 "[パンチ穴位置2]=-2.5"});
    SlipHeader &h = job.header;
    h.NAME1 = QStringLiteral("株式会社サンプル");
    h.NAME2 = QStringLiteral("経理部");
    h.KEISYOU = QStringLiteral("御中");
    h.YUBIN = QStringLiteral("〒100-0001");
    h.ADD1 = QStringLiteral("東京都千代田区千代田1-1");
    h.Bangou = QStringLiteral("A-77");
    h.DTP1 = QDateTime(QDate(2019, 5, 1), QTime(9, 0));
    h.Sunpou = true;
    h.taxMode = TaxMode::Inclusive;
    h.NOUHIN = h.SEIKYUU = h.JURYOU = h.HIKAE = h.HATYUU = h.IRAI = true;
    job.captions.hatyuu = QStringLiteral("注文書");
    job.captions.irai = QStringLiteral("見積依頼書");
    job.roundingMode = 1;
    optionRows(items);
}

// No address frame, no lead sentence, no date, A5 landscape-fed mode, the order note of
// HATTYU.INI, a negative page total, exclusive tax rounded up.
void optionsPlain(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    dir.writeLines(QStringLiteral("PRINT.INI"),
                   {"[社名]=無枠商店", "[住所枠印刷]=無し", "[下記]=1", "[A5横]=1",
                    "[パンチ穴線]=1", "[パンチ穴位置]=-1", "[振込先]=りそな銀行",
                    "[名義]=ムワクショウテン", "[発注書色]=8421504"});
    dir.writeLines(QStringLiteral("HATTYU.INI"),
                   {QStringLiteral("[発注書]=納期厳守でお願いします。")});
    dir.writeLines(QStringLiteral("PRINT7.INI"), {QStringLiteral("[PAPER]=1")});
    SlipHeader &h = job.header;
    h.NAME1 = QStringLiteral("個人のお客様");
    h.KEISYOU = QStringLiteral("様");
    h.Bangou = QStringLiteral("9");
    h.DTP1 = QDateTime(QDate(2026, 12, 9), QTime(9, 0));
    h.DATE_CHECK = true;
    h.taxMode = TaxMode::Exclusive;
    h.SEIKYUU = h.JURYOU = h.HATYUU = h.IRAI = true;
    job.roundingMode = 1;
    optionRows(items);
    setRow(items, 5, {"大口値引き", "", "", "1", "式", "-20000", "-15000", "-20000", "-15000"});
}

const GoldenCase cases[] = {
    {"realistic_5rows", 0, realistic},
    {"realistic_7rows", 1, realistic},
    {"realistic_5rows_a5", 0, realisticA5},
    {"realistic_7rows_a5", 1, realisticA5},
    {"realistic_5rows_one_per_sheet", 0, realisticOnePerSheet},
    {"realistic_7rows_one_per_sheet", 1, realisticOnePerSheet},
    {"realistic_5rows_inclusive", 0, realisticInclusive},
    {"realistic_7rows_inclusive", 1, realisticInclusive},
    {"realistic_5rows_exempt", 0, realisticExempt},
    {"realistic_7rows_exempt", 1, realisticExempt},
    {"options_window_envelope_5rows", 0, optionsWindowEnvelope},
    {"options_window_envelope_7rows", 1, optionsWindowEnvelope},
    {"options_plain_5rows", 0, optionsPlain},
    {"options_plain_7rows", 1, optionsPlain},
    {"realistic_24rows", 2, realisticLong},
    {"realistic_36rows", 3, realisticLong},
    {"printer_realistic_5rows", 0, realistic, Target::Printer, "realistic_5rows"},
    {"printer_options_plain_7rows", 1, optionsPlain, Target::Printer, "options_plain_7rows"},
};

void PrintTo(const GoldenCase &c, std::ostream *out)
{
    *out << c.name;
}

class LayoutGolden : public ::testing::TestWithParam<GoldenCase>
{};

TEST_P(LayoutGolden, RecordedOperationsMatchTheGoldenFile)
{
    const GoldenCase &c = GetParam();
    const QJsonArray pages = recordCase(c);
    const char *golden = c.golden ? c.golden : c.name;
    if (c.golden && qEnvironmentVariableIsSet("MIRAVO_UPDATE_GOLDEN"))
        GTEST_SKIP() << "compares with " << golden << ", written by its own case";
    EXPECT_TRUE(matchesGoldenFile(QString::fromUtf8(golden), goldenOpsText(pages)));
}

INSTANTIATE_TEST_SUITE_P(Slips, LayoutGolden, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<GoldenCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace

#include "common/miravo_error.h"
#include "common/sjis.h"
#include "master/customer_columns.h"
#include "slip/item_columns.h"
#include "slip/slip_header.h"
#include "slip/string_grid.h"
#include "statement/statement_columns.h"
#include "statement/text_export.h"
#include "support/scripted_prompter.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using TextExport::Kind;

SlipHeader header(TaxMode mode)
{
    SlipHeader h;
    h.TITLE = "山田商店";
    h.Bangou = "10023";
    h.NAME1 = "山田商店";
    h.NAME2 = "営業部";
    h.KEISYOU = "御中";
    h.YUBIN = "100-0001";
    h.ADD1 = "東京都";
    h.ADD_2 = "千代田区";
    h.DTP1 = QDateTime(QDate(2026, 4, 1), QTime(10, 0));
    h.taxMode = mode;
    h.Tanto = "佐藤";
    return h;
}

QByteArray readFile(const QString &path)
{
    QFile in(path);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    return in.readAll();
}

TEST(TextExport, SlipOfThirtyRows)
{
    StringGrid SG1(ItemColumn::count, 31);
    SG1.setRowCells(0, {"№", "類", "品名", "", "形状・寸法", "数量", "単位", "単価", "原単価",
                        "金額", "原価計", "原価率"});
    for (int row = 1; row <= 30; ++row)
        SG1.setCell(0, row, QString::number(row));
    SG1.setRowCells(1, {"1", "A", "ボルト, M8", "", "", "2", "個", "500", "", "1000", "", ""});
    const QStringList lines = TextExport::lines(Kind::Slip, header(TaxMode::Exclusive), 50, SG1);

    ASSERT_EQ(lines.size(), 13 + 31);
    EXPECT_EQ(
        lines.mid(0, 13),
        QStringList({"ファイル名\t山田商店", "伝票№\t10023", "顧客名\t山田商店", "顧客名2\t営業部",
                     "敬称\t御中", "〒\t100-0001", "住所\t東京都", "住所2\t千代田区",
                     "日付\t2026/04/01", "", "税区分\t外税", "消費税額\t50", "担当者\t佐藤"}));
    for (int i = 13; i < lines.size(); ++i) {
        EXPECT_EQ(lines.at(i).count(u'\t'), 12);
        EXPECT_TRUE(lines.at(i).endsWith(u'\t'));
    }
    EXPECT_EQ(lines.at(14), "1\tA\tボルト, M8\t\t\t2\t個\t500\t\t1000\t\t\t");
    EXPECT_EQ(lines.at(43), "30\t\t\t\t\t\t\t\t\t\t\t\t");
}

TEST(TextExport, HeaderBlockByKindAndTaxMode)
{
    const StringGrid empty(ItemColumn::count, 1);
    EXPECT_EQ(TextExport::headerBlock(Kind::Slip, header(TaxMode::Exempt), 999).mid(10, 2),
              QStringList({"税区分\t非課税", "消費税額\t0"}));
    EXPECT_EQ(TextExport::headerBlock(Kind::Slip, header(TaxMode::Inclusive), 47).mid(10, 2),
              QStringList({"税区分\t内税", "消費税額\t47"}));
    const QStringList statement =
        TextExport::headerBlock(Kind::Statement, header(TaxMode::Exclusive), 0);
    EXPECT_EQ(statement.size(), 9);
    EXPECT_EQ(statement.last(), "");
    EXPECT_EQ(statement.at(7), "住所2\t千代田区");
}

TEST(TextExport, CustomerGridWithoutHeaderAndWithTabsAsTheyAre)
{
    StringGrid SG_K(CustomerColumn::count, 2);
    SG_K.setRowCells(0, {"№", "顧客名", "顧客名２", "〒", "住所", "住所２", "tel"});
    SG_K.setRowCells(1, {"1", "山田\t商店", "", "", "", "", "03-1234", "様", ""});
    const QStringList lines =
        TextExport::lines(Kind::Customers, header(TaxMode::Exclusive), 0, SG_K);
    EXPECT_EQ(lines, QStringList({"№\t顧客名\t顧客名２\t〒\t住所\t住所２\ttel\t\t\t",
                                  "1\t山田\t商店\t\t\t\t\t03-1234\t様\t\t"}));
}

TEST(TextExport, TxtoutAsksChoosesWritesAndReports)
{
    QTemporaryDir dir;
    StringGrid SG0(StatementColumn::count, 2);
    SG0.setCell(StatementColumn::name, 0, "品名");
    ScriptedPrompter messages;
    messages.answers << true;
    messages.files << QDir(dir.path()).filePath("meisai");
    const QString path =
        TextExport::TXTOUT(Kind::Statement, header(TaxMode::Exclusive), 0, SG0, dir.path());
    EXPECT_EQ(path, QDir(dir.path()).filePath("meisai.txt"));
    EXPECT_EQ(messages.log,
              QStringList({"question: 請求明細書データをテキストファイルで出力します。",
                           "save: 名前を付けて保存", "beep", "info: 終了しました。"}));
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.startsWith(Sjis::encode("ファイル名\t山田商店\r\n")));
    EXPECT_TRUE(bytes.endsWith("\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"));

    // No and a cancelled dialog write nothing.
    messages.answers << false << true;
    messages.files << std::nullopt;
    EXPECT_EQ(TextExport::TXTOUT(Kind::Slip, header(TaxMode::Exclusive), 0, SG0, dir.path()), "");
    EXPECT_EQ(TextExport::TXTOUT(Kind::Slip, header(TaxMode::Exclusive), 0, SG0, dir.path()), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"meisai.txt"}));
}

TEST(TextExport, FailedWriteLeavesTheEarlierFileWhole)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("out.TXT");
    StringGrid small(2, 1);
    TextExport::write(path, TextExport::gridLines(small));
    const QByteArray before = readFile(path);

    StringGrid big(ItemColumn::count, 400);
    for (int row = 0; row < big.rows(); ++row)
        big.setCell(2, row, QString(40, u'x'));
    {
        FileSizeLimit limit(256);
        EXPECT_THROW(TextExport::write(path, TextExport::gridLines(big)), IoError);
    }
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"out.TXT"}));
}

} // namespace

#include "common/miravo_error.h"
#include "common/sjis.h"
#include "files/slip_file.h"
#include "slip/string_grid.h"
#include "support/temp_program_dir.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SlipHeader sampleHeader()
{
    SlipHeader header;
    header.NAME1 = "山田商店";
    header.NAME2 = "営業部　御担当";
    header.ADD1 = "東京都千代田区１－２";
    header.ADD_2 = "山田ビル 3F";
    header.YUBIN = "〒100-0001";
    header.DTP1 = QDateTime(QDate(2005, 5, 1), QTime(15, 9, 13, 860));
    header.TITLE = "山田商店＞見積";
    header.KEISYOU = "御中";
    header.taxMode = TaxMode::Inclusive;
    header.Tanto = "佐藤";
    header.Bangou = "10023";
    return header;
}

// Item rows whose every cell is filled, with the awkward texts among them.
void fillItems(StringGrid &items)
{
    const QStringList awkward = {"A, B", "φ10 x 20", "say \"hi\"", "～－￥＼①髙", "ｶﾅ"};
    for (int row = 1; row < items.rows(); ++row) {
        items.setCell(0, row, QString::number(row));
        for (int column = 1; column < SlipFile::itemColumns; ++column)
            items.setCell(column, row,
                          QStringLiteral("%1-%2 ").arg(row).arg(column) +
                              awkward.at((row + column) % awkward.size()));
    }
}

class SlipFolder
{
public:
    QString file(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    void writeLines(const QString &name, const QStringList &lines) const
    {
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += Sjis::encode(line) + "\r\n";
        QFile out(file(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST(SlipFile, DayNumberText)
{
    struct Case
    {
        QDateTime moment;
        const char *text;
    } const cases[] = {
        {QDateTime(QDate(2000, 12, 2), QTime(15, 9, 13, 860)), "36862.6314104167"},
        {QDateTime(QDate(2005, 5, 1), QTime(0, 0)), "38473"},
        {QDateTime(QDate(2005, 5, 1), QTime(12, 0)), "38473.5"},
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), "0"},
        {QDateTime(QDate(1899, 12, 29), QTime(6, 0)), "-1.25"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SlipFile::dayNumberText(c.moment), QString::fromLatin1(c.text));
        EXPECT_EQ(SlipFile::fromDayNumber(QString::fromLatin1(c.text)), c.moment);
    }
}

TEST(SlipFile, DateLineForms)
{
    const QDateTime mayDay(QDate(2005, 5, 1), QTime(0, 0));
    struct Case
    {
        const char *line;
        std::optional<QDateTime> date;
    } const cases[] = {
        {"2005/05/01", mayDay},
        {"2005/5/1", mayDay},
        {"2005/5/1 9:30:00", QDateTime(QDate(2005, 5, 1), QTime(9, 30))},
        {"2005年5月1日", mayDay},
        {"38473", mayDay},
        {"38473.5", QDateTime(QDate(2005, 5, 1), QTime(12, 0))},
        {"", std::nullopt},
        {"明日", std::nullopt},
        {"38473,5", std::nullopt},
        {"nan", std::nullopt},
        {"1e300", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(SlipFile::parseDate(QString::fromUtf8(c.line)), c.date);
    }
}

TEST(SlipFile, NameAndTitleFromName)
{
    SlipHeader header = sampleHeader();
    header.TITLE = "山田商店";
    EXPECT_EQ(SlipFile::fileName(header), "平成17年05月01日【10023】山田商店.419");
    header.DTP1 = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    EXPECT_EQ(SlipFile::fileName(header), "令和8年12月09日【10023】山田商店.419");

    struct Case
    {
        const char *name;
        const char *title;
    } const cases[] = {
        {"平成17年05月01日【10023】山田商店.419", "山田商店"},
        {"平成17年05月01日見積.419", "見積"},
        {"令和1年05月01日【】日本橋.419", "日本橋"}, // the 日 after 】 is part of the title
        {"見積.321", "見積"},
        {"平成17年05月01日【1】A】B.419", "A】B"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SlipFile::titleFromFileName(QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.title));
    }
}

TEST(SlipFile, SavedSlipOf30RowsIsCp932WithCrLfAnd43Lines)
{
    SlipFolder folder;
    StringGrid items(12, 31);
    items.setRowCells(1, {"1", "", "ボルト M8", "", "", "10", "本", "25", "", "250", "", ""});
    for (int row = 2; row <= 30; ++row)
        items.setCell(0, row, QString::number(row));
    const QString path = folder.file("slip.419");
    SlipFile::write(path, sampleHeader(), items, 11);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 43);
    EXPECT_EQ(bytes.count('\n'), 43);
    EXPECT_TRUE(bytes.endsWith("30,,,,,,,,,,,\r\n"));
    const QList<QByteArray> lines = bytes.split('\n');
    EXPECT_EQ(lines.at(0), Sjis::encode("山田商店") + "\r");
    EXPECT_EQ(lines.at(0), QByteArray("\x8E\x52\x93\x63\x8F\xA4\x93\x58\r"));
    const QStringList expectedHeader = {"山田商店",
                                        "東京都千代田区１－２",
                                        "山田ビル 3F",
                                        "〒100-0001",
                                        "38473.6314104167",
                                        "営業部　御担当",
                                        "山田商店＞見積",
                                        "御中",
                                        "",
                                        "1",
                                        "11",
                                        "佐藤",
                                        "10023"};
    for (int i = 0; i < expectedHeader.size(); ++i)
        EXPECT_EQ(Sjis::decode(lines.at(i).chopped(1)), expectedHeader.at(i)) << "line " << i + 1;
    EXPECT_EQ(lines.at(13),
              QByteArray("1,,\"\x83\x7B\x83\x8B\x83\x67 M8\",,,10,\x96\x7B,25,,250,,\r"));
}

TEST(SlipFile, SaveThenReadGivesEverythingBack)
{
    for (const int itemRows : {30, 50}) {
        SCOPED_TRACE(itemRows);
        SlipFolder folder;
        const SlipHeader saved = sampleHeader();
        StringGrid items(12, itemRows + 1);
        fillItems(items);
        const QString path = folder.file(SlipFile::fileName(saved));
        SlipFile::write(path, saved, items, 0);

        SlipHeader loaded;
        loaded.KEISYOU = "様";
        StringGrid loadedItems(12, 31);
        const SlipFile::ReadResult result = SlipFile::read(path, loaded, loadedItems);
        EXPECT_TRUE(result.dateRead);
        EXPECT_EQ(loaded.NAME1, saved.NAME1);
        EXPECT_EQ(loaded.NAME2, saved.NAME2);
        EXPECT_EQ(loaded.ADD1, saved.ADD1);
        EXPECT_EQ(loaded.ADD_2, saved.ADD_2);
        EXPECT_EQ(loaded.YUBIN, saved.YUBIN);
        EXPECT_EQ(loaded.DTP1, saved.DTP1);
        EXPECT_EQ(loaded.TITLE, saved.TITLE);
        EXPECT_EQ(loaded.KEISYOU, saved.KEISYOU);
        EXPECT_EQ(loaded.taxMode, saved.taxMode);
        EXPECT_EQ(loaded.Tanto, saved.Tanto);
        EXPECT_EQ(loaded.Bangou, saved.Bangou);
        ASSERT_EQ(loadedItems.rows(), itemRows + 1);
        for (int row = 1; row <= itemRows; ++row)
            EXPECT_EQ(loadedItems.rowCells(row), items.rowCells(row)) << "row " << row;
    }
}

TEST(SlipFile, EveryTaxModeComesBack)
{
    SlipFolder folder;
    StringGrid items(12, 31);
    for (const TaxMode mode : {TaxMode::Exclusive, TaxMode::Inclusive, TaxMode::Exempt}) {
        SlipHeader header = sampleHeader();
        header.taxMode = mode;
        const QString path = folder.file("t.419");
        SlipFile::write(path, header, items, 0);
        SlipHeader loaded;
        loaded.taxMode = mode == TaxMode::Exempt ? TaxMode::Exclusive : TaxMode::Exempt;
        SlipFile::read(path, loaded, items);
        EXPECT_EQ(loaded.taxMode, mode);
    }
}

TEST(SlipFile, ItemLinesFillTwelveColumnsAtMost)
{
    SlipFolder folder;
    QStringList lines = {"客", "", "", "", "38473", "", "t", "様", "", "", "", "", "1"};
    lines << "1,a,b,1,d,2,e,3,4,6,8,75,extra1,extra2"
          << "9,a,\"p, q\",,\"r \"\"s\"\"\""
          << "  3 , x y";
    folder.writeLines("平成17年05月01日【1】t.419", lines);
    SlipHeader header;
    StringGrid items(12, 31);
    items.setRowCells(2, QStringList(12, "old"));
    SlipFile::read(folder.file("平成17年05月01日【1】t.419"), header, items);
    EXPECT_EQ(items.rowCells(1),
              (QStringList{"1", "a", "b", "1", "d", "2", "e", "3", "4", "6", "8", "75"}));
    // Five fields fill columns 0 to 4; the row number is rewritten, the rest emptied.
    EXPECT_EQ(items.rowCells(2),
              (QStringList{"2", "a", "p, q", "", "r \"s\"", "", "", "", "", "", "", ""}));
    // Blanks outside quotes separate fields.
    EXPECT_EQ(items.rowCells(3), (QStringList{"3", "x", "y", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(items.rows(), 31);
}

TEST(SlipFile, EmptyAndUnknownTaxModeLines)
{
    SlipFolder folder;
    struct Case
    {
        const char *line;
        TaxMode before;
        TaxMode after;
    } const cases[] = {
        {"", TaxMode::Exempt, TaxMode::Exclusive},
        {"0", TaxMode::Inclusive, TaxMode::Exclusive},
        {"2", TaxMode::Exclusive, TaxMode::Exempt},
        {"9", TaxMode::Inclusive, TaxMode::Inclusive},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        folder.writeLines("x.419", {"", "", "", "", "38473", "", "", "", "", c.line});
        SlipHeader header;
        header.taxMode = c.before;
        StringGrid items(12, 31);
        SlipFile::read(folder.file("x.419"), header, items);
        EXPECT_EQ(header.taxMode, c.after);
    }
}

TEST(SlipFile, LegacyFileReadsOnlyItsKnownHeaderLines)
{
    SlipFolder folder;
    folder.writeLines("平成12年12月02日【77】旧伝票.321",
                      {"旧顧客", "住所一", "住所二", "〒999", "36862.5", "顧客名二", "タイトル",
                       "殿", "", "2", "500", "鈴木", "77", "1,,旧品,,,3,個,100,,300,,"});
    SlipHeader header;
    header.KEISYOU = "様";
    header.taxMode = TaxMode::Inclusive;
    StringGrid items(12, 31);
    SlipFile::read(folder.file("平成12年12月02日【77】旧伝票.321"), header, items);
    EXPECT_EQ(header.NAME1, "旧顧客");
    EXPECT_EQ(header.ADD1, "");
    EXPECT_EQ(header.ADD_2, "");
    EXPECT_EQ(header.YUBIN, "");
    EXPECT_EQ(header.NAME2, "");
    EXPECT_EQ(header.DTP1, QDateTime(QDate(2000, 12, 2), QTime(12, 0)));
    EXPECT_EQ(header.TITLE, "旧伝票");
    EXPECT_EQ(header.KEISYOU, "様");
    EXPECT_EQ(header.taxMode, TaxMode::Inclusive);
    EXPECT_EQ(header.Tanto, "鈴木");
    EXPECT_EQ(header.Bangou, "77");
    EXPECT_EQ(items.cell(2, 1), "旧品");
    EXPECT_EQ(items.cell(9, 1), "300");
}

TEST(SlipFile, ShortFileReadsMissingLinesAsEmpty)
{
    SlipFolder folder;
    folder.writeLines("平成17年05月01日短い.419", {"顧客だけ", "住所"});
    SlipHeader header;
    header.Bangou = "keep?";
    header.DTP1 = QDateTime(QDate(2020, 1, 1), QTime(8, 0));
    StringGrid items(12, 31);
    items.setCell(2, 1, "kept");
    const SlipFile::ReadResult result =
        SlipFile::read(folder.file("平成17年05月01日短い.419"), header, items);
    EXPECT_FALSE(result.dateRead);
    EXPECT_EQ(header.DTP1, QDateTime(QDate(2020, 1, 1), QTime(8, 0)));
    EXPECT_EQ(header.NAME1, "顧客だけ");
    EXPECT_EQ(header.ADD1, "住所");
    EXPECT_EQ(header.Bangou, "");
    EXPECT_EQ(header.TITLE, "短い");
    EXPECT_EQ(items.cell(2, 1), "kept"); // no item lines: the rows stay as blanking left them
}

TEST(SlipFile, MissingFileThrows)
{
    SlipHeader header;
    StringGrid items(12, 31);
    EXPECT_THROW(SlipFile::read("/nonexistent/x.419", header, items), IoError);
}

TEST(SlipFile, FailedWriteKeepsTheEarlierFile)
{
    SlipFolder folder;
    const QString path = folder.file("slip.419");
    StringGrid items(12, 31);
    SlipFile::write(path, sampleHeader(), items, 0);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray earlier = before.readAll();
    before.close();

    fillItems(items);
    {
        const FileSizeLimit limit(earlier.size());
        EXPECT_THROW(SlipFile::write(path, sampleHeader(), items, 0), IoError);
    }
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), earlier);
    EXPECT_EQ(QFileInfo(path).dir().entryList(QDir::Files), QStringList{"slip.419"});
}

TEST(SlipFile, ControlBytesInACellStayInTheirCell)
{
    // 0x7F is no blank: unquoted, it stays inside its cell, and the quantity stays in 数量.
    SlipFolder folder;
    const QString name = QStringLiteral("平成17年05月01日【1】t.419");
    folder.writeLines(name, {"客", "", "", "", "38473", "", "t", "様", "", "", "", "", "1"});
    const QString path = folder.file(name);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("1,,A\x7F"
                   "B,,,2,\x8C\xC2,100\r\n");
    }
    SlipHeader header;
    StringGrid items(12, 31);
    SlipFile::read(path, header, items);
    EXPECT_EQ(items.rowCells(1), (QStringList{"1", "",
                                              QStringLiteral("A\x7F"
                                                             "B"),
                                              "", "", "2", "個", "100", "", "", "", ""}));

    // Every control byte is written as itself and read back into its cell.
    for (const char control : {'\x1A', '\x1C', '\x7F'}) {
        SCOPED_TRACE(int(control));
        const QString cell = QStringLiteral("A") + QChar(control) + QStringLiteral("B");
        items.setCell(2, 1, cell);
        SlipFile::write(path, header, items, 0);
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains(QByteArray("A") + control + "B"));
        StringGrid back(12, 31);
        SlipFile::read(path, header, back);
        EXPECT_EQ(back.cell(2, 1), cell);
        EXPECT_EQ(back.cell(5, 1), "2");
    }
}

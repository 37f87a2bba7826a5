#include "common/sjis.h"
#include "master/customer_columns.h"
#include "master/customer_list.h"
#include "slip/string_grid.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

namespace Col = CustomerColumn;

namespace {

struct CustomerListTest : ::testing::Test
{
    CustomerListTest() { CustomerList::prepare(grid); }

    // The grid as start-up loads it from the program directory.
    void load()
    {
        CustomerList::prepare(grid);
        KOKYAKU_YOMIKOMI(grid);
    }

    void setNames(const QStringList &names)
    {
        for (int row = 1; row <= names.size(); ++row)
            grid.setCell(Col::name, row, names.at(row - 1));
    }

    QStringList names() const
    {
        QStringList shown;
        for (int row = 1; row < grid.rows(); ++row)
            shown << grid.cell(Col::name, row);
        return shown;
    }

    bool numbered() const
    {
        for (int row = 1; row < grid.rows(); ++row) {
            if (grid.cell(Col::number, row) != QString::number(row))
                return false;
        }
        return true;
    }

    TempProgramDir dir;
    StringGrid grid{Col::count, CustomerList::startRows};
};

QStringList numberedNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("顧客%1").arg(i);
    return names;
}

const CustomerRecord kYamada{"山田商店",   "経理部",       "123-4567", "東京都千代田区1-2",
                             "山田ビル3F", "03-1234-5678", "御中"};

} // namespace

TEST_F(CustomerListTest, TheGridStartsWithTitlesAnd23EmptyRows)
{
    EXPECT_EQ(grid.columns(), 9);
    EXPECT_EQ(grid.rows(), 24);
    EXPECT_EQ(grid.rowCells(0),
              (QStringList{"№", "顧客名", "顧客名２", "〒", "住所", "住所２", "tel", "", ""}));
}

TEST_F(CustomerListTest, LoadingGrowsTheGridOnlyBeyond23Customers)
{
    struct Case
    {
        int lines; // -1: no KOKYAKU.LST
        int rows;
    } const cases[] = {{-1, 24}, {0, 24}, {5, 24}, {23, 24}, {24, 25}, {40, 41}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines);
        if (c.lines >= 0)
            dir.writeLines("KOKYAKU.LST", numberedNames(c.lines));
        load();
        ASSERT_EQ(grid.rows(), c.rows);
        EXPECT_TRUE(numbered());
        for (int row = 1; row < grid.rows(); ++row) {
            const QStringList cells = grid.rowCells(row).mid(Col::name);
            const QString name = row <= c.lines ? QStringLiteral("顧客%1").arg(row) : QString();
            EXPECT_EQ(cells, (QStringList{name, "", "", "", "", "", "", ""})) << row;
        }
    }
}

TEST_F(CustomerListTest, AFileOfNamesOnlyLoadsEveryLineLiterally)
{
    dir.writeBytes("KOKYAKU.LST", Sjis::encode("山田, \"本店\"\r\n\r\n  鈴木  \r\n佐藤"));
    load();
    EXPECT_EQ(names().mid(0, 5), (QStringList{"山田, \"本店\"", "", "  鈴木  ", "佐藤", ""}));
}

TEST_F(CustomerListTest, SavingClosesTheGapsOfEmptyNames)
{
    setNames({"山田", "", "鈴木", "", "", "佐藤"});
    grid.setCell(Col::address1, 1, "東京");
    grid.setCell(Col::mark, 3, "1");
    KOKYAKU_KAKIDASI(grid);
    EXPECT_EQ(dir.readBytes("KOKYAKU.LST"), Sjis::encode("山田\r\n鈴木\r\n佐藤\r\n"));
    EXPECT_EQ(dir.readBytes("KOKYAKU2.LST"), Sjis::encode("山田,,,東京,,,\r\n鈴木,,,,,,\r\n"
                                                          "佐藤,,,,,,\r\n"));
}

TEST_F(CustomerListTest, AGridWithNothingFilledLeavesBothFiles)
{
    dir.writeLines("KOKYAKU.LST", {"山田"});
    dir.writeLines("KOKYAKU2.LST", {"山田,,,東京,,,"});
    // Only the columns from 顧客名 to 住所 count; a telephone, honorific or mark alone is
    // nothing to save.
    grid.setCell(Col::address2, 2, "2F");
    grid.setCell(Col::telephone, 3, "03");
    grid.setCell(Col::honorific, 4, "様");
    grid.setCell(Col::mark, 5, "1");
    KOKYAKU_KAKIDASI(grid);
    EXPECT_EQ(dir.readLines("KOKYAKU.LST"), QStringList{"山田"});
    EXPECT_EQ(dir.readLines("KOKYAKU2.LST"), QStringList{"山田,,,東京,,,"});

    // An address without a name counts as filled, and writes no line.
    grid.setCell(Col::address1, 6, "大阪");
    KOKYAKU_KAKIDASI(grid);
    EXPECT_EQ(dir.readBytes("KOKYAKU.LST"), QByteArray());
    EXPECT_EQ(dir.readBytes("KOKYAKU2.LST"), QByteArray());
}

TEST_F(CustomerListTest, WholeRecordsSurviveARestart)
{
    const CustomerRecord quoted{"山田, \"本店\"", " 前に空白", "", "大阪市 北区", "", "", "様"};
    CustomerList::setRecord(grid, 1, kYamada);
    CustomerList::setRecord(grid, 3, quoted);
    grid.setCell(Col::mark, 1, "1");
    KOKYAKU_KAKIDASI(grid);
    // KOKYAKU.LST stays a list of plain names for older readers.
    EXPECT_EQ(dir.readLines("KOKYAKU.LST"), (QStringList{"山田商店", "山田, \"本店\""}));
    EXPECT_EQ(
        dir.readLines("KOKYAKU2.LST"),
        (QStringList{"山田商店,経理部,123-4567,東京都千代田区1-2,山田ビル3F,03-1234-5678,御中",
                     "\"山田, \"\"本店\"\"\",\" 前に空白\",,\"大阪市 北区\",,,様"}));

    load();
    EXPECT_EQ(CustomerList::record(grid, 1), kYamada);
    EXPECT_EQ(CustomerList::record(grid, 2), quoted);
    EXPECT_FALSE(CustomerList::isMarked(grid, 1)) << "marks are for one run only";
    EXPECT_EQ(CustomerList::record(grid, 3), CustomerRecord{});
}

TEST_F(CustomerListTest, RecordsOutOfStepWithTheNamesLoadTheNamesAlone)
{
    const QByteArray names = Sjis::encode("山田商店\r\n鈴木\r\n");
    const QByteArray records = Sjis::encode("山田商店,,,東京,,,\r\n鈴木,,,大阪,,,\r\n");
    struct Case
    {
        const char *name;
        std::optional<QByteArray> records;
    } const cases[] = {
        {"no KOKYAKU2.LST", std::nullopt},
        {"shorter", Sjis::encode("山田商店,,,東京,,,\r\n")},
        {"longer", records + Sjis::encode("佐藤,,,,,,\r\n")},
        {"a name edited", Sjis::encode("山田商店,,,東京,,,\r\n鈴木商店,,,大阪,,,\r\n")},
        {"names in another order", Sjis::encode("鈴木,,,大阪,,,\r\n山田商店,,,東京,,,\r\n")},
        {"not Shift_JIS", Sjis::encode("山田商店,,,東京,,,\r\n鈴木,,,") + "\x81\x20\x82\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        dir.writeBytes("KOKYAKU.LST", names);
        QFile::remove(dir.file("KOKYAKU2.LST"));
        if (c.records)
            dir.writeBytes("KOKYAKU2.LST", *c.records);
        load();
        EXPECT_EQ(CustomerList::record(grid, 1), CustomerRecord{"山田商店"});
        EXPECT_EQ(CustomerList::record(grid, 2), CustomerRecord{"鈴木"});
    }

    // In step, the same files give the addresses.
    dir.writeBytes("KOKYAKU2.LST", records);
    load();
    EXPECT_EQ(grid.cell(Col::address1, 2), "大阪");
}

TEST_F(CustomerListTest, DeletingKeepsAtLeast27RowsAndInsertingAddsOne)
{
    for (const auto &[before, after] : {std::pair{24, 25}, {26, 27}, {27, 27}, {30, 30}}) {
        SCOPED_TRACE(before);
        grid.setRowCount(before);
        setNames(numberedNames(before - 1));
        SG_DEL(grid, 2);
        ASSERT_EQ(grid.rows(), after);
        EXPECT_TRUE(numbered());
        EXPECT_EQ(grid.cell(Col::name, 1), "顧客1");
        EXPECT_EQ(grid.cell(Col::name, 2), "顧客3");
        EXPECT_EQ(grid.cell(Col::name, before - 2), QStringLiteral("顧客%1").arg(before - 1));
        for (int row = before - 1; row < after; ++row)
            EXPECT_TRUE(grid.cell(Col::name, row).isEmpty()) << row;
    }

    grid.setRowCount(24);
    setNames(numberedNames(23));
    SG_INS(grid, 3);
    ASSERT_EQ(grid.rows(), 25);
    EXPECT_TRUE(numbered());
    EXPECT_EQ(names().mid(0, 4), (QStringList{"顧客1", "顧客2", "", "顧客3"}));
    EXPECT_EQ(grid.cell(Col::name, 24), "顧客23");
}

TEST_F(CustomerListTest, AddingTheSameCustomerTwiceGivesTwoRowsTheNewOneFirst)
{
    setNames({"鈴木"});
    CustomerList::addAtTop(grid, kYamada);
    CustomerRecord again = kYamada;
    again.ADD1 = "大阪";
    CustomerList::addAtTop(grid, again);
    EXPECT_EQ(grid.rows(), 26);
    EXPECT_EQ(CustomerList::record(grid, 1), again);
    EXPECT_EQ(CustomerList::record(grid, 2), kYamada);
    EXPECT_EQ(grid.cell(Col::name, 3), "鈴木");
    EXPECT_TRUE(numbered());
}

TEST_F(CustomerListTest, SearchesScanTheirOwnRowsAndColumns)
{
    for (int row = 1; row <= 23; ++row)
        grid.setCell(Col::name, row, QStringLiteral("顧客") + QChar(u'A' + row - 1));
    grid.setCell(Col::name, 3, "山田");
    grid.setCell(Col::name, 10, "山田商店");
    grid.setCell(Col::name, 23, "最後の行");
    grid.setCell(Col::honorific, 4, "御中");
    grid.setCell(Col::mark, 6, "1");
    grid.setCell(Col::address1, 8, "ソフト館");
    struct Case
    {
        const char *name;
        QString text;
        int currentRow;                         // -1: 顧客検索
        std::optional<std::pair<int, int>> hit; // column, row
    } const cases[] = {
        {"first hit", "山田", -1, std::pair{1, 3}},
        {"next after the current row", "山田", 3, std::pair{1, 10}},
        {"the last row is found", "最後", -1, std::pair{1, 23}},
        {"next never searches the last row", "最後", 1, std::nullopt},
        {"the honorific is searched", "御中", -1, std::pair{7, 4}},
        {"the mark is searched by next", "1", 5, std::pair{8, 6}},
        {"the mark is not searched from the start", "1", -1, std::nullopt},
        {"nothing after the current row", "顧客B", 22, std::nullopt},
        {"characters, not bytes", "\\", -1, std::nullopt},
        {"half-width is not full-width", "ｿﾌﾄ", -1, std::nullopt},
        {"empty text", "", -1, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<CustomerHit> hit =
            c.currentRow < 0 ? CustomerList::find(grid, c.text)
                             : CustomerList::findNext(grid, c.text, c.currentRow);
        ASSERT_EQ(hit.has_value(), c.hit.has_value());
        if (hit) {
            EXPECT_EQ(hit->column, c.hit->first);
            EXPECT_EQ(hit->row, c.hit->second);
        }
    }
}

TEST_F(CustomerListTest, OnlyNamedRowsCanBeMarked)
{
    setNames({"山田", "", "鈴木"});
    EXPECT_TRUE(CustomerList::toggleMark(grid, 1));
    EXPECT_TRUE(CustomerList::isMarked(grid, 1));
    EXPECT_FALSE(CustomerList::toggleMark(grid, 2));
    EXPECT_FALSE(CustomerList::isMarked(grid, 2));
    EXPECT_TRUE(CustomerList::toggleMark(grid, 1));
    EXPECT_FALSE(CustomerList::isMarked(grid, 1));

    CustomerList::markAll(grid);
    EXPECT_EQ(grid.cell(Col::mark, 1), "1");
    EXPECT_EQ(grid.cell(Col::mark, 2), "");
    EXPECT_EQ(grid.cell(Col::mark, 3), "1");
    CustomerList::clearMarks(grid);
    for (int row = 1; row < grid.rows(); ++row)
        EXPECT_FALSE(CustomerList::isMarked(grid, row)) << row;
}

#include "realistic_statement.h"

#include "realistic_slip.h"
#include "slip/string_grid.h"
#include "statement/statement_columns.h"

#include <QDate>

namespace {

struct StatementRow
{
    const char *date;
    const char *number;
    const char *name;
    const char *shape;
    const char *quantity;
    const char *unit;
    const char *price;
    const char *amount;
};

void setRows(StringGrid &rows, const std::vector<StatementRow> &lines)
{
    rows.setRowCount(std::max(31, int(lines.size()) + 1));
    for (int i = 0; i < int(lines.size()); ++i) {
        const StatementRow &r = lines[size_t(i)];
        const int row = i + 1;
        namespace C = StatementColumn;
        rows.setCell(C::number, row, QString::number(row));
        rows.setCell(C::date, row, QString::fromUtf8(r.date));
        rows.setCell(C::slipNumber, row, QString::fromUtf8(r.number));
        rows.setCell(C::name, row, QString::fromUtf8(r.name));
        rows.setCell(C::shape, row, QString::fromUtf8(r.shape));
        rows.setCell(C::quantity, row, QString::fromUtf8(r.quantity));
        rows.setCell(C::unit, row, QString::fromUtf8(r.unit));
        rows.setCell(C::unitPrice, row, QString::fromUtf8(r.price));
        rows.setCell(C::amount, row, QString::fromUtf8(r.amount));
    }
}

} // namespace

void fillRealisticStatement(TempProgramDir &dir, SlipPrintJob &job, StringGrid &rows)
{
    StringGrid items(12, 31);
    fillRealisticSlip(dir, job, items);
    // The statement's company block has room for the name at its own place.
    QStringList settings = dir.readLines(QStringLiteral("PRINT.INI"));
    settings.removeIf([](const QString &line) { return line.startsWith("[社名TOP]="); });
    dir.writeLines(QStringLiteral("PRINT.INI"), settings << QStringLiteral("[形状幅2]=22"));
    job.items = nullptr;
    job.header.Bangou = QStringLiteral("10031");
    setRows(rows, {
                      {"2026/11/05", "10021", "塩ビ管 VP", "φ50×4m", "6", "本", "1850", "11100"},
                      {"2026/11/05", "10021", "エルボ 90°", "φ50", "12", "個", "320", "3840"},
                      {"2026/11/05", "10021", "　チーズ", "φ50", "4", "個", "410", "1640"},
                      {"2026/11/05", "10021", "【消　費　税】", "", "", "", "", "829"},
                      {"2026/11/18", "10022",
                       "給湯器 壁掛型 24号 オートストップ機能付 リモコンセット（台所・浴室）", "",
                       "1", "台", "168000", "168000"},
                      {"2026/11/18", "10022", "配管工事費", "", "1", "式", "45000", "45000"},
                      {"2026/11/18", "10022", "【消　費　税】", "", "", "", "", "10650"},
                      {"2026/11/27", "10023", "保温材", "25mm", "8.5", "m", "620", "5270"},
                      {"2026/11/27", "10023", "止水栓", "13A", "2", "個", "2800", "5600"},
                      {"2026/11/27", "10023", "値引き", "", "1", "式", "-2000", "-2000"},
                      {"2026/11/27", "10023", "【消　費　税】", "", "", "", "", "443"},
                  });
    StatementReceiptValues sums;
    sums.amountSum = Money::fromYen(238450);
    sums.taxSum = Money::fromYen(11922);
    sums.compiledNet = sums.amountSum;
    sums.compiledTax = sums.taxSum;
    job.statement = sums;
    job.statementRows = &rows;
}

void fillPlainStatement(SlipPrintJob &job, StringGrid &rows, int count)
{
    std::vector<StatementRow> lines(size_t(count),
                                    {"2026/11/05", "10021", "部材", "", "1", "個", "1000", "1000"});
    setRows(rows, lines);
    StatementReceiptValues sums;
    sums.amountSum = Money::fromYen(1000LL * count);
    job.statement = sums;
    job.statementRows = &rows;
    job.header.Bangou = QStringLiteral("10031");
    job.header.NAME1 = QStringLiteral("山田商店");
    job.header.KEISYOU = QStringLiteral("様");
}

#include "statement/classification_totals.h"

#include "common/prompter.h"
#include "slip/item_columns.h"
#include "slip/money.h"
#include "slip/slip_arithmetic.h"
#include "slip/string_grid.h"

namespace ClassificationTotals {

namespace {

const QString noDataText = QStringLiteral("集計対象データが存在しません。");
const QString grandTotalTitle = QStringLiteral("総　合　計");

// The blanks a classification is trimmed of: spaces and control characters. A full-width
// space stays in the cell, but still counts as blank.
QString trimmedClassification(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= 32)
        ++start;
    while (end > start && text.at(end - 1).unicode() <= 32)
        --end;
    const QString trimmed = text.mid(start, end - start);
    if (trimmed == u"＃")
        return QStringLiteral("#");
    if (trimmed == u"＠")
        return QStringLiteral("@");
    if (trimmed == u"￥")
        return QStringLiteral("\\");
    return trimmed;
}

bool isBlank(const QString &classification)
{
    return classification.isEmpty() || classification == u"　";
}

// A cell of SG1 as money; cells that hold no number add nothing, as in the slip totals.
Money cellAmount(const StringGrid &grid, int column, int row)
{
    const QString text = grid.cell(column, row);
    if (text.isEmpty())
        return Money();
    try {
        return Money::parse(text);
    } catch (const MiravoError &) {
        return Money();
    }
}

struct Section
{
    QString code;
    QString title;
    Money amount;
    Money cost;
};

QString rateText(qint64 amount, qint64 cost)
{
    if (amount == 0 || cost == 0)
        return QString();
    return cutAfterFirstDecimal(
        decimalText15(static_cast<long double>(cost) / static_cast<long double>(amount) * 100));
}

QStringList rowCells(const Section &section)
{
    const qint64 amount = section.amount.truncatedYen();
    const qint64 cost = section.cost.truncatedYen();
    return {section.code,
            section.title,
            QString::number(amount),
            QString::number(cost),
            QString::number((section.amount - section.cost).truncatedYen()),
            rateText(amount, cost)};
}

} // namespace

void prepare(StringGrid &SG_KEI)
{
    SG_KEI.setRowCount(2);
    SG_KEI.setRowCells(0, {QStringLiteral("分類"), QStringLiteral("分類名"),
                           QStringLiteral("見積合計"), QStringLiteral("原価合計"),
                           QStringLiteral("粗利合計"), QStringLiteral("原価率")});
    SG_KEI.setRowCells(1, {});
}

bool SYU_KEI(StringGrid &SG1, StringGrid &SG_KEI)
{
    {
        GridBatch batch(SG1);
        for (int row = 1; row < SG1.rows(); ++row)
            SG1.setCell(ItemColumn::category, row,
                        trimmedClassification(SG1.cell(ItemColumn::category, row)));
    }

    QList<Section> sections;
    bool current = false;
    Section section;
    // Sums are kept exact and cut to whole yen only when a section is written.
    const auto close = [&] { sections.append(section); };
    const auto start = [&](const QString &code, int row) {
        section = {code, SG1.cell(ItemColumn::name, row), cellAmount(SG1, ItemColumn::amount, row),
                   cellAmount(SG1, ItemColumn::costAmount, row)};
        current = true;
    };

    bool ended = false;
    for (int row = 1; row < SG1.rows() && !ended; ++row) {
        const QString classification = SG1.cell(ItemColumn::category, row);
        if (isBlank(classification)) {
            if (current) {
                section.amount += cellAmount(SG1, ItemColumn::amount, row);
                section.cost += cellAmount(SG1, ItemColumn::costAmount, row);
            }
        } else if (classification == u"#") {
            continue;
        } else if (classification == u"@") {
            if (current) {
                close();
                ended = true;
            }
        } else if (!current) {
            start(classification, row);
        } else if (classification != section.code) {
            close();
            start(classification, row);
        }
    }
    if (!ended && current)
        close();

    if (sections.isEmpty()) {
        prompter().information(noDataText);
        return false;
    }

    Section total{QString(), grandTotalTitle, Money(), Money()};
    // The grand total adds up the whole yen the section rows show.
    for (const Section &each : sections) {
        total.amount += Money::fromYen(each.amount.truncatedYen());
        total.cost += Money::fromYen(each.cost.truncatedYen());
    }
    GridBatch batch(SG_KEI);
    SG_KEI.setRowCount(int(sections.size()) + 2);
    for (qsizetype i = 0; i < sections.size(); ++i)
        SG_KEI.setRowCells(int(i) + 1, rowCells(sections.at(i)));
    SG_KEI.setRowCells(int(sections.size()) + 1, rowCells(total));
    return true;
}

} // namespace ClassificationTotals

#include "statement/text_export.h"

#include "common/japanese.h"
#include "common/prompter.h"
#include "common/text_file.h"
#include "slip/slip_header.h"
#include "slip/string_grid.h"

#include <QFileInfo>

namespace TextExport {

namespace {

const QString questionTail = QStringLiteral("をテキストファイルで出力します。");
const QString doneText = QStringLiteral("終了しました。");
const QString saveCaption = QStringLiteral("名前を付けて保存");
const QString saveFilter = QStringLiteral("*.TXT (*.TXT *.txt)");

QString taxModeText(TaxMode mode)
{
    switch (mode) {
    case TaxMode::Inclusive:
        return QStringLiteral("内税");
    case TaxMode::Exempt:
        return QStringLiteral("非課税");
    case TaxMode::Exclusive:
        break;
    }
    return QStringLiteral("外税");
}

QString keyed(const char *key, const QString &value)
{
    return QString::fromUtf8(key) + u'\t' + value;
}

} // namespace

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Statement:
        return QStringLiteral("請求明細書データ");
    case Kind::Customers:
        return QStringLiteral("顧客データ");
    case Kind::Slip:
        break;
    }
    return QStringLiteral("請求書データ");
}

QStringList headerBlock(Kind kind, const SlipHeader &header, qint64 tax)
{
    if (kind == Kind::Customers)
        return {};
    QStringList block = {
        keyed("ファイル名", header.TITLE), keyed("伝票№", header.Bangou),
        keyed("顧客名", header.NAME1),     keyed("顧客名2", header.NAME2),
        keyed("敬称", header.KEISYOU),     keyed("〒", header.YUBIN),
        keyed("住所", header.ADD1),        keyed("住所2", header.ADD_2),
    };
    if (kind == Kind::Statement)
        return block << QString();
    block << keyed("日付", japaneseLocale().toString(header.DTP1.date(), QLocale::ShortFormat))
          << QString() << keyed("税区分", taxModeText(header.taxMode))
          << keyed("消費税額", QString::number(header.taxMode == TaxMode::Exempt ? 0 : tax))
          << keyed("担当者", header.Tanto);
    return block;
}

QStringList gridLines(const StringGrid &grid)
{
    QStringList out;
    for (int row = 0; row < grid.rows(); ++row) {
        QString line;
        for (int column = 0; column < grid.columns(); ++column)
            line += grid.cell(column, row) + u'\t';
        out.append(line);
    }
    return out;
}

QStringList lines(Kind kind, const SlipHeader &header, qint64 tax, const StringGrid &grid)
{
    return headerBlock(kind, header, tax) + gridLines(grid);
}

void write(const QString &path, const QStringList &lines)
{
    TextFile::writeLines(path, lines);
}

QString withDefaultExtension(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".txt");
}

QString TXTOUT(Kind kind, const SlipHeader &header, qint64 tax, const StringGrid &grid,
               const QString &folder)
{
    if (!prompter().question(kindName(kind) + questionTail))
        return QString();
    const std::optional<QString> chosen =
        prompter().chooseSaveFile(saveCaption, folder, saveFilter);
    if (!chosen || chosen->isEmpty())
        return QString();
    const QString path = withDefaultExtension(*chosen);
    write(path, lines(kind, header, tax, grid));
    prompter().beep();
    prompter().information(doneText);
    return path;
}

} // namespace TextExport

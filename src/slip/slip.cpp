#include "slip.h"

#include "common/clock.h"
#include "common/prompter.h"
#include "files/estimate_file.h"
#include "files/numbering.h"
#include "files/slip_file.h"
#include "settings/print_ini.h"
#include "slip/row_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The longest file name the usual Linux file systems take, in bytes of their encoding.
constexpr int maxFileNameBytes = 255;

QString folderQuestion(const QString &folder)
{
    return QStringLiteral("フォルダ名＜") + QDir::toNativeSeparators(folder) +
           QStringLiteral("＞に保存します。\r\nよろしいですか？\r\n\r\n"
                          "『 いいえ 』を選ぶとファイルBOXが開きます。その後\r\n"
                          "登録してください。");
}

} // namespace

Slip::Slip(QObject *parent)
    : QObject(parent)
{
    header.DTP1 = Clock::now();
    GridBatch batch(m_items);
    for (int row = 1; row <= blankItemRows; ++row)
        m_items.setCell(0, row, QString::number(row));
}

KeisanResult Slip::recalculate(GridCell current)
{
    return calc.Keisan(m_items, header.taxMode, current);
}

qint64 Slip::consumptionTax() const
{
    // From the grid as it is, not from calc.totals: those belong to the last recalculation,
    // which may have seen other amounts or another tax mode.
    return ::consumptionTax(itemTotals(m_items), header.taxMode, calc.settings.rounding,
                            calc.settings.rates);
}

int Slip::lastUsedRow() const
{
    return RowCommands::lastUsedRow(m_items);
}

SaveResult Slip::save(SlipWindow &window)
{
    SaveResult result;
    if (state.statementMode)
        return result;

    result.focus = FNAME_CHECK(header);
    if (result.focus != SlipField::None)
        return result;

    if (window.refusesSaving(m_folder)) {
        prompter().warning(
            QStringLiteral("CD-ROMにはファイルを保存できません。\r\nドライブを変更してください。"));
        window.toggleFilePanel();
        return result;
    }

    if (header.TITLE.isEmpty()) {
        prompter().information(QStringLiteral("登録タイトル名が未入力です。"));
        return result;
    }

    // The 230-byte limit of the title box is in Shift_JIS; the file system counts the name
    // in its own encoding, where a full-width character takes three bytes. Refused here,
    // the user learns what to shorten instead of meeting a failed write.
    if (QFile::encodeName(SlipFile::fileName(header)).size() > maxFileNameBytes) {
        prompter().information(QStringLiteral("登録タイトル名が長すぎます。\r\n"
                                              "ファイル名は%1バイトまでです。")
                                   .arg(maxFileNameBytes));
        result.focus = SlipField::TITLE;
        return result;
    }

    if (PrintIni::autoFolderChange.on())
        window.automaticFolderChange(header.NAME1);
    if (!prompter().question(folderQuestion(m_folder))) {
        // The user picks another folder in the panel and saves again.
        window.toggleFilePanel();
        return result;
    }

    const QString path = QDir(m_folder).filePath(SlipFile::fileName(header));
    if (QFileInfo::exists(path) &&
        !prompter().question(QStringLiteral("同名ファイルが存在します。\r\n上書きしますか？")))
        return result;

    {
        const BusyCursor busy;
        // Written whole or not at all: a failure leaves an earlier file of this name intact.
        SlipFile::write(path, header, m_items, consumptionTax());
    }
    result.saved = true;
    result.path = path;

    prompter().beep();
    prompter().information(QStringLiteral("登録しました。"));

    if (state.newNumberFlag)
        BANGOU_KOUSIN(header.Bangou);
    state.newNumberFlag = false;

    window.refreshFileListsSelectingLast();

    if (state.closeAfterSaveRequest)
        result.closeWindow = prompter().question(QStringLiteral("終了します。"));
    return result;
}

void Slip::HAKUSI_CALL(SlipWindow &window)
{
    state.newNumberFlag = true;
    {
        GridBatch batch(m_items);
        m_items.setRowCount(blankItemRows + 1);
        m_items.clearRows(1);
        for (int row = 1; row <= blankItemRows; ++row)
            m_items.setCell(0, row, QString::number(row));
    }
    header.clearTypedFields();
    header.DTP1 = Clock::now();
    emit changed();
    window.hideTotalsGrid();
}

void Slip::blank(SlipWindow &window)
{
    HAKUSI_CALL(window);
    BANGOU_CALL(header.Bangou);
    emit changed();
    recalculateAndShow(window);
}

bool Slip::whitePaper(SlipWindow &window)
{
    if (!prompter().question(QStringLiteral("白紙に戻します。")))
        return false;
    blank(window);
    return true;
}

OpenResult Slip::open(const QString &path, SlipWindow &window)
{
    blank(window);
    if (isEstimateFile(path))
        return READ_100(path, window);
    return readFile(path, window);
}

OpenResult Slip::READ_100(const QString &path, SlipWindow &window)
{
    const EstimateFile::Methods methods = EstimateFile::read(path, header, m_items);
    emit changed();
    window.hideFilePanel();
    recalculateAndShow(window);
    // The slip keeps the number the blanking fetched, and saving it must not advance the
    // counter a second time.
    state.newNumberFlag = false;
    const QString difference =
        EstimateFile::differenceMessage(methods, header.taxMode, calc.settings.rounding);
    if (!difference.isEmpty())
        window.showEstimateDifference(difference);
    OpenResult result;
    result.estimate = true;
    return result;
}

OpenResult Slip::KANREN_YOMIKOMI(const QString &path, SlipWindow &window)
{
    window.showInFileBrowser(path);
    return readFile(path, window);
}

OpenResult Slip::readFile(const QString &path, SlipWindow &window)
{
    OpenResult result;
    result.dateRead = SlipFile::read(path, header, m_items).dateRead;
    if (!result.dateRead)
        prompter().information(QStringLiteral("日付の変換ができませんでした。"));
    emit changed();
    window.hideFilePanel();
    recalculateAndShow(window);
    // The loaded slip keeps the number of its file: saving it again must not advance the
    // counter.
    state.newNumberFlag = false;
    return result;
}

void Slip::recalculateAndShow(SlipWindow &window)
{
    window.showCalculation(recalculate());
}

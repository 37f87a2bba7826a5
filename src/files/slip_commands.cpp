#include "slip_commands.h"

#include "common/clock.h"
#include "common/file_name_check.h"
#include "common/miravo_error.h"
#include "common/prompter.h"
#include "files/numbering.h"
#include "settings/print_ini.h"
#include "slip/string_grid.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <utility>

namespace {

constexpr int itemRowsOfABlankSlip = 30;

template<typename Hook, typename... Arguments>
void callIfSet(const Hook &hook, Arguments &&...arguments)
{
    if (hook)
        hook(std::forward<Arguments>(arguments)...);
}

QString folderQuestion(const QString &folder)
{
    return QStringLiteral("フォルダ名＜") + QDir::toNativeSeparators(folder) +
           QStringLiteral("＞に保存します。\r\nよろしいですか？\r\n\r\n"
                          "『 いいえ 』を選ぶとファイルBOXが開きます。その後\r\n"
                          "登録してください。");
}

bool isEstimateFile(const QString &path)
{
    return path.contains(QLatin1String(".MRV"), Qt::CaseInsensitive) ||
           QFileInfo(path).suffix().compare(QLatin1String("115"), Qt::CaseInsensitive) == 0;
}

// Steps of reading shared by the file list and the command line, after the slip was
// blanked.
void readIntoSlip(const QString &path, SlipHeader &header, StringGrid &items, SlipState &state,
                  const SlipHooks &hooks)
{
    const SlipFile::ReadResult read = SlipFile::read(path, header, items);
    if (!read.dateRead)
        prompter().information(QStringLiteral("日付の変換ができませんでした。"));
    callIfSet(hooks.hideFilePanel);
    callIfSet(hooks.recalculate);
    // The loaded slip keeps the number of its file: saving it again must not advance the
    // counter.
    state.newNumberFlag = false;
}

} // namespace

bool isReadOnlyOrOpticalVolume(const QString &folder)
{
    const QStorageInfo volume(folder);
    if (!volume.isValid())
        return false;
    if (volume.isReadOnly())
        return true;
    const QByteArray type = volume.fileSystemType().toLower();
    return type == "iso9660" || type == "udf" || type == "cdfs";
}

SlipField FNAME_CHECK(const SlipHeader &header)
{
    // Both boxes end up in the file name; the first offending one gets the focus, and the
    // message is shown once.
    if (FNAME_CHECK(header.Bangou))
        return SlipField::Bangou;
    if (FNAME_CHECK(header.TITLE))
        return SlipField::TITLE;
    return SlipField::None;
}

SaveResult saveSlip(const SlipHeader &header, const StringGrid &items, SlipState &state,
                    const SlipHooks &hooks)
{
    SaveResult result;
    if (state.statementMode)
        return result;

    result.focus = FNAME_CHECK(header);
    if (result.focus != SlipField::None)
        return result;

    if (hooks.refusesSaving && hooks.refusesSaving(hooks.currentFolder())) {
        prompter().warning(
            QStringLiteral("CD-ROMにはファイルを保存できません。\r\nドライブを変更してください。"));
        callIfSet(hooks.toggleFilePanel);
        return result;
    }

    if (header.TITLE.isEmpty()) {
        prompter().information(QStringLiteral("登録タイトル名が未入力です。"));
        return result;
    }

    if (PrintIni::flag(QStringLiteral("[自動フォルダチェンジ]=")))
        callIfSet(hooks.automaticFolderChange, header.NAME1);
    const QString folder = hooks.currentFolder();
    if (!prompter().question(folderQuestion(folder))) {
        // The user picks another folder in the panel and saves again.
        callIfSet(hooks.toggleFilePanel);
        return result;
    }

    const QString path = QDir(folder).filePath(SlipFile::fileName(header));
    if (QFileInfo::exists(path) &&
        !prompter().question(QStringLiteral("同名ファイルが存在します。\r\n上書きしますか？")))
        return result;

    {
        const BusyCursor busy;
        const qint64 tax =
            header.taxMode == TaxMode::Exempt ? 0 : hooks.consumptionTax(items, header.taxMode);
        // Written whole or not at all: a failure leaves an earlier file of this name intact.
        SlipFile::write(path, header, items, tax);
    }
    result.saved = true;
    result.path = path;

    prompter().beep();
    prompter().information(QStringLiteral("登録しました。"));

    if (state.newNumberFlag)
        BANGOU_KOUSIN(header.Bangou);
    state.newNumberFlag = false;

    callIfSet(hooks.refreshFileLists);

    if (state.closeAfterSaveRequest)
        result.closeWindow = prompter().question(QStringLiteral("終了します。"));
    return result;
}

void HAKUSI_CALL(SlipHeader &header, StringGrid &items, SlipState &state, const SlipHooks &hooks)
{
    state.newNumberFlag = true;
    {
        GridBatch batch(items);
        items.setRowCount(itemRowsOfABlankSlip + 1);
        items.clearRows(1);
        for (int row = 1; row <= itemRowsOfABlankSlip; ++row)
            items.setCell(0, row, QString::number(row));
    }
    for (QString *field : {&header.NAME1, &header.ADD1, &header.ADD_2, &header.YUBIN, &header.Tel,
                           &header.NAME2, &header.TITLE, &header.Tanto, &header.Bangou, &header.Add,
                           &header.Add2, &header.Basyo, &header.Kigen})
        field->clear();
    header.DTP1 = Clock::now();
    callIfSet(hooks.hideTotalsGrid);
}

void blankSlip(SlipHeader &header, StringGrid &items, SlipState &state, const SlipHooks &hooks)
{
    HAKUSI_CALL(header, items, state, hooks);
    BANGOU_CALL(header.Bangou);
    callIfSet(hooks.recalculate);
}

bool whitePaperCommand(SlipHeader &header, StringGrid &items, SlipState &state,
                       const SlipHooks &hooks)
{
    if (!prompter().question(QStringLiteral("白紙に戻します。")))
        return false;
    blankSlip(header, items, state, hooks);
    return true;
}

OpenResult openSlipFile(const QString &path, SlipHeader &header, StringGrid &items,
                        SlipState &state, const SlipHooks &hooks)
{
    OpenResult result;
    blankSlip(header, items, state, hooks);
    if (isEstimateFile(path)) {
        callIfSet(hooks.importEstimate, path);
        result.imported = true;
        return result;
    }
    readIntoSlip(path, header, items, state, hooks);
    return result;
}

void KANREN_YOMIKOMI(const QString &path, SlipHeader &header, StringGrid &items, SlipState &state,
                     const SlipHooks &hooks)
{
    callIfSet(hooks.showInFileBrowser, path);
    readIntoSlip(path, header, items, state, hooks);
}

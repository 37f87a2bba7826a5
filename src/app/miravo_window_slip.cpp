// The slip commands of the window: save, blank, open, paging, and the slip number menu.
#include "miravo_window.h"

#include "common/prompter.h"
#include "files/file_browser_panel.h"
#include "files/numbering.h"
#include "master/choice_list_box.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"
#include "statement/classification_totals_grid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

void TMIRAVO::toggleFilePanel()
{
    SpeedButton3Click();
}

void TMIRAVO::hideFilePanel()
{
    Panel1->hide();
}

void TMIRAVO::automaticFolderChange(const QString &NAME1)
{
    // The folder change of the panel makes the new folder the slip's.
    if (const std::optional<int> row = Panel1->registry().rowForCustomer(NAME1))
        Panel1->DG1DblClick(*row);
}

void TMIRAVO::refreshFileListsSelectingLast()
{
    Panel1->refreshLists();
    Panel1->selectSlipFile(Panel1->slipFileCount() - 1);
}

void TMIRAVO::showInFileBrowser(const QString &path)
{
    const QFileInfo file(path);
    Panel1->setFolder(file.absolutePath());
    const int index = SlipFolder::slipFiles(Panel1->folder()).indexOf(file.fileName());
    if (index >= 0)
        Panel1->selectSlipFile(index);
}

void TMIRAVO::hideTotalsGrid()
{
    if (SG_KEI)
        SG_KEI->hide();
}

bool TMIRAVO::refusesSaving(const QString &folder)
{
    return isReadOnlyOrOpticalVolume(folder);
}

void TMIRAVO::showEstimateDifference(const QString &message)
{
    // The imported slip is drawn before the message box covers the window.
    processPendingEvents();
    prompter().information(message);
}

bool TMIRAVO::SpeedButton5Click()
{
    const SaveResult result = slip.save(*this);
    switch (result.focus) {
    case SlipField::Bangou:
        Bangou->setFocus();
        break;
    case SlipField::TITLE:
        TITLE->setFocus();
        break;
    case SlipField::NAME1:
        NAME1->setFocus();
        break;
    case SlipField::None:
        break;
    }
    if (result.closeWindow) {
        m_closeConfirmed = true;
        close();
    }
    return result.saved;
}

void TMIRAVO::SpeedButton11Click()
{
    if (!slip.whitePaper(*this))
        return;
    NAME1->setFocus();
    SG1->setCurrentCell(1, 1);
}

void TMIRAVO::FileListBox1DblClick(const QString &path, int index)
{
    slip.open(path, *this);
    SG1->setCurrentCell(1, 1);
    browsePosition = index;
}

void TMIRAVO::pageThroughSlips(SlipFolder::Page page)
{
    const int count = Panel1->slipFileCount();
    if (slip.state.statementMode || count == 0)
        return;
    browsePosition = SlipFolder::pageTo(page, browsePosition, count);
    Panel1->selectSlipFile(browsePosition);
    FileListBox1DblClick(Panel1->slipFilePath(browsePosition), browsePosition);
}

void TMIRAVO::buildSlipNumberMenu()
{
    Bangou->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Bangou, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu PopupMenu8(this);
        QAction *N53 = PopupMenu8.addAction(QStringLiteral("伝票番号保存"));
        QAction *N54 = PopupMenu8.addAction(QStringLiteral("新規伝票変換"));
        connect(N53, &QAction::triggered, this, [this] { saveSlipNumber(Bangou->text()); });
        connect(N54, &QAction::triggered, this, [this] {
            QString number = Bangou->text();
            makeNewSlip(number, slip.state.newNumberFlag);
            Bangou->setText(number);
        });
        PopupMenu8.exec(Bangou->mapToGlobal(at));
    });

    connect(Panel1, &FileBrowserPanel::fileActivated, this, &TMIRAVO::FileListBox1DblClick);
}

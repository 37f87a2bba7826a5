// The slip commands of the window: save, blank, open, paging, and the slip number menu.
#include "miravo_window.h"

#include "files/file_browser_panel.h"
#include "files/numbering.h"
#include "master/choice_list_box.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

SlipHooks TMIRAVO::slipHooks()
{
    SlipHooks hooks;
    hooks.consumptionTax = [this](const StringGrid &, TaxMode mode) -> qint64 {
        return mode == TaxMode::Inclusive
                   ? inclusiveTax(calc.totals.taxable)
                   : exclusiveTax(calc.totals.taxable, calc.settings.rounding);
    };
    // The window recalculates itself once the header is back in its controls, so that the
    // tax mode read from a file is the one the calculation uses.
    hooks.recalculate = nullptr;
    hooks.currentFolder = [this] { return Panel1->folder(); };
    hooks.toggleFilePanel = [this] { SpeedButton3Click(); };
    hooks.hideFilePanel = [this] { Panel1->hide(); };
    hooks.automaticFolderChange = [this](const QString &name) {
        if (const std::optional<int> row = Panel1->registry().rowForCustomer(name))
            Panel1->DG1DblClick(*row);
    };
    hooks.refreshFileLists = [this] {
        Panel1->refreshLists();
        Panel1->selectSlipFile(Panel1->slipFileCount() - 1);
    };
    hooks.showInFileBrowser = [this](const QString &path) {
        const QFileInfo file(path);
        Panel1->setFolder(file.absolutePath());
        const int index = SlipFolder::slipFiles(Panel1->folder()).indexOf(file.fileName());
        if (index >= 0)
            Panel1->selectSlipFile(index);
    };
    return hooks;
}

void TMIRAVO::setSlipHeader(const SlipHeader &header)
{
    NAME1->setText(header.NAME1);
    NAME2->setText(header.NAME2);
    Tel->setText(header.Tel);
    KEISYOU->setEditText(header.KEISYOU);
    YUBIN->setText(header.YUBIN);
    ADD1->setText(header.ADD1);
    ADD_2->setText(header.ADD_2);
    DTP1->setDateTime(header.DTP1);
    Bangou->setText(header.Bangou);
    TITLE->setText(header.TITLE);
    Tanto->setEditText(header.Tanto);
    setTaxMode(header.taxMode);
    Add->setText(header.Add);
    Add2->setText(header.Add2);
    Nouki->setEditText(header.Nouki);
    Basyo->setEditText(header.Basyo);
    Kigen->setEditText(header.Kigen);
    NameX->setEditText(header.NameX);
}

bool TMIRAVO::SpeedButton5Click()
{
    const SaveResult result = saveSlip(slipHeader(), *SG1Cells, slipState, slipHooks());
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
    SlipHeader header = slipHeader();
    if (!whitePaperCommand(header, *SG1Cells, slipState, slipHooks()))
        return;
    setSlipHeader(header);
    TOTALKIN->clear();
    Keisan();
    NAME1->setFocus();
    SG1->setCurrentCell(1, 1);
}

void TMIRAVO::FileListBox1DblClick(const QString &path, int index)
{
    SlipHeader header = slipHeader();
    const OpenResult result = openSlipFile(path, header, *SG1Cells, slipState, slipHooks());
    setSlipHeader(header);
    TOTALKIN->clear();
    if (result.imported)
        return;
    Keisan();
    SG1->setCurrentCell(1, 1);
    browsePosition = index;
}

void TMIRAVO::pageThroughSlips(SlipFolder::Page page)
{
    const int count = Panel1->slipFileCount();
    if (slipState.statementMode || count == 0)
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
            makeNewSlip(number, slipState.newNumberFlag);
            Bangou->setText(number);
        });
        PopupMenu8.exec(Bangou->mapToGlobal(at));
    });

    connect(Panel1, &FileBrowserPanel::fileActivated, this, &TMIRAVO::FileListBox1DblClick);
}

#include "miravo_window.h"

#include "app_exception.h"

#include "files/file_browser_panel.h"
#include "files/numbering.h"
#include "files/slip_file.h"
#include "master/customer_grid.h"
#include "slip/item_cell_painter.h"
#include "slip/item_grid_view.h"
#include "statement/classification_totals_grid.h"
#include "statement/statement_grid_view.h"
#include "statement/text_export.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

void TMIRAVO::buildStatementOverlays()
{
    SG0 = new StatementGridView(statement, centralWidget());
    SG_KEI = new ClassificationTotalsGrid(SG1Cells, centralWidget());
    slip.calc.classificationTotals = SG_KEI;
    connect(SG_KEI, &ClassificationTotalsGrid::closed, this, [this] { SG1->setFocus(); });

    Panel1->FileListBox2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        Panel1->FileListBox2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
            QMenu PopupMenu10(this);
            PopupMenu10.addAction(QStringLiteral("明細読込み"), this, &TMIRAVO::N10Click);
            PopupMenu10.addAction(QStringLiteral("通常請求に戻る"), this, &TMIRAVO::returnToSlip);
            PopupMenu10.exec(Panel1->FileListBox2->viewport()->mapToGlobal(at));
        });
    SG0->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SG0, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu PopupMenu11(this);
        PopupMenu11.addAction(QStringLiteral("一行削除"), this, &TMIRAVO::N56Click);
        PopupMenu11.addAction(QStringLiteral("一括消費税（外税）"), this, &TMIRAVO::N58Click);
        PopupMenu11.addAction(QStringLiteral("通常請求に戻る"), this, &TMIRAVO::returnToSlip);
        PopupMenu11.exec(SG0->viewport()->mapToGlobal(at));
    });
    // Back to the slip file list, the statement is put away too.
    connect(Panel1, &FileBrowserPanel::statementListToggled, this, [this](bool statementList) {
        if (!statementList) {
            SG0->hide();
            slip.state.statementMode = false;
        }
    });
}

void TMIRAVO::N10Click()
{
    const QStringList files = Panel1->selectedStatementFiles();
    if (files.isEmpty())
        return;
    for (int panel = 2; panel <= 5; ++panel)
        setPanelText(panel, QString());
    TOTALKIN->clear();

    NAME1->setFocus();
    statement.SG0_HAKUSI(slip.header);
    emit slip.changed();
    hideTotalsGrid();
    SG0->setColumnTextColours(SG1->cellPainter()->colours());
    SG0->show();
    SG0->raise();
    SG0->setCurrentCell(1, 1);
    slip.state.statementMode = true;

    statement.takeTaxSettings(slip.calc.settings.rounding);
    statement.begin();
    for (const QString &path : files) {
        try {
            if (!statement.MEISAI_YOMIKOMI(path, slip.header))
                continue;
        } catch (const std::exception &error) {
            // The rows read so far stay; the file to blame is named with its line.
            emit slip.changed();
            AppException(error);
            return;
        }
        Panel1->hide();
        const int selected = Panel1->selectedSlipFile();
        if (selected >= 0)
            slip.header.TITLE =
                SlipFile::titleFromFileName(QFileInfo(Panel1->slipFilePath(selected)).fileName());
        emit slip.changed();
        Keisan();
        SG0->setCurrentCell(1, 1);
        browsePosition = selected;
        slip.state.newNumberFlag = false;
    }
    KEISAN2();
    BANGOU_CALL(slip.header.Bangou);
    emit slip.changed();
}

void TMIRAVO::KEISAN2()
{
    statement.KEISAN2();
    for (int panel = 2; panel <= 6; ++panel)
        setPanelText(panel, statement.panel(panel));
    TOTALKIN->setText(statement.TOTALKIN);
}

void TMIRAVO::N56Click()
{
    statement.deleteRow(SG0->row());
}

void TMIRAVO::N58Click()
{
    statement.takeTaxSettings(slip.calc.settings.rounding);
    if (statement.addLumpTax())
        KEISAN2();
}

void TMIRAVO::returnToSlip()
{
    SG0->hide();
    slip.state.statementMode = false;
    if (Panel1->statementListShown())
        Panel1->toggleStatementList();
    SG1->setFocus();
}

void TMIRAVO::showClassificationTotals()
{
    SG_KEI->showTotals();
}

void TMIRAVO::TXTOUT()
{
    using TextExport::Kind;
    Kind kind = Kind::Slip;
    QTableView *shown = SG1;
    const StringGrid *grid = SG1Cells;
    if (SG0->isVisible()) {
        kind = Kind::Statement;
        shown = SG0;
        grid = &statement.grid();
    } else if (SG_K->isVisible()) {
        kind = Kind::Customers;
        shown = SG_K;
        grid = SG_K->grid();
    }
    // A cell being typed is in the grid already; the view shows it before the file is chosen.
    shown->viewport()->update();
    TextExport::TXTOUT(kind, slip.header, slip.consumptionTax(), *grid, slip.folder());
}

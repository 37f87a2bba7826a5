// The row and cell commands of the item grid and the rate conversion: the grid's menu, the
// editors' menu and the buttons under the header. The grid work itself is done by
// RowCommands and RateConversion; the window recalculates, beeps and places its editor.
#include "miravo_window.h"

#include "common/prompter.h"
#include "slip/item_cell_editors.h"
#include "slip/item_columns.h"
#include "slip/item_grid_view.h"
#include "slip/numeric_edit.h"
#include "slip/rate_conversion.h"
#include "slip/row_commands.h"
#include "slip/string_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <functional>
#include <utility>

namespace {

QClipboard &clipboard()
{
    return *QGuiApplication::clipboard();
}

QAction *addEntry(QMenu &menu, const char *name, const QString &caption,
                  const std::function<void()> &handler)
{
    QAction *action = handler ? menu.addAction(caption, &menu, handler) : menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The key of an entry stands beside its caption; the window's own key handling runs it.
QString withKey(const char *caption, const char *key)
{
    return QString::fromUtf8(caption) + QLatin1Char('\t') + QString::fromLatin1(key);
}

// The number editor copies and pastes by its own rules: no grouping commas, cleaned text.
void copyIn(QWidget *box)
{
    if (auto *number = qobject_cast<NumEdit *>(box))
        number->copyToClipboard();
    else if (auto *text = qobject_cast<QLineEdit *>(box))
        text->copy();
}

void pasteIn(QWidget *box)
{
    if (auto *number = qobject_cast<NumEdit *>(box))
        number->pasteFromClipboard();
    else if (auto *text = qobject_cast<QLineEdit *>(box))
        text->paste();
}

QString noRateMessage()
{
    return QStringLiteral("掛率が設定されていません。\r\n");
}

QString rateQuestion(const QString &rate, const QString &digits, const QString &what)
{
    return QStringLiteral("掛率=") + rate + QStringLiteral(" 丸め桁=") + digits + what +
           QStringLiteral("\r\n");
}

} // namespace

void TMIRAVO::placeEditorAgain()
{
    if (EditP->isVisible())
        cellEditors->placeTextEditor(SG1->row());
    else if (NumP->isVisible())
        cellEditors->placeNumberEditor(SG1->col(), SG1->row());
}

void TMIRAVO::SpeedButton14Click()
{
    RowCommands::insertRow(*SG1Cells, SG1->row());
    placeEditorAgain();
}

void TMIRAVO::SpeedButton13Click()
{
    const int column = SG1->col();
    const int row = SG1->row();
    RowCommands::deleteRow(*SG1Cells, row, Slip::blankItemRows + 1);
    // Deleting the last of more than 30 rows takes the current row away.
    SG1->setCurrentCell(column, qMin(row, SG1Cells->rows() - 1));
    Keisan();
    placeEditorAgain();
}

void TMIRAVO::N5Click()
{
    clipboard().setText(RowCommands::rowText(*SG1Cells, SG1->row()));
}

void TMIRAVO::N6Click()
{
    RowCommands::pasteRow(*SG1Cells, SG1->row(), clipboard().text());
    Keisan();
    // The editor shows the cell it is on as it is now, so that typing goes on from there.
    placeEditorAgain();
}

void TMIRAVO::N7Click()
{
    clipboard().setText(SG1Cells->cell(SG1->col(), SG1->row()));
}

void TMIRAVO::N9Click()
{
    const int column = SG1->col();
    QString text = RowCommands::pastedCellText(clipboard().text());
    // A quantity or price cell takes the text as its number editor takes a paste: full-width
    // digits and grouping commas give the plain number the editor shows.
    if (cellEditors->editorOf(column) == CellEditor::number)
        text = NumEdit::clean(text, NumEdit1->integerDigits(),
                              cellEditors->table().column(column).decimals);
    SG1Cells->setCell(column, SG1->row(), text);
    placeEditorAgain();
    Keisan();
}

void TMIRAVO::N12Click()
{
    const int column = SG1->col();
    const int row = SG1->row();
    clipboard().setText(SG1Cells->cell(column, row));
    SG1Cells->setCell(column, row, QString());
    placeEditorAgain();
    // An emptied quantity or price takes its amount along, as Delete in the number editor does.
    if (cellEditors->editorOf(column) == CellEditor::number)
        Keisan();
}

void TMIRAVO::N59Click()
{
    RowCommands::toggleExemptMark(*SG1Cells, SG1->row());
    // The mark is in a hidden cell; the whole row changes colour.
    SG1->viewport()->update();
    Keisan();
    prompter().beep();
}

void TMIRAVO::N60Click()
{
    RowCommands::toggleReducedRateMark(*SG1Cells, SG1->row());
    SG1->viewport()->update();
    Keisan();
    prompter().beep();
}

void TMIRAVO::SpeedButton62Click()
{
    NAME1->setFocus();
    RowCommands::indent(*SG1Cells);
    prompter().beep();
}

void TMIRAVO::SpeedButton63Click()
{
    NAME1->setFocus();
    RowCommands::unindent(*SG1Cells);
    prompter().beep();
}

void TMIRAVO::SpeedButton61Click()
{
    RowCommands::numberItems(*SG1Cells);
    // An editor left with the old text would write it back over the numbered name.
    placeEditorAgain();
    prompter().beep();
}

void TMIRAVO::SG1RowMoved()
{
    RowCommands::numberRows(*SG1Cells);
    SG1->setFocus();
    SG1->setDragMode(false);
}

void TMIRAVO::setDragModeWithEditor()
{
    SG1->setDragMode(true);
    QWidget *editor = cellEditors->editorOf(SG1->col()) == CellEditor::number
                          ? static_cast<QWidget *>(NumEdit1)
                          : Edit1;
    editor->setCursor(Qt::DragMoveCursor);
}

void TMIRAVO::KAKERITU_ALL()
{
    const QString rate = KAKERITU->value();
    const QString digits = MARUME->value();
    if (rate.isEmpty()) {
        prompter().information(noRateMessage());
        return;
    }
    if (!prompter().question(rateQuestion(rate, digits, QStringLiteral(" で一括変換します。"))))
        return;
    NAME1->setFocus();
    // Every row is checked before any changes: a slip is converted whole or not at all, so
    // that no price is left without its amount.
    if (const int row = RateConversion::convertAllRows(*SG1Cells, rate, digits)) {
        prompter().warning(QStringLiteral("%1行目の原単価「%2」が数値ではありません。\r\n"
                                          "一括変換は行いませんでした。\r\n")
                               .arg(row)
                               .arg(SG1Cells->cell(ItemColumn::costPrice, row)));
        return;
    }
    Keisan();
    prompter().beep();
}

void TMIRAVO::N24Click()
{
    const QString rate = KAKERITU->value();
    const QString digits = MARUME->value();
    const int row = SG1->row();
    if (rate.isEmpty()) {
        prompter().information(noRateMessage());
        return;
    }
    if (!EditP->isVisible() && !NumP->isVisible()) {
        prompter().information(QStringLiteral("グリッドにフォーカスがありません。\r\n"));
        return;
    }
    if (SG1Cells->cell(ItemColumn::costPrice, row).isEmpty()) {
        prompter().information(QStringLiteral("原単価が未入力です。\r\n"));
        return;
    }
    if (!prompter().question(rateQuestion(rate, digits, QStringLiteral(" で現在行を変換します。"))))
        return;
    RateConversion::convertRow(*SG1Cells, row, rate, digits);
    if (SG1->col() == ItemColumn::unitPrice)
        NumEdit1->setValue(SG1Cells->cell(ItemColumn::unitPrice, row));
    Keisan();
    prompter().beep();
}

void TMIRAVO::undoIn(QWidget *box)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->undo();
    else if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->lineEdit())
        combo->lineEdit()->undo();
}

void TMIRAVO::buildItemGridMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu &grid = *PopupMenu1;
    addEntry(grid, "N40", "ドラッグモード", [this] { SG1->setDragMode(true); });
    addEntry(grid, "Undo1", withKey("元に戻す(&U)", "Alt+BkSp"), [this] { undoIn(m_menuTarget); });
    addEntry(grid, "N5", "行複写", [this] { N5Click(); });
    addEntry(grid, "N6", "行貼り付け", [this] { N6Click(); });
    addEntry(grid, "N2", "行挿入", [this] { SpeedButton14Click(); });
    addEntry(grid, "N1", "行削除", [this] { SpeedButton13Click(); });
    addWidthSetEntries(grid, {"N25", "N26", "N27", "N28", "N33"});
    addEntry(grid, "XT1", "Text出力", [this] { TXTOUT(); });
    addEntry(grid, "SYUKEI1", "分類集計", [this] { showClassificationTotals(); });

    PopupMenu5 = buildEditorMenu();

    SG1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SG1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        m_menuTarget = QApplication::focusWidget();
        PopupMenu1->exec(SG1->viewport()->mapToGlobal(at));
    });
    for (QLineEdit *editor :
         {static_cast<QLineEdit *>(Edit1), static_cast<QLineEdit *>(NumEdit1)}) {
        editor->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(editor, &QWidget::customContextMenuRequested, this,
                [this, editor](const QPoint &at) { openEditorMenu(editor, at); });
    }
}

QMenu *TMIRAVO::buildEditorMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu5"));
    QMenu &editor = *menu;
    addEntry(editor, "N41", "ドラッグモード", [this] { setDragModeWithEditor(); });
    addEntry(editor, "Undo3", withKey("元に戻す(&U)", "Alt+BkSp"),
             [this] { undoIn(m_menuTarget); });
    addEntry(editor, "N16", "行複写", [this] {
        N5Click();
        placeEditorAgain();
    });
    addEntry(editor, "N13", "行挿入", [this] {
        SpeedButton14Click();
        SG1->setCurrentCell(SG1->col(), SG1->row() + 1);
        placeEditorAgain();
    });
    addEntry(editor, "N14", "行削除", [this] { SpeedButton13Click(); });
    addEntry(editor, "N15", "行貼り付け", [this] { N6Click(); });
    addEntry(editor, "N7", "セルコピー", [this] { N7Click(); });
    addEntry(editor, "N9", "セル貼り付け", [this] { N9Click(); });
    addEntry(editor, "N12", "セル削除", [this] { N12Click(); });
    addEntry(editor, "Copy3", withKey("コピー(&C)", "Ctrl+C"), [this] { copyIn(m_menuTarget); });
    addEntry(editor, "Paste2", withKey("貼り付け(&P)", "Ctrl+V"),
             [this] { pasteIn(m_menuTarget); });
    addWidthSetEntries(editor, {"N29", "N30", "N31", "N32", "N34"});
    addEntry(editor, "N59", "非課税マークの ON / OFF", [this] { N59Click(); });
    addEntry(editor, "N60", "軽減税率マークの ON / OFF",
             [this] { reducedRateMarkCommand->trigger(); });
    addEntry(editor, "SYUKEI5", "分類集計", [this] { showClassificationTotals(); });
    return menu;
}

void TMIRAVO::openEditorMenu(QLineEdit *editor, const QPoint &at)
{
    m_menuTarget = editor;
    PopupMenu5->exec(editor->mapToGlobal(at));
}

void TMIRAVO::bindRowCommands()
{
    const std::pair<QToolButton *, void (TMIRAVO::*)()> buttons[] = {
        {SpeedButton62, &TMIRAVO::SpeedButton62Click},
        {SpeedButton63, &TMIRAVO::SpeedButton63Click},
        {SpeedButton61, &TMIRAVO::SpeedButton61Click},
        {KAKERITU_IKATU, &TMIRAVO::KAKERITU_ALL},
    };
    for (const auto &[button, handler] : buttons) {
        connect(button, &QToolButton::clicked, this, handler);
        button->setEnabled(true);
    }
    connect(SG1, &ItemGridView::rowMoved, this, &TMIRAVO::SG1RowMoved);
    // The end of drag mode gives the editors their own pointer back.
    connect(SG1, &ItemGridView::dragModeChanged, this, [this](bool on) {
        if (!on) {
            Edit1->unsetCursor();
            NumEdit1->unsetCursor();
        }
    });
}

#include "master/parts_catalogue.h"

#include "common/program_dir.h"
#include "common/prompter.h"
#include "master/category_bar.h"
#include "master/parts_cell_editors.h"
#include "master/parts_grid_view.h"
#include "master/parts_list.h"
#include "settings/column_widths.h"
#include "slip/item_cell_editors.h"
#include "slip/item_columns.h"
#include "slip/item_grid_view.h"
#include "slip/row_commands.h"
#include "slip/string_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

namespace {

// The parts grid's design place; the bars stand above it, right-aligned with it.
const QRect kGridGeometry(364, 185, 650, 458);
constexpr int kMajorBarAbove = 108;
constexpr int kMinorBarAbove = 54;
// A press must move this far before the parts grid goes into drag mode, and the pointer be
// this far inside the grid, so that clicks and the titles and numbers stay what they are.
constexpr int kDragDistance = 5;
constexpr int kDragMargin = 20;

QStringList builtInMajorCaptions()
{
    QStringList captions;
    for (int number = 0; number < CategoryBar::buttonCount; ++number)
        captions.append(QStringLiteral("大分類－") + QChar(0x2460 + number));
    return captions;
}

QToolButton *makeModeButton(const QString &name, const QString &caption)
{
    auto *button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    return button;
}

} // namespace

PartsCatalogue::PartsCatalogue(QWidget *client, ItemGridView *itemGrid,
                               ItemCellEditors *itemEditors, PartsCatalogueHost &host)
    : QObject(client)
    , m_itemGrid(itemGrid)
    , m_itemEditors(itemEditors)
    , m_host(host)
{
    SG2Cells = new StringGrid(PartsList::columnCount, PartsList::minimumRows, this);
    RowCommands::numberRows(*SG2Cells);
    SG2 = new PartsGridView(SG2Cells, client);
    SG2->setObjectName(QStringLiteral("SG2"));
    SG2->setGeometry(kGridGeometry);
    SG2->shownDecimals = [this] { return m_itemEditors->NumEdit1->decimals() == 3 ? 3 : 2; };
    SG2->hide();
    editors = new PartsCellEditors(SG2);
    EditP2 = editors->EditP2;
    Edit2 = editors->Edit2;
    NumP2 = editors->NumP2;
    NumEdit2 = editors->NumEdit2;

    BUMON_Bar = new CategoryBar(QStringLiteral("BUMON_Bar"), QStringLiteral("BUMON_BTN"), client);
    BUHIN_Bar = new CategoryBar(QStringLiteral("BUHIN_Bar"), QStringLiteral("BUHIN_BTN"), client);
    BUMON_Bar->move(0, kGridGeometry.top() - kMajorBarAbove);
    BUHIN_Bar->move(0, kGridGeometry.top() - kMinorBarAbove);
    BUMON_Bar->setCaptions(builtInMajorCaptions());
    buildModeButtons();
    BUNRUI_LAY(m_layout);
    connect(BUMON_Bar, &CategoryBar::chosen, this, &PartsCatalogue::chooseMajor);
    connect(BUHIN_Bar, &CategoryBar::chosen, this, &PartsCatalogue::chooseMinor);

    connect(editors, &PartsCellEditors::pickRequested, this, &PartsCatalogue::pick);
    connect(editors, &PartsCellEditors::closeRequested, this, &PartsCatalogue::closeToItemGrid);
    connect(SG2, &QAbstractItemView::doubleClicked, this, [this] {
        if (!m_editMode)
            SG1toSG2();
    });
    const auto noteChange = [this] {
        if (!m_loading)
            m_changed = true;
    };
    connect(SG2Cells, &QAbstractItemModel::dataChanged, this, noteChange);
    connect(SG2Cells, &QAbstractItemModel::rowsInserted, this, noteChange);
    connect(SG2Cells, &QAbstractItemModel::rowsRemoved, this, noteChange);
    connect(qApp, &QApplication::focusChanged, this, &PartsCatalogue::updateFocusColours);
    // A row moved by its number cell is renumbered at once.
    connect(SG2, &ItemGridView::rowMoved, this, [this] {
        RowCommands::numberRows(*SG2Cells);
        SG2->setDragMode(false);
    });

    SG2->viewport()->installEventFilter(this);
    m_itemGrid->viewport()->installEventFilter(this);
    m_itemEditors->Edit1->installEventFilter(this);
    m_itemEditors->NumEdit1->installEventFilter(this);
    buildMenus();
}

PartsCatalogue::~PartsCatalogue() = default;

void PartsCatalogue::buildModeButtons()
{
    AUTOBTN = makeModeButton(QStringLiteral("AUTOBTN"), QStringLiteral("入"));
    KIRIKAE_BTN = makeModeButton(QStringLiteral("KIRIKAE_BTN"), QStringLiteral("■"));
    INSBTN = makeModeButton(QStringLiteral("INSBTN"), QStringLiteral("挿"));
    BUMON_Bar->addModeButton(AUTOBTN);
    BUMON_Bar->addModeButton(KIRIKAE_BTN);
    BUHIN_Bar->addModeButton(INSBTN);
    connect(AUTOBTN, &QToolButton::clicked, this, [this] {
        m_state.autoClose = !m_state.autoClose;
        showModes();
    });
    connect(INSBTN, &QToolButton::clicked, this, [this] {
        m_state.insertMode = !m_state.insertMode;
        showModes();
    });
    connect(KIRIKAE_BTN, &QToolButton::clicked, this, &PartsCatalogue::KIRIKAE_BTNClick);
}

void PartsCatalogue::showModes()
{
    AUTOBTN->setText(m_state.autoClose ? QStringLiteral("入") : QStringLiteral("切"));
    INSBTN->setText(m_state.insertMode ? QStringLiteral("挿") : QStringLiteral("次"));
}

void PartsCatalogue::fillMenu(QMenu &menu, bool forEditor)
{
    const auto rowCommand = [this, forEditor](void (PartsCatalogue::*command)(), bool moveDown) {
        return [this, forEditor, command, moveDown] {
            (this->*command)();
            if (forEditor)
                replaceEditor(moveDown);
        };
    };
    menu.addAction(forEditor ? QStringLiteral("部品グリッド閉じる")
                             : QStringLiteral("部品ｸﾞﾘｯﾄﾞ閉じる"),
                   this, &PartsCatalogue::toggle)
        ->setObjectName(forEditor ? QStringLiteral("N52") : QStringLiteral("N39"));
    menu.addAction(QStringLiteral("行挿入"), this, rowCommand(&PartsCatalogue::insertRow, true));
    menu.addAction(QStringLiteral("行削除"), this, rowCommand(&PartsCatalogue::deleteRow, false));
    menu.addAction(QStringLiteral("行複写"), this, rowCommand(&PartsCatalogue::copyRow, true));
    menu.addAction(QStringLiteral("行貼り付け"), this, rowCommand(&PartsCatalogue::pasteRow, true));
    menu.addAction(QStringLiteral("部品ソート"), this, &PartsCatalogue::sortByName);
    menu.addSeparator();
    menu.addAction(QStringLiteral("編集モードON"), this, [this, forEditor] {
        editModeOn();
        if (forEditor)
            replaceEditor(true);
    });
    menu.addAction(QStringLiteral("編集モードOFF"), this, &PartsCatalogue::editModeOff);
    menu.addSeparator();
    menu.addAction(QStringLiteral("セル幅設定保存（起動用）"), this, &PartsCatalogue::saveWidths);
    menu.addAction(QStringLiteral("セル幅設定呼出（起動用）"), this, [this] { loadWidths(false); });
    menu.addAction(QStringLiteral("グリッド色設定"), this, [this] { chooseColours(m_colours); });
}

void PartsCatalogue::buildMenus()
{
    SG2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SG2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu PopupMenu6(SG2);
        fillMenu(PopupMenu6, false);
        PopupMenu6.exec(SG2->viewport()->mapToGlobal(at));
    });
    for (QWidget *editor : {static_cast<QWidget *>(Edit2), static_cast<QWidget *>(NumEdit2)}) {
        editor->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(editor, &QWidget::customContextMenuRequested, this,
                [this, editor](const QPoint &at) {
                    QMenu PopupMenu7(editor);
                    fillMenu(PopupMenu7, true);
                    PopupMenu7.exec(editor->mapToGlobal(at));
                });
    }
}

bool PartsCatalogue::isShown() const
{
    return !SG2->isHidden();
}

void PartsCatalogue::setTitles(const QStringList &itemTitles)
{
    QStringList titles = itemTitles;
    titles.resize(PartsList::columnCount);
    titles[PartsColumn::number] = QStringLiteral("№");
    titles[PartsColumn::exemptMark] = QString();
    titles[PartsColumn::shape] = QStringLiteral("形状・寸法");
    titles[PartsColumn::costPrice] = QStringLiteral("原単価");
    titles[PartsColumn::amount] = QStringLiteral("金額");
    titles[PartsColumn::costAmount] = QStringLiteral("原価計");
    titles[PartsColumn::rate] = QStringLiteral("率");
    const bool loading = std::exchange(m_loading, true);
    SG2Cells->setRowCells(0, titles);
    m_loading = loading;
}

void PartsCatalogue::setModes(bool insertMode, bool autoClose)
{
    m_state.insertMode = insertMode;
    m_state.autoClose = autoClose;
    showModes();
}

void PartsCatalogue::setColours(const DisplayColours &colours)
{
    m_colours = colours;
    SG2->setFixedColours(toQColor(colours.partsFixed), toQColor(colours.partsFixedText));
    SG2->colours.stripe = toQColor(colours.partsStripe);
    SG2->colours.colourBar = toQColor(colours.colourBar);
    editors->setFocusColour(toQColor(colours.focus));
    for (int column = 1; column < PartsList::columnCount; ++column) {
        const QColor text = toQColor(colours.columnTextColour(column));
        SG2->colours.columnText[size_t(column)] = text;
        editors->setColumnTextColour(column, text);
    }
    BUMON_Bar->setColour(toQColor(colours.partsFixed));
    BUHIN_Bar->setColour(toQColor(colours.partsFixed));
    SG2->viewport()->update();
}

void PartsCatalogue::chooseColours(DisplayColours &colours)
{
    choosePartsGridColours(colours);
    setColours(colours);
    SG2->setFocus();
}

void PartsCatalogue::BUNRUI_LAY(int layout)
{
    m_layout = qBound(0, layout, 2);
    const int rightEdge = SG2->geometry().right() + 1;
    BUMON_Bar->applyLayout(m_layout, rightEdge);
    BUHIN_Bar->applyLayout(m_layout, rightEdge);
}

void PartsCatalogue::KIRIKAE_BTNClick()
{
    switch (BUHIN_Bar->width()) {
    case 632:
        BUNRUI_LAY(0);
        break;
    case 997:
        BUNRUI_LAY(2);
        break;
    default:
        BUNRUI_LAY(1);
    }
}

void PartsCatalogue::applySizeColumn(bool shown)
{
    editors->sizeColumnShown = shown;
    const QList<int> defaults = ColumnWidths::partsGridDefaults(shown);
    SG2->setColWidth(PartsColumn::name, defaults.at(PartsColumn::name));
    SG2->setColWidth(PartsColumn::shape, defaults.at(PartsColumn::shape));
}

QList<int> PartsCatalogue::columnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < ColumnWidths::columnCount; ++column)
        widths.append(SG2->colWidth(column));
    return widths;
}

void PartsCatalogue::setColumnWidths(const QList<int> &widths)
{
    for (int column = 0; column < widths.size(); ++column)
        SG2->setColWidth(column, widths.at(column));
}

void PartsCatalogue::saveWidths()
{
    ColumnWidths::savePartsGridSet(columnWidths());
}

void PartsCatalogue::loadWidths(bool atStartUp)
{
    QList<int> widths = columnWidths();
    bool sunpou = m_host.sizeColumnShown();
    const auto mode = atStartUp ? ColumnWidths::LoadMode::StartUp : ColumnWidths::LoadMode::Command;
    if (!ColumnWidths::loadPartsGridSet(widths, sunpou, mode))
        return;
    // The check box first: its own rule for the widths must not undo the loaded ones.
    m_host.setSizeColumnShown(sunpou);
    editors->sizeColumnShown = sunpou;
    setColumnWidths(widths);
    if (!atStartUp)
        m_host.focusCustomerName();
}

void PartsCatalogue::SpeedButton24Click()
{
    QList<int> widths = columnWidths();
    if (!ColumnWidths::resetPartsGrid(widths, m_host.sizeColumnShown()))
        return;
    setColumnWidths(widths);
    m_host.focusCustomerName();
}

// --- Opening, closing and the lists ------------------------------------------------------

void PartsCatalogue::showCatalogue()
{
    SG2->show();
    BUMON_Bar->show();
    BUHIN_Bar->show();
    BUMON_Bar->raise();
    BUHIN_Bar->raise();
    // The editors' panels live on the grid, so they come to the front with it.
    SG2->raise();
}

void PartsCatalogue::hideCatalogue()
{
    SG2->hide();
    BUMON_Bar->hide();
    BUHIN_Bar->hide();
    // What was typed into the list on screen must not wait for a change of category.
    saveIfChanged();
}

void PartsCatalogue::toggle()
{
    if (isShown()) {
        m_itemGrid->setFocus();
        m_state.open = false;
        hideCatalogue();
        return;
    }
    m_host.hideOverlaysForCatalogue();
    m_state.open = true;
    showCatalogue();
    if (!m_state.opened())
        firstOpening();
    SG2->setFocus();
}

void PartsCatalogue::firstOpening()
{
    m_state.major = 1;
    m_state.minor = 1;
    loadList(1, 1);
    SG2->setCurrentCell(PartsColumn::name, 1);
    BUMON_YOMIKOMI(PartsList::programFileAnyCase(PartsList::categoryNamesFile(0)));
    BUMON_YOMIKOMI(PartsList::programFileAnyCase(PartsList::categoryNamesFile(1)));
}

void PartsCatalogue::BUMON_YOMIKOMI(const QString &path)
{
    BUHIN_Bar->clearCaptions();
    if (!QFileInfo::exists(path))
        return;
    const QStringList names = PartsList::readCategoryNames(path);
    if (QFileInfo(path).fileName().compare(PartsList::categoryNamesFile(0), Qt::CaseInsensitive) ==
        0) {
        BUMON_Bar->setCaptions(names);
        return;
    }
    BUHIN_Bar->setCaptions(names);
}

void PartsCatalogue::loadList(int major, int minor)
{
    const bool loading = std::exchange(m_loading, true);
    PartsList::SG_YOMIKOMI(*SG2Cells,
                           PartsList::programFileAnyCase(PartsList::partsListFile(major, minor)));
    m_loading = loading;
    m_changed = false;
}

void PartsCatalogue::leaveList()
{
    m_state.rememberRow(m_state.major, m_state.minor, SG2->row());
    // BUHIN_KAKIDASI: an older file keeps its name, whatever the case of its letters.
    PartsList::writeGridFile(*SG2Cells, PartsList::programFileAnyCase(PartsList::partsListFile(
                                            m_state.major, m_state.minor)));
    m_changed = false;
}

void PartsCatalogue::switchList(int major, int minor, bool readMinorNames)
{
    if (!m_state.opened())
        return;
    // A list that cannot be saved stays on screen: switching would lose what was typed.
    leaveList();
    if (readMinorNames)
        BUMON_YOMIKOMI(PartsList::programFileAnyCase(PartsList::categoryNamesFile(major)));
    m_state.major = major;
    m_state.minor = minor;
    loadList(major, minor);
    SG2Row_FUKYU();
}

void PartsCatalogue::chooseMajor(int major)
{
    switchList(major, m_state.minor, true);
}

void PartsCatalogue::chooseMinor(int minor)
{
    switchList(m_state.major, minor, false);
}

void PartsCatalogue::SG2Row_FUKYU()
{
    editModeOff();
    const int row = qMin(m_state.rememberedRow(m_state.major, m_state.minor), SG2Cells->rows() - 1);
    const int column = SG2->currentIndex().isValid() ? SG2->col() : PartsColumn::name;
    SG2->setCurrentCell(column, row);
}

void PartsCatalogue::saveIfChanged()
{
    if (!m_changed || !m_state.opened())
        return;
    PartsList::writeGridFile(*SG2Cells, PartsList::programFileAnyCase(PartsList::partsListFile(
                                            m_state.major, m_state.minor)));
    m_changed = false;
}

void PartsCatalogue::resetSelection()
{
    // The category names may have changed under the bars, so the catalogue closes (saving the
    // list on screen when it changed) and starts again from its first lists at the next opening.
    if (isShown()) {
        m_state.open = false;
        hideCatalogue();
    }
    saveIfChanged();
    m_state.major = 0;
    m_state.minor = 0;
    BUMON_Bar->setCaptions(builtInMajorCaptions());
    BUHIN_Bar->clearCaptions();
}

// --- Edit mode ---------------------------------------------------------------------------

void PartsCatalogue::editModeOn()
{
    m_editMode = true;
    SG2->setBrowsing(false);
    editors->setEditMode(true);
    editors->editCurrentCell();
}

void PartsCatalogue::editModeOff()
{
    m_editMode = false;
    SG2->setBrowsing(true);
    editors->setEditMode(false);
    SG2->setFocus();
}

void PartsCatalogue::replaceEditor(bool moveDown)
{
    if (!m_editMode)
        return;
    if (moveDown)
        editors->moveTo(editors->currentColumn(), editors->currentRow() + 1);
    else
        editors->editCurrentCell();
}

void PartsCatalogue::updateFocusColours()
{
    const bool focused = editors->hasFocus();
    if (focused != SG2->catalogueFocused) {
        SG2->catalogueFocused = focused;
        SG2->viewport()->update();
    }
}

// --- Parts into the slip -----------------------------------------------------------------

void PartsCatalogue::pick(bool &closed)
{
    SG1toSG2();
    closed = m_state.autoClose;
}

void PartsCatalogue::SG1toSG2()
{
    StringGrid &items = *m_itemGrid->grid();
    const int row = makeRoomForPart(items, m_itemGrid->row(), m_state.insertMode);
    copyPartCells(*SG2Cells, SG2->row(), items, row, true);
    m_itemGrid->setCurrentCell(m_itemGrid->col(), row);
    m_host.recalculate();
    if (!m_state.autoClose)
        return;
    hideCatalogue();
    m_itemGrid->setFocus();
    m_itemEditors->moveTo(ItemColumn::quantity, row);
}

void PartsCatalogue::closeToItemGrid()
{
    m_itemGrid->setFocus();
    hideCatalogue();
}

bool PartsCatalogue::returnAfterItemRow()
{
    if (!m_state.open)
        return false;
    showCatalogue();
    editModeOff();
    return true;
}

void PartsCatalogue::DRAG_DROP(int itemRow)
{
    if (itemRow < 1)
        return;
    StringGrid &items = *m_itemGrid->grid();
    const int row = makeRoomForPart(items, itemRow, m_state.insertMode);
    copyPartCells(*SG2Cells, SG2->row(), items, row, false);
    m_itemGrid->setCurrentCell(m_itemGrid->col(), m_itemGrid->row() + 1);
}

void PartsCatalogue::BUHIN_DROP(int partsRow)
{
    setItemGridDragMode(false);
    if (partsRow < 1)
        return;
    RowCommands::insertRow(*SG2Cells, partsRow);
    copyPartCells(*m_itemGrid->grid(), m_itemGrid->row(), *SG2Cells, partsRow, false);
    PartsList::SG2_GENKARITU(*SG2Cells, partsRow);
}

void PartsCatalogue::setItemGridDragMode(bool on)
{
    m_itemGrid->setDragMode(on);
    if (!on)
        m_itemDragging = false;
}

bool PartsCatalogue::itemGridDragMode() const
{
    return m_itemGrid->isDragMode();
}

bool PartsCatalogue::partsGridDragMode() const
{
    return SG2->isDragMode();
}

void PartsCatalogue::finishPartsDrag(const QPoint &globalPos)
{
    m_partsDragging = false;
    SG2->setDragMode(false);
    QWidget *target = m_itemGrid->viewport();
    const QPoint at = target->mapFromGlobal(globalPos);
    if (target->rect().contains(at))
        DRAG_DROP(m_itemGrid->rowAt(at.y()));
}

void PartsCatalogue::finishItemDrag(const QPoint &globalPos)
{
    m_itemDragging = false;
    setItemGridDragMode(false);
    QWidget *target = SG2->viewport();
    const QPoint at = target->mapFromGlobal(globalPos);
    if (isShown() && target->rect().contains(at))
        BUHIN_DROP(SG2->rowAt(at.y()));
}

// --- Rows of the parts grid --------------------------------------------------------------

void PartsCatalogue::insertRow()
{
    RowCommands::insertRow(*SG2Cells, SG2->row());
}

void PartsCatalogue::deleteRow()
{
    PartsList::deleteRow(*SG2Cells, SG2->row());
}

void PartsCatalogue::copyRow()
{
    QApplication::clipboard()->setText(RowCommands::rowText(*SG2Cells, SG2->row()));
}

void PartsCatalogue::pasteRow()
{
    const int row = SG2->row();
    RowCommands::pasteRow(*SG2Cells, row, QApplication::clipboard()->text());
    PartsList::SG2_GENKARITU(*SG2Cells, row);
}

void PartsCatalogue::sortByName()
{
    PartsList::SORT(*SG2Cells, PartsColumn::name);
}

// --- The mouse ---------------------------------------------------------------------------

bool PartsCatalogue::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SG2->viewport())
        return partsGridEvent(event);
    if (watched == m_itemGrid->viewport())
        return itemGridEvent(event);
    if (watched == m_itemEditors->Edit1)
        itemEditorEvent(event);
    if (watched == m_itemEditors->Edit1 || watched == m_itemEditors->NumEdit1)
        return itemGridEvent(event);
    return QObject::eventFilter(watched, event);
}

bool PartsCatalogue::partsGridEvent(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove &&
        event->type() != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint at = mouse->position().toPoint();
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        m_pressedAt = at;
        if (SG2->isDragMode())
            m_partsDragging = true;
    } else if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton) &&
               !SG2->isDragMode() && !m_partsDragging) {
        const QPoint moved = at - m_pressedAt;
        const QPoint inGrid = SG2->viewport()->mapTo(SG2, at);
        if ((qAbs(moved.x()) > kDragDistance || qAbs(moved.y()) > kDragDistance) &&
            inGrid.x() >= kDragMargin && inGrid.y() >= kDragMargin) {
            prompter().beep();
            SG2->setDragMode(true);
        }
    } else if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
               m_partsDragging) {
        finishPartsDrag(mouse->globalPosition().toPoint());
    }
    return false;
}

bool PartsCatalogue::itemGridEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_itemGrid->isDragMode())
            m_itemDragging = true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_itemDragging)
            finishItemDrag(mouse->globalPosition().toPoint());
    }
    return false;
}

// With the catalogue up, dragging out of the item grid's text editor puts the item grid into
// drag mode; a move to the right also takes the editor down.
void PartsCatalogue::itemEditorEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_editorPressedAt = static_cast<QMouseEvent *>(event)->position().toPoint();
        return;
    }
    if (event->type() != QEvent::MouseMove || !isShown() || m_itemGrid->isDragMode())
        return;
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (!(mouse->buttons() & Qt::LeftButton))
        return;
    const QPoint moved = mouse->position().toPoint() - m_editorPressedAt;
    const bool right = moved.x() > kDragDistance;
    if (!right && qAbs(moved.y()) <= kDragDistance && moved.x() >= -kDragDistance)
        return;
    prompter().beep();
    setItemGridDragMode(true);
    if (right)
        m_itemEditors->EditP->hide();
}

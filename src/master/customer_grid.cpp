#include "customer_grid.h"

#include "common/prompter.h"
#include "customer_cell_editors.h"
#include "customer_cell_painter.h"
#include "customer_columns.h"
#include "customer_grid_host.h"
#include "customer_list.h"
#include "slip/string_grid.h"

#include <QHeaderView>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>

namespace Col = CustomerColumn;

namespace {

// A space the input method commits stands for the Space key it took over.
bool isSpace(const QString &text)
{
    return text == QStringLiteral(" ") || text == QStringLiteral("　");
}

} // namespace

CustomerGrid::CustomerGrid(CustomerGridHost &host, QWidget *parent)
    : CustomerGrid(host, new StringGrid(Col::count, CustomerList::startRows), parent)
{}

CustomerGrid::CustomerGrid(CustomerGridHost &host, StringGrid *cells, QWidget *parent)
    : ItemGridView(cells, new CustomerCellPainter(cells), parent)
    , m_host(host)
{
    cells->setParent(this);
    setObjectName(QStringLiteral("SG_K"));
    setGeometry(20, 170, 979, 485);
    setDefaultRowHeight(20);
    CustomerList::prepare(*cells);
    setColumnWidths();
    styleTitles();
    hide();

    m_editors = new CustomerCellEditors(this);
    EditP3 = m_editors->EditP3;
    Edit3 = m_editors->Edit3;
    // The editor moves through the grid with Enter itself.
    Edit3->setProperty("ownsEnterKey", true);
    Edit3->installEventFilter(this);

    connect(this, &QAbstractItemView::doubleClicked, this, [this] { pick(); });
    // The current row is framed across all its cells, so a move repaints more than two cells.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, viewport(),
            qOverload<>(&QWidget::update));
    // A row dragged by its number keeps the numbers in order and the grid in hand.
    connect(cells, &QAbstractItemModel::rowsMoved, this, [this] {
        SG_NUM(*grid());
        setFocus(Qt::OtherFocusReason);
    });

    buildMenu();
}

void CustomerGrid::buildMenu()
{
    PopupMenu9 = new QMenu(this);
    PopupMenu9->addAction(QStringLiteral("閉じる"), this, &CustomerGrid::closeList);
    PopupMenu9->addAction(QStringLiteral("編集モードＯＮ"), this, &CustomerGrid::N75Click);
    PopupMenu9->addAction(QStringLiteral("編集モードＯＦＦ"), this, &CustomerGrid::N76Click);
    PopupMenu9->addAction(QStringLiteral("削除"), this, &CustomerGrid::Delete2Click);
    PopupMenu9->addAction(QStringLiteral("全選択"), this, &CustomerGrid::N88Click);
    PopupMenu9->addAction(QStringLiteral("全選択解除"), this, &CustomerGrid::N89Click);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu9->popup(viewport()->mapToGlobal(at)); });
    Edit3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit3, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu9->popup(Edit3->mapToGlobal(at)); });
}

void CustomerGrid::setColumnWidths()
{
    const int widths[Col::count] = {30, 245, 148, 60, 260, 130, 80, -1, -1};
    for (int column = 0; column < Col::count; ++column)
        setColWidth(column, widths[column]);
}

void CustomerGrid::styleTitles()
{
    setFixedColours(palette().color(QPalette::Button), Qt::black);
    // Titles sit 4 pixels in from the left and the top; the numbers are centred.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    horizontalHeader()->setStyleSheet(
        horizontalHeader()->styleSheet() +
        QStringLiteral(" QHeaderView::section { padding-left: 4px; padding-top: 4px; }"));
}

void CustomerGrid::load()
{
    CustomerList::prepare(*grid());
    KOKYAKU_YOMIKOMI(*grid());
    setCurrentCell(Col::name, 1);
}

bool CustomerGrid::isEditMode() const
{
    return m_editors->isEditMode();
}

void CustomerGrid::open()
{
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void CustomerGrid::closeList()
{
    // The item grid takes the focus first: hiding the focused editor would hand the focus on
    // along the window's chain.
    m_host.focusItemGrid();
    hide();
}

void CustomerGrid::toggle()
{
    if (isVisible())
        closeList();
    else
        open();
}

void CustomerGrid::pick()
{
    m_host.takeCustomer(CustomerList::record(*grid(), row()));
    prompter().beep();
    m_host.focusCustomerName();
    hide();
}

void CustomerGrid::N11Click()
{
    if (!prompter().question(QStringLiteral("表示顧客を追加します。")))
        return;
    CustomerList::addAtTop(*grid(), m_host.slipCustomer());
}

void CustomerGrid::N60Click()
{
    const QString text = m_host.slipCustomer().NAME1;
    if (text.isEmpty())
        return;
    if (const std::optional<CustomerHit> hit = CustomerList::find(*grid(), text))
        showHit(*hit);
    else
        prompter().information(QStringLiteral("見つかりませんでした。\r\n\r\n\r\n"));
}

void CustomerGrid::N62Click()
{
    const QString text = m_host.slipCustomer().NAME1;
    if (text.isEmpty())
        return;
    if (const std::optional<CustomerHit> hit = CustomerList::findNext(*grid(), text, row()))
        showHit(*hit);
    else
        prompter().information(QStringLiteral("見つかりませんでした。\r\n\r\n\r\n"));
}

void CustomerGrid::showHit(const CustomerHit &hit)
{
    // The honorific and the mark are hidden: a hit there shows its customer by the name.
    const int column = isColumnHidden(hit.column) ? int(Col::name) : hit.column;
    setCurrentCell(column, hit.row);
    open();
}

void CustomerGrid::N75Click()
{
    m_editors->setEditMode(true);
    // By way of 顧客名, so that the grid takes the focus anew and its editor comes up.
    m_host.focusCustomerName();
    setFocus(Qt::OtherFocusReason);
}

void CustomerGrid::N76Click()
{
    m_editors->setEditMode(false);
    setFocus(Qt::OtherFocusReason);
}

void CustomerGrid::Delete2Click()
{
    if (!prompter().question(QStringLiteral("現在位置の顧客を削除します。")))
        return;
    const int column = col();
    const int current = row();
    SG_DEL(*grid(), current);
    setCurrentCell(column, current);
    // The editor was over the removed row; it comes up again on the row that took its place.
    if (EditP3->isVisible())
        m_editors->editCurrentCell();
}

void CustomerGrid::N88Click()
{
    CustomerList::markAll(*grid());
}

void CustomerGrid::N89Click()
{
    CustomerList::clearMarks(*grid());
}

void CustomerGrid::toggleMarkAndMoveDown()
{
    const int current = row();
    CustomerList::toggleMark(*grid(), current);
    if (current < grid()->rows() - 1)
        setCurrentCell(col(), current + 1);
    viewport()->update();
}

void CustomerGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick();
        return;
    case Qt::Key_Escape:
        closeList();
        return;
    case Qt::Key_Space:
        toggleMarkAndMoveDown();
        return;
    default:
        ItemGridView::keyPressEvent(event);
    }
}

void CustomerGrid::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->preeditString().isEmpty() && isSpace(event->commitString())) {
        toggleMarkAndMoveDown();
        event->accept();
        return;
    }
    ItemGridView::inputMethodEvent(event);
}

bool CustomerGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit3) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
                closeList();
                return true;
            }
            break;
        case QEvent::MouseButtonDblClick:
            pick();
            return true;
        default:
            break;
        }
    }
    return ItemGridView::eventFilter(watched, event);
}

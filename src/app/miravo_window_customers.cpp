// The customer list over the main window: what it takes from and gives to the slip header,
// and the menu of 顧客名 that adds and finds customers.
#include "miravo_window.h"

#include "master/choice_list_box.h"
#include "master/customer_grid.h"
#include "master/customer_list.h"
#include "slip/item_grid_view.h"

#include <QLineEdit>
#include <QMenu>

void TMIRAVO::buildCustomerList()
{
    SG_K = new CustomerGrid(*this, centralWidget());
    EditP3 = SG_K->EditP3;
    Edit3 = SG_K->Edit3;

    PopupMenu4 = new QMenu(this);
    PopupMenu4->addAction(QStringLiteral("顧客追加"), SG_K, &CustomerGrid::N11Click);
    PopupMenu4->addAction(QStringLiteral("顧客検索"), SG_K, &CustomerGrid::N60Click);
    PopupMenu4->addAction(QStringLiteral("次検索"), SG_K, &CustomerGrid::N62Click);
    NAME1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(NAME1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu4->popup(NAME1->mapToGlobal(at)); });
}

CustomerRecord TMIRAVO::slipCustomer() const
{
    return {NAME1->text(), NAME2->text(), YUBIN->text(),         ADD1->text(),
            ADD_2->text(), Tel->text(),   KEISYOU->currentText()};
}

void TMIRAVO::takeCustomer(const CustomerRecord &customer)
{
    NAME1->setText(customer.NAME1);
    NAME2->setText(customer.NAME2);
    YUBIN->setText(customer.YUBIN);
    ADD1->setText(customer.ADD1);
    ADD_2->setText(customer.ADD_2);
    Tel->setText(customer.Tel);
    KEISYOU->setEditText(customer.KEISYOU);
}

void TMIRAVO::focusCustomerName()
{
    NAME1->setFocus(Qt::OtherFocusReason);
}

void TMIRAVO::focusItemGrid()
{
    SG1->setFocus(Qt::OtherFocusReason);
}

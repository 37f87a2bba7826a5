#pragma once

#include "slip/item_grid_view.h"

class CellTextEdit;
class CustomerCellEditors;
class CustomerGridHost;
class QFrame;
class QInputMethodEvent;
class QMenu;
struct CustomerHit;

// The customer list SG_K laid over the main window: browsed and picked from, or edited cell by
// cell in its edit mode. It owns the customer cells; what it needs of the window goes through
// CustomerGridHost. Hidden until opened; the list lives on while it is closed.
class CustomerGrid : public ItemGridView
{
    Q_OBJECT
public:
    CustomerGrid(CustomerGridHost &host, QWidget *parent);

    CustomerCellEditors *editors() const { return m_editors; }
    QFrame *EditP3 = nullptr;
    CellTextEdit *Edit3 = nullptr;
    // The right-click menu of the grid and its editor.
    QMenu *PopupMenu9 = nullptr;

    // Start-up: empties the grid to its 24 rows, loads the saved customers and makes row 1
    // current.
    void load();

    // Shows the grid in front of everything and focuses it; closing hides it and gives the
    // item grid the focus. toggle does one or the other (the 顧客 command).
    void open();
    void closeList();
    void toggle();

    // Copies the current customer into the slip header, beeps, focuses 顧客名 and closes.
    void pick();

    // The menu of 顧客名 (PopupMenu4).
    void N11Click(); // 顧客追加
    void N60Click(); // 顧客検索
    void N62Click(); // 次検索

    // The menu of the grid and its editor (PopupMenu9); 閉じる is closeList.
    void N75Click();     // 編集モードＯＮ
    void N76Click();     // 編集モードＯＦＦ
    void Delete2Click(); // 削除
    void N88Click();     // 全選択
    void N89Click();     // 全選択解除
    bool isEditMode() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CustomerGrid(CustomerGridHost &host, StringGrid *cells, QWidget *parent);
    void setColumnWidths();
    void styleTitles();
    void showHit(const CustomerHit &hit);
    void toggleMarkAndMoveDown();
    void buildMenu();

    CustomerGridHost &m_host;
    CustomerCellEditors *m_editors = nullptr;
};

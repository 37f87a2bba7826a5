#pragma once

#include "master/parts_catalogue_state.h"
#include "settings/display_colours.h"

#include <QObject>
#include <QPoint>

class CategoryBar;
class CellNumEdit;
class CellTextEdit;
class ItemCellEditors;
class ItemGridView;
class PartsCellEditors;
class PartsGridView;
class QFrame;
class QMenu;
class QToolButton;
class StringGrid;

// What the parts catalogue needs of the window that holds it.
class PartsCatalogueHost
{
public:
    virtual ~PartsCatalogueHost() = default;
    // Recalculates the slip after a part was copied into it.
    virtual void recalculate() = 0;
    // Hides the overlays the catalogue replaces (the totals grid, the file panel).
    virtual void hideOverlaysForCatalogue() = 0;
    // The width commands end on the customer name field.
    virtual void focusCustomerName() = 0;
    virtual bool sizeColumnShown() const = 0;
    // A loaded width set decides whether 形状・寸法 is shown.
    virtual void setSizeColumnShown(bool shown) = 0;
};

// The parts catalogue over the main window: the parts grid SG2 with its editors, the two
// category bars and the mode buttons, the parts lists of the program directory, and the
// copying and dragging of parts between it and the item grid.
class PartsCatalogue : public QObject
{
    Q_OBJECT
public:
    PartsCatalogue(QWidget *client, ItemGridView *itemGrid, ItemCellEditors *itemEditors,
                   PartsCatalogueHost &host);
    ~PartsCatalogue() override;

    StringGrid *SG2Cells = nullptr;
    PartsGridView *SG2 = nullptr;
    PartsCellEditors *editors = nullptr;
    QFrame *EditP2 = nullptr;
    CellTextEdit *Edit2 = nullptr;
    QFrame *NumP2 = nullptr;
    CellNumEdit *NumEdit2 = nullptr;
    CategoryBar *BUMON_Bar = nullptr;
    CategoryBar *BUHIN_Bar = nullptr;
    QToolButton *INSBTN = nullptr;
    QToolButton *AUTOBTN = nullptr;
    QToolButton *KIRIKAE_BTN = nullptr;

    const PartsCatalogueState &state() const { return m_state; }
    bool isShown() const;
    bool editMode() const { return m_editMode; }

    // --- Set up by the window ------------------------------------------------------------
    // The titles of the item grid; the parts grid shows its own for the columns it differs in.
    void setTitles(const QStringList &itemTitles);
    void setModes(bool insertMode, bool autoClose);
    void setColours(const DisplayColours &colours);
    void BUNRUI_LAY(int layout);
    int barLayout() const { return m_layout; }
    void applySizeColumn(bool shown);

    // --- Commands ------------------------------------------------------------------------
    // 部品: opens the catalogue, or closes it when it is shown.
    void toggle();
    void BUMON_YOMIKOMI(const QString &path);
    void chooseMajor(int major);
    void chooseMinor(int minor);
    void SG2Row_FUKYU();
    // Copies the current part into the item grid (double click, Enter, Space).
    void SG1toSG2();
    // Drops: the current part onto item row r; the item grid's current row onto parts row r.
    void DRAG_DROP(int itemRow);
    void BUHIN_DROP(int partsRow);
    // Called when the user leaves 原単価 of an item row; true when the catalogue took over.
    bool returnAfterItemRow();

    void insertRow();
    void deleteRow();
    void copyRow();
    void pasteRow();
    void sortByName();
    void editModeOn();
    void editModeOff();
    void saveWidths();
    void loadWidths(bool atStartUp);
    void SpeedButton24Click();
    // グリッド色設定; the chosen colours are stored in colours.
    void chooseColours(DisplayColours &colours);
    void KIRIKAE_BTNClick();

    // The item grid's drag mode (ドラッグモード of its menus, or a drag out of its editor).
    void setItemGridDragMode(bool on);
    bool itemGridDragMode() const;
    bool partsGridDragMode() const;

    // Saves the parts list on screen when it changed since it was loaded. Throws IoError.
    void saveIfChanged();
    // After a settings commit: hides the catalogue, saves the list on screen, forgets the
    // choice; the next opening starts from the first category and its first parts list.
    void resetSelection();

    QList<int> columnWidths() const;
    void setColumnWidths(const QList<int> &widths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildModeButtons();
    void buildMenus();
    void fillMenu(QMenu &menu, bool forEditor);
    void showCatalogue();
    void hideCatalogue();
    void firstOpening();
    void loadList(int major, int minor);
    void leaveList();
    void switchList(int major, int minor, bool readMinorNames);
    void pick(bool &closed);
    void closeToItemGrid();
    void showModes();
    void replaceEditor(bool moveDown);
    void finishPartsDrag(const QPoint &globalPos);
    void finishItemDrag(const QPoint &globalPos);
    bool partsGridEvent(QEvent *event);
    bool itemGridEvent(QEvent *event);
    void itemEditorEvent(QEvent *event);
    void updateFocusColours();

    ItemGridView *m_itemGrid;
    ItemCellEditors *m_itemEditors;
    PartsCatalogueHost &m_host;
    PartsCatalogueState m_state;
    DisplayColours m_colours;
    int m_layout = 2;
    bool m_editMode = false;
    bool m_loading = false;
    bool m_changed = false;
    // Drag state: a grid in drag mode starts a drag with the next press of the left button.
    bool m_partsDragging = false;
    bool m_itemDragging = false;
    QPoint m_pressedAt;
    QPoint m_editorPressedAt;
};

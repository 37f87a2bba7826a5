#pragma once

#include "files/slip_commands.h"
#include "files/slip_folder.h"
#include "main_menu.h"
#include "master/customer_grid_host.h"
#include "master/parts_catalogue.h"
#include "preview/preview_commands.h"
#include "print/print_framework.h"
#include "print/print_preview.h"
#include "settings/screen_settings.h"
#include "settings/settings_dialog_host.h"
#include "slip/calculation.h"
#include "slip/item_grid_host.h"
#include "slip/slip.h"
#include "slip/slip_header.h"
#include "statement/statement.h"

#include <QButtonGroup>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QVector>

#include <memory>

class ChoiceListBox;
class CustomerGrid;
class CommandActions;
class FormKeyFilter;
class QAction;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolBar;
class QToolButton;
class FileBrowserPanel;
class SearchPanel;
class CellNumEdit;
class CellTextEdit;
class ItemCellEditors;
class ItemGridView;
class NumEdit;
class PrinterDevice;
class TPREV;
enum class PageExportFormat;
struct SlipPrintJob;
class QFrame;
class SlipBinding;
class StatementGridView;
class ClassificationTotalsGrid;
class StringGrid;

// The main window: the slip being typed is shown in these controls, bound to the slip
// document both ways. Other parts of the program read and change them by their names.
class TMIRAVO : public QMainWindow,
                public SlipWindow,
                public PreviewHost,
                public ItemGridHost,
                public CustomerGridHost,
                public PartsCatalogueHost,
                public SettingsDialogHost
{
    Q_OBJECT
public:
    // The command-line arguments (without the program name and --home) decide whether a
    // slip file is opened at start-up.
    explicit TMIRAVO(const QStringList &arguments = {}, QWidget *parent = nullptr);
    ~TMIRAVO() override;

    // --- Commands -----------------------------------------------------------------------
    // One action per main-menu item; the toolbar, the command strip and the keys trigger them.
    CommandActions *commands = nullptr;
    // 軽減税率マークの ON / OFF, the command the editors' menu entry N60 runs.
    QAction *reducedRateMarkCommand = nullptr;

    // --- Toolbar ------------------------------------------------------------------------
    QToolBar *ToolBar1 = nullptr;
    QToolButton *SpeedButton4 = nullptr;  // 終了
    QToolButton *SpeedButton3 = nullptr;  // ﾌｧｲﾙ
    QToolButton *SpeedButton5 = nullptr;  // 登録
    QToolButton *SpeedButton6 = nullptr;  // 印刷
    QToolButton *SpeedButton11 = nullptr; // 白紙
    QToolButton *SpeedButton16 = nullptr; // 領収証
    QToolButton *SpeedButton7 = nullptr;  // 先頭
    QToolButton *SpeedButton8 = nullptr;  // 前
    QToolButton *SpeedButton9 = nullptr;  // 次
    QToolButton *SpeedButton10 = nullptr; // 最後
    QToolButton *SpeedButton1 = nullptr;  // 設定
    QToolButton *SpeedButton18 = nullptr; // 封筒
    QToolButton *SpeedButton30 = nullptr; // ﾌﾟﾚﾋﾞｭｰ
    QToolButton *SpeedButton19 = nullptr; // 検索
    QToolButton *SpeedButton23 = nullptr; // 部品
    QToolButton *SpeedButton26 = nullptr; // 説明
    QToolButton *SpeedButton14 = nullptr; // 行挿入 (not shown)
    QToolButton *SpeedButton13 = nullptr; // 行削除 (not shown)

    // --- Header fields ------------------------------------------------------------------
    QLineEdit *NAME1 = nullptr;
    QLineEdit *NAME2 = nullptr;
    QLineEdit *Tel = nullptr;
    ChoiceListBox *KEISYOU = nullptr;
    QLineEdit *YUBIN = nullptr;
    QLineEdit *ADD1 = nullptr;
    QLineEdit *ADD_2 = nullptr;
    QDateTimeEdit *DTP1 = nullptr;
    QLineEdit *Bangou = nullptr;
    QLineEdit *TITLE = nullptr;
    ChoiceListBox *Tanto = nullptr;
    QCheckBox *DATE_CHECK = nullptr;
    QLabel *Label6 = nullptr; // the label of TITLE
    QLabel *Path = nullptr;

    // --- Slip options -------------------------------------------------------------------
    QRadioButton *SOTOZEI = nullptr;
    QRadioButton *UTIZEI = nullptr;
    QRadioButton *HIKAZEI = nullptr;
    QButtonGroup *taxModeGroup = nullptr;
    QCheckBox *NOUHIN = nullptr;
    QCheckBox *SEIKYUU = nullptr;
    QCheckBox *JURYOU = nullptr;
    QCheckBox *HIKAE = nullptr;
    QCheckBox *HATYUU = nullptr;
    QCheckBox *IRAI = nullptr;
    QCheckBox *A5 = nullptr;
    QCheckBox *Sunpou = nullptr;
    QGroupBox *PRN_S = nullptr;
    QButtonGroup *PRN_SGroup = nullptr;
    QButtonGroup *MUKI = nullptr; // paper orientation; not shown
    NumEdit *KAKERITU = nullptr;
    NumEdit *MARUME = nullptr;
    QLineEdit *TOTALKIN = nullptr;

    // --- Hidden fields ------------------------------------------------------------------
    ChoiceListBox *Nouki = nullptr;
    ChoiceListBox *Basyo = nullptr;
    ChoiceListBox *Kigen = nullptr;
    QComboBox *NameX = nullptr;
    QLineEdit *Add = nullptr;
    QLineEdit *Add2 = nullptr;

    // --- Formatting buttons -------------------------------------------------------------
    QToolButton *SpeedButton2 = nullptr;   // ﾌｫｰｶｽ色
    QToolButton *SpeedButton62 = nullptr;  // ｲﾝﾃﾞﾝﾄ
    QToolButton *SpeedButton63 = nullptr;  // ｲﾝﾃﾞﾝﾄ削除
    QToolButton *SpeedButton61 = nullptr;  // 番号付け
    QToolButton *SpeedButton15 = nullptr;  // ｸﾞﾘｯﾄﾞ色
    QToolButton *SpeedButton17 = nullptr;  // 文字色
    QToolButton *KAKERITU_IKATU = nullptr; // 掛率一括

    // --- Item grid ----------------------------------------------------------------------
    StringGrid *SG1Cells = nullptr; // the slip's item grid, the model of SG1
    ItemGridView *SG1 = nullptr;
    // The in-cell editors: typing in the grid goes into one of them.
    ItemCellEditors *cellEditors = nullptr;
    QFrame *EditP = nullptr;
    CellTextEdit *Edit1 = nullptr;
    QFrame *NumP = nullptr;
    CellNumEdit *NumEdit1 = nullptr;
    // The item grid's right-click menu and that of its two in-cell editors. Their entries are
    // named after the menu items they stand for (N5, N6, XT1, ...).
    QMenu *PopupMenu1 = nullptr;
    QMenu *PopupMenu5 = nullptr;

    // --- Overlays -----------------------------------------------------------------------
    FileBrowserPanel *Panel1 = nullptr;
    // The itemized statement shown over the item grid in statement mode, and its grid.
    Statement statement;
    StatementGridView *SG0 = nullptr;
    ClassificationTotalsGrid *SG_KEI = nullptr;
    SearchPanel *KensakuP = nullptr;
    // The customer list and its in-cell editor.
    CustomerGrid *SG_K = nullptr;
    QFrame *EditP3 = nullptr;
    CellTextEdit *Edit3 = nullptr;
    // The right-click menu of 顧客名: 顧客追加, 顧客検索, 次検索.
    QMenu *PopupMenu4 = nullptr;
    // The parts catalogue: SG2, its editors, BUMON_Bar and BUHIN_Bar and the mode buttons.
    PartsCatalogue *partsCatalogue = nullptr;

    // --- Command strip ------------------------------------------------------------------
    QLabel *StaticText1 = nullptr;
    QVector<QLabel *> commandLabels;      // StaticText7 .. StaticText18, positions 1 to 12
    QToolButton *SpeedButton24 = nullptr; // parts grid default widths
    QToolButton *SpeedButton22 = nullptr; // item grid default widths

    // --- Status bar ---------------------------------------------------------------------
    QVector<QLabel *> statusPanels; // StatusBar1's eight panels
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

    // --- The slip -----------------------------------------------------------------------
    // The document the controls show: header, options, items, calculation settings and
    // totals, the new-number flag, the close-after-save request, statement mode and the
    // folder saves go to.
    Slip slip;

    // --- Window state -------------------------------------------------------------------
    // How the user left the window: positions, colours, function keys (SET2.INI).
    ScreenSettings screenSettings;
    // The preview recorder and the state of a print run (the preview-cancelled flag).
    TPrintPreview PP1;
    PrintRunState printRunState;
    // Set while the preview window shows a receipt or an envelope, so that its 印刷 button
    // prints the same document and its WMF and JPEG buttons refuse.
    bool receiptPreviewMode = false;
    bool envelopePreviewMode = false;
    // The printer all print commands use; the desktop's printers unless one was set.
    PrinterDevice &printer();
    void setPrinter(PrinterDevice *device);

    QImage logo;
    int browsePosition = -1;
    // Set by Escape anywhere in the window; the search over saved slips stops when it sees
    // it and clears it.
    bool searchCancelled = false;
    QColor focusColour() const;

    // The header fields in the order Enter and Tab walk them, before the item grid.
    QList<QWidget *> headerOrder() const;

    TaxMode taxMode() const;
    void setTaxMode(TaxMode mode);

    // --- Start-up, activation and shutdown ----------------------------------------------
    void FormCreate();
    void FormActivate();
    void FormDestroy();
    // Writes the lists and settings files; true when every write succeeded.
    bool FormClose();
    // True when an item row below the title row holds anything.
    bool ENDHANTEI() const;

    // Recalculates the slip and shows the totals.
    void Keisan();

    // The function-key menu of command label 1..12 chose key 0..12 (0: none).
    void MENU_ITEM(int label, int key);

    // The colour commands ﾌｫｰｶｽ色, ｸﾞﾘｯﾄﾞ色 and 文字色.
    void SpeedButton2Click();
    void SpeedButton15Click();
    void SpeedButton17Click();
    // Column width sets of the item grid: save/load set 1 or 2, defaults.
    void saveWidthSet(int set);
    void loadWidthSet(int set);
    void SpeedButton22Click();
    QList<int> itemGridWidths() const;
    void applyItemGridWidths(const QList<int> &widths, bool sunpou);

    // The exit command 終了.
    void SpeedButton4Click();
    // The file command: shows or hides the file panel.
    void SpeedButton3Click();
    // The save command 登録; true when the slip was saved.
    bool SpeedButton5Click();
    // 白紙: asks, then blanks the slip.
    void SpeedButton11Click();
    // Opens a slip file of the file list (FileListBox1DblClick).
    void FileListBox1DblClick(const QString &path, int index);
    // 説明: the user manual in the system's browser.
    void SpeedButton26Click();
    // 印刷 and ﾌﾟﾚﾋﾞｭｰ.
    void SpeedButton6Click();
    void SpeedButton30Click();
    // 領収証 and 封筒: the left button prints, the right one previews.
    void SpeedButton16Click();
    void SpeedButton16RightClick();
    void SpeedButton18Click();
    void SpeedButton18RightClick();
    // 先頭, 前, 次, 最後.
    void pageThroughSlips(SlipFolder::Page page);
    // 設定: the print settings dialog, and what the window takes from the settings after it.
    void SpeedButton1Click();

    // What the print settings dialog asks of the window.
    QPoint hostPosition() const override;
    void setHostShown(bool shown) override;
    void setZeroPrint(bool on) override;
    void applyCaptions(const PrintSettings::MainWindowCaptions &captions) override;

    // The itemized statement: 明細読込み of the statement file list, KEISAN2 shown in the
    // status bar, 一行削除 and 一括消費税（外税） of the statement grid's menu, and
    // 通常請求に戻る of either menu.
    void N10Click();
    void KEISAN2();
    void N56Click();
    void N58Click();
    void returnToSlip();
    // 分類集計: shows the totals-by-classification grid.
    void showClassificationTotals();
    // Text出力: the statement, the customers or the slip as a tab-separated file.
    void TXTOUT();

    // What the slip commands ask of the window.
    void toggleFilePanel() override;
    void hideFilePanel() override;
    void automaticFolderChange(const QString &NAME1) override;
    void refreshFileListsSelectingLast() override;
    void showInFileBrowser(const QString &path) override;
    void hideTotalsGrid() override;
    bool refusesSaving(const QString &folder) override;
    void showCalculation(const KeisanResult &result) override;
    void showEstimateDifference(const QString &message) override;

    // What the print and preview commands ask of the window.
    QString honorific() const override;
    void recalculate() override;
    void printReceipt(bool small) override;
    void forgetReceiptProviso() override;
    void printEnvelope(bool longNo3) override;
    bool printStatement(bool formNo2) override;
    void advanceSlipNumber() override;
    void processPendingEvents() override;
    void printSlip() override;
    bool statementShown() const override;
    void previewStatement(bool formNo2) override;
    void previewSlip() override;
    void openPreviewWindow() override;
    void previewReceipt(bool small) override;
    void previewEnvelope(bool longNo3) override;
    void openPreviewWindowFor(PreviewMode mode) override;

    // What the item grid's editors ask of the window; recalculate() above serves them too.
    bool sizeColumnShown() const override;
    bool returnToPartsCatalogue() override;
    bool otherGridHasFocus() const override;

    // What the parts catalogue asks of the window.
    void hideOverlaysForCatalogue() override;
    void setSizeColumnShown(bool shown) override;

    // --- Row and cell commands of the item grid --------------------------------------------
    void SpeedButton14Click(); // 行挿入
    void SpeedButton13Click(); // 行削除
    void N5Click();            // 行複写
    void N6Click();            // 行貼り付け
    void N7Click();            // セルコピー
    void N9Click();            // セル貼り付け
    void N12Click();           // セル削除
    void N59Click();           // 非課税マークの ON / OFF
    void N60Click();           // 軽減税率マークの ON / OFF
    void SpeedButton62Click(); // ｲﾝﾃﾞﾝﾄ
    void SpeedButton63Click(); // ｲﾝﾃﾞﾝﾄ削除
    void SpeedButton61Click(); // 番号付け
    // After a row was dragged by its number cell to another place.
    void SG1RowMoved();
    // Puts the in-cell editor that is shown back on the current cell, with the cell's text.
    void placeEditorAgain();
    // 掛率一括 and 掛率 for the current row.
    void KAKERITU_ALL();
    void N24Click();

    // What the customer list asks of the window; the parts catalogue also asks for the
    // customer name's focus.
    CustomerRecord slipCustomer() const override;
    void takeCustomer(const CustomerRecord &customer) override;
    void focusCustomerName() override;
    void focusItemGrid() override;

    // Applies the rule of the 形状・寸法 check box to the column widths.
    void applySunpouWidths();
    void fillTitleFromName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Layout (one builder per region).
    void buildWindow();
    // Binds the controls to the slip, once they exist.
    void bindSlip();
    void buildToolbar();
    void buildHeader();
    void buildOptions();
    void buildHiddenFields();
    void buildFormattingButtons();
    void buildItemGrid();
    void buildCommandStrip();
    void buildStatusBar();
    void buildOverlays();
    void buildStatementOverlays();
    void buildCustomerList();
    void buildMenus();
    void addWidthSetEntries(QMenu &menu, const QStringList &names);
    void buildItemGridMenus();
    void bindRowCommands();
    QMenu *buildEditorMenu();
    void openEditorMenu(QLineEdit *editor, const QPoint &at);
    void setDragModeWithEditor();
    // The standard undo of a text box or editable combo box; nothing for other controls.
    static void undoIn(QWidget *box);
    void applyColours();
    void applyScreenSettings();
    ScreenSettings collectScreenSettings() const;
    RememberedChoices collectRememberedChoices() const;
    void buildCommands();
    void bindCommandLabel(int position);
    void showFunctionKeyMenu(int label);
    void focusCommand();
    void watchHeaderField(QWidget *field);

    // Start-up steps, in their order.
    void clearProgramState();
    void readZeroPrintFlag();
    void applySlipKindCaptions();
    void loadHonorificList();
    void readRoundingAndRateModes();
    void readScreenSettings();
    void readRememberedChoices();
    void numberItemRows();
    void scaleForLargeFonts();
    void fetchFirstSlipNumber();
    void setItemGridTitlesAndWidths();
    void prepareStatementAndPartsGrids();
    void loadStartupColumnWidths();
    void refreshFileLists();
    void prepareTotalsAndCustomerGrids();
    void prepareFolderRegistry();
    void loadPersonList();
    void loadLogoPicture();
    void showStartupStatus();
    void openArgumentSlip();

    // Header behaviour.
    bool handleFormKey(QWidget *target, QKeyEvent *event);
    void moveFocusInHeader(QWidget *from, bool backwards);
    void jumpInItemGrid(bool home);
    void uncoverItemGrid();
    void setFocusBackground(QWidget *field, bool focused);

    // Shutdown: asks what the exit command asks; true when the window may close.
    bool confirmClose();
    SlipPrintJob printJob();
    // The job of a receipt or an envelope; a receipt acknowledges the statement while it is
    // shown.
    SlipPrintJob documentJob();
    // Shows the issue date a statement run asked for as the slip date.
    void takeStatementIssueDate(const SlipPrintJob &job);
    void printSlipNow();
    void exportPreviewPages(TPREV &window, PageExportFormat format);
    // The settings command's steps around the dialog.
    void writeOrientationFlag();
    void resetPartsCatalogueSelection();
    void buildSlipNumberMenu();

    SlipBinding *m_binding = nullptr;
    QStringList m_arguments;
    std::unique_ptr<PrinterDevice> m_ownPrinter;
    PrinterDevice *m_printer = nullptr;
    bool m_closeConfirmed = false;
    bool m_activatedOnce = false;
    // The window lost the activation to a message box or a menu: its command is still
    // running, and coming back is no reactivation.
    bool m_commandWindowUp = false;
    std::unique_ptr<FormKeyFilter> m_formKeys;
    // The control that had the focus when a menu of the item grid opened: its copy, paste and
    // undo act there.
    QPointer<QWidget> m_menuTarget;
};

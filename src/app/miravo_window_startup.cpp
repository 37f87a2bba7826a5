// Start-up of the main window and what happens each time it becomes active again.
#include "miravo_window.h"

#include "app_exception.h"
#include "common/clock.h"
#include "common/japanese.h"
#include "common/miravo_error.h"
#include "common/program_dir.h"
#include "files/file_browser_panel.h"
#include "files/numbering.h"
#include "form_key_filter.h"
#include "master/choice_list_box.h"
#include "master/choice_lists.h"
#include "master/customer_cell_editors.h"
#include "master/customer_grid.h"
#include "print/page_blocks.h"
#include "settings/column_widths.h"
#include "settings/print_ini.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"
#include "slip_binding.h"
#include "window_geometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

#include <utility>

TMIRAVO::TMIRAVO(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_arguments(arguments)
{
    buildWindow();
    bindSlip();
    // The window sees every key of its controls before they do: Enter as Tab, Home and End,
    // Escape. The commands' keys are the actions' shortcuts.
    m_formKeys = std::make_unique<FormKeyFilter>(
        this, [this](QWidget *target, QKeyEvent *event) { return handleFormKey(target, event); });
    FormCreate();
}

void TMIRAVO::bindSlip()
{
    m_binding = new SlipBinding(*this, slip);
    // The file panel owns the current folder; the slip saves into it.
    slip.setFolder(Panel1->folder());
    connect(Panel1, &FileBrowserPanel::folderChanged, this,
            [this](const QString &folder) { slip.setFolder(folder); });
}

TMIRAVO::~TMIRAVO()
{
    m_formKeys.reset();
    FormDestroy();
}

// The start-up sequence. Each step runs even when an earlier one failed: the window must
// come up usable, and the failure has been reported.
void TMIRAVO::FormCreate()
{
    using Step = void (TMIRAVO::*)();
    static constexpr Step steps[] = {
        &TMIRAVO::clearProgramState,
        &TMIRAVO::readZeroPrintFlag,
        &TMIRAVO::applySlipKindCaptions,
        &TMIRAVO::loadHonorificList,
        &TMIRAVO::readRoundingAndRateModes,
        &TMIRAVO::readScreenSettings,
        &TMIRAVO::readRememberedChoices,
        &TMIRAVO::numberItemRows,
        &TMIRAVO::scaleForLargeFonts,
        &TMIRAVO::fetchFirstSlipNumber,
        &TMIRAVO::setItemGridTitlesAndWidths,
        &TMIRAVO::prepareStatementAndPartsGrids,
        &TMIRAVO::loadStartupColumnWidths,
        &TMIRAVO::refreshFileLists,
        &TMIRAVO::prepareTotalsAndCustomerGrids,
        &TMIRAVO::prepareFolderRegistry,
        &TMIRAVO::loadPersonList,
        &TMIRAVO::loadLogoPicture,
        &TMIRAVO::showStartupStatus,
        &TMIRAVO::openArgumentSlip,
    };
    for (Step step : steps) {
        try {
            (this->*step)();
        } catch (const std::exception &error) {
            AppException(error);
        }
    }
    // Hints stay up for four seconds.
    for (QWidget *child : findChildren<QWidget *>())
        child->setToolTipDuration(4000);
}

void TMIRAVO::clearProgramState()
{
    slip.state.closeAfterSaveRequest = false;
    slip.calc.settings.profitRate = false;
    slip.calc.settings.zeroPrint = false;
    SG_K->editors()->setEditMode(false);
}

void TMIRAVO::readZeroPrintFlag()
{
    slip.calc.settings.zeroPrint = PrintIni::modes().zeroPrint;
}

void TMIRAVO::applySlipKindCaptions()
{
    const PrintIni::SlipKindCaptions captions = PrintIni::slipKindCaptions();
    const std::pair<const QString &, QCheckBox *> kinds[] = {
        {captions.NOUHIN, NOUHIN}, {captions.SEIKYUU, SEIKYUU}, {captions.JURYOU, JURYOU},
        {captions.HIKAE, HIKAE},   {captions.HATYUU, HATYUU},   {captions.IRAI, IRAI},
    };
    for (const auto &[caption, box] : kinds) {
        box->setText(caption);
        box->adjustSize();
    }
}

void TMIRAVO::loadHonorificList()
{
    KEISYOU->loadItems(ChoiceLists::honorificsAtStartup());
    // The design selects the first honorific; SEIKYUU.INI may choose another.
    if (KEISYOU->count() > 0)
        KEISYOU->setCurrentIndex(0);
}

void TMIRAVO::readRoundingAndRateModes()
{
    const CalcSettings read = CalcSettings::fromPrintIni();
    slip.calc.settings.rounding = read.rounding;
    slip.calc.settings.profitRate = read.profitRate;
    slip.calc.settings.rates = read.rates;
}

void TMIRAVO::readScreenSettings()
{
    // What the file does not mention keeps the window's design state.
    screenSettings = collectScreenSettings();
    SET2_YOMIKOMI(screenSettings);
    applyScreenSettings();
}

void TMIRAVO::readRememberedChoices()
{
    RememberedChoices choices = collectRememberedChoices();
    SEIKYUU_YOMIKOMI(choices);
    NOUHIN->setChecked(choices.NOUHIN);
    SEIKYUU->setChecked(choices.SEIKYUU);
    JURYOU->setChecked(choices.JURYOU);
    HIKAE->setChecked(choices.HIKAE);
    A5->setChecked(choices.A5);
    setTaxMode(choices.taxMode);
    if (choices.honorificIndex >= 0 && choices.honorificIndex < KEISYOU->count())
        KEISYOU->setCurrentIndex(choices.honorificIndex);
}

void TMIRAVO::numberItemRows()
{
    GridBatch batch(*SG1Cells);
    for (int row = 1; row <= 30; ++row)
        SG1Cells->setCell(0, row, QString::number(row));
}

void TMIRAVO::scaleForLargeFonts()
{
    const int height = qAbs(QFontInfo(font()).pixelSize());
    if (height == 12 || height == 0)
        return;
    statusBar()->setFixedHeight(statusBar()->height() * 5 / 4);
    for (QWidget *child : centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect r = child->geometry();
        child->setGeometry(r.x() * 12 / height, r.y() * 12 / height, r.width() * 12 / height,
                           r.height() * 12 / height);
    }
}

void TMIRAVO::fetchFirstSlipNumber()
{
    slip.state.newNumberFlag = true;
    QString number = Bangou->text();
    BANGOU_CALL(number);
    Bangou->setText(number);
}

void TMIRAVO::setItemGridTitlesAndWidths()
{
    SG1Cells->setRowCells(0, PrintIni::itemGridTitles(slip.calc.settings.profitRate));

    applyItemGridWidths(ColumnWidths::itemGridDefaults(Sunpou->isChecked()), Sunpou->isChecked());
}

void TMIRAVO::prepareStatementAndPartsGrids()
{
    statement.setTitles();
    partsCatalogue->setTitles(SG1Cells->rowCells(0));
    partsCatalogue->setColumnWidths(ColumnWidths::partsGridDefaults(Sunpou->isChecked()));
    partsCatalogue->applySizeColumn(Sunpou->isChecked());
    partsCatalogue->BUNRUI_LAY(screenSettings.categoryBarLayout);
}

void TMIRAVO::loadStartupColumnWidths()
{
    QList<int> widths = itemGridWidths();
    bool sunpou = Sunpou->isChecked();
    ColumnWidths::loadItemGridSet(2, widths, sunpou, ColumnWidths::LoadMode::StartUp);
    applyItemGridWidths(widths, sunpou);
    partsCatalogue->loadWidths(true);
}

void TMIRAVO::refreshFileLists()
{
    // The folder change re-reads both lists, selects the newest slip, takes it as the browse
    // position and shows the folder in Path.
    Panel1->setFolder(Panel1->folder());
}

void TMIRAVO::prepareTotalsAndCustomerGrids()
{
    // The totals grid is laid out when the window builds it; only the customers load here.
    SG_K->load();
}

void TMIRAVO::prepareFolderRegistry()
{
    Panel1->DIR_READ();
}

void TMIRAVO::loadPersonList()
{
    if (const auto items = COMBO_YOMIKOMI(ChoiceLists::fileName(ChoiceBox::Tanto)))
        Tanto->loadItems(*items);
}

void TMIRAVO::loadLogoPicture()
{
    logo = ::loadLogoPicture();
}

void TMIRAVO::showStartupStatus()
{
    setPanelText(1, statusBarDate(Clock::today()));
    setPanelText(5, QStringLiteral("MIRAVO"));
    DTP1->setDateTime(Clock::now());
}

void TMIRAVO::openArgumentSlip()
{
    if (m_arguments.isEmpty())
        return;
    slip.HAKUSI_CALL(*this);
    slip.KANREN_YOMIKOMI(m_arguments.first(), *this);
    SG1->setCurrentCell(1, 1);
    browsePosition = Panel1->selectedSlipFile();
}

void TMIRAVO::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        // By now the application's active window is the one that took the activation over.
        QWidget *taker = QApplication::activeWindow();
        m_commandWindowUp = qobject_cast<QMessageBox *>(taker) || qobject_cast<QMenu *>(taker);
        return;
    }
    // A message box is part of the command that asked; that command has put the focus
    // where the answer leads (the file list after declining the save folder, say), and
    // coming back from the box must not take it to 顧客名 again. A menu that took the
    // activation (some desktops activate popups) is no dialog either: the entry chosen
    // acts on the editor the menu was opened on, and typing goes on there.
    if (!std::exchange(m_commandWindowUp, false))
        FormActivate();
}

void TMIRAVO::FormActivate()
{
    Label6->setText(QStringLiteral("登　録\nﾌｧｲﾙ名"));
    const bool designFont = qAbs(QFontInfo(font()).pixelSize()) == 12;
    const QScreen *screen = this->screen();
    const int workAreaBottom = screen ? screen->availableGeometry().bottom() + 1 : 0;
    const int height = mainWindowHeight(designFont, workAreaBottom);
    // The rule is about the outer window; the frame the desktop adds is taken off.
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    move(0, 0);
    resize(1024 - frameWidth, height - frameHeight);
    NAME1->setFocus(Qt::ActiveWindowFocusReason);
}

void TMIRAVO::FormDestroy()
{
    logo = QImage();
}

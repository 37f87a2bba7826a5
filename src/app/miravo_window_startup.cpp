// Start-up of the main window and what happens each time it becomes active again.
#include "miravo_window.h"

#include "app_exception.h"
#include "common/clock.h"
#include "common/japanese.h"
#include "common/miravo_error.h"
#include "common/program_dir.h"
#include "settings/settings_file.h"
#include "slip/item_grid_view.h"
#include "slip/string_grid.h"
#include "window_geometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>

namespace {

const QString kPrintIni = QStringLiteral("PRINT.INI");

QString printIni(const char *key)
{
    return INI_IN(kPrintIni, QString::fromUtf8(key));
}

} // namespace

TMIRAVO::TMIRAVO(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_arguments(arguments)
{
    buildWindow();
    qApp->installEventFilter(this);
    FormCreate();
}

TMIRAVO::~TMIRAVO()
{
    qApp->removeEventFilter(this);
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
    closeAfterSave = false;
    profitRateMode = false;
    zeroPrint = false;
    customerEditMode = false;
}

void TMIRAVO::readZeroPrintFlag()
{
    zeroPrint = printIni("[ゼロ印字]=") == QLatin1String("1");
}

void TMIRAVO::applySlipKindCaptions()
{
    const std::pair<const char *, QCheckBox *> kinds[] = {
        {"[納品書]=", NOUHIN}, {"[請求書]=", SEIKYUU}, {"[受領書]=", JURYOU},
        {"[伝票控]=", HIKAE},  {"[注文書]=", HATYUU},  {"[見積依頼書]=", IRAI},
    };
    for (const auto &[key, box] : kinds) {
        const QString caption = printIni(key);
        if (!caption.isEmpty()) {
            box->setText(caption);
            box->adjustSize();
        }
    }
}

void TMIRAVO::loadHonorificList()
{
    // The honorific list file joins with the choice lists; until then the design items stay.
}

void TMIRAVO::readRoundingAndRateModes()
{
    const QString rounding = printIni("[端数処理]=");
    roundingMode = rounding == QLatin1String("1") ? 1 : rounding == QLatin1String("2") ? 2 : 0;
    profitRateMode = printIni("[利益率]=") == QLatin1String("1");
}

void TMIRAVO::readScreenSettings()
{
    // SET2.INI is read by the screen settings; until they exist the design values stay.
}

void TMIRAVO::readRememberedChoices()
{
    // SEIKYUU.INI is read by the screen settings; until they exist the design values stay.
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
    newNumber = true;
    // The number itself comes from the slip numbering once it is part of the program.
}

void TMIRAVO::setItemGridTitlesAndWidths()
{
    const auto titleOr = [](const char *key, const char *design) {
        const QString value = printIni(key);
        return value.isEmpty() ? QString::fromUtf8(design) : value;
    };
    const QStringList titles = {
        QStringLiteral("№"),
        QStringLiteral("類"),
        titleOr("[品名の変更]=", "品名"),
        QString(),
        titleOr("[形状]=", "形状・寸法"),
        titleOr("[数量]=", "数量"),
        titleOr("[単位]=", "単位"),
        titleOr("[単価]=", "単価"),
        QStringLiteral("原単価"),
        titleOr("[金額]=", "金額"),
        QStringLiteral("原価計"),
        profitRateMode ? QStringLiteral("利益率") : QStringLiteral("原価率"),
    };
    SG1Cells->setRowCells(0, titles);

    const int widths[] = {25, 20, 305, -1, 210, 50, 40, 60, 60, 70, 70, 39};
    for (int column = 0; column < 12; ++column)
        SG1->setColWidth(column, widths[column]);
    applySunpouWidths();
}

void TMIRAVO::prepareStatementAndPartsGrids()
{
    // The statement grid and the parts catalogue are separate features, not yet built.
}

void TMIRAVO::loadStartupColumnWidths()
{
    // The column width sets join with the screen settings.
}

void TMIRAVO::refreshFileLists()
{
    // The file lists join with the file browser; the label shows the folder in use.
    Path->setText(QStringLiteral("DataPath = ") + programDir());
}

void TMIRAVO::prepareTotalsAndCustomerGrids()
{
    // The totals grid and the customer list are separate features, not yet built.
}

void TMIRAVO::prepareFolderRegistry()
{
    // The registered folders join with the file browser.
}

void TMIRAVO::loadPersonList()
{
    // The person list file joins with the choice lists.
}

void TMIRAVO::loadLogoPicture()
{
    logo = QImage();
    const QString name = printIni("[ロゴ]=");
    if (name.isEmpty() || !QFileInfo::exists(name))
        return;
    // A picture that cannot be loaded leaves the logo empty, without a message.
    if (!logo.load(name))
        logo = QImage();
}

void TMIRAVO::showStartupStatus()
{
    setPanelText(1, statusBarDate(Clock::today()));
    setPanelText(5, QStringLiteral("MIRAVO"));
    DTP1->setDateTime(Clock::now());
}

void TMIRAVO::openArgumentSlip()
{
    // The argument is kept in m_arguments; opening it joins with the slip files.
}

void TMIRAVO::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
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

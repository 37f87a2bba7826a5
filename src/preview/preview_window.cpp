#include "preview_window.h"

#include "common/clock.h"
#include "common/japanese.h"
#include "common/program_dir.h"
#include "common/prompter.h"
#include "preview_picture.h"
#include "print/print_preview.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr double kStartZoom = 0.75;
constexpr double kZoomStep = 0.25;
constexpr double kSmallestZoom = 0.25;
constexpr double kLargestZoom = 2.0;
constexpr int kScrollStep = 55;
// One notch of a mouse wheel. Finer wheels and touchpads report parts of it; they scroll
// one step per whole notch so the page does not race away.
constexpr int kWheelNotch = 120;

} // namespace

TPREV::TPREV(const TPrintPreview &pages, QWidget *mainWindow, QWidget *parent)
    : QDialog(parent)
    , m_pages(pages)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("PREV"));
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    setModal(true);
    // Cover the work area even where no window manager carries out the maximized state.
    if (const QScreen *shown = screen())
        setGeometry(shown->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    setSizeGripEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolbar();
    buildSheetArea();
    buildStatusBar();
    layout->addWidget(ToolBar1);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(StatusBar1);

    // The window sees every key first, whichever control would otherwise take it.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    if (m_mainWindow)
        m_mainWindow->hide();

    m_zoom = kStartZoom;
    m_pageNumber = 1;
    statusPanels[2]->setText(statusBarDate(Clock::today()));
    OpenDialog1InitialDir = metaFileFolder();
}

TPREV::~TPREV()
{
    if (m_mainWindow)
        m_mainWindow->show();
}

QString TPREV::metaFileFolder()
{
    const QString folder = programFile(QStringLiteral("MetaFile"));
    // A folder that cannot be made is not reported here: opening the preview must not
    // fail for it, and the export that writes there reports its own failure.
    QDir().mkpath(folder);
    return folder;
}

QToolButton *TPREV::addButton(const QString &name, const QString &caption, const QString &hint,
                              void (TPREV::*handler)())
{
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumWidth(48);
    ToolBar1->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
}

void TPREV::buildToolbar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);

    SpeedButton4 = addButton(QStringLiteral("SpeedButton4"), QStringLiteral("閉じる"),
                             QStringLiteral("プレビューを終了します。"), &TPREV::SpeedButton4Click);
    SpeedButton6 = addButton(QStringLiteral("SpeedButton6"), QStringLiteral("印刷"), QString(),
                             &TPREV::SpeedButton6Click);
    SpeedButton7 = addButton(QStringLiteral("SpeedButton7"), QStringLiteral("先頭"),
                             QStringLiteral("先頭ページを表示します。"), &TPREV::SpeedButton7Click);
    SpeedButton8 = addButton(QStringLiteral("SpeedButton8"), QStringLiteral("前頁"),
                             QStringLiteral("前のページを表示します。（マウス左クリック）"),
                             &TPREV::SpeedButton8Click);
    SpeedButton9 = addButton(QStringLiteral("SpeedButton9"), QStringLiteral("次頁"),
                             QStringLiteral("次のページを表示します。（マウス右クリック）"),
                             &TPREV::SpeedButton9Click);
    SpeedButton10 =
        addButton(QStringLiteral("SpeedButton10"), QStringLiteral("最後"),
                  QStringLiteral("最終ページを表示します。"), &TPREV::SpeedButton10Click);

    // The exports and 添付 signal the main window, which owns the exporter and the title.
    SpeedButton3 = new QToolButton(ToolBar1);
    SpeedButton5 = new QToolButton(ToolBar1);
    PdfButton = new QToolButton(ToolBar1);
    SpeedButton11 = new QToolButton(ToolBar1);
    const struct
    {
        QToolButton *button;
        const char *name;
        const char *caption;
        void (TPREV::*signal)();
    } exports[] = {
        {SpeedButton3, "SpeedButton3", "WMF", &TPREV::wmfExportRequested},
        {SpeedButton5, "SpeedButton5", "JPEG", &TPREV::jpegExportRequested},
        {PdfButton, "PdfButton", "PDF", &TPREV::pdfExportRequested},
        {SpeedButton11, "SpeedButton11", "添付", &TPREV::mailRequested},
    };
    for (const auto &entry : exports) {
        entry.button->setObjectName(QString::fromLatin1(entry.name));
        entry.button->setText(QString::fromUtf8(entry.caption));
        entry.button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        entry.button->setFocusPolicy(Qt::NoFocus);
        entry.button->setMinimumWidth(48);
        entry.button->setEnabled(false);
        ToolBar1->addWidget(entry.button);
        connect(entry.button, &QToolButton::clicked, this, entry.signal);
    }

    SpeedButton1 = addButton(QStringLiteral("SpeedButton1"), QStringLiteral("拡大"), QString(),
                             &TPREV::SpeedButton1Click);
    SpeedButton2 = addButton(QStringLiteral("SpeedButton2"), QStringLiteral("縮小"), QString(),
                             &TPREV::SpeedButton2Click);

    PDIS = new QLineEdit(ToolBar1);
    PDIS->setObjectName(QStringLiteral("PDIS"));
    PDIS->setReadOnly(true);
    PDIS->setFocusPolicy(Qt::NoFocus);
    PDIS->setAlignment(Qt::AlignCenter);
    PDIS->setFixedWidth(90);
    ToolBar1->addWidget(PDIS);
}

void TPREV::buildSheetArea()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setBackgroundRole(QPalette::Base);
    QPalette white = ScrollBox1->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(white);

    m_sheet = new QWidget;
    m_sheet->setAutoFillBackground(true);
    m_sheet->setPalette(white);
    Image2 = new QLabel(m_sheet);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setToolTip(QStringLiteral("左クリック←前頁　｜　右クリック→次頁"));
    Image2->setScaledContents(false);
    Image2->resize(0, 0);
    ScrollBox1->setWidget(m_sheet);
}

void TPREV::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const int widths[] = {30, 150, 200, 200};
    for (const int width : widths) {
        auto *panel = new QLabel(StatusBar1);
        panel->setMinimumWidth(width);
        StatusBar1->addWidget(panel);
        statusPanels.append(panel);
    }
}

void TPREV::setExportEnabled(bool enabled)
{
    SpeedButton3->setEnabled(enabled);
    SpeedButton5->setEnabled(enabled);
    PdfButton->setEnabled(enabled);
    SpeedButton11->setEnabled(enabled);
}

void TPREV::repaintPicture()
{
    Image2->repaint();
}

void TPREV::clearPicture()
{
    Image2->clear();
}

void TPREV::showPicture(const QImage &picture)
{
    Image2->setPixmap(QPixmap::fromImage(picture));
    Image2->resize(picture.size());
    Image2->repaint();
}

void TPREV::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void TPREV::buildShownPicture()
{
    Image2->clear();
    m_shownPage = -1;
    if (m_pageNumber > m_pages.PageCount()) {
        Image2->resize(0, 0);
        return;
    }
    const RecordedPage &page = m_pages.page(m_pageNumber - 1);
    const QSize size = shownPictureSize(page.metrics, logicalDpiX(), logicalDpiY(), m_zoom);
    Image2->setPixmap(QPixmap::fromImage(renderSheetPicture(page, size, devicePixelRatio())));
    Image2->resize(size);
    m_shownPage = m_pageNumber - 1;
}

void TPREV::updatePageTexts()
{
    const QString text = QString::number(m_pageNumber) + QStringLiteral(" / ") +
                         QString::number(m_pages.PageCount());
    PDIS->setText(text);
    statusPanels[3]->setText(QStringLiteral("ページ = ") + text);
}

void TPREV::placeImage(int left, int top)
{
    m_placing = true;
    Image2->move(left, top);
    // The sheet reaches to the image's far edges; what lies left of or above 0 is cut off.
    m_sheet->setMinimumSize(std::max(0, left + Image2->width()),
                            std::max(0, top + Image2->height()));
    // Let the scroll box take the new size now, so that scrolling right after is not
    // limited to the previous picture.
    QCoreApplication::sendPostedEvents(ScrollBox1->viewport(), QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(ScrollBox1, QEvent::LayoutRequest);
    m_placing = false;
}

void TPREV::place(Placement placement)
{
    m_placement = placement;
    // The places are where the image shows in the box, so the view starts at the sheet's
    // origin; a scroll position kept from the previous picture would show some other part
    // of the new one and leave the bars out of step with the image.
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
    // Scroll bars that come or go with the new size change the box; place again against
    // the box that results (twice at most settles it: both bars on, or both off).
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QSize box = ScrollBox1->viewport()->size();
        const QSize image = Image2->size();
        const int top =
            image.height() < box.height() ? centredPosition(box.height(), image.height()) : 0;
        if (placement == Placement::Activation) {
            // Centred across even when wider than the box, so both sides are cut off alike.
            placeImage(centredPosition(box.width(), image.width()), top);
        } else {
            // After a zoom a wide picture starts at its left edge.
            placeImage(
                image.width() < box.width() ? centredPosition(box.width(), image.width()) : 0, top);
        }
        if (ScrollBox1->viewport()->size() == box)
            break;
    }
}

void TPREV::FormActivate()
{
    buildShownPicture();
    place(Placement::Activation);
    updatePageTexts();
    prompter().setBusy(false);
}

void TPREV::showPage(int pageNumber)
{
    m_pageNumber = pageNumber;
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    if (bar->value() != 0)
        bar->setValue(0);
    buildShownPicture();
    // The image keeps its place; only the scroll range follows the new picture.
    placeImage(Image2->x(), Image2->y());
    updatePageTexts();
}

void TPREV::SpeedButton4Click()
{
    close();
}

void TPREV::SpeedButton6Click()
{
    emit printRequested();
}

void TPREV::SpeedButton7Click()
{
    if (m_pageNumber != 1)
        showPage(1);
}

void TPREV::SpeedButton8Click()
{
    if (m_pageNumber != 1)
        showPage(m_pageNumber - 1);
}

void TPREV::SpeedButton9Click()
{
    if (m_pageNumber < m_pages.PageCount())
        showPage(m_pageNumber + 1);
}

void TPREV::SpeedButton10Click()
{
    if (m_pageNumber < m_pages.PageCount())
        showPage(m_pages.PageCount());
}

void TPREV::SpeedButton1Click()
{
    if (m_zoom >= kLargestZoom)
        return;
    m_zoom += kZoomStep;
    buildShownPicture();
    place(Placement::Zoom);
}

void TPREV::SpeedButton2Click()
{
    if (m_zoom <= kSmallestZoom)
        return;
    m_zoom -= kZoomStep;
    buildShownPicture();
    place(Placement::Zoom);
}

void TPREV::scrollBy(int pixels)
{
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() + pixels);
}

bool TPREV::handleKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        SpeedButton8Click();
        return true;
    case Qt::Key_PageDown:
        SpeedButton9Click();
        return true;
    case Qt::Key_Up:
        scrollBy(-kScrollStep);
        return true;
    case Qt::Key_Down:
        scrollBy(kScrollStep);
        return true;
    default:
        return false;
    }
}

bool TPREV::handleMouseRelease(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::RightButton:
        SpeedButton9Click();
        return true;
    case Qt::LeftButton:
        SpeedButton8Click();
        return true;
    default:
        return false;
    }
}

bool TPREV::handleWheel(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    // A sideways tilt of the wheel has no vertical part; it does not page down.
    if (delta == 0)
        return true;
    m_wheelRemainder += delta;
    while (m_wheelRemainder >= kWheelNotch) {
        m_wheelRemainder -= kWheelNotch;
        if (ScrollBox1->verticalScrollBar()->value() > 0)
            scrollBy(-kScrollStep);
    }
    while (m_wheelRemainder <= -kWheelNotch) {
        m_wheelRemainder += kWheelNotch;
        scrollBy(kScrollStep);
    }
    return true;
}

void TPREV::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

bool TPREV::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == ScrollBox1->viewport() && !m_placing)
            place(m_placement);
        break;
    case QEvent::KeyPress:
        if (handleKey(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        // Over the picture and the white around it; the buttons keep their own clicks.
        if (watched == Image2 || watched == m_sheet || watched == ScrollBox1->viewport())
            return handleMouseRelease(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Wheel:
        return handleWheel(static_cast<QWheelEvent *>(event));
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TPREV::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

void TPREV::mouseReleaseEvent(QMouseEvent *event)
{
    if (!handleMouseRelease(event))
        QDialog::mouseReleaseEvent(event);
}

void TPREV::wheelEvent(QWheelEvent *event)
{
    handleWheel(event);
}

#include "common/clock.h"
#include "preview/preview_picture.h"
#include "preview/preview_window.h"
#include "print/print_preview.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A document of pageCount pages recorded for the given printer; page n carries the text
// "page n" at the printable area's corner.
void record(TPrintPreview &document, int pageCount, const PrinterMetrics &metrics = a4Metrics600())
{
    document.setPrinterMetrics(metrics);
    document.BeginDoc();
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1)
            document.NewPage();
        document.Canvas().setFontPoints(24);
        document.Canvas().textOut(0, 0, QStringLiteral("page %1").arg(page));
        document.Canvas().roundRect(100, 300, 2000, 900, 60, 60);
    }
    document.EndDoc();
}

class PreviewWindowTest : public ::testing::Test
{
protected:
    PreviewWindowTest() { Clock::setFixedNow(QDateTime(QDate(2005, 5, 1), QTime(10, 30))); }
    ~PreviewWindowTest() override { Clock::setFixedNow({}); }

    // The window as exec() shows it: shown and active, so it has built its first picture.
    std::unique_ptr<TPREV> showWindow(QWidget *mainWindow = nullptr)
    {
        auto window = std::make_unique<TPREV>(document, mainWindow);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    QSize shownSize(const TPREV &window, double zoom) const
    {
        return shownPictureSize(document.page(0).metrics, window.logicalDpiX(),
                                window.logicalDpiY(), zoom);
    }

    static int scrollPosition(const TPREV &window)
    {
        return window.ScrollBox1->verticalScrollBar()->value();
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    TPrintPreview document;
};

TEST_F(PreviewWindowTest, CreationStartsAtPageOneAndZoomThreeQuartersAndMakesTheMetaFileFolder)
{
    record(document, 2);
    ASSERT_FALSE(QDir(dir.file("MetaFile")).exists());
    const auto window = showWindow();

    EXPECT_EQ(window->windowTitle(), "印刷プレビュー");
    EXPECT_TRUE(window->isModal());
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->pageNumber(), 1);
    EXPECT_EQ(window->zoom(), 0.75);
    EXPECT_TRUE(QDir(dir.file("MetaFile")).exists());
    EXPECT_EQ(window->OpenDialog1InitialDir, dir.file("MetaFile"));

    EXPECT_EQ(window->shownPage(), 0);
    EXPECT_EQ(window->Image2->size(), shownSize(*window, 0.75));
    EXPECT_EQ(window->PDIS->text(), "1 / 2");
    EXPECT_TRUE(window->PDIS->isReadOnly());
    EXPECT_EQ(window->statusPanels[2]->text(), "2005/05/01 (日曜日)");
    EXPECT_EQ(window->statusPanels[3]->text(), "ページ = 1 / 2");
}

TEST_F(PreviewWindowTest, ToolbarHoldsTheButtonsInOrderWithTheirHints)
{
    record(document, 1);
    TPREV window(document);
    const struct
    {
        QToolButton *button;
        const char *caption;
        const char *hint;
        bool enabled;
    } expected[] = {
        {window.SpeedButton4, "閉じる", "プレビューを終了します。", true},
        {window.SpeedButton6, "印刷", "", true},
        {window.SpeedButton7, "先頭", "先頭ページを表示します。", true},
        {window.SpeedButton8, "前頁", "前のページを表示します。（マウス左クリック）", true},
        {window.SpeedButton9, "次頁", "次のページを表示します。（マウス右クリック）", true},
        {window.SpeedButton10, "最後", "最終ページを表示します。", true},
        {window.SpeedButton3, "WMF", "", false},
        {window.SpeedButton5, "JPEG", "", false},
        {window.PdfButton, "PDF", "", false},
        {window.SpeedButton11, "添付", "", false},
        {window.SpeedButton1, "拡大", "", true},
        {window.SpeedButton2, "縮小", "", true},
    };
    const QList<QAction *> actions = window.ToolBar1->actions();
    ASSERT_EQ(actions.size(), int(std::size(expected)) + 1);
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].caption);
        EXPECT_EQ(window.ToolBar1->widgetForAction(actions[int(i)]), expected[i].button);
        EXPECT_EQ(expected[i].button->text(), QString::fromUtf8(expected[i].caption));
        EXPECT_EQ(expected[i].button->toolTip(), QString::fromUtf8(expected[i].hint));
        EXPECT_EQ(expected[i].button->isEnabled(), expected[i].enabled);
    }
    EXPECT_EQ(window.ToolBar1->widgetForAction(actions.last()), window.PDIS);
    EXPECT_EQ(window.Image2->toolTip(), "左クリック←前頁　｜　右クリック→次頁");
}

TEST_F(PreviewWindowTest, PagingActsOnlyInsideTheDocument)
{
    record(document, 3);
    const auto window = showWindow();
    const struct
    {
        QToolButton *TPREV::*button;
        int expectedPage;
    } steps[] = {
        {&TPREV::SpeedButton8, 1}, {&TPREV::SpeedButton7, 1}, {&TPREV::SpeedButton9, 2},
        {&TPREV::SpeedButton9, 3}, {&TPREV::SpeedButton9, 3}, {&TPREV::SpeedButton10, 3},
        {&TPREV::SpeedButton8, 2}, {&TPREV::SpeedButton7, 1}, {&TPREV::SpeedButton10, 3},
        {&TPREV::SpeedButton7, 1},
    };
    int step = 0;
    for (const auto &s : steps) {
        SCOPED_TRACE(step++);
        (window.get()->*s.button)->click();
        EXPECT_EQ(window->pageNumber(), s.expectedPage);
        EXPECT_EQ(window->shownPage(), s.expectedPage - 1);
        EXPECT_EQ(window->PDIS->text(), QStringLiteral("%1 / 3").arg(s.expectedPage));
        EXPECT_EQ(window->statusPanels[3]->text(),
                  QStringLiteral("ページ = %1 / 3").arg(s.expectedPage));
    }
}

TEST_F(PreviewWindowTest, OnePageDocumentIgnoresEveryPagingCommand)
{
    record(document, 1);
    const auto window = showWindow();
    window->ScrollBox1->verticalScrollBar()->setValue(100);
    for (QToolButton *button :
         {window->SpeedButton7, window->SpeedButton8, window->SpeedButton9, window->SpeedButton10})
        button->click();
    EXPECT_EQ(window->pageNumber(), 1);
    EXPECT_EQ(window->PDIS->text(), "1 / 1");
    // A command that does not act leaves the view where it was.
    EXPECT_EQ(scrollPosition(*window), 100);
}

TEST_F(PreviewWindowTest, PagingScrollsToTheTopAndKeepsTheImagePosition)
{
    record(document, 2);
    const auto window = showWindow();
    const QPoint position = window->Image2->pos();
    window->ScrollBox1->verticalScrollBar()->setValue(100);
    window->SpeedButton9->click();
    EXPECT_EQ(scrollPosition(*window), 0);
    EXPECT_EQ(window->Image2->pos(), position);
}

TEST_F(PreviewWindowTest, ZoomStepsByAQuarterBetweenAQuarterAndTwo)
{
    record(document, 2);
    const auto window = showWindow();
    window->SpeedButton9->click();
    const auto in = &TPREV::SpeedButton1;
    const auto out = &TPREV::SpeedButton2;
    const struct
    {
        QToolButton *TPREV::*button;
        double expectedZoom;
    } steps[] = {
        {in, 1.0},   {in, 1.25},  {in, 1.5},   {in, 1.75},  {in, 2.0},
        {in, 2.0},   {out, 1.75}, {out, 1.5},  {out, 1.25}, {out, 1.0},
        {out, 0.75}, {out, 0.5},  {out, 0.25}, {out, 0.25}, {in, 0.5},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.expectedZoom);
        (window.get()->*s.button)->click();
        EXPECT_EQ(window->zoom(), s.expectedZoom);
        EXPECT_EQ(window->Image2->size(), shownSize(*window, s.expectedZoom));
        EXPECT_EQ(window->pageNumber(), 2);
        EXPECT_EQ(window->shownPage(), 1);
    }
}

TEST_F(PreviewWindowTest, WidePictureIsCentredOffTheLeftOnActivationButAtZeroAfterZoom)
{
    // A sheet far wider than any screen: 20000 printer pixels at 600 dpi.
    PrinterMetrics wide = a4Metrics600();
    wide.physicalWidth = 20000;
    wide.pageWidth = 20000;
    record(document, 1, wide);
    const auto window = showWindow();
    const QSize box = window->ScrollBox1->viewport()->size();
    ASSERT_GT(window->Image2->width(), box.width());

    EXPECT_EQ(window->Image2->x(), (box.width() - window->Image2->width()) / 2);
    EXPECT_LT(window->Image2->x(), 0);
    EXPECT_EQ(window->Image2->y(), 0);

    window->SpeedButton2->click();
    EXPECT_EQ(window->Image2->x(), 0);

    window->FormActivate();
    EXPECT_LT(window->Image2->x(), 0);
}

TEST_F(PreviewWindowTest, SmallPictureIsCentredBothWays)
{
    PrinterMetrics card = a4Metrics600();
    card.physicalWidth = card.pageWidth = 1000;
    card.physicalHeight = card.pageHeight = 1000;
    record(document, 1, card);
    const auto window = showWindow();
    const QSize box = window->ScrollBox1->viewport()->size();
    ASSERT_LT(window->Image2->height(), box.height());
    const QPoint centred((box.width() - window->Image2->width()) / 2,
                         (box.height() - window->Image2->height()) / 2);
    EXPECT_EQ(window->Image2->pos(), centred);
    window->SpeedButton1->click();
    EXPECT_EQ(window->Image2->pos(), QPoint((box.width() - window->Image2->width()) / 2,
                                            (box.height() - window->Image2->height()) / 2));
}

TEST_F(PreviewWindowTest, KeysPageAndScrollWhicheverControlHasThem)
{
    record(document, 2);
    const auto window = showWindow();
    ASSERT_GT(window->ScrollBox1->verticalScrollBar()->maximum(), 110);

    // The scroll box would move by its own step; the window sees the keys first.
    QTest::keyClick(window->ScrollBox1, Qt::Key_Down);
    EXPECT_EQ(scrollPosition(*window), 55);
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(scrollPosition(*window), 110);
    QTest::keyClick(window->ScrollBox1->viewport(), Qt::Key_Up);
    EXPECT_EQ(scrollPosition(*window), 55);

    QTest::keyClick(window->ScrollBox1, Qt::Key_PageDown);
    EXPECT_EQ(window->pageNumber(), 2);
    EXPECT_EQ(scrollPosition(*window), 0);
    QTest::keyClick(window.get(), Qt::Key_PageUp);
    EXPECT_EQ(window->pageNumber(), 1);
}

TEST_F(PreviewWindowTest, MouseButtonsPageOverThePicture)
{
    record(document, 3);
    const auto window = showWindow();
    const QPoint inside(5, 5);
    QTest::mouseClick(window->Image2, Qt::RightButton, {}, inside);
    QTest::mouseClick(window->Image2, Qt::RightButton, {}, inside);
    EXPECT_EQ(window->shownPage(), 2);
    QTest::mouseClick(window->Image2, Qt::LeftButton, {}, inside);
    EXPECT_EQ(window->shownPage(), 1);
    QTest::mouseClick(window->Image2, Qt::MiddleButton, {}, inside);
    EXPECT_EQ(window->shownPage(), 1);
    QTest::mouseClick(window->ScrollBox1->viewport(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(window->shownPage(), 0);
}

TEST_F(PreviewWindowTest, WheelScrolls55PixelsPerNotchAndNotAboveTheTop)
{
    record(document, 1);
    const auto window = showWindow();
    QWidget *viewport = window->ScrollBox1->viewport();
    const auto turn = [&](int delta) {
        QWheelEvent event(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    const struct
    {
        int delta;
        int expected;
    } steps[] = {{120, 0}, {-120, 55}, {-120, 110}, {120, 55}, {-60, 55}, {-60, 110}, {240, 0}};
    for (const auto &s : steps) {
        SCOPED_TRACE(s.delta);
        turn(s.delta);
        EXPECT_EQ(scrollPosition(*window), s.expected);
    }
}

TEST_F(PreviewWindowTest, ButtonsHandPrintingAndExportToTheMainWindow)
{
    record(document, 1);
    const auto window = showWindow();
    QSignalSpy print(window.get(), &TPREV::printRequested);
    QSignalSpy wmf(window.get(), &TPREV::wmfExportRequested);
    QSignalSpy jpeg(window.get(), &TPREV::jpegExportRequested);
    QSignalSpy pdf(window.get(), &TPREV::pdfExportRequested);
    QSignalSpy mail(window.get(), &TPREV::mailRequested);
    window->SpeedButton6->click();
    window->SpeedButton3->click();
    EXPECT_EQ(print.count(), 1);
    EXPECT_EQ(wmf.count(), 0);

    window->setExportEnabled(true);
    window->SpeedButton3->click();
    window->SpeedButton5->click();
    window->PdfButton->click();
    window->SpeedButton11->click();
    EXPECT_EQ(wmf.count(), 1);
    EXPECT_EQ(jpeg.count(), 1);
    EXPECT_EQ(pdf.count(), 1);
    EXPECT_EQ(mail.count(), 1);
    EXPECT_TRUE(prompter.log.isEmpty());
    EXPECT_TRUE(window->isVisible());
    window->SpeedButton4->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PreviewWindowTest, EveryNewWindowStartsAtPageOneAndHidesTheMainWindowWhileItLives)
{
    record(document, 3);
    QWidget mainWindow;
    mainWindow.show();
    {
        const auto window = showWindow(&mainWindow);
        EXPECT_FALSE(mainWindow.isVisible());
        window->SpeedButton10->click();
        window->SpeedButton1->click();
        EXPECT_EQ(window->shownPage(), 2);
    }
    EXPECT_TRUE(mainWindow.isVisible());

    record(document, 3);
    const auto again = showWindow(&mainWindow);
    EXPECT_EQ(again->pageNumber(), 1);
    EXPECT_EQ(again->zoom(), 0.75);
    EXPECT_EQ(again->shownPage(), 0);
}

TEST_F(PreviewWindowTest, EmptyDocumentShowsNothing)
{
    const auto window = showWindow();
    EXPECT_EQ(window->shownPage(), -1);
    EXPECT_EQ(window->Image2->size(), QSize(0, 0));
    EXPECT_EQ(window->PDIS->text(), "1 / 0");
    window->SpeedButton9->click();
    window->SpeedButton1->click();
    EXPECT_EQ(window->pageNumber(), 1);
}

} // namespace

TEST_F(PreviewWindowTest, ZoomShowsTheImageFromItsPlaceAndTheScrollBarsFollowIt)
{
    record(document, 1);
    const auto window = showWindow();
    QScrollBar *across = window->ScrollBox1->horizontalScrollBar();
    QScrollBar *down = window->ScrollBox1->verticalScrollBar();
    QWidget *box = window->ScrollBox1->viewport();
    const auto in = &TPREV::SpeedButton1;
    const auto out = &TPREV::SpeedButton2;
    for (const auto button : {in, in, in, in, in, out, out, out, out, out, out, in}) {
        // Wherever the user had scrolled to, a zoom shows the sheet from its place again.
        across->setValue(across->maximum());
        down->setValue(down->maximum());
        (window.get()->*button)->click();
        SCOPED_TRACE(window->zoom());
        const QSize image = window->Image2->size();
        const QPoint expected(image.width() < box->width() ? (box->width() - image.width()) / 2 : 0,
                              image.height() < box->height() ? (box->height() - image.height()) / 2
                                                             : 0);
        EXPECT_EQ(window->Image2->mapTo(box, QPoint(0, 0)), expected);
        EXPECT_EQ(across->value(), 0);
        EXPECT_EQ(down->value(), 0);
        if (image.width() > box->width()) {
            // The far end of the bar shows the sheet's right edge, not its left.
            across->setValue(across->maximum());
            EXPECT_EQ(window->Image2->mapTo(box, QPoint(image.width(), 0)).x(), box->width());
        }
    }
}

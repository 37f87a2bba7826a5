#pragma once

#include "preview/page_export.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QLineEdit;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;
class TPrintPreview;

// The print preview: shows the recorded pages of the preview recorder one at a time on a
// picture of the sheet, pages and zooms, and hands printing and page export back to the
// main window, which owns the slip and the printer.
//
// A fresh window is created for every preview and shown modally with exec(); it starts at
// page 1 and zoom 0.75. While it exists the main window given to it is hidden.
class TPREV : public QDialog, public PageExportView
{
    Q_OBJECT
public:
    // pages is the recorder (PP1); it must outlive the window. mainWindow, when given, is
    // hidden now and shown again when the window is destroyed.
    explicit TPREV(const TPrintPreview &pages, QWidget *mainWindow = nullptr,
                   QWidget *parent = nullptr);
    ~TPREV() override;

    // The program directory's MetaFile folder, created when missing: where exported pages
    // go and where 添付 writes its PDF and lets the user pick further files.
    static QString metaFileFolder();

    // --- Toolbar ------------------------------------------------------------------------
    QToolBar *ToolBar1 = nullptr;
    QToolButton *SpeedButton4 = nullptr;  // 閉じる
    QToolButton *SpeedButton6 = nullptr;  // 印刷
    QToolButton *SpeedButton7 = nullptr;  // 先頭
    QToolButton *SpeedButton8 = nullptr;  // 前頁
    QToolButton *SpeedButton9 = nullptr;  // 次頁
    QToolButton *SpeedButton10 = nullptr; // 最後
    QToolButton *SpeedButton3 = nullptr;  // WMF
    QToolButton *SpeedButton5 = nullptr;  // JPEG
    QToolButton *PdfButton = nullptr;     // PDF: one file of all pages, for mail
    QToolButton *SpeedButton11 = nullptr; // 添付
    QToolButton *SpeedButton1 = nullptr;  // 拡大
    QToolButton *SpeedButton2 = nullptr;  // 縮小
    QLineEdit *PDIS = nullptr;

    // --- Sheet ----------------------------------------------------------------------------
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Image2 = nullptr; // sized to the shown picture; may sit at a negative position

    // --- Status bar ---------------------------------------------------------------------
    QStatusBar *StatusBar1 = nullptr;
    QVector<QLabel *> statusPanels; // panel 2: date, panel 3: page text

    // OpenDialog1's initial folder: the MetaFile folder.
    QString OpenDialog1InitialDir;

    // --- State --------------------------------------------------------------------------
    int pageNumber() const { return m_pageNumber; } // 1-based
    double zoom() const { return m_zoom; }
    // The 0-based index of the recorded page Image2 shows, -1 when it shows nothing.
    int shownPage() const { return m_shownPage; }
    const TPrintPreview &pages() const { return m_pages; }

    // WMF, JPEG, PDF and 添付 stay disabled until the main window has an exporter to connect
    // to their signals.
    void setExportEnabled(bool enabled);

    // --- Handlers -----------------------------------------------------------------------
    void FormActivate();
    void SpeedButton4Click();  // 閉じる
    void SpeedButton6Click();  // 印刷
    void SpeedButton7Click();  // 先頭
    void SpeedButton8Click();  // 前頁
    void SpeedButton9Click();  // 次頁
    void SpeedButton10Click(); // 最後
    void SpeedButton1Click();  // 拡大
    void SpeedButton2Click();  // 縮小

    // Builds the shown picture of the current page into Image2 at the current zoom.
    void buildShownPicture();
    void updatePageTexts();

    // What the page export does to the display while it writes the pages.
    void repaintPicture() override;
    void clearPicture() override;
    void showPicture(const QImage &picture) override;
    void zoomIn() override { SpeedButton1Click(); }
    void zoomOut() override { SpeedButton2Click(); }
    void showLastPage() override { SpeedButton10Click(); }
    void showFirstPage() override { SpeedButton7Click(); }
    void processPendingEvents() override;

signals:
    // 印刷: print the previewed document on the printer (the main window decides how by
    // its preview mode; see printFromPreview).
    void printRequested();
    // WMF and JPEG: export the pages (current page: pageNumber()).
    void wmfExportRequested();
    void jpegExportRequested();
    void pdfExportRequested();
    // 添付: the pages as a PDF, with further files of the MetaFile folder, to the mail program.
    void mailRequested();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void buildToolbar();
    void buildSheetArea();
    void buildStatusBar();
    QToolButton *addButton(const QString &name, const QString &caption, const QString &hint,
                           void (TPREV::*handler)());

    bool handleKey(QKeyEvent *event);
    bool handleMouseRelease(QMouseEvent *event);
    bool handleWheel(QWheelEvent *event);
    void scrollBy(int pixels);
    void showPage(int pageNumber);
    // How Image2 was last placed; a resize of the scroll box places it again the same way,
    // so the sheet stays where the rule puts it when the window is maximized or restored.
    enum class Placement { Activation, Zoom };
    void place(Placement placement);
    void placeImage(int left, int top);

    const TPrintPreview &m_pages;
    QWidget *m_mainWindow = nullptr;
    QWidget *m_sheet = nullptr; // ScrollBox1's content, Image2's parent
    int m_pageNumber = 1;
    double m_zoom = 0.75;
    int m_shownPage = -1;
    int m_wheelRemainder = 0;
    Placement m_placement = Placement::Activation;
    bool m_placing = false;
};

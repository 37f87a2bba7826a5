#pragma once

#include "print/print_preview.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// The export buttons of the preview window (WMF, JPEG and PDF): the questions, the name the
// user confirms, one file per page (one PDF for all pages) in the MetaFile folder, and the
// redraw of the preview afterwards.

enum class PageExportFormat { Wmf, Jpeg, Pdf };

// What the preview window does while pages are exported. The export drives these in the
// order the user sees them; the window implements them with its own picture and commands.
class PageExportView
{
public:
    virtual ~PageExportView() = default;

    // After the name is entered: repaint the picture the input box covered.
    virtual void repaintPicture() {}
    // Before each page: take the shown picture away.
    virtual void clearPicture() {}
    // Each exported page is shown as it is written: the whole sheet at screen size.
    virtual void showPicture(const QImage &picture) { Q_UNUSED(picture); }
    // The window's 拡大, 縮小, 最後 and 先頭 commands, which bring its own display back.
    virtual void zoomIn() {}
    virtual void zoomOut() {}
    virtual void showLastPage() {}
    virtual void showFirstPage() {}
    // Lets the redraw reach the screen before the closing message.
    virtual void processPendingEvents() {}
};

struct PageExportRequest
{
    PageExportFormat format = PageExportFormat::Wmf;
    // Receipts and envelopes are not exported as WMF or JPEG pages (their PDF is).
    bool receiptOrEnvelopePreview = false;
    // The main window's file title (TITLE), part of the proposed name.
    QString fileTitle;
};

// The folder exported pages go to: the program directory's MetaFile folder, ending in '/'.
QString exportFolder();
// Creates the export folder when it is missing. Throws IoError when it cannot.
void makeExportFolder();

// Today's date as "yyyy年MM月dd日" followed by the file title exactly as typed.
QString proposedExportBaseName(const QString &fileTitle);

// "B-3.WMF", "B-3.jpg" for page 3; "B.pdf" for a PDF, which holds every page.
QString exportFileName(const QString &baseName, PageExportFormat format, int pageNumber);

// Runs an export button from the first question to "終了しました。". Returns the files
// written, empty when the user stopped it or the name was refused. A file that cannot be
// written throws IoError; pages written before it stay, and the display is restored first.
QStringList exportPreviewPages(const PageExportRequest &request, const TPrintPreview &pages,
                               PageExportView &view);

// The PDF that 添付 sends: every page in one file under the name the user confirms in the
// same input box, without the export's question and closing message, since the mail program
// follows at once. Returns its path; nothing when there are no pages, the user stopped or the
// name was refused.
std::optional<QString> writeAttachmentPdf(const QString &fileTitle, const TPrintPreview &pages,
                                          PageExportView &view);

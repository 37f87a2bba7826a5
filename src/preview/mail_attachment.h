#pragma once

#include <QString>
#include <QStringList>

class PageExportView;
class TPrintPreview;

// 添付 of the preview window: writes the previewed pages as one PDF into the MetaFile folder
// under the name the user confirms, lets the user pick further files to go with it (the PDF
// is already chosen, so 開く sends it alone), and hands them all to the user's mail program
// with the file title as subject. Cancelling the name or the file choice sends nothing; a
// PDF already written stays in the folder. When the mail program cannot be reached, a
// warning names the folder the files are in.
//
// Returns the files handed to the mail program; empty when nothing was handed over.
QStringList attachPreviewPages(const QString &fileTitle, const TPrintPreview &pages,
                               PageExportView &view);

// The settings command 設定: the print settings dialog, and what the window takes over from
// PRINT.INI once it has closed.
#include "miravo_window.h"

#include "common/miravo_error.h"
#include "common/text_file.h"
#include "master/parts_catalogue.h"
#include "print/page_blocks.h"
#include "settings/print_ini.h"
#include "settings/settings_dialog.h"
#include "slip/string_grid.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

void TMIRAVO::SpeedButton1Click()
{
    const QString logoBefore = PrintIni::logoPath.value();
    writeOrientationFlag();
    {
        TSetHanyou dialog(*this, this);
        dialog.exec();
    }
    readRoundingAndRateModes();
    Keisan();
    resetPartsCatalogueSelection();
    if (PrintIni::logoPath.value() != logoBefore)
        logo = ::loadLogoPicture(); // empty when the file is missing or no picture
}

// FLG.TMP in the working folder marks the second orientation for other programs of the
// shop; nothing here reads it, so a working folder we may not write to does not keep the
// dialog shut.
void TMIRAVO::writeOrientationFlag()
{
    const QString flag = QDir::current().absoluteFilePath(QStringLiteral("FLG.TMP"));
    if (MUKI->checkedId() != 1) {
        QFile::remove(flag);
        return;
    }
    try {
        TextFile::writeLines(flag, {QStringLiteral("1")});
    } catch (const IoError &) {
    }
}

// The category names may have changed under the parts catalogue: its bars and grid are
// hidden and its selection goes back to the first category and the first part list.
void TMIRAVO::resetPartsCatalogueSelection()
{
    partsCatalogue->resetSelection();
}

QPoint TMIRAVO::hostPosition() const
{
    return pos();
}

void TMIRAVO::setHostShown(bool shown)
{
    setVisible(shown);
}

void TMIRAVO::setZeroPrint(bool on)
{
    slip.calc.settings.zeroPrint = on;
}

void TMIRAVO::applyCaptions(const PrintSettings::MainWindowCaptions &captions)
{
    for (auto title = captions.itemGridTitles.cbegin(); title != captions.itemGridTitles.cend();
         ++title)
        SG1Cells->setCell(title.key(), 0, title.value());
    const std::pair<const char *, QCheckBox *> boxes[] = {
        {"NOUHIN", NOUHIN}, {"SEIKYUU", SEIKYUU}, {"JURYOU", JURYOU},
        {"HIKAE", HIKAE},   {"HATYUU", HATYUU},   {"IRAI", IRAI},
    };
    for (const auto &[name, box] : boxes) {
        const auto caption = captions.slipKindCaptions.constFind(QString::fromLatin1(name));
        if (caption == captions.slipKindCaptions.cend())
            continue;
        box->setText(*caption);
        box->adjustSize();
    }
}

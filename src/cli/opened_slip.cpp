#include "opened_slip.h"

#include "cli_errors.h"
#include "headless_prompter.h"

#include "common/miravo_error.h"
#include "files/slip_file.h"
#include "master/choice_lists.h"
#include "settings/screen_settings.h"
#include "slip/slip_arithmetic.h"

#include <QFileInfo>

namespace {

constexpr int dateLine = 5;

const QString dateNotReadText = QStringLiteral("日付の変換ができませんでした。");

void checkSlipFileName(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        throw InputError(path, QStringLiteral("no such file"));
    if (!file.isFile())
        throw InputError(path, QStringLiteral("not a file"));
    const QString suffix = file.suffix().toLower();
    if (suffix != QLatin1String("419") && suffix != QLatin1String("321") && !isEstimateFile(path))
        throw InputError(path,
                         QStringLiteral("not a slip file (.419, .321, or an estimate .MRV, .115)"));
}

// The first item row whose line amount cannot be worked out; 0 when every row can (a sum
// of rows then broke the range).
int firstRowBeyondRange(const StringGrid &items, const CalcSettings &settings)
{
    for (int row = 1; row < items.rows(); ++row) {
        const QString quantity = items.cell(ItemColumn::quantity, row);
        for (const int price : {ItemColumn::unitPrice, ItemColumn::costPrice}) {
            const QString text = items.cell(price, row);
            if (!MOJITOKAZU(quantity) || !MOJITOKAZU(text))
                continue;
            try {
                KAKEZAN(quantity, text, settings.rounding, settings.zeroPrint);
            } catch (const MiravoError &) {
                return row;
            }
        }
    }
    return 0;
}

} // namespace

void applyStartupChoices(SlipHeader &header)
{
    RememberedChoices choices;
    SEIKYUU_YOMIKOMI(choices);
    header.taxMode = choices.taxMode;
    const QStringList honorifics = ChoiceLists::honorificsAtStartup();
    if (choices.honorificIndex >= 0 && choices.honorificIndex < honorifics.size())
        header.KEISYOU = honorifics.at(choices.honorificIndex);
    else if (!honorifics.isEmpty())
        header.KEISYOU = honorifics.first();

    ScreenSettings screen;
    SET2_YOMIKOMI(screen);
    header.Sunpou = screen.Sunpou;
}

OpenedSlip::OpenedSlip(const QString &path, HeadlessPrompter &messages)
    : path(path)
{
    checkSlipFileName(path);
    try {
        applyStartupChoices(slip.header);
    } catch (const IoError &error) {
        throw InputError(error.fileName(), ioReason(error));
    }

    slip.calc.settings = CalcSettings::fromPrintIni();
    slip.setFolder(QFileInfo(path).absolutePath());
    window.path = path;
    messages.messages.clear();
    OpenResult opened;
    try {
        opened = slip.open(path, window);
    } catch (const IoError &error) {
        // The slip file, or BANGO.INI read by the blanking before it.
        throw InputError(error.fileName(), ioReason(error));
    }
    // The window would go on with today's date; a script must not get a slip silently
    // redated, so the message becomes an error.
    if (!opened.dateRead)
        throw InputError(path, dateNotReadText, dateLine);

    // The only warning of opening is the recalculation's: an amount beyond the money range.
    const QString overflow = messages.first(HeadlessPrompter::Kind::Warning);
    if (!overflow.isEmpty()) {
        const int row = firstRowBeyondRange(slip.items(), slip.calc.settings);
        throw InputError(path, overflow, row > 0 ? SlipFile::headerLines + row : 0);
    }
}

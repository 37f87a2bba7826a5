#include "choice_lists.h"

#include "common/program_dir.h"
#include "common/prompter.h"
#include "common/text_file.h"

#include <QFileInfo>

std::optional<QStringList> COMBO_YOMIKOMI(const QString &fileName)
{
    const QString path = programFile(fileName);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return TextFile::readLines(path);
}

void COMBO_KAKIDASI(const QStringList &items, const QString &fileName)
{
    TextFile::writeLines(programFile(fileName), items);
}

namespace ChoiceLists {

QString fileName(ChoiceBox box)
{
    switch (box) {
    case ChoiceBox::Nouki:
        return QStringLiteral("Nouki.LST");
    case ChoiceBox::Basyo:
        return QStringLiteral("Basyo.LST");
    case ChoiceBox::KEISYOU:
        return QStringLiteral("KEISYOU.LST");
    case ChoiceBox::Kigen:
        return QStringLiteral("Kigen.LST");
    case ChoiceBox::Tanto:
        return QStringLiteral("Tanto.LST");
    }
    return {};
}

QStringList builtInHonorifics()
{
    return {QStringLiteral("様"), QStringLiteral("御中"), QStringLiteral("殿")};
}

QStringList honorificsAtStartup()
{
    const QString keisyou = fileName(ChoiceBox::KEISYOU);
    const QString source =
        QFileInfo::exists(programFile(keisyou)) ? keisyou : QStringLiteral("Joken.LST");
    return COMBO_YOMIKOMI(source).value_or(builtInHonorifics());
}

void writeAll(const BoxItems &items)
{
    for (int i = 0; i < boxCount; ++i)
        COMBO_KAKIDASI(items[i], fileName(boxOrder[i]));
}

int servedBox(const std::array<ColourValue, boxCount> &backgrounds, ColourValue focusColour)
{
    for (int i = 0; i < boxCount; ++i) {
        if (backgrounds[i] == focusColour)
            return i;
    }
    return -1;
}

bool addChoice(QStringList &items, const QString &text)
{
    if (text.isEmpty())
        return false;
    items.prepend(text);
    return true;
}

bool deleteChoice(QStringList &items, int &selectedIndex, const QString &text)
{
    const QString selected = items.value(selectedIndex);
    if (selected != text) {
        prompter().information(text + QStringLiteral("は登録がありません。"));
        return false;
    }
    // An empty box with nothing selected has nothing to remove.
    if (selectedIndex < 0 || selectedIndex >= items.size())
        return false;
    items.removeAt(selectedIndex);
    selectedIndex = -1;
    return true;
}

} // namespace ChoiceLists

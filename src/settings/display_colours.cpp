#include "display_colours.h"

#include "common/prompter.h"
#include "settings_file.h"

#include <QGuiApplication>
#include <QPalette>

QColor toQColor(ColourValue value)
{
    if (value == buttonFaceColour) {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return QGuiApplication::palette().color(QPalette::Button);
        return QColor(0xF0, 0xF0, 0xF0);
    }
    return colourFromValue(value);
}

ColourValue DisplayColours::columnTextColour(int column) const
{
    return column >= 1 && column <= 11 ? columnText[column - 1] : 0;
}

namespace {

// One chooser, preset to the current value; the value changes only on OK.
bool chooseInto(ColourValue &value)
{
    const std::optional<QColor> chosen = prompter().chooseColour(toQColor(value));
    if (!chosen)
        return false;
    value = colourValue(*chosen);
    return true;
}

bool keepsChosenColours()
{
    return prompter().question(
        QStringLiteral("設定が完了しました。\r\n初期値に戻す場合は\r\n[いいえ]を選択して下さい。"));
}

} // namespace

bool chooseFocusColour(DisplayColours &colours)
{
    return chooseInto(colours.focus);
}

void chooseItemGridColours(DisplayColours &colours)
{
    prompter().information(QStringLiteral("最初に固定セルの色を設定します。"));
    chooseInto(colours.itemFixed);
    prompter().information(QStringLiteral("次に固定セルの文字色を設定します。"));
    chooseInto(colours.itemFixedText);
    prompter().information(QStringLiteral("次にストライプの色を設定します。"));
    chooseInto(colours.itemStripe);
    if (!keepsChosenColours()) {
        const DisplayColours initial;
        colours.itemFixed = initial.itemFixed;
        colours.itemFixedText = initial.itemFixedText;
        colours.itemStripe = initial.itemStripe;
    }
}

void chooseColumnTextColours(DisplayColours &colours, const QStringList &columnTitles)
{
    // Column 3 is the hidden tax-exempt mark: it has no text worth colouring.
    for (int column = 1; column <= 11; ++column) {
        if (column == 3)
            continue;
        prompter().information(columnTitles.value(column) + QStringLiteral("の色を設定します。"));
        chooseInto(colours.columnText[column - 1]);
    }
    prompter().information(QStringLiteral("文字色の設定は終了しました。"));
}

void choosePartsGridColours(DisplayColours &colours)
{
    prompter().information(QStringLiteral("最初に固定セルの色を設定します。"));
    chooseInto(colours.partsFixed);
    prompter().information(QStringLiteral("次に固定セルの文字色を設定します。"));
    chooseInto(colours.partsFixedText);
    prompter().information(QStringLiteral("次にストライプの色を設定します。"));
    chooseInto(colours.partsStripe);
    prompter().information(QStringLiteral("次にカラーバーの色を設定します。"));
    chooseInto(colours.colourBar);
    if (!keepsChosenColours()) {
        // Not the start-up stripe colour: this reset has always used a lighter grey.
        colours.partsFixed = buttonFaceColour;
        colours.partsFixedText = 0;
        colours.partsStripe = 15921906;
        colours.colourBar = 65280;
    }
}

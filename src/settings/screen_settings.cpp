#include "screen_settings.h"

#include "common/program_dir.h"
#include "common/prompter.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "settings/settings_file.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstdlib>
#include <functional>
#include <optional>

namespace {

const QString set2File = QStringLiteral("SET2.INI");
const QString seikyuuFile = QStringLiteral("SEIKYUU.INI");

// The colour the designer picked for the parts grid is silver; on screen the fixed cells
// should look like buttons, so silver stands for the button face.
constexpr ColourValue silver = 12632256;

// A decimal integer and nothing else: no blanks, no fraction, within 32 bits.
std::optional<int> strictInteger(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]+$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int integerOrZero(const QString &text)
{
    return strictInteger(text).value_or(0);
}

// The text after the first "=" of a settings line, at most maxBytes long.
QString valueAfterFirstEquals(const QByteArray &line, int maxBytes)
{
    const qsizetype at = line.indexOf('=');
    if (at < 0)
        return {};
    return Sjis::decode(Sjis::leftBytes(line.mid(at + 1), maxBytes));
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString number(qint64 value)
{
    return QString::number(value);
}

using Apply = std::function<void(ScreenSettings &, const QString &)>;

struct Rule
{
    QString key;
    int maxBytes;
    Apply apply;
};

constexpr int colourBytes = 20;
constexpr int shortBytes = 5;

// A colour is stored only when the whole value is a number: a damaged value keeps the
// colour the window has instead of stopping the reading of the file.
Apply colour(ColourValue DisplayColours::*entry)
{
    return [entry](ScreenSettings &s, const QString &value) {
        if (const auto parsed = strictInteger(value))
            s.colours.*entry = *parsed;
    };
}

QList<Rule> set2Rules()
{
    QList<Rule> rules = {
        {QStringLiteral("[種別]="), 1,
         [](ScreenSettings &s, const QString &v) {
             if (v == QLatin1String("1") || v == QLatin1String("2") || v == QLatin1String("3"))
                 s.PRN_S = v.toInt();
         }},
        {QStringLiteral("[寸法]="), 1,
         [](ScreenSettings &s, const QString &v) {
             if (v == QLatin1String("0"))
                 s.Sunpou = false;
         }},
        {QStringLiteral("[向き]="), 1,
         [](ScreenSettings &s, const QString &v) {
             if (v == QLatin1String("1"))
                 s.MUKI = 1;
         }},
        {QStringLiteral("[色]="), colourBytes, colour(&DisplayColours::focus)},
        {QStringLiteral("[固定]="), colourBytes, colour(&DisplayColours::itemFixed)},
        {QStringLiteral("[縞]="), colourBytes, colour(&DisplayColours::itemStripe)},
        {QStringLiteral("[固定Font]="), colourBytes, colour(&DisplayColours::itemFixedText)},
        {QStringLiteral("[DATA_PATH]="), 500,
         [](ScreenSettings &s, const QString &v) {
             // A folder on a network share may be unreachable at the next start; begin on
             // the local drive rather than wait for it.
             const QString folder = v.contains(QLatin1String("\\\\")) ? QStringLiteral("c:\\") : v;
             if (!folder.isEmpty())
                 s.dataPath = folder;
         }},
        {QStringLiteral("[掛率]="), shortBytes,
         [](ScreenSettings &s, const QString &v) { s.KAKERITU = v; }},
        {QStringLiteral("[丸め]="), shortBytes,
         [](ScreenSettings &s, const QString &v) { s.MARUME = v; }},
        {QStringLiteral("[Top]="), 4,
         [](ScreenSettings &s, const QString &v) { s.top = integerOrZero(v); }},
        {QStringLiteral("[Left]="), 4,
         [](ScreenSettings &s, const QString &v) { s.left = integerOrZero(v); }},
        {QStringLiteral("[固定2]="), colourBytes,
         [](ScreenSettings &s, const QString &v) {
             if (const auto parsed = strictInteger(v))
                 s.colours.partsFixed = *parsed == silver ? buttonFaceColour : *parsed;
         }},
        {QStringLiteral("[縞2]="), colourBytes, colour(&DisplayColours::partsStripe)},
        {QStringLiteral("[固定Font2]="), colourBytes, colour(&DisplayColours::partsFixedText)},
        {QStringLiteral("[color_bar]="), colourBytes, colour(&DisplayColours::colourBar)},
        {QStringLiteral("[NetPath]="), 200,
         [](ScreenSettings &s, const QString &v) { s.netPath = v; }},
        {QStringLiteral("[Pin]="), 10,
         [](ScreenSettings &s, const QString &v) {
             if (v == QLatin1String("0"))
                 s.partsAutoOpen = false;
         }},
        {QStringLiteral("[INS_MODE]="), 10,
         [](ScreenSettings &s, const QString &v) {
             if (v == QLatin1String("0"))
                 s.partsInsertMode = false;
         }},
    };
    for (int column = 1; column <= 11; ++column) {
        rules.append({QStringLiteral("[文字%1]=").arg(column), colourBytes,
                      [column](ScreenSettings &s, const QString &v) {
                          if (const auto parsed = strictInteger(v))
                              s.colours.columnText[column - 1] = *parsed;
                      }});
    }
    for (int key = 1; key <= 12; ++key) {
        rules.append({QStringLiteral("[F%1]=").arg(key), shortBytes,
                      [key](ScreenSettings &s, const QString &v) {
                          // An index the menu does not have is skipped like a bad colour.
                          const int item = integerOrZero(v);
                          if (item >= 0 && item < MainMenu::itemCount)
                              s.keys.giveFunctionKey(item, key);
                      }});
    }
    for (int label = 1; label <= MainMenu::labelCount; ++label) {
        rules.append({QStringLiteral("[ST%1_HINT]=").arg(label + 6), shortBytes,
                      [label](ScreenSettings &s, const QString &v) { s.keys.setHint(label, v); }});
    }
    return rules;
}

int categoryBarLayoutAtStartup()
{
    const QString value = INI_IN(set2File, QStringLiteral("[分類幅]="));
    if (value == QLatin1String("1"))
        return 1;
    if (value.isEmpty() || value == QLatin1String("2"))
        return 2;
    return 0;
}

} // namespace

int ScreenSettings::placeWithin(int stored, int windowExtent)
{
    return windowExtent >= std::abs(stored) ? stored : 0;
}

int ScreenSettings::categoryBarWidth(int layout)
{
    switch (layout) {
    case 1:
        return 632;
    case 2:
        return 715;
    default:
        return 997;
    }
}

int ScreenSettings::categoryBarLayoutForWidth(int buhinBarWidth)
{
    if (buhinBarWidth == 997)
        return 0;
    return buhinBarWidth == 632 ? 1 : 2;
}

void SET2_YOMIKOMI(ScreenSettings &settings)
{
    settings.colours = DisplayColours();
    settings.MARUME = QStringLiteral("0");
    settings.top = 0;
    settings.left = 0;
    settings.partsAutoOpen = true;
    settings.partsInsertMode = true;
    settings.keys = MainMenuKeys();
    settings.categoryBarLayout = categoryBarLayoutAtStartup();

    const QString path = programFile(set2File);
    if (!QFileInfo::exists(path))
        return;
    static const QList<Rule> rules = set2Rules();
    QList<QByteArray> keys;
    for (const Rule &rule : rules)
        keys.append(Sjis::encode(rule.key));
    // Every line is tried against every key, and each match applies at once, so a key that
    // stands on several lines ends with the value of its last line.
    for (const QByteArray &line : TextFile::readByteLines(path)) {
        for (qsizetype i = 0; i < rules.size(); ++i) {
            if (line.contains(keys[i]))
                rules[i].apply(settings, valueAfterFirstEquals(line, rules[i].maxBytes));
        }
    }
}

void SET2_KAKIDASI(const ScreenSettings &settings)
{
    const DisplayColours &c = settings.colours;
    SettingsLines lines = {
        {QStringLiteral("[種別]="), number(settings.PRN_S)},
        {QStringLiteral("[寸法]="), flag(settings.Sunpou)},
        {QStringLiteral("[向き]="), flag(settings.MUKI == 1)},
        {QStringLiteral("[色]="), number(c.focus)},
        {QStringLiteral("[固定]="), number(c.itemFixed)},
        {QStringLiteral("[縞]="), number(c.itemStripe)},
        {QStringLiteral("[固定Font]="), number(c.itemFixedText)},
    };
    for (int column = 1; column <= 11; ++column)
        lines.append({QStringLiteral("[文字%1]=").arg(column), number(c.columnText[column - 1])});
    lines += SettingsLines{
        {QStringLiteral("[キー]="), flag(settings.commandLabel8Visible)},
        {QStringLiteral("[DATA_PATH]="), settings.dataPath},
        {QStringLiteral("[掛率]="), settings.KAKERITU},
        {QStringLiteral("[丸め]="), settings.MARUME},
        {QStringLiteral("[Top]="), number(settings.top)},
        {QStringLiteral("[Left]="), number(settings.left)},
        {QStringLiteral("[固定2]="), number(c.partsFixed)},
        {QStringLiteral("[縞2]="), number(c.partsStripe)},
        {QStringLiteral("[固定Font2]="), number(c.partsFixedText)},
        {QStringLiteral("[color_bar]="), number(c.colourBar)},
        {QStringLiteral("[NetPath]="), settings.netPath},
        {QStringLiteral("[Pin]="), flag(settings.partsAutoOpen)},
        {QStringLiteral("[INS_MODE]="), flag(settings.partsInsertMode)},
    };
    for (int item = 0; item < MainMenu::itemCount; ++item) {
        if (const int key = settings.keys.functionKey(item))
            lines.append({QStringLiteral("[F%1]=").arg(key), number(item)});
    }
    for (int label = 1; label <= MainMenu::labelCount; ++label)
        lines.append({QStringLiteral("[ST%1_HINT]=").arg(label + 6), settings.keys.hint(label)});
    lines.append({QStringLiteral("[分類幅]="), number(settings.categoryBarLayout)});
    writeSettingsFile(set2File, lines);
}

QString chooseDataFolder(const QString &stored, const QString &current)
{
    if (stored.isEmpty())
        return current;
    if (QFileInfo(stored).isDir())
        return stored;
    prompter().information(QStringLiteral(
        "前回使用ディレクトリを設定出来ませんでした。\r\n起動ディレクトリを使用します。"));
    return current;
}

void SEIKYUU_YOMIKOMI(RememberedChoices &choices)
{
    const QString path = programFile(seikyuuFile);
    if (!QFileInfo::exists(path))
        return;
    using Mark = std::function<void(RememberedChoices &, const QByteArray &)>;
    static const QList<std::pair<QByteArray, Mark>> tests = {
        {Sjis::encode(QStringLiteral("[納品書]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.NOUHIN = true; }},
        {Sjis::encode(QStringLiteral("[請求書]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.SEIKYUU = true; }},
        {Sjis::encode(QStringLiteral("[受領書]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.JURYOU = true; }},
        {Sjis::encode(QStringLiteral("[伝票控]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.HIKAE = true; }},
        {Sjis::encode(QStringLiteral("[内税]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.taxMode = TaxMode::Inclusive; }},
        {Sjis::encode(QStringLiteral("[非課税]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.taxMode = TaxMode::Exempt; }},
        {Sjis::encode(QStringLiteral("[外税]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.taxMode = TaxMode::Exclusive; }},
        {Sjis::encode(QStringLiteral("[敬称]=")),
         [](RememberedChoices &c, const QByteArray &line) {
             c.honorificIndex = integerOrZero(valueAfterFirstEquals(line, 3));
         }},
        {Sjis::encode(QStringLiteral("[A5]=1")),
         [](RememberedChoices &c, const QByteArray &) { c.A5 = true; }},
    };
    for (const QByteArray &line : TextFile::readByteLines(path)) {
        for (const auto &[text, mark] : tests) {
            if (line.contains(text)) {
                mark(choices, line);
                break;
            }
        }
    }
}

void SEIKYUU_KAKIDASI(const RememberedChoices &choices)
{
    writeSettingsFile(seikyuuFile,
                      {
                          {QStringLiteral("[納品書]="), flag(choices.NOUHIN)},
                          {QStringLiteral("[請求書]="), flag(choices.SEIKYUU)},
                          {QStringLiteral("[受領書]="), flag(choices.JURYOU)},
                          {QStringLiteral("[伝票控]="), flag(choices.HIKAE)},
                          {QStringLiteral("[内税]="), flag(choices.taxMode == TaxMode::Inclusive)},
                          {QStringLiteral("[非課税]="), flag(choices.taxMode == TaxMode::Exempt)},
                          {QStringLiteral("[外税]="), flag(choices.taxMode == TaxMode::Exclusive)},
                          {QStringLiteral("[敬称]="), number(choices.honorificIndex)},
                          {QStringLiteral("[A5]="), flag(choices.A5)},
                      });
}

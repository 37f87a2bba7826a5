// The six pages of the print settings dialog and their controls.
#include "settings_dialog.h"

#include "category_name_editor.h"
#include "colour_buttons.h"
#include "common/byte_limit_validator.h"
#include "print_ini.h"
#include "settings_controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTextWidth = 220;

const PrintIni::KeyInfo *keyOfControl(const QString &control)
{
    for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
        if (info.control == control && info.loaded)
            return &info;
    }
    return nullptr;
}

QLabel *label(const QString &text, QWidget *parent, const QString &name = QString())
{
    auto *shown = new QLabel(text, parent);
    if (!name.isEmpty())
        shown->setObjectName(name);
    return shown;
}

QLineEdit *textField(const QString &name, int maxBytes, QWidget *parent, int width = kTextWidth,
                     const QString &hint = QString())
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setValidator(new ByteLimitValidator(maxBytes, field));
    field->setFixedWidth(width);
    field->setToolTip(hint);
    return field;
}

QLineEdit *readOnlyField(const QString &name, QWidget *parent, int width = 112)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFixedWidth(width);
    return field;
}

// The range of a spin control is that of the key it shows.
UpDown *upDown(const QString &name, QWidget *parent)
{
    const PrintIni::KeyInfo *info = keyOfControl(name);
    const PrintIni::Range range = info && info->range ? *info->range
                                  : info              ? info->limits
                                                      : PrintIni::Range{-5000, 5000};
    const bool tenths = info && info->form == PrintIni::Form::Tenths;
    return new UpDown(name, range.min, range.max,
                      tenths ? UpDown::Unit::Tenths : UpDown::Unit::Whole, parent);
}

QCheckBox *checkBox(const QString &name, const QString &caption, QWidget *parent,
                    const QString &hint = QString())
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setToolTip(hint);
    return box;
}

QToolButton *button(const QString &name, const QString &caption, QWidget *parent,
                    const QString &hint = QString(), int width = 130)
{
    auto *pressed = new QToolButton(parent);
    pressed->setObjectName(name);
    pressed->setText(caption);
    pressed->setToolTip(hint);
    pressed->setFixedWidth(width);
    return pressed;
}

// A row of label, spin control and unit.
void addOffset(QGridLayout *grid, int row, int column, const QString &caption,
               const QString &control, const QString &unit, QWidget *parent)
{
    if (!caption.isEmpty())
        grid->addWidget(label(caption, parent), row, column, Qt::AlignRight);
    grid->addWidget(upDown(control, parent), row, column + 1);
    grid->addWidget(label(unit, parent), row, column + 2);
}

struct CompanyRow
{
    const char *caption;
    const char *text;
    const char *hint;
    const char *right;
    const char *down;
    const char *size;
    const char *face; // nullptr: the line prints in the face of another row
};

// A rate in whole percent; empty for the rate of a file without the key.
QLineEdit *rateField(const QString &name, QWidget *parent, const QString &hint)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-9][0-9]?|")), field));
    field->setFixedWidth(40);
    field->setAlignment(Qt::AlignCenter);
    field->setToolTip(hint);
    return field;
}

QGroupBox *qualifiedInvoiceGroup(QWidget *parent)
{
    auto *group = new QGroupBox(QStringLiteral("適格請求書"), parent);
    group->setObjectName(QStringLiteral("TEKIKAKU_GROUP"));
    auto *grid = new QGridLayout(group);
    grid->addWidget(label(QStringLiteral("消費税率"), group), 0, 0, Qt::AlignRight);
    grid->addWidget(rateField(QStringLiteral("ZEIRITU"), group,
                              QStringLiteral("標準税率です。空欄のときは5%で計算します。")),
                    0, 1);
    grid->addWidget(label(QStringLiteral("%"), group), 0, 2);
    grid->addWidget(label(QStringLiteral("軽減税率"), group), 0, 3, Qt::AlignRight);
    grid->addWidget(rateField(QStringLiteral("KEIGEN_ZEIRITU"), group,
                              QStringLiteral("軽減税率マークの行の税率です。空欄のときは8%です。")),
                    0, 4);
    grid->addWidget(label(QStringLiteral("%"), group), 0, 5);
    grid->addWidget(checkBox(QStringLiteral("TEKIKAKU_CHK"),
                             QStringLiteral("適格請求書として印刷する（登録番号・税率ごとの合計）"),
                             group,
                             QStringLiteral("伝票・明細書・領収証に登録番号と税率ごとの対象額・"
                                            "消費税を印刷します。")),
                    1, 0, 1, 7);
    grid->addWidget(label(QStringLiteral("登録番号"), group), 2, 0, Qt::AlignRight);
    grid->addWidget(textField(QStringLiteral("TOUROKU_BANGOU"), 28, group, 160,
                              QStringLiteral("「T」に続けて13桁の数字（例：T1234567890123）")),
                    2, 1, 1, 5);
    grid->setColumnStretch(6, 1);
    return group;
}

} // namespace

QWidget *TSetHanyou::buildCompanyPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto *grid = new QGridLayout(page);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->addWidget(label(QStringLiteral("未使用の項目は他に転用できます。"), page), 0, 0, 1, 4);
    grid->addWidget(label(QStringLiteral("位置の数値は「正」の数値は右か下に「負」の数値は左か上"
                                         "へ移動します。"),
                          page),
                    0, 4, 1, 8);

    static const CompanyRow rows[] = {
        {"テキスト①", "TEXT1", "○○株式会社販売代理店など", "UpDown27", "UpDown28", "UpDown10",
         "TXT1_FONT"},
        {"テキスト②", "TEXT2", "自社コマーシャルメッセージ等に", "UpDown25", "UpDown26", "UpDown11",
         nullptr},
        {"社  名", "K_NAME", "", "UpDown2", "UpDown3", "UpDown18", "K_NAME_FONT"},
        {"支店等", "siten", "", "UpDown4", "UpDown5", "UpDown19", "SITEN_FONT"},
        {"〒", "ubin", "", "UpDown12", "UpDown13", "UpDown41", "UBIN_FONT"},
        {"住所", "add1", "", "UpDown6", "UpDown7", "UpDown42", nullptr},
        {"住所２", "add2", "", "UpDown8", "UpDown9", "UpDown53", nullptr},
        {"ＴＥＬ/FAX", "tel", "", "UpDown14", "UpDown15", "UpDown54", nullptr},
        {"メール", "fax", "", "UpDown16", "UpDown17", "UpDown55", nullptr},
    };
    int row = 1;
    for (const CompanyRow &line : rows) {
        const auto name = [](const char *text) { return QString::fromUtf8(text); };
        grid->addWidget(label(name(line.caption), page), row, 0, Qt::AlignRight);
        grid->addWidget(textField(name(line.text), 100, page, kTextWidth, name(line.hint)), row, 1);
        grid->addWidget(label(QStringLiteral("印字位置→"), page), row, 2, Qt::AlignRight);
        addOffset(grid, row, 2, QString(), name(line.right), QStringLiteral("mm右へ"), page);
        addOffset(grid, row, 4, QString(), name(line.down), QStringLiteral("mm下へ"), page);
        QLabel *sizeLabel = label(QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"), page);
        UpDown *size = upDown(name(line.size), page);
        grid->addWidget(sizeLabel, row, 7);
        grid->addWidget(size, row, 8);
        // The second free line prints at the size of the first; its own stays hidden.
        if (name(line.text) == QLatin1String("TEXT2")) {
            sizeLabel->hide();
            size->hide();
        }
        if (line.face) {
            grid->addWidget(label(QStringLiteral("フォント名"), page), row, 9);
            grid->addWidget(readOnlyField(name(line.face), page), row, 10);
        }
        ++row;
    }

    // The logo: its file and position. The frame behind the field answers a right click.
    grid->addWidget(label(QStringLiteral("ロゴマークファイル"), page, QStringLiteral("Label91")),
                    row, 0, Qt::AlignRight);
    auto *shape = new QFrame(page);
    shape->setObjectName(QStringLiteral("Shape15"));
    shape->setFrameShape(QFrame::Box);
    auto *shapeLayout = new QVBoxLayout(shape);
    shapeLayout->setContentsMargins(3, 3, 3, 3);
    shapeLayout->addWidget(textField(
        QStringLiteral("LOGO_NAME"), 12, shape, kTextWidth - 8,
        QStringLiteral("ロゴマーク印刷に使用するビットマップファイルを指定して下さい。")));
    grid->addWidget(shape, row, 1);
    grid->addWidget(label(QStringLiteral("ロゴマーク印字位置"), page), row, 2);
    addOffset(grid, row, 2, QString(), QStringLiteral("UpDown29"), QStringLiteral("mm右へ"), page);
    addOffset(grid, row, 4, QString(), QStringLiteral("UpDown30"), QStringLiteral("mm下へ"), page);
    ++row;

    // The overall positions of each kind of print.
    auto *overall = new QWidget(page);
    auto *groups = new QGridLayout(overall);
    groups->setContentsMargins(0, 6, 0, 0);
    struct Down
    {
        const char *caption;
        const char *control;
    };
    struct Overall
    {
        const char *heading;
        const char *right;
        std::initializer_list<Down> downs;
    };
    const Overall kinds[] = {
        {"５・７行印刷時の↓",
         "UpDown35",
         {{"上半分上端位置", "UpDown59"}, {"下半分上端位置", "UpDown68"}}},
        {"２４・３６行印刷時の↓", "UpDown57", {{"", "UpDown60"}}},
        {"明細請求書印刷時の↓", "UpDown58", {{"", "UpDown61"}}},
        {"領収証印刷時の↓",
         "UpDown1",
         {{"上半分上端位置", "UpDown34"}, {"下半分上端位置", "UpDown22"}}},
    };
    int column = 0;
    for (const Overall &kind : kinds) {
        auto *group = new QGroupBox(QStringLiteral("全体の印字位置"), overall);
        auto *inner = new QGridLayout(group);
        inner->setVerticalSpacing(2);
        inner->addWidget(label(QString::fromUtf8(kind.heading), group), 0, 0, 1, 3);
        addOffset(inner, 1, 0, QString(), QString::fromUtf8(kind.right), QStringLiteral("mm右へ"),
                  group);
        int downRow = 2;
        for (const Down &down : kind.downs)
            addOffset(inner, downRow++, 0, QString::fromUtf8(down.caption),
                      QString::fromUtf8(down.control), QStringLiteral("mm下へ"), group);
        inner->setRowStretch(downRow, 1);
        groups->addWidget(group, 0, column++);
    }
    auto *halfSheetNote =
        label(QStringLiteral("←A4用紙に上下二段に伝票を印刷する場合の位置設定です。"), overall);
    halfSheetNote->setWordWrap(false);
    groups->addWidget(halfSheetNote, 1, 0, 1, 4);
    grid->addWidget(overall, row, 0, 1, 11);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(11, 1);
    return page;
}

QWidget *TSetHanyou::buildTitlesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto *layout = new QGridLayout(page);

    auto *names = new QGroupBox(QStringLiteral("項目名の変更"), page);
    auto *namesGrid = new QGridLayout(names);
    const auto titleRow = [](QGridLayout *grid, int row, const char *caption, const char *name,
                             int maxBytes, QWidget *parent) {
        grid->addWidget(label(QString::fromUtf8(caption), parent), row, 0, Qt::AlignRight);
        grid->addWidget(textField(QString::fromUtf8(name), maxBytes, parent, 200), row, 1);
    };
    titleRow(namesGrid, 0, "品　　　名＝", "HINMEI", 100, names);
    titleRow(namesGrid, 1, "形状・寸法＝", "SUNPOU", 50, names);
    addOffset(namesGrid, 2, 0, QStringLiteral("印刷幅"), QStringLiteral("UpDown20"),
              QStringLiteral("mm"), names);
    addOffset(namesGrid, 3, 0, QStringLiteral("請求明細書印刷幅"), QStringLiteral("UpDown43"),
              QStringLiteral("mm"), names);
    titleRow(namesGrid, 4, "数　量 ＝", "KAZU_TXT", 20, names);
    titleRow(namesGrid, 5, "単　位 ＝", "TANI_TXT", 20, names);
    titleRow(namesGrid, 6, "単　価 ＝", "TANKA_TXT", 20, names);
    titleRow(namesGrid, 7, "金　額 ＝", "KIN_TXT", 20, names);
    namesGrid->setRowStretch(8, 1);
    layout->addWidget(names, 0, 0);

    auto *titles = new QGroupBox(QStringLiteral("タイトルの変更"), page);
    auto *titlesGrid = new QGridLayout(titles);
    titleRow(titlesGrid, 0, "納品書 ＝", "NOHIN_TXT", 20, titles);
    titleRow(titlesGrid, 1, "請求書 ＝", "SEQ_TXT", 20, titles);
    titleRow(titlesGrid, 2, "受領書 ＝", "JURYO_TXT", 20, titles);
    titleRow(titlesGrid, 3, "伝票控 ＝", "HIKAE_TXT", 20, titles);
    titleRow(titlesGrid, 4, "発注書 ＝", "CYUMON_TXT", 20, titles);
    titleRow(titlesGrid, 5, "見積依頼書 ＝", "IRAI_TXT", 36, titles);
    titleRow(titlesGrid, 6, "合計明細請求書 ＝", "MEISAI_TXT", 36, titles);
    titleRow(titlesGrid, 7, "合計明細請求書(控) ＝", "MEISAI_H_TXT", 36, titles);
    titlesGrid->setRowStretch(8, 1);
    layout->addWidget(titles, 0, 1);

    auto *bank = new QGroupBox(QStringLiteral("振　込　先"), page);
    auto *bankGrid = new QGridLayout(bank);
    const auto bankRow = [&](int row, const char *caption, const char *name) {
        bankGrid->addWidget(label(QString::fromUtf8(caption), bank), row, 0, Qt::AlignRight);
        bankGrid->addWidget(textField(QString::fromUtf8(name), 100, bank, 360), row, 1);
    };
    bankRow(0, "金融機関名 ＝", "KINYUU");
    bankRow(1, "口座番号　＝", "KOUZA");
    bankRow(2, "口座名義　＝", "MEIGI");
    bankRow(3, "金融機関名2 ＝", "KINYUU2");
    bankRow(4, "口座番号2　＝", "KOUZA2");
    bankRow(5, "口座名義2　＝", "MEIGI2");
    bankGrid->addWidget(label(QStringLiteral("例：振込先　大日本銀行　大手町支店"), bank), 0, 2);
    bankGrid->addWidget(label(QStringLiteral("例：普通　１２３４５６７８"), bank), 1, 2);
    bankGrid->addWidget(label(QStringLiteral("例：株式会社　ミラボ商事"), bank), 2, 2);
    bankGrid->setColumnStretch(3, 1);
    layout->addWidget(bank, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    return page;
}

QWidget *TSetHanyou::buildFontsAndColoursPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    auto *layout = new QVBoxLayout(page);

    auto *fonts = new QGroupBox(QStringLiteral("印刷フォント設定"), page);
    auto *fontGrid = new QGridLayout(fonts);
    struct FontRow
    {
        const char *button;
        const char *caption;
        const char *hint;
        const char *face;
        const char *size;
    };
    const FontRow fontRows[] = {
        {"KOTEI_BTN", "固定文字フォント", "印刷時の社名などのフォントを設定します。", "KOTEI_FONT",
         "KOTEI_SIZE"},
        {"DATA_BTN", "データ文字フォント", "印刷時の品名や単位などのフォントを設定します。",
         "DATA_FONT", "DATA_SIZE"},
        {"SUUTI_BTN", "数値フォント", "印刷時の数量や金額のフォントを設定します。", "SUUTI_FONT",
         "SUUTI_SIZE"},
    };
    int row = 0;
    for (const FontRow &font : fontRows) {
        fontGrid->addWidget(button(QString::fromUtf8(font.button), QString::fromUtf8(font.caption),
                                   fonts, QString::fromUtf8(font.hint), 160),
                            row, 0);
        fontGrid->addWidget(label(QStringLiteral("フォント名"), fonts), row, 1);
        fontGrid->addWidget(readOnlyField(QString::fromUtf8(font.face), fonts, 200), row, 2);
        QLabel *sizeLabel = label(QStringLiteral("サイズ"), fonts);
        QLineEdit *size = readOnlyField(QString::fromUtf8(font.size), fonts, 50);
        fontGrid->addWidget(sizeLabel, row, 3);
        fontGrid->addWidget(size, row, 4);
        // The fixed texts' size is kept but not shown: the forms size them themselves.
        if (row == 0) {
            sizeLabel->hide();
            size->hide();
        }
        ++row;
    }
    addOffset(fontGrid, row, 0, QStringLiteral("顧客名・宛先などのフォントサイズ→"),
              QStringLiteral("UpDown65"), QString(), fonts);
    fontGrid->setColumnStretch(5, 1);
    layout->addWidget(fonts);

    auto *colours = new QGroupBox(QStringLiteral("印刷色設定"), page);
    auto *colourGrid = new QGridLayout(colours);
    int index = 0;
    for (const ColourButton &colour : colourButtons) {
        const int r = index % 6;
        const int c = (index / 6) * 3;
        colourGrid->addWidget(
            button(QString::fromUtf8(colour.button), QString::fromUtf8(colour.caption), colours), r,
            c);
        colourGrid->addWidget(new ColourSwatch(QString::fromUtf8(colour.swatch), colours), r,
                              c + 1);
        ++index;
    }
    colourGrid->setColumnStretch(6, 1);
    layout->addWidget(colours);
    layout->addStretch(1);
    return page;
}

QWidget *TSetHanyou::buildLinesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet6"));
    auto *layout = new QGridLayout(page);

    auto *lines = new QWidget(page);
    auto *linesGrid = new QGridLayout(lines);
    addOffset(linesGrid, 0, 0, QStringLiteral("枠太さ"), QStringLiteral("UpDown21"),
              QStringLiteral("ﾃﾞﾌｫﾙﾄは7ﾎﾟｲﾝﾄ"), lines);
    addOffset(linesGrid, 1, 0, QStringLiteral("角の丸み"), QStringLiteral("UpDown24"),
              QStringLiteral("ﾃﾞﾌｫﾙﾄは30ﾎﾟｲﾝﾄ"), lines);
    addOffset(linesGrid, 2, 0, QStringLiteral("切り取り線位置"), QStringLiteral("UpDown31"),
              QStringLiteral("mm　下へ"), lines);
    addOffset(linesGrid, 3, 0, QStringLiteral("パンチ穴用中央線位置"), QStringLiteral("UpDown32"),
              QStringLiteral("mm　下へ　５・７行印刷の上側"), lines);
    addOffset(linesGrid, 4, 0, QStringLiteral("パンチ穴用中央線位置２"), QStringLiteral("UpDown52"),
              QStringLiteral("mm　下へ　５・７行印刷の下側"), lines);
    addOffset(linesGrid, 5, 0, QStringLiteral("パンチ穴用中央線位置３"), QStringLiteral("UpDown56"),
              QStringLiteral("mm　下へ　２４・３６行印刷の場合"), lines);
    linesGrid->addWidget(checkBox(QStringLiteral("PANCH_CHK"),
                                  QStringLiteral("パンチ穴用中心補助線印刷する"), lines),
                         6, 0, 1, 3);
    linesGrid->setRowStretch(7, 1);
    layout->addWidget(lines, 0, 0);
    // The number fields of the tenths controls keep their own names.
    const std::pair<const char *, const char *> tenthsFields[] = {
        {"UpDown31", "CenterEdit14"},
        {"UpDown32", "CenterEdit15"},
        {"UpDown52", "CenterEdit20"},
        {"UpDown56", "CenterEdit21"},
    };
    for (const auto &[control, field] : tenthsFields)
        lines->findChild<UpDown *>(QString::fromUtf8(control))
            ->setFieldName(QString::fromUtf8(field));

    auto *frame = new QGroupBox(QStringLiteral("住所枠など"), page);
    auto *frameGrid = new QGridLayout(frame);
    frameGrid->addWidget(
        checkBox(QStringLiteral("JUSYO_WAKU_CHK"), QStringLiteral("住所枠印刷する"), frame), 0, 0,
        1, 3);
    frameGrid->addWidget(
        checkBox(QStringLiteral("MADO_CHK"), QStringLiteral("住所枠を窓付き封筒用にする"), frame),
        1, 0, 1, 3);
    addOffset(frameGrid, 2, 0, QStringLiteral("住所枠印刷位置"), QStringLiteral("UpDown62"),
              QStringLiteral("mm　右へ"), frame);
    addOffset(frameGrid, 3, 0, QStringLiteral("住所枠印刷高さ"), QStringLiteral("UpDown63"),
              QStringLiteral("mm　高く"), frame);
    addOffset(frameGrid, 4, 0, QStringLiteral("住所文字印刷位置"), QStringLiteral("UpDown64"),
              QStringLiteral("mm　下へ"), frame);
    addOffset(frameGrid, 5, 0, QStringLiteral("明細請求書住所枠印刷位置"),
              QStringLiteral("UpDown36"), QStringLiteral("mm　右へ"), frame);
    auto *frameNote = label(QStringLiteral("住所枠位置・住所枠高さ・住所文字位置などは「住所枠を窓"
                                           "付き封筒用にする」をチェックすると有効になります。"),
                            frame);
    frameNote->setWordWrap(true);
    frameNote->setFixedWidth(420);
    frameGrid->addWidget(frameNote, 6, 0, 1, 3);
    layout->addWidget(frame, 0, 1);

    auto *envelope = new QGroupBox(QStringLiteral("封筒関係"), page);
    auto *envelopeGrid = new QGridLayout(envelope);
    envelopeGrid->addWidget(
        checkBox(QStringLiteral("JISYA_CHK"), QStringLiteral("封筒自社名印刷する。"), envelope), 0,
        0, 1, 6);
    addOffset(envelopeGrid, 1, 0, QStringLiteral("宛先位置"), QStringLiteral("UpDown38"),
              QStringLiteral("mm　右へ"), envelope);
    addOffset(envelopeGrid, 1, 3, QString(), QStringLiteral("UpDown37"), QStringLiteral("mm　下へ"),
              envelope);
    addOffset(envelopeGrid, 2, 0, QStringLiteral("自社名位置"), QStringLiteral("UpDown66"),
              QStringLiteral("mm　右へ"), envelope);
    addOffset(envelopeGrid, 2, 3, QString(), QStringLiteral("UpDown67"), QStringLiteral("mm　下へ"),
              envelope);
    envelopeGrid->addWidget(
        label(QStringLiteral("自社名フォント色"), envelope, QStringLiteral("JISYA_COLOR_LABEL")), 3,
        0, Qt::AlignRight);
    envelopeGrid->addWidget(new ColourSwatch(QStringLiteral("JISYA_COLOR"), envelope), 3, 1);
    envelopeGrid->addWidget(checkBox(QStringLiteral("SANGOU"),
                                     QStringLiteral("プリンタの用紙設定を封筒長形３号で印刷する。"),
                                     envelope),
                            4, 0, 1, 6);
    envelopeGrid->setColumnStretch(6, 1);
    layout->addWidget(envelope, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    return page;
}

QWidget *TSetHanyou::buildOptionsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet7"));
    auto *layout = new QGridLayout(page);

    auto *choices = new QWidget(page);
    auto *choiceLayout = new QVBoxLayout(choices);
    choiceLayout->setContentsMargins(0, 0, 0, 0);
    choiceLayout->addWidget(new RadioGroup(QStringLiteral("keisyou"), QStringLiteral("顧客敬称"),
                                           {QStringLiteral("御中"), QStringLiteral("様")},
                                           choices));
    choiceLayout->addWidget(new RadioGroup(
        QStringLiteral("KIRISUTE"), QStringLiteral("端数処理"),
        {QStringLiteral("切り捨て"), QStringLiteral("切り上げ"), QStringLiteral("四捨五入")},
        choices));
    choiceLayout->addWidget(
        checkBox(QStringLiteral("HEISEI"), QStringLiteral("西暦印字する"), choices));
    choiceLayout->addWidget(
        checkBox(QStringLiteral("ZERO_CHK"), QStringLiteral("ゼロ（0）の印字する"), choices));
    choiceLayout->addStretch(1);
    layout->addWidget(choices, 0, 0, 2, 1);

    auto *receipt = new QGroupBox(page);
    auto *receiptGrid = new QGridLayout(receipt);
    receiptGrid->addWidget(checkBox(QStringLiteral("SMALL_RYO_CHK"),
                                    QStringLiteral("領収証小さいサイズにする"), receipt),
                           0, 0, 1, 3);
    receiptGrid->addWidget(checkBox(QStringLiteral("CROSS_CHK"),
                                    QStringLiteral("小さい領収証模様をクロスにする"), receipt),
                           1, 0, 1, 3);
    receiptGrid->addWidget(checkBox(QStringLiteral("RYO_HIKAE_CHK"),
                                    QStringLiteral("領収証模様控えは印刷しない"), receipt),
                           2, 0, 1, 3);
    addOffset(receiptGrid, 3, 0, QStringLiteral("小さい領収証印刷位置上端位置"),
              QStringLiteral("UpDown33"), QStringLiteral("mm　下へ"), receipt);
    receiptGrid->addWidget(
        label(QStringLiteral("小さい領収証の模様の色"), receipt, QStringLiteral("RYO_COLOR_LABEL")),
        4, 0, Qt::AlignRight);
    receiptGrid->addWidget(new ColourSwatch(QStringLiteral("RYO_COLOR"), receipt), 4, 1);
    receiptGrid->addWidget(
        label(QStringLiteral("領収証内模様ファイル↓"), receipt, QStringLiteral("Label46")), 5, 0, 1,
        3);
    receiptGrid->addWidget(textField(QStringLiteral("MOYOU_FILE"), 12, receipt, 300,
                                     QStringLiteral("領収証内の模様に使用するファイルを選択")),
                           6, 0, 1, 3);
    receiptGrid->setColumnStretch(3, 1);
    layout->addWidget(receipt, 0, 1);

    auto *options = new QWidget(page);
    auto *optionLayout = new QVBoxLayout(options);
    optionLayout->setContentsMargins(0, 0, 0, 0);
    optionLayout->setSpacing(3);
    optionLayout->addWidget(checkBox(QStringLiteral("UTI_HYOUJI_CHK"),
                                     QStringLiteral("内税時に「税額」表示を「内税」表示にする"),
                                     options));
    optionLayout->addWidget(checkBox(QStringLiteral("KATKO_CHK"),
                                     QStringLiteral("内税時に消費税額を（）で囲む"), options));
    optionLayout->addWidget(checkBox(
        QStringLiteral("KAKI_CHK"), QStringLiteral("「下記の通り・・・・」を印字しない"), options));
    optionLayout->addWidget(
        checkBox(QStringLiteral("KAKI_MEI_CHK"),
                 QStringLiteral("明細請求書の「・・・下記の通り・・・・」を印字しない"), options));
    optionLayout->addWidget(checkBox(QStringLiteral("RIEKI_CHK"),
                                     QStringLiteral("原価率を利益率表示にする。"), options,
                                     QStringLiteral("原価率を利益率表示に切り替えます。")));
    optionLayout->addWidget(checkBox(QStringLiteral("SYOSIKI2"),
                                     QStringLiteral("明細請求書印刷で「書式２号」を使用する。"),
                                     options, QStringLiteral("入金や繰越を印刷できます。")));
    optionLayout->addWidget(checkBox(
        QStringLiteral("FORDA_CHG"), QStringLiteral("伝票登録時に「自動フォルダ切替機能」を使う。"),
        options,
        QStringLiteral("顧客名を判別してその顧客のフォルダに自動的に切替えて登録します。")));
    layout->addWidget(options, 1, 1);

    auto *a5 = new QWidget(page);
    auto *a5Layout = new QVBoxLayout(a5);
    a5Layout->setContentsMargins(0, 0, 0, 0);
    auto *a5Heading = label(QStringLiteral("５行・７行伝票及び領収証（大）印刷時に「プリンタの設定"
                                           "」を「Ａ５用紙」にする場合↓"),
                            a5);
    a5Layout->addWidget(a5Heading);
    a5Layout->addWidget(
        checkBox(QStringLiteral("A5_TATE_CHK"),
                 QStringLiteral("５・７行伝票印刷・領収証印刷でプリンタの用紙設定を「Ａ５」・ "
                                "「印刷の向き横」・「用紙タテ挿入」で使用する"),
                 a5, QStringLiteral("用紙はタテ挿入です。")));
    QCheckBox *sideways = checkBox(
        QStringLiteral("A5_YOKO_CHK"),
        QStringLiteral("プリンタの用紙設定を「Ａ５」 「印刷の向き縦」「用紙ヨコ挿入」で使用する"),
        a5, QStringLiteral("用紙はヨコ挿入です。"));
    sideways->hide();
    a5Layout->addWidget(sideways);
    a5Layout->addWidget(label(QStringLiteral("５・７行印刷時にプリンタの用紙設定をＡ４用紙にしてＡ"
                                             "５用紙に印刷する場合は、上記のチェックを外してくださ"
                                             "い。↑"),
                              a5));
    layout->addWidget(a5, 2, 0, 1, 2);
    layout->addWidget(qualifiedInvoiceGroup(page), 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(2, 1);
    return page;
}

void TSetHanyou::buildWindow()
{
    setWindowTitle(QStringLiteral("各種設定"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 0);
    layout->setSpacing(4);

    auto *toolBar = new QHBoxLayout;
    SpeedButton4 = button(QStringLiteral("SpeedButton4"), QStringLiteral("閉じる"), this,
                          QStringLiteral("設定プログラムを終了します。"), 70);
    SpeedButton16 = button(QStringLiteral("SpeedButton16"), QStringLiteral("登録"), this,
                           QStringLiteral("各設定を登録します。"), 70);
    for (QToolButton *tool : {SpeedButton4, SpeedButton16}) {
        tool->setFixedHeight(40);
        toolBar->addWidget(tool);
    }
    toolBar->addSpacing(20);
    toolBar->addWidget(label(QStringLiteral("設定名"), this));
    SET_NAME = textField(QStringLiteral("SET_NAME"), 100, this, 360,
                         QStringLiteral("プリンタ名等を適当に入力してください。"));
    toolBar->addWidget(SET_NAME);
    toolBar->addStretch(1);
    layout->addLayout(toolBar);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildCompanyPage(), QStringLiteral("自社名印刷項目"));
    PageControl1->addTab(buildTitlesPage(), QStringLiteral("項目名・振込先"));
    categories = new CategoryNameEditor;
    categories->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(categories, QStringLiteral("部品分類名編集"));
    PageControl1->addTab(buildFontsAndColoursPage(), QStringLiteral("フォント＆色設定"));
    PageControl1->addTab(buildLinesPage(), QStringLiteral("太さ・位置・住所枠他"));
    PageControl1->addTab(buildOptionsPage(), QStringLiteral("消費税・領収証他"));
    layout->addWidget(PageControl1, 1);

    auto *statusBar = new QHBoxLayout;
    statusBar->setContentsMargins(0, 0, 0, 2);
    auto *panel1 = new QLabel(this);
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Sunken);
    panel1->setFixedWidth(200);
    StatusBar1Panel2 = new QLabel(this);
    StatusBar1Panel2->setObjectName(QStringLiteral("StatusBar1Panel2"));
    StatusBar1Panel2->setFrameShape(QFrame::Panel);
    StatusBar1Panel2->setFrameShadow(QFrame::Sunken);
    statusBar->addWidget(panel1);
    statusBar->addWidget(StatusBar1Panel2, 1);
    layout->addLayout(statusBar);
}

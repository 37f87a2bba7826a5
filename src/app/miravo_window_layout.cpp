// Building the controls of the main window at their design positions.
#include "miravo_window.h"

#include "click_label.h"
#include "command_actions.h"
#include "common/byte_limit_validator.h"
#include "files/file_browser_panel.h"
#include "files/search_panel.h"
#include "master/choice_list_box.h"
#include "master/choice_lists.h"
#include "master/customer_cell_editors.h"
#include "master/customer_grid.h"
#include "master/parts_catalogue.h"
#include "master/parts_cell_editors.h"
#include "print/layout_registry.h"
#include "slip/item_cell_editors.h"
#include "slip/item_grid_view.h"
#include "slip/numeric_edit.h"
#include "slip/string_grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kFieldHeight = 20;

QLabel *placeLabel(QWidget *parent, const QString &text, int left, int top, int width = -1)
{
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    if (width > 0)
        label->resize(width, kFieldHeight);
    else
        label->adjustSize();
    return label;
}

QLineEdit *placeLineEdit(QWidget *parent, const QString &name, int left, int top, int width,
                         bool inputMethod)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, kFieldHeight);
    edit->setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
    if (!inputMethod)
        edit->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    return edit;
}

NumEdit *placeNumEdit(QWidget *parent, const QString &name, const QRect &geometry,
                      int integerDigits, int decimals)
{
    auto *edit = new NumEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setIntegerDigits(integerDigits);
    edit->setDecimals(decimals);
    edit->setSelectAllOnClick(true);
    return edit;
}

ChoiceListBox *placeChoiceList(QWidget *parent, const QString &name, int left, int top, int width)
{
    auto *combo = new ChoiceListBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(left, top, width, kFieldHeight + 2);
    return combo;
}

QCheckBox *placeCheckBox(QWidget *parent, const QString &name, const QString &caption, int left,
                         int top)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setFocusPolicy(Qt::ClickFocus);
    box->move(left, top);
    box->adjustSize();
    return box;
}

QToolButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

void TMIRAVO::buildWindow()
{
    setWindowTitle(QStringLiteral("MIRAVO"));
    setObjectName(QStringLiteral("MIRAVO"));
    QFont windowFont(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(12);
    setFont(windowFont);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    commands = new CommandActions(this);
    buildToolbar();
    buildHeader();
    buildOptions();
    buildHiddenFields();
    buildFormattingButtons();
    buildItemGrid();
    buildCommandStrip();
    buildStatusBar();
    buildOverlays();
    buildMenus();
    buildSlipNumberMenu();
    buildCommands();
    resize(1024, 740);
}

void TMIRAVO::buildToolbar()
{
    ToolBar1 = new QToolBar(centralWidget());
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, 1024, 59);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);

    const auto add = [this](QToolButton *&button, const char *name, const char *caption) {
        button = makeButton(ToolBar1, QString::fromLatin1(name), QString::fromUtf8(caption));
        button->setFixedSize(56, 55);
        ToolBar1->addWidget(button);
    };
    add(SpeedButton4, "SpeedButton4", "終了");
    add(SpeedButton3, "SpeedButton3", "ﾌｧｲﾙ");
    add(SpeedButton5, "SpeedButton5", "登録");
    add(SpeedButton6, "SpeedButton6", "印刷");
    add(SpeedButton11, "SpeedButton11", "白紙");
    add(SpeedButton16, "SpeedButton16", "領収証");
    add(SpeedButton7, "SpeedButton7", "先頭");
    add(SpeedButton8, "SpeedButton8", "前");
    add(SpeedButton9, "SpeedButton9", "次");
    add(SpeedButton10, "SpeedButton10", "最後");
    add(SpeedButton1, "SpeedButton1", "設定");
    add(SpeedButton18, "SpeedButton18", "封筒");
    add(SpeedButton30, "SpeedButton30", "ﾌﾟﾚﾋﾞｭｰ");
    add(SpeedButton19, "SpeedButton19", "検索");
    add(SpeedButton23, "SpeedButton23", "部品");
    add(SpeedButton26, "SpeedButton26", "説明");
    SpeedButton14 =
        makeButton(centralWidget(), QStringLiteral("SpeedButton14"), QStringLiteral("行挿入"));
    SpeedButton13 =
        makeButton(centralWidget(), QStringLiteral("SpeedButton13"), QStringLiteral("行削除"));
    SpeedButton14->hide();
    SpeedButton13->hide();
}

void TMIRAVO::buildHeader()
{
    QWidget *client = centralWidget();
    placeLabel(client, QStringLiteral("顧客名"), 20, 64);
    NAME1 = placeLineEdit(client, QStringLiteral("NAME1"), 64, 62, 300, true);
    NAME2 = placeLineEdit(client, QStringLiteral("NAME2"), 368, 62, 225, true);
    Tel = placeLineEdit(client, QStringLiteral("Tel"), 598, 62, 20, false);
    Tel->setFocusPolicy(Qt::ClickFocus);
    Label6 = placeLabel(client, QString(), 624, 58, 40);
    Label6->resize(40, 28);
    TITLE = placeLineEdit(client, QStringLiteral("TITLE"), 664, 62, 345, true);
    TITLE->setValidator(new ByteLimitValidator(230, TITLE));

    placeLabel(client, QStringLiteral("伝票№"), 20, 88);
    Bangou = placeLineEdit(client, QStringLiteral("Bangou"), 64, 86, 113, false);
    DATE_CHECK =
        placeCheckBox(client, QStringLiteral("DATE_CHECK"), QStringLiteral("日付なし"), 224, 88);
    placeLabel(client, QStringLiteral("日付"), 306, 88);
    DTP1 = new QDateTimeEdit(client);
    DTP1->setObjectName(QStringLiteral("DTP1"));
    DTP1->setDisplayFormat(QStringLiteral("yyyy'年'M'月'd'日'"));
    DTP1->setCalendarPopup(true);
    DTP1->setGeometry(336, 86, 120, kFieldHeight + 2);
    Path = new ClickLabel(QStringLiteral("DataPath = "), client);
    Path->setObjectName(QStringLiteral("Path"));
    Path->setGeometry(456, 88, 160, kFieldHeight);

    placeLabel(client, QStringLiteral("〒"), 44, 110);
    YUBIN = placeLineEdit(client, QStringLiteral("YUBIN"), 64, 108, 73, false);
    placeLabel(client, QStringLiteral("住所１"), 154, 110);
    ADD1 = placeLineEdit(client, QStringLiteral("ADD1"), 192, 108, 297, true);

    placeLabel(client, QStringLiteral("敬称"), 32, 136);
    KEISYOU = placeChoiceList(client, QStringLiteral("KEISYOU"), 64, 134, 73);
    KEISYOU->loadItems(ChoiceLists::builtInHonorifics());
    KEISYOU->setFocusPolicy(Qt::ClickFocus);
    placeLabel(client, QStringLiteral("住所２"), 154, 136);
    ADD_2 = placeLineEdit(client, QStringLiteral("ADD_2"), 192, 134, 297, true);

    placeLabel(client, QStringLiteral("入力者名"), 16, 160);
    Tanto = placeChoiceList(client, QStringLiteral("Tanto"), 64, 158, 113);

    for (QWidget *field : headerOrder())
        watchHeaderField(field);
    watchHeaderField(Tel);
    watchHeaderField(KEISYOU);
    QWidget::setTabOrder(NAME1, NAME2);
    QWidget::setTabOrder(NAME2, TITLE);
    QWidget::setTabOrder(TITLE, Bangou);
    QWidget::setTabOrder(Bangou, DTP1);
    QWidget::setTabOrder(DTP1, YUBIN);
    QWidget::setTabOrder(YUBIN, ADD1);
    QWidget::setTabOrder(ADD1, ADD_2);
    QWidget::setTabOrder(ADD_2, Tanto);
}

void TMIRAVO::buildOptions()
{
    QWidget *client = centralWidget();
    SOTOZEI = new QRadioButton(QStringLiteral("外税伝票"), client);
    UTIZEI = new QRadioButton(QStringLiteral("内税伝票"), client);
    HIKAZEI = new QRadioButton(QStringLiteral("非課税伝票"), client);
    taxModeGroup = new QButtonGroup(this);
    int top = 108;
    int id = 0;
    for (QRadioButton *radio : {SOTOZEI, UTIZEI, HIKAZEI}) {
        radio->setObjectName(QStringList{"SOTOZEI", "UTIZEI", "HIKAZEI"}.at(id));
        radio->setFocusPolicy(Qt::ClickFocus);
        radio->move(504, top);
        radio->adjustSize();
        taxModeGroup->addButton(radio, id++);
        top += id == 1 ? 17 : 16;
    }
    SOTOZEI->setChecked(true);

    HATYUU = placeCheckBox(client, QStringLiteral("HATYUU"), QStringLiteral("発注書"), 624, 112);
    IRAI = placeCheckBox(client, QStringLiteral("IRAI"), QStringLiteral("見積依頼書"), 624, 136);
    A5 = placeCheckBox(client, QStringLiteral("A5"), QStringLiteral("Ａ5用紙"), 720, 136);
    Sunpou =
        placeCheckBox(client, QStringLiteral("Sunpou"), QStringLiteral("形状・寸法"), 624, 160);
    Sunpou->setChecked(true);
    NOUHIN = placeCheckBox(client, QStringLiteral("NOUHIN"), QStringLiteral("納品書"), 720, 160);
    SEIKYUU = placeCheckBox(client, QStringLiteral("SEIKYUU"), QStringLiteral("請求書"), 789, 160);
    JURYOU = placeCheckBox(client, QStringLiteral("JURYOU"), QStringLiteral("受領書"), 859, 160);
    HIKAE = placeCheckBox(client, QStringLiteral("HIKAE"), QStringLiteral("伝票控"), 928, 160);

    PRN_S = new QGroupBox(QStringLiteral("印刷種類"), client);
    PRN_S->setObjectName(QStringLiteral("PRN_S"));
    PRN_S->setGeometry(944, 86, 65, 73);
    auto *prnLayout = new QVBoxLayout(PRN_S);
    prnLayout->setContentsMargins(4, 2, 2, 2);
    prnLayout->setSpacing(0);
    PRN_SGroup = new QButtonGroup(this);
    id = 0;
    for (const char *caption : {"５行", "７行", "24行", "36行"}) {
        auto *radio = new QRadioButton(QString::fromUtf8(caption), PRN_S);
        radio->setFocusPolicy(Qt::ClickFocus);
        prnLayout->addWidget(radio);
        PRN_SGroup->addButton(radio, id++);
    }
    PRN_SGroup->button(0)->setChecked(true);
    // A choice whose layout is not part of the program must not be offered: it would print
    // nothing.
    for (int layout = 0; layout < PRN_SGroup->buttons().size(); ++layout)
        PRN_SGroup->button(layout)->setEnabled(layoutAvailable(layout));

    // The paper orientation choice has no place on the window; it is kept as a group of
    // radio buttons that are never shown.
    MUKI = new QButtonGroup(this);
    id = 0;
    for (const char *caption : {"タテ", "ヨコ", "なし"}) {
        auto *radio = new QRadioButton(QString::fromUtf8(caption), client);
        radio->hide();
        MUKI->addButton(radio, id++);
    }
    MUKI->button(0)->setChecked(true);

    placeLabel(client, QStringLiteral("合計金額"), 736, 110);
    TOTALKIN = placeLineEdit(client, QStringLiteral("TOTALKIN"), 784, 106, 153, false);
    TOTALKIN->setReadOnly(true);
    TOTALKIN->setFocusPolicy(Qt::NoFocus);
    TOTALKIN->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont totalFont = TOTALKIN->font();
    totalFont.setPixelSize(19);
    TOTALKIN->setFont(totalFont);
    TOTALKIN->resize(153, 26);
    TOTALKIN->setStyleSheet(QStringLiteral("color: blue;"));

    placeLabel(client, QStringLiteral("掛率"), 798, 138);
    KAKERITU = placeNumEdit(client, QStringLiteral("KAKERITU"), {824, 136, 41, kFieldHeight}, 3, 3);
    KAKERITU->setToolTip(QStringLiteral("例　1.25"));
    placeLabel(client, QStringLiteral("丸め桁"), 876, 138);
    MARUME = placeNumEdit(client, QStringLiteral("MARUME"), {913, 136, 25, kFieldHeight}, 1, 0);
    MARUME->setToolTip(QStringLiteral("未入力は小数点以下2桁、０は整数そのまま、以外はその桁まで"
                                      "０にします。"));
    // Both take the focus colour as the header fields do.
    watchHeaderField(KAKERITU);
    watchHeaderField(MARUME);

    connect(Sunpou, &QCheckBox::toggled, this, &TMIRAVO::applySunpouWidths);
}

void TMIRAVO::buildHiddenFields()
{
    QWidget *client = centralWidget();
    for (ChoiceListBox **combo : {&Nouki, &Basyo, &Kigen}) {
        *combo = new ChoiceListBox(client);
        (*combo)->hide();
    }
    NameX = new QComboBox(client);
    NameX->setEditable(true);
    NameX->hide();
    Nouki->setObjectName(QStringLiteral("Nouki"));
    Basyo->setObjectName(QStringLiteral("Basyo"));
    Kigen->setObjectName(QStringLiteral("Kigen"));
    NameX->setObjectName(QStringLiteral("NameX"));
    Add = new QLineEdit(client);
    Add2 = new QLineEdit(client);
    Add->setObjectName(QStringLiteral("Add"));
    Add2->setObjectName(QStringLiteral("Add2"));
    Add->hide();
    Add2->hide();
}

void TMIRAVO::buildFormattingButtons()
{
    struct Entry
    {
        QToolButton *&button;
        const char *name;
        const char *caption;
    };
    const Entry entries[] = {
        {SpeedButton2, "SpeedButton2", "ﾌｫｰｶｽ色"},
        {SpeedButton62, "SpeedButton62", "ｲﾝﾃﾞﾝﾄ"},
        {SpeedButton63, "SpeedButton63", "ｲﾝﾃﾞﾝﾄ削除"},
        {SpeedButton61, "SpeedButton61", "番号付け"},
        {SpeedButton15, "SpeedButton15", "ｸﾞﾘｯﾄﾞ色"},
        {SpeedButton17, "SpeedButton17", "文字色"},
        {KAKERITU_IKATU, "KAKERITU_IKATU", "掛率一括"},
    };
    int left = 185;
    const int width = (619 - 185) / int(std::size(entries));
    for (const Entry &entry : entries) {
        entry.button = makeButton(centralWidget(), QString::fromLatin1(entry.name),
                                  QString::fromUtf8(entry.caption));
        entry.button->setGeometry(left, 158, width - 2, 22);
        entry.button->setEnabled(false);
        left += width;
    }
}

void TMIRAVO::buildItemGrid()
{
    SG1Cells = &slip.items();
    SG1 = new ItemGridView(SG1Cells, centralWidget());
    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->setGeometry(20, 184, 979, 464);

    cellEditors = new ItemCellEditors(SG1, *this);
    EditP = cellEditors->EditP;
    Edit1 = cellEditors->Edit1;
    NumP = cellEditors->NumP;
    NumEdit1 = cellEditors->NumEdit1;
    // The editors move through the grid with Enter themselves.
    Edit1->setProperty("ownsEnterKey", true);
    NumEdit1->setProperty("ownsEnterKey", true);
}

bool TMIRAVO::sizeColumnShown() const
{
    return Sunpou->isChecked();
}

bool TMIRAVO::returnToPartsCatalogue()
{
    return partsCatalogue->returnAfterItemRow();
}

bool TMIRAVO::otherGridHasFocus() const
{
    return SG_K->editors()->hasFocus() || partsCatalogue->editors->hasFocus();
}

void TMIRAVO::hideOverlaysForCatalogue()
{
    hideTotalsGrid();
    hideFilePanel();
}

void TMIRAVO::setSizeColumnShown(bool shown)
{
    Sunpou->setChecked(shown);
}

void TMIRAVO::buildCommandStrip()
{
    QWidget *client = centralWidget();
    SpeedButton24 = makeButton(client, QStringLiteral("SpeedButton24"), QString());
    SpeedButton24->setGeometry(2, 653, 14, 18);
    SpeedButton24->setToolTip(QStringLiteral("部品グリッドセルサイズを既定値に戻します。"));
    StaticText1 = placeLabel(client, MainMenu::ctrlLabelCaption(), 20, 655);
    StaticText1->setToolTip(MainMenu::ctrlLabelHint());

    const int first = 56;
    const int width = (999 - first) / MainMenu::labelCount;
    int left = first;
    for (const CommandLabel &entry : MainMenu::labels()) {
        auto *label = new ClickLabel(entry.caption, client);
        label->setObjectName(entry.name);
        label->setGeometry(left, 653, width - 3, 18);
        label->setAlignment(Qt::AlignCenter);
        // The label of a command that is not available turns grey, whatever its colour.
        label->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: %2; }"
                                            " QLabel:disabled { background-color: #d4d0c8;"
                                            " color: #808080; }")
                                 .arg(entry.background.name(), entry.text.name()));
        commandLabels.append(label);
        left += width;
    }
    SpeedButton22 = makeButton(client, QStringLiteral("SpeedButton22"), QString());
    SpeedButton22->setGeometry(1004, 653, 14, 18);
    SpeedButton22->setEnabled(false);
}

void TMIRAVO::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(26);
    bar->setSizeGripEnabled(false);
    const int widths[] = {30, 150, 170, 170, 170, 170, 170, 50};
    int panel = 0;
    for (int width : widths) {
        auto *label = new QLabel(bar);
        label->setFixedWidth(width);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (panel >= 1 && panel <= 6)
            label->setAlignment(Qt::AlignCenter);
        bar->addWidget(label);
        statusPanels.append(label);
        ++panel;
    }
}

QString TMIRAVO::panelText(int panel) const
{
    return statusPanels.value(panel) ? statusPanels.at(panel)->text() : QString();
}

void TMIRAVO::setPanelText(int panel, const QString &text)
{
    if (QLabel *label = statusPanels.value(panel))
        label->setText(text);
}

void TMIRAVO::buildOverlays()
{
    partsCatalogue = new PartsCatalogue(centralWidget(), SG1, cellEditors, *this);
    connect(Sunpou, &QCheckBox::toggled, partsCatalogue, &PartsCatalogue::applySizeColumn);
    connect(SpeedButton24, &QToolButton::clicked, partsCatalogue,
            &PartsCatalogue::SpeedButton24Click);
    Panel1 = new FileBrowserPanel(centralWidget());
    connect(Panel1, &FileBrowserPanel::folderChanged, this,
            [this](const QString &folder, int lastIndex) {
                Path->setText(QStringLiteral("DataPath = ") + folder);
                if (lastIndex >= 0)
                    browsePosition = lastIndex;
            });
    connect(Panel1, &FileBrowserPanel::closeRequested, this, [this] {
        Panel1->hide();
        SG1->setFocus();
    });
    KensakuP = new SearchPanel(Panel1, &searchCancelled, centralWidget());
    connect(KensakuP, &SearchPanel::openRequested, this, &TMIRAVO::FileListBox1DblClick);
    connect(KensakuP, &SearchPanel::closed, this, [this] { SG1->setFocus(); });
    // A click on the folder label toggles the panel too.
    connect(static_cast<ClickLabel *>(Path), &ClickLabel::released, this,
            [this](Qt::MouseButton button) {
                if (button == Qt::LeftButton)
                    commands->command(MenuCommand::FilePanel)->trigger();
            });
    buildCustomerList();
    buildStatementOverlays();
}

// The print settings dialog: creation, activation, the binding of its controls to the key
// catalogue, and what its buttons, swatches and fields do.
#include "settings_dialog.h"

#include "category_name_editor.h"
#include "colour_buttons.h"
#include "common/clock.h"
#include "common/japanese.h"
#include "common/prompter.h"
#include "print_ini.h"
#include "settings_controls.h"
#include "settings_dialog_host.h"
#include "settings_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

namespace {

constexpr int kWhite = 16777215;
constexpr int kYellow = 65535;

// The fields that show the focus in yellow.
const char *const focusFields[] = {
    "SET_NAME",  "TEXT1",      "TEXT2",        "K_NAME",    "siten",      "ubin",      "add1",
    "add2",      "tel",        "fax",          "HINMEI",    "SUNPOU",     "KAZU_TXT",  "TANI_TXT",
    "TANKA_TXT", "KIN_TXT",    "NOHIN_TXT",    "SEQ_TXT",   "JURYO_TXT",  "HIKAE_TXT", "CYUMON_TXT",
    "IRAI_TXT",  "MEISAI_TXT", "MEISAI_H_TXT", "KINYUU",    "KOUZA",      "MEIGI",     "KINYUU2",
    "KOUZA2",    "MEIGI2",     "KOTEI_FONT",   "DATA_FONT", "SUUTI_FONT",
};

// The face fields of the company block; their sizes stay with the spin controls.
const QStringList faceFields = {QStringLiteral("TXT1_FONT"), QStringLiteral("K_NAME_FONT"),
                                QStringLiteral("SITEN_FONT"), QStringLiteral("UBIN_FONT")};

QString name(const char *text)
{
    return QString::fromUtf8(text);
}

// The picture files a logo or a receipt pattern may be: bitmaps first, as the forms always
// took them, and whatever else the picture loader reads.
QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    return QStringLiteral("ビットマップ (*.bmp);;画像ファイル (%1)").arg(patterns.join(u' '));
}

} // namespace

TSetHanyou::TSetHanyou(SettingsDialogHost &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
{
    buildWindow();
    connectBehaviour();
    move(m_host.hostPosition());
    resize(1024, 740);
    showValues(PrintSettings::designState());
    YOMIKOMI();
    categories->prepareMajorList();
    PageControl1->setCurrentIndex(0);
    showDate();
}

TSetHanyou::~TSetHanyou() = default;

void TSetHanyou::connectBehaviour()
{
    // Enter moves on, the focus shows in yellow, the face and picture fields open their
    // choosers, the labels that switch a picture off answer a click. The dialog watches them
    // all in one place.
    for (QWidget *child : findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(child) || qobject_cast<QAbstractSpinBox *>(child))
            child->installEventFilter(this);
    }
    for (const char *field :
         {"Label91", "Shape15", "Label46", "RYO_COLOR_LABEL", "JISYA_COLOR_LABEL"})
        findChild<QWidget *>(name(field))->installEventFilter(this);

    connect(SpeedButton4, &QToolButton::clicked, this, &TSetHanyou::SpeedButton4Click);
    connect(SpeedButton16, &QToolButton::clicked, this, &TSetHanyou::SpeedButton16Click);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 0)
            findChild<QLineEdit *>(QStringLiteral("TEXT1"))->setFocus();
    });

    for (const ColourButton &colour : colourButtons) {
        auto *swatch = findChild<ColourSwatch *>(name(colour.swatch));
        const QString question = name(colour.question);
        connect(findChild<QToolButton *>(name(colour.button)), &QToolButton::clicked, this,
                [this, swatch, question] { chooseColour(swatch, question); });
    }
    for (const ColourButton &colour : colourSwatches) {
        auto *swatch = findChild<ColourSwatch *>(name(colour.swatch));
        const QString question = name(colour.question);
        connect(swatch, &ColourSwatch::pressed, this,
                [this, swatch, question] { chooseColour(swatch, question); });
    }

    const std::pair<const char *, const char *> fontButtons[] = {
        {"KOTEI_BTN", "KOTEI"}, {"DATA_BTN", "DATA"}, {"SUUTI_BTN", "SUUTI"}};
    for (const auto &[button, field] : fontButtons) {
        auto *face = findChild<QLineEdit *>(name(field) + QStringLiteral("_FONT"));
        auto *size = findChild<QLineEdit *>(name(field) + QStringLiteral("_SIZE"));
        connect(findChild<QToolButton *>(name(button)), &QToolButton::clicked, this,
                [this, face, size] { chooseFontOf(face, size); });
    }

    // The two A5 ways of feeding exclude each other.
    auto *upright = findChild<QCheckBox *>(QStringLiteral("A5_TATE_CHK"));
    auto *sideways = findChild<QCheckBox *>(QStringLiteral("A5_YOKO_CHK"));
    connect(upright, &QCheckBox::toggled, this, [sideways](bool on) {
        if (on)
            sideways->setChecked(false);
    });
    connect(sideways, &QCheckBox::toggled, this, [upright](bool on) {
        if (on)
            upright->setChecked(false);
    });
}

// --- Binding -------------------------------------------------------------------------

PrintSettings::Values TSetHanyou::values() const
{
    using PrintIni::Form;
    PrintSettings::Values values = PrintSettings::designState();
    for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
        QWidget *control = info.control.isEmpty() ? nullptr : findChild<QWidget *>(info.control);
        if (!control)
            continue;
        if (auto *field = qobject_cast<QLineEdit *>(control)) {
            values.setText(info.key, field->text());
        } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
            values.setNumber(info.key, spin->value());
        } else if (auto *swatch = qobject_cast<ColourSwatch *>(control)) {
            values.setNumber(info.key, swatch->colourValue());
        } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
            values.setOn(info.key, box->isChecked() != info.invertedControl);
        } else if (auto *group = dynamic_cast<RadioGroup *>(control)) {
            if (info.form == Form::WordFlag)
                values.setOn(info.key, group->itemIndex() == 0);
            else
                values.setNumber(info.key, group->itemIndex());
        }
    }
    return values;
}

void TSetHanyou::setValues(const PrintSettings::Values &values)
{
    showValues(values);
    m_host.setZeroPrint(values.on(PrintIni::zeroPrint.name()));
    m_host.applyCaptions(PrintSettings::captionsAfterLoading(values));
}

void TSetHanyou::showValues(const PrintSettings::Values &values)
{
    using PrintIni::Form;
    for (const PrintIni::KeyInfo &info : PrintIni::catalogue()) {
        QWidget *control =
            info.control.isEmpty() || !info.loaded ? nullptr : findChild<QWidget *>(info.control);
        if (!control)
            continue;
        if (auto *field = qobject_cast<QLineEdit *>(control)) {
            field->setText(values.text(info.key));
        } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
            spin->setValue(values.number(info.key));
        } else if (auto *swatch = qobject_cast<ColourSwatch *>(control)) {
            swatch->setColourValue(values.number(info.key));
        } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
            box->setChecked(values.on(info.key) != info.invertedControl);
        } else if (auto *group = dynamic_cast<RadioGroup *>(control)) {
            if (info.form == Form::WordFlag) {
                group->setItemIndex(values.on(info.key) ? 0 : 1);
            } else {
                const int index = values.number(info.key);
                group->setItemIndex(index >= 0 && index < group->itemCount() ? index
                                                                             : info.absent.toInt());
            }
        }
    }
}

void TSetHanyou::YOMIKOMI()
{
    PrintSettings::Values loaded = values();
    PrintSettings::YOMIKOMI(loaded);
    setValues(loaded);
}

void TSetHanyou::titlesCommitted(const PrintSettings::MainWindowCaptions &captions)
{
    m_host.applyCaptions(captions);
}

void TSetHanyou::saveOpenCategoryList()
{
    if (!categories->BUMON_MEMO->isHidden())
        categories->SpeedButton2Click();
}

// --- Window --------------------------------------------------------------------------

void TSetHanyou::SpeedButton4Click()
{
    PrintSettings::TOUROKU(*this);
    close();
}

void TSetHanyou::SpeedButton16Click()
{
    PrintSettings::TOUROKU(*this);
}

void TSetHanyou::FormActivate()
{
    m_host.setHostShown(false);
    move(m_host.hostPosition());
    resize(1024, 740);
    showDate();
    categories->SpeedButton2Click();
}

void TSetHanyou::done(int result)
{
    m_host.setHostShown(true);
    QDialog::done(result);
}

void TSetHanyou::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The main window hides as soon as the dialog is active: the dialog takes the activation
    // itself rather than wait for the desktop to hand it over.
    activateWindow();
}

void TSetHanyou::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // An activation that arrives after the dialog closed is none.
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    if (!isActiveWindow()) {
        QWidget *active = QApplication::activeWindow();
        m_childDialogUp = active && active != this && qobject_cast<QDialog *>(active);
        return;
    }
    if (!std::exchange(m_childDialogUp, false))
        FormActivate();
}

void TSetHanyou::showDate()
{
    StatusBar1Panel2->setText(statusBarDate(Clock::today()));
}

bool TSetHanyou::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    const QString watchedName = watched->objectName();
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        for (const char *field : focusFields) {
            if (watchedName == name(field)) {
                QPalette palette = widget->palette();
                palette.setColor(
                    QPalette::Base,
                    colourFromValue(event->type() == QEvent::FocusIn ? kYellow : kWhite));
                widget->setPalette(palette);
            }
        }
        break;
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
        if (watchedName == QLatin1String("Shape15") && button == Qt::RightButton) {
            askToClear(findChild<QLineEdit *>(QStringLiteral("LOGO_NAME")),
                       QStringLiteral("ロゴマークを印刷しないようにします。"));
            return true;
        }
        if (button != Qt::LeftButton)
            break;
        if (watchedName == QLatin1String("Label91"))
            askToClear(findChild<QLineEdit *>(QStringLiteral("LOGO_NAME")),
                       QStringLiteral("ロゴマークを印刷しないようにします。"));
        else if (watchedName == QLatin1String("Label46"))
            askToClear(findChild<QLineEdit *>(QStringLiteral("MOYOU_FILE")),
                       QStringLiteral("領収証内の模様を印刷しないようにします。"));
        else if (watchedName == QLatin1String("LOGO_NAME") ||
                 watchedName == QLatin1String("MOYOU_FILE"))
            choosePicture(static_cast<QLineEdit *>(widget));
        else if (faceFields.contains(watchedName))
            chooseFace(static_cast<QLineEdit *>(widget));
        for (const ColourButton &colour : colourSwatches) {
            if (watchedName == name(colour.button))
                chooseColour(findChild<ColourSwatch *>(name(colour.swatch)), name(colour.question));
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// --- Choosers ------------------------------------------------------------------------

void TSetHanyou::chooseColour(ColourSwatch *swatch, const QString &question)
{
    if (!prompter().question(question))
        return;
    // White cannot be told from the paper in the chooser's preview; it opens as black.
    if (swatch->colourValue() == kWhite)
        swatch->setColourValue(0);
    if (const std::optional<QColor> chosen =
            prompter().chooseColour(colourFromValue(swatch->colourValue())))
        swatch->setColourValue(::colourValue(*chosen));
}

void TSetHanyou::chooseFace(QLineEdit *face)
{
    if (const std::optional<QFont> chosen = prompter().chooseFont(QFont(face->text())))
        face->setText(chosen->family());
    face->setFocus();
}

void TSetHanyou::chooseFontOf(QLineEdit *face, QLineEdit *size)
{
    bool ok = false;
    const int points = size->text().toInt(&ok);
    if (const std::optional<QFont> chosen =
            prompter().chooseFont(QFont(face->text(), ok && points > 0 ? points : 12))) {
        face->setText(chosen->family());
        size->setText(QString::number(chosen->pointSize()));
    }
    face->setFocus();
}

void TSetHanyou::choosePicture(QLineEdit *field)
{
    if (const std::optional<QString> chosen = prompter().chooseOpenFile(
            QStringLiteral("ファイルを開く"), field->text(), pictureFilter()))
        field->setText(*chosen);
}

void TSetHanyou::askToClear(QLineEdit *field, const QString &question)
{
    if (prompter().question(question))
        field->clear();
}

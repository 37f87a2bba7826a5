#include "search_panel.h"

#include "file_browser_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QToolButton>

namespace {

constexpr int left = 8;
constexpr int labelWidth = 84;
constexpr int fieldLeft = 96;
constexpr int fieldWidth = 208;
constexpr int rowHeight = 22;
constexpr int buttonWidth = 96;
constexpr int buttonHeight = 26;

QToolButton *makeButton(QWidget *parent, const char *name, const char *caption, int x, int y)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(caption));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(x, y, buttonWidth, buttonHeight);
    return button;
}

QLineEdit *makeField(QWidget *parent, const QString &name, const QString &caption, int y)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(left, y, labelWidth, rowHeight);
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(fieldLeft, y, fieldWidth, rowHeight);
    // Terms are typed in Japanese: the input method stays open.
    field->setAttribute(Qt::WA_InputMethodEnabled, true);
    return field;
}

QLabel *makeStatus(QWidget *parent, const char *name, int y)
{
    auto *status = new QLabel(parent);
    status->setObjectName(QString::fromLatin1(name));
    status->setGeometry(left, y, 297, rowHeight);
    status->setFrameShape(QFrame::Panel);
    status->setFrameShadow(QFrame::Sunken);
    return status;
}

} // namespace

SearchPanel::SearchPanel(FileBrowserPanel *files, bool *cancelFlag, QWidget *parent)
    : QFrame(parent)
    , m_files(files)
    , m_cancel(cancelFlag)
{
    setObjectName(QStringLiteral("KensakuP"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(690, 130, 313, 353);
    buildControls();
    hide();
}

void SearchPanel::buildControls()
{
    const char *const captions[] = {"検索項目①", "検索項目②", "検索項目③", "検索項目④",
                                    "検索項目⑤"};
    QLineEdit **const fields[] = {&K_1, &K_2, &K_3, &K_4, &K_5};
    for (int term = 0; term < SlipSearch::maxTerms; ++term)
        *fields[term] = makeField(this, QStringLiteral("K_%1").arg(term + 1),
                                  QString::fromUtf8(captions[term]), 8 + term * 26);

    SpeedButton58 = makeButton(this, "SpeedButton58", "検索", left, 140);
    SpeedButton59 = makeButton(this, "SpeedButton59", "次検索", left + 100, 140);
    SpeedButton31 = makeButton(this, "SpeedButton31", "前検索", left + 200, 140);
    FileText = makeStatus(this, "FileText", 172);
    SpeedButton60 = makeButton(this, "SpeedButton60", "閉じる", left + 200, 198);

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(left, 230, 297, 4);

    FN_FIND = makeField(this, QStringLiteral("FN_FIND"), QStringLiteral("登録ファイル名"), 240);
    SpeedButton32 = makeButton(this, "SpeedButton32", ">>検索", left, 268);
    SpeedButton33 = makeButton(this, "SpeedButton33", "> 次検索", left + 100, 268);
    SpeedButton34 = makeButton(this, "SpeedButton34", "< 前検索", left + 200, 268);
    Label29 = makeStatus(this, "Label29", 298);
    SpeedButton35 = makeButton(this, "SpeedButton35", "閉じる", left + 200, 324);

    connect(SpeedButton58, &QToolButton::clicked, this,
            [this] { contentSearch(SearchStart::Search); });
    connect(SpeedButton59, &QToolButton::clicked, this,
            [this] { contentSearch(SearchStart::Next); });
    connect(SpeedButton31, &QToolButton::clicked, this,
            [this] { contentSearch(SearchStart::Previous); });
    connect(SpeedButton32, &QToolButton::clicked, this,
            [this] { fileNameSearch(SearchStart::Search); });
    connect(SpeedButton33, &QToolButton::clicked, this,
            [this] { fileNameSearch(SearchStart::Next); });
    connect(SpeedButton34, &QToolButton::clicked, this,
            [this] { fileNameSearch(SearchStart::Previous); });
    for (QToolButton *button : {SpeedButton60, SpeedButton35})
        connect(button, &QToolButton::clicked, this, &SearchPanel::closePanel);
}

void SearchPanel::toggle()
{
    if (isVisible()) {
        hide();
        emit closed();
        return;
    }
    raise();
    show();
    K_1->setFocus();
}

void SearchPanel::closePanel()
{
    Label29->clear();
    // A running content search sees the flag between two files, stops and puts the normal
    // cursor back itself.
    *m_cancel = true;
    hide();
    emit closed();
}

QStringList SearchPanel::terms() const
{
    return {K_1->text(), K_2->text(), K_3->text(), K_4->text(), K_5->text()};
}

void SearchPanel::contentSearch(SearchStart start)
{
    // The search lets events run between files; a second click meanwhile must not start a
    // search inside the first.
    if (m_searching)
        return;
    m_searching = true;
    const auto done = qScopeGuard([this] { m_searching = false; });
    SearchCommands::KENSAKU(start, terms(), *this);
}

void SearchPanel::fileNameSearch(SearchStart start)
{
    if (m_searching)
        return;
    SearchCommands::fileNameSearch(start, FN_FIND->text(), *this);
}

QStringList SearchPanel::slipFilePaths() const
{
    QStringList paths;
    const int count = m_files->slipFileCount();
    paths.reserve(count);
    for (int index = 0; index < count; ++index)
        paths.append(m_files->slipFilePath(index));
    return paths;
}

int SearchPanel::selectedSlipFile() const
{
    return m_files->selectedSlipFile();
}

void SearchPanel::selectSlipFile(int index)
{
    m_files->selectSlipFile(index);
}

void SearchPanel::refreshSlipFiles()
{
    m_files->refreshLists();
}

void SearchPanel::openSlipFile(int index)
{
    emit openRequested(m_files->slipFilePath(index), index);
}

void SearchPanel::setFileText(const QString &text)
{
    FileText->setText(text);
    FileText->repaint();
}

void SearchPanel::setLabel29(const QString &text)
{
    Label29->setText(text);
}

void SearchPanel::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void SearchPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->globalPosition().toPoint();
    QFrame::mousePressEvent(event);
}

void SearchPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton) {
        const QPoint at = event->globalPosition().toPoint();
        move(pos() + at - m_dragFrom);
        m_dragFrom = at;
    }
    QFrame::mouseMoveEvent(event);
}

#include "category_name_editor.h"

#include "category_lists.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The text box's lines as a list box holds them: a final line end opens no further line.
QStringList memoLines(const QPlainTextEdit &memo)
{
    QString text = memo.toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

QToolButton *categoryButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setCheckable(true);
    button->setFixedSize(150, 26);
    return button;
}

} // namespace

CategoryNameEditor::CategoryNameEditor(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    auto *instructions = new QLabel(
        QStringLiteral("大分類名ボタンをクリックして20個の大分類名を入力してください。\n"
                       "次に小分類1から小分類20までのボタンをクリックしてそれぞれの小分類名を"
                       "20個づつ入力してください。\n"
                       "入力は大分類名20個＋小分類名20×20個の計420個となります。"),
        this);
    layout->addWidget(instructions, 0, 0, 1, 4);

    auto *group = new QButtonGroup(this);
    SpeedButton2 = categoryButton(QStringLiteral("SpeedButton2"), QStringLiteral("大分類"), this);
    group->addButton(SpeedButton2);
    layout->addWidget(SpeedButton2, 1, 0);
    SpeedButton3 = new QToolButton(this);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setText(QStringLiteral("閉じる"));
    SpeedButton3->setFixedSize(150, 26);
    layout->addWidget(SpeedButton3, 1, 1);
    for (int i = 0; i < 20; ++i) {
        BUMON[size_t(i)] = categoryButton(QStringLiteral("BUMON%1").arg(i + 1), QString(), this);
        group->addButton(BUMON[size_t(i)]);
        layout->addWidget(BUMON[size_t(i)], 2 + i % 10, i / 10);
        connect(BUMON[size_t(i)], &QToolButton::clicked, this, [this, i] { BUMONClick(i + 1); });
    }
    connect(SpeedButton2, &QToolButton::clicked, this, &CategoryNameEditor::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &CategoryNameEditor::SpeedButton3Click);

    auto *memoColumn = new QVBoxLayout;
    memoColumn->addWidget(new QLabel(QStringLiteral("[ 分類名は２０行まで有効↓ ]"), this));
    BUMON_MEMO = new QPlainTextEdit(this);
    BUMON_MEMO->setObjectName(QStringLiteral("BUMON_MEMO"));
    BUMON_MEMO->setFixedWidth(300);
    BUMON_MEMO->hide();
    memoColumn->addWidget(BUMON_MEMO, 1);
    layout->addLayout(memoColumn, 1, 2, 11, 1);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(12, 1);
}

void CategoryNameEditor::prepareMajorList()
{
    m_state = CategoryLists::majorList;
    BUMON_MEMO->setPlainText(CategoryLists::read(CategoryLists::majorList).join(u'\n'));
}

void CategoryNameEditor::saveOpenList()
{
    if (m_state == noList)
        return;
    const QStringList names = memoLines(*BUMON_MEMO).mid(0, CategoryLists::maxNames);
    if (m_state == CategoryLists::majorList) {
        for (QToolButton *button : BUMON)
            button->setText(QString());
        for (int i = 0; i < names.size(); ++i)
            BUMON[size_t(i)]->setText(names.at(i));
    }
    CategoryLists::write(m_state, names);
}

void CategoryNameEditor::openList(int list)
{
    if (m_state == noList)
        return;
    BUMON_MEMO->setPlainText(CategoryLists::read(list).join(u'\n'));
    BUMON_MEMO->show();
}

void CategoryNameEditor::BUMONClick(int list)
{
    saveOpenList();
    m_state = list;
    openList(list);
    BUMON[size_t(list - 1)]->setChecked(true);
}

void CategoryNameEditor::SpeedButton2Click()
{
    saveOpenList();
    m_state = CategoryLists::majorList;
    openList(CategoryLists::majorList);
    SpeedButton2->setChecked(true);
}

void CategoryNameEditor::SpeedButton3Click()
{
    saveOpenList();
    m_state = noList;
    BUMON_MEMO->hide();
}

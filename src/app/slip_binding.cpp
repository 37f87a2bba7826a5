#include "slip_binding.h"

#include "miravo_window.h"

#include "master/choice_list_box.h"
#include "slip/numeric_edit.h"
#include "slip/slip.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QScopedValueRollback>

SlipBinding::SlipBinding(TMIRAVO &window, Slip &slip)
    : QObject(&window)
    , m_slip(slip)
{
    const std::pair<QLineEdit *, QString SlipHeader::*> texts[] = {
        {window.NAME1, &SlipHeader::NAME1},       {window.NAME2, &SlipHeader::NAME2},
        {window.Tel, &SlipHeader::Tel},           {window.YUBIN, &SlipHeader::YUBIN},
        {window.ADD1, &SlipHeader::ADD1},         {window.ADD_2, &SlipHeader::ADD_2},
        {window.Bangou, &SlipHeader::Bangou},     {window.TITLE, &SlipHeader::TITLE},
        {window.KAKERITU, &SlipHeader::KAKERITU}, {window.MARUME, &SlipHeader::MARUME},
        {window.Add, &SlipHeader::Add},           {window.Add2, &SlipHeader::Add2},
    };
    for (const auto &[box, field] : texts)
        bind(box, field);
    const std::pair<QComboBox *, QString SlipHeader::*> choices[] = {
        {window.KEISYOU, &SlipHeader::KEISYOU}, {window.Tanto, &SlipHeader::Tanto},
        {window.Nouki, &SlipHeader::Nouki},     {window.Basyo, &SlipHeader::Basyo},
        {window.Kigen, &SlipHeader::Kigen},     {window.NameX, &SlipHeader::NameX},
    };
    for (const auto &[box, field] : choices)
        bind(box, field);
    bind(window.DTP1, &SlipHeader::DTP1);
    const std::pair<QAbstractButton *, bool SlipHeader::*> options[] = {
        {window.NOUHIN, &SlipHeader::NOUHIN}, {window.SEIKYUU, &SlipHeader::SEIKYUU},
        {window.JURYOU, &SlipHeader::JURYOU}, {window.HIKAE, &SlipHeader::HIKAE},
        {window.HATYUU, &SlipHeader::HATYUU}, {window.IRAI, &SlipHeader::IRAI},
        {window.A5, &SlipHeader::A5},         {window.DATE_CHECK, &SlipHeader::DATE_CHECK},
        {window.Sunpou, &SlipHeader::Sunpou},
    };
    for (const auto &[box, field] : options)
        bind(box, field);
    bind(window.PRN_SGroup, &SlipHeader::PRN_S);
    bind(window.MUKI, &SlipHeader::MUKI);
    bindTaxMode(window.taxModeGroup);

    connect(&slip, &Slip::changed, this, &SlipBinding::refreshControls);
}

void SlipBinding::refreshControls()
{
    const QScopedValueRollback guard(m_refreshing, true);
    for (const auto &refresh : m_refreshers)
        refresh();
}

void SlipBinding::edit(const std::function<void(SlipHeader &)> &change)
{
    // The controls change one by one while they show the slip; what they signal on the way
    // is the slip's own value or a step towards it, never an edit of the user's.
    if (!m_refreshing)
        change(m_slip.header);
}

void SlipBinding::bind(QLineEdit *box, QString SlipHeader::*field)
{
    m_slip.header.*field = box->text();
    connect(box, &QLineEdit::textChanged, this,
            [this, field](const QString &text) { edit([&](SlipHeader &h) { h.*field = text; }); });
    m_refreshers.push_back([this, box, field] { box->setText(m_slip.header.*field); });
}

void SlipBinding::bind(QComboBox *box, QString SlipHeader::*field)
{
    m_slip.header.*field = box->currentText();
    // An editable box changes its text by typing and by choosing an item; both count.
    const auto take = [this, box, field] {
        edit([&](SlipHeader &h) { h.*field = box->currentText(); });
    };
    connect(box, &QComboBox::currentTextChanged, this, take);
    connect(box, &QComboBox::editTextChanged, this, take);
    m_refreshers.push_back([this, box, field] { box->setEditText(m_slip.header.*field); });
}

void SlipBinding::bind(QDateTimeEdit *picker, QDateTime SlipHeader::*field)
{
    m_slip.header.*field = picker->dateTime();
    connect(picker, &QDateTimeEdit::dateTimeChanged, this, [this, field](const QDateTime &moment) {
        edit([&](SlipHeader &h) { h.*field = moment; });
    });
    m_refreshers.push_back([this, picker, field] {
        if (m_slip.header.*field != picker->dateTime())
            picker->setDateTime(m_slip.header.*field);
    });
}

void SlipBinding::bind(QAbstractButton *box, bool SlipHeader::*field)
{
    m_slip.header.*field = box->isChecked();
    connect(box, &QAbstractButton::toggled, this,
            [this, field](bool checked) { edit([&](SlipHeader &h) { h.*field = checked; }); });
    m_refreshers.push_back([this, box, field] { box->setChecked(m_slip.header.*field); });
}

void SlipBinding::bind(QButtonGroup *group, int SlipHeader::*field)
{
    m_slip.header.*field = group->checkedId();
    connect(group, &QButtonGroup::idToggled, this, [this, field](int id, bool checked) {
        if (checked)
            edit([&](SlipHeader &h) { h.*field = id; });
    });
    m_refreshers.push_back([this, group, field] {
        if (QAbstractButton *button = group->button(m_slip.header.*field))
            button->setChecked(true);
    });
}

void SlipBinding::bindTaxMode(QButtonGroup *group)
{
    m_slip.header.taxMode = static_cast<TaxMode>(qMax(0, group->checkedId()));
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            edit([&](SlipHeader &h) { h.taxMode = static_cast<TaxMode>(id); });
    });
    m_refreshers.push_back([this, group] {
        if (QAbstractButton *button = group->button(static_cast<int>(m_slip.header.taxMode)))
            button->setChecked(true);
    });
}

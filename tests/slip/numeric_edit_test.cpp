#include "slip/numeric_edit.h"

#include "support/scripted_prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int quantityDecimals = 3;
constexpr int priceDecimals = 2;

// A window holding the box, shown and active so that focus events are real.
class NumEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_other = new QLineEdit(m_window.get());
        m_edit = new NumEdit(m_window.get());
        layout->addWidget(m_other);
        layout->addWidget(m_edit);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Enters the box the way a user does: the focus arrives and selects the whole value.
    void enter(const QString &value, int decimals)
    {
        m_other->setFocus();
        m_edit->setDecimals(decimals);
        m_edit->setValue(value);
        m_edit->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(m_edit->hasFocus());
    }

    // Types keys into the box: plain characters, or {Name} for a special key.
    void type(const QString &keys)
    {
        struct Special
        {
            const char *name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Special specials[] = {
            {"{BS}", Qt::Key_Backspace, Qt::NoModifier},
            {"{Del}", Qt::Key_Delete, Qt::NoModifier},
            {"{Left}", Qt::Key_Left, Qt::NoModifier},
            {"{Right}", Qt::Key_Right, Qt::NoModifier},
            {"{Home}", Qt::Key_Home, Qt::NoModifier},
            {"{End}", Qt::Key_End, Qt::NoModifier},
            {"{ShiftLeft}", Qt::Key_Left, Qt::ShiftModifier},
            {"{ShiftRight}", Qt::Key_Right, Qt::ShiftModifier},
            {"{CtrlA}", Qt::Key_A, Qt::ControlModifier},
            {"{CtrlC}", Qt::Key_C, Qt::ControlModifier},
            {"{CtrlX}", Qt::Key_X, Qt::ControlModifier},
            {"{CtrlV}", Qt::Key_V, Qt::ControlModifier},
        };
        int position = 0;
        while (position < keys.size()) {
            bool special = false;
            for (const Special &s : specials) {
                const QString name = QString::fromLatin1(s.name);
                if (keys.mid(position, name.size()) == name) {
                    QTest::keyClick(m_edit, s.key, s.modifiers);
                    position += int(name.size());
                    special = true;
                    break;
                }
            }
            if (!special) {
                // Sent with its text, so that full-width characters arrive as an input
                // method would deliver them.
                QTest::sendKeyEvent(QTest::Click, m_edit, Qt::Key_unknown, keys.mid(position, 1),
                                    Qt::NoModifier);
                ++position;
            }
        }
    }

    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_other = nullptr;
    NumEdit *m_edit = nullptr;
    ScriptedPrompter m_prompter;
};

TEST_F(NumEditTest, CleansTextSetFromOutside)
{
    struct Case
    {
        const char *text;
        int decimals;
        const char *value;
        const char *shown;
    } const cases[] = {
        {"１２，３４５．６７８", priceDecimals, "12345.67", "12,345.67"},
        {"1,234,567", 0, "1234567", "1,234,567"},
        {"－９８７６．５", quantityDecimals, "-9876.5", "-9,876.5"},
        {"12.5.3", quantityDecimals, "12.5", "12.5"},
        {"1-2", priceDecimals, "1", "1"},
        {"12a3", priceDecimals, "12", "12"},
        {" 12", priceDecimals, "", ""},
        {"12\r\n", priceDecimals, "12", "12"},
        {"12.345", 0, "12", "12"},
        {"12.", priceDecimals, "12.", "12."},
        {"007", priceDecimals, "7", "7"},
        {"000", priceDecimals, "0", "0"},
        {".5", priceDecimals, "0.5", "0.5"},
        {"-.5", priceDecimals, "-0.5", "-0.5"},
        {"-", priceDecimals, "-", "-"},
        {"123456789.99", priceDecimals, "123456789.99", "123,456,789.99"},
        {"1234567890", priceDecimals, "", ""},
        {"-1234567890.5", priceDecimals, "", ""},
        // Leading zeros are dropped before the integer digits are counted.
        {"000123456789", priceDecimals, "123456789", "123,456,789"},
        {"0001234567890", priceDecimals, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        m_edit->setDecimals(c.decimals);
        m_edit->setValue(QString::fromUtf8(c.text));
        EXPECT_EQ(m_edit->value(), QString::fromUtf8(c.value));
        EXPECT_EQ(m_edit->text(), QString::fromUtf8(c.shown));
    }
}

TEST_F(NumEditTest, TextSetThroughTheLineEditInterfaceIsCleanedToo)
{
    m_edit->setDecimals(priceDecimals);
    static_cast<QLineEdit *>(m_edit)->setText(QStringLiteral("１２３４．５６７"));
    EXPECT_EQ(m_edit->value(), QStringLiteral("1234.56"));
    EXPECT_EQ(m_edit->text(), QStringLiteral("1,234.56"));
}

TEST_F(NumEditTest, FewerDecimalsCutTheCurrentValue)
{
    m_edit->setDecimals(quantityDecimals);
    m_edit->setValue(QStringLiteral("1.234"));
    m_edit->setDecimals(priceDecimals);
    EXPECT_EQ(m_edit->value(), QStringLiteral("1.23"));
    m_edit->setDecimals(0);
    EXPECT_EQ(m_edit->value(), QStringLiteral("1"));
}

TEST_F(NumEditTest, Typing)
{
    struct Case
    {
        const char *name;
        const char *initial; // selected when the box is entered
        int decimals;
        const char *keys;
        const char *value;
        const char *shown;
    } const cases[] = {
        {"quantity", "", quantityDecimals, "12.5", "12.5", "12.5"},
        {"minus toggles the sign on", "", quantityDecimals, "12.5-", "-12.5", "-12.5"},
        {"second minus toggles it off", "", quantityDecimals, "12.5--", "12.5", "12.5"},
        {"minus first", "", quantityDecimals, "-3", "-3", "-3"},
        {"fourth decimal of a quantity refused", "", quantityDecimals, "1.2345", "1.234", "1.234"},
        {"third decimal of a price refused", "", priceDecimals, "1.234", "1.23", "1.23"},
        {"tenth digit refused", "", priceDecimals, "1234567890", "123456789", "123,456,789"},
        {"tenth digit refused with a sign", "", priceDecimals, "-1234567890", "-123456789",
         "-123,456,789"},
        {"leading zeros dropped", "", priceDecimals, "0012", "12", "12"},
        {"bare point gets its zero", "", priceDecimals, ".5", "0.5", "0.5"},
        {"point only once", "", priceDecimals, "1..5", "1.5", "1.5"},
        {"no point without decimals", "", 0, "12.3", "123", "123"},
        {"other characters refused", "", priceDecimals, "1a,2 +3", "123", "123"},
        {"full-width digits typed", "", priceDecimals, "１２", "12", "12"},
        {"backspace takes the point along", "", quantityDecimals, "12.5{BS}", "12", "12"},
        {"delete takes the point along", "", quantityDecimals, "12.5{Del}", "12", "12"},
        {"backspace down to the sign", "", priceDecimals, "-1{BS}", "-", "-"},
        {"backspace on empty", "", priceDecimals, "{BS}", "", ""},
        {"digit replaces the selection", "987.5", priceDecimals, "4", "4", "4"},
        {"minus replaces the selection", "987.5", priceDecimals, "-", "-", "-"},
        {"point replaces the selection", "987.5", priceDecimals, ".", "0.", "0."},
        {"backspace empties the selection", "987.5", priceDecimals, "{BS}", "", ""},
        {"delete empties the selection", "987.5", priceDecimals, "{Del}", "", ""},
        {"refused key keeps the selection", "987.5", 0, ".4", "4", "4"},
        {"end ends the selection", "987.5", priceDecimals, "{End}4", "987.54", "987.54"},
        {"left ends the selection", "1234", priceDecimals, "{Left}5", "12345", "12,345"},
        {"home ends the selection", "1234", priceDecimals, "{Home}{BS}", "123", "123"},
        {"shift+left selects all", "1234", priceDecimals, "{End}{ShiftLeft}9", "9", "9"},
        {"shift+right selects all", "1234", priceDecimals, "{End}{ShiftRight}{BS}", "", ""},
        {"ctrl+a selects all", "1234", priceDecimals, "{End}{CtrlA}7", "7", "7"},
        {"grouping follows typing", "", priceDecimals, "1234567.8", "1234567.8", "1,234,567.8"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        enter(QString::fromUtf8(c.initial), c.decimals);
        type(QString::fromUtf8(c.keys));
        EXPECT_EQ(m_edit->value(), QString::fromUtf8(c.value));
        EXPECT_EQ(m_edit->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(m_edit->cursorPosition(), m_edit->text().size());
    }
    EXPECT_EQ(m_prompter.beeps(), 0);
}

TEST_F(NumEditTest, EveryChangeIsSignalledOnceAndRefusedKeysAreNot)
{
    enter(QString(), quantityDecimals);
    QSignalSpy changes(m_edit, &NumEdit::valueChanged);
    type(QStringLiteral("1x2.5555-"));
    QStringList values;
    for (const QList<QVariant> &arguments : changes)
        values << arguments.at(0).toString();
    EXPECT_EQ(values, (QStringList{"1", "12", "12.", "12.5", "12.55", "12.555", "-12.555"}));

    changes.clear();
    m_edit->setValue(QStringLiteral("-12.555"));
    EXPECT_EQ(changes.count(), 0);
    m_edit->setValue(QStringLiteral("3"));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(NumEditTest, EnteringTheBoxSelectsTheWholeValue)
{
    enter(QStringLiteral("1234.5"), priceDecimals);
    EXPECT_TRUE(m_edit->isWholeTextSelected());
    EXPECT_EQ(m_edit->selectedText(), QStringLiteral("1,234.5"));
}

TEST_F(NumEditTest, Clipboard)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    struct Case
    {
        const char *name;
        const char *initial;
        int decimals;
        const char *clipboardBefore;
        const char *keys;
        const char *value;
        const char *clipboardAfter;
    } const cases[] = {
        {"full-width paste into a fresh price", "98", priceDecimals, "１２，３４５．６７８",
         "{CtrlV}", "12345.67", "１２，３４５．６７８"},
        {"paste appends without a selection", "98", priceDecimals, "7.5", "{End}{CtrlV}", "987.5",
         "7.5"},
        {"pasted text stops at a second point", "9.5", priceDecimals, "1.2", "{End}{CtrlV}", "9.51",
         "1.2"},
        {"too many digits empty the text", "98765", priceDecimals, "12345", "{End}{CtrlV}", "",
         "12345"},
        {"copy leaves out the separators", "1234567.5", priceDecimals, "", "{CtrlC}", "1234567.5",
         "1234567.5"},
        {"copy without selection copies nothing", "12", priceDecimals, "old", "{End}{CtrlC}", "12",
         "old"},
        {"cut empties", "-1234", priceDecimals, "", "{CtrlX}", "", "-1234"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        clipboard->setText(QString::fromUtf8(c.clipboardBefore));
        enter(QString::fromUtf8(c.initial), c.decimals);
        type(QString::fromUtf8(c.keys));
        EXPECT_EQ(m_edit->value(), QString::fromUtf8(c.value));
        EXPECT_EQ(clipboard->text(), QString::fromUtf8(c.clipboardAfter));
    }
}

TEST_F(NumEditTest, NavigationKeysAreSignalledAfterEndingTheSelection)
{
    struct Case
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool signalled;
    } const cases[] = {
        {Qt::Key_Return, Qt::NoModifier, true},   {Qt::Key_Enter, Qt::KeypadModifier, true},
        {Qt::Key_Up, Qt::NoModifier, true},       {Qt::Key_Down, Qt::NoModifier, true},
        {Qt::Key_PageUp, Qt::NoModifier, true},   {Qt::Key_PageDown, Qt::NoModifier, true},
        {Qt::Key_Left, Qt::NoModifier, true},     {Qt::Key_Right, Qt::NoModifier, true},
        {Qt::Key_Left, Qt::ShiftModifier, false}, {Qt::Key_Home, Qt::NoModifier, false},
        {Qt::Key_5, Qt::NoModifier, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
        enter(QStringLiteral("12"), priceDecimals);
        QSignalSpy keys(m_edit, &NumEdit::navigationKey);
        bool selectedWhenSignalled = true;
        const auto connection = QObject::connect(m_edit, &NumEdit::navigationKey, m_edit, [&] {
            selectedWhenSignalled = m_edit->hasSelectedText();
        });
        QTest::keyClick(m_edit, c.key, c.modifiers);
        QObject::disconnect(connection);
        ASSERT_EQ(keys.count(), c.signalled ? 1 : 0);
        if (c.signalled) {
            EXPECT_EQ(keys.at(0).at(0).toInt(), int(c.key));
            const bool endsSelection = c.key == Qt::Key_Left || c.key == Qt::Key_Right ||
                                       c.key == Qt::Key_PageUp || c.key == Qt::Key_PageDown;
            EXPECT_EQ(selectedWhenSignalled, !endsSelection);
        }
    }
}

// An editor on top of the box can take over a key entirely.
class ClearingNumEdit : public NumEdit
{
public:
    using NumEdit::NumEdit;
    int cleared = 0;

protected:
    bool interceptKey(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Delete)
            return false;
        setValue(QString());
        ++cleared;
        return true;
    }
};

TEST_F(NumEditTest, AnEditorBuiltOnTheBoxCanTakeOverKeys)
{
    ClearingNumEdit edit(m_window.get());
    edit.setDecimals(priceDecimals);
    edit.setValue(QStringLiteral("12.5"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.cleared, 1);
    EXPECT_EQ(edit.value(), QString());
    QTest::keyClicks(&edit, QStringLiteral("34"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.value(), QStringLiteral("3"));
}

} // namespace

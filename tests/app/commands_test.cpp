#include "app/command_actions.h"
#include "app/miravo_window.h"
#include "common/clock.h"
#include "files/file_browser_panel.h"
#include "files/search_panel.h"
#include "master/choice_list_box.h"
#include "master/customer_grid.h"
#include "master/parts_catalogue.h"
#include "master/parts_cell_editors.h"
#include "master/parts_grid_view.h"
#include "print/printer_device.h"
#include "settings/settings_dialog.h"
#include "shown_window.h"
#include "slip/item_columns.h"
#include "slip/item_grid_view.h"
#include "slip/numeric_edit.h"
#include "slip/string_grid.h"
#include "statement/classification_totals_grid.h"
#include "statement/statement_grid_view.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

// Failures show the texts, not their bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// --- How the user reaches a command ------------------------------------------------------

enum class Via { Toolbar, RightButton, Label, Ctrl, FunctionKey, EditorMenu };

struct Trigger
{
    Via via;
    QToolButton *TMIRAVO::*button = nullptr; // Toolbar, RightButton
    int label = 0;                           // Label; FunctionKey: F<label> given to it
    Qt::Key key = Qt::Key_unknown;           // Ctrl
    const char *entry = nullptr;             // EditorMenu: the entry's name
};

Trigger toolbar(QToolButton *TMIRAVO::*button)
{
    return {Via::Toolbar, button};
}

Trigger rightButton(QToolButton *TMIRAVO::*button)
{
    return {Via::RightButton, button};
}

Trigger label(int position)
{
    return {Via::Label, nullptr, position};
}

// The function key of the same number as the label (F1 for "1 終了", F10 for "0 ﾌｫｰｶｽ"),
// assigned to the label through its menu before the command runs.
Trigger functionKey(int position)
{
    return {Via::FunctionKey, nullptr, position};
}

Trigger ctrl(Qt::Key key)
{
    return {Via::Ctrl, nullptr, 0, key};
}

// An entry of the menu that the right button opens on the item grid's editor.
Trigger editorMenu(const char *entry)
{
    return {Via::EditorMenu, nullptr, 0, Qt::Key_unknown, entry};
}

// Test names take letters and digits only.
std::string keyName(Qt::Key key)
{
    const std::pair<Qt::Key, const char *> signs[] = {
        {Qt::Key_Minus, "Minus"}, {Qt::Key_yen, "Yen"}, {Qt::Key_Backslash, "Backslash"}};
    for (const auto &[sign, name] : signs)
        if (key == sign)
            return name;
    return QKeySequence(key).toString().toStdString();
}

std::string triggerName(const Trigger &trigger)
{
    switch (trigger.via) {
    case Via::Toolbar:
        return "Toolbar";
    case Via::RightButton:
        return "RightButton";
    case Via::Label:
        return "Label" + std::to_string(trigger.label);
    case Via::FunctionKey:
        return "F" + std::to_string(trigger.label);
    case Via::Ctrl:
        return "Ctrl" + keyName(trigger.key);
    case Via::EditorMenu:
        return std::string("EditorMenu") + trigger.entry;
    }
    return {};
}

class CommandsTest;

// One command of the window with every way to it, what the window looks like before, and
// what the command does: the prompter's log followed by every line of what the user sees
// (see CommandsTest::observe) that it changed. "{dir}" stands for the program directory,
// the folder slips are saved to.
struct CommandRow
{
    const char *name;
    std::vector<Trigger> triggers;
    std::function<void(CommandsTest &)> arrange;
    QStringList effect;
};

const std::vector<CommandRow> &commandTable();

struct Case
{
    size_t row;
    size_t trigger;
};

// --- The window a command runs in ---------------------------------------------------------

// Records the documents handed to the desktop's browser.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList opened;

public slots:
    void open(const QUrl &url) { opened << url.toLocalFile(); }
};

// The shown window with a typed slip, three saved slips in the folder, a printer that
// prints nowhere and a manual in the program directory.
class CommandsTest : public ::testing::Test
{
public:
    CommandsTest()
    {
        Clock::setFixedNow(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
        const char *customers[] = {"青木工務店", "井上商事", "上田建設"};
        int day = 1;
        for (const char *customer : customers) {
            dir.writeLines(
                QStringLiteral("令和8年12月%1日【10%1】工事.419").arg(day, 2, 10, QChar(u'0')),
                {QString::fromUtf8(customer), "", "", "", "46357", "", "工事", "", "", "0", "0", "",
                 "1", "1,,ボルト,,M8,10,本,25,,,,"});
            ++day;
        }
        dir.writeLines("MIRAVO_man.htm", {"<html><body>MIRAVO</body></html>"});
        QDesktopServices::setUrlHandler("file", &urls, "open");

        window = showMainWindow(prompter);
        window->setPrinter(&printer);
        window->NAME1->setText("山田商店");
        window->KEISYOU->setEditText("様");
        window->ADD1->setText("東京都千代田区1-1");
        window->Bangou->setText("10023");
        window->TITLE->setText("見積");
        window->NOUHIN->setChecked(true);
        window->SG1Cells->setRowCells(
            1, {"1", "", "ボルト", "", "M8", "3", "本", "100", "80", "", "", ""});
        window->SG1Cells->setRowCells(
            2, {"2", "", "ナット", "", "M8", "10", "個", "20", "15", "", "", ""});
        window->Keisan();
        window->NAME1->setFocus();
    }
    ~CommandsTest() override
    {
        QDesktopServices::unsetUrlHandler("file");
        Clock::setFixedNow({});
    }

    // Everything a command may change that the user sees, one line each.
    QStringList observe() const
    {
        QStringList shown;
        for (QWidget *overlay : std::initializer_list<QWidget *>{
                 window->Panel1, window->KensakuP, window->SG_K, window->partsCatalogue->SG2,
                 window->SG_KEI, window->SG0})
            if (overlay->isVisible())
                shown << overlay->objectName();
        const QWidget *focus = QApplication::focusWidget();
        QStringList saved = QDir(dir.path()).entryList({"*.419"}, QDir::Files, QDir::Name);
        return {
            "windows: " + modalWindows.join(' '),
            "shown: " + shown.join(' '),
            "focus: " + (focus ? focus->objectName() : QString("none")),
            QStringLiteral("cell: %1,%2").arg(window->SG1->col()).arg(window->SG1->row()),
            "NAME1: " + window->NAME1->text(),
            QStringLiteral("rows: %1").arg(window->SG1Cells->rows()),
            "row 1: " + window->SG1Cells->rowCells(1).join('|'),
            "row 2: " + window->SG1Cells->rowCells(2).join('|'),
            QStringLiteral("printed: %1").arg(printer.jobsStarted()),
            "saved: " + saved.join(' '),
            "opened: " + urls.opened.join(' '),
        };
    }

    // Runs the trigger the way the user does it. Any modal window the command opens is
    // noted and closed again, as the user would close it.
    void run(const Trigger &trigger)
    {
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                modalWindows << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        closer.start(0);
        switch (trigger.via) {
        case Via::Toolbar: {
            QToolButton *button = window.get()->*trigger.button;
            ASSERT_TRUE(button->isVisible() && button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        }
        case Via::RightButton: {
            QToolButton *button = window.get()->*trigger.button;
            ASSERT_TRUE(button->isVisible() && button->isEnabled());
            rightClick(button);
            break;
        }
        case Via::Label: {
            QLabel *strip = window->commandLabels.at(trigger.label - 1);
            ASSERT_TRUE(strip->isVisible() && strip->isEnabled());
            QTest::mouseClick(strip, Qt::LeftButton);
            break;
        }
        case Via::Ctrl:
            QTest::keyClick(QApplication::focusWidget(), trigger.key, Qt::ControlModifier);
            break;
        case Via::FunctionKey:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_F1 + trigger.label - 1));
            break;
        case Via::EditorMenu:
            chooseFromContextMenu(QApplication::focusWidget(), trigger.entry);
            break;
        }
        closer.stop();
        // The desktop gives the activation back once a modal window has closed.
        if (!window->isActiveWindow()) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
    }

    // Runs the open step, which pops up a menu, and chooses the menu's entry of that name, or
    // its entry at that index.
    void choose(const std::function<void()> &open, const QString &name, int index = -1)
    {
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction *entry =
                index >= 0 ? menu->actions().value(index) : menu->findChild<QAction *>(name);
            ASSERT_NE(entry, nullptr);
            menu->close();
            entry->trigger();
            chosen = true;
        });
        QWidget *focus = QApplication::focusWidget();
        open();
        ASSERT_TRUE(chosen);
        // The offscreen desktop activates popups and does not hand the activation back by
        // itself. Coming back from a menu leaves the focus where it was.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
        EXPECT_EQ(QApplication::focusWidget(), focus);
    }

    // Gives the function key to the label through the label's own menu.
    void assignFunctionKey(int position, int key)
    {
        choose([&] { QTest::mouseClick(label(position), Qt::RightButton); }, {}, key - 1);
    }

    // The right button on a control, as the desktop delivers it, and an entry of its menu.
    void chooseFromContextMenu(QWidget *control, const char *entry)
    {
        choose([&] { rightClick(control); }, QString::fromLatin1(entry));
    }

    // Through the window, as the desktop delivers it: the press of the right button is
    // what opens a context menu.
    void rightClick(QWidget *control)
    {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          control->mapTo(window.get(), control->rect().center()));
    }

    // The item grid's editor on a cell.
    void editCell(int column, int row)
    {
        window->SG1->setFocus();
        window->SG1->setCurrentCell(column, row);
        QApplication::processEvents();
    }

    // The parts catalogue's editor on a cell of its second row; returns the editor.
    QWidget *editPart(int column)
    {
        PartsCatalogue &catalogue = *window->partsCatalogue;
        catalogue.toggle();
        catalogue.editModeOn();
        catalogue.editors->moveTo(column, 2);
        return QApplication::focusWidget();
    }

    // Chooses a slip layout (PRN_S 0..3) and answers the print question with Yes.
    void chooseLayoutAndConfirm(int layout)
    {
        window->PRN_SGroup->button(layout)->click();
        prompter.answers << true;
    }

    // The itemized statement of the three saved slips in the statement grid, and the three
    // inputs of its print run answered with what they offer.
    void showStatementOfTheSavedSlips()
    {
        window->Panel1->toggleStatementList();
        window->Panel1->FileListBox2->selectAll();
        window->N10Click();
        window->NAME1->setFocus();
        prompter.inputs << std::nullopt << std::nullopt << std::nullopt;
    }

    // Closes what a test opened over the item grid.
    void putOverlaysAway()
    {
        if (window->partsCatalogue->isShown())
            window->partsCatalogue->toggle();
        window->SG_K->hide();
        window->Panel1->hide();
        window->KensakuP->hide();
    }

    QLabel *label(int position) const { return window->commandLabels.at(position - 1); }

    TempProgramDir dir;
    ScriptedPrompter prompter;
    VirtualPrinter printer;
    UrlRecorder urls;
    std::unique_ptr<TMIRAVO> window;
    QStringList modalWindows;
};

class EveryTrigger : public CommandsTest, public ::testing::WithParamInterface<Case>
{};

// What changed from one observation to the next.
QStringList changes(const QStringList &before, const QStringList &after)
{
    QStringList changed;
    for (qsizetype line = 0; line < after.size(); ++line)
        if (after.at(line) != before.value(line))
            changed << after.at(line);
    return changed;
}

// The second item row of the typed slip, once it has become row 1.
const QString kRow2AsRow1 = "1||ナット||M8|10|個|20|15|200|150|75";

QString emptyRow(int number)
{
    return QString::number(number) + QString(11, u'|');
}

// The inputs a print run of the statement asks, offering the date of today and the period
// of the saved slips.
QStringList statementQuestions()
{
    return {"input: 請求書発行日|請求書発行日を入力してください。|2026/12/09",
            "input: 請求対象期間|請求対象期間を入力してください。|2026/12/01～2026/12/01",
            "input: お支払予定日|お支払予定日を入力してください。|"};
}

// What opening one of the saved slips shows.
QStringList savedSlip(const char *customer)
{
    return {QStringLiteral("NAME1: ") + QString::fromUtf8(customer),
            "row 1: 1||ボルト||M8|10|本|25||250||", "row 2: " + emptyRow(2)};
}

const std::vector<CommandRow> &commandTable()
{
    using T = TMIRAVO;
    static const std::vector<CommandRow> table = {
        {"Exit",
         {toolbar(&T::SpeedButton4), label(1), ctrl(Qt::Key_1), functionKey(1)},
         [](CommandsTest &t) { t.prompter.answers << false; },
         {"question: 終了します。"}},
        {"FilePanel",
         {toolbar(&T::SpeedButton3), label(2), ctrl(Qt::Key_2), functionKey(2)},
         {},
         {"shown: Panel1", "focus: FileListBox1"}},
        {"FilePanelCloses",
         {toolbar(&T::SpeedButton3), label(2), ctrl(Qt::Key_2), functionKey(2)},
         [](CommandsTest &t) {
             t.window->SpeedButton3Click();
             t.window->NAME1->setFocus();
         },
         {"shown: "}},
        {"Save",
         {toolbar(&T::SpeedButton5), label(3), ctrl(Qt::Key_3), functionKey(3)},
         [](CommandsTest &t) { t.prompter.answers << true; },
         {"question: フォルダ名＜{dir}＞に保存します。\r\nよろしいですか？\r\n\r\n"
          "『 いいえ 』を選ぶとファイルBOXが開きます。その後\r\n登録してください。",
          "beep", "info: 登録しました。",
          "saved: 令和8年12月01日【1001】工事.419 令和8年12月02日【1002】工事.419 "
          "令和8年12月03日【1003】工事.419 令和8年12月09日【10023】見積.419"}},
        {"Print",
         {toolbar(&T::SpeedButton6), label(4), ctrl(Qt::Key_4), functionKey(4)},
         [](CommandsTest &t) { t.prompter.answers << true; },
         {"question: 伝票(5行)を印刷します。", "printed: 1"}},
        {"PrintTwentyFourRows",
         {toolbar(&T::SpeedButton6), ctrl(Qt::Key_4)},
         [](CommandsTest &t) { t.chooseLayoutAndConfirm(2); },
         {"question: 伝票(24行)を印刷します。", "printed: 1"}},
        {"PrintThirtySixRows",
         {toolbar(&T::SpeedButton6), ctrl(Qt::Key_4)},
         [](CommandsTest &t) { t.chooseLayoutAndConfirm(3); },
         {"question: 伝票(36行)を印刷します。", "printed: 1"}},
        {"PrintStatement",
         {toolbar(&T::SpeedButton6), label(4), ctrl(Qt::Key_4), functionKey(4)},
         [](CommandsTest &t) { t.showStatementOfTheSavedSlips(); },
         statementQuestions() +
             QStringList{"info: 提出前に納品書の控えと必ず照合してください。\r\n", "printed: 1"}},
        {"PreviewStatement",
         {toolbar(&T::SpeedButton30)},
         [](CommandsTest &t) { t.showStatementOfTheSavedSlips(); },
         statementQuestions() + QStringList{"windows: TPREV"}},
        {"PartsCatalogue",
         {toolbar(&T::SpeedButton23), label(5), ctrl(Qt::Key_5), functionKey(5)},
         {},
         {"shown: SG2", "focus: SG2"}},
        {"Blank",
         {toolbar(&T::SpeedButton11), label(6), ctrl(Qt::Key_6), functionKey(6)},
         [](CommandsTest &t) { t.prompter.answers << true; },
         {"question: 白紙に戻します。", "NAME1: ", "row 1: " + emptyRow(1),
          "row 2: " + emptyRow(2)}},
        {"CustomerList",
         {label(7), ctrl(Qt::Key_7), functionKey(7)},
         {},
         {"shown: SG_K", "focus: SG_K"}},
        {"CustomerListCloses",
         {label(7), ctrl(Qt::Key_7), functionKey(7)},
         [](CommandsTest &t) { t.window->SG_K->open(); },
         {"shown: ", "focus: Edit1"}},
        {"RowInsert",
         {label(8), ctrl(Qt::Key_8), functionKey(8)},
         [](CommandsTest &t) { t.editCell(2, 2); },
         {"rows: 32", "row 2: " + emptyRow(2)}},
        {"RowDelete",
         {ctrl(Qt::Key_9), functionKey(9)},
         [](CommandsTest &t) { t.editCell(2, 1); },
         {"row 1: " + kRow2AsRow1, "row 2: " + emptyRow(2)}},
        // The strip warns with a beep before it deletes.
        {"RowDeleteFromTheStrip",
         {label(9)},
         [](CommandsTest &t) { t.editCell(2, 1); },
         {"beep", "row 1: " + kRow2AsRow1, "row 2: " + emptyRow(2)}},
        {"FocusFromAField", {label(10), ctrl(Qt::Key_0), functionKey(10)}, {}, {"focus: Edit1"}},
        {"FocusFromAnEditor",
         {label(10), ctrl(Qt::Key_0), functionKey(10)},
         [](CommandsTest &t) { t.editCell(6, 2); },
         {"focus: NAME1"}},
        {"FocusFromTheCustomerList",
         {label(10), ctrl(Qt::Key_0), functionKey(10)},
         [](CommandsTest &t) { t.window->SG_K->open(); },
         {"shown: ", "focus: Edit1"}},
        {"Settings",
         {toolbar(&T::SpeedButton1), label(11), ctrl(Qt::Key_Minus), functionKey(11)},
         {},
         {"windows: TSetHanyou"}},
        {"Rate",
         {label(12), ctrl(Qt::Key_yen), ctrl(Qt::Key_Backslash), functionKey(12)},
         [](CommandsTest &t) {
             t.window->KAKERITU->setValue("1.5");
             t.editCell(2, 1);
             t.prompter.answers << true;
         },
         {"question: 掛率=1.5 丸め桁=0 で現在行を変換します。\r\n", "beep",
          "row 1: 1||ボルト||M8|3|本|120|80|360|240|66.6"}},
        {"Receipt",
         {toolbar(&T::SpeedButton16)},
         [](CommandsTest &t) {
             t.prompter.answers << true;
             t.prompter.inputs << QString("お品代として");
         },
         {"question: 領収証を印刷します。\r\n2026/12/09日付け",
          "input: 但し書き|但し書き入力してください。|", "printed: 1"}},
        {"ReceiptPreview",
         {rightButton(&T::SpeedButton16)},
         [](CommandsTest &t) { t.prompter.inputs << QString("お品代として"); },
         {"input: 但し書き|但し書き入力してください。|", "windows: TPREV"}},
        {"FirstSlip", {toolbar(&T::SpeedButton7)}, {}, savedSlip("青木工務店")},
        {"PreviousSlip", {toolbar(&T::SpeedButton8)}, {}, savedSlip("井上商事")},
        {"NextSlip",
         {toolbar(&T::SpeedButton9)},
         {},
         QStringList{"info: 最後です。"} + savedSlip("上田建設")},
        {"LastSlip", {toolbar(&T::SpeedButton10)}, {}, savedSlip("上田建設")},
        {"Envelope",
         {toolbar(&T::SpeedButton18)},
         [](CommandsTest &t) { t.prompter.answers << true; },
         {"question: 封筒に宛名を印字します。\r\n", "printed: 1"}},
        {"EnvelopePreview", {rightButton(&T::SpeedButton18)}, {}, {"windows: TPREV"}},
        {"Preview", {toolbar(&T::SpeedButton30)}, {}, {"windows: TPREV"}},
        {"Search", {toolbar(&T::SpeedButton19)}, {}, {"shown: KensakuP", "focus: K_1"}},
        {"Manual", {toolbar(&T::SpeedButton26)}, {}, {"opened: {dir}MIRAVO_man.htm"}},
        {"TaxExemptMark",
         {editorMenu("N59")},
         [](CommandsTest &t) { t.editCell(2, 1); },
         {"beep", "row 1: 1||ボルト|1|M8|3|本|100|80|300|240|80"}},
    };
    return table;
}

std::vector<Case> everyCase()
{
    std::vector<Case> cases;
    for (size_t row = 0; row < commandTable().size(); ++row)
        for (size_t trigger = 0; trigger < commandTable()[row].triggers.size(); ++trigger)
            cases.push_back({row, trigger});
    return cases;
}

} // namespace

TEST_P(EveryTrigger, RunsItsCommandOnce)
{
    const CommandRow &row = commandTable()[GetParam().row];
    const Trigger &trigger = row.triggers[GetParam().trigger];
    if (trigger.via == Via::FunctionKey)
        assignFunctionKey(trigger.label, trigger.label);
    if (row.arrange)
        row.arrange(*this);
    prompter.log.clear();
    const QStringList before = observe();

    run(trigger);

    QStringList effect = prompter.log + changes(before, observe());
    const QString folder = QDir::cleanPath(dir.path());
    QStringList expected;
    for (QString line : row.effect)
        expected << line.replace("＜{dir}＞", "＜" + QDir::toNativeSeparators(folder) + "＞")
                        .replace("{dir}", dir.path());
    EXPECT_EQ(effect, expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, EveryTrigger, ::testing::ValuesIn(everyCase()),
                         [](const auto &info) {
                             const CommandRow &row = commandTable()[info.param.row];
                             return std::string(row.name) + "_" +
                                    triggerName(row.triggers[info.param.trigger]);
                         });

TEST_F(CommandsTest, TheTableHoldsEveryButtonLabelAndKey)
{
    std::set<QToolButton *> buttons;
    std::set<int> labels;
    std::set<int> functionKeys;
    QList<QKeySequence> ctrlKeys;
    for (const CommandRow &row : commandTable()) {
        for (const Trigger &trigger : row.triggers) {
            switch (trigger.via) {
            case Via::Toolbar:
            case Via::RightButton:
                buttons.insert(window.get()->*trigger.button);
                break;
            case Via::Label:
                labels.insert(trigger.label);
                break;
            case Via::FunctionKey:
                functionKeys.insert(trigger.label);
                break;
            case Via::Ctrl:
                ctrlKeys << QKeySequence(QKeyCombination(Qt::ControlModifier, trigger.key));
                break;
            case Via::EditorMenu:
                break;
            }
        }
    }
    for (QToolButton *button : window->ToolBar1->findChildren<QToolButton *>())
        if (button->isVisible())
            EXPECT_TRUE(buttons.count(button)) << button->objectName().toStdString();
    for (int position = 1; position <= MainMenu::labelCount; ++position) {
        EXPECT_TRUE(labels.count(position)) << position;
        EXPECT_TRUE(functionKeys.count(position)) << position;
    }
    for (int item = 0; item < MainMenu::itemCount; ++item) {
        QAction *action = window->commands->item(item);
        EXPECT_TRUE(action->isEnabled()) << item;
        for (const QKeySequence &key : action->shortcuts())
            EXPECT_TRUE(ctrlKeys.contains(key)) << key.toString().toStdString();
    }
    // The row buttons are not shown, but they follow their commands all the same.
    EXPECT_TRUE(window->SpeedButton14->isEnabled());
    EXPECT_TRUE(window->SpeedButton13->isEnabled());
}

TEST_F(CommandsTest, F3MovesFromSaveToPrint)
{
    assignFunctionKey(3, 3);
    assignFunctionKey(4, 3);
    EXPECT_EQ(label(4)->toolTip(), "F-3");
    EXPECT_TRUE(window->commands->label(3)->shortcuts().isEmpty());
    EXPECT_EQ(window->commands->label(4)->shortcut(), QKeySequence(Qt::Key_F3));
    prompter.log.clear();
    const QStringList before = observe();

    prompter.answers << true;
    QTest::keyClick(window->NAME1, Qt::Key_F3);

    EXPECT_EQ(prompter.log, QStringList{"question: 伝票(5行)を印刷します。"});
    EXPECT_EQ(changes(before, observe()), QStringList{"printed: 1"});
}

TEST_F(CommandsTest, NothingInTheMainWindowReactsWhileAModalWindowIsOpen)
{
    for (int position = 1; position <= MainMenu::labelCount; ++position)
        window->MENU_ITEM(position, position);
    QList<QKeyCombination> keys;
    for (Qt::Key key :
         {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7,
          Qt::Key_8, Qt::Key_9, Qt::Key_Minus, Qt::Key_yen, Qt::Key_Backslash})
        keys << QKeyCombination(Qt::ControlModifier, key);
    for (int f = 0; f < 12; ++f)
        keys << QKeyCombination(Qt::Key(Qt::Key_F1 + f));

    const std::pair<const char *, std::function<void()>> modals[] = {
        {"the settings dialog", [&] { window->SpeedButton1Click(); }},
        {"the preview window", [&] { window->SpeedButton30Click(); }},
        {"a box over the shown window",
         [&] {
             QDialog box(window.get());
             box.exec();
         }},
    };
    for (const auto &[name, open] : modals) {
        SCOPED_TRACE(name);
        prompter.log.clear();
        const QStringList before = observe();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            for (const QKeyCombination &key : keys) {
                QWidget *inModal = modal->focusWidget() ? modal->focusWidget() : modal;
                QTest::keyClick(inModal, key.key(), key.keyboardModifiers());
                QTest::keyClick(window->NAME1, key.key(), key.keyboardModifiers());
            }
            EXPECT_EQ(QApplication::activeModalWidget(), modal);
            seen = true;
            modal->close();
        });
        open();
        ASSERT_TRUE(seen);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join('|').toStdString();
        EXPECT_EQ(changes(before, observe()), QStringList{});
        EXPECT_EQ(window->NAME1->text(), "山田商店");
    }
}

namespace {

// A place the keyboard focus can be in: arranges the window and returns the control.
struct Place
{
    std::string name;
    std::function<QWidget *(CommandsTest &)> focus;
};

QWidget *focused(QWidget *control)
{
    control->setFocus();
    QApplication::processEvents();
    return control;
}

std::vector<Place> everyPlace(TMIRAVO &window)
{
    std::vector<Place> places;
    for (QWidget *field : window.headerOrder())
        places.push_back({field->objectName().toStdString(),
                          [field](CommandsTest &) { return focused(field); }});
    for (QWidget *field : std::initializer_list<QWidget *>{window.Tel, window.KEISYOU,
                                                           window.KAKERITU, window.MARUME})
        places.push_back({field->objectName().toStdString(),
                          [field](CommandsTest &) { return focused(field); }});
    const std::vector<Place> editors = {
        {"Edit1",
         [](CommandsTest &t) -> QWidget * {
             t.editCell(2, 5);
             return t.window->Edit1;
         }},
        {"NumEdit1",
         [](CommandsTest &t) -> QWidget * {
             t.editCell(5, 3);
             return t.window->NumEdit1;
         }},
        {"Edit3",
         [](CommandsTest &t) -> QWidget * {
             t.window->SG_K->open();
             t.window->SG_K->N75Click(); // 編集モードＯＮ
             QApplication::processEvents();
             return t.window->Edit3;
         }},
        {"Edit2", [](CommandsTest &t) { return t.editPart(PartsColumn::name); }},
        {"NumEdit2", [](CommandsTest &t) { return t.editPart(PartsColumn::unitPrice); }},
        {"FileListBox1",
         [](CommandsTest &t) -> QWidget * {
             t.window->SpeedButton3Click();
             return t.window->Panel1->FileListBox1;
         }},
        {"K_1",
         [](CommandsTest &t) -> QWidget * {
             t.window->SpeedButton19->click();
             return focused(t.window->KensakuP->K_1);
         }},
    };
    places.insert(places.end(), editors.begin(), editors.end());
    return places;
}

} // namespace

TEST_F(CommandsTest, HomeAndEndTakeTheFocusToTheItemGridFromEveryFieldAndEditor)
{
    struct Jump
    {
        Qt::Key key;
        int column;
        int row;
        const char *editor;
    } const jumps[] = {{Qt::Key_Home, 1, 1, "Edit1"}, {Qt::Key_End, 8, 30, "NumEdit1"}};
    for (const Place &place : everyPlace(*window)) {
        for (const Jump &jump : jumps) {
            SCOPED_TRACE(place.name + (jump.key == Qt::Key_Home ? " Home" : " End"));
            window->SG1->setCurrentCell(3, 12);
            QWidget *control = place.focus(*this);
            ASSERT_TRUE(control->hasFocus());
            ASSERT_EQ(control->objectName().toStdString(), place.name);
            const QString text = window->NAME1->text();
            QTest::keyClick(control, jump.key);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), jump.editor);
            EXPECT_EQ(window->SG1->col(), jump.column);
            EXPECT_EQ(window->SG1->row(), jump.row);
            // Nothing covers the item grid the focus went to.
            EXPECT_FALSE(window->SG_K->isVisible());
            EXPECT_FALSE(window->Panel1->isVisible());
            EXPECT_EQ(window->NAME1->text(), text);
            putOverlaysAway();
        }
    }
}

TEST_F(CommandsTest, ShortcutsAndFunctionKeysActFromEveryFieldEditorAndGrid)
{
    window->MENU_ITEM(6, 6);
    std::vector<Place> places = everyPlace(*window);
    // The grids without an editor up; the item grid always has one.
    places.push_back({"SG_K", [](CommandsTest &t) -> QWidget * {
                          t.window->SG_K->open();
                          t.window->SG_K->N76Click(); // 編集モードＯＦＦ
                          return t.window->SG_K;
                      }});
    places.push_back({"SG2", [](CommandsTest &t) -> QWidget * {
                          t.window->partsCatalogue->toggle();
                          t.window->partsCatalogue->editModeOff();
                          return t.window->partsCatalogue->SG2;
                      }});
    for (const Place &place : places) {
        for (const Qt::KeyboardModifiers modifiers : {Qt::ControlModifier, Qt::NoModifier}) {
            const Qt::Key key = modifiers == Qt::NoModifier ? Qt::Key_F6 : Qt::Key_6;
            SCOPED_TRACE(place.name + (key == Qt::Key_F6 ? " F6" : " Ctrl+6"));
            QWidget *control = place.focus(*this);
            ASSERT_TRUE(control->hasFocus());
            ASSERT_EQ(control->objectName().toStdString(), place.name);
            prompter.log.clear();
            prompter.answers << false;
            QTest::keyClick(control, key, modifiers);
            EXPECT_EQ(prompter.log, QStringList{"question: 白紙に戻します。"});
            EXPECT_EQ(window->NAME1->text(), "山田商店");
            putOverlaysAway();
        }
    }
}

TEST_F(CommandsTest, HomeInThePartsGridStaysThere)
{
    PartsCatalogue &catalogue = *window->partsCatalogue;
    catalogue.toggle();
    window->SG1->setCurrentCell(3, 12);
    ASSERT_TRUE(catalogue.SG2->hasFocus());
    QTest::keyClick(catalogue.SG2, Qt::Key_Home);
    EXPECT_TRUE(catalogue.SG2->hasFocus());
    EXPECT_EQ(window->SG1->row(), 12);
}

TEST_F(CommandsTest, EnterWalksTheHeaderAndShiftEnterWalksBackButNotFromTheCustomerName)
{
    const QList<QWidget *> order = window->headerOrder();
    for (int i = 0; i < order.size(); ++i) {
        order.at(i)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (i + 1 < order.size())
            EXPECT_EQ(QApplication::focusWidget(), order.at(i + 1)) << i;
        else
            EXPECT_TRUE(window->SG1->isAncestorOf(QApplication::focusWidget()));
    }
    for (int i = 1; i < order.size(); ++i) {
        order.at(i)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), order.at(i - 1)) << i;
    }
    window->NAME1->setFocus();
    QTest::keyClick(window->NAME1, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window->NAME1);
    // The Enter itself is used up: no character, no beep.
    EXPECT_EQ(window->NAME1->text(), "山田商店");
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(CommandsTest, EscapeSetsTheSearchCancelFlagAndGoesOnToTheControl)
{
    window->SG_K->open();
    window->searchCancelled = false;
    QTest::keyClick(window->SG_K, Qt::Key_Escape);
    EXPECT_TRUE(window->searchCancelled);
    // The customer list's own Escape closed it.
    EXPECT_FALSE(window->SG_K->isVisible());
}

TEST_F(CommandsTest, AClickOnTheFolderLabelTogglesTheFilePanel)
{
    QTest::mouseClick(window->Path, Qt::LeftButton);
    EXPECT_TRUE(window->Panel1->isVisible());
    QTest::mouseClick(window->Path, Qt::LeftButton);
    EXPECT_FALSE(window->Panel1->isVisible());
}

TEST_F(CommandsTest, EveryLayoutCanBeChosen)
{
    const QList<QAbstractButton *> layouts = window->PRN_SGroup->buttons();
    ASSERT_EQ(layouts.size(), 4);
    for (QAbstractButton *layout : layouts)
        EXPECT_TRUE(layout->isEnabled()) << layout->text().toStdString();
}

TEST_F(CommandsTest, AStoredLayoutChoiceComesBack)
{
    dir.writeLines("SET2.INI", {"[種別]=3"});
    TMIRAVO restarted;
    EXPECT_EQ(restarted.PRN_SGroup->checkedId(), 3);
}

TEST_F(CommandsTest, ReassigningAFunctionKeyMovesItsShortcut)
{
    window->MENU_ITEM(2, 5); // F5 on "2 ﾌｧｲﾙ"
    window->MENU_ITEM(6, 5); // then on "6 白紙"
    prompter.log.clear();
    prompter.answers << false;
    QTest::keyClick(window->NAME1, Qt::Key_F5);
    EXPECT_FALSE(window->Panel1->isVisible());
    EXPECT_EQ(prompter.log, QStringList{"question: 白紙に戻します。"});

    window->MENU_ITEM(6, 0); // 設定しない
    prompter.log.clear();
    QTest::keyClick(window->NAME1, Qt::Key_F5);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(CommandsTest, FunctionKeysFromSettingsActAtStartUp)
{
    dir.writeLines("SET2.INI", {"[F8]=14"}); // F8 on the file-panel item F21
    TMIRAVO restarted;
    restarted.show();
    restarted.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&restarted));
    QTest::keyClick(restarted.NAME1, Qt::Key_F8);
    EXPECT_TRUE(restarted.Panel1->isVisible());
}

TEST_F(CommandsTest, TheSharedCtrlFiveActsOnTheFirstItemOnly)
{
    EXPECT_EQ(window->commands->item(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_5));
    EXPECT_TRUE(window->commands->item(11)->shortcuts().isEmpty());
    // The ¥ key arrives as Yen or as Backslash, depending on the desktop's layout.
    EXPECT_EQ(window->commands->item(12)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_yen),
                                   QKeySequence(Qt::CTRL | Qt::Key_Backslash)}));
}

TEST_F(CommandsTest, TheRightButtonOnALabelAssignsAFunctionKeyFromItsMenu)
{
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const QList<QAction *> entries = menu->actions();
        ASSERT_EQ(entries.size(), 13); // F1 .. F12, 設定しない
        EXPECT_EQ(entries.last()->text(), "設定しない");
        entries.at(10)->trigger(); // F11
        menu->close();
        chosen = true;
    });
    QTest::mouseClick(label(2), Qt::RightButton);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(label(2)->toolTip(), "F-11");
    EXPECT_EQ(prompter.beeps(), 1);
    EXPECT_FALSE(window->Panel1->isVisible()); // the right button runs no command
    // The offscreen desktop does not hand the activation back after a popup by itself.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->NAME1, Qt::Key_F11);
    EXPECT_TRUE(window->Panel1->isVisible());
}

#include "commands_test.moc"

// Leaving the program: the exit command, closing by any other way, and the files written
// on the way out.
#include "miravo_window.h"

#include "common/miravo_error.h"
#include "common/prompter.h"
#include "files/file_browser_panel.h"
#include "master/choice_list_box.h"
#include "master/choice_lists.h"
#include "master/customer_grid.h"
#include "master/customer_list.h"
#include "slip/string_grid.h"

#include <QCloseEvent>
#include <QLineEdit>

#include <functional>

bool TMIRAVO::ENDHANTEI() const
{
    // The title row always holds something; the scan looks at the item rows below it.
    return slip.lastUsedRow() > 0;
}

void TMIRAVO::SpeedButton4Click()
{
    if (!prompter().question(QStringLiteral("終了します。")))
        return;
    if (!confirmClose())
        return;
    m_closeConfirmed = true;
    close();
}

// After the user agreed to leave: offers to save a slip that has content. True when the
// window may close now; false when the save command took over, which closes the window
// itself once the slip is saved.
bool TMIRAVO::confirmClose()
{
    const bool hasItems = ENDHANTEI();
    if (!hasItems && NAME1->text().isEmpty())
        return true;
    if (!prompter().question(QStringLiteral("保存しますか？\r\n\r\n")))
        return true;
    slip.state.closeAfterSaveRequest = true;
    SpeedButton5Click();
    return false;
}

void TMIRAVO::closeEvent(QCloseEvent *event)
{
    // Any close other than the exit command (the close box, the desktop) must not lose a
    // typed slip either: it asks what the exit command asks. An empty slip closes at once.
    if (!m_closeConfirmed) {
        const bool hasContent = ENDHANTEI() || !NAME1->text().isEmpty();
        if (hasContent &&
            (!prompter().question(QStringLiteral("終了します。")) || !confirmClose())) {
            event->ignore();
            return;
        }
    }
    FormClose();
    event->accept();
}

bool TMIRAVO::FormClose()
{
    // Every file is tried even when an earlier one failed: each write replaces its file
    // whole or leaves it as it was, so one failure need not cost the others.
    QList<std::function<void()>> writes;
    const std::pair<ChoiceListBox *, ChoiceBox> lists[] = {
        {Nouki, ChoiceBox::Nouki}, {Basyo, ChoiceBox::Basyo}, {KEISYOU, ChoiceBox::KEISYOU},
        {Kigen, ChoiceBox::Kigen}, {Tanto, ChoiceBox::Tanto},
    };
    for (const auto &list : lists)
        writes.append(
            [list] { COMBO_KAKIDASI(list.first->items(), ChoiceLists::fileName(list.second)); });
    writes.append([this] { SET2_KAKIDASI(collectScreenSettings()); });
    writes.append([this] { KOKYAKU_KAKIDASI(*SG_K->grid()); });
    writes.append([this] { SEIKYUU_KAKIDASI(collectRememberedChoices()); });
    writes.append([this] { Panel1->registry().save(); });
    bool allWritten = true;
    for (const auto &write : writes) {
        try {
            write();
        } catch (const MiravoError &) {
            allWritten = false;
        }
    }
    if (!allWritten)
        prompter().warning(QStringLiteral("設定ファイルは保存できませんでした。\r\n"));
    return allWritten;
}

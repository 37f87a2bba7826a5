#include "files/file_browser_panel.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class FileBrowserPanelTest : public ::testing::Test
{
protected:
    FileBrowserPanelTest()
    {
        for (const QString &name : {"令和8年01月01日【1】a.419", "令和8年01月02日【2】b.419",
                                    "令和8年01月03日【3】c.419"}) {
            QFile file(data.filePath(name));
            file.open(QIODevice::WriteOnly);
        }
    }

    TempProgramDir home;
    ScriptedPrompter prompter;
    QTemporaryDir data;
};

} // namespace

TEST_F(FileBrowserPanelTest, FolderChangeSelectsTheNewestSlip)
{
    FileBrowserPanel panel;
    QSignalSpy changed(&panel, &FileBrowserPanel::folderChanged);
    panel.setFolder(data.path());
    EXPECT_EQ(panel.slipFileCount(), 3);
    EXPECT_EQ(panel.selectedSlipFile(), 2);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.first().at(1).toInt(), 2);

    panel.setFolder(home.path());
    EXPECT_EQ(panel.slipFileCount(), 0);
    EXPECT_EQ(changed.last().at(1).toInt(), -1);
}

TEST_F(FileBrowserPanelTest, DeletingKeepsThePositionOrTakesTheNewLast)
{
    struct Case
    {
        int selected;
        QString expectedName;
    };
    const Case cases[] = {{2, "令和8年01月02日【2】b.419"}, {0, "令和8年01月02日【2】b.419"}};
    FileBrowserPanel panel;
    panel.setFolder(data.path());
    for (const Case &c : cases) {
        panel.selectSlipFile(c.selected);
        prompter.answers << true;
        panel.N3Click();
        EXPECT_EQ(QFileInfo(panel.slipFilePath(panel.selectedSlipFile())).fileName(),
                  c.expectedName);
    }
    EXPECT_EQ(panel.slipFileCount(), 1);

    prompter.answers << false;
    panel.N3Click();
    EXPECT_EQ(panel.slipFileCount(), 1);
    EXPECT_TRUE(prompter.texts("question").last().endsWith("を削除します。\r\nよろしいですか？"));
}

TEST_F(FileBrowserPanelTest, WheelMovesTheSelectionWithoutLoading)
{
    FileBrowserPanel panel;
    panel.setFolder(data.path());
    QSignalSpy activated(&panel, &FileBrowserPanel::fileActivated);
    const auto turn = [&](int delta) {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(panel.FileListBox1->viewport(), &wheel);
    };
    turn(-120);
    EXPECT_EQ(panel.selectedSlipFile(), 2); // not beyond the last
    turn(120);
    turn(120);
    turn(120);
    EXPECT_EQ(panel.selectedSlipFile(), 0); // not above the first
    EXPECT_TRUE(activated.isEmpty());
}

TEST_F(FileBrowserPanelTest, CreatingANestedFolderMakesTheInnerOneCurrent)
{
    FileBrowserPanel panel;
    panel.setFolder(data.path());
    panel.MakeDir->setText("2026/12");
    prompter.answers << true;
    panel.SpeedButton20Click();
    EXPECT_EQ(panel.folder(), data.filePath("2026/12"));
    EXPECT_EQ(panel.slipFileCount(), 0);
}

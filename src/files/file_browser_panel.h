#pragma once

#include "folder_registry.h"

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTableWidget;
class QToolButton;

// The file panel laid over the main window: drives, folders, the saved slips of the current
// folder, the statement file list and the registered folders. It owns the current folder;
// opening a slip is left to the window through fileActivated.
class FileBrowserPanel : public QFrame
{
    Q_OBJECT
public:
    explicit FileBrowserPanel(QWidget *parent = nullptr);

    QComboBox *DriveComboBox1 = nullptr;
    QListWidget *DirectoryListBox1 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QListWidget *FileListBox2 = nullptr;
    QTableWidget *DG1 = nullptr;
    QLineEdit *MakeDir = nullptr;
    QLineEdit *NETPATH = nullptr;
    QToolButton *SpeedButton20 = nullptr; // ﾌｫﾙﾀﾞの新規作成
    QToolButton *SpeedButton36 = nullptr; // Home
    QToolButton *SpeedButton21 = nullptr; // 閉じる(ﾌｧｲﾙ)
    QToolButton *SpeedButton29 = nullptr; // 請求明細書用

    QString folder() const { return m_folder; }
    // Makes a folder current (a missing one falls back to the program directory) and runs
    // the folder change.
    void setFolder(const QString &folder);

    // The slip file list.
    int slipFileCount() const;
    QString slipFilePath(int index) const;
    int selectedSlipFile() const;
    void selectSlipFile(int index);
    // Re-reads both file lists from the current folder.
    void refreshLists();

    bool statementListShown() const;
    void toggleStatementList();
    // The files selected in the statement file list, with their folder, in list order.
    QStringList selectedStatementFiles() const;

    FolderRegistry &registry() { return m_registry; }
    // DG1DblClick: registers the current folder on an empty row or moves to a registered one.
    void DG1DblClick(int row);
    // Loads the registered folders and shows them.
    void DIR_READ();

    void setFocusColour(const QColor &colour) { m_focusColour = colour; }

    // ファイル削除 of the file list's menu.
    void N3Click();
    // フォルダ削除 of the folder list's menu, on the highlighted folder.
    void N87Click();
    // ﾌｫﾙﾀﾞの新規作成.
    void SpeedButton20Click();

signals:
    // The folder changed; the browse position should become lastIndex (-1 for an empty list).
    void folderChanged(const QString &folder, int lastIndex);
    // A slip file was chosen to be opened (double click or Enter).
    void fileActivated(const QString &path, int index);
    void closeRequested();
    // 請求明細書用 switched to the statement file list (true) or back to the slip files.
    void statementListToggled(bool statementList);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fillDrives();
    void fillFolderList();
    void showDriveOf(const QString &folder);
    void showRegistry();
    void moveSelectionByWheel(QListWidget *list, int delta);
    void clearRegistryRow();
    void activateSlipFile();

    QString m_folder;
    FolderRegistry m_registry;
    QColor m_focusColour{Qt::yellow};
};

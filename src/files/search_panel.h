#pragma once

#include "search_commands.h"

#include <QFrame>
#include <QPoint>

class FileBrowserPanel;
class QLabel;
class QLineEdit;
class QToolButton;

// The search panel laid over the main window: five content terms and a file-name text
// over the slip file list of the file panel. It floats: dragging it with the left button
// moves it. A hit is loaded through openRequested, which the window answers exactly as a
// double click on the file list; the cancel flag is the window's, which Escape sets.
class SearchPanel : public QFrame, public SearchHost
{
    Q_OBJECT
public:
    SearchPanel(FileBrowserPanel *files, bool *cancelFlag, QWidget *parent = nullptr);

    QLineEdit *K_1 = nullptr;
    QLineEdit *K_2 = nullptr;
    QLineEdit *K_3 = nullptr;
    QLineEdit *K_4 = nullptr;
    QLineEdit *K_5 = nullptr;
    QLineEdit *FN_FIND = nullptr;
    QLabel *FileText = nullptr;
    QLabel *Label29 = nullptr;
    QToolButton *SpeedButton58 = nullptr; // 検索
    QToolButton *SpeedButton59 = nullptr; // 次検索
    QToolButton *SpeedButton31 = nullptr; // 前検索
    QToolButton *SpeedButton60 = nullptr; // 閉じる
    QToolButton *SpeedButton32 = nullptr; // >>検索
    QToolButton *SpeedButton33 = nullptr; // > 次検索
    QToolButton *SpeedButton34 = nullptr; // < 前検索
    QToolButton *SpeedButton35 = nullptr; // 閉じる

    // The 検索 toolbar command: hides the panel, or shows it in front with K_1 focused.
    void toggle();
    // 閉じる: stops a running content search and hides the panel.
    void closePanel();

    void contentSearch(SearchStart start);
    void fileNameSearch(SearchStart start);
    bool searching() const { return m_searching; }

    // What the search commands ask of the window.
    QStringList slipFilePaths() const override;
    int selectedSlipFile() const override;
    void selectSlipFile(int index) override;
    void refreshSlipFiles() override;
    void openSlipFile(int index) override;
    void setFileText(const QString &text) override;
    void setLabel29(const QString &text) override;
    void processPendingEvents() override;
    bool cancelRequested() const override { return *m_cancel; }
    void setCancelRequested(bool requested) override { *m_cancel = requested; }

signals:
    void openRequested(const QString &path, int index);
    // The panel was hidden: the item grid takes the focus.
    void closed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildControls();
    QStringList terms() const;

    FileBrowserPanel *m_files;
    bool *m_cancel;
    bool m_searching = false;
    QPoint m_dragFrom;
};

#pragma once

#include "settings_commit.h"

#include <QDialog>

class CategoryNameEditor;
class ColourSwatch;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;
class SettingsDialogHost;

// The print settings dialog 各種設定: every PRINT.INI key in a control of its six pages, and
// the editor of the parts catalogue's category names. Its controls are the working copy of
// PRINT.INI: filled when it is created, written back by the commit. Each control carries the
// name the key catalogue gives it, so loading and committing go over the catalogue alone.
class TSetHanyou : public QDialog, public PrintSettings::CommitHost
{
    Q_OBJECT
public:
    explicit TSetHanyou(SettingsDialogHost &host, QWidget *parent = nullptr);
    ~TSetHanyou() override;

    QToolButton *SpeedButton4 = nullptr;  // 閉じる
    QToolButton *SpeedButton16 = nullptr; // 登録
    QLineEdit *SET_NAME = nullptr;
    QTabWidget *PageControl1 = nullptr;
    CategoryNameEditor *categories = nullptr;
    QLabel *StatusBar1Panel2 = nullptr; // today's date

    // Fills the controls from PRINT.INI and the carry-over files.
    void YOMIKOMI();
    // 閉じる: the commit (after its question), then close.
    void SpeedButton4Click();
    // 登録.
    void SpeedButton16Click();
    // Each time the dialog becomes the active window.
    void FormActivate();

    // The commit's view of the dialog.
    PrintSettings::Values values() const override;
    void setValues(const PrintSettings::Values &values) override;
    void titlesCommitted(const PrintSettings::MainWindowCaptions &captions) override;
    void saveOpenCategoryList() override;

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildWindow();
    QWidget *buildCompanyPage();
    QWidget *buildTitlesPage();
    QWidget *buildFontsAndColoursPage();
    QWidget *buildLinesPage();
    QWidget *buildOptionsPage();
    void connectBehaviour();
    // The values into the controls, without telling the main window.
    void showValues(const PrintSettings::Values &values);

    // The controls' behaviour.
    void chooseColour(ColourSwatch *swatch, const QString &question);
    void chooseFace(QLineEdit *face);
    void chooseFontOf(QLineEdit *face, QLineEdit *size);
    void choosePicture(QLineEdit *field);
    void askToClear(QLineEdit *field, const QString &question);
    void showDate();

    SettingsDialogHost &m_host;
    // A message box or chooser of our own took the activation: coming back from it is no
    // new activation of the dialog.
    bool m_childDialogUp = false;
};

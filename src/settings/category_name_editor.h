#pragma once

#include <QWidget>

#include <array>

class QPlainTextEdit;
class QToolButton;

// The editor of the parts catalogue's category names: the twenty major categories in
// BUMON0.LST, whose names are the captions of BUMON1 to BUMON20, and the twenty minor
// categories of each in BUMON1.LST to BUMON20.LST. One list is open in BUMON_MEMO at a
// time; every switch first saves the list being left.
class CategoryNameEditor : public QWidget
{
public:
    // No list open.
    static constexpr int noList = 99;

    explicit CategoryNameEditor(QWidget *parent = nullptr);

    std::array<QToolButton *, 20> BUMON{};
    QToolButton *SpeedButton2 = nullptr; // 大分類
    QToolButton *SpeedButton3 = nullptr; // 閉じる
    QPlainTextEdit *BUMON_MEMO = nullptr;

    int state() const { return m_state; }
    // The dialog's creation: the major list is read into the hidden text box.
    void prepareMajorList();

    void BUMONClick(int list);
    void SpeedButton2Click();
    void SpeedButton3Click();

private:
    void saveOpenList();
    void openList(int list);

    int m_state = noList;
};

#pragma once

#include "slip/slip_header.h"

#include <QObject>

#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class Slip;
class TMIRAVO;

// Ties the named controls of the main window to the slip, both ways: every edit of a
// control goes into the slip at once, and whenever an operation of the slip changed it, the
// controls show the slip again. The controls hold no state of their own that the slip does
// not have.
class SlipBinding : public QObject
{
    Q_OBJECT
public:
    // Takes the controls' current values into the slip, then follows both.
    SlipBinding(TMIRAVO &window, Slip &slip);

    // Shows the slip's header in the controls.
    void refreshControls();

private:
    void bind(QLineEdit *box, QString SlipHeader::*field);
    void bind(QComboBox *box, QString SlipHeader::*field);
    void bind(QDateTimeEdit *picker, QDateTime SlipHeader::*field);
    void bind(QAbstractButton *box, bool SlipHeader::*field);
    void bind(QButtonGroup *group, int SlipHeader::*field);
    void bindTaxMode(QButtonGroup *group);
    // Runs an edit of a control unless it comes from refreshControls().
    void edit(const std::function<void(SlipHeader &)> &change);

    Slip &m_slip;
    std::vector<std::function<void()>> m_refreshers;
    bool m_refreshing = false;
};
